<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Nimbra</name>
    <message>
        <source>Make Alias</source>
        <translation>Crear enlace</translation>
    </message>
    <message>
        <source>Choose what the alias in “%1” should open</source>
        <translation>Elija lo que debe abrir el enlace en «%1»</translation>
    </message>
    <message>
        <source>Couldn&apos;t make the alias</source>
        <translation>No se pudo crear el enlace</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t save its switch. %1</source>
        <translation>Nimbra no pudo guardar su estado de activación. %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn on Nimbra</source>
        <translation>No se pudo activar Nimbra</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn off Nimbra</source>
        <translation>No se pudo desactivar Nimbra</translation>
    </message>
    <message>
        <source>Nimbra is misconfigured</source>
        <translation>Nimbra está mal configurado</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings store. This usually means the app needs to be reinstalled. Settings won&apos;t sync between the app and the Files extension until this is fixed.</source>
        <translation>Nimbra no puede acceder a su almacén de configuración compartida. Normalmente esto significa que hay que reinstalar la aplicación. Hasta que se solucione, la configuración no se sincronizará entre la aplicación y la extensión de Archivos.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s name, quoted.</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on %1.</source>
        <translation>No hay espacio suficiente en %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to open %1.</source>
        <translation>No tiene permiso para abrir %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to write to %1.</source>
        <translation>No tiene permiso para escribir en %1.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 es de solo lectura.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 ya no existe.</translation>
    </message>
    <message>
        <source>%1 is already taken in %2.</source>
        <translation>El nombre %1 ya está en uso en %2.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>El nombre %1 es demasiado largo.</translation>
    </message>
    <message>
        <source>The disk could not read or write %1.</source>
        <translation>El disco no pudo leer ni escribir %1.</translation>
    </message>
    <message>
        <source>%1 is in use. Try again in a moment.</source>
        <translation>%1 está en uso. Inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An item&apos;s name and what the system said went wrong with it.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be put inside itself.</source>
        <translation>No se puede poner %1 dentro de sí mismo.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings.</source>
        <translation>Nimbra no pudo guardar «%1» en su configuración compartida.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an app.</source>
        <translation>Eso no parece una aplicación.</translation>
    </message>
    <message>
        <source>Something unexpected went wrong.</source>
        <translation>Se produjo un error inesperado.</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Uninstall Nimbra…</source>
        <translation>Desinstalar Nimbra…</translation>
    </message>
    <message>
        <source>Quit Nimbra</source>
        <translation>Salir de Nimbra</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Añadir aplicación</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Elegir archivo…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Choose an App</source>
        <translation>Elegir una aplicación</translation>
    </message>
    <message>
        <source>Applications (*.desktop);;All Files (*)</source>
        <translation>Aplicaciones (*.desktop);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Extension cannot be empty</source>
        <translation>La extensión no puede estar vacía</translation>
    </message>
    <message>
        <source>Extension too long (max 16 characters)</source>
        <translation>Extensión demasiado larga (máximo 16 caracteres)</translation>
    </message>
    <message>
        <source>Allowed: letters, digits, . _ -</source>
        <translation>Permitidos: letras, dígitos, . _ -</translation>
    </message>
    <message>
        <source>Menu label</source>
        <translation>Etiqueta del menú</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Name of the new item</source>
        <translation>Nombre del elemento nuevo</translation>
    </message>
    <message>
        <source>Delete this custom type</source>
        <translation>Eliminar este tipo personalizado</translation>
    </message>
    <message>
        <source>Show in the Files menu</source>
        <translation>Mostrar en el menú de Archivos</translation>
    </message>
    <message>
        <source>Enter a valid extension first</source>
        <translation>Introduzca primero una extensión válida</translation>
    </message>
    <message>
        <source>File extension (letters, digits, . _ -)</source>
        <translation>Extensión de archivo (letras, dígitos, . _ -)</translation>
    </message>
    <message>
        <source>Template…</source>
        <translation>Plantilla…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Editar…</translation>
    </message>
    <message>
        <source>Items in the New menu, in menu order. Drag to reorder.</source>
        <translation>Elementos del menú «Nuevo», en el orden del menú. Arrástrelos para reordenarlos.</translation>
    </message>
    <message>
        <source>Add Custom Type…</source>
        <translation>Añadir tipo personalizado…</translation>
    </message>
    <message>
        <source>Group under New ▸</source>
        <translation>Agrupar en «Nuevo ▸»</translation>
    </message>
    <message>
        <source>Show types even without an app to open them</source>
        <translation>Mostrar los tipos aunque no haya una aplicación para abrirlos</translation>
    </message>
    <message>
        <source>Off: Word, Pages and similar items only appear when an app that opens them is installed.</source>
        <translation>Desactivado: Word, Pages y elementos similares solo aparecen si hay instalada una aplicación que los abra.</translation>
    </message>
    <message>
        <source>Rename new items right away</source>
        <translation>Renombrar de inmediato los elementos nuevos</translation>
    </message>
    <message>
        <source>Like Windows, the name is ready to type over. Nimbra presses F2 in Files for you.</source>
        <translation>Como en Windows, el nombre queda seleccionado para escribir encima. Nimbra pulsa F2 en Archivos por usted.</translation>
    </message>
    <message>
        <source>Opens the folder in the chosen app. Only installed apps appear in Files.</source>
        <translation>Abre la carpeta en la aplicación elegida. En Archivos solo aparecen las aplicaciones instaladas.</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Añadir aplicación…</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>No instalada</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Enviar a</translation>
    </message>
    <message>
        <source>Open Folder with</source>
        <translation>Abrir carpeta con</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>Nimbra Preferences</source>
        <translation>Preferencias de Nimbra</translation>
    </message>
    <message>
        <source>Settings unavailable</source>
        <translation>Configuración no disponible</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings. Reinstall the app.</source>
        <translation>Nimbra no puede acceder a su configuración compartida. Reinstale la aplicación.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the change</source>
        <translation>No se pudo guardar el cambio</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings, so the menus in Files stay as they were.</source>
        <translation>Nimbra no pudo guardar «%1» en su configuración compartida, así que los menús de Archivos siguen como estaban.</translation>
    </message>
    <message>
        <source>Shown when you right-click selected files or folders.</source>
        <translation>Se muestra al pulsar con el botón derecho sobre archivos o carpetas seleccionados.</translation>
    </message>
    <message>
        <source>Not valid JSON yet — you can still save.</source>
        <translation>Todavía no es JSON válido; aun así, puede guardarlo.</translation>
    </message>
    <message>
        <source>Tip: shell scripts usually start with a shebang, e.g. #!/bin/sh</source>
        <translation>Consejo: los scripts de shell suelen empezar con un shebang, p. ej. #!/bin/sh</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Template for .%1</source>
        <translation>Plantilla para .%1</translation>
    </message>
    <message>
        <source>Remove Template</source>
        <translation>Quitar plantilla</translation>
    </message>
    <message>
        <source>The type keeps working; new files start empty</source>
        <translation>El tipo sigue funcionando; los archivos nuevos se crearán vacíos</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Guardar plantilla</translation>
    </message>
    <message>
        <source>The contents of every new file created with this type.</source>
        <translation>El contenido de cada archivo nuevo creado con este tipo.</translation>
    </message>
    <message>
        <source>The contents of every new .%1 file created with this type.</source>
        <translation>El contenido de cada archivo .%1 nuevo creado con este tipo.</translation>
    </message>
    <message>
        <source>now</source>
        <translation>ahora mismo</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>hace %n segundo</numerusform>
            <numerusform>hace %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>hace %n minuto</numerusform>
            <numerusform>hace %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>hace %n hora</numerusform>
            <numerusform>hace %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>hace %n día</numerusform>
            <numerusform>hace %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>ayer</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>hace %n semana</numerusform>
            <numerusform>hace %n semanas</numerusform>
        </translation>
    </message>
    <message>
        <source>last week</source>
        <translation>la semana pasada</translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>hace %n mes</numerusform>
            <numerusform>hace %n meses</numerusform>
        </translation>
    </message>
    <message>
        <source>last month</source>
        <translation>el mes pasado</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>hace %n año</numerusform>
            <numerusform>hace %n años</numerusform>
        </translation>
    </message>
    <message>
        <source>last year</source>
        <translation>el año pasado</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Comprobar ahora</translation>
    </message>
    <message>
        <source>Once a day Nimbra asks %1 whether there&apos;s a new version. Updates are signed, and only the app&apos;s name and version are sent.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Una vez al día, Nimbra pregunta a %1 si hay una versión nueva. Las actualizaciones están firmadas y solo se envían el nombre y la versión de la aplicación.</translation>
    </message>
    <message>
        <source>Last checked %1</source>
        <extracomment>%1 is how long ago: &quot;now&quot;, &quot;2 hours ago&quot;, &quot;yesterday&quot;…</extracomment>
        <translation>Última comprobación: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Carpeta nueva</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Text Document</source>
        <translation>Documento de texto</translation>
    </message>
    <message>
        <source>Microsoft Word Document</source>
        <translation>Documento de Microsoft Word</translation>
    </message>
    <message>
        <source>Microsoft Excel Worksheet</source>
        <translation>Hoja de cálculo de Microsoft Excel</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>Documento HTML</translation>
    </message>
    <message>
        <source>Compressed (zipped) folder</source>
        <translation>Carpeta comprimida (ZIP)</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Desktop (create shortcut)</source>
        <translation>Escritorio (crear enlace)</translation>
    </message>
    <message>
        <source>Another Folder…</source>
        <translation>Otra carpeta…</translation>
    </message>
    <message>
        <source>Visual Studio Code</source>
        <translation>Visual Studio Code</translation>
    </message>
    <message>
        <source>Rider</source>
        <translation>Rider</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Right-click in any %1 window to get these.</source>
        <translation>Pulse con el botón derecho en cualquier ventana de %1 para verlos.</translation>
    </message>
    <message>
        <source>%2 menu now. Turn on Nimbra to add New, Send to and Open Folder with.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Así es ahora el menú de %1. Active Nimbra para añadir «Nuevo», «Enviar a» y «Abrir carpeta con».</translation>
    </message>
    <message>
        <source>Right-click like you did on Windows.</source>
        <translation>El clic derecho, como en Windows.</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Volver a comprobar</translation>
    </message>
    <message>
        <source>Nimbra is on in %1</source>
        <translation>Nimbra está activado en %1</translation>
    </message>
    <message>
        <source>Turn on Nimbra in %1</source>
        <translation>Activar Nimbra en %1</translation>
    </message>
    <message>
        <source>You can turn it off again here.</source>
        <translation>Puede volver a desactivarlo aquí.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before restarting %1 if it has to.</source>
        <translation>Nimbra activa su extensión para %1 y, si hace falta, le pregunta antes de reiniciar %1.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before changing %2 settings if it has to.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra activa su extensión para %1 y, si hace falta, le pregunta antes de cambiar la configuración de %1.</translation>
    </message>
    <message>
        <source>Turn Off…</source>
        <translation>Desactivar…</translation>
    </message>
    <message>
        <source>Turn On…</source>
        <translation>Activar…</translation>
    </message>
    <message>
        <source>Right-click in a folder</source>
        <translation>Pulse con el botón derecho en una carpeta</translation>
    </message>
    <message>
        <source>It works. Nimbra has made something from %1.</source>
        <translation>Funciona. Nimbra ya ha creado algo desde %1.</translation>
    </message>
    <message>
        <source>Try New ▸ Text Document, right-click a file for Send to ▸, or a folder for Open Folder with ▸.</source>
        <translation>Pruebe «Nuevo ▸ Documento de texto», pulse con el botón derecho sobre un archivo para «Enviar a ▸» o sobre una carpeta para «Abrir carpeta con ▸».</translation>
    </message>
    <message>
        <source>Make the menus yours</source>
        <translation>Menús a su medida</translation>
    </message>
    <message>
        <source>Pick which file types, Send to places and apps appear, and in what order.</source>
        <translation>Elija qué tipos de archivo, destinos de «Enviar a» y aplicaciones aparecen, y en qué orden.</translation>
    </message>
    <message>
        <source>Customize Menus…</source>
        <translation>Personalizar menús…</translation>
    </message>
    <message>
        <source>Nimbra isn&apos;t installed in %1</source>
        <translation>Nimbra no está instalado en %1</translation>
    </message>
    <message>
        <source>%1 loads its extensions from %2, and Nimbra&apos;s is not there. Install Nimbra again, then choose Turn On… once more.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the folder it loads its extensions from.</extracomment>
        <translation>%1 carga sus extensiones desde %2 y la de Nimbra no está allí. Vuelva a instalar Nimbra y elija de nuevo «Activar…».</translation>
    </message>
    <message>
        <source>Turn off Nimbra in %1?</source>
        <translation>¿Desactivar Nimbra en %1?</translation>
    </message>
    <message>
        <source>New, Send to and Open Folder with leave %2 menus at once. You can turn Nimbra on again here.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>«Nuevo», «Enviar a» y «Abrir carpeta con» desaparecerán de inmediato de los menús de %1. Puede volver a activar Nimbra aquí.</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Restart %1?</source>
        <translation>¿Reiniciar %1?</translation>
    </message>
    <message>
        <source>%1 loads Nimbra when it starts. Restarting closes the %1 windows, so let copies and moves in %1 finish first.</source>
        <translation>%1 carga Nimbra al iniciarse. Al reiniciarlo se cierran las ventanas de %1, así que deje que terminen antes las copias y los movimientos en curso en %1.</translation>
    </message>
    <message>
        <source>Restart %1</source>
        <translation>Reiniciar %1</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Switch on Nimbra in %1?</source>
        <translation>¿Activar Nimbra en %1?</translation>
    </message>
    <message>
        <source>Nimbra is switched off in %2 context menu settings. Switch it on there?</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra está desactivado en la configuración del menú contextual de %1. ¿Quiere activarlo allí?</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Choose a folder for “%1”</source>
        <translation>Elija una carpeta para «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Choose a folder for the %n items</source>
        <extracomment>Never fewer than two items.</extracomment>
        <translation>
            <numerusform>Elija una carpeta para los %n elementos</numerusform>
            <numerusform>Elija una carpeta para los %n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Send to Another Folder</source>
        <translation>Enviar a otra carpeta</translation>
    </message>
    <message>
        <source>Send by:</source>
        <translation>Modo de envío:</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Move Here</source>
        <translation>Mover aquí</translation>
    </message>
    <message>
        <source>Copy Here</source>
        <translation>Copiar aquí</translation>
    </message>
    <message>
        <source>Can&apos;t put “%1” inside itself</source>
        <translation>No se puede poner «%1» dentro de sí mismo</translation>
    </message>
    <message>
        <source>Choose a folder outside it.</source>
        <translation>Elija una carpeta situada en otro lugar.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move the items</source>
        <translation>No se pudieron mover los elementos</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the items</source>
        <translation>No se pudieron copiar los elementos</translation>
    </message>
    <message>
        <source>Uninstall Nimbra?</source>
        <translation>¿Desinstalar Nimbra?</translation>
    </message>
    <message>
        <source>This turns off the Files extension and shows the command that removes Nimbra. Nothing is deleted automatically.</source>
        <translation>Esto desactiva la extensión de Archivos y muestra la orden que elimina Nimbra. No se borra nada automáticamente.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Also remove my saved file types</source>
        <translation>Eliminar también mis tipos de archivo guardados</translation>
    </message>
    <message>
        <source>Nothing was removed. Once that is mended, choose Uninstall Nimbra… again.</source>
        <translation>No se ha eliminado nada. Cuando se haya solucionado, elija de nuevo «Desinstalar Nimbra…».</translation>
    </message>
    <message>
        <source>Files extension disabled</source>
        <translation>Extensión de Archivos desactivada</translation>
    </message>
    <message>
        <source>To finish, run “sudo apt remove nimbra”. Nimbra will now quit.</source>
        <translation>Para terminar, ejecute «sudo apt remove nimbra». Nimbra se cerrará ahora.</translation>
    </message>
    <message>
        <source>The update server could not be reached (%1).</source>
        <translation>No se pudo contactar con el servidor de actualizaciones (%1).</translation>
    </message>
    <message>
        <source>The update information is not signed with Nimbra&apos;s release key, so it was ignored.</source>
        <translation>La información de actualización no está firmada con la clave de publicación de Nimbra, por lo que se ha ignorado.</translation>
    </message>
    <message>
        <source>The update information could not be read: %1.</source>
        <translation>No se pudo leer la información de actualización: %1.</translation>
    </message>
    <message>
        <source>Nimbra %1 is available</source>
        <translation>Nimbra %1 está disponible</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>Tiene la versión %1.</translation>
    </message>
    <message>
        <source>View Release Notes</source>
        <translation>Ver notas de la versión</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Nimbra está actualizado</translation>
    </message>
    <message>
        <source>Nimbra %1 is the newest version.</source>
        <translation>Nimbra %1 es la versión más reciente.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t check for updates</source>
        <translation>Nimbra no pudo buscar actualizaciones</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>its address is not an https address</source>
        <translation>su dirección no es una dirección https</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Moviendo</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copiando</translation>
    </message>
    <message>
        <source>Moving “%1”…</source>
        <translation>Moviendo «%1»…</translation>
    </message>
    <message>
        <source>Copying “%1”…</source>
        <translation>Copiando «%1»…</translation>
    </message>
    <message>
        <source>Files</source>
        <comment>GNOME&apos;s file manager</comment>
        <translation>Archivos</translation>
    </message>
</context>
</TS>
