<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Nimbra</name>
    <message>
        <source>Make Alias</source>
        <translation>创建链接</translation>
    </message>
    <message>
        <source>Choose what the alias in “%1” should open</source>
        <translation>选择“%1”中的链接要打开的项目</translation>
    </message>
    <message>
        <source>Couldn&apos;t make the alias</source>
        <translation>无法创建链接</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t save its switch. %1</source>
        <translation>Nimbra 无法保存开关状态。%1</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn on Nimbra</source>
        <translation>无法开启 Nimbra</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn off Nimbra</source>
        <translation>无法关闭 Nimbra</translation>
    </message>
    <message>
        <source>Nimbra is misconfigured</source>
        <translation>Nimbra 配置有误</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings store. This usually means the app needs to be reinstalled. Settings won&apos;t sync between the app and the Files extension until this is fixed.</source>
        <translation>Nimbra 无法访问其共享设置存储。这通常意味着需要重新安装该应用。在此问题解决之前，应用与“文件”扩展之间的设置将无法同步。</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s name, quoted.</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on %1.</source>
        <translation>%1中没有足够的空间。</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to open %1.</source>
        <translation>您没有打开%1的权限。</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to write to %1.</source>
        <translation>您没有写入%1的权限。</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1是只读的。</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1已不存在。</translation>
    </message>
    <message>
        <source>%1 is already taken in %2.</source>
        <translation>%2中已有名为%1的项目。</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>名称%1太长。</translation>
    </message>
    <message>
        <source>The disk could not read or write %1.</source>
        <translation>磁盘无法读取或写入%1。</translation>
    </message>
    <message>
        <source>%1 is in use. Try again in a moment.</source>
        <translation>%1正在使用中。请稍后再试。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An item&apos;s name and what the system said went wrong with it.</extracomment>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>%1 can&apos;t be put inside itself.</source>
        <translation>无法将%1放入其自身。</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings.</source>
        <translation>Nimbra 无法将“%1”存入其共享设置。</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an app.</source>
        <translation>这看起来不是应用。</translation>
    </message>
    <message>
        <source>Something unexpected went wrong.</source>
        <translation>发生了意外错误。</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>Uninstall Nimbra…</source>
        <translation>卸载 Nimbra…</translation>
    </message>
    <message>
        <source>Quit Nimbra</source>
        <translation>退出 Nimbra</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>添加应用</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>选择文件…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Choose an App</source>
        <translation>选择应用</translation>
    </message>
    <message>
        <source>Applications (*.desktop);;All Files (*)</source>
        <translation>应用 (*.desktop);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Extension cannot be empty</source>
        <translation>扩展名不能为空</translation>
    </message>
    <message>
        <source>Extension too long (max 16 characters)</source>
        <translation>扩展名过长（最多 16 个字符）</translation>
    </message>
    <message>
        <source>Allowed: letters, digits, . _ -</source>
        <translation>允许的字符：英文字母、数字、. _ -</translation>
    </message>
    <message>
        <source>Menu label</source>
        <translation>菜单标签</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Name of the new item</source>
        <translation>新项目的名称</translation>
    </message>
    <message>
        <source>Delete this custom type</source>
        <translation>删除此自定义类型</translation>
    </message>
    <message>
        <source>Show in the Files menu</source>
        <translation>在“文件”菜单中显示</translation>
    </message>
    <message>
        <source>Enter a valid extension first</source>
        <translation>请先输入有效的扩展名</translation>
    </message>
    <message>
        <source>File extension (letters, digits, . _ -)</source>
        <translation>文件扩展名（英文字母、数字、. _ -）</translation>
    </message>
    <message>
        <source>Template…</source>
        <translation>模板…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>编辑…</translation>
    </message>
    <message>
        <source>Items in the New menu, in menu order. Drag to reorder.</source>
        <translation>“新建”菜单中的项目，按菜单中的顺序排列。拖动即可调整顺序。</translation>
    </message>
    <message>
        <source>Add Custom Type…</source>
        <translation>添加自定义类型…</translation>
    </message>
    <message>
        <source>Group under New ▸</source>
        <translation>归入“新建 ▸”</translation>
    </message>
    <message>
        <source>Show types even without an app to open them</source>
        <translation>即使没有能打开的应用也显示这些类型</translation>
    </message>
    <message>
        <source>Off: Word, Pages and similar items only appear when an app that opens them is installed.</source>
        <translation>关闭时：Word、Pages 等项目只有在安装了能打开它们的应用时才会显示。</translation>
    </message>
    <message>
        <source>Rename new items right away</source>
        <translation>立即重命名新项目</translation>
    </message>
    <message>
        <source>Like Windows, the name is ready to type over. Nimbra presses F2 in Files for you.</source>
        <translation>与 Windows 一样，可以直接输入新名称。Nimbra 会替您在“文件”中按下 F2。</translation>
    </message>
    <message>
        <source>Opens the folder in the chosen app. Only installed apps appear in Files.</source>
        <translation>在所选应用中打开文件夹。“文件”中只会显示已安装的应用。</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>添加应用…</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>未安装</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>发送到</translation>
    </message>
    <message>
        <source>Open Folder with</source>
        <translation>文件夹打开方式</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Nimbra Preferences</source>
        <translation>Nimbra 首选项</translation>
    </message>
    <message>
        <source>Settings unavailable</source>
        <translation>设置不可用</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings. Reinstall the app.</source>
        <translation>Nimbra 无法访问其共享设置。请重新安装该应用。</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the change</source>
        <translation>无法保存更改</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings, so the menus in Files stay as they were.</source>
        <translation>Nimbra 无法将“%1”存入其共享设置，因此“文件”中的菜单保持不变。</translation>
    </message>
    <message>
        <source>Shown when you right-click selected files or folders.</source>
        <translation>右键点击选中的文件或文件夹时显示。</translation>
    </message>
    <message>
        <source>Not valid JSON yet — you can still save.</source>
        <translation>尚不是有效的 JSON，但仍可保存。</translation>
    </message>
    <message>
        <source>Tip: shell scripts usually start with a shebang, e.g. #!/bin/sh</source>
        <translation>提示：Shell 脚本通常以 shebang 开头，例如 #!/bin/sh</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>Template for .%1</source>
        <translation>.%1 模板</translation>
    </message>
    <message>
        <source>Remove Template</source>
        <translation>移除模板</translation>
    </message>
    <message>
        <source>The type keeps working; new files start empty</source>
        <translation>此类型仍可使用；新文件将为空白</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>保存模板</translation>
    </message>
    <message>
        <source>The contents of every new file created with this type.</source>
        <translation>使用此类型创建的每个新文件的内容。</translation>
    </message>
    <message>
        <source>The contents of every new .%1 file created with this type.</source>
        <translation>使用此类型创建的每个新 .%1 文件的内容。</translation>
    </message>
    <message>
        <source>now</source>
        <translation>刚刚</translation>
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
            <numerusform>%n 分钟前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n 小时前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n 天前</numerusform>
        </translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>昨天</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n 周前</numerusform>
        </translation>
    </message>
    <message>
        <source>last week</source>
        <translation>上周</translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n 个月前</numerusform>
        </translation>
    </message>
    <message>
        <source>last month</source>
        <translation>上个月</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n 年前</numerusform>
        </translation>
    </message>
    <message>
        <source>last year</source>
        <translation>去年</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>自动检查更新</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>立即检查</translation>
    </message>
    <message>
        <source>Once a day Nimbra asks %1 whether there&apos;s a new version. Updates are signed, and only the app&apos;s name and version are sent.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Nimbra 每天向 %1 查询一次是否有新版本。更新均经过签名，且只会发送应用的名称和版本。</translation>
    </message>
    <message>
        <source>Last checked %1</source>
        <extracomment>%1 is how long ago: &quot;now&quot;, &quot;2 hours ago&quot;, &quot;yesterday&quot;…</extracomment>
        <translation>上次检查：%1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Text Document</source>
        <translation>文本文档</translation>
    </message>
    <message>
        <source>Microsoft Word Document</source>
        <translation>Microsoft Word 文档</translation>
    </message>
    <message>
        <source>Microsoft Excel Worksheet</source>
        <translation>Microsoft Excel 工作表</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>HTML 文档</translation>
    </message>
    <message>
        <source>Compressed (zipped) folder</source>
        <translation>压缩（ZIP）文件夹</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Desktop (create shortcut)</source>
        <translation>桌面（创建链接）</translation>
    </message>
    <message>
        <source>Another Folder…</source>
        <translation>其他文件夹…</translation>
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
        <translation>终端</translation>
    </message>
    <message>
        <source>Right-click in any %1 window to get these.</source>
        <translation>在任意 %1 窗口中右键点击即可使用这些菜单。</translation>
    </message>
    <message>
        <source>%2 menu now. Turn on Nimbra to add New, Send to and Open Folder with.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>这是 %1 目前的菜单。开启 Nimbra 即可添加“新建”“发送到”和“文件夹打开方式”。</translation>
    </message>
    <message>
        <source>Right-click like you did on Windows.</source>
        <translation>像在 Windows 上一样右键点击。</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>重新检查</translation>
    </message>
    <message>
        <source>Nimbra is on in %1</source>
        <translation>Nimbra 已在 %1 中开启</translation>
    </message>
    <message>
        <source>Turn on Nimbra in %1</source>
        <translation>在 %1 中开启 Nimbra</translation>
    </message>
    <message>
        <source>You can turn it off again here.</source>
        <translation>您可以在这里再次关闭它。</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before restarting %1 if it has to.</source>
        <translation>Nimbra 会开启其 %1 扩展；如需重新启动 %1，会先征得您的同意。</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before changing %2 settings if it has to.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra 会开启其 %1 扩展；如需更改 %1 的设置，会先征得您的同意。</translation>
    </message>
    <message>
        <source>Turn Off…</source>
        <translation>关闭…</translation>
    </message>
    <message>
        <source>Turn On…</source>
        <translation>开启…</translation>
    </message>
    <message>
        <source>Right-click in a folder</source>
        <translation>在文件夹中右键点击</translation>
    </message>
    <message>
        <source>It works. Nimbra has made something from %1.</source>
        <translation>已经可以使用了。Nimbra 已通过 %1 创建了项目。</translation>
    </message>
    <message>
        <source>Try New ▸ Text Document, right-click a file for Send to ▸, or a folder for Open Folder with ▸.</source>
        <translation>试试“新建 ▸ 文本文档”；右键点击文件可使用“发送到 ▸”，右键点击文件夹可使用“文件夹打开方式 ▸”。</translation>
    </message>
    <message>
        <source>Make the menus yours</source>
        <translation>定制您的菜单</translation>
    </message>
    <message>
        <source>Pick which file types, Send to places and apps appear, and in what order.</source>
        <translation>选择显示哪些文件类型、“发送到”位置和应用，以及它们的顺序。</translation>
    </message>
    <message>
        <source>Customize Menus…</source>
        <translation>自定义菜单…</translation>
    </message>
    <message>
        <source>Nimbra isn&apos;t installed in %1</source>
        <translation>Nimbra 未安装到 %1 中</translation>
    </message>
    <message>
        <source>%1 loads its extensions from %2, and Nimbra&apos;s is not there. Install Nimbra again, then choose Turn On… once more.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the folder it loads its extensions from.</extracomment>
        <translation>%1 从 %2 加载扩展，但其中没有 Nimbra 的扩展。请重新安装 Nimbra，然后再次选择“开启…”。</translation>
    </message>
    <message>
        <source>Turn off Nimbra in %1?</source>
        <translation>要在 %1 中关闭 Nimbra 吗？</translation>
    </message>
    <message>
        <source>New, Send to and Open Folder with leave %2 menus at once. You can turn Nimbra on again here.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>“新建”“发送到”和“文件夹打开方式”将立即从 %1 的菜单中移除。您可以在这里重新开启 Nimbra。</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Restart %1?</source>
        <translation>要重新启动 %1 吗？</translation>
    </message>
    <message>
        <source>%1 loads Nimbra when it starts. Restarting closes the %1 windows, so let copies and moves in %1 finish first.</source>
        <translation>%1 会在启动时加载 Nimbra。重新启动会关闭 %1 的窗口，因此请先等待 %1 中的复制和移动操作完成。</translation>
    </message>
    <message>
        <source>Restart %1</source>
        <translation>重新启动 %1</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>暂不</translation>
    </message>
    <message>
        <source>Switch on Nimbra in %1?</source>
        <translation>要在 %1 中开启 Nimbra 吗？</translation>
    </message>
    <message>
        <source>Nimbra is switched off in %2 context menu settings. Switch it on there?</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra 在 %1 的右键菜单设置中处于关闭状态。要在那里开启它吗？</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Choose a folder for “%1”</source>
        <translation>为“%1”选择文件夹</translation>
    </message>
    <message numerus="yes">
        <source>Choose a folder for the %n items</source>
        <extracomment>Never fewer than two items.</extracomment>
        <translation>
            <numerusform>为这 %n 个项目选择文件夹</numerusform>
        </translation>
    </message>
    <message>
        <source>Send to Another Folder</source>
        <translation>发送到其他文件夹</translation>
    </message>
    <message>
        <source>Send by:</source>
        <translation>发送方式：</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Move Here</source>
        <translation>移动到此处</translation>
    </message>
    <message>
        <source>Copy Here</source>
        <translation>复制到此处</translation>
    </message>
    <message>
        <source>Can&apos;t put “%1” inside itself</source>
        <translation>无法将“%1”放入其自身</translation>
    </message>
    <message>
        <source>Choose a folder outside it.</source>
        <translation>请选择它之外的文件夹。</translation>
    </message>
    <message>
        <source>Couldn&apos;t move the items</source>
        <translation>无法移动这些项目</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the items</source>
        <translation>无法复制这些项目</translation>
    </message>
    <message>
        <source>Uninstall Nimbra?</source>
        <translation>要卸载 Nimbra 吗？</translation>
    </message>
    <message>
        <source>This turns off the Files extension and shows the command that removes Nimbra. Nothing is deleted automatically.</source>
        <translation>这将关闭“文件”扩展，并显示用于移除 Nimbra 的命令。不会自动删除任何内容。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Also remove my saved file types</source>
        <translation>同时移除我保存的文件类型</translation>
    </message>
    <message>
        <source>Nothing was removed. Once that is mended, choose Uninstall Nimbra… again.</source>
        <translation>未移除任何内容。问题解决后，请再次选择“卸载 Nimbra…”。</translation>
    </message>
    <message>
        <source>Files extension disabled</source>
        <translation>“文件”扩展已停用</translation>
    </message>
    <message>
        <source>To finish, run “sudo apt remove nimbra”. Nimbra will now quit.</source>
        <translation>要完成卸载，请运行“sudo apt remove nimbra”。Nimbra 现在将退出。</translation>
    </message>
    <message>
        <source>The update server could not be reached (%1).</source>
        <translation>无法连接到更新服务器（%1）。</translation>
    </message>
    <message>
        <source>The update information is not signed with Nimbra&apos;s release key, so it was ignored.</source>
        <translation>更新信息未使用 Nimbra 的发布密钥签名，因此已被忽略。</translation>
    </message>
    <message>
        <source>The update information could not be read: %1.</source>
        <translation>无法读取更新信息：%1。</translation>
    </message>
    <message>
        <source>Nimbra %1 is available</source>
        <translation>Nimbra %1 现已发布</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>您当前的版本为 %1。</translation>
    </message>
    <message>
        <source>View Release Notes</source>
        <translation>查看发行说明</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>已是最新版本</translation>
    </message>
    <message>
        <source>Nimbra %1 is the newest version.</source>
        <translation>Nimbra %1 是最新版本。</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t check for updates</source>
        <translation>Nimbra 无法检查更新</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>数据过大</translation>
    </message>
    <message>
        <source>its address is not an https address</source>
        <translation>其地址不是 https 地址</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>正在移动</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>正在复制</translation>
    </message>
    <message>
        <source>Moving “%1”…</source>
        <translation>正在移动“%1”…</translation>
    </message>
    <message>
        <source>Copying “%1”…</source>
        <translation>正在复制“%1”…</translation>
    </message>
    <message>
        <source>Files</source>
        <comment>GNOME&apos;s file manager</comment>
        <translation>文件</translation>
    </message>
</context>
</TS>
