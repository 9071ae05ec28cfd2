<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Siste sikkerhetskopiering: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Hopp over filer og mapper med navn som begynner med punktum</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Kontroller brukernavnet og passordet.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>Quintlink-ID-en er ugyldig eller finnes ikke.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Den valgte mappen for sikkerhetskopiering er ugyldig. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Skriv inn adressen til serveren og kontoen det skal sikkerhetskopieres til.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Brukernavn</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>Sikkerhetskopieringsoppgaven på serveren samsvarer ikke med retningen til denne oppgaven.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>Skriv inn 6-sifret kode</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>Kvoten for den delte målmappen er nådd.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Serverens SSL-sertifikat kunne ikke bekreftes.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Tilkobling</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Velg mappene på denne datamaskinen som du vil sikkerhetskopiere.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fullført</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>Serveren er byttet ut eller tilbakestilt. Koble til denne datamaskinen på nytt.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>Finner ikke en lokal mappe i sikkerhetskopieringsoppgaven.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Servernavn eller IP-adresse</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>Trenger du hjelp? Besøk hjelpesenteret på nett.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Den lokale databasen er skadet eller kan ikke åpnes.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>Hold filene dine trygge – automatisk.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Bruk et monokromt ikon i varslingsområdet</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>Den delte målmappen er kryptert og ikke montert.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fremdrift</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Åpne Nimbra Backup</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>Serveren sendte et uventet svar.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>Den lokale mappen for sikkerhetskopiering ligger på en stasjon som ikke er montert.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Koble fra</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>Det er ikke nok ledig plass på målet.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>Tjenesten for hjemmemapper er deaktivert på serveren.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Oppdatert</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>Det er ikke nok ledig plass på målet til å sikkerhetskopiere denne mappen.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup versjon %1. Copyright (C) Halvern. Med enerett.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>Sikkerhetskopieringen kunne ikke fullføres.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Bane</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuell proxykonfigurasjon</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>Denne kontoen krever en bekreftelseskode.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>Vil du koble denne datamaskinen fra %1? Sikkerhetskopieringsoppgavene til datamaskinen stoppes.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Gjenoppta</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Klargjør Nimbra Backup...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>Ingen mappe er valgt.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Bruk systemets proxyinnstillinger</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Lokal mappe</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Skriv inn et brukernavn for proxyserveren.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Serverens SSL-sertifikat er endret. Vil du stole på det nye sertifikatet?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Kobler fra...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Bruk SSL-kryptering</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versjon %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Nylig aktivitet</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sett på pause</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>Kildemappen er skrivebeskyttet. Filer kan sikkerhetskopieres, men ikke gjenopprettes til den.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>Du har bare lesetilgang til denne mappen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Satt på pause</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Oppgrader</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>Det nye språket tas i bruk når Nimbra Backup har startet på nytt.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Skriv inn et portnummer mellom 1 og 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laster opp</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>Serverens SSL-sertifikat er endret siden forrige tilkobling.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Serveren godtar ikke tilkoblinger fra denne IP-adressen.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>Tester tilkoblingen...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Kunne ikke opprette en sikker tilkobling til serveren.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ikke nå</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Koble til serveren</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Bekreftelseskoden er feil.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Det finnes allerede en delt mappe med dette navnet på serveren.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>Denne veiviseren hjelper deg med å konfigurere din første sikkerhetskopieringsoppgave.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Kobler til...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktivert</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>Du har ikke tillatelse til å få tilgang til målmappen.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Lagringskvoten din på serveren er nådd.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dobbeltklikk for å redigere filtypen.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Maksimal filstørrelse (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sikkerhetskopierer...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>Lagringskvoten din er for liten til å sikkerhetskopiere denne mappen.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>For mange mislykkede påloggingsforsøk. Prøv igjen senere.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 betyr ingen grense</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Det oppstod en uventet feil.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Nimbra Backup kunne ikke initialiseres.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>Serveren er ikke den samme som oppgaven ble opprettet på.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Velg en målmappe på serveren.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Brukernavnet eller passordet er feil.</translation>
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
        <translation>Stol på og fortsett</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Velg de lokale mappene som skal sikkerhetskopieres, og hvor de skal lagres på serveren.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>Denne kontoen må bruke totrinnsbekreftelse. Aktiver dette først.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Skriv inn adressen og porten til proxyserveren.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>Denne kontoen er deaktivert på serveren.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>En annen sikkerhetskopieringsoppgave bruker allerede denne målmappen.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Det finnes ingen gyldig mappe å sikkerhetskopiere.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Venter på at filen skal låses opp</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>Serverversjonen er for gammel for denne klienten. Oppdater serveren.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Velg mapper på denne datamaskinen</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Angi en filstørrelse mellom 0 og 10240000 MB, der 0 MB betyr ubegrenset.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Behold filer på serveren når de slettes på denne datamaskinen</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>Nettverkstilkoblingen ble brutt. Kontroller nettverksinnstillingene.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Velg kildemapper</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>Skrivebeskyttede mapper sikkerhetskopieres, men endringer på serveren skrives ikke tilbake til dem.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Sikkerhetsadvarsel</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Venter</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Laster ned %1...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Sikkerhetskopier mappene på denne datamaskinen til serveren i noen få trinn.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Brukernavn for proxy</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Koble til via Quintlink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>Det oppstod en systemfeil. Prøv igjen senere.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>Den delte målmappen %1 finnes ikke lenger.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Oppgradering av %1 mislyktes (feilkode: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammendrag</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Forbereder</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>Målmappen er skrivebeskyttet. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Feil ved sikkerhetskopiering</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>En ny versjon er tilgjengelig. Klikk for å oppdatere.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>Kunne ikke nå Quintlink-reléserveren.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>Denne lokale mappen er allerede en del av en annen sikkerhetskopieringsoppgave.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansert</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>%1 filer skal behandles</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Ekskluderte mapper</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>Du har ikke tillatelse til å skrive til den delte målmappen.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Filer med disse filtypene sikkerhetskopieres ikke:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Godkjenningen mislyktes.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Oppgraderingen mislyktes.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Søker etter servere i det lokale nettverket...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Start nå</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Behandler %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyserveren krever godkjenning</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Velg mapper for sikkerhetskopiering</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>Kunne ikke opprette en økt på serveren.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup er klar til bruk.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>Klientversjonen er for gammel for serveren. Oppgrader Nimbra Backup.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Ekskluderte filtyper</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Tar i bruk innstillingene...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Oppdaterer...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Finn servere i det lokale nettverket</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>Start Nimbra Backup når jeg logger på</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Se gjennom innstillingene nedenfor før du fullfører.</translation>
    </message>
</context>
</TS>
