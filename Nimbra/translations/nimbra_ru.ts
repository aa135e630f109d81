<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>Nimbra</name>
    <message>
        <source>Make Alias</source>
        <translation>Создать ссылку</translation>
    </message>
    <message>
        <source>Choose what the alias in “%1” should open</source>
        <translation>Выберите, что будет открывать ссылка в «%1»</translation>
    </message>
    <message>
        <source>Couldn&apos;t make the alias</source>
        <translation>Не удалось создать ссылку</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t save its switch. %1</source>
        <translation>Nimbra не удалось сохранить положение переключателя. %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn on Nimbra</source>
        <translation>Не удалось включить Nimbra</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn off Nimbra</source>
        <translation>Не удалось выключить Nimbra</translation>
    </message>
    <message>
        <source>Nimbra is misconfigured</source>
        <translation>Ошибка конфигурации Nimbra</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings store. This usually means the app needs to be reinstalled. Settings won&apos;t sync between the app and the Files extension until this is fixed.</source>
        <translation>Nimbra не может получить доступ к общему хранилищу настроек. Обычно это означает, что приложение нужно переустановить. Пока это не исправлено, настройки приложения и расширения для «Файлов» не будут синхронизироваться.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s name, quoted.</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on %1.</source>
        <translation>Недостаточно места в %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to open %1.</source>
        <translation>У вас нет прав на открытие %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to write to %1.</source>
        <translation>У вас нет прав на запись в %1.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>Папка %1 доступна только для чтения.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 больше не существует.</translation>
    </message>
    <message>
        <source>%1 is already taken in %2.</source>
        <translation>Имя %1 в папке %2 уже занято.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>Имя %1 слишком длинное.</translation>
    </message>
    <message>
        <source>The disk could not read or write %1.</source>
        <translation>Не удалось прочитать или записать %1 на диске.</translation>
    </message>
    <message>
        <source>%1 is in use. Try again in a moment.</source>
        <translation>%1 сейчас используется. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An item&apos;s name and what the system said went wrong with it.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be put inside itself.</source>
        <translation>%1 нельзя поместить внутрь себя.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings.</source>
        <translation>Nimbra не удалось сохранить «%1» в общих настройках.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an app.</source>
        <translation>Это не похоже на приложение.</translation>
    </message>
    <message>
        <source>Something unexpected went wrong.</source>
        <translation>Произошла непредвиденная ошибка.</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Проверить обновления…</translation>
    </message>
    <message>
        <source>Uninstall Nimbra…</source>
        <translation>Удалить Nimbra…</translation>
    </message>
    <message>
        <source>Quit Nimbra</source>
        <translation>Завершить Nimbra</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Добавить приложение</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Выбрать файл…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Choose an App</source>
        <translation>Выбор приложения</translation>
    </message>
    <message>
        <source>Applications (*.desktop);;All Files (*)</source>
        <translation>Приложения (*.desktop);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Extension cannot be empty</source>
        <translation>Расширение не может быть пустым</translation>
    </message>
    <message>
        <source>Extension too long (max 16 characters)</source>
        <translation>Расширение слишком длинное (не более 16 символов)</translation>
    </message>
    <message>
        <source>Allowed: letters, digits, . _ -</source>
        <translation>Допустимы: буквы, цифры, . _ -</translation>
    </message>
    <message>
        <source>Menu label</source>
        <translation>Название в меню</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Name of the new item</source>
        <translation>Имя нового объекта</translation>
    </message>
    <message>
        <source>Delete this custom type</source>
        <translation>Удалить этот пользовательский тип</translation>
    </message>
    <message>
        <source>Show in the Files menu</source>
        <translation>Показывать в меню «Файлов»</translation>
    </message>
    <message>
        <source>Enter a valid extension first</source>
        <translation>Сначала введите допустимое расширение</translation>
    </message>
    <message>
        <source>File extension (letters, digits, . _ -)</source>
        <translation>Расширение файла (буквы, цифры, . _ -)</translation>
    </message>
    <message>
        <source>Template…</source>
        <translation>Шаблон…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Изменить…</translation>
    </message>
    <message>
        <source>Items in the New menu, in menu order. Drag to reorder.</source>
        <translation>Пункты меню «Создать» в том порядке, в котором они идут в меню. Перетаскивайте их, чтобы изменить порядок.</translation>
    </message>
    <message>
        <source>Add Custom Type…</source>
        <translation>Добавить пользовательский тип…</translation>
    </message>
    <message>
        <source>Group under New ▸</source>
        <translation>Собрать в подменю «Создать ▸»</translation>
    </message>
    <message>
        <source>Show types even without an app to open them</source>
        <translation>Показывать типы, даже если нет приложения, которое их открывает</translation>
    </message>
    <message>
        <source>Off: Word, Pages and similar items only appear when an app that opens them is installed.</source>
        <translation>Если выключено, Word, Pages и подобные пункты появляются, только когда установлено приложение, которое их открывает.</translation>
    </message>
    <message>
        <source>Rename new items right away</source>
        <translation>Сразу переименовывать новые объекты</translation>
    </message>
    <message>
        <source>Like Windows, the name is ready to type over. Nimbra presses F2 in Files for you.</source>
        <translation>Как в Windows: имя выделено, и можно сразу ввести новое. Nimbra нажимает F2 в «Файлах» за вас.</translation>
    </message>
    <message>
        <source>Opens the folder in the chosen app. Only installed apps appear in Files.</source>
        <translation>Открывает папку в выбранном приложении. В «Файлах» показываются только установленные приложения.</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Добавить приложение…</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Не установлено</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Open Folder with</source>
        <translation>Открыть папку с помощью</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>Nimbra Preferences</source>
        <translation>Параметры Nimbra</translation>
    </message>
    <message>
        <source>Settings unavailable</source>
        <translation>Настройки недоступны</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings. Reinstall the app.</source>
        <translation>Nimbra не может получить доступ к общим настройкам. Переустановите приложение.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the change</source>
        <translation>Не удалось сохранить изменение</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings, so the menus in Files stay as they were.</source>
        <translation>Nimbra не удалось сохранить «%1» в общих настройках, поэтому меню в «Файлах» остались прежними.</translation>
    </message>
    <message>
        <source>Shown when you right-click selected files or folders.</source>
        <translation>Показывается при щелчке правой кнопкой мыши по выделенным файлам или папкам.</translation>
    </message>
    <message>
        <source>Not valid JSON yet — you can still save.</source>
        <translation>Пока это некорректный JSON, но сохранить его всё равно можно.</translation>
    </message>
    <message>
        <source>Tip: shell scripts usually start with a shebang, e.g. #!/bin/sh</source>
        <translation>Совет: сценарии оболочки обычно начинаются со строки shebang, например #!/bin/sh</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Шаблон</translation>
    </message>
    <message>
        <source>Template for .%1</source>
        <translation>Шаблон для .%1</translation>
    </message>
    <message>
        <source>Remove Template</source>
        <translation>Удалить шаблон</translation>
    </message>
    <message>
        <source>The type keeps working; new files start empty</source>
        <translation>Тип продолжит работать, а новые файлы будут создаваться пустыми</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Сохранить шаблон</translation>
    </message>
    <message>
        <source>The contents of every new file created with this type.</source>
        <translation>Содержимое каждого нового файла этого типа.</translation>
    </message>
    <message>
        <source>The contents of every new .%1 file created with this type.</source>
        <translation>Содержимое каждого нового файла .%1 этого типа.</translation>
    </message>
    <message>
        <source>now</source>
        <translation>только что</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>%n секунду назад</numerusform>
            <numerusform>%n секунды назад</numerusform>
            <numerusform>%n секунд назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n минуту назад</numerusform>
            <numerusform>%n минуты назад</numerusform>
            <numerusform>%n минут назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n час назад</numerusform>
            <numerusform>%n часа назад</numerusform>
            <numerusform>%n часов назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n день назад</numerusform>
            <numerusform>%n дня назад</numerusform>
            <numerusform>%n дней назад</numerusform>
        </translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>вчера</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n неделю назад</numerusform>
            <numerusform>%n недели назад</numerusform>
            <numerusform>%n недель назад</numerusform>
        </translation>
    </message>
    <message>
        <source>last week</source>
        <translation>на прошлой неделе</translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n месяц назад</numerusform>
            <numerusform>%n месяца назад</numerusform>
            <numerusform>%n месяцев назад</numerusform>
        </translation>
    </message>
    <message>
        <source>last month</source>
        <translation>в прошлом месяце</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n год назад</numerusform>
            <numerusform>%n года назад</numerusform>
            <numerusform>%n лет назад</numerusform>
        </translation>
    </message>
    <message>
        <source>last year</source>
        <translation>в прошлом году</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Автоматически проверять обновления</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Проверить сейчас</translation>
    </message>
    <message>
        <source>Once a day Nimbra asks %1 whether there&apos;s a new version. Updates are signed, and only the app&apos;s name and version are sent.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Раз в день Nimbra спрашивает у %1, не вышла ли новая версия. Обновления подписаны, а передаются только название и версия приложения.</translation>
    </message>
    <message>
        <source>Last checked %1</source>
        <extracomment>%1 is how long ago: &quot;now&quot;, &quot;2 hours ago&quot;, &quot;yesterday&quot;…</extracomment>
        <translation>Последняя проверка: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Выполнено</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Text Document</source>
        <translation>Текстовый документ</translation>
    </message>
    <message>
        <source>Microsoft Word Document</source>
        <translation>Документ Microsoft Word</translation>
    </message>
    <message>
        <source>Microsoft Excel Worksheet</source>
        <translation>Лист Microsoft Excel</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>Документ HTML</translation>
    </message>
    <message>
        <source>Compressed (zipped) folder</source>
        <translation>Сжатая ZIP-папка</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Рабочий стол</translation>
    </message>
    <message>
        <source>Desktop (create shortcut)</source>
        <translation>Рабочий стол (создать ссылку)</translation>
    </message>
    <message>
        <source>Another Folder…</source>
        <translation>Другая папка…</translation>
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
        <translation>Терминал</translation>
    </message>
    <message>
        <source>Right-click in any %1 window to get these.</source>
        <translation>Щёлкните правой кнопкой мыши в любом окне %1, чтобы открыть эти меню.</translation>
    </message>
    <message>
        <source>%2 menu now. Turn on Nimbra to add New, Send to and Open Folder with.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Так меню %1 выглядит сейчас. Включите Nimbra, чтобы добавить «Создать», «Отправить» и «Открыть папку с помощью».</translation>
    </message>
    <message>
        <source>Right-click like you did on Windows.</source>
        <translation>Щёлкайте правой кнопкой, как в Windows.</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Проверить снова</translation>
    </message>
    <message>
        <source>Nimbra is on in %1</source>
        <translation>Nimbra работает в %1</translation>
    </message>
    <message>
        <source>Turn on Nimbra in %1</source>
        <translation>Включите Nimbra в %1</translation>
    </message>
    <message>
        <source>You can turn it off again here.</source>
        <translation>Выключить расширение можно здесь же.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before restarting %1 if it has to.</source>
        <translation>Nimbra включает своё расширение для %1 и, если нужно перезапустить %1, сначала спрашивает разрешения.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before changing %2 settings if it has to.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra включает своё расширение для %1 и, если нужно изменить настройки %1, сначала спрашивает разрешения.</translation>
    </message>
    <message>
        <source>Turn Off…</source>
        <translation>Выключить…</translation>
    </message>
    <message>
        <source>Turn On…</source>
        <translation>Включить…</translation>
    </message>
    <message>
        <source>Right-click in a folder</source>
        <translation>Щёлкните правой кнопкой мыши в папке</translation>
    </message>
    <message>
        <source>It works. Nimbra has made something from %1.</source>
        <translation>Всё работает: с помощью Nimbra в %1 уже что-то создано.</translation>
    </message>
    <message>
        <source>Try New ▸ Text Document, right-click a file for Send to ▸, or a folder for Open Folder with ▸.</source>
        <translation>Попробуйте «Создать ▸ Текстовый документ», щёлкните правой кнопкой мыши по файлу, чтобы увидеть «Отправить ▸», или по папке — чтобы увидеть «Открыть папку с помощью ▸».</translation>
    </message>
    <message>
        <source>Make the menus yours</source>
        <translation>Настройте меню под себя</translation>
    </message>
    <message>
        <source>Pick which file types, Send to places and apps appear, and in what order.</source>
        <translation>Выберите, какие типы файлов, места назначения в меню «Отправить» и приложения будут показаны и в каком порядке.</translation>
    </message>
    <message>
        <source>Customize Menus…</source>
        <translation>Настроить меню…</translation>
    </message>
    <message>
        <source>Nimbra isn&apos;t installed in %1</source>
        <translation>Расширение Nimbra для %1 не установлено</translation>
    </message>
    <message>
        <source>%1 loads its extensions from %2, and Nimbra&apos;s is not there. Install Nimbra again, then choose Turn On… once more.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the folder it loads its extensions from.</extracomment>
        <translation>%1 загружает расширения из %2, но расширения Nimbra там нет. Установите Nimbra заново, а затем снова выберите «Включить…».</translation>
    </message>
    <message>
        <source>Turn off Nimbra in %1?</source>
        <translation>Выключить Nimbra в %1?</translation>
    </message>
    <message>
        <source>New, Send to and Open Folder with leave %2 menus at once. You can turn Nimbra on again here.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Пункты «Создать», «Отправить» и «Открыть папку с помощью» сразу исчезнут из меню %1. Снова включить Nimbra можно здесь же.</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>Restart %1?</source>
        <translation>Перезапустить %1?</translation>
    </message>
    <message>
        <source>%1 loads Nimbra when it starts. Restarting closes the %1 windows, so let copies and moves in %1 finish first.</source>
        <translation>%1 загружает Nimbra при запуске. При перезапуске окна %1 закроются, поэтому сначала дождитесь окончания копирования и перемещения в %1.</translation>
    </message>
    <message>
        <source>Restart %1</source>
        <translation>Перезапустить %1</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>Switch on Nimbra in %1?</source>
        <translation>Включить Nimbra в %1?</translation>
    </message>
    <message>
        <source>Nimbra is switched off in %2 context menu settings. Switch it on there?</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Расширение Nimbra выключено в настройках контекстного меню %1. Включить его там?</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Choose a folder for “%1”</source>
        <translation>Выберите папку для «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Choose a folder for the %n items</source>
        <extracomment>Never fewer than two items.</extracomment>
        <translation>
            <numerusform>Выберите папку для %n объекта</numerusform>
            <numerusform>Выберите папку для %n объектов</numerusform>
            <numerusform>Выберите папку для %n объектов</numerusform>
        </translation>
    </message>
    <message>
        <source>Send to Another Folder</source>
        <translation>Отправить в другую папку</translation>
    </message>
    <message>
        <source>Send by:</source>
        <translation>Способ отправки:</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Переместить</translation>
    </message>
    <message>
        <source>Move Here</source>
        <translation>Переместить сюда</translation>
    </message>
    <message>
        <source>Copy Here</source>
        <translation>Копировать сюда</translation>
    </message>
    <message>
        <source>Can&apos;t put “%1” inside itself</source>
        <translation>Нельзя поместить «%1» внутрь себя</translation>
    </message>
    <message>
        <source>Choose a folder outside it.</source>
        <translation>Выберите папку за её пределами.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move the items</source>
        <translation>Не удалось переместить объекты</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the items</source>
        <translation>Не удалось скопировать объекты</translation>
    </message>
    <message>
        <source>Uninstall Nimbra?</source>
        <translation>Удалить Nimbra?</translation>
    </message>
    <message>
        <source>This turns off the Files extension and shows the command that removes Nimbra. Nothing is deleted automatically.</source>
        <translation>Расширение для «Файлов» будет выключено, и вы увидите команду, которая удаляет Nimbra. Автоматически ничего не удаляется.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Also remove my saved file types</source>
        <translation>Удалить также мои сохранённые типы файлов</translation>
    </message>
    <message>
        <source>Nothing was removed. Once that is mended, choose Uninstall Nimbra… again.</source>
        <translation>Ничего не удалено. Когда это будет исправлено, снова выберите «Удалить Nimbra…».</translation>
    </message>
    <message>
        <source>Files extension disabled</source>
        <translation>Расширение для «Файлов» выключено</translation>
    </message>
    <message>
        <source>To finish, run “sudo apt remove nimbra”. Nimbra will now quit.</source>
        <translation>Чтобы завершить удаление, выполните «sudo apt remove nimbra». Сейчас Nimbra завершит работу.</translation>
    </message>
    <message>
        <source>The update server could not be reached (%1).</source>
        <translation>Не удалось связаться с сервером обновлений (%1).</translation>
    </message>
    <message>
        <source>The update information is not signed with Nimbra&apos;s release key, so it was ignored.</source>
        <translation>Сведения об обновлении не подписаны ключом выпусков Nimbra, поэтому они проигнорированы.</translation>
    </message>
    <message>
        <source>The update information could not be read: %1.</source>
        <translation>Не удалось прочитать сведения об обновлении: %1.</translation>
    </message>
    <message>
        <source>Nimbra %1 is available</source>
        <translation>Доступна версия Nimbra %1</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>У вас установлена версия %1.</translation>
    </message>
    <message>
        <source>View Release Notes</source>
        <translation>Посмотреть примечания к выпуску</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Установлена последняя версия</translation>
    </message>
    <message>
        <source>Nimbra %1 is the newest version.</source>
        <translation>Nimbra %1 — новейшая версия.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t check for updates</source>
        <translation>Nimbra не удалось проверить обновления</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>слишком большой объём данных</translation>
    </message>
    <message>
        <source>its address is not an https address</source>
        <translation>адрес сервера не является адресом HTTPS</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Перемещение</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Копирование</translation>
    </message>
    <message>
        <source>Moving “%1”…</source>
        <translation>Перемещение «%1»…</translation>
    </message>
    <message>
        <source>Copying “%1”…</source>
        <translation>Копирование «%1»…</translation>
    </message>
    <message>
        <source>Files</source>
        <comment>GNOME&apos;s file manager</comment>
        <translation>Файлы</translation>
    </message>
</context>
</TS>
