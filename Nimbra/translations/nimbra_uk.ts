<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en">
<context>
    <name>Nimbra</name>
    <message>
        <source>Make Alias</source>
        <translation>Створити посилання</translation>
    </message>
    <message>
        <source>Choose what the alias in “%1” should open</source>
        <translation>Виберіть, що відкриватиме посилання в «%1»</translation>
    </message>
    <message>
        <source>Couldn&apos;t make the alias</source>
        <translation>Не вдалося створити посилання</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t save its switch. %1</source>
        <translation>Nimbra не вдалося зберегти стан перемикача. %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn on Nimbra</source>
        <translation>Не вдалося увімкнути Nimbra</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn off Nimbra</source>
        <translation>Не вдалося вимкнути Nimbra</translation>
    </message>
    <message>
        <source>Nimbra is misconfigured</source>
        <translation>Помилка конфігурації Nimbra</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings store. This usually means the app needs to be reinstalled. Settings won&apos;t sync between the app and the Files extension until this is fixed.</source>
        <translation>Nimbra не може отримати доступ до спільного сховища параметрів. Зазвичай це означає, що програму слід перевстановити. Доки це не виправлено, параметри програми й розширення для «Файлів» не синхронізуватимуться.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s name, quoted.</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on %1.</source>
        <translation>Недостатньо місця в %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to open %1.</source>
        <translation>У вас немає прав на відкриття %1.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to write to %1.</source>
        <translation>У вас немає прав на запис до %1.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>Тека %1 доступна лише для читання.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 більше не існує.</translation>
    </message>
    <message>
        <source>%1 is already taken in %2.</source>
        <translation>Назва %1 у теці %2 вже зайнята.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>Назва %1 задовга.</translation>
    </message>
    <message>
        <source>The disk could not read or write %1.</source>
        <translation>Не вдалося прочитати або записати %1 на диску.</translation>
    </message>
    <message>
        <source>%1 is in use. Try again in a moment.</source>
        <translation>%1 зараз використовується. Повторіть спробу трохи згодом.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An item&apos;s name and what the system said went wrong with it.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be put inside itself.</source>
        <translation>%1 не можна помістити всередину себе.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings.</source>
        <translation>Nimbra не вдалося зберегти «%1» у спільних параметрах.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an app.</source>
        <translation>Це не схоже на програму.</translation>
    </message>
    <message>
        <source>Something unexpected went wrong.</source>
        <translation>Сталася неочікувана помилка.</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Параметри…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Перевірити оновлення…</translation>
    </message>
    <message>
        <source>Uninstall Nimbra…</source>
        <translation>Вилучити Nimbra…</translation>
    </message>
    <message>
        <source>Quit Nimbra</source>
        <translation>Вийти з Nimbra</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Додати програму</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Вибрати файл…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Choose an App</source>
        <translation>Вибір програми</translation>
    </message>
    <message>
        <source>Applications (*.desktop);;All Files (*)</source>
        <translation>Програми (*.desktop);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Extension cannot be empty</source>
        <translation>Розширення не може бути порожнім</translation>
    </message>
    <message>
        <source>Extension too long (max 16 characters)</source>
        <translation>Розширення задовге (не більше 16 символів)</translation>
    </message>
    <message>
        <source>Allowed: letters, digits, . _ -</source>
        <translation>Дозволено: літери, цифри, . _ -</translation>
    </message>
    <message>
        <source>Menu label</source>
        <translation>Назва в меню</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Name of the new item</source>
        <translation>Назва нового об’єкта</translation>
    </message>
    <message>
        <source>Delete this custom type</source>
        <translation>Вилучити цей власний тип</translation>
    </message>
    <message>
        <source>Show in the Files menu</source>
        <translation>Показувати в меню «Файлів»</translation>
    </message>
    <message>
        <source>Enter a valid extension first</source>
        <translation>Спочатку введіть коректне розширення</translation>
    </message>
    <message>
        <source>File extension (letters, digits, . _ -)</source>
        <translation>Розширення файлу (літери, цифри, . _ -)</translation>
    </message>
    <message>
        <source>Template…</source>
        <translation>Шаблон…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Змінити…</translation>
    </message>
    <message>
        <source>Items in the New menu, in menu order. Drag to reorder.</source>
        <translation>Пункти меню «Створити» в тому порядку, у якому вони йдуть у меню. Перетягуйте їх, щоб змінити порядок.</translation>
    </message>
    <message>
        <source>Add Custom Type…</source>
        <translation>Додати власний тип…</translation>
    </message>
    <message>
        <source>Group under New ▸</source>
        <translation>Зібрати в підменю «Створити ▸»</translation>
    </message>
    <message>
        <source>Show types even without an app to open them</source>
        <translation>Показувати типи, навіть якщо немає програми, яка їх відкриває</translation>
    </message>
    <message>
        <source>Off: Word, Pages and similar items only appear when an app that opens them is installed.</source>
        <translation>Якщо вимкнено, Word, Pages і подібні пункти з’являються, лише коли встановлено програму, яка їх відкриває.</translation>
    </message>
    <message>
        <source>Rename new items right away</source>
        <translation>Одразу перейменовувати нові об’єкти</translation>
    </message>
    <message>
        <source>Like Windows, the name is ready to type over. Nimbra presses F2 in Files for you.</source>
        <translation>Як у Windows: назву виділено, і можна одразу ввести нову. Nimbra натискає F2 у «Файлах» за вас.</translation>
    </message>
    <message>
        <source>Opens the folder in the chosen app. Only installed apps appear in Files.</source>
        <translation>Відкриває теку у вибраній програмі. У «Файлах» показуються лише встановлені програми.</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Додати програму…</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Не встановлено</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Надіслати</translation>
    </message>
    <message>
        <source>Open Folder with</source>
        <translation>Відкрити теку у програмі</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Nimbra Preferences</source>
        <translation>Налаштування Nimbra</translation>
    </message>
    <message>
        <source>Settings unavailable</source>
        <translation>Параметри недоступні</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings. Reinstall the app.</source>
        <translation>Nimbra не може отримати доступ до спільних параметрів. Перевстановіть програму.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the change</source>
        <translation>Не вдалося зберегти зміну</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings, so the menus in Files stay as they were.</source>
        <translation>Nimbra не вдалося зберегти «%1» у спільних параметрах, тому меню у «Файлах» лишилися без змін.</translation>
    </message>
    <message>
        <source>Shown when you right-click selected files or folders.</source>
        <translation>Показується, коли ви клацаєте правою кнопкою миші на вибраних файлах або теках.</translation>
    </message>
    <message>
        <source>Not valid JSON yet — you can still save.</source>
        <translation>Поки це некоректний JSON, але зберегти його все одно можна.</translation>
    </message>
    <message>
        <source>Tip: shell scripts usually start with a shebang, e.g. #!/bin/sh</source>
        <translation>Порада: скрипти оболонки зазвичай починаються з рядка shebang, наприклад #!/bin/sh</translation>
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
        <translation>Вилучити шаблон</translation>
    </message>
    <message>
        <source>The type keeps working; new files start empty</source>
        <translation>Тип і далі працюватиме, а нові файли створюватимуться порожніми</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Зберегти шаблон</translation>
    </message>
    <message>
        <source>The contents of every new file created with this type.</source>
        <translation>Вміст кожного нового файлу цього типу.</translation>
    </message>
    <message>
        <source>The contents of every new .%1 file created with this type.</source>
        <translation>Вміст кожного нового файлу .%1 цього типу.</translation>
    </message>
    <message>
        <source>now</source>
        <translation>щойно</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>%n секунду тому</numerusform>
            <numerusform>%n секунди тому</numerusform>
            <numerusform>%n секунд тому</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n хвилину тому</numerusform>
            <numerusform>%n хвилини тому</numerusform>
            <numerusform>%n хвилин тому</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n годину тому</numerusform>
            <numerusform>%n години тому</numerusform>
            <numerusform>%n годин тому</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n день тому</numerusform>
            <numerusform>%n дні тому</numerusform>
            <numerusform>%n днів тому</numerusform>
        </translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>учора</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n тиждень тому</numerusform>
            <numerusform>%n тижні тому</numerusform>
            <numerusform>%n тижнів тому</numerusform>
        </translation>
    </message>
    <message>
        <source>last week</source>
        <translation>минулого тижня</translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n місяць тому</numerusform>
            <numerusform>%n місяці тому</numerusform>
            <numerusform>%n місяців тому</numerusform>
        </translation>
    </message>
    <message>
        <source>last month</source>
        <translation>минулого місяця</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n рік тому</numerusform>
            <numerusform>%n роки тому</numerusform>
            <numerusform>%n років тому</numerusform>
        </translation>
    </message>
    <message>
        <source>last year</source>
        <translation>минулого року</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Автоматично перевіряти оновлення</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Перевірити зараз</translation>
    </message>
    <message>
        <source>Once a day Nimbra asks %1 whether there&apos;s a new version. Updates are signed, and only the app&apos;s name and version are sent.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Раз на день Nimbra запитує в %1, чи не вийшла нова версія. Оновлення підписано, а надсилаються лише назва й версія програми.</translation>
    </message>
    <message>
        <source>Last checked %1</source>
        <extracomment>%1 is how long ago: &quot;now&quot;, &quot;2 hours ago&quot;, &quot;yesterday&quot;…</extracomment>
        <translation>Остання перевірка: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Виконано</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Нова тека</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Властивості</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Позначити все</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Тека</translation>
    </message>
    <message>
        <source>Text Document</source>
        <translation>Текстовий документ</translation>
    </message>
    <message>
        <source>Microsoft Word Document</source>
        <translation>Документ Microsoft Word</translation>
    </message>
    <message>
        <source>Microsoft Excel Worksheet</source>
        <translation>Аркуш Microsoft Excel</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>Документ HTML</translation>
    </message>
    <message>
        <source>Compressed (zipped) folder</source>
        <translation>Стиснута ZIP-тека</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Стільниця</translation>
    </message>
    <message>
        <source>Desktop (create shortcut)</source>
        <translation>Стільниця (створити посилання)</translation>
    </message>
    <message>
        <source>Another Folder…</source>
        <translation>Інша тека…</translation>
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
        <translation>Термінал</translation>
    </message>
    <message>
        <source>Right-click in any %1 window to get these.</source>
        <translation>Клацніть правою кнопкою миші в будь-якому вікні %1, щоб відкрити ці меню.</translation>
    </message>
    <message>
        <source>%2 menu now. Turn on Nimbra to add New, Send to and Open Folder with.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Так меню %1 виглядає зараз. Увімкніть Nimbra, щоб додати «Створити», «Надіслати» і «Відкрити теку у програмі».</translation>
    </message>
    <message>
        <source>Right-click like you did on Windows.</source>
        <translation>Клацайте правою кнопкою, як у Windows.</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Перевірити знову</translation>
    </message>
    <message>
        <source>Nimbra is on in %1</source>
        <translation>Nimbra працює в %1</translation>
    </message>
    <message>
        <source>Turn on Nimbra in %1</source>
        <translation>Увімкніть Nimbra в %1</translation>
    </message>
    <message>
        <source>You can turn it off again here.</source>
        <translation>Вимкнути розширення можна тут же.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before restarting %1 if it has to.</source>
        <translation>Nimbra вмикає своє розширення для %1 і, якщо треба перезапустити %1, спершу питає дозволу.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before changing %2 settings if it has to.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra вмикає своє розширення для %1 і, якщо треба змінити параметри %1, спершу питає дозволу.</translation>
    </message>
    <message>
        <source>Turn Off…</source>
        <translation>Вимкнути…</translation>
    </message>
    <message>
        <source>Turn On…</source>
        <translation>Увімкнути…</translation>
    </message>
    <message>
        <source>Right-click in a folder</source>
        <translation>Клацніть правою кнопкою миші в теці</translation>
    </message>
    <message>
        <source>It works. Nimbra has made something from %1.</source>
        <translation>Усе працює: за допомогою Nimbra в %1 уже щось створено.</translation>
    </message>
    <message>
        <source>Try New ▸ Text Document, right-click a file for Send to ▸, or a folder for Open Folder with ▸.</source>
        <translation>Спробуйте «Створити ▸ Текстовий документ», клацніть правою кнопкою миші на файлі, щоб побачити «Надіслати ▸», або на теці — щоб побачити «Відкрити теку у програмі ▸».</translation>
    </message>
    <message>
        <source>Make the menus yours</source>
        <translation>Налаштуйте меню під себе</translation>
    </message>
    <message>
        <source>Pick which file types, Send to places and apps appear, and in what order.</source>
        <translation>Виберіть, які типи файлів, місця призначення в меню «Надіслати» і програми буде показано і в якому порядку.</translation>
    </message>
    <message>
        <source>Customize Menus…</source>
        <translation>Налаштувати меню…</translation>
    </message>
    <message>
        <source>Nimbra isn&apos;t installed in %1</source>
        <translation>Розширення Nimbra для %1 не встановлено</translation>
    </message>
    <message>
        <source>%1 loads its extensions from %2, and Nimbra&apos;s is not there. Install Nimbra again, then choose Turn On… once more.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the folder it loads its extensions from.</extracomment>
        <translation>%1 завантажує розширення з %2, але розширення Nimbra там немає. Встановіть Nimbra знову, а потім ще раз виберіть «Увімкнути…».</translation>
    </message>
    <message>
        <source>Turn off Nimbra in %1?</source>
        <translation>Вимкнути Nimbra в %1?</translation>
    </message>
    <message>
        <source>New, Send to and Open Folder with leave %2 menus at once. You can turn Nimbra on again here.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Пункти «Створити», «Надіслати» і «Відкрити теку у програмі» одразу зникнуть з меню %1. Знову увімкнути Nimbra можна тут же.</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Restart %1?</source>
        <translation>Перезапустити %1?</translation>
    </message>
    <message>
        <source>%1 loads Nimbra when it starts. Restarting closes the %1 windows, so let copies and moves in %1 finish first.</source>
        <translation>%1 завантажує Nimbra під час запуску. Під час перезапуску вікна %1 закриються, тому спершу дочекайтеся завершення копіювання й переміщення в %1.</translation>
    </message>
    <message>
        <source>Restart %1</source>
        <translation>Перезапустити %1</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Не зараз</translation>
    </message>
    <message>
        <source>Switch on Nimbra in %1?</source>
        <translation>Увімкнути Nimbra в %1?</translation>
    </message>
    <message>
        <source>Nimbra is switched off in %2 context menu settings. Switch it on there?</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Розширення Nimbra вимкнено в параметрах контекстного меню %1. Увімкнути його там?</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Увімкнути</translation>
    </message>
    <message>
        <source>Choose a folder for “%1”</source>
        <translation>Виберіть теку для «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Choose a folder for the %n items</source>
        <extracomment>Never fewer than two items.</extracomment>
        <translation>
            <numerusform>Виберіть теку для %n об’єкта</numerusform>
            <numerusform>Виберіть теку для %n об’єктів</numerusform>
            <numerusform>Виберіть теку для %n об’єктів</numerusform>
        </translation>
    </message>
    <message>
        <source>Send to Another Folder</source>
        <translation>Надіслати до іншої теки</translation>
    </message>
    <message>
        <source>Send by:</source>
        <translation>Спосіб надсилання:</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Перемістити</translation>
    </message>
    <message>
        <source>Move Here</source>
        <translation>Перемістити сюди</translation>
    </message>
    <message>
        <source>Copy Here</source>
        <translation>Копіювати сюди</translation>
    </message>
    <message>
        <source>Can&apos;t put “%1” inside itself</source>
        <translation>Не можна помістити «%1» всередину себе</translation>
    </message>
    <message>
        <source>Choose a folder outside it.</source>
        <translation>Виберіть теку поза нею.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move the items</source>
        <translation>Не вдалося перемістити об’єкти</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the items</source>
        <translation>Не вдалося скопіювати об’єкти</translation>
    </message>
    <message>
        <source>Uninstall Nimbra?</source>
        <translation>Вилучити Nimbra?</translation>
    </message>
    <message>
        <source>This turns off the Files extension and shows the command that removes Nimbra. Nothing is deleted automatically.</source>
        <translation>Розширення для «Файлів» буде вимкнено, і ви побачите команду, яка вилучає Nimbra. Автоматично нічого не вилучається.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>Also remove my saved file types</source>
        <translation>Також вилучити мої збережені типи файлів</translation>
    </message>
    <message>
        <source>Nothing was removed. Once that is mended, choose Uninstall Nimbra… again.</source>
        <translation>Нічого не вилучено. Коли це буде виправлено, знову виберіть «Вилучити Nimbra…».</translation>
    </message>
    <message>
        <source>Files extension disabled</source>
        <translation>Розширення для «Файлів» вимкнено</translation>
    </message>
    <message>
        <source>To finish, run “sudo apt remove nimbra”. Nimbra will now quit.</source>
        <translation>Щоб завершити вилучення, виконайте «sudo apt remove nimbra». Зараз Nimbra завершить роботу.</translation>
    </message>
    <message>
        <source>The update server could not be reached (%1).</source>
        <translation>Не вдалося зв’язатися із сервером оновлень (%1).</translation>
    </message>
    <message>
        <source>The update information is not signed with Nimbra&apos;s release key, so it was ignored.</source>
        <translation>Відомості про оновлення не підписано ключем випусків Nimbra, тому їх проігноровано.</translation>
    </message>
    <message>
        <source>The update information could not be read: %1.</source>
        <translation>Не вдалося прочитати відомості про оновлення: %1.</translation>
    </message>
    <message>
        <source>Nimbra %1 is available</source>
        <translation>Доступна версія Nimbra %1</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>У вас встановлено версію %1.</translation>
    </message>
    <message>
        <source>View Release Notes</source>
        <translation>Переглянути нотатки до випуску</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Пізніше</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Встановлено найновішу версію</translation>
    </message>
    <message>
        <source>Nimbra %1 is the newest version.</source>
        <translation>Nimbra %1 — найновіша версія.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t check for updates</source>
        <translation>Nimbra не вдалося перевірити оновлення</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>завеликий обсяг даних</translation>
    </message>
    <message>
        <source>its address is not an https address</source>
        <translation>адреса сервера не є адресою HTTPS</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Переміщення</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Копіювання</translation>
    </message>
    <message>
        <source>Moving “%1”…</source>
        <translation>Переміщення «%1»…</translation>
    </message>
    <message>
        <source>Copying “%1”…</source>
        <translation>Копіювання «%1»…</translation>
    </message>
    <message>
        <source>Files</source>
        <comment>GNOME&apos;s file manager</comment>
        <translation>Файли</translation>
    </message>
</context>
</TS>
