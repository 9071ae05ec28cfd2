<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Utolsó biztonsági mentés: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Ponttal kezdődő nevű fájlok és mappák kihagyása</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Ellenőrizze a felhasználónevet és a jelszót.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>A Quintlink-azonosító érvénytelen, vagy nem létezik.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>A kiválasztott biztonsági mentési mappa érvénytelen. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Adja meg a kiszolgáló címét és azt a fiókot, amelybe a biztonsági mentés készül.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Felhasználónév</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>A kiszolgálón lévő biztonsági mentési feladat iránya nem egyezik ennek a feladatnak az irányával.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>Adja meg a 6 jegyű kódot</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>A megosztott célmappa elérte a kvótáját.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>A kiszolgáló SSL-tanúsítványát nem sikerült ellenőrizni.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Kapcsolat</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Válassza ki a számítógépen azokat a mappákat, amelyekről biztonsági mentést szeretne készíteni.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Befejezve</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>A kiszolgálót lecserélték vagy alaphelyzetbe állították. Kapcsolja össze újra ezt a számítógépet a kiszolgálóval.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>A biztonsági mentési feladat egyik helyi mappája nem található.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Kiszolgálónév vagy IP-cím</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>Segítségre van szüksége? Keresse fel az online súgóközpontot.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>A helyi adatbázis sérült, vagy nem nyitható meg.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>Fájljai biztonságban – automatikusan.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Egyszínű tálcaikon használata</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>A megosztott célmappa titkosított, és nincs csatlakoztatva.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Előrehaladás</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Nimbra Backup megnyitása</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>A kiszolgáló váratlan választ küldött.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>A helyi biztonsági mentési mappa nem csatlakoztatott meghajtón található.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Leválasztás</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>A célhelyen nincs elég szabad hely.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>A kezdőmappa-szolgáltatás le van tiltva a kiszolgálón.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Naprakész</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>A célhelyen nincs elég szabad hely ehhez a biztonsági mentési mappához.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup, verzió: %1. Copyright (C) Halvern. Minden jog fenntartva.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>A biztonsági mentést nem sikerült befejezni.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Elérési út</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Kézi proxykonfiguráció</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Célhely</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>Ehhez a fiókhoz ellenőrző kód szükséges.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>Leválasztja ezt a számítógépet a következőről: %1? A számítógép biztonsági mentési feladatai leállnak.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>A Nimbra Backup inicializálása folyamatban...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>Nincs kiválasztott mappa.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>A rendszer proxybeállításainak használata</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Helyi mappa</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Adja meg a proxykiszolgáló felhasználónevét.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Szűrő</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>A kiszolgáló SSL-tanúsítványa megváltozott. Megbízik az új tanúsítványban?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Leválasztás...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL-titkosítás használata</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verzió: %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Legutóbbi tevékenység</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Szüneteltetés</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>A forrásmappa csak olvasható. A fájlokról készülhet biztonsági mentés, de nem állíthatók vissza ebbe a mappába.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>Ehhez a mappához csak olvasási joga van.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Szüneteltetve</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>Az új nyelv a Nimbra Backup újraindítása után lép életbe.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Adjon meg egy 1 és 65535 közötti portszámot.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Feltöltés</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>A kiszolgáló SSL-tanúsítványa megváltozott a legutóbbi kapcsolódás óta.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>A kiszolgáló nem fogad kapcsolatot erről az IP-címről.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>Kapcsolat tesztelése...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Nem sikerült biztonságos kapcsolatot létesíteni a kiszolgálóval.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Most nem</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Csatlakozás a kiszolgálóhoz</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Az ellenőrző kód helytelen.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kiválasztás</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Már létezik ilyen nevű megosztott mappa a kiszolgálón.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>Ez a varázsló segít beállítani az első biztonsági mentési feladatot.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Csatlakozás...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Engedélyezve</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>Nincs engedélye a célmappa eléréséhez.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Elérte a tárhelykvótáját a kiszolgálón.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Kattintson duplán a fájlkiterjesztés szerkesztéséhez.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Maximális fájlméret (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Biztonsági mentés folyamatban...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>A tárhelykvótája túl kicsi ehhez a biztonsági mentési mappához.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Túl sok sikertelen bejelentkezési kísérlet. Próbálkozzon újra később.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>A 0 azt jelenti, hogy nincs korlát</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Váratlan hiba történt.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>A Nimbra Backup inicializálása nem sikerült.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>A kiszolgáló nem egyezik azzal, amelyen ezt a feladatot létrehozták.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Válasszon célmappát a kiszolgálón.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>A felhasználónév vagy a jelszó helytelen.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Rendszer alapértelmezése</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Megbízom és folytatom</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Válassza ki a biztonsági mentésbe felvenni kívánt helyi mappákat, és azt, hogy hol tárolódjanak a kiszolgálón.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>Ennek a fióknak kétlépéses ellenőrzést kell használnia. Először kapcsolja be.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Adja meg a proxykiszolgáló címét és portját.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>Ez a fiók le van tiltva a kiszolgálón.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>Ezt a célmappát már egy másik biztonsági mentési feladat használja.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Nincs érvényes mappa a biztonsági mentéshez.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Várakozás a fájl zárolásának feloldására</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nincs proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>A kiszolgáló verziója túl régi ehhez a klienshez. Frissítse a kiszolgálót.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Mappák kiválasztása ezen a számítógépen</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Adjon meg 0 és 10240000 MB közötti fájlméretet; a 0 MB korlátlant jelent.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>A fájlok megtartása a kiszolgálón, ha törlik őket erről a számítógépről</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>A hálózati kapcsolat megszakadt. Ellenőrizze a hálózati beállításokat.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Forrásmappák kiválasztása</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>A csak olvasható mappákról készül biztonsági mentés, de a kiszolgálón végzett módosítások nem íródnak vissza beléjük.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Cím</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Biztonsági figyelmeztetés</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Várakozás</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 letöltése...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Készítsen néhány lépésben biztonsági mentést a számítógép mappáiról a kiszolgálójára.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Proxy-felhasználónév</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Csatlakozás a Quintlink segítségével</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Fiók</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>Rendszerhiba történt. Próbálkozzon újra később.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>A(z) %1 megosztott célmappa már nem létezik.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>A(z) %1 frissítése sikertelen (hibakód: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Összegzés</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Előkészítés</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>A célmappa csak olvasható. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Biztonsági mentési hiba</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Új verzió érhető el. Kattintson a frissítéshez.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Csak olvasható</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>A Quintlink továbbítókiszolgálója nem érhető el.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>Ez a helyi mappa már egy másik biztonsági mentési feladat része.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Speciális</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>Feldolgozandó fájlok: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Kizárt mappák</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>Nincs engedélye írni a megosztott célmappába.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Az alábbi kiterjesztésű fájlokról nem készül biztonsági mentés:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>A hitelesítés sikertelen.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>A frissítés sikertelen.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Kiszolgálók keresése a helyi hálózaton...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Indítás most</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Feldolgozás: %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>A proxykiszolgáló hitelesítést igényel</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Kiszolgáló</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Biztonsági mentési mappák kiválasztása</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>Nem sikerült munkamenetet létrehozni a kiszolgálón.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>A Nimbra Backup használatra kész.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>A kliens verziója túl régi ehhez a kiszolgálóhoz. Frissítse a Nimbra Backup programot.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Kizárt fájlkiterjesztések</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Beállítások alkalmazása...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Frissítés...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Kiszolgálók keresése a helyi hálózaton</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>A Nimbra Backup indítása bejelentkezéskor</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Befejezés előtt tekintse át az alábbi beállításokat.</translation>
    </message>
</context>
</TS>
