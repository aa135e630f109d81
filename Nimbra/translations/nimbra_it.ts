<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Nimbra</name>
    <message>
        <source>Make Alias</source>
        <translation>Crea collegamento</translation>
    </message>
    <message>
        <source>Choose what the alias in “%1” should open</source>
        <translation>Scegliere cosa deve aprire il collegamento in «%1»</translation>
    </message>
    <message>
        <source>Couldn&apos;t make the alias</source>
        <translation>Impossibile creare il collegamento</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t save its switch. %1</source>
        <translation>Nimbra non è riuscito a salvare il proprio stato di attivazione. %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn on Nimbra</source>
        <translation>Impossibile attivare Nimbra</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn off Nimbra</source>
        <translation>Impossibile disattivare Nimbra</translation>
    </message>
    <message>
        <source>Nimbra is misconfigured</source>
        <translation>Nimbra non è configurato correttamente</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings store. This usually means the app needs to be reinstalled. Settings won&apos;t sync between the app and the Files extension until this is fixed.</source>
        <translation>Nimbra non riesce ad accedere al proprio archivio di impostazioni condivise. Di solito significa che l&apos;applicazione deve essere reinstallata. Finché il problema non sarà risolto, le impostazioni non verranno sincronizzate tra l&apos;applicazione e l&apos;estensione per File.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s name, quoted.</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on %1.</source>
        <translation>Spazio insufficiente su %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to open %1.</source>
        <translation>Non si dispone dei permessi per aprire %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to write to %1.</source>
        <translation>Non si dispone dei permessi per scrivere in %1.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 è in sola lettura.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 non esiste più.</translation>
    </message>
    <message>
        <source>%1 is already taken in %2.</source>
        <translation>Il nome %1 è già in uso in %2.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>Il nome %1 è troppo lungo.</translation>
    </message>
    <message>
        <source>The disk could not read or write %1.</source>
        <translation>Il disco non è riuscito a leggere o scrivere %1.</translation>
    </message>
    <message>
        <source>%1 is in use. Try again in a moment.</source>
        <translation>%1 è in uso. Riprovare tra qualche istante.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An item&apos;s name and what the system said went wrong with it.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be put inside itself.</source>
        <translation>Impossibile mettere %1 dentro se stesso.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings.</source>
        <translation>Nimbra non è riuscito a memorizzare «%1» nelle impostazioni condivise.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an app.</source>
        <translation>Non sembra essere un&apos;applicazione.</translation>
    </message>
    <message>
        <source>Something unexpected went wrong.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Controlla aggiornamenti…</translation>
    </message>
    <message>
        <source>Uninstall Nimbra…</source>
        <translation>Disinstalla Nimbra…</translation>
    </message>
    <message>
        <source>Quit Nimbra</source>
        <translation>Esci da Nimbra</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Aggiungi applicazione</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Scegli file…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Choose an App</source>
        <translation>Scegli un&apos;applicazione</translation>
    </message>
    <message>
        <source>Applications (*.desktop);;All Files (*)</source>
        <translation>Applicazioni (*.desktop);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Extension cannot be empty</source>
        <translation>L&apos;estensione non può essere vuota</translation>
    </message>
    <message>
        <source>Extension too long (max 16 characters)</source>
        <translation>Estensione troppo lunga (massimo 16 caratteri)</translation>
    </message>
    <message>
        <source>Allowed: letters, digits, . _ -</source>
        <translation>Consentiti: lettere, cifre, . _ -</translation>
    </message>
    <message>
        <source>Menu label</source>
        <translation>Etichetta del menu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Name of the new item</source>
        <translation>Nome del nuovo elemento</translation>
    </message>
    <message>
        <source>Delete this custom type</source>
        <translation>Elimina questo tipo personalizzato</translation>
    </message>
    <message>
        <source>Show in the Files menu</source>
        <translation>Mostra nel menu contestuale di File</translation>
    </message>
    <message>
        <source>Enter a valid extension first</source>
        <translation>Inserire prima un&apos;estensione valida</translation>
    </message>
    <message>
        <source>File extension (letters, digits, . _ -)</source>
        <translation>Estensione del file (lettere, cifre, . _ -)</translation>
    </message>
    <message>
        <source>Template…</source>
        <translation>Modello…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modifica…</translation>
    </message>
    <message>
        <source>Items in the New menu, in menu order. Drag to reorder.</source>
        <translation>Elementi del menu «Nuovo», nell&apos;ordine del menu. Trascinarli per riordinarli.</translation>
    </message>
    <message>
        <source>Add Custom Type…</source>
        <translation>Aggiungi tipo personalizzato…</translation>
    </message>
    <message>
        <source>Group under New ▸</source>
        <translation>Raggruppa in «Nuovo ▸»</translation>
    </message>
    <message>
        <source>Show types even without an app to open them</source>
        <translation>Mostra i tipi anche senza un&apos;applicazione per aprirli</translation>
    </message>
    <message>
        <source>Off: Word, Pages and similar items only appear when an app that opens them is installed.</source>
        <translation>Disattivato: Word, Pages ed elementi simili compaiono solo se è installata un&apos;applicazione in grado di aprirli.</translation>
    </message>
    <message>
        <source>Rename new items right away</source>
        <translation>Rinomina subito i nuovi elementi</translation>
    </message>
    <message>
        <source>Like Windows, the name is ready to type over. Nimbra presses F2 in Files for you.</source>
        <translation>Come in Windows, il nome è selezionato e pronto per essere sovrascritto. Nimbra preme F2 in File automaticamente.</translation>
    </message>
    <message>
        <source>Opens the folder in the chosen app. Only installed apps appear in Files.</source>
        <translation>Apre la cartella nell&apos;applicazione scelta. In File compaiono solo le applicazioni installate.</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Aggiungi applicazione…</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Non installata</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Invia a</translation>
    </message>
    <message>
        <source>Open Folder with</source>
        <translation>Apri cartella con</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>Nimbra Preferences</source>
        <translation>Preferenze di Nimbra</translation>
    </message>
    <message>
        <source>Settings unavailable</source>
        <translation>Impostazioni non disponibili</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings. Reinstall the app.</source>
        <translation>Nimbra non riesce ad accedere alle impostazioni condivise. Reinstallare l&apos;applicazione.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the change</source>
        <translation>Impossibile salvare la modifica</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings, so the menus in Files stay as they were.</source>
        <translation>Nimbra non è riuscito a memorizzare «%1» nelle impostazioni condivise, quindi i menu di File restano invariati.</translation>
    </message>
    <message>
        <source>Shown when you right-click selected files or folders.</source>
        <translation>Mostrato facendo clic destro su file o cartelle selezionati.</translation>
    </message>
    <message>
        <source>Not valid JSON yet — you can still save.</source>
        <translation>Non è ancora JSON valido, ma è comunque possibile salvare.</translation>
    </message>
    <message>
        <source>Tip: shell scripts usually start with a shebang, e.g. #!/bin/sh</source>
        <translation>Suggerimento: gli script di shell di solito iniziano con uno shebang, per esempio #!/bin/sh</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Template for .%1</source>
        <translation>Modello per .%1</translation>
    </message>
    <message>
        <source>Remove Template</source>
        <translation>Rimuovi modello</translation>
    </message>
    <message>
        <source>The type keeps working; new files start empty</source>
        <translation>Il tipo continua a funzionare; i nuovi file saranno vuoti</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Salva modello</translation>
    </message>
    <message>
        <source>The contents of every new file created with this type.</source>
        <translation>Il contenuto di ogni nuovo file creato con questo tipo.</translation>
    </message>
    <message>
        <source>The contents of every new .%1 file created with this type.</source>
        <translation>Il contenuto di ogni nuovo file .%1 creato con questo tipo.</translation>
    </message>
    <message>
        <source>now</source>
        <translation>adesso</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>%n secondo fa</numerusform>
            <numerusform>%n secondi fa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n minuto fa</numerusform>
            <numerusform>%n minuti fa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n ora fa</numerusform>
            <numerusform>%n ore fa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n giorno fa</numerusform>
            <numerusform>%n giorni fa</numerusform>
        </translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>ieri</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n settimana fa</numerusform>
            <numerusform>%n settimane fa</numerusform>
        </translation>
    </message>
    <message>
        <source>last week</source>
        <translation>la settimana scorsa</translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n mese fa</numerusform>
            <numerusform>%n mesi fa</numerusform>
        </translation>
    </message>
    <message>
        <source>last month</source>
        <translation>il mese scorso</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n anno fa</numerusform>
            <numerusform>%n anni fa</numerusform>
        </translation>
    </message>
    <message>
        <source>last year</source>
        <translation>l&apos;anno scorso</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Controlla automaticamente gli aggiornamenti</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Controlla ora</translation>
    </message>
    <message>
        <source>Once a day Nimbra asks %1 whether there&apos;s a new version. Updates are signed, and only the app&apos;s name and version are sent.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Una volta al giorno Nimbra chiede a %1 se è disponibile una nuova versione. Gli aggiornamenti sono firmati e vengono inviati solo il nome e la versione dell&apos;applicazione.</translation>
    </message>
    <message>
        <source>Last checked %1</source>
        <extracomment>%1 is how long ago: &quot;now&quot;, &quot;2 hours ago&quot;, &quot;yesterday&quot;…</extracomment>
        <translation>Ultimo controllo: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Text Document</source>
        <translation>Documento di testo</translation>
    </message>
    <message>
        <source>Microsoft Word Document</source>
        <translation>Documento Microsoft Word</translation>
    </message>
    <message>
        <source>Microsoft Excel Worksheet</source>
        <translation>Foglio di lavoro Microsoft Excel</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>Documento HTML</translation>
    </message>
    <message>
        <source>Compressed (zipped) folder</source>
        <translation>Cartella compressa (ZIP)</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Scrivania</translation>
    </message>
    <message>
        <source>Desktop (create shortcut)</source>
        <translation>Scrivania (crea collegamento)</translation>
    </message>
    <message>
        <source>Another Folder…</source>
        <translation>Altra cartella…</translation>
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
        <translation>Terminale</translation>
    </message>
    <message>
        <source>Right-click in any %1 window to get these.</source>
        <translation>Fare clic destro in una qualsiasi finestra di %1 per visualizzarli.</translation>
    </message>
    <message>
        <source>%2 menu now. Turn on Nimbra to add New, Send to and Open Folder with.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Questo è il menu attuale di %1. Attivare Nimbra per aggiungere «Nuovo», «Invia a» e «Apri cartella con».</translation>
    </message>
    <message>
        <source>Right-click like you did on Windows.</source>
        <translation>Il clic destro, come in Windows.</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Controlla di nuovo</translation>
    </message>
    <message>
        <source>Nimbra is on in %1</source>
        <translation>Nimbra è attivo in %1</translation>
    </message>
    <message>
        <source>Turn on Nimbra in %1</source>
        <translation>Attivare Nimbra in %1</translation>
    </message>
    <message>
        <source>You can turn it off again here.</source>
        <translation>È possibile disattivarlo di nuovo da qui.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before restarting %1 if it has to.</source>
        <translation>Nimbra attiva la propria estensione per %1 e, se necessario, chiede conferma prima di riavviare %1.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before changing %2 settings if it has to.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra attiva la propria estensione per %1 e, se necessario, chiede conferma prima di modificare le impostazioni di %1.</translation>
    </message>
    <message>
        <source>Turn Off…</source>
        <translation>Disattiva…</translation>
    </message>
    <message>
        <source>Turn On…</source>
        <translation>Attiva…</translation>
    </message>
    <message>
        <source>Right-click in a folder</source>
        <translation>Fare clic destro in una cartella</translation>
    </message>
    <message>
        <source>It works. Nimbra has made something from %1.</source>
        <translation>Funziona. Nimbra ha già creato qualcosa in %1.</translation>
    </message>
    <message>
        <source>Try New ▸ Text Document, right-click a file for Send to ▸, or a folder for Open Folder with ▸.</source>
        <translation>Provare «Nuovo ▸ Documento di testo», fare clic destro su un file per «Invia a ▸» o su una cartella per «Apri cartella con ▸».</translation>
    </message>
    <message>
        <source>Make the menus yours</source>
        <translation>Menu su misura</translation>
    </message>
    <message>
        <source>Pick which file types, Send to places and apps appear, and in what order.</source>
        <translation>Scegliere quali tipi di file, destinazioni di «Invia a» e applicazioni compaiono, e in quale ordine.</translation>
    </message>
    <message>
        <source>Customize Menus…</source>
        <translation>Personalizza menu…</translation>
    </message>
    <message>
        <source>Nimbra isn&apos;t installed in %1</source>
        <translation>Nimbra non è installato in %1</translation>
    </message>
    <message>
        <source>%1 loads its extensions from %2, and Nimbra&apos;s is not there. Install Nimbra again, then choose Turn On… once more.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the folder it loads its extensions from.</extracomment>
        <translation>%1 carica le proprie estensioni da %2 e quella di Nimbra non è presente. Reinstallare Nimbra, quindi scegliere di nuovo «Attiva…».</translation>
    </message>
    <message>
        <source>Turn off Nimbra in %1?</source>
        <translation>Disattivare Nimbra in %1?</translation>
    </message>
    <message>
        <source>New, Send to and Open Folder with leave %2 menus at once. You can turn Nimbra on again here.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>«Nuovo», «Invia a» e «Apri cartella con» spariranno subito dai menu di %1. È possibile riattivare Nimbra da qui.</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Restart %1?</source>
        <translation>Riavviare %1?</translation>
    </message>
    <message>
        <source>%1 loads Nimbra when it starts. Restarting closes the %1 windows, so let copies and moves in %1 finish first.</source>
        <translation>%1 carica Nimbra all&apos;avvio. Il riavvio chiude le finestre di %1, quindi attendere prima il termine di copie e spostamenti in corso in %1.</translation>
    </message>
    <message>
        <source>Restart %1</source>
        <translation>Riavvia %1</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>Switch on Nimbra in %1?</source>
        <translation>Attivare Nimbra in %1?</translation>
    </message>
    <message>
        <source>Nimbra is switched off in %2 context menu settings. Switch it on there?</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra è disattivato nelle impostazioni del menu contestuale di %1. Attivarlo?</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Choose a folder for “%1”</source>
        <translation>Scegliere una cartella per «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Choose a folder for the %n items</source>
        <extracomment>Never fewer than two items.</extracomment>
        <translation>
            <numerusform>Scegliere una cartella per i %n elementi</numerusform>
            <numerusform>Scegliere una cartella per i %n elementi</numerusform>
        </translation>
    </message>
    <message>
        <source>Send to Another Folder</source>
        <translation>Invia a un&apos;altra cartella</translation>
    </message>
    <message>
        <source>Send by:</source>
        <translation>Modalità di invio:</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Move Here</source>
        <translation>Sposta qui</translation>
    </message>
    <message>
        <source>Copy Here</source>
        <translation>Copia qui</translation>
    </message>
    <message>
        <source>Can&apos;t put “%1” inside itself</source>
        <translation>Impossibile mettere «%1» dentro se stesso</translation>
    </message>
    <message>
        <source>Choose a folder outside it.</source>
        <translation>Scegliere una cartella che si trovi altrove.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move the items</source>
        <translation>Impossibile spostare gli elementi</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the items</source>
        <translation>Impossibile copiare gli elementi</translation>
    </message>
    <message>
        <source>Uninstall Nimbra?</source>
        <translation>Disinstallare Nimbra?</translation>
    </message>
    <message>
        <source>This turns off the Files extension and shows the command that removes Nimbra. Nothing is deleted automatically.</source>
        <translation>Questa operazione disattiva l&apos;estensione per File e mostra il comando che rimuove Nimbra. Nulla viene eliminato automaticamente.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Also remove my saved file types</source>
        <translation>Rimuovi anche i tipi di file salvati</translation>
    </message>
    <message>
        <source>Nothing was removed. Once that is mended, choose Uninstall Nimbra… again.</source>
        <translation>Non è stato rimosso nulla. Una volta risolto il problema, scegliere di nuovo «Disinstalla Nimbra…».</translation>
    </message>
    <message>
        <source>Files extension disabled</source>
        <translation>Estensione per File disattivata</translation>
    </message>
    <message>
        <source>To finish, run “sudo apt remove nimbra”. Nimbra will now quit.</source>
        <translation>Per terminare, eseguire «sudo apt remove nimbra». Ora Nimbra verrà chiuso.</translation>
    </message>
    <message>
        <source>The update server could not be reached (%1).</source>
        <translation>Impossibile contattare il server degli aggiornamenti (%1).</translation>
    </message>
    <message>
        <source>The update information is not signed with Nimbra&apos;s release key, so it was ignored.</source>
        <translation>Le informazioni di aggiornamento non sono firmate con la chiave di rilascio di Nimbra, quindi sono state ignorate.</translation>
    </message>
    <message>
        <source>The update information could not be read: %1.</source>
        <translation>Impossibile leggere le informazioni di aggiornamento: %1.</translation>
    </message>
    <message>
        <source>Nimbra %1 is available</source>
        <translation>È disponibile Nimbra %1</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>La versione in uso è la %1.</translation>
    </message>
    <message>
        <source>View Release Notes</source>
        <translation>Visualizza note di rilascio</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Nimbra è aggiornato</translation>
    </message>
    <message>
        <source>Nimbra %1 is the newest version.</source>
        <translation>Nimbra %1 è la versione più recente.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t check for updates</source>
        <translation>Nimbra non è riuscito a controllare gli aggiornamenti</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>sono troppo grandi</translation>
    </message>
    <message>
        <source>its address is not an https address</source>
        <translation>il suo indirizzo non è un indirizzo https</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Spostamento in corso</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copia in corso</translation>
    </message>
    <message>
        <source>Moving “%1”…</source>
        <translation>Spostamento di «%1»…</translation>
    </message>
    <message>
        <source>Copying “%1”…</source>
        <translation>Copia di «%1»…</translation>
    </message>
    <message>
        <source>Files</source>
        <comment>GNOME&apos;s file manager</comment>
        <translation>File</translation>
    </message>
</context>
</TS>
