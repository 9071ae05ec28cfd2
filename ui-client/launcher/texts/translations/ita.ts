<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Ultimo backup: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Ignora file e cartelle il cui nome inizia con un punto</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Controlla il nome utente e la password.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>L'ID Quintlink non è valido o non esiste.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>La cartella di backup selezionata non è valida. Scegli un'altra cartella.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Inserisci l'indirizzo del tuo server e l'account su cui eseguire il backup.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>L'attività di backup sul server non corrisponde alla direzione di questa attività.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>Inserisci il codice a 6 cifre</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>È stata raggiunta la quota della cartella condivisa di destinazione.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Impossibile verificare il certificato SSL del server.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Scegli le cartelle di questo computer di cui vuoi eseguire il backup.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>Il server è stato sostituito o reimpostato. Collega di nuovo questo computer.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>Impossibile trovare una cartella locale dell'attività di backup.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Nome del server o indirizzo IP</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>Serve aiuto? Visita il centro assistenza online.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Il database locale è danneggiato o non può essere aperto.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>I tuoi file al sicuro, automaticamente.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Usa un'icona monocromatica nell'area di notifica</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>La cartella condivisa di destinazione è crittografata e non montata.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Apri Nimbra Backup</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>Il server ha inviato una risposta imprevista.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>La cartella di backup locale si trova su un'unità non montata.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Scollega</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>Spazio libero insufficiente nella destinazione.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>Il servizio delle cartelle home è disabilitato sul server.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aggiornato</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>Spazio libero insufficiente nella destinazione per questa cartella di backup.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup versione %1. Copyright (C) Halvern. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>Impossibile completare il backup.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configurazione manuale del proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>Questo account richiede un codice di verifica.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>Scollegare questo computer da %1? Le sue attività di backup verranno interrotte.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Inizializzazione di Nimbra Backup in corso...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>Nessuna cartella selezionata.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Usa le impostazioni proxy di sistema</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Cartella locale</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Inserisci un nome utente per il server proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Il certificato SSL del server è cambiato. Vuoi considerare attendibile il nuovo certificato?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Scollegamento in corso...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Usa la crittografia SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Attività recenti</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>La cartella di origine è di sola lettura. È possibile eseguire il backup dei file, ma non ripristinarli al suo interno.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>Hai accesso in sola lettura a questa cartella.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Sospeso</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>La nuova lingua verrà applicata al riavvio di Nimbra Backup.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Inserisci un numero di porta compreso tra 1 e 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>Il certificato SSL del server è cambiato dall'ultima connessione.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Il server non accetta connessioni da questo indirizzo IP.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>Verifica della connessione...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Impossibile stabilire una connessione sicura con il server.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Connettiti al tuo server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Il codice di verifica non è corretto.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Sul server esiste già una cartella condivisa con questo nome.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>Questa procedura guidata ti aiuta a configurare la tua prima attività di backup.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione in corso...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Abilitato</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>Non hai l'autorizzazione per accedere alla cartella di destinazione.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>È stata raggiunta la tua quota di archiviazione sul server.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Fai doppio clic per modificare l'estensione del file.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Dimensione massima file (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backup in corso...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>La tua quota di archiviazione è insufficiente per questa cartella di backup.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Troppi tentativi di accesso non riusciti. Riprova più tardi.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 indica nessun limite</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Impossibile inizializzare Nimbra Backup.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>Il server non corrisponde a quello su cui è stata creata questa attività.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Scegli una cartella di destinazione sul server.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Il nome utente o la password non sono corretti.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinita di sistema</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Considera attendibile e continua</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Scegli le cartelle locali di cui eseguire il backup e dove archiviarle sul server.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>Questo account deve usare la verifica in due passaggi. Abilitala prima di continuare.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Inserisci l'indirizzo e la porta del server proxy.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>Questo account è disabilitato sul server.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>Un'altra attività di backup usa già questa cartella di destinazione.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Nessuna cartella valida di cui eseguire il backup.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>In attesa dello sblocco del file</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nessun proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>La versione del server è troppo vecchia per questo client. Aggiorna il server.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Seleziona le cartelle su questo computer</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Specifica una dimensione file compresa tra 0 e 10240000 MB; 0 MB indica nessun limite.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Mantieni i file sul server quando vengono eliminati da questo computer</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>La connessione di rete è stata interrotta. Controlla le impostazioni di rete.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Scegli le cartelle di origine</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>Il backup delle cartelle di sola lettura viene eseguito, ma le modifiche sul server non vengono riscritte in esse.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Avviso di sicurezza</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Download di %1 in corso...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Esegui il backup delle cartelle di questo computer sul tuo server in pochi passaggi.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Nome utente del proxy</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Connettiti tramite Quintlink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>Si è verificato un errore di sistema. Riprova più tardi.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>La cartella condivisa di destinazione %1 non esiste più.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Aggiornamento di %1 non riuscito (codice di errore: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparazione</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>La cartella di destinazione è di sola lettura. Scegli un'altra cartella.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Errore di backup</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>È disponibile una nuova versione. Fai clic per aggiornare.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Sola lettura</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>Impossibile raggiungere il server relay Quintlink.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>Questa cartella locale fa già parte di un'altra attività di backup.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>%1 file da elaborare</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Cartelle escluse</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>Non hai l'autorizzazione per scrivere nella cartella condivisa di destinazione.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>I file con queste estensioni non vengono inclusi nel backup:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Autenticazione non riuscita.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Aggiornamento non riuscito.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Ricerca dei server nella rete locale...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Avvia ora</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Elaborazione di %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Il server proxy richiede l'autenticazione</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Seleziona le cartelle di backup</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>Impossibile creare una sessione sul server.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup è pronto.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>La versione di questo client è troppo vecchia per il server. Aggiorna Nimbra Backup.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Estensioni di file escluse</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applicazione delle impostazioni...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Trova i server nella rete locale</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>Avvia Nimbra Backup all'accesso</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Controlla le impostazioni seguenti prima di terminare.</translation>
    </message>
</context>
</TS>
