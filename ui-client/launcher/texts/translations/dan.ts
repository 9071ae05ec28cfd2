<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Seneste sikkerhedskopiering: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Spring filer og mapper over, hvis navne starter med et punktum</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Kontrollér dit brugernavn og din adgangskode.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>Quintlink-id'et er ugyldigt eller findes ikke.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Den valgte mappe til sikkerhedskopiering er ugyldig. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Angiv adressen på din server og den konto, der skal sikkerhedskopieres til.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Brugernavn</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>Sikkerhedskopieringsopgaven på serveren svarer ikke til retningen for denne opgave.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>Indtast 6-cifret kode</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>Kvoten for den delte destinationsmappe er nået.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Serverens SSL-certifikat kunne ikke bekræftes.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Forbindelse</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Færdig</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Vælg de mapper på denne computer, som du vil sikkerhedskopiere.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fuldført</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>Serveren er blevet udskiftet eller nulstillet. Tilknyt denne computer igen.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>En lokal mappe i sikkerhedskopieringsopgaven blev ikke fundet.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Servernavn eller IP-adresse</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>Har du brug for hjælp? Besøg hjælpecentret online.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Den lokale database er beskadiget eller kan ikke åbnes.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>Hold dine filer sikre – automatisk.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Brug et monokromt ikon i meddelelsesområdet</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>Den delte destinationsmappe er krypteret og ikke monteret.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Forløb</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Åbn Nimbra Backup</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>Serveren sendte et uventet svar.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>Den lokale mappe til sikkerhedskopiering ligger på et drev, der ikke er monteret.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Fjern tilknytning</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>Der er ikke nok ledig plads på destinationen.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>Tjenesten til hjemmemapper er deaktiveret på serveren.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Opdateret</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>Der er ikke nok ledig plads på destinationen til at sikkerhedskopiere denne mappe.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup version %1. Copyright (C) Halvern. Alle rettigheder forbeholdes.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>Sikkerhedskopieringen kunne ikke fuldføres.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Sti</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuel proxykonfiguration</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>Denne konto kræver en bekræftelseskode.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>Vil du fjerne tilknytningen mellem denne computer og %1? Computerens sikkerhedskopieringsopgaver stopper.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Genoptag</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Adgangskode</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Nimbra Backup initialiseres...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>Der er ikke valgt nogen mappe.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Brug systemets proxyindstillinger</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
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
        <translation>Angiv et brugernavn til proxyserveren.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Serverens SSL-certifikat er ændret. Vil du stole på det nye certifikat?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Fjerner tilknytning...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Brug SSL-kryptering</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Seneste aktivitet</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sæt på pause</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>Kildemappen er skrivebeskyttet. Filerne kan sikkerhedskopieres, men ikke gendannes til den.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>Du har kun læseadgang til denne mappe.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Sat på pause</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Opgrader</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>Det nye sprog træder i kraft, når Nimbra Backup er genstartet.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Angiv et portnummer mellem 1 og 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploader</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>Serverens SSL-certifikat er ændret siden sidste forbindelse.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Serveren accepterer ikke forbindelser fra denne IP-adresse.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>Tester forbindelsen...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Der kunne ikke oprettes en sikker forbindelse til serveren.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ikke nu</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Opret forbindelse til din server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Bekræftelseskoden er forkert.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Der findes allerede en delt mappe med dette navn på serveren.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>Denne guide hjælper dig med at oprette din første sikkerhedskopieringsopgave.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Opretter forbindelse...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiveret</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>Du har ikke tilladelse til at få adgang til destinationsmappen.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Din lagerkvote på serveren er nået.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dobbeltklik for at redigere filtypenavnet.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Maksimal filstørrelse (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sikkerhedskopierer...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>Din lagerkvote er for lille til at sikkerhedskopiere denne mappe.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>For mange mislykkede loginforsøg. Prøv igen senere.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 betyder ingen grænse</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Der opstod en uventet fejl.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Nimbra Backup kunne ikke initialiseres.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>Serveren er ikke den samme som den, opgaven blev oprettet på.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Vælg en destinationsmappe på serveren.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Brugernavnet eller adgangskoden er forkert.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Stol på og fortsæt</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Vælg de lokale mapper, der skal sikkerhedskopieres, og hvor de skal gemmes på serveren.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>Denne konto skal bruge totrinsbekræftelse. Aktivér den først.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Angiv proxyserverens adresse og port.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>Denne konto er deaktiveret på serveren.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>Destinationsmappen bruges allerede af en anden sikkerhedskopieringsopgave.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Der er ingen gyldig mappe at sikkerhedskopiere.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Venter på, at filen bliver låst op</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>Serverversionen er for gammel til denne klient. Opdater serveren.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Vælg mapper på denne computer</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Angiv en filstørrelse mellem 0 og 10240000 MB, hvor 0 MB betyder ubegrænset.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Behold filer på serveren, når de slettes på denne computer</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>Netværksforbindelsen blev afbrudt. Kontrollér dine netværksindstillinger.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Vælg kildemapper</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>Skrivebeskyttede mapper sikkerhedskopieres, men ændringer på serveren skrives ikke tilbage til dem.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Sikkerhedsadvarsel</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Venter</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Downloader %1...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Sikkerhedskopiér mapperne på denne computer til din server i få trin.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Brugernavn til proxy</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Opret forbindelse via Quintlink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>Der opstod en systemfejl. Prøv igen senere.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>Den delte destinationsmappe %1 findes ikke længere.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Opgradering af %1 mislykkedes (fejlkode: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Oversigt</translation>
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
        <translation>Destinationsmappen er skrivebeskyttet. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Fejl under sikkerhedskopiering</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Der er en ny version tilgængelig. Klik for at opdatere.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>Quintlink-relæserveren kunne ikke nås.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>Denne lokale mappe er allerede en del af en anden sikkerhedskopieringsopgave.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanceret</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>%1 filer skal behandles</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Udeladte mapper</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>Du har ikke tilladelse til at skrive til den delte destinationsmappe.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Filer med disse filtypenavne sikkerhedskopieres ikke:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Godkendelsen mislykkedes.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Opgraderingen mislykkedes.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Søger efter servere på det lokale netværk...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Start nu</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Behandler %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyserveren kræver godkendelse</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Vælg mapper til sikkerhedskopiering</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>Der kunne ikke oprettes en session på serveren.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup er klar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>Klientversionen er for gammel til serveren. Opgrader Nimbra Backup.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Udeladte filtypenavne</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Anvender indstillinger...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Opdaterer...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Find servere på det lokale netværk</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>Start Nimbra Backup, når jeg logger på</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Gennemgå indstillingerne nedenfor, før du afslutter.</translation>
    </message>
</context>
</TS>
