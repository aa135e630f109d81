<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Nimbra</name>
    <message>
        <source>Make Alias</source>
        <translation>リンクを作成</translation>
    </message>
    <message>
        <source>Choose what the alias in “%1” should open</source>
        <translation>「%1」に作成するリンクのリンク先を選択してください</translation>
    </message>
    <message>
        <source>Couldn&apos;t make the alias</source>
        <translation>リンクを作成できませんでした</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t save its switch. %1</source>
        <translation>Nimbra はオン/オフの設定を保存できませんでした。%1</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn on Nimbra</source>
        <translation>Nimbra をオンにできませんでした</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn off Nimbra</source>
        <translation>Nimbra をオフにできませんでした</translation>
    </message>
    <message>
        <source>Nimbra is misconfigured</source>
        <translation>Nimbra の構成に問題があります</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings store. This usually means the app needs to be reinstalled. Settings won&apos;t sync between the app and the Files extension until this is fixed.</source>
        <translation>Nimbra が共有設定の保存場所にアクセスできません。通常、アプリの再インストールが必要です。この問題が解決するまで、アプリと「ファイル」の拡張機能との間で設定は同期されません。</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s name, quoted.</extracomment>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on %1.</source>
        <translation>%1に十分な空き容量がありません。</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to open %1.</source>
        <translation>%1を開く権限がありません。</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to write to %1.</source>
        <translation>%1に書き込む権限がありません。</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1は読み取り専用です。</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1はもう存在しません。</translation>
    </message>
    <message>
        <source>%1 is already taken in %2.</source>
        <translation>%2には%1という名前のアイテムがすでにあります。</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>%1という名前は長すぎます。</translation>
    </message>
    <message>
        <source>The disk could not read or write %1.</source>
        <translation>ディスクで%1の読み書きができませんでした。</translation>
    </message>
    <message>
        <source>%1 is in use. Try again in a moment.</source>
        <translation>%1は使用中です。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An item&apos;s name and what the system said went wrong with it.</extracomment>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>%1 can&apos;t be put inside itself.</source>
        <translation>%1をそれ自体の中に入れることはできません。</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings.</source>
        <translation>Nimbra は「%1」を共有設定に保存できませんでした。</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an app.</source>
        <translation>アプリではないようです。</translation>
    </message>
    <message>
        <source>Something unexpected went wrong.</source>
        <translation>予期しない問題が発生しました。</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Uninstall Nimbra…</source>
        <translation>Nimbra をアンインストール…</translation>
    </message>
    <message>
        <source>Quit Nimbra</source>
        <translation>Nimbra を終了</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>アプリを追加</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>ファイルを選択…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Choose an App</source>
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>Applications (*.desktop);;All Files (*)</source>
        <translation>アプリ (*.desktop);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Extension cannot be empty</source>
        <translation>拡張子を入力してください</translation>
    </message>
    <message>
        <source>Extension too long (max 16 characters)</source>
        <translation>拡張子が長すぎます（最大 16 文字）</translation>
    </message>
    <message>
        <source>Allowed: letters, digits, . _ -</source>
        <translation>使用できる文字：英字、数字、. _ -</translation>
    </message>
    <message>
        <source>Menu label</source>
        <translation>メニューの表示名</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Name of the new item</source>
        <translation>新しいアイテムの名前</translation>
    </message>
    <message>
        <source>Delete this custom type</source>
        <translation>このカスタムタイプを削除</translation>
    </message>
    <message>
        <source>Show in the Files menu</source>
        <translation>「ファイル」のメニューに表示</translation>
    </message>
    <message>
        <source>Enter a valid extension first</source>
        <translation>先に有効な拡張子を入力してください</translation>
    </message>
    <message>
        <source>File extension (letters, digits, . _ -)</source>
        <translation>ファイルの拡張子（英字、数字、. _ -）</translation>
    </message>
    <message>
        <source>Template…</source>
        <translation>テンプレート…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>編集…</translation>
    </message>
    <message>
        <source>Items in the New menu, in menu order. Drag to reorder.</source>
        <translation>「新規作成」メニューの項目です（メニューでの表示順）。ドラッグして並べ替えられます。</translation>
    </message>
    <message>
        <source>Add Custom Type…</source>
        <translation>カスタムタイプを追加…</translation>
    </message>
    <message>
        <source>Group under New ▸</source>
        <translation>「新規作成 ▸」の下にまとめる</translation>
    </message>
    <message>
        <source>Show types even without an app to open them</source>
        <translation>開けるアプリがない種類も表示する</translation>
    </message>
    <message>
        <source>Off: Word, Pages and similar items only appear when an app that opens them is installed.</source>
        <translation>オフの場合：Word や Pages などの項目は、それを開けるアプリがインストールされているときだけ表示されます。</translation>
    </message>
    <message>
        <source>Rename new items right away</source>
        <translation>新しいアイテムの名前をすぐに変更する</translation>
    </message>
    <message>
        <source>Like Windows, the name is ready to type over. Nimbra presses F2 in Files for you.</source>
        <translation>Windows と同じように、そのまま名前を入力できます。Nimbra が「ファイル」で代わりに F2 キーを押します。</translation>
    </message>
    <message>
        <source>Opens the folder in the chosen app. Only installed apps appear in Files.</source>
        <translation>選択したアプリでフォルダーを開きます。「ファイル」にはインストール済みのアプリだけが表示されます。</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>アプリを追加…</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>未インストール</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>送る</translation>
    </message>
    <message>
        <source>Open Folder with</source>
        <translation>フォルダーをアプリで開く</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Nimbra Preferences</source>
        <translation>Nimbra の設定</translation>
    </message>
    <message>
        <source>Settings unavailable</source>
        <translation>設定を利用できません</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings. Reinstall the app.</source>
        <translation>Nimbra が共有設定にアクセスできません。アプリを再インストールしてください。</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the change</source>
        <translation>変更を保存できませんでした</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings, so the menus in Files stay as they were.</source>
        <translation>Nimbra は「%1」を共有設定に保存できなかったため、「ファイル」のメニューは変更されていません。</translation>
    </message>
    <message>
        <source>Shown when you right-click selected files or folders.</source>
        <translation>選択したファイルやフォルダーを右クリックしたときに表示されます。</translation>
    </message>
    <message>
        <source>Not valid JSON yet — you can still save.</source>
        <translation>まだ有効な JSON ではありませんが、保存はできます。</translation>
    </message>
    <message>
        <source>Tip: shell scripts usually start with a shebang, e.g. #!/bin/sh</source>
        <translation>ヒント：シェルスクリプトは通常 shebang で始まります（例：#!/bin/sh）</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>テンプレート</translation>
    </message>
    <message>
        <source>Template for .%1</source>
        <translation>.%1 のテンプレート</translation>
    </message>
    <message>
        <source>Remove Template</source>
        <translation>テンプレートを削除</translation>
    </message>
    <message>
        <source>The type keeps working; new files start empty</source>
        <translation>この種類は引き続き使えます。新しいファイルは空で作成されます</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>テンプレートを保存</translation>
    </message>
    <message>
        <source>The contents of every new file created with this type.</source>
        <translation>この種類で作成するすべての新しいファイルの内容です。</translation>
    </message>
    <message>
        <source>The contents of every new .%1 file created with this type.</source>
        <translation>この種類で作成するすべての新しい .%1 ファイルの内容です。</translation>
    </message>
    <message>
        <source>now</source>
        <translation>たった今</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>%n 秒前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n 分前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n 時間前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n 日前</numerusform>
        </translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>昨日</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n 週間前</numerusform>
        </translation>
    </message>
    <message>
        <source>last week</source>
        <translation>先週</translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n か月前</numerusform>
        </translation>
    </message>
    <message>
        <source>last month</source>
        <translation>先月</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n 年前</numerusform>
        </translation>
    </message>
    <message>
        <source>last year</source>
        <translation>昨年</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>アップデートを自動的に確認</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>今すぐ確認</translation>
    </message>
    <message>
        <source>Once a day Nimbra asks %1 whether there&apos;s a new version. Updates are signed, and only the app&apos;s name and version are sent.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Nimbra は 1 日に 1 回、新しいバージョンがあるかどうかを %1 に問い合わせます。アップデートには署名が付いており、送信されるのはアプリの名前とバージョンだけです。</translation>
    </message>
    <message>
        <source>Last checked %1</source>
        <extracomment>%1 is how long ago: &quot;now&quot;, &quot;2 hours ago&quot;, &quot;yesterday&quot;…</extracomment>
        <translation>最終確認：%1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新しいフォルダー</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Text Document</source>
        <translation>テキストドキュメント</translation>
    </message>
    <message>
        <source>Microsoft Word Document</source>
        <translation>Microsoft Word 文書</translation>
    </message>
    <message>
        <source>Microsoft Excel Worksheet</source>
        <translation>Microsoft Excel ワークシート</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>HTML ドキュメント</translation>
    </message>
    <message>
        <source>Compressed (zipped) folder</source>
        <translation>圧縮（ZIP 形式）フォルダー</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>Desktop (create shortcut)</source>
        <translation>デスクトップ（リンクを作成）</translation>
    </message>
    <message>
        <source>Another Folder…</source>
        <translation>別のフォルダー…</translation>
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
        <translation>ターミナル</translation>
    </message>
    <message>
        <source>Right-click in any %1 window to get these.</source>
        <translation>%1 のどのウィンドウでも、右クリックするとこれらのメニューが表示されます。</translation>
    </message>
    <message>
        <source>%2 menu now. Turn on Nimbra to add New, Send to and Open Folder with.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>現在の %1 のメニューです。Nimbra をオンにすると「新規作成」「送る」「フォルダーをアプリで開く」が追加されます。</translation>
    </message>
    <message>
        <source>Right-click like you did on Windows.</source>
        <translation>Windows と同じように右クリック。</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>もう一度確認</translation>
    </message>
    <message>
        <source>Nimbra is on in %1</source>
        <translation>%1 で Nimbra がオンになっています</translation>
    </message>
    <message>
        <source>Turn on Nimbra in %1</source>
        <translation>%1 で Nimbra をオンにする</translation>
    </message>
    <message>
        <source>You can turn it off again here.</source>
        <translation>ここでいつでもオフに戻せます。</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before restarting %1 if it has to.</source>
        <translation>Nimbra は %1 用の拡張機能をオンにします。%1 の再起動が必要な場合は、事前に確認します。</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before changing %2 settings if it has to.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra は %1 用の拡張機能をオンにします。%1 の設定を変更する必要がある場合は、事前に確認します。</translation>
    </message>
    <message>
        <source>Turn Off…</source>
        <translation>オフにする…</translation>
    </message>
    <message>
        <source>Turn On…</source>
        <translation>オンにする…</translation>
    </message>
    <message>
        <source>Right-click in a folder</source>
        <translation>フォルダー内で右クリック</translation>
    </message>
    <message>
        <source>It works. Nimbra has made something from %1.</source>
        <translation>動作しています。Nimbra が %1 からアイテムを作成しました。</translation>
    </message>
    <message>
        <source>Try New ▸ Text Document, right-click a file for Send to ▸, or a folder for Open Folder with ▸.</source>
        <translation>「新規作成 ▸ テキストドキュメント」を試してみましょう。ファイルを右クリックすると「送る ▸」、フォルダーを右クリックすると「フォルダーをアプリで開く ▸」が使えます。</translation>
    </message>
    <message>
        <source>Make the menus yours</source>
        <translation>メニューを自分好みに</translation>
    </message>
    <message>
        <source>Pick which file types, Send to places and apps appear, and in what order.</source>
        <translation>表示するファイルの種類、「送る」の送り先、アプリと、その並び順を選べます。</translation>
    </message>
    <message>
        <source>Customize Menus…</source>
        <translation>メニューをカスタマイズ…</translation>
    </message>
    <message>
        <source>Nimbra isn&apos;t installed in %1</source>
        <translation>Nimbra が %1 にインストールされていません</translation>
    </message>
    <message>
        <source>%1 loads its extensions from %2, and Nimbra&apos;s is not there. Install Nimbra again, then choose Turn On… once more.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the folder it loads its extensions from.</extracomment>
        <translation>%1 は %2 から拡張機能を読み込みますが、そこに Nimbra の拡張機能がありません。Nimbra をもう一度インストールしてから、再度「オンにする…」を選んでください。</translation>
    </message>
    <message>
        <source>Turn off Nimbra in %1?</source>
        <translation>%1 で Nimbra をオフにしますか？</translation>
    </message>
    <message>
        <source>New, Send to and Open Folder with leave %2 menus at once. You can turn Nimbra on again here.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>「新規作成」「送る」「フォルダーをアプリで開く」が %1 のメニューからすぐに消えます。Nimbra はここでいつでもオンに戻せます。</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>オフにする</translation>
    </message>
    <message>
        <source>Restart %1?</source>
        <translation>%1 を再起動しますか？</translation>
    </message>
    <message>
        <source>%1 loads Nimbra when it starts. Restarting closes the %1 windows, so let copies and moves in %1 finish first.</source>
        <translation>%1 は起動時に Nimbra を読み込みます。再起動すると %1 のウィンドウが閉じるため、先に %1 でのコピーや移動が終わるのを待ってください。</translation>
    </message>
    <message>
        <source>Restart %1</source>
        <translation>%1 を再起動</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>今はしない</translation>
    </message>
    <message>
        <source>Switch on Nimbra in %1?</source>
        <translation>%1 で Nimbra をオンにしますか？</translation>
    </message>
    <message>
        <source>Nimbra is switched off in %2 context menu settings. Switch it on there?</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>%1 のコンテキストメニューの設定で Nimbra がオフになっています。オンにしますか？</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>オンにする</translation>
    </message>
    <message>
        <source>Choose a folder for “%1”</source>
        <translation>「%1」の送り先フォルダーを選択</translation>
    </message>
    <message numerus="yes">
        <source>Choose a folder for the %n items</source>
        <extracomment>Never fewer than two items.</extracomment>
        <translation>
            <numerusform>%n 個のアイテムの送り先フォルダーを選択</numerusform>
        </translation>
    </message>
    <message>
        <source>Send to Another Folder</source>
        <translation>別のフォルダーに送る</translation>
    </message>
    <message>
        <source>Send by:</source>
        <translation>送り方：</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Move Here</source>
        <translation>ここに移動</translation>
    </message>
    <message>
        <source>Copy Here</source>
        <translation>ここにコピー</translation>
    </message>
    <message>
        <source>Can&apos;t put “%1” inside itself</source>
        <translation>「%1」をそれ自体の中に入れることはできません</translation>
    </message>
    <message>
        <source>Choose a folder outside it.</source>
        <translation>その外にあるフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>Couldn&apos;t move the items</source>
        <translation>アイテムを移動できませんでした</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the items</source>
        <translation>アイテムをコピーできませんでした</translation>
    </message>
    <message>
        <source>Uninstall Nimbra?</source>
        <translation>Nimbra をアンインストールしますか？</translation>
    </message>
    <message>
        <source>This turns off the Files extension and shows the command that removes Nimbra. Nothing is deleted automatically.</source>
        <translation>「ファイル」の拡張機能をオフにし、Nimbra を削除するコマンドを表示します。自動的に削除されるものはありません。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Also remove my saved file types</source>
        <translation>保存したファイルの種類も削除する</translation>
    </message>
    <message>
        <source>Nothing was removed. Once that is mended, choose Uninstall Nimbra… again.</source>
        <translation>何も削除されていません。問題が解決したら、もう一度「Nimbra をアンインストール…」を選んでください。</translation>
    </message>
    <message>
        <source>Files extension disabled</source>
        <translation>「ファイル」の拡張機能を無効にしました</translation>
    </message>
    <message>
        <source>To finish, run “sudo apt remove nimbra”. Nimbra will now quit.</source>
        <translation>完了するには「sudo apt remove nimbra」を実行してください。Nimbra はこれで終了します。</translation>
    </message>
    <message>
        <source>The update server could not be reached (%1).</source>
        <translation>アップデートサーバーに接続できませんでした（%1）。</translation>
    </message>
    <message>
        <source>The update information is not signed with Nimbra&apos;s release key, so it was ignored.</source>
        <translation>アップデート情報が Nimbra のリリースキーで署名されていないため、無視しました。</translation>
    </message>
    <message>
        <source>The update information could not be read: %1.</source>
        <translation>アップデート情報を読み取れませんでした：%1。</translation>
    </message>
    <message>
        <source>Nimbra %1 is available</source>
        <translation>Nimbra %1 が利用可能です</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>現在のバージョンは %1 です。</translation>
    </message>
    <message>
        <source>View Release Notes</source>
        <translation>リリースノートを表示</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>最新の状態です</translation>
    </message>
    <message>
        <source>Nimbra %1 is the newest version.</source>
        <translation>Nimbra %1 は最新バージョンです。</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t check for updates</source>
        <translation>Nimbra はアップデートを確認できませんでした</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>サイズが大きすぎます</translation>
    </message>
    <message>
        <source>its address is not an https address</source>
        <translation>アドレスが https ではありません</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>移動中</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>コピー中</translation>
    </message>
    <message>
        <source>Moving “%1”…</source>
        <translation>「%1」を移動しています…</translation>
    </message>
    <message>
        <source>Copying “%1”…</source>
        <translation>「%1」をコピーしています…</translation>
    </message>
    <message>
        <source>Files</source>
        <comment>GNOME&apos;s file manager</comment>
        <translation>ファイル</translation>
    </message>
</context>
</TS>
