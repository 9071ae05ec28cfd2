<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Poslední zálohování: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Přeskakovat soubory a složky, jejichž názvy začínají tečkou</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Zkontrolujte uživatelské jméno a heslo.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>ID Quintlink je neplatné nebo neexistuje.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Vybraná složka k zálohování je neplatná. Vyberte jinou složku.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Zadejte adresu serveru a účet, do kterého se bude zálohovat.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>Úloha zálohování na serveru neodpovídá směru této úlohy.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>Zadejte 6místný kód</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>Byla dosažena kvóta cílové sdílené složky.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Certifikát SSL serveru nelze ověřit.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Připojení</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Vyberte složky v tomto počítači, které chcete zálohovat.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Dokončeno</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>Server byl vyměněn nebo resetován. Propojte tento počítač znovu.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>Místní složku úlohy zálohování nelze najít.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Název serveru nebo IP adresa</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>Potřebujete pomoc? Navštivte online centrum nápovědy.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Místní databáze je poškozená nebo ji nelze otevřít.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>Vaše soubory v bezpečí – automaticky.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Používat jednobarevnou ikonu v oznamovací oblasti</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>Cílová sdílená složka je šifrovaná a není připojená.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Průběh</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Otevřít Nimbra Backup</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>Server odeslal neočekávanou odpověď.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>Místní složka k zálohování je na jednotce, která není připojená.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Zrušit propojení</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>V cíli není dostatek volného místa.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>Služba domovských složek je na serveru zakázána.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktuální</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>V cíli není dostatek volného místa pro zálohování této složky.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup verze %1. Copyright (C) Halvern. Všechna práva vyhrazena.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>Zálohování se nepodařilo dokončit.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ruční konfigurace proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cíl</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>Tento účet vyžaduje ověřovací kód.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>Zrušit propojení tohoto počítače se serverem %1? Jeho úlohy zálohování se zastaví.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Nimbra Backup se inicializuje...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>Není vybrána žádná složka.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Použít systémové nastavení proxy</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Místní složka</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Zadejte uživatelské jméno pro proxy server.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Certifikát SSL serveru se změnil. Chcete novému certifikátu důvěřovat?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Rušení propojení...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Použít šifrování SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Nedávná aktivita</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>Zdrojová složka je jen pro čtení. Soubory lze zálohovat, ale nelze je do ní obnovit.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>K této složce máte přístup jen pro čtení.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgradovat</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>Nový jazyk se projeví po restartování aplikace Nimbra Backup.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Zadejte číslo portu od 1 do 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Nahrávání</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>Certifikát SSL serveru se od posledního připojení změnil.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Server nepřijímá připojení z této IP adresy.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>Testování připojení...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>K serveru nelze navázat zabezpečené připojení.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Teď ne</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Připojení k serveru</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Ověřovací kód je nesprávný.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Sdílená složka s tímto názvem již na serveru existuje.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>Tento průvodce vám pomůže nastavit první úlohu zálohování.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Připojování...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Povoleno</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>Nemáte oprávnění k přístupu do cílové složky.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Byla dosažena vaše kvóta úložiště na serveru.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dvojitým kliknutím upravíte příponu souboru.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Maximální velikost souboru (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Zálohování...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>Vaše kvóta úložiště je pro zálohování této složky příliš malá.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Příliš mnoho neúspěšných pokusů o přihlášení. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 znamená bez omezení</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Došlo k neočekávané chybě.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Inicializace aplikace Nimbra Backup se nezdařila.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>Server neodpovídá serveru, na kterém byla tato úloha vytvořena.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Vyberte cílovou složku na serveru.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Uživatelské jméno nebo heslo je nesprávné.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Výchozí nastavení systému</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Důvěřovat a pokračovat</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Vyberte místní složky k zálohování a umístění, kam se mají na serveru uložit.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>Tento účet musí používat dvoufázové ověření. Nejprve ho zapněte.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Zadejte adresu a port proxy serveru.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>Tento účet je na serveru zakázán.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>Tuto cílovou složku již používá jiná úloha zálohování.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Není k dispozici žádná platná složka k zálohování.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Čeká se na odemčení souboru</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>Verze serveru je pro tohoto klienta příliš stará. Aktualizujte server.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Vyberte složky v tomto počítači</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Zadejte velikost souboru od 0 do 10240000 MB; 0 MB znamená bez omezení.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Ponechávat soubory na serveru, když jsou odstraněny v tomto počítači</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>Síťové připojení bylo přerušeno. Zkontrolujte nastavení sítě.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Vyberte zdrojové složky</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>Složky jen pro čtení se zálohují, ale změny na serveru se do nich nezapisují zpět.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Upozornění zabezpečení</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Čekání</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Stahování %1...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Zálohujte složky z tohoto počítače na svůj server v několika krocích.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Uživatelské jméno pro proxy</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Připojit přes Quintlink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Účet</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>Došlo k systémové chybě. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>Cílová sdílená složka %1 již neexistuje.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Upgrade %1 se nezdařil (kód chyby: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Příprava</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>Cílová složka je jen pro čtení. Vyberte jinou složku.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Chyba zálohování</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Je k dispozici nová verze. Kliknutím ji aktualizujete.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Jen pro čtení</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>Předávací server Quintlink není dostupný.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>Tato místní složka již patří do jiné úlohy zálohování.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Pokročilé</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>Soubory ke zpracování: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Vyloučené složky</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>Nemáte oprávnění k zápisu do cílové sdílené složky.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Soubory s těmito příponami se nezálohují:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Ověření se nezdařilo.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Upgrade se nezdařil.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Hledání serverů v místní síti...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Spustit nyní</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Zpracování: %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxy server vyžaduje ověření</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Vyberte složky k zálohování</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>Na serveru nelze vytvořit relaci.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup je připraven.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>Verze klienta je pro tento server příliš stará. Upgradujte Nimbra Backup.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Vyloučené přípony souborů</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Použití nastavení...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aktualizace...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Najít servery v místní síti</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>Spouštět Nimbra Backup po přihlášení</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Před dokončením zkontrolujte níže uvedená nastavení.</translation>
    </message>
</context>
</TS>
