<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Senaste säkerhetskopiering: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Hoppa över filer och mappar vars namn börjar med en punkt</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Kontrollera ditt användarnamn och lösenord.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>Quintlink-ID:t är ogiltigt eller finns inte.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Den valda mappen för säkerhetskopiering är ogiltig. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Ange adressen till din server och kontot som du vill säkerhetskopiera till.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Användarnamn</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>Säkerhetskopieringsuppgiften på servern matchar inte riktningen för den här uppgiften.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>Ange 6-siffrig kod</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>Kvoten för den delade målmappen har nåtts.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Serverns SSL-certifikat kunde inte verifieras.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Anslutning</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Välj de mappar på den här datorn som du vill säkerhetskopiera.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Slutfört</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>Servern har ersatts eller återställts. Koppla den här datorn till servern igen.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>Det går inte att hitta en lokal mapp i säkerhetskopieringsuppgiften.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Servernamn eller IP-adress</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>Behöver du hjälp? Besök hjälpcentret online.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Den lokala databasen är skadad eller kan inte öppnas.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>Håll dina filer säkra – automatiskt.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Använd en enfärgad ikon i meddelandefältet</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>Den delade målmappen är krypterad och inte monterad.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Förlopp</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Öppna Nimbra Backup</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>Servern skickade ett oväntat svar.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>Den lokala mappen för säkerhetskopiering finns på en enhet som inte är monterad.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Koppla bort</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>Det finns inte tillräckligt med ledigt utrymme på målet.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>Tjänsten för hemmappar är inaktiverad på servern.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Uppdaterad</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>Det finns inte tillräckligt med ledigt utrymme på målet för att säkerhetskopiera den här mappen.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup version %1. Copyright (C) Halvern. Med ensamrätt.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>Säkerhetskopieringen kunde inte slutföras.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Sökväg</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuell proxykonfiguration</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>Det här kontot kräver en verifieringskod.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>Vill du koppla bort den här datorn från %1? Datorns säkerhetskopieringsuppgifter stoppas.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Återuppta</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Nimbra Backup initieras...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>Ingen mapp har valts.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Använd systemets proxyinställningar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Lokal mapp</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Ange ett användarnamn för proxyservern.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Serverns SSL-certifikat har ändrats. Vill du lita på det nya certifikatet?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Kopplar bort...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Använd SSL-kryptering</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Senaste aktivitet</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>Källmappen är skrivskyddad. Filer kan säkerhetskopieras men inte återställas till den.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>Du har endast läsbehörighet till den här mappen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausad</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Uppgradera</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>Det nya språket börjar gälla när Nimbra Backup har startats om.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Ange ett portnummer mellan 1 och 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laddar upp</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>Serverns SSL-certifikat har ändrats sedan den senaste anslutningen.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Servern tar inte emot anslutningar från den här IP-adressen.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>Testar anslutningen...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Det gick inte att upprätta en säker anslutning till servern.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Inte nu</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Anslut till din server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Verifieringskoden är felaktig.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Det finns redan en delad mapp med det här namnet på servern.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>Den här guiden hjälper dig att konfigurera din första säkerhetskopieringsuppgift.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Ansluter...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiverad</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>Du har inte behörighet att komma åt målmappen.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Din lagringskvot på servern har nåtts.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dubbelklicka för att redigera filnamnstillägget.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Maximal filstorlek (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Säkerhetskopierar...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>Din lagringskvot är för liten för att säkerhetskopiera den här mappen.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>För många misslyckade inloggningsförsök. Försök igen senare.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 innebär ingen gräns</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ett oväntat fel uppstod.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Det gick inte att initiera Nimbra Backup.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>Servern är inte densamma som den som uppgiften skapades på.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Välj en målmapp på servern.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Användarnamnet eller lösenordet är felaktigt.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Lita på och fortsätt</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Välj de lokala mappar som ska säkerhetskopieras och var de ska lagras på servern.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>Det här kontot måste använda tvåstegsverifiering. Aktivera det först.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Ange proxyserverns adress och port.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>Det här kontot är inaktiverat på servern.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>En annan säkerhetskopieringsuppgift använder redan den här målmappen.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Det finns ingen giltig mapp att säkerhetskopiera.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Väntar på att filen ska låsas upp</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>Serverversionen är för gammal för den här klienten. Uppdatera servern.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Välj mappar på den här datorn</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Ange en filstorlek mellan 0 och 10240000 MB, där 0 MB innebär obegränsat.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Behåll filer på servern när de tas bort på den här datorn</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>Nätverksanslutningen bröts. Kontrollera dina nätverksinställningar.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Välj källmappar</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>Skrivskyddade mappar säkerhetskopieras, men ändringar på servern skrivs inte tillbaka till dem.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adress</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Säkerhetsvarning</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Väntar</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Laddar ned %1...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Säkerhetskopiera mapparna på den här datorn till din server i några få steg.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Användarnamn för proxy</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Anslut via Quintlink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>Ett systemfel uppstod. Försök igen senare.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>Den delade målmappen %1 finns inte längre.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Uppgraderingen av %1 misslyckades (felkod: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammanfattning</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Förbereder</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>Målmappen är skrivskyddad. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Fel vid säkerhetskopiering</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>En ny version finns tillgänglig. Klicka för att uppdatera.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivskyddad</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>Det gick inte att nå Quintlink-reläservern.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>Den här lokala mappen ingår redan i en annan säkerhetskopieringsuppgift.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>%1 filer att bearbeta</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Undantagna mappar</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>Du har inte behörighet att skriva till den delade målmappen.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Filer med dessa filnamnstillägg säkerhetskopieras inte:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Autentiseringen misslyckades.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Uppgraderingen misslyckades.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Söker efter servrar i det lokala nätverket...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Starta nu</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Bearbetar %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyservern kräver autentisering</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Välj mappar för säkerhetskopiering</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>Det gick inte att skapa en session på servern.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup är klart att använda.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>Klientversionen är för gammal för servern. Uppgradera Nimbra Backup.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Undantagna filnamnstillägg</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Tillämpar inställningar...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Uppdaterar...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Hitta servrar i det lokala nätverket</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>Starta Nimbra Backup när jag loggar in</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Granska inställningarna nedan innan du slutför.</translation>
    </message>
</context>
</TS>
