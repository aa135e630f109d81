<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>Nimbra</name>
    <message>
        <source>Make Alias</source>
        <translation>Bağlantı Oluştur</translation>
    </message>
    <message>
        <source>Choose what the alias in “%1” should open</source>
        <translation>“%1” içindeki bağlantının açacağı ögeyi seçin</translation>
    </message>
    <message>
        <source>Couldn&apos;t make the alias</source>
        <translation>Bağlantı oluşturulamadı</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t save its switch. %1</source>
        <translation>Nimbra açma/kapama ayarını kaydedemedi. %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn on Nimbra</source>
        <translation>Nimbra açılamadı</translation>
    </message>
    <message>
        <source>Couldn&apos;t turn off Nimbra</source>
        <translation>Nimbra kapatılamadı</translation>
    </message>
    <message>
        <source>Nimbra is misconfigured</source>
        <translation>Nimbra yanlış yapılandırılmış</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings store. This usually means the app needs to be reinstalled. Settings won&apos;t sync between the app and the Files extension until this is fixed.</source>
        <translation>Nimbra paylaşılan ayar deposuna erişemiyor. Bu genellikle uygulamanın yeniden kurulması gerektiği anlamına gelir. Sorun giderilene kadar ayarlar uygulama ile Dosyalar uzantısı arasında eşitlenmez.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s name, quoted.</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on %1.</source>
        <translation>%1 konumunda yeterli alan yok.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to open %1.</source>
        <translation>%1 ögesini açma izniniz yok.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to write to %1.</source>
        <translation>%1 konumuna yazma izniniz yok.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 salt okunur.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 artık yok.</translation>
    </message>
    <message>
        <source>%1 is already taken in %2.</source>
        <translation>%2 içinde %1 adı zaten kullanılıyor.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>%1 adı çok uzun.</translation>
    </message>
    <message>
        <source>The disk could not read or write %1.</source>
        <translation>Disk, %1 ögesini okuyamadı ya da yazamadı.</translation>
    </message>
    <message>
        <source>%1 is in use. Try again in a moment.</source>
        <translation>%1 kullanımda. Birazdan yeniden deneyin.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An item&apos;s name and what the system said went wrong with it.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be put inside itself.</source>
        <translation>%1 kendi içine konamaz.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings.</source>
        <translation>Nimbra, “%1” ayarını paylaşılan ayarlara kaydedemedi.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like an app.</source>
        <translation>Bu bir uygulamaya benzemiyor.</translation>
    </message>
    <message>
        <source>Something unexpected went wrong.</source>
        <translation>Beklenmeyen bir sorun oluştu.</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ayarlar…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Güncellemeleri Denetle…</translation>
    </message>
    <message>
        <source>Uninstall Nimbra…</source>
        <translation>Nimbra’yı Kaldır…</translation>
    </message>
    <message>
        <source>Quit Nimbra</source>
        <translation>Nimbra’dan Çık</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Uygulama Ekle</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Dosya Seç…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Choose an App</source>
        <translation>Bir Uygulama Seçin</translation>
    </message>
    <message>
        <source>Applications (*.desktop);;All Files (*)</source>
        <translation>Uygulamalar (*.desktop);;Tüm Dosyalar (*)</translation>
    </message>
    <message>
        <source>Extension cannot be empty</source>
        <translation>Uzantı boş olamaz</translation>
    </message>
    <message>
        <source>Extension too long (max 16 characters)</source>
        <translation>Uzantı çok uzun (en fazla 16 karakter)</translation>
    </message>
    <message>
        <source>Allowed: letters, digits, . _ -</source>
        <translation>İzin verilenler: İngilizce harfler, rakamlar, . _ -</translation>
    </message>
    <message>
        <source>Menu label</source>
        <translation>Menü etiketi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Name of the new item</source>
        <translation>Yeni ögenin adı</translation>
    </message>
    <message>
        <source>Delete this custom type</source>
        <translation>Bu özel türü sil</translation>
    </message>
    <message>
        <source>Show in the Files menu</source>
        <translation>Dosyalar menüsünde göster</translation>
    </message>
    <message>
        <source>Enter a valid extension first</source>
        <translation>Önce geçerli bir uzantı girin</translation>
    </message>
    <message>
        <source>File extension (letters, digits, . _ -)</source>
        <translation>Dosya uzantısı (İngilizce harfler, rakamlar, . _ -)</translation>
    </message>
    <message>
        <source>Template…</source>
        <translation>Şablon…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Düzenle…</translation>
    </message>
    <message>
        <source>Items in the New menu, in menu order. Drag to reorder.</source>
        <translation>“Yeni” menüsündeki ögeler, menüdeki sırasıyla. Yeniden sıralamak için sürükleyin.</translation>
    </message>
    <message>
        <source>Add Custom Type…</source>
        <translation>Özel Tür Ekle…</translation>
    </message>
    <message>
        <source>Group under New ▸</source>
        <translation>“Yeni ▸” altında topla</translation>
    </message>
    <message>
        <source>Show types even without an app to open them</source>
        <translation>Açacak bir uygulama olmasa da türleri göster</translation>
    </message>
    <message>
        <source>Off: Word, Pages and similar items only appear when an app that opens them is installed.</source>
        <translation>Kapalıyken: Word, Pages ve benzeri ögeler yalnızca onları açan bir uygulama kuruluysa görünür.</translation>
    </message>
    <message>
        <source>Rename new items right away</source>
        <translation>Yeni ögeleri hemen yeniden adlandır</translation>
    </message>
    <message>
        <source>Like Windows, the name is ready to type over. Nimbra presses F2 in Files for you.</source>
        <translation>Windows’taki gibi ad, üzerine yazılmaya hazır olur. Nimbra sizin yerinize Dosyalar’da F2’ye basar.</translation>
    </message>
    <message>
        <source>Opens the folder in the chosen app. Only installed apps appear in Files.</source>
        <translation>Klasörü seçilen uygulamada açar. Dosyalar’da yalnızca kurulu uygulamalar görünür.</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Uygulama Ekle…</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Kurulu değil</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Open Folder with</source>
        <translation>Klasörü Birlikte Aç</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Güncellemeler</translation>
    </message>
    <message>
        <source>Nimbra Preferences</source>
        <translation>Nimbra Tercihleri</translation>
    </message>
    <message>
        <source>Settings unavailable</source>
        <translation>Ayarlar kullanılamıyor</translation>
    </message>
    <message>
        <source>Nimbra can&apos;t reach its shared settings. Reinstall the app.</source>
        <translation>Nimbra paylaşılan ayarlarına erişemiyor. Uygulamayı yeniden kurun.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the change</source>
        <translation>Değişiklik kaydedilemedi</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t store “%1” in its shared settings, so the menus in Files stay as they were.</source>
        <translation>Nimbra, “%1” ayarını paylaşılan ayarlara kaydedemedi; bu nedenle Dosyalar’daki menüler olduğu gibi kalıyor.</translation>
    </message>
    <message>
        <source>Shown when you right-click selected files or folders.</source>
        <translation>Seçili dosya ya da klasörlere sağ tıkladığınızda gösterilir.</translation>
    </message>
    <message>
        <source>Not valid JSON yet — you can still save.</source>
        <translation>Henüz geçerli bir JSON değil — yine de kaydedebilirsiniz.</translation>
    </message>
    <message>
        <source>Tip: shell scripts usually start with a shebang, e.g. #!/bin/sh</source>
        <translation>İpucu: kabuk betikleri genellikle bir shebang satırıyla başlar, örneğin #!/bin/sh</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Şablon</translation>
    </message>
    <message>
        <source>Template for .%1</source>
        <translation>.%1 Şablonu</translation>
    </message>
    <message>
        <source>Remove Template</source>
        <translation>Şablonu Kaldır</translation>
    </message>
    <message>
        <source>The type keeps working; new files start empty</source>
        <translation>Tür kullanılmaya devam eder; yeni dosyalar boş oluşturulur</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Şablonu Kaydet</translation>
    </message>
    <message>
        <source>The contents of every new file created with this type.</source>
        <translation>Bu türle oluşturulan her yeni dosyanın içeriği.</translation>
    </message>
    <message>
        <source>The contents of every new .%1 file created with this type.</source>
        <translation>Bu türle oluşturulan her yeni .%1 dosyasının içeriği.</translation>
    </message>
    <message>
        <source>now</source>
        <translation>şimdi</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>%n saniye önce</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n dakika önce</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n saat önce</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n gün önce</numerusform>
        </translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>dün</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n hafta önce</numerusform>
        </translation>
    </message>
    <message>
        <source>last week</source>
        <translation>geçen hafta</translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n ay önce</numerusform>
        </translation>
    </message>
    <message>
        <source>last month</source>
        <translation>geçen ay</translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n yıl önce</numerusform>
        </translation>
    </message>
    <message>
        <source>last year</source>
        <translation>geçen yıl</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Güncellemeleri otomatik olarak denetle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Şimdi Denetle</translation>
    </message>
    <message>
        <source>Once a day Nimbra asks %1 whether there&apos;s a new version. Updates are signed, and only the app&apos;s name and version are sent.</source>
        <extracomment>%1 is the update server&apos;s name.</extracomment>
        <translation>Nimbra günde bir kez %1 sunucusuna yeni bir sürüm olup olmadığını sorar. Güncellemeler imzalıdır ve yalnızca uygulamanın adı ile sürümü gönderilir.</translation>
    </message>
    <message>
        <source>Last checked %1</source>
        <extracomment>%1 is how long ago: &quot;now&quot;, &quot;2 hours ago&quot;, &quot;yesterday&quot;…</extracomment>
        <translation>Son denetim: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Yeni Klasör</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Özellikler</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Klasör</translation>
    </message>
    <message>
        <source>Text Document</source>
        <translation>Metin Belgesi</translation>
    </message>
    <message>
        <source>Microsoft Word Document</source>
        <translation>Microsoft Word Belgesi</translation>
    </message>
    <message>
        <source>Microsoft Excel Worksheet</source>
        <translation>Microsoft Excel Çalışma Sayfası</translation>
    </message>
    <message>
        <source>HTML Document</source>
        <translation>HTML Belgesi</translation>
    </message>
    <message>
        <source>Compressed (zipped) folder</source>
        <translation>Sıkıştırılmış (ZIP) Klasör</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Masaüstü</translation>
    </message>
    <message>
        <source>Desktop (create shortcut)</source>
        <translation>Masaüstü (Bağlantı Oluştur)</translation>
    </message>
    <message>
        <source>Another Folder…</source>
        <translation>Başka Bir Klasör…</translation>
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
        <translation>Uçbirim</translation>
    </message>
    <message>
        <source>Right-click in any %1 window to get these.</source>
        <translation>Bunları görmek için herhangi bir %1 penceresinde sağ tıklayın.</translation>
    </message>
    <message>
        <source>%2 menu now. Turn on Nimbra to add New, Send to and Open Folder with.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Şu anki %1 menüsü. “Yeni”, “Gönder” ve “Klasörü Birlikte Aç” menülerini eklemek için Nimbra’yı açın.</translation>
    </message>
    <message>
        <source>Right-click like you did on Windows.</source>
        <translation>Windows’taki gibi sağ tıklayın.</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Yeniden denetle</translation>
    </message>
    <message>
        <source>Nimbra is on in %1</source>
        <translation>Nimbra, %1 içinde açık</translation>
    </message>
    <message>
        <source>Turn on Nimbra in %1</source>
        <translation>Nimbra’yı %1 içinde açın</translation>
    </message>
    <message>
        <source>You can turn it off again here.</source>
        <translation>Buradan yeniden kapatabilirsiniz.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before restarting %1 if it has to.</source>
        <translation>Nimbra, %1 uzantısını etkinleştirir ve gerekirse %1 uygulamasını yeniden başlatmadan önce size sorar.</translation>
    </message>
    <message>
        <source>Nimbra switches on its %1 extension, and asks before changing %2 settings if it has to.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra, %1 uzantısını etkinleştirir ve gerekirse %1 ayarlarını değiştirmeden önce size sorar.</translation>
    </message>
    <message>
        <source>Turn Off…</source>
        <translation>Kapat…</translation>
    </message>
    <message>
        <source>Turn On…</source>
        <translation>Aç…</translation>
    </message>
    <message>
        <source>Right-click in a folder</source>
        <translation>Bir klasörde sağ tıklayın</translation>
    </message>
    <message>
        <source>It works. Nimbra has made something from %1.</source>
        <translation>Çalışıyor. Nimbra, %1 üzerinden bir şey oluşturdu.</translation>
    </message>
    <message>
        <source>Try New ▸ Text Document, right-click a file for Send to ▸, or a folder for Open Folder with ▸.</source>
        <translation>Yeni ▸ Metin Belgesi’ni deneyin; Gönder ▸ için bir dosyaya, Klasörü Birlikte Aç ▸ için bir klasöre sağ tıklayın.</translation>
    </message>
    <message>
        <source>Make the menus yours</source>
        <translation>Menüleri kendinize göre ayarlayın</translation>
    </message>
    <message>
        <source>Pick which file types, Send to places and apps appear, and in what order.</source>
        <translation>Hangi dosya türlerinin, Gönder hedeflerinin ve uygulamaların hangi sırayla görüneceğini seçin.</translation>
    </message>
    <message>
        <source>Customize Menus…</source>
        <translation>Menüleri Özelleştir…</translation>
    </message>
    <message>
        <source>Nimbra isn&apos;t installed in %1</source>
        <translation>Nimbra, %1 için kurulu değil</translation>
    </message>
    <message>
        <source>%1 loads its extensions from %2, and Nimbra&apos;s is not there. Install Nimbra again, then choose Turn On… once more.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the folder it loads its extensions from.</extracomment>
        <translation>%1, uzantılarını %2 klasöründen yükler; Nimbra’nın uzantısı ise orada yok. Nimbra’yı yeniden kurun, ardından bir kez daha “Aç…” düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>Turn off Nimbra in %1?</source>
        <translation>Nimbra, %1 içinde kapatılsın mı?</translation>
    </message>
    <message>
        <source>New, Send to and Open Folder with leave %2 menus at once. You can turn Nimbra on again here.</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>“Yeni”, “Gönder” ve “Klasörü Birlikte Aç” %1 menülerinden hemen kalkar. Nimbra’yı buradan yeniden açabilirsiniz.</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Restart %1?</source>
        <translation>%1 yeniden başlatılsın mı?</translation>
    </message>
    <message>
        <source>%1 loads Nimbra when it starts. Restarting closes the %1 windows, so let copies and moves in %1 finish first.</source>
        <translation>%1, Nimbra’yı başlarken yükler. Yeniden başlatma %1 pencerelerini kapatır; bu nedenle önce %1 içindeki kopyalama ve taşıma işlemlerinin bitmesini bekleyin.</translation>
    </message>
    <message>
        <source>Restart %1</source>
        <translation>%1 Uygulamasını Yeniden Başlat</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Şimdi Değil</translation>
    </message>
    <message>
        <source>Switch on Nimbra in %1?</source>
        <translation>Nimbra, %1 içinde etkinleştirilsin mi?</translation>
    </message>
    <message>
        <source>Nimbra is switched off in %2 context menu settings. Switch it on there?</source>
        <extracomment>%1 is the file manager&apos;s name, %2 the same in the English possessive (&quot;Files&apos;&quot;, &quot;Nemo&apos;s&quot;); a translation may use %1 only.</extracomment>
        <translation>Nimbra, %1 bağlam menüsü ayarlarında kapalı. Orada etkinleştirilsin mi?</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Etkinleştir</translation>
    </message>
    <message>
        <source>Choose a folder for “%1”</source>
        <translation>“%1” için bir klasör seçin</translation>
    </message>
    <message numerus="yes">
        <source>Choose a folder for the %n items</source>
        <extracomment>Never fewer than two items.</extracomment>
        <translation>
            <numerusform>%n öge için bir klasör seçin</numerusform>
        </translation>
    </message>
    <message>
        <source>Send to Another Folder</source>
        <translation>Başka Bir Klasöre Gönder</translation>
    </message>
    <message>
        <source>Send by:</source>
        <translation>Gönderme biçimi:</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Taşı</translation>
    </message>
    <message>
        <source>Move Here</source>
        <translation>Buraya Taşı</translation>
    </message>
    <message>
        <source>Copy Here</source>
        <translation>Buraya Kopyala</translation>
    </message>
    <message>
        <source>Can&apos;t put “%1” inside itself</source>
        <translation>“%1” kendi içine konamaz</translation>
    </message>
    <message>
        <source>Choose a folder outside it.</source>
        <translation>Onun dışında bir klasör seçin.</translation>
    </message>
    <message>
        <source>Couldn&apos;t move the items</source>
        <translation>Ögeler taşınamadı</translation>
    </message>
    <message>
        <source>Couldn&apos;t copy the items</source>
        <translation>Ögeler kopyalanamadı</translation>
    </message>
    <message>
        <source>Uninstall Nimbra?</source>
        <translation>Nimbra kaldırılsın mı?</translation>
    </message>
    <message>
        <source>This turns off the Files extension and shows the command that removes Nimbra. Nothing is deleted automatically.</source>
        <translation>Bu işlem Dosyalar uzantısını kapatır ve Nimbra’yı kaldıran komutu gösterir. Hiçbir şey kendiliğinden silinmez.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam Et</translation>
    </message>
    <message>
        <source>Also remove my saved file types</source>
        <translation>Kaydettiğim dosya türlerini de kaldır</translation>
    </message>
    <message>
        <source>Nothing was removed. Once that is mended, choose Uninstall Nimbra… again.</source>
        <translation>Hiçbir şey kaldırılmadı. Sorun giderildikten sonra yeniden “Nimbra’yı Kaldır…” seçeneğini seçin.</translation>
    </message>
    <message>
        <source>Files extension disabled</source>
        <translation>Dosyalar uzantısı devre dışı bırakıldı</translation>
    </message>
    <message>
        <source>To finish, run “sudo apt remove nimbra”. Nimbra will now quit.</source>
        <translation>İşlemi tamamlamak için “sudo apt remove nimbra” komutunu çalıştırın. Nimbra şimdi kapanacak.</translation>
    </message>
    <message>
        <source>The update server could not be reached (%1).</source>
        <translation>Güncelleme sunucusuna ulaşılamadı (%1).</translation>
    </message>
    <message>
        <source>The update information is not signed with Nimbra&apos;s release key, so it was ignored.</source>
        <translation>Güncelleme bilgileri Nimbra’nın sürüm anahtarıyla imzalanmadığı için yok sayıldı.</translation>
    </message>
    <message>
        <source>The update information could not be read: %1.</source>
        <translation>Güncelleme bilgileri okunamadı: %1.</translation>
    </message>
    <message>
        <source>Nimbra %1 is available</source>
        <translation>Nimbra %1 sürümü kullanılabilir</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>Kullandığınız sürüm: %1.</translation>
    </message>
    <message>
        <source>View Release Notes</source>
        <translation>Sürüm Notlarını Görüntüle</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Daha Sonra</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>En güncel sürümü kullanıyorsunuz</translation>
    </message>
    <message>
        <source>Nimbra %1 is the newest version.</source>
        <translation>Nimbra %1 en yeni sürümdür.</translation>
    </message>
    <message>
        <source>Nimbra couldn&apos;t check for updates</source>
        <translation>Nimbra güncellemeleri denetleyemedi</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>boyutu çok büyük</translation>
    </message>
    <message>
        <source>its address is not an https address</source>
        <translation>adresi bir https adresi değil</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Taşınıyor</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Kopyalanıyor</translation>
    </message>
    <message>
        <source>Moving “%1”…</source>
        <translation>“%1” taşınıyor…</translation>
    </message>
    <message>
        <source>Copying “%1”…</source>
        <translation>“%1” kopyalanıyor…</translation>
    </message>
    <message>
        <source>Files</source>
        <comment>GNOME&apos;s file manager</comment>
        <translation>Dosyalar</translation>
    </message>
</context>
</TS>
