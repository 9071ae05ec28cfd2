<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Laatste back-up: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Bestanden en mappen overslaan waarvan de naam met een punt begint</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Controleer uw gebruikersnaam en wachtwoord.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>De Quintlink-ID is ongeldig of bestaat niet.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>De geselecteerde back-upmap is ongeldig. Kies een andere map.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Voer het adres van uw server in en het account waarnaar u een back-up wilt maken.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>De back-uptaak op de server komt niet overeen met de richting van deze taak.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>Voer de 6-cijferige code in</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>Het quotum van de gedeelde doelmap is bereikt.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Het SSL-certificaat van de server kan niet worden geverifieerd.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Voltooien</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Kies de mappen op deze computer waarvan u een back-up wilt maken.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>De server is vervangen of opnieuw ingesteld. Koppel deze computer opnieuw.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>Een lokale map van de back-uptaak kan niet worden gevonden.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Servernaam of IP-adres</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>Hulp nodig? Bezoek het online helpcentrum.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>De lokale database is beschadigd of kan niet worden geopend.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>Uw bestanden automatisch veilig.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Monochroom pictogram in het systeemvak gebruiken</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>De gedeelde doelmap is versleuteld en niet aangekoppeld.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Nimbra Backup openen</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>De server heeft een onverwacht antwoord verzonden.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>De lokale back-upmap staat op een station dat niet is aangekoppeld.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Ontkoppelen</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>Er is onvoldoende vrije ruimte op de bestemming.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>De service voor thuismappen is uitgeschakeld op de server.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Bijgewerkt</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>Er is onvoldoende vrije ruimte op de bestemming voor deze back-upmap.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup versie %1. Copyright (C) Halvern. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>De back-up kan niet worden voltooid.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pad</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Handmatige proxyconfiguratie</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Bestemming</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>Voor dit account is een verificatiecode vereist.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>Deze computer ontkoppelen van %1? De back-uptaken ervan worden gestopt.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Nimbra Backup wordt geïnitialiseerd...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>Geen map geselecteerd.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Proxyinstellingen van het systeem gebruiken</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Lokale map</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Voer een gebruikersnaam in voor de proxyserver.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Het SSL-certificaat van de server is gewijzigd. Wilt u het nieuwe certificaat vertrouwen?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Ontkoppelen...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL-versleuteling gebruiken</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Recente activiteit</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>De bronmap is alleen-lezen. Van de bestanden kan een back-up worden gemaakt, maar ze kunnen er niet in worden teruggezet.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>U hebt alleen-lezentoegang tot deze map.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgraden</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>De nieuwe taal wordt van kracht nadat Nimbra Backup opnieuw is gestart.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Voer een poortnummer tussen 1 en 65535 in.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploaden</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>Het SSL-certificaat van de server is gewijzigd sinds de laatste verbinding.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>De server accepteert geen verbindingen van dit IP-adres.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>Verbinding testen...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Er kan geen beveiligde verbinding met de server tot stand worden gebracht.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Niet nu</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Verbinding maken met uw server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>De verificatiecode is onjuist.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Er bestaat al een gedeelde map met deze naam op de server.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>Deze wizard helpt u bij het instellen van uw eerste back-uptaak.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinding maken...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ingeschakeld</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>U hebt geen machtiging voor toegang tot de doelmap.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Uw opslagquotum op de server is bereikt.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dubbelklik om de bestandsextensie te bewerken.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Maximale bestandsgrootte (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Back-up maken...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>Uw opslagquotum is te klein voor deze back-upmap.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Te veel mislukte aanmeldpogingen. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 betekent geen limiet</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Er is een onverwachte fout opgetreden.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Nimbra Backup kan niet worden geïnitialiseerd.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>De server komt niet overeen met de server waarop deze taak is gemaakt.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Kies een doelmap op de server.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>De gebruikersnaam of het wachtwoord is onjuist.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systeemstandaard</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Vertrouwen en doorgaan</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Kies de lokale mappen waarvan u een back-up wilt maken en waar ze op de server worden opgeslagen.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>Voor dit account is verificatie in twee stappen verplicht. Schakel deze eerst in.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Voer het adres en de poort van de proxyserver in.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>Dit account is uitgeschakeld op de server.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>Een andere back-uptaak gebruikt deze doelmap al.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Er is geen geldige map om een back-up van te maken.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Wachten tot het bestand wordt ontgrendeld</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Geen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>De serverversie is te oud voor deze client. Werk de server bij.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Mappen op deze computer selecteren</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Geef een bestandsgrootte op tussen 0 en 10240000 MB, waarbij 0 MB onbeperkt betekent.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Bestanden op de server behouden wanneer ze op deze computer worden verwijderd</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>De netwerkverbinding is verbroken. Controleer uw netwerkinstellingen.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Bronmappen kiezen</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>Van alleen-lezenmappen wordt een back-up gemaakt, maar wijzigingen op de server worden er niet naar teruggeschreven.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Beveiligingswaarschuwing</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wachten</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 downloaden...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Maak in een paar stappen een back-up van de mappen op deze computer naar uw server.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Gebruikersnaam voor proxy</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Verbinding maken via Quintlink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>Er is een systeemfout opgetreden. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>De gedeelde doelmap %1 bestaat niet meer.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Upgrade van %1 mislukt (foutcode: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Voorbereiden</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>De doelmap is alleen-lezen. Kies een andere map.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Back-upfout</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Er is een nieuwe versie beschikbaar. Klik om bij te werken.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Alleen-lezen</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>De Quintlink-relayserver is niet bereikbaar.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>Deze lokale map maakt al deel uit van een andere back-uptaak.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>%1 bestanden te verwerken</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Uitgesloten mappen</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>U hebt geen schrijfmachtiging voor de gedeelde doelmap.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Van bestanden met deze extensies wordt geen back-up gemaakt:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Authenticatie mislukt.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>De upgrade is mislukt.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Zoeken naar servers in het lokale netwerk...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Nu starten</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>%1 verwerken</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>De proxyserver vereist authenticatie</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Back-upmappen selecteren</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>Kan geen sessie op de server maken.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup is gereed.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>Deze clientversie is te oud voor de server. Upgrade Nimbra Backup.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Uitgesloten bestandsextensies</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Instellingen toepassen...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Bijwerken...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Servers zoeken in het lokale netwerk</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>Nimbra Backup starten wanneer ik me aanmeld</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Controleer de onderstaande instellingen voordat u afrondt.</translation>
    </message>
</context>
</TS>
