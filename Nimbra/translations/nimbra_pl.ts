<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>Nimbra</name>
    <message>
        <source>Make Alias</source>
        <translation>Utwórz dowiązanie</translation>
    </message>
    <message>
        <source>Choose what the alias in “%1” should open</source>
        <translation>Wybierz, co ma otwierać dowiązanie w „%1”</translation>
    </message>
    <message>
        <source>Couldn&apos;t make the alias</source>
        <translation>Nie można utworzyć dowiązania</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t save its switch. %1</source>
        <translation>Program Nimbra nie mógł zapisać stanu przełącznika. %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn on Nimbra</source>
        <translation>Nie można włączyć programu Nimbra</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn off Nimbra</source>
        <translation>Nie można wyłączyć programu Nimbra</translation>
    </message>
    <message>
        <source>Nimbra is misconfigured</source>
        <translation>Program Nimbra jest błędnie skonfigurowany</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings store. This usually means the app needs to be reinstalled. Settings won&apos;t sync between the app and the Files extension until this is fixed.</source>
        <translation>Program Nimbra nie może uzyskać dostępu do wspólnego magazynu ustawień. Zwykle oznacza to, że należy go ponownie zainstalować. Dopóki nie zostanie to naprawione, ustawienia programu i rozszerzenia dla programu „Pliki” nie będą synchronizowane.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s name, quoted.</extracomment>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on %1.</source>
        <translation>Brak wolnego miejsca w katalogu %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to open %1.</source>
        <translation>Brak uprawnień do otwarcia %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to write to %1.</source>
        <translation>Brak uprawnień do zapisu w katalogu %1.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>Katalog %1 jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 już nie istnieje.</translation>
    </message>
    <message>
        <source>%1 is already taken in %2.</source>
        <translation>Nazwa %1 jest już zajęta w katalogu %2.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>Nazwa %1 jest za długa.</translation>
    </message>
    <message>
        <source>The disk could not read or write %1.</source>
        <translation>Nie można odczytać ani zapisać %1 na dysku.</translation>
    </message>
    <message>
        <source>%1 is in use. Try again in a moment.</source>
        <translation>Element %1 jest używany. Proszę spróbować ponownie za chwilę.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An item&apos;s name and what the system said went wrong with it.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be put inside itself.</source>
        <translation>Nie można umieścić katalogu %1 w nim samym.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings.</source>
        <translation>Program Nimbra nie mógł zapisać „%1” we wspólnych ustawieniach.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an app.</source>
        <translation>To nie wygląda na program.</translation>
    </message>
    <message>
        <source>Something unexpected went wrong.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Sprawdź aktualizacje…</translation>
    </message>
    <message>
        <source>Uninstall Nimbra…</source>
        <translation>Odinstaluj program Nimbra…</translation>
    </message>
    <message>
        <source>Quit Nimbra</source>
        <translation>Zakończ program Nimbra</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Dodaj program</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Wyszukiwanie</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Wybierz plik…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Choose an App</source>
        <translation>Wybór programu</translation>
    </message>
    <message>
        <source>Applications (*.desktop);;All Files (*)</source>
        <translation>Programy (*.desktop);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Extension cannot be empty</source>
        <translation>Rozszerzenie nie może być puste</translation>
    </message>
    <message>
        <source>Extension too long (max 16 characters)</source>
        <translation>Rozszerzenie jest za długie (maks. 16 znaków)</translation>
    </message>
    <message>
        <source>Allowed: letters, digits, . _ -</source>
        <translation>Dozwolone: litery, cyfry, . _ -</translation>
    </message>
    <message>
        <source>Menu label</source>
        <translation>Etykieta w menu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Name of the new item</source>
        <translation>Nazwa nowego elementu</translation>
    </message>
    <message>
        <source>Delete this custom type</source>
        <translation>Usuń ten własny typ</translation>
    </message>
    <message>
        <source>Show in the Files menu</source>
        <translation>Wyświetlanie w menu programu „Pliki”</translation>
    </message>
    <message>
        <source>Enter a valid extension first</source>
        <translation>Najpierw wpisz prawidłowe rozszerzenie</translation>
    </message>
    <message>
        <source>File extension (letters, digits, . _ -)</source>
        <translation>Rozszerzenie pliku (litery, cyfry, . _ -)</translation>
    </message>
    <message>
        <source>Template…</source>
        <translation>Szablon…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Edytuj…</translation>
    </message>
    <message>
        <source>Items in the New menu, in menu order. Drag to reorder.</source>
        <translation>Elementy menu „Nowy” w kolejności, w jakiej występują w menu. Przeciągnij, aby zmienić kolejność.</translation>
    </message>
    <message>
        <source>Add Custom Type…</source>
        <translation>Dodaj własny typ…</translation>
    </message>
    <message>
        <source>Group under New ▸</source>
        <translation>Grupowanie w podmenu „Nowy ▸”</translation>
    </message>
    <message>
        <source>Show types even without an app to open them</source>
        <translation>Wyświetlanie typów nawet bez programu, który je otwiera</translation>
    </message>
    <message>
        <source>Off: Word, Pages and similar items only appear when an app that opens them is installed.</source>
        <translation>Gdy wyłączone, elementy Word, Pages i podobne pojawiają się tylko wtedy, gdy zainstalowano program, który je otwiera.</translation>
    </message>
    <message>
        <source>Rename new items right away</source>
        <translation>Natychmiastowa zmiana nazw nowych elementów</translation>
    </message>
    <message>
        <source>Like Windows, the name is ready to type over. Nimbra presses F2 in Files for you.</source>
        <translation>Jak w systemie Windows: nazwa jest od razu gotowa do wpisania nowej. Program Nimbra sam naciska klawisz F2 w programie „Pliki”.</translation>
    </message>
    <message>
        <source>Opens the folder in the chosen app. Only installed apps appear in Files.</source>
        <translation>Otwiera katalog w wybranym programie. W programie „Pliki” pojawiają się tylko zainstalowane programy.</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Dodaj program…</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Nie zainstalowano</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Wyślij do</translation>
    </message>
    <message>
        <source>Open Folder with</source>
        <translation>Otwórz katalog za pomocą</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualizacje</translation>
    </message>
    <message>
        <source>Nimbra Preferences</source>
        <translation>Preferencje programu Nimbra</translation>
    </message>
    <message>
        <source>Settings unavailable</source>
        <translation>Ustawienia są niedostępne</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings. Reinstall the app.</source>
        <translation>Program Nimbra nie może uzyskać dostępu do wspólnych ustawień. Należy ponownie zainstalować program.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the change</source>
        <translation>Nie można zapisać zmiany</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings, so the menus in Files stay as they were.</source>
        <translation>Program Nimbra nie mógł zapisać „%1” we wspólnych ustawieniach, więc menu w programie „Pliki” pozostają bez zmian.</translation>
    </message>
    <message>
        <source>Shown when you right-click selected files or folders.</source>
        <translation>Wyświetlane po kliknięciu prawym przyciskiem myszy zaznaczonych plików lub katalogów.</translation>
    </message>
    <message>
        <source>Not valid JSON yet — you can still save.</source>
        <translation>To jeszcze nie jest prawidłowy JSON — mimo to można go zapisać.</translation>
    </message>
    <message>
        <source>Tip: shell scripts usually start with a shebang, e.g. #!/bin/sh</source>
        <translation>Wskazówka: skrypty powłoki zwykle zaczynają się od wiersza shebang, np. #!/bin/sh</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Szablon</translation>
    </message>
    <message>
        <source>Template for .%1</source>
        <translation>Szablon dla .%1</translation>
    </message>
    <message>
        <source>Remove Template</source>
        <translation>Usuń szablon</translation>
    </message>
    <message>
        <source>The type keeps working; new files start empty</source>
        <translation>Typ nadal działa, a nowe pliki będą tworzone jako puste</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Zapisz szablon</translation>
    </message>
    <message>
        <source>The contents of every new file created with this type.</source>
        <translation>Zawartość każdego nowego pliku tego typu.</translation>
    </message>
    <message>
        <source>The contents of every new .%1 file created with this type.</source>
        <translation>Zawartość każdego nowego pliku .%1 tego typu.</translation>
    </message>
    <message>
        <source>now</source>
        <translation>przed chwilą</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>%n sekundę temu</numerusform>
            <numerusform>%n sekundy temu</numerusform>
            <numerusform>%n sekund temu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n minutę temu</numerusform>
            <numerusform>%n minuty temu</numerusform>
            <numerusform>%n minut temu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n godzinę temu</numerusform>
            <numerusform>%n godziny temu</numerusform>
            <numerusform>%n godzin temu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n dzień temu</numerusform>
            <numerusform>%n dni temu</numerusform>
            <numerusform>%n dni temu</numerusform>
        </translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>wczoraj</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n tydzień temu</numerusform>
            <numerusform>%n tygodnie temu</numerusform>
            <numerusform>%n tygodni temu</numerusform>
        </translation>
    </message>
    <message>
        <source>last week</source>
        <translation>w zeszłym tygodniu</translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n miesiąc temu</numerusform>
            <numerusform>%n miesiące temu</numerusform>
            <numerusform>%n miesięcy temu</numerusform>
        </translation>
    </message>
    <message>
        <source>last month</source>
        <translation>w zeszłym miesiącu</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n rok temu</numerusform>
            <numerusform>%n lata temu</numerusform>
            <numerusform>%n lat temu</numerusform>
        </translation>
    </message>
    <message>
        <source>last year</source>
        <translation>w zeszłym roku</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Automatyczne sprawdzanie aktualizacji</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Sprawdź teraz</translation>
    </message>
    <message>
        <source>Once a day Nimbra asks %1 whether there&apos;s a new version. Updates are signed, and only the app&apos;s name and version are sent.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Raz dziennie program Nimbra pyta %1, czy jest nowa wersja. Aktualizacje są podpisane, a wysyłane są tylko nazwa i wersja programu.</translation>
    </message>
    <message>
        <source>Last checked %1</source>
        <extracomment>%1 is how long ago: &quot;now&quot;, &quot;2 hours ago&quot;, &quot;yesterday&quot;…</extracomment>
        <translation>Ostatnie sprawdzenie: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nowy katalog</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Skopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Text Document</source>
        <translation>Dokument tekstowy</translation>
    </message>
    <message>
        <source>Microsoft Word Document</source>
        <translation>Dokument Microsoft Word</translation>
    </message>
    <message>
        <source>Microsoft Excel Worksheet</source>
        <translation>Arkusz Microsoft Excel</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>Dokument HTML</translation>
    </message>
    <message>
        <source>Compressed (zipped) folder</source>
        <translation>Skompresowany katalog (ZIP)</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Pulpit</translation>
    </message>
    <message>
        <source>Desktop (create shortcut)</source>
        <translation>Pulpit (utwórz dowiązanie)</translation>
    </message>
    <message>
        <source>Another Folder…</source>
        <translation>Inny katalog…</translation>
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
        <translation>Kliknij prawym przyciskiem myszy w dowolnym oknie programu %1, aby otworzyć te menu.</translation>
    </message>
    <message>
        <source>%2 menu now. Turn on Nimbra to add New, Send to and Open Folder with.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Tak teraz wygląda menu programu %1. Włącz program Nimbra, aby dodać „Nowy”, „Wyślij do” i „Otwórz katalog za pomocą”.</translation>
    </message>
    <message>
        <source>Right-click like you did on Windows.</source>
        <translation>Klikaj prawym przyciskiem jak w systemie Windows.</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Sprawdź ponownie</translation>
    </message>
    <message>
        <source>Nimbra is on in %1</source>
        <translation>Nimbra działa w menedżerze plików %1</translation>
    </message>
    <message>
        <source>Turn on Nimbra in %1</source>
        <translation>Włącz program Nimbra w menedżerze plików %1</translation>
    </message>
    <message>
        <source>You can turn it off again here.</source>
        <translation>Tutaj można go ponownie wyłączyć.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before restarting %1 if it has to.</source>
        <translation>Nimbra włącza swoje rozszerzenie dla programu %1, a jeśli trzeba ponownie uruchomić program %1, najpierw o to pyta.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before changing %2 settings if it has to.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra włącza swoje rozszerzenie dla programu %1, a jeśli trzeba zmienić ustawienia programu %1, najpierw o to pyta.</translation>
    </message>
    <message>
        <source>Turn Off…</source>
        <translation>Wyłącz…</translation>
    </message>
    <message>
        <source>Turn On…</source>
        <translation>Włącz…</translation>
    </message>
    <message>
        <source>Right-click in a folder</source>
        <translation>Kliknij prawym przyciskiem myszy w katalogu</translation>
    </message>
    <message>
        <source>It works. Nimbra has made something from %1.</source>
        <translation>Działa. W programie %1 utworzono już coś za pomocą programu Nimbra.</translation>
    </message>
    <message>
        <source>Try New ▸ Text Document, right-click a file for Send to ▸, or a folder for Open Folder with ▸.</source>
        <translation>Wypróbuj „Nowy ▸ Dokument tekstowy”, kliknij prawym przyciskiem myszy plik, aby zobaczyć „Wyślij do ▸”, lub katalog, aby zobaczyć „Otwórz katalog za pomocą ▸”.</translation>
    </message>
    <message>
        <source>Make the menus yours</source>
        <translation>Dostosuj menu do siebie</translation>
    </message>
    <message>
        <source>Pick which file types, Send to places and apps appear, and in what order.</source>
        <translation>Wybierz, które typy plików, miejsca docelowe menu „Wyślij do” i programy mają się pojawiać oraz w jakiej kolejności.</translation>
    </message>
    <message>
        <source>Customize Menus…</source>
        <translation>Dostosuj menu…</translation>
    </message>
    <message>
        <source>Nimbra isn&apos;t installed in %1</source>
        <translation>Rozszerzenie Nimbra dla programu %1 nie jest zainstalowane</translation>
    </message>
    <message>
        <source>%1 loads its extensions from %2, and Nimbra&apos;s is not there. Install Nimbra again, then choose Turn On… once more.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the folder it loads its extensions from.</extracomment>
        <translation>Program %1 wczytuje rozszerzenia z %2, a rozszerzenia Nimbra tam nie ma. Zainstaluj ponownie program Nimbra, a następnie jeszcze raz wybierz „Włącz…”.</translation>
    </message>
    <message>
        <source>Turn off Nimbra in %1?</source>
        <translation>Wyłączyć program Nimbra w menedżerze plików %1?</translation>
    </message>
    <message>
        <source>New, Send to and Open Folder with leave %2 menus at once. You can turn Nimbra on again here.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Pozycje „Nowy”, „Wyślij do” i „Otwórz katalog za pomocą” od razu znikną z menu programu %1. Tutaj można ponownie włączyć program Nimbra.</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Restart %1?</source>
        <translation>Uruchomić ponownie program %1?</translation>
    </message>
    <message>
        <source>%1 loads Nimbra when it starts. Restarting closes the %1 windows, so let copies and moves in %1 finish first.</source>
        <translation>Program %1 wczytuje program Nimbra podczas uruchamiania. Ponowne uruchomienie zamknie okna programu %1, więc najpierw należy poczekać na zakończenie kopiowania i przenoszenia w programie %1.</translation>
    </message>
    <message>
        <source>Restart %1</source>
        <translation>Uruchom ponownie program %1</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nie teraz</translation>
    </message>
    <message>
        <source>Switch on Nimbra in %1?</source>
        <translation>Włączyć program Nimbra w menedżerze plików %1?</translation>
    </message>
    <message>
        <source>Nimbra is switched off in %2 context menu settings. Switch it on there?</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Rozszerzenie Nimbra jest wyłączone w ustawieniach menu kontekstowego programu %1. Włączyć je tam?</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Choose a folder for “%1”</source>
        <translation>Wybierz katalog dla „%1”</translation>
    </message>
    <message numerus="yes">
        <source>Choose a folder for the %n items</source>
        <extracomment>Never fewer than two items.</extracomment>
        <translation>
            <numerusform>Wybierz katalog dla %n elementu</numerusform>
            <numerusform>Wybierz katalog dla %n elementów</numerusform>
            <numerusform>Wybierz katalog dla %n elementów</numerusform>
        </translation>
    </message>
    <message>
        <source>Send to Another Folder</source>
        <translation>Wyślij do innego katalogu</translation>
    </message>
    <message>
        <source>Send by:</source>
        <translation>Sposób wysłania:</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Przenieś</translation>
    </message>
    <message>
        <source>Move Here</source>
        <translation>Przenieś tutaj</translation>
    </message>
    <message>
        <source>Copy Here</source>
        <translation>Skopiuj tutaj</translation>
    </message>
    <message>
        <source>Can&apos;t put “%1” inside itself</source>
        <translation>Nie można umieścić katalogu „%1” w nim samym</translation>
    </message>
    <message>
        <source>Choose a folder outside it.</source>
        <translation>Wybierz katalog poza nim.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move the items</source>
        <translation>Nie można przenieść elementów</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the items</source>
        <translation>Nie można skopiować elementów</translation>
    </message>
    <message>
        <source>Uninstall Nimbra?</source>
        <translation>Odinstalować program Nimbra?</translation>
    </message>
    <message>
        <source>This turns off the Files extension and shows the command that removes Nimbra. Nothing is deleted automatically.</source>
        <translation>Spowoduje to wyłączenie rozszerzenia dla programu „Pliki” i wyświetlenie polecenia, które usuwa program Nimbra. Nic nie jest usuwane automatycznie.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Also remove my saved file types</source>
        <translation>Usuń także zapisane typy plików</translation>
    </message>
    <message>
        <source>Nothing was removed. Once that is mended, choose Uninstall Nimbra… again.</source>
        <translation>Niczego nie usunięto. Po naprawieniu problemu ponownie wybierz „Odinstaluj program Nimbra…”.</translation>
    </message>
    <message>
        <source>Files extension disabled</source>
        <translation>Wyłączono rozszerzenie dla programu „Pliki”</translation>
    </message>
    <message>
        <source>To finish, run “sudo apt remove nimbra”. Nimbra will now quit.</source>
        <translation>Aby dokończyć, wykonaj polecenie „sudo apt remove nimbra”. Program Nimbra zostanie teraz zakończony.</translation>
    </message>
    <message>
        <source>The update server could not be reached (%1).</source>
        <translation>Nie można połączyć się z serwerem aktualizacji (%1).</translation>
    </message>
    <message>
        <source>The update information is not signed with Nimbra&apos;s release key, so it was ignored.</source>
        <translation>Informacje o aktualizacji nie są podpisane kluczem wydań programu Nimbra, więc zostały zignorowane.</translation>
    </message>
    <message>
        <source>The update information could not be read: %1.</source>
        <translation>Nie można odczytać informacji o aktualizacji: %1.</translation>
    </message>
    <message>
        <source>Nimbra %1 is available</source>
        <translation>Dostępna jest wersja %1 programu Nimbra</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>Zainstalowana jest wersja %1.</translation>
    </message>
    <message>
        <source>View Release Notes</source>
        <translation>Wyświetl informacje o wydaniu</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Program jest aktualny</translation>
    </message>
    <message>
        <source>Nimbra %1 is the newest version.</source>
        <translation>Nimbra %1 to najnowsza wersja.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t check for updates</source>
        <translation>Program Nimbra nie mógł sprawdzić aktualizacji</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>są za duże</translation>
    </message>
    <message>
        <source>its address is not an https address</source>
        <translation>jego adres nie jest adresem HTTPS</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Przenoszenie</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Kopiowanie</translation>
    </message>
    <message>
        <source>Moving “%1”…</source>
        <translation>Przenoszenie „%1”…</translation>
    </message>
    <message>
        <source>Copying “%1”…</source>
        <translation>Kopiowanie „%1”…</translation>
    </message>
    <message>
        <source>Files</source>
        <comment>GNOME&apos;s file manager</comment>
        <translation>Pliki</translation>
    </message>
</context>
</TS>
