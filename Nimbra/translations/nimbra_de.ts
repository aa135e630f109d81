<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Nimbra</name>
    <message>
        <source>Make Alias</source>
        <translation>Alias erstellen</translation>
    </message>
    <message>
        <source>Choose what the alias in “%1” should open</source>
        <translation>Wählen Sie, was der Alias in „%1“ öffnen soll</translation>
    </message>
    <message>
        <source>Couldn&apos;t make the alias</source>
        <translation>Der Alias konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t save its switch. %1</source>
        <translation>Nimbra konnte nicht speichern, ob es ein- oder ausgeschaltet ist. %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn on Nimbra</source>
        <translation>Nimbra konnte nicht eingeschaltet werden</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn off Nimbra</source>
        <translation>Nimbra konnte nicht ausgeschaltet werden</translation>
    </message>
    <message>
        <source>Nimbra is misconfigured</source>
        <translation>Nimbra ist falsch eingerichtet</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings store. This usually means the app needs to be reinstalled. Settings won&apos;t sync between the app and the Files extension until this is fixed.</source>
        <translation>Nimbra kann nicht auf seinen gemeinsamen Einstellungsspeicher zugreifen. Meist bedeutet das, dass die Anwendung neu installiert werden muss. Bis das behoben ist, werden die Einstellungen zwischen der Anwendung und der Dateien-Erweiterung nicht abgeglichen.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s name, quoted.</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on %1.</source>
        <translation>Auf %1 ist nicht genügend Speicherplatz frei.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to open %1.</source>
        <translation>Sie haben keine Berechtigung, %1 zu öffnen.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to write to %1.</source>
        <translation>Sie haben keine Schreibberechtigung für %1.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>%1 is already taken in %2.</source>
        <translation>%1 ist in %2 bereits vergeben.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>Der Name %1 ist zu lang.</translation>
    </message>
    <message>
        <source>The disk could not read or write %1.</source>
        <translation>Der Datenträger konnte %1 nicht lesen oder schreiben.</translation>
    </message>
    <message>
        <source>%1 is in use. Try again in a moment.</source>
        <translation>%1 wird gerade verwendet. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An item&apos;s name and what the system said went wrong with it.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be put inside itself.</source>
        <translation>%1 kann nicht in sich selbst abgelegt werden.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings.</source>
        <translation>Nimbra konnte „%1“ nicht in seinen gemeinsamen Einstellungen speichern.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an app.</source>
        <translation>Das scheint keine Anwendung zu sein.</translation>
    </message>
    <message>
        <source>Something unexpected went wrong.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen …</translation>
    </message>
    <message>
        <source>Uninstall Nimbra…</source>
        <translation>Nimbra deinstallieren …</translation>
    </message>
    <message>
        <source>Quit Nimbra</source>
        <translation>Nimbra beenden</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Anwendung hinzufügen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Datei auswählen …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Choose an App</source>
        <translation>Anwendung auswählen</translation>
    </message>
    <message>
        <source>Applications (*.desktop);;All Files (*)</source>
        <translation>Anwendungen (*.desktop);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Extension cannot be empty</source>
        <translation>Die Dateiendung darf nicht leer sein</translation>
    </message>
    <message>
        <source>Extension too long (max 16 characters)</source>
        <translation>Dateiendung zu lang (max. 16 Zeichen)</translation>
    </message>
    <message>
        <source>Allowed: letters, digits, . _ -</source>
        <translation>Erlaubt: Buchstaben, Ziffern, . _ -</translation>
    </message>
    <message>
        <source>Menu label</source>
        <translation>Menübeschriftung</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name of the new item</source>
        <translation>Name des neuen Objekts</translation>
    </message>
    <message>
        <source>Delete this custom type</source>
        <translation>Diesen eigenen Typ löschen</translation>
    </message>
    <message>
        <source>Show in the Files menu</source>
        <translation>Im Dateien-Menü anzeigen</translation>
    </message>
    <message>
        <source>Enter a valid extension first</source>
        <translation>Geben Sie zuerst eine gültige Dateiendung ein</translation>
    </message>
    <message>
        <source>File extension (letters, digits, . _ -)</source>
        <translation>Dateiendung (Buchstaben, Ziffern, . _ -)</translation>
    </message>
    <message>
        <source>Template…</source>
        <translation>Vorlage …</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Bearbeiten …</translation>
    </message>
    <message>
        <source>Items in the New menu, in menu order. Drag to reorder.</source>
        <translation>Einträge im Menü „Neu“, in der Reihenfolge des Menüs. Zum Umsortieren ziehen.</translation>
    </message>
    <message>
        <source>Add Custom Type…</source>
        <translation>Eigenen Typ hinzufügen …</translation>
    </message>
    <message>
        <source>Group under New ▸</source>
        <translation>Unter „Neu ▸“ zusammenfassen</translation>
    </message>
    <message>
        <source>Show types even without an app to open them</source>
        <translation>Typen auch ohne passende Anwendung anzeigen</translation>
    </message>
    <message>
        <source>Off: Word, Pages and similar items only appear when an app that opens them is installed.</source>
        <translation>Aus: Word, Pages und ähnliche Einträge erscheinen nur, wenn eine Anwendung installiert ist, die sie öffnen kann.</translation>
    </message>
    <message>
        <source>Rename new items right away</source>
        <translation>Neue Objekte sofort umbenennen</translation>
    </message>
    <message>
        <source>Like Windows, the name is ready to type over. Nimbra presses F2 in Files for you.</source>
        <translation>Wie unter Windows kann der Name sofort überschrieben werden. Nimbra drückt dazu in Dateien F2 für Sie.</translation>
    </message>
    <message>
        <source>Opens the folder in the chosen app. Only installed apps appear in Files.</source>
        <translation>Öffnet den Ordner in der gewählten Anwendung. In Dateien erscheinen nur installierte Anwendungen.</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Anwendung hinzufügen …</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Nicht installiert</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Senden an</translation>
    </message>
    <message>
        <source>Open Folder with</source>
        <translation>Ordner öffnen mit</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>Nimbra Preferences</source>
        <translation>Nimbra-Einstellungen</translation>
    </message>
    <message>
        <source>Settings unavailable</source>
        <translation>Einstellungen nicht verfügbar</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings. Reinstall the app.</source>
        <translation>Nimbra kann nicht auf seine gemeinsamen Einstellungen zugreifen. Installieren Sie die Anwendung neu.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the change</source>
        <translation>Die Änderung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings, so the menus in Files stay as they were.</source>
        <translation>Nimbra konnte „%1“ nicht in seinen gemeinsamen Einstellungen speichern, daher bleiben die Menüs in Dateien unverändert.</translation>
    </message>
    <message>
        <source>Shown when you right-click selected files or folders.</source>
        <translation>Wird bei einem Rechtsklick auf ausgewählte Dateien oder Ordner angezeigt.</translation>
    </message>
    <message>
        <source>Not valid JSON yet — you can still save.</source>
        <translation>Noch kein gültiges JSON – Sie können trotzdem speichern.</translation>
    </message>
    <message>
        <source>Tip: shell scripts usually start with a shebang, e.g. #!/bin/sh</source>
        <translation>Tipp: Shell-Skripte beginnen meist mit einer Shebang-Zeile, z. B. #!/bin/sh</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Template for .%1</source>
        <translation>Vorlage für .%1</translation>
    </message>
    <message>
        <source>Remove Template</source>
        <translation>Vorlage entfernen</translation>
    </message>
    <message>
        <source>The type keeps working; new files start empty</source>
        <translation>Der Typ funktioniert weiterhin; neue Dateien sind dann leer</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Vorlage speichern</translation>
    </message>
    <message>
        <source>The contents of every new file created with this type.</source>
        <translation>Der Inhalt jeder neuen Datei, die mit diesem Typ erstellt wird.</translation>
    </message>
    <message>
        <source>The contents of every new .%1 file created with this type.</source>
        <translation>Der Inhalt jeder neuen .%1-Datei, die mit diesem Typ erstellt wird.</translation>
    </message>
    <message>
        <source>now</source>
        <translation>gerade eben</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>vor %n Sekunde</numerusform>
            <numerusform>vor %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>vor %n Minute</numerusform>
            <numerusform>vor %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>vor %n Stunde</numerusform>
            <numerusform>vor %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>vor %n Tag</numerusform>
            <numerusform>vor %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>gestern</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>vor %n Woche</numerusform>
            <numerusform>vor %n Wochen</numerusform>
        </translation>
    </message>
    <message>
        <source>last week</source>
        <translation>letzte Woche</translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>vor %n Monat</numerusform>
            <numerusform>vor %n Monaten</numerusform>
        </translation>
    </message>
    <message>
        <source>last month</source>
        <translation>letzten Monat</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>vor %n Jahr</numerusform>
            <numerusform>vor %n Jahren</numerusform>
        </translation>
    </message>
    <message>
        <source>last year</source>
        <translation>letztes Jahr</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Automatisch nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message>
        <source>Once a day Nimbra asks %1 whether there&apos;s a new version. Updates are signed, and only the app&apos;s name and version are sent.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Einmal täglich fragt Nimbra bei %1 nach, ob es eine neue Version gibt. Aktualisierungen sind signiert, und es werden nur der Name und die Version der Anwendung übermittelt.</translation>
    </message>
    <message>
        <source>Last checked %1</source>
        <extracomment>%1 is how long ago: &quot;now&quot;, &quot;2 hours ago&quot;, &quot;yesterday&quot;…</extracomment>
        <translation>Zuletzt geprüft: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Text Document</source>
        <translation>Textdokument</translation>
    </message>
    <message>
        <source>Microsoft Word Document</source>
        <translation>Microsoft Word-Dokument</translation>
    </message>
    <message>
        <source>Microsoft Excel Worksheet</source>
        <translation>Microsoft Excel-Arbeitsblatt</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>HTML-Dokument</translation>
    </message>
    <message>
        <source>Compressed (zipped) folder</source>
        <translation>ZIP-komprimierter Ordner</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>Desktop (create shortcut)</source>
        <translation>Schreibtisch (Verknüpfung erstellen)</translation>
    </message>
    <message>
        <source>Another Folder…</source>
        <translation>Anderer Ordner …</translation>
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
        <translation>Diese Menüs erscheinen per Rechtsklick in jedem %1-Fenster.</translation>
    </message>
    <message>
        <source>%2 menu now. Turn on Nimbra to add New, Send to and Open Folder with.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>So sieht das Menü von %1 jetzt aus. Schalten Sie Nimbra ein, um „Neu“, „Senden an“ und „Ordner öffnen mit“ hinzuzufügen.</translation>
    </message>
    <message>
        <source>Right-click like you did on Windows.</source>
        <translation>Rechtsklick wie früher unter Windows.</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Nimbra is on in %1</source>
        <translation>Nimbra ist in %1 eingeschaltet</translation>
    </message>
    <message>
        <source>Turn on Nimbra in %1</source>
        <translation>Nimbra in %1 einschalten</translation>
    </message>
    <message>
        <source>You can turn it off again here.</source>
        <translation>Hier können Sie es wieder ausschalten.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before restarting %1 if it has to.</source>
        <translation>Nimbra aktiviert seine Erweiterung für %1 und fragt nach, bevor es %1 bei Bedarf neu startet.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before changing %2 settings if it has to.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra aktiviert seine Erweiterung für %1 und fragt nach, bevor es bei Bedarf Einstellungen von %1 ändert.</translation>
    </message>
    <message>
        <source>Turn Off…</source>
        <translation>Ausschalten …</translation>
    </message>
    <message>
        <source>Turn On…</source>
        <translation>Einschalten …</translation>
    </message>
    <message>
        <source>Right-click in a folder</source>
        <translation>Rechtsklick in einem Ordner</translation>
    </message>
    <message>
        <source>It works. Nimbra has made something from %1.</source>
        <translation>Es funktioniert. Nimbra hat in %1 bereits etwas erstellt.</translation>
    </message>
    <message>
        <source>Try New ▸ Text Document, right-click a file for Send to ▸, or a folder for Open Folder with ▸.</source>
        <translation>Probieren Sie „Neu ▸ Textdokument“ aus, klicken Sie mit der rechten Maustaste auf eine Datei für „Senden an ▸“ oder auf einen Ordner für „Ordner öffnen mit ▸“.</translation>
    </message>
    <message>
        <source>Make the menus yours</source>
        <translation>Menüs nach Ihrem Geschmack</translation>
    </message>
    <message>
        <source>Pick which file types, Send to places and apps appear, and in what order.</source>
        <translation>Wählen Sie aus, welche Dateitypen, Ziele für „Senden an“ und Anwendungen erscheinen, und in welcher Reihenfolge.</translation>
    </message>
    <message>
        <source>Customize Menus…</source>
        <translation>Menüs anpassen …</translation>
    </message>
    <message>
        <source>Nimbra isn&apos;t installed in %1</source>
        <translation>Nimbra ist in %1 nicht installiert</translation>
    </message>
    <message>
        <source>%1 loads its extensions from %2, and Nimbra&apos;s is not there. Install Nimbra again, then choose Turn On… once more.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the folder it loads its extensions from.</extracomment>
        <translation>%1 lädt Erweiterungen aus %2, doch die von Nimbra ist dort nicht vorhanden. Installieren Sie Nimbra erneut und wählen Sie dann noch einmal „Einschalten …“.</translation>
    </message>
    <message>
        <source>Turn off Nimbra in %1?</source>
        <translation>Nimbra in %1 ausschalten?</translation>
    </message>
    <message>
        <source>New, Send to and Open Folder with leave %2 menus at once. You can turn Nimbra on again here.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>„Neu“, „Senden an“ und „Ordner öffnen mit“ verschwinden sofort aus den Menüs von %1. Sie können Nimbra hier wieder einschalten.</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Restart %1?</source>
        <translation>%1 neu starten?</translation>
    </message>
    <message>
        <source>%1 loads Nimbra when it starts. Restarting closes the %1 windows, so let copies and moves in %1 finish first.</source>
        <translation>%1 lädt Nimbra beim Start. Beim Neustart werden die Fenster von %1 geschlossen – lassen Sie laufende Kopier- und Verschiebevorgänge in %1 daher zuerst abschließen.</translation>
    </message>
    <message>
        <source>Restart %1</source>
        <translation>%1 neu starten</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Switch on Nimbra in %1?</source>
        <translation>Nimbra in %1 aktivieren?</translation>
    </message>
    <message>
        <source>Nimbra is switched off in %2 context menu settings. Switch it on there?</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra ist in den Kontextmenü-Einstellungen von %1 deaktiviert. Dort aktivieren?</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Choose a folder for “%1”</source>
        <translation>Ordner für „%1“ auswählen</translation>
    </message>
    <message numerus="yes">
        <source>Choose a folder for the %n items</source>
        <extracomment>Never fewer than two items.</extracomment>
        <translation>
            <numerusform>Ordner für %n Objekt auswählen</numerusform>
            <numerusform>Ordner für die %n Objekte auswählen</numerusform>
        </translation>
    </message>
    <message>
        <source>Send to Another Folder</source>
        <translation>An einen anderen Ordner senden</translation>
    </message>
    <message>
        <source>Send by:</source>
        <translation>Senden durch:</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Move Here</source>
        <translation>Hierher verschieben</translation>
    </message>
    <message>
        <source>Copy Here</source>
        <translation>Hierher kopieren</translation>
    </message>
    <message>
        <source>Can&apos;t put “%1” inside itself</source>
        <translation>„%1“ kann nicht in sich selbst abgelegt werden</translation>
    </message>
    <message>
        <source>Choose a folder outside it.</source>
        <translation>Wählen Sie einen Ordner, der außerhalb davon liegt.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move the items</source>
        <translation>Die Objekte konnten nicht verschoben werden</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the items</source>
        <translation>Die Objekte konnten nicht kopiert werden</translation>
    </message>
    <message>
        <source>Uninstall Nimbra?</source>
        <translation>Nimbra deinstallieren?</translation>
    </message>
    <message>
        <source>This turns off the Files extension and shows the command that removes Nimbra. Nothing is deleted automatically.</source>
        <translation>Dadurch wird die Dateien-Erweiterung ausgeschaltet und der Befehl angezeigt, mit dem Sie Nimbra entfernen. Es wird nichts automatisch gelöscht.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Also remove my saved file types</source>
        <translation>Auch meine gespeicherten Dateitypen entfernen</translation>
    </message>
    <message>
        <source>Nothing was removed. Once that is mended, choose Uninstall Nimbra… again.</source>
        <translation>Es wurde nichts entfernt. Sobald das behoben ist, wählen Sie erneut „Nimbra deinstallieren …“.</translation>
    </message>
    <message>
        <source>Files extension disabled</source>
        <translation>Dateien-Erweiterung ausgeschaltet</translation>
    </message>
    <message>
        <source>To finish, run “sudo apt remove nimbra”. Nimbra will now quit.</source>
        <translation>Führen Sie zum Abschluss „sudo apt remove nimbra“ aus. Nimbra wird jetzt beendet.</translation>
    </message>
    <message>
        <source>The update server could not be reached (%1).</source>
        <translation>Der Aktualisierungsserver konnte nicht erreicht werden (%1).</translation>
    </message>
    <message>
        <source>The update information is not signed with Nimbra&apos;s release key, so it was ignored.</source>
        <translation>Die Aktualisierungsinformationen sind nicht mit dem Veröffentlichungsschlüssel von Nimbra signiert und wurden daher ignoriert.</translation>
    </message>
    <message>
        <source>The update information could not be read: %1.</source>
        <translation>Die Aktualisierungsinformationen konnten nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>Nimbra %1 is available</source>
        <translation>Nimbra %1 ist verfügbar</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>Sie verwenden Version %1.</translation>
    </message>
    <message>
        <source>View Release Notes</source>
        <translation>Versionshinweise anzeigen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Sie sind auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Nimbra %1 is the newest version.</source>
        <translation>Nimbra %1 ist die neueste Version.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t check for updates</source>
        <translation>Nimbra konnte nicht nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>sie sind zu groß</translation>
    </message>
    <message>
        <source>its address is not an https address</source>
        <translation>seine Adresse ist keine HTTPS-Adresse</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Moving “%1”…</source>
        <translation>„%1“ wird verschoben …</translation>
    </message>
    <message>
        <source>Copying “%1”…</source>
        <translation>„%1“ wird kopiert …</translation>
    </message>
    <message>
        <source>Files</source>
        <comment>GNOME&apos;s file manager</comment>
        <translation>Dateien</translation>
    </message>
</context>
</TS>
