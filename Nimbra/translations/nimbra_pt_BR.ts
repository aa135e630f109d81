<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Nimbra</name>
    <message>
        <source>Make Alias</source>
        <translation>Criar link</translation>
    </message>
    <message>
        <source>Choose what the alias in “%1” should open</source>
        <translation>Escolha o que o link em “%1” deve abrir</translation>
    </message>
    <message>
        <source>Couldn&apos;t make the alias</source>
        <translation>Não foi possível criar o link</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t save its switch. %1</source>
        <translation>O Nimbra não conseguiu salvar seu estado de ativação. %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn on Nimbra</source>
        <translation>Não foi possível ativar o Nimbra</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn off Nimbra</source>
        <translation>Não foi possível desativar o Nimbra</translation>
    </message>
    <message>
        <source>Nimbra is misconfigured</source>
        <translation>O Nimbra está configurado incorretamente</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings store. This usually means the app needs to be reinstalled. Settings won&apos;t sync between the app and the Files extension until this is fixed.</source>
        <translation>O Nimbra não consegue acessar seu armazenamento de configurações compartilhadas. Isso geralmente significa que o aplicativo precisa ser reinstalado. Até que isso seja corrigido, as configurações não serão sincronizadas entre o aplicativo e a extensão do Arquivos.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s name, quoted.</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on %1.</source>
        <translation>Não há espaço suficiente em %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to open %1.</source>
        <translation>Você não tem permissão para abrir %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to write to %1.</source>
        <translation>Você não tem permissão para gravar em %1.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 é somente leitura.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 não existe mais.</translation>
    </message>
    <message>
        <source>%1 is already taken in %2.</source>
        <translation>O nome %1 já está em uso em %2.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>O nome %1 é longo demais.</translation>
    </message>
    <message>
        <source>The disk could not read or write %1.</source>
        <translation>O disco não conseguiu ler ou gravar %1.</translation>
    </message>
    <message>
        <source>%1 is in use. Try again in a moment.</source>
        <translation>%1 está em uso. Tente novamente em instantes.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An item&apos;s name and what the system said went wrong with it.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be put inside itself.</source>
        <translation>Não é possível colocar %1 dentro de si mesmo.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings.</source>
        <translation>O Nimbra não conseguiu armazenar “%1” em suas configurações compartilhadas.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an app.</source>
        <translation>Isso não parece ser um aplicativo.</translation>
    </message>
    <message>
        <source>Something unexpected went wrong.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Verificar atualizações…</translation>
    </message>
    <message>
        <source>Uninstall Nimbra…</source>
        <translation>Desinstalar o Nimbra…</translation>
    </message>
    <message>
        <source>Quit Nimbra</source>
        <translation>Sair do Nimbra</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Adicionar aplicativo</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Escolher arquivo…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Choose an App</source>
        <translation>Escolher um aplicativo</translation>
    </message>
    <message>
        <source>Applications (*.desktop);;All Files (*)</source>
        <translation>Aplicativos (*.desktop);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Extension cannot be empty</source>
        <translation>A extensão não pode ficar vazia</translation>
    </message>
    <message>
        <source>Extension too long (max 16 characters)</source>
        <translation>Extensão longa demais (máximo de 16 caracteres)</translation>
    </message>
    <message>
        <source>Allowed: letters, digits, . _ -</source>
        <translation>Permitidos: letras, dígitos, . _ -</translation>
    </message>
    <message>
        <source>Menu label</source>
        <translation>Rótulo no menu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Name of the new item</source>
        <translation>Nome do novo item</translation>
    </message>
    <message>
        <source>Delete this custom type</source>
        <translation>Excluir este tipo personalizado</translation>
    </message>
    <message>
        <source>Show in the Files menu</source>
        <translation>Mostrar no menu do Arquivos</translation>
    </message>
    <message>
        <source>Enter a valid extension first</source>
        <translation>Digite primeiro uma extensão válida</translation>
    </message>
    <message>
        <source>File extension (letters, digits, . _ -)</source>
        <translation>Extensão do arquivo (letras, dígitos, . _ -)</translation>
    </message>
    <message>
        <source>Template…</source>
        <translation>Modelo…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Editar…</translation>
    </message>
    <message>
        <source>Items in the New menu, in menu order. Drag to reorder.</source>
        <translation>Itens do menu “Novo”, na ordem do menu. Arraste para reordenar.</translation>
    </message>
    <message>
        <source>Add Custom Type…</source>
        <translation>Adicionar tipo personalizado…</translation>
    </message>
    <message>
        <source>Group under New ▸</source>
        <translation>Agrupar em “Novo ▸”</translation>
    </message>
    <message>
        <source>Show types even without an app to open them</source>
        <translation>Mostrar os tipos mesmo sem um aplicativo para abri-los</translation>
    </message>
    <message>
        <source>Off: Word, Pages and similar items only appear when an app that opens them is installed.</source>
        <translation>Desativado: Word, Pages e itens semelhantes só aparecem quando há um aplicativo instalado que os abra.</translation>
    </message>
    <message>
        <source>Rename new items right away</source>
        <translation>Renomear novos itens imediatamente</translation>
    </message>
    <message>
        <source>Like Windows, the name is ready to type over. Nimbra presses F2 in Files for you.</source>
        <translation>Como no Windows, o nome fica selecionado, pronto para ser substituído. O Nimbra pressiona F2 no Arquivos para você.</translation>
    </message>
    <message>
        <source>Opens the folder in the chosen app. Only installed apps appear in Files.</source>
        <translation>Abre a pasta no aplicativo escolhido. Só aparecem no Arquivos os aplicativos instalados.</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Adicionar aplicativo…</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Não instalado</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Enviar para</translation>
    </message>
    <message>
        <source>Open Folder with</source>
        <translation>Abrir pasta com</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>Nimbra Preferences</source>
        <translation>Preferências do Nimbra</translation>
    </message>
    <message>
        <source>Settings unavailable</source>
        <translation>Configurações indisponíveis</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings. Reinstall the app.</source>
        <translation>O Nimbra não consegue acessar suas configurações compartilhadas. Reinstale o aplicativo.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the change</source>
        <translation>Não foi possível salvar a alteração</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings, so the menus in Files stay as they were.</source>
        <translation>O Nimbra não conseguiu armazenar “%1” em suas configurações compartilhadas, então os menus do Arquivos continuam como estavam.</translation>
    </message>
    <message>
        <source>Shown when you right-click selected files or folders.</source>
        <translation>Exibido ao clicar com o botão direito em arquivos ou pastas selecionados.</translation>
    </message>
    <message>
        <source>Not valid JSON yet — you can still save.</source>
        <translation>Ainda não é um JSON válido — mas você pode salvar mesmo assim.</translation>
    </message>
    <message>
        <source>Tip: shell scripts usually start with a shebang, e.g. #!/bin/sh</source>
        <translation>Dica: scripts de shell costumam começar com um shebang, por exemplo #!/bin/sh</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Template for .%1</source>
        <translation>Modelo para .%1</translation>
    </message>
    <message>
        <source>Remove Template</source>
        <translation>Remover modelo</translation>
    </message>
    <message>
        <source>The type keeps working; new files start empty</source>
        <translation>O tipo continua funcionando; os novos arquivos começam vazios</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Salvar modelo</translation>
    </message>
    <message>
        <source>The contents of every new file created with this type.</source>
        <translation>O conteúdo de cada novo arquivo criado com este tipo.</translation>
    </message>
    <message>
        <source>The contents of every new .%1 file created with this type.</source>
        <translation>O conteúdo de cada novo arquivo .%1 criado com este tipo.</translation>
    </message>
    <message>
        <source>now</source>
        <translation>agora mesmo</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>há %n segundo</numerusform>
            <numerusform>há %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>há %n minuto</numerusform>
            <numerusform>há %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>há %n hora</numerusform>
            <numerusform>há %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>há %n dia</numerusform>
            <numerusform>há %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>ontem</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>há %n semana</numerusform>
            <numerusform>há %n semanas</numerusform>
        </translation>
    </message>
    <message>
        <source>last week</source>
        <translation>na semana passada</translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>há %n mês</numerusform>
            <numerusform>há %n meses</numerusform>
        </translation>
    </message>
    <message>
        <source>last month</source>
        <translation>no mês passado</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>há %n ano</numerusform>
            <numerusform>há %n anos</numerusform>
        </translation>
    </message>
    <message>
        <source>last year</source>
        <translation>no ano passado</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Verificar atualizações automaticamente</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Verificar agora</translation>
    </message>
    <message>
        <source>Once a day Nimbra asks %1 whether there&apos;s a new version. Updates are signed, and only the app&apos;s name and version are sent.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Uma vez por dia, o Nimbra pergunta a %1 se há uma nova versão. As atualizações são assinadas, e somente o nome e a versão do aplicativo são enviados.</translation>
    </message>
    <message>
        <source>Last checked %1</source>
        <extracomment>%1 is how long ago: &quot;now&quot;, &quot;2 hours ago&quot;, &quot;yesterday&quot;…</extracomment>
        <translation>Última verificação: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova pasta</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Text Document</source>
        <translation>Documento de texto</translation>
    </message>
    <message>
        <source>Microsoft Word Document</source>
        <translation>Documento do Microsoft Word</translation>
    </message>
    <message>
        <source>Microsoft Excel Worksheet</source>
        <translation>Planilha do Microsoft Excel</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>Documento HTML</translation>
    </message>
    <message>
        <source>Compressed (zipped) folder</source>
        <translation>Pasta compactada (ZIP)</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Área de trabalho</translation>
    </message>
    <message>
        <source>Desktop (create shortcut)</source>
        <translation>Área de trabalho (criar link)</translation>
    </message>
    <message>
        <source>Another Folder…</source>
        <translation>Outra pasta…</translation>
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
        <translation>Clique com o botão direito em qualquer janela do %1 para vê-los.</translation>
    </message>
    <message>
        <source>%2 menu now. Turn on Nimbra to add New, Send to and Open Folder with.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Este é o menu atual do %1. Ative o Nimbra para adicionar “Novo”, “Enviar para” e “Abrir pasta com”.</translation>
    </message>
    <message>
        <source>Right-click like you did on Windows.</source>
        <translation>O clique com o botão direito, como no Windows.</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Verificar novamente</translation>
    </message>
    <message>
        <source>Nimbra is on in %1</source>
        <translation>O Nimbra está ativado no %1</translation>
    </message>
    <message>
        <source>Turn on Nimbra in %1</source>
        <translation>Ativar o Nimbra no %1</translation>
    </message>
    <message>
        <source>You can turn it off again here.</source>
        <translation>Você pode desativá-lo novamente aqui.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before restarting %1 if it has to.</source>
        <translation>O Nimbra ativa sua extensão para o %1 e, se precisar, pergunta antes de reiniciar o %1.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before changing %2 settings if it has to.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>O Nimbra ativa sua extensão para o %1 e, se precisar, pergunta antes de alterar as configurações do %1.</translation>
    </message>
    <message>
        <source>Turn Off…</source>
        <translation>Desativar…</translation>
    </message>
    <message>
        <source>Turn On…</source>
        <translation>Ativar…</translation>
    </message>
    <message>
        <source>Right-click in a folder</source>
        <translation>Clique com o botão direito em uma pasta</translation>
    </message>
    <message>
        <source>It works. Nimbra has made something from %1.</source>
        <translation>Funciona. O Nimbra já criou algo no %1.</translation>
    </message>
    <message>
        <source>Try New ▸ Text Document, right-click a file for Send to ▸, or a folder for Open Folder with ▸.</source>
        <translation>Experimente “Novo ▸ Documento de texto”, clique com o botão direito em um arquivo para “Enviar para ▸” ou em uma pasta para “Abrir pasta com ▸”.</translation>
    </message>
    <message>
        <source>Make the menus yours</source>
        <translation>Deixe os menus do seu jeito</translation>
    </message>
    <message>
        <source>Pick which file types, Send to places and apps appear, and in what order.</source>
        <translation>Escolha quais tipos de arquivo, destinos do “Enviar para” e aplicativos aparecem, e em que ordem.</translation>
    </message>
    <message>
        <source>Customize Menus…</source>
        <translation>Personalizar menus…</translation>
    </message>
    <message>
        <source>Nimbra isn&apos;t installed in %1</source>
        <translation>O Nimbra não está instalado no %1</translation>
    </message>
    <message>
        <source>%1 loads its extensions from %2, and Nimbra&apos;s is not there. Install Nimbra again, then choose Turn On… once more.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the folder it loads its extensions from.</extracomment>
        <translation>O %1 carrega suas extensões de %2, e a do Nimbra não está lá. Instale o Nimbra novamente e escolha “Ativar…” mais uma vez.</translation>
    </message>
    <message>
        <source>Turn off Nimbra in %1?</source>
        <translation>Desativar o Nimbra no %1?</translation>
    </message>
    <message>
        <source>New, Send to and Open Folder with leave %2 menus at once. You can turn Nimbra on again here.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>“Novo”, “Enviar para” e “Abrir pasta com” sairão imediatamente dos menus do %1. Você pode ativar o Nimbra novamente aqui.</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Restart %1?</source>
        <translation>Reiniciar o %1?</translation>
    </message>
    <message>
        <source>%1 loads Nimbra when it starts. Restarting closes the %1 windows, so let copies and moves in %1 finish first.</source>
        <translation>O %1 carrega o Nimbra ao iniciar. Reiniciar fecha as janelas do %1, então deixe as cópias e movimentações no %1 terminarem antes.</translation>
    </message>
    <message>
        <source>Restart %1</source>
        <translation>Reiniciar o %1</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>Switch on Nimbra in %1?</source>
        <translation>Ativar o Nimbra no %1?</translation>
    </message>
    <message>
        <source>Nimbra is switched off in %2 context menu settings. Switch it on there?</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>O Nimbra está desativado nas configurações do menu de contexto do %1. Deseja ativá-lo lá?</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Choose a folder for “%1”</source>
        <translation>Escolha uma pasta para “%1”</translation>
    </message>
    <message numerus="yes">
        <source>Choose a folder for the %n items</source>
        <extracomment>Never fewer than two items.</extracomment>
        <translation>
            <numerusform>Escolha uma pasta para os %n itens</numerusform>
            <numerusform>Escolha uma pasta para os %n itens</numerusform>
        </translation>
    </message>
    <message>
        <source>Send to Another Folder</source>
        <translation>Enviar para outra pasta</translation>
    </message>
    <message>
        <source>Send by:</source>
        <translation>Modo de envio:</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Move Here</source>
        <translation>Mover aqui</translation>
    </message>
    <message>
        <source>Copy Here</source>
        <translation>Copiar aqui</translation>
    </message>
    <message>
        <source>Can&apos;t put “%1” inside itself</source>
        <translation>Não é possível colocar “%1” dentro de si mesmo</translation>
    </message>
    <message>
        <source>Choose a folder outside it.</source>
        <translation>Escolha uma pasta em outro lugar.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move the items</source>
        <translation>Não foi possível mover os itens</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the items</source>
        <translation>Não foi possível copiar os itens</translation>
    </message>
    <message>
        <source>Uninstall Nimbra?</source>
        <translation>Desinstalar o Nimbra?</translation>
    </message>
    <message>
        <source>This turns off the Files extension and shows the command that removes Nimbra. Nothing is deleted automatically.</source>
        <translation>Isso desativa a extensão do Arquivos e mostra o comando que remove o Nimbra. Nada é excluído automaticamente.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Also remove my saved file types</source>
        <translation>Remover também meus tipos de arquivo salvos</translation>
    </message>
    <message>
        <source>Nothing was removed. Once that is mended, choose Uninstall Nimbra… again.</source>
        <translation>Nada foi removido. Depois de corrigir isso, escolha “Desinstalar o Nimbra…” novamente.</translation>
    </message>
    <message>
        <source>Files extension disabled</source>
        <translation>Extensão do Arquivos desativada</translation>
    </message>
    <message>
        <source>To finish, run “sudo apt remove nimbra”. Nimbra will now quit.</source>
        <translation>Para concluir, execute “sudo apt remove nimbra”. O Nimbra será fechado agora.</translation>
    </message>
    <message>
        <source>The update server could not be reached (%1).</source>
        <translation>Não foi possível acessar o servidor de atualizações (%1).</translation>
    </message>
    <message>
        <source>The update information is not signed with Nimbra&apos;s release key, so it was ignored.</source>
        <translation>As informações de atualização não estão assinadas com a chave de lançamento do Nimbra, por isso foram ignoradas.</translation>
    </message>
    <message>
        <source>The update information could not be read: %1.</source>
        <translation>Não foi possível ler as informações de atualização: %1.</translation>
    </message>
    <message>
        <source>Nimbra %1 is available</source>
        <translation>O Nimbra %1 está disponível</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>Você tem a versão %1.</translation>
    </message>
    <message>
        <source>View Release Notes</source>
        <translation>Ver notas de versão</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>O Nimbra está atualizado</translation>
    </message>
    <message>
        <source>Nimbra %1 is the newest version.</source>
        <translation>O Nimbra %1 é a versão mais recente.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t check for updates</source>
        <translation>O Nimbra não conseguiu verificar atualizações</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>são grandes demais</translation>
    </message>
    <message>
        <source>its address is not an https address</source>
        <translation>seu endereço não é um endereço https</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Movendo</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copiando</translation>
    </message>
    <message>
        <source>Moving “%1”…</source>
        <translation>Movendo “%1”…</translation>
    </message>
    <message>
        <source>Copying “%1”…</source>
        <translation>Copiando “%1”…</translation>
    </message>
    <message>
        <source>Files</source>
        <comment>GNOME&apos;s file manager</comment>
        <translation>Arquivos</translation>
    </message>
</context>
</TS>
