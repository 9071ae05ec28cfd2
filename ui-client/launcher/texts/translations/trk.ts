<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Son yedekleme: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Adı nokta ile başlayan dosya ve klasörleri atla</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Lütfen kullanıcı adınızı ve parolanızı kontrol edin.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>Quintlink kimliği geçersiz veya mevcut değil.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Seçilen yedekleme klasörü geçersiz. Lütfen başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Sunucunuzun adresini ve yedeklemenin yapılacağı hesabı girin.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Kullanıcı adı</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>Sunucudaki yedekleme görevi bu görevin yönüyle eşleşmiyor.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>6 haneli kodu girin</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>Hedef paylaşılan klasörün kotasına ulaşıldı.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Sunucunun SSL sertifikası doğrulanamadı.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Bağlantı</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Bu bilgisayarda yedeklemek istediğiniz klasörleri seçin.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>Sunucu değiştirildi veya sıfırlandı. Lütfen bu bilgisayarı yeniden bağlayın.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>Yedekleme görevinin yerel klasörlerinden biri bulunamıyor.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Sunucu adı veya IP adresi</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>Yardım mı gerekiyor? Çevrimiçi yardım merkezini ziyaret edin.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Yerel veritabanı hasarlı veya açılamıyor.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>Dosyalarınız otomatik olarak güvende.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Bildirim alanında tek renkli simge kullan</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>Hedef paylaşılan klasör şifreli ve bağlı değil.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Nimbra Backup'ı aç</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>Sunucu beklenmeyen bir yanıt gönderdi.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>Yerel yedekleme klasörü, bağlı olmayan bir sürücüde bulunuyor.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Bağlantıyı kaldır</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>Hedefte yeterli boş alan yok.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>Sunucuda kullanıcı ana klasörü hizmeti devre dışı.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Güncel</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>Hedefte bu yedekleme klasörü için yeterli boş alan yok.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup sürüm %1. Copyright (C) Halvern. Tüm hakları saklıdır.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>Yedekleme tamamlanamadı.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Yol</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>El ile proxy yapılandırması</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>Bu hesap bir doğrulama kodu gerektiriyor.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>Bu bilgisayarın %1 ile bağlantısı kaldırılsın mı? Bilgisayarın yedekleme görevleri durdurulacak.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Nimbra Backup başlatılıyor...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>Klasör seçilmedi.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Sistem proxy ayarlarını kullan</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Yerel klasör</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Lütfen proxy sunucusu için bir kullanıcı adı girin.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Sunucunun SSL sertifikası değişti. Yeni sertifikaya güvenmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Bağlantı kaldırılıyor...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL şifrelemesi kullan</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Son etkinlikler</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>Kaynak klasör salt okunur. Dosyalar yedeklenebilir ancak bu klasöre geri yüklenemez.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>Bu klasöre yalnızca okuma erişiminiz var.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Yükselt</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>Yeni dil, Nimbra Backup yeniden başlatıldıktan sonra geçerli olur.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Lütfen 1 ile 65535 arasında bir bağlantı noktası numarası girin.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Karşıya yükleniyor</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>Sunucunun SSL sertifikası son bağlantıdan bu yana değişti.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Sunucu bu IP adresinden gelen bağlantıları kabul etmiyor.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>Bağlantı test ediliyor...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Sunucuyla güvenli bir bağlantı kurulamadı.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Şimdi değil</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Bağlantı noktası</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Sunucunuza bağlanın</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Doğrulama kodu yanlış.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Sunucuda bu ada sahip bir paylaşılan klasör zaten var.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>Bu sihirbaz, ilk yedekleme görevinizi ayarlamanıza yardımcı olur.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Bağlanıyor...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Etkin</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>Hedef klasöre erişim izniniz yok.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Sunucudaki depolama kotanız doldu.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dosya uzantısını düzenlemek için çift tıklayın.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Maksimum dosya boyutu (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Yedekleniyor...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>Depolama kotanız bu yedekleme klasörü için yetersiz.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Çok fazla başarısız oturum açma denemesi. Lütfen daha sonra tekrar deneyin.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 sınırsız anlamına gelir</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Beklenmeyen bir hata oluştu.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Nimbra Backup başlatılamadı.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>Sunucu, bu görevin oluşturulduğu sunucuyla eşleşmiyor.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Sunucuda bir hedef klasör seçin.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Kullanıcı adı veya parola yanlış.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Güven ve devam et</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Yedeklenecek yerel klasörleri ve bunların sunucuda nerede saklanacağını seçin.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>Bu hesabın iki adımlı doğrulama kullanması gerekiyor. Lütfen önce bunu etkinleştirin.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Lütfen proxy sunucusunun adresini ve bağlantı noktasını girin.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>Bu hesap sunucuda devre dışı bırakılmış.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>Bu hedef klasör zaten başka bir yedekleme görevi tarafından kullanılıyor.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Yedeklenecek geçerli bir klasör yok.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Dosyanın kilidinin açılması bekleniyor</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Proxy yok</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>Sunucu sürümü bu istemci için çok eski. Lütfen sunucuyu güncelleyin.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Bu bilgisayardaki klasörleri seçin</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>0 ile 10240000 MB arasında bir dosya boyutu belirtin; 0 MB sınırsız anlamına gelir.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Bu bilgisayarda silinen dosyaları sunucuda tut</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>Ağ bağlantısı kesildi. Lütfen ağ ayarlarınızı kontrol edin.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Kaynak klasörleri seçin</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>Salt okunur klasörler yedeklenir ancak sunucudaki değişiklikler bu klasörlere geri yazılmaz.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Güvenlik uyarısı</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Bekleniyor</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 indiriliyor...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Bu bilgisayardaki klasörleri birkaç adımda sunucunuza yedekleyin.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Proxy kullanıcı adı</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Quintlink üzerinden bağlan</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Hesap</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>Bir sistem hatası oluştu. Lütfen daha sonra tekrar deneyin.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>%1 adlı hedef paylaşılan klasör artık mevcut değil.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 yükseltilemedi (hata kodu: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Özet</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Hazırlanıyor</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>Hedef klasör salt okunur. Lütfen başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Yedekleme hatası</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Yeni bir sürüm mevcut. Güncellemek için tıklayın.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Salt okunur</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>Quintlink aktarma sunucusuna ulaşılamadı.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>Bu yerel klasör zaten başka bir yedekleme görevinin parçası.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gelişmiş</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>%1 dosya işlenecek</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Hariç tutulan klasörler</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>Hedef paylaşılan klasöre yazma izniniz yok.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Bu uzantılara sahip dosyalar yedeklenmez:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Kimlik doğrulama başarısız oldu.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Yükseltme başarısız oldu.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Yerel ağda sunucular aranıyor...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Şimdi başlat</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>İşleniyor: %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxy sunucusu kimlik doğrulaması gerektiriyor</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Sunucu</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Yedekleme klasörlerini seçin</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>Sunucuda oturum oluşturulamadı.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup hazır.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>Bu istemci sürümü sunucu için çok eski. Lütfen Nimbra Backup'ı yükseltin.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Hariç tutulan dosya uzantıları</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Ayarlar uygulanıyor...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Güncelleniyor...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Yerel ağdaki sunucuları bul</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>Oturum açtığımda Nimbra Backup'ı başlat</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Lütfen bitirmeden önce aşağıdaki ayarları gözden geçirin.</translation>
    </message>
</context>
</TS>
