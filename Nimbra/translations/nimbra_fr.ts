<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Nimbra</name>
    <message>
        <source>Make Alias</source>
        <translation>Créer un lien</translation>
    </message>
    <message>
        <source>Choose what the alias in “%1” should open</source>
        <translation>Choisissez ce que le lien dans «&#xa0;%1&#xa0;» doit ouvrir</translation>
    </message>
    <message>
        <source>Couldn&apos;t make the alias</source>
        <translation>Impossible de créer le lien</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t save its switch. %1</source>
        <translation>Nimbra n’a pas pu enregistrer son état d’activation. %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn on Nimbra</source>
        <translation>Impossible d’activer Nimbra</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn off Nimbra</source>
        <translation>Impossible de désactiver Nimbra</translation>
    </message>
    <message>
        <source>Nimbra is misconfigured</source>
        <translation>Nimbra est mal configuré</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings store. This usually means the app needs to be reinstalled. Settings won&apos;t sync between the app and the Files extension until this is fixed.</source>
        <translation>Nimbra ne parvient pas à accéder à son espace de paramètres partagés. Cela signifie généralement que l’application doit être réinstallée. Tant que ce problème ne sera pas résolu, les paramètres ne seront pas synchronisés entre l’application et l’extension de Fichiers.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s name, quoted.</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on %1.</source>
        <translation>Il n’y a pas assez d’espace sur %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to open %1.</source>
        <translation>Vous n’avez pas l’autorisation d’ouvrir %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to write to %1.</source>
        <translation>Vous n’avez pas l’autorisation d’écrire dans %1.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 est en lecture seule.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 n’existe plus.</translation>
    </message>
    <message>
        <source>%1 is already taken in %2.</source>
        <translation>Le nom %1 est déjà utilisé dans %2.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>Le nom %1 est trop long.</translation>
    </message>
    <message>
        <source>The disk could not read or write %1.</source>
        <translation>Le disque n’a pas pu lire ou écrire %1.</translation>
    </message>
    <message>
        <source>%1 is in use. Try again in a moment.</source>
        <translation>%1 est en cours d’utilisation. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An item&apos;s name and what the system said went wrong with it.</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be put inside itself.</source>
        <translation>Impossible de placer %1 dans lui-même.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings.</source>
        <translation>Nimbra n’a pas pu enregistrer «&#xa0;%1&#xa0;» dans ses paramètres partagés.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an app.</source>
        <translation>Cela ne ressemble pas à une application.</translation>
    </message>
    <message>
        <source>Something unexpected went wrong.</source>
        <translation>Une erreur inattendue s’est produite.</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Uninstall Nimbra…</source>
        <translation>Désinstaller Nimbra…</translation>
    </message>
    <message>
        <source>Quit Nimbra</source>
        <translation>Quitter Nimbra</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Ajouter une application</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Choisir un fichier…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Choose an App</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>Applications (*.desktop);;All Files (*)</source>
        <translation>Applications (*.desktop);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Extension cannot be empty</source>
        <translation>L’extension ne peut pas être vide</translation>
    </message>
    <message>
        <source>Extension too long (max 16 characters)</source>
        <translation>Extension trop longue (16 caractères maximum)</translation>
    </message>
    <message>
        <source>Allowed: letters, digits, . _ -</source>
        <translation>Autorisés&#xa0;: lettres, chiffres, . _ -</translation>
    </message>
    <message>
        <source>Menu label</source>
        <translation>Libellé du menu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Name of the new item</source>
        <translation>Nom du nouvel élément</translation>
    </message>
    <message>
        <source>Delete this custom type</source>
        <translation>Supprimer ce type personnalisé</translation>
    </message>
    <message>
        <source>Show in the Files menu</source>
        <translation>Afficher dans le menu de Fichiers</translation>
    </message>
    <message>
        <source>Enter a valid extension first</source>
        <translation>Saisissez d’abord une extension valide</translation>
    </message>
    <message>
        <source>File extension (letters, digits, . _ -)</source>
        <translation>Extension de fichier (lettres, chiffres, . _ -)</translation>
    </message>
    <message>
        <source>Template…</source>
        <translation>Modèle…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Items in the New menu, in menu order. Drag to reorder.</source>
        <translation>Éléments du menu «&#xa0;Nouveau&#xa0;», dans l’ordre du menu. Faites-les glisser pour les réorganiser.</translation>
    </message>
    <message>
        <source>Add Custom Type…</source>
        <translation>Ajouter un type personnalisé…</translation>
    </message>
    <message>
        <source>Group under New ▸</source>
        <translation>Regrouper sous «&#xa0;Nouveau ▸&#xa0;»</translation>
    </message>
    <message>
        <source>Show types even without an app to open them</source>
        <translation>Afficher les types même sans application pour les ouvrir</translation>
    </message>
    <message>
        <source>Off: Word, Pages and similar items only appear when an app that opens them is installed.</source>
        <translation>Désactivé&#xa0;: Word, Pages et les éléments similaires n’apparaissent que si une application capable de les ouvrir est installée.</translation>
    </message>
    <message>
        <source>Rename new items right away</source>
        <translation>Renommer immédiatement les nouveaux éléments</translation>
    </message>
    <message>
        <source>Like Windows, the name is ready to type over. Nimbra presses F2 in Files for you.</source>
        <translation>Comme sous Windows, le nom est sélectionné, prêt à être remplacé. Nimbra appuie sur F2 dans Fichiers à votre place.</translation>
    </message>
    <message>
        <source>Opens the folder in the chosen app. Only installed apps appear in Files.</source>
        <translation>Ouvre le dossier dans l’application choisie. Seules les applications installées apparaissent dans Fichiers.</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Ajouter une application…</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Non installée</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Envoyer vers</translation>
    </message>
    <message>
        <source>Open Folder with</source>
        <translation>Ouvrir le dossier avec</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Nimbra Preferences</source>
        <translation>Préférences de Nimbra</translation>
    </message>
    <message>
        <source>Settings unavailable</source>
        <translation>Paramètres indisponibles</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings. Reinstall the app.</source>
        <translation>Nimbra ne parvient pas à accéder à ses paramètres partagés. Réinstallez l’application.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the change</source>
        <translation>Impossible d’enregistrer la modification</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings, so the menus in Files stay as they were.</source>
        <translation>Nimbra n’a pas pu enregistrer «&#xa0;%1&#xa0;» dans ses paramètres partagés&#x202f;; les menus de Fichiers restent donc inchangés.</translation>
    </message>
    <message>
        <source>Shown when you right-click selected files or folders.</source>
        <translation>Affiché lors d’un clic droit sur des fichiers ou dossiers sélectionnés.</translation>
    </message>
    <message>
        <source>Not valid JSON yet — you can still save.</source>
        <translation>Ce n’est pas encore du JSON valide — vous pouvez tout de même enregistrer.</translation>
    </message>
    <message>
        <source>Tip: shell scripts usually start with a shebang, e.g. #!/bin/sh</source>
        <translation>Astuce&#xa0;: les scripts shell commencent généralement par un shebang, par exemple #!/bin/sh</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Template for .%1</source>
        <translation>Modèle pour .%1</translation>
    </message>
    <message>
        <source>Remove Template</source>
        <translation>Supprimer le modèle</translation>
    </message>
    <message>
        <source>The type keeps working; new files start empty</source>
        <translation>Le type reste disponible&#x202f;; les nouveaux fichiers seront vides</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Enregistrer le modèle</translation>
    </message>
    <message>
        <source>The contents of every new file created with this type.</source>
        <translation>Le contenu de chaque nouveau fichier créé avec ce type.</translation>
    </message>
    <message>
        <source>The contents of every new .%1 file created with this type.</source>
        <translation>Le contenu de chaque nouveau fichier .%1 créé avec ce type.</translation>
    </message>
    <message>
        <source>now</source>
        <translation>à l’instant</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>il y a %n seconde</numerusform>
            <numerusform>il y a %n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>il y a %n minute</numerusform>
            <numerusform>il y a %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>il y a %n heure</numerusform>
            <numerusform>il y a %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>il y a %n jour</numerusform>
            <numerusform>il y a %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>hier</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>il y a %n semaine</numerusform>
            <numerusform>il y a %n semaines</numerusform>
        </translation>
    </message>
    <message>
        <source>last week</source>
        <translation>la semaine dernière</translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>il y a %n mois</numerusform>
            <numerusform>il y a %n mois</numerusform>
        </translation>
    </message>
    <message>
        <source>last month</source>
        <translation>le mois dernier</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>il y a %n an</numerusform>
            <numerusform>il y a %n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>last year</source>
        <translation>l’année dernière</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Vérifier maintenant</translation>
    </message>
    <message>
        <source>Once a day Nimbra asks %1 whether there&apos;s a new version. Updates are signed, and only the app&apos;s name and version are sent.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Une fois par jour, Nimbra demande à %1 si une nouvelle version est disponible. Les mises à jour sont signées, et seuls le nom et la version de l’application sont envoyés.</translation>
    </message>
    <message>
        <source>Last checked %1</source>
        <extracomment>%1 is how long ago: &quot;now&quot;, &quot;2 hours ago&quot;, &quot;yesterday&quot;…</extracomment>
        <translation>Dernière vérification&#xa0;: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Text Document</source>
        <translation>Document texte</translation>
    </message>
    <message>
        <source>Microsoft Word Document</source>
        <translation>Document Microsoft Word</translation>
    </message>
    <message>
        <source>Microsoft Excel Worksheet</source>
        <translation>Feuille de calcul Microsoft Excel</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>Document HTML</translation>
    </message>
    <message>
        <source>Compressed (zipped) folder</source>
        <translation>Dossier compressé (ZIP)</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Desktop (create shortcut)</source>
        <translation>Bureau (créer un lien)</translation>
    </message>
    <message>
        <source>Another Folder…</source>
        <translation>Autre dossier…</translation>
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
        <translation>Faites un clic droit dans n’importe quelle fenêtre de %1 pour les obtenir.</translation>
    </message>
    <message>
        <source>%2 menu now. Turn on Nimbra to add New, Send to and Open Folder with.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Voici le menu actuel de %1. Activez Nimbra pour y ajouter «&#xa0;Nouveau&#xa0;», «&#xa0;Envoyer vers&#xa0;» et «&#xa0;Ouvrir le dossier avec&#xa0;».</translation>
    </message>
    <message>
        <source>Right-click like you did on Windows.</source>
        <translation>Le clic droit, comme sous Windows.</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Vérifier à nouveau</translation>
    </message>
    <message>
        <source>Nimbra is on in %1</source>
        <translation>Nimbra est activé dans %1</translation>
    </message>
    <message>
        <source>Turn on Nimbra in %1</source>
        <translation>Activer Nimbra dans %1</translation>
    </message>
    <message>
        <source>You can turn it off again here.</source>
        <translation>Vous pourrez le désactiver ici à tout moment.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before restarting %1 if it has to.</source>
        <translation>Nimbra active son extension pour %1 et, si nécessaire, vous demande votre accord avant de redémarrer %1.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before changing %2 settings if it has to.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra active son extension pour %1 et, si nécessaire, vous demande votre accord avant de modifier les paramètres de %1.</translation>
    </message>
    <message>
        <source>Turn Off…</source>
        <translation>Désactiver…</translation>
    </message>
    <message>
        <source>Turn On…</source>
        <translation>Activer…</translation>
    </message>
    <message>
        <source>Right-click in a folder</source>
        <translation>Faites un clic droit dans un dossier</translation>
    </message>
    <message>
        <source>It works. Nimbra has made something from %1.</source>
        <translation>Ça fonctionne. Nimbra a déjà créé quelque chose depuis %1.</translation>
    </message>
    <message>
        <source>Try New ▸ Text Document, right-click a file for Send to ▸, or a folder for Open Folder with ▸.</source>
        <translation>Essayez «&#xa0;Nouveau ▸ Document texte&#xa0;», faites un clic droit sur un fichier pour «&#xa0;Envoyer vers ▸&#xa0;» ou sur un dossier pour «&#xa0;Ouvrir le dossier avec ▸&#xa0;».</translation>
    </message>
    <message>
        <source>Make the menus yours</source>
        <translation>Des menus à votre image</translation>
    </message>
    <message>
        <source>Pick which file types, Send to places and apps appear, and in what order.</source>
        <translation>Choisissez les types de fichiers, les destinations du menu «&#xa0;Envoyer vers&#xa0;» et les applications qui apparaissent, ainsi que leur ordre.</translation>
    </message>
    <message>
        <source>Customize Menus…</source>
        <translation>Personnaliser les menus…</translation>
    </message>
    <message>
        <source>Nimbra isn&apos;t installed in %1</source>
        <translation>Nimbra n’est pas installé dans %1</translation>
    </message>
    <message>
        <source>%1 loads its extensions from %2, and Nimbra&apos;s is not there. Install Nimbra again, then choose Turn On… once more.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the folder it loads its extensions from.</extracomment>
        <translation>%1 charge ses extensions depuis %2, et celle de Nimbra ne s’y trouve pas. Réinstallez Nimbra, puis choisissez à nouveau «&#xa0;Activer…&#xa0;».</translation>
    </message>
    <message>
        <source>Turn off Nimbra in %1?</source>
        <translation>Désactiver Nimbra dans %1&#x202f;?</translation>
    </message>
    <message>
        <source>New, Send to and Open Folder with leave %2 menus at once. You can turn Nimbra on again here.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>«&#xa0;Nouveau&#xa0;», «&#xa0;Envoyer vers&#xa0;» et «&#xa0;Ouvrir le dossier avec&#xa0;» disparaîtront immédiatement des menus de %1. Vous pourrez réactiver Nimbra ici.</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Restart %1?</source>
        <translation>Redémarrer %1&#x202f;?</translation>
    </message>
    <message>
        <source>%1 loads Nimbra when it starts. Restarting closes the %1 windows, so let copies and moves in %1 finish first.</source>
        <translation>%1 charge Nimbra au démarrage. Le redémarrage ferme les fenêtres de %1&#xa0;: laissez d’abord se terminer les copies et déplacements en cours dans %1.</translation>
    </message>
    <message>
        <source>Restart %1</source>
        <translation>Redémarrer %1</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>Switch on Nimbra in %1?</source>
        <translation>Activer Nimbra dans %1&#x202f;?</translation>
    </message>
    <message>
        <source>Nimbra is switched off in %2 context menu settings. Switch it on there?</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra est désactivé dans les paramètres du menu contextuel de %1. Voulez-vous l’y activer&#x202f;?</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Choose a folder for “%1”</source>
        <translation>Choisissez un dossier pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>Choose a folder for the %n items</source>
        <extracomment>Never fewer than two items.</extracomment>
        <translation>
            <numerusform>Choisissez un dossier pour les %n éléments</numerusform>
            <numerusform>Choisissez un dossier pour les %n éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Send to Another Folder</source>
        <translation>Envoyer vers un autre dossier</translation>
    </message>
    <message>
        <source>Send by:</source>
        <translation>Mode d’envoi&#xa0;:</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Move Here</source>
        <translation>Déplacer ici</translation>
    </message>
    <message>
        <source>Copy Here</source>
        <translation>Copier ici</translation>
    </message>
    <message>
        <source>Can&apos;t put “%1” inside itself</source>
        <translation>Impossible de placer «&#xa0;%1&#xa0;» dans lui-même</translation>
    </message>
    <message>
        <source>Choose a folder outside it.</source>
        <translation>Choisissez un dossier situé ailleurs.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move the items</source>
        <translation>Impossible de déplacer les éléments</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the items</source>
        <translation>Impossible de copier les éléments</translation>
    </message>
    <message>
        <source>Uninstall Nimbra?</source>
        <translation>Désinstaller Nimbra&#x202f;?</translation>
    </message>
    <message>
        <source>This turns off the Files extension and shows the command that removes Nimbra. Nothing is deleted automatically.</source>
        <translation>Cela désactive l’extension de Fichiers et affiche la commande qui supprime Nimbra. Rien n’est supprimé automatiquement.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Also remove my saved file types</source>
        <translation>Supprimer aussi mes types de fichiers enregistrés</translation>
    </message>
    <message>
        <source>Nothing was removed. Once that is mended, choose Uninstall Nimbra… again.</source>
        <translation>Rien n’a été supprimé. Une fois le problème résolu, choisissez à nouveau «&#xa0;Désinstaller Nimbra…&#xa0;».</translation>
    </message>
    <message>
        <source>Files extension disabled</source>
        <translation>Extension de Fichiers désactivée</translation>
    </message>
    <message>
        <source>To finish, run “sudo apt remove nimbra”. Nimbra will now quit.</source>
        <translation>Pour terminer, exécutez «&#xa0;sudo apt remove nimbra&#xa0;». Nimbra va maintenant se fermer.</translation>
    </message>
    <message>
        <source>The update server could not be reached (%1).</source>
        <translation>Impossible de joindre le serveur de mises à jour (%1).</translation>
    </message>
    <message>
        <source>The update information is not signed with Nimbra&apos;s release key, so it was ignored.</source>
        <translation>Les informations de mise à jour ne sont pas signées avec la clé de publication de Nimbra&#x202f;; elles ont donc été ignorées.</translation>
    </message>
    <message>
        <source>The update information could not be read: %1.</source>
        <translation>Impossible de lire les informations de mise à jour&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Nimbra %1 is available</source>
        <translation>Nimbra %1 est disponible</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>Vous utilisez la version %1.</translation>
    </message>
    <message>
        <source>View Release Notes</source>
        <translation>Voir les notes de version</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Nimbra est à jour</translation>
    </message>
    <message>
        <source>Nimbra %1 is the newest version.</source>
        <translation>Nimbra %1 est la version la plus récente.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t check for updates</source>
        <translation>Nimbra n’a pas pu rechercher de mises à jour</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>elles sont trop volumineuses</translation>
    </message>
    <message>
        <source>its address is not an https address</source>
        <translation>son adresse n’est pas une adresse https</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Déplacement</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Moving “%1”…</source>
        <translation>Déplacement de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>Copying “%1”…</source>
        <translation>Copie de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>Files</source>
        <comment>GNOME&apos;s file manager</comment>
        <translation>Fichiers</translation>
    </message>
</context>
</TS>
