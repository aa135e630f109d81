<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>Nimbra</name>
    <message>
        <source>Make Alias</source>
        <translation>Verwijzing maken</translation>
    </message>
    <message>
        <source>Choose what the alias in “%1” should open</source>
        <translation>Kies wat de verwijzing in ‘%1’ moet openen</translation>
    </message>
    <message>
        <source>Couldn&apos;t make the alias</source>
        <translation>Kon de verwijzing niet maken</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t save its switch. %1</source>
        <translation>Nimbra kon de stand van de schakelaar niet opslaan. %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn on Nimbra</source>
        <translation>Kon Nimbra niet inschakelen</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn off Nimbra</source>
        <translation>Kon Nimbra niet uitschakelen</translation>
    </message>
    <message>
        <source>Nimbra is misconfigured</source>
        <translation>Nimbra is verkeerd geconfigureerd</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings store. This usually means the app needs to be reinstalled. Settings won&apos;t sync between the app and the Files extension until this is fixed.</source>
        <translation>Nimbra kan de gedeelde opslag voor instellingen niet bereiken. Meestal betekent dit dat de toepassing opnieuw moet worden geïnstalleerd. Tot dit is opgelost, worden de instellingen niet gesynchroniseerd tussen de toepassing en de extensie voor ‘Bestanden’.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s name, quoted.</extracomment>
        <translation>‘%1’</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on %1.</source>
        <translation>Er is niet genoeg ruimte in %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to open %1.</source>
        <translation>U hebt geen toestemming om %1 te openen.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to write to %1.</source>
        <translation>U hebt geen toestemming om naar %1 te schrijven.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 is alleen-lezen.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 bestaat niet meer.</translation>
    </message>
    <message>
        <source>%1 is already taken in %2.</source>
        <translation>De naam %1 is al in gebruik in %2.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>De naam %1 is te lang.</translation>
    </message>
    <message>
        <source>The disk could not read or write %1.</source>
        <translation>De schijf kon %1 niet lezen of schrijven.</translation>
    </message>
    <message>
        <source>%1 is in use. Try again in a moment.</source>
        <translation>%1 is in gebruik. Probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An item&apos;s name and what the system said went wrong with it.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be put inside itself.</source>
        <translation>%1 kan niet in zichzelf worden geplaatst.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings.</source>
        <translation>Nimbra kon ‘%1’ niet in de gedeelde instellingen opslaan.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an app.</source>
        <translation>Dat lijkt geen toepassing te zijn.</translation>
    </message>
    <message>
        <source>Something unexpected went wrong.</source>
        <translation>Er is iets onverwachts misgegaan.</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Instellingen…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Controleren op updates…</translation>
    </message>
    <message>
        <source>Uninstall Nimbra…</source>
        <translation>Nimbra verwijderen…</translation>
    </message>
    <message>
        <source>Quit Nimbra</source>
        <translation>Nimbra afsluiten</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Toepassing toevoegen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Bestand kiezen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Choose an App</source>
        <translation>Kies een toepassing</translation>
    </message>
    <message>
        <source>Applications (*.desktop);;All Files (*)</source>
        <translation>Toepassingen (*.desktop);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Extension cannot be empty</source>
        <translation>De extensie mag niet leeg zijn</translation>
    </message>
    <message>
        <source>Extension too long (max 16 characters)</source>
        <translation>Extensie te lang (max. 16 tekens)</translation>
    </message>
    <message>
        <source>Allowed: letters, digits, . _ -</source>
        <translation>Toegestaan: letters, cijfers, . _ -</translation>
    </message>
    <message>
        <source>Menu label</source>
        <translation>Menulabel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Name of the new item</source>
        <translation>Naam van het nieuwe item</translation>
    </message>
    <message>
        <source>Delete this custom type</source>
        <translation>Dit eigen type verwijderen</translation>
    </message>
    <message>
        <source>Show in the Files menu</source>
        <translation>Tonen in het menu van ‘Bestanden’</translation>
    </message>
    <message>
        <source>Enter a valid extension first</source>
        <translation>Voer eerst een geldige extensie in</translation>
    </message>
    <message>
        <source>File extension (letters, digits, . _ -)</source>
        <translation>Bestandsextensie (letters, cijfers, . _ -)</translation>
    </message>
    <message>
        <source>Template…</source>
        <translation>Sjabloon…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Bewerken…</translation>
    </message>
    <message>
        <source>Items in the New menu, in menu order. Drag to reorder.</source>
        <translation>Items in het menu ‘Nieuw’, in de volgorde van het menu. Sleep om de volgorde te wijzigen.</translation>
    </message>
    <message>
        <source>Add Custom Type…</source>
        <translation>Eigen type toevoegen…</translation>
    </message>
    <message>
        <source>Group under New ▸</source>
        <translation>Groeperen onder ‘Nieuw ▸’</translation>
    </message>
    <message>
        <source>Show types even without an app to open them</source>
        <translation>Typen ook tonen als er geen toepassing is om ze te openen</translation>
    </message>
    <message>
        <source>Off: Word, Pages and similar items only appear when an app that opens them is installed.</source>
        <translation>Uit: Word, Pages en vergelijkbare items verschijnen alleen als er een toepassing is geïnstalleerd die ze kan openen.</translation>
    </message>
    <message>
        <source>Rename new items right away</source>
        <translation>Nieuwe items meteen hernoemen</translation>
    </message>
    <message>
        <source>Like Windows, the name is ready to type over. Nimbra presses F2 in Files for you.</source>
        <translation>Net als in Windows kunt u de naam meteen overtypen. Nimbra drukt daarvoor in ‘Bestanden’ voor u op F2.</translation>
    </message>
    <message>
        <source>Opens the folder in the chosen app. Only installed apps appear in Files.</source>
        <translation>Opent de map in de gekozen toepassing. Alleen geïnstalleerde toepassingen verschijnen in ‘Bestanden’.</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Toepassing toevoegen…</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Niet geïnstalleerd</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Verzenden naar</translation>
    </message>
    <message>
        <source>Open Folder with</source>
        <translation>Map openen met</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Nimbra Preferences</source>
        <translation>Nimbra-voorkeuren</translation>
    </message>
    <message>
        <source>Settings unavailable</source>
        <translation>Instellingen niet beschikbaar</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings. Reinstall the app.</source>
        <translation>Nimbra kan de gedeelde instellingen niet bereiken. Installeer de toepassing opnieuw.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the change</source>
        <translation>Kon de wijziging niet opslaan</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings, so the menus in Files stay as they were.</source>
        <translation>Nimbra kon ‘%1’ niet in de gedeelde instellingen opslaan, dus de menu’s in ‘Bestanden’ blijven zoals ze waren.</translation>
    </message>
    <message>
        <source>Shown when you right-click selected files or folders.</source>
        <translation>Getoond als u met de rechtermuisknop op geselecteerde bestanden of mappen klikt.</translation>
    </message>
    <message>
        <source>Not valid JSON yet — you can still save.</source>
        <translation>Nog geen geldige JSON — u kunt toch opslaan.</translation>
    </message>
    <message>
        <source>Tip: shell scripts usually start with a shebang, e.g. #!/bin/sh</source>
        <translation>Tip: shellscripts beginnen meestal met een shebang, bijv. #!/bin/sh</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Sjabloon</translation>
    </message>
    <message>
        <source>Template for .%1</source>
        <translation>Sjabloon voor .%1</translation>
    </message>
    <message>
        <source>Remove Template</source>
        <translation>Sjabloon verwijderen</translation>
    </message>
    <message>
        <source>The type keeps working; new files start empty</source>
        <translation>Het type blijft werken; nieuwe bestanden beginnen leeg</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Sjabloon opslaan</translation>
    </message>
    <message>
        <source>The contents of every new file created with this type.</source>
        <translation>De inhoud van elk nieuw bestand dat met dit type wordt gemaakt.</translation>
    </message>
    <message>
        <source>The contents of every new .%1 file created with this type.</source>
        <translation>De inhoud van elk nieuw .%1-bestand dat met dit type wordt gemaakt.</translation>
    </message>
    <message>
        <source>now</source>
        <translation>zojuist</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>%n seconde geleden</numerusform>
            <numerusform>%n seconden geleden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n minuut geleden</numerusform>
            <numerusform>%n minuten geleden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n uur geleden</numerusform>
            <numerusform>%n uur geleden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n dag geleden</numerusform>
            <numerusform>%n dagen geleden</numerusform>
        </translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>gisteren</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n week geleden</numerusform>
            <numerusform>%n weken geleden</numerusform>
        </translation>
    </message>
    <message>
        <source>last week</source>
        <translation>vorige week</translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n maand geleden</numerusform>
            <numerusform>%n maanden geleden</numerusform>
        </translation>
    </message>
    <message>
        <source>last month</source>
        <translation>vorige maand</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n jaar geleden</numerusform>
            <numerusform>%n jaar geleden</numerusform>
        </translation>
    </message>
    <message>
        <source>last year</source>
        <translation>vorig jaar</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Automatisch controleren op updates</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Nu controleren</translation>
    </message>
    <message>
        <source>Once a day Nimbra asks %1 whether there&apos;s a new version. Updates are signed, and only the app&apos;s name and version are sent.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Eenmaal per dag vraagt Nimbra aan %1 of er een nieuwe versie is. Updates zijn ondertekend, en alleen de naam en versie van de toepassing worden verzonden.</translation>
    </message>
    <message>
        <source>Last checked %1</source>
        <extracomment>%1 is how long ago: &quot;now&quot;, &quot;2 hours ago&quot;, &quot;yesterday&quot;…</extracomment>
        <translation>Laatst gecontroleerd: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nieuwe map</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschappen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Text Document</source>
        <translation>Tekstdocument</translation>
    </message>
    <message>
        <source>Microsoft Word Document</source>
        <translation>Microsoft Word-document</translation>
    </message>
    <message>
        <source>Microsoft Excel Worksheet</source>
        <translation>Microsoft Excel-werkblad</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>HTML-document</translation>
    </message>
    <message>
        <source>Compressed (zipped) folder</source>
        <translation>Ingepakte map (zip)</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureaublad</translation>
    </message>
    <message>
        <source>Desktop (create shortcut)</source>
        <translation>Bureaublad (verwijzing aanmaken)</translation>
    </message>
    <message>
        <source>Another Folder…</source>
        <translation>Andere map…</translation>
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
        <translation>Klik met de rechtermuisknop in een willekeurig venster van %1 om deze menu’s te krijgen.</translation>
    </message>
    <message>
        <source>%2 menu now. Turn on Nimbra to add New, Send to and Open Folder with.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Zo ziet het menu van %1 er nu uit. Schakel Nimbra in om ‘Nieuw’, ‘Verzenden naar’ en ‘Map openen met’ toe te voegen.</translation>
    </message>
    <message>
        <source>Right-click like you did on Windows.</source>
        <translation>Rechtsklikken zoals u gewend bent van Windows.</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Opnieuw controleren</translation>
    </message>
    <message>
        <source>Nimbra is on in %1</source>
        <translation>Nimbra staat aan in %1</translation>
    </message>
    <message>
        <source>Turn on Nimbra in %1</source>
        <translation>Nimbra inschakelen in %1</translation>
    </message>
    <message>
        <source>You can turn it off again here.</source>
        <translation>U kunt het hier weer uitschakelen.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before restarting %1 if it has to.</source>
        <translation>Nimbra schakelt zijn extensie voor %1 in en vraagt het eerst als %1 daarvoor opnieuw moet worden gestart.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before changing %2 settings if it has to.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra schakelt zijn extensie voor %1 in en vraagt het eerst als daarvoor instellingen van %1 moeten worden gewijzigd.</translation>
    </message>
    <message>
        <source>Turn Off…</source>
        <translation>Uitschakelen…</translation>
    </message>
    <message>
        <source>Turn On…</source>
        <translation>Inschakelen…</translation>
    </message>
    <message>
        <source>Right-click in a folder</source>
        <translation>Klik met de rechtermuisknop in een map</translation>
    </message>
    <message>
        <source>It works. Nimbra has made something from %1.</source>
        <translation>Het werkt. Nimbra heeft al iets gemaakt vanuit %1.</translation>
    </message>
    <message>
        <source>Try New ▸ Text Document, right-click a file for Send to ▸, or a folder for Open Folder with ▸.</source>
        <translation>Probeer ‘Nieuw ▸ Tekstdocument’, klik met de rechtermuisknop op een bestand voor ‘Verzenden naar ▸’ of op een map voor ‘Map openen met ▸’.</translation>
    </message>
    <message>
        <source>Make the menus yours</source>
        <translation>Maak de menu’s naar uw hand</translation>
    </message>
    <message>
        <source>Pick which file types, Send to places and apps appear, and in what order.</source>
        <translation>Kies welke bestandstypen, bestemmingen van ‘Verzenden naar’ en toepassingen verschijnen, en in welke volgorde.</translation>
    </message>
    <message>
        <source>Customize Menus…</source>
        <translation>Menu’s aanpassen…</translation>
    </message>
    <message>
        <source>Nimbra isn&apos;t installed in %1</source>
        <translation>Nimbra is niet geïnstalleerd in %1</translation>
    </message>
    <message>
        <source>%1 loads its extensions from %2, and Nimbra&apos;s is not there. Install Nimbra again, then choose Turn On… once more.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the folder it loads its extensions from.</extracomment>
        <translation>%1 laadt zijn extensies uit %2, en die van Nimbra staat daar niet. Installeer Nimbra opnieuw en kies daarna nogmaals ‘Inschakelen…’.</translation>
    </message>
    <message>
        <source>Turn off Nimbra in %1?</source>
        <translation>Nimbra uitschakelen in %1?</translation>
    </message>
    <message>
        <source>New, Send to and Open Folder with leave %2 menus at once. You can turn Nimbra on again here.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>‘Nieuw’, ‘Verzenden naar’ en ‘Map openen met’ verdwijnen meteen uit de menu’s van %1. U kunt Nimbra hier weer inschakelen.</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>Restart %1?</source>
        <translation>%1 herstarten?</translation>
    </message>
    <message>
        <source>%1 loads Nimbra when it starts. Restarting closes the %1 windows, so let copies and moves in %1 finish first.</source>
        <translation>%1 laadt Nimbra bij het starten. Herstarten sluit de vensters van %1, dus laat lopende kopieer- en verplaatsacties in %1 eerst afronden.</translation>
    </message>
    <message>
        <source>Restart %1</source>
        <translation>%1 herstarten</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Niet nu</translation>
    </message>
    <message>
        <source>Switch on Nimbra in %1?</source>
        <translation>Nimbra inschakelen in %1?</translation>
    </message>
    <message>
        <source>Nimbra is switched off in %2 context menu settings. Switch it on there?</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra is uitgeschakeld in de contextmenu-instellingen van %1. Daar inschakelen?</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Choose a folder for “%1”</source>
        <translation>Kies een map voor ‘%1’</translation>
    </message>
    <message numerus="yes">
        <source>Choose a folder for the %n items</source>
        <extracomment>Never fewer than two items.</extracomment>
        <translation>
            <numerusform>Kies een map voor %n item</numerusform>
            <numerusform>Kies een map voor de %n items</numerusform>
        </translation>
    </message>
    <message>
        <source>Send to Another Folder</source>
        <translation>Verzenden naar andere map</translation>
    </message>
    <message>
        <source>Send by:</source>
        <translation>Verzenden door:</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verplaatsen</translation>
    </message>
    <message>
        <source>Move Here</source>
        <translation>Hierheen verplaatsen</translation>
    </message>
    <message>
        <source>Copy Here</source>
        <translation>Hierheen kopiëren</translation>
    </message>
    <message>
        <source>Can&apos;t put “%1” inside itself</source>
        <translation>Kan ‘%1’ niet in zichzelf plaatsen</translation>
    </message>
    <message>
        <source>Choose a folder outside it.</source>
        <translation>Kies een map daarbuiten.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move the items</source>
        <translation>Kon de items niet verplaatsen</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the items</source>
        <translation>Kon de items niet kopiëren</translation>
    </message>
    <message>
        <source>Uninstall Nimbra?</source>
        <translation>Nimbra verwijderen?</translation>
    </message>
    <message>
        <source>This turns off the Files extension and shows the command that removes Nimbra. Nothing is deleted automatically.</source>
        <translation>Hiermee wordt de extensie voor ‘Bestanden’ uitgeschakeld en ziet u de opdracht die Nimbra verwijdert. Er wordt niets automatisch verwijderd.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Also remove my saved file types</source>
        <translation>Ook mijn opgeslagen bestandstypen verwijderen</translation>
    </message>
    <message>
        <source>Nothing was removed. Once that is mended, choose Uninstall Nimbra… again.</source>
        <translation>Er is niets verwijderd. Kies opnieuw ‘Nimbra verwijderen…’ zodra dat is verholpen.</translation>
    </message>
    <message>
        <source>Files extension disabled</source>
        <translation>Extensie voor ‘Bestanden’ uitgeschakeld</translation>
    </message>
    <message>
        <source>To finish, run “sudo apt remove nimbra”. Nimbra will now quit.</source>
        <translation>Voer ter afronding ‘sudo apt remove nimbra’ uit. Nimbra wordt nu afgesloten.</translation>
    </message>
    <message>
        <source>The update server could not be reached (%1).</source>
        <translation>De updateserver kon niet worden bereikt (%1).</translation>
    </message>
    <message>
        <source>The update information is not signed with Nimbra&apos;s release key, so it was ignored.</source>
        <translation>De update-informatie is niet ondertekend met de releasesleutel van Nimbra en is daarom genegeerd.</translation>
    </message>
    <message>
        <source>The update information could not be read: %1.</source>
        <translation>De update-informatie kon niet worden gelezen: %1.</translation>
    </message>
    <message>
        <source>Nimbra %1 is available</source>
        <translation>Nimbra %1 is beschikbaar</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>U hebt versie %1.</translation>
    </message>
    <message>
        <source>View Release Notes</source>
        <translation>Releaseopmerkingen bekijken</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>U bent up-to-date</translation>
    </message>
    <message>
        <source>Nimbra %1 is the newest version.</source>
        <translation>Nimbra %1 is de nieuwste versie.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t check for updates</source>
        <translation>Nimbra kon niet controleren op updates</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>ze is te groot</translation>
    </message>
    <message>
        <source>its address is not an https address</source>
        <translation>het adres is geen HTTPS-adres</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Verplaatsen</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Moving “%1”…</source>
        <translation>‘%1’ verplaatsen…</translation>
    </message>
    <message>
        <source>Copying “%1”…</source>
        <translation>‘%1’ kopiëren…</translation>
    </message>
    <message>
        <source>Files</source>
        <comment>GNOME&apos;s file manager</comment>
        <translation>Bestanden</translation>
    </message>
</context>
</TS>
