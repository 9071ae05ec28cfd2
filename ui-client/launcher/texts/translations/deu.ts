<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Letztes Backup: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Dateien und Ordner überspringen, deren Namen mit einem Punkt beginnen</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Bitte überprüfen Sie Ihren Benutzernamen und Ihr Kennwort.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>Die Quintlink-ID ist ungültig oder existiert nicht.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Der ausgewählte Backup-Ordner ist ungültig. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Geben Sie die Adresse Ihres Servers und das Konto ein, auf das gesichert werden soll.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>Die Backup-Aufgabe auf dem Server stimmt nicht mit der Richtung dieser Aufgabe überein.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>6-stelligen Code eingeben</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>Das Kontingent des freigegebenen Zielordners ist erreicht.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Das SSL-Zertifikat des Servers konnte nicht überprüft werden.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Wählen Sie die Ordner auf diesem Computer aus, die Sie sichern möchten.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>Der Server wurde ersetzt oder zurückgesetzt. Bitte verknüpfen Sie diesen Computer erneut.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>Ein lokaler Ordner der Backup-Aufgabe wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Servername oder IP-Adresse</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>Benötigen Sie Hilfe? Besuchen Sie das Online-Hilfecenter.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Die lokale Datenbank ist beschädigt oder kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>Ihre Dateien – automatisch in Sicherheit.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Monochromes Symbol im Infobereich verwenden</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>Der freigegebene Zielordner ist verschlüsselt und nicht eingebunden.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Nimbra Backup öffnen</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>Der Server hat eine unerwartete Antwort gesendet.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>Der lokale Backup-Ordner befindet sich auf einem Laufwerk, das nicht eingebunden ist.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Verknüpfung aufheben</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>Am Ziel ist nicht genügend freier Speicherplatz vorhanden.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>Der Dienst für Home-Ordner ist auf dem Server deaktiviert.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>Am Ziel ist nicht genügend freier Speicherplatz für diesen Backup-Ordner vorhanden.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup Version %1. Copyright (C) Halvern. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>Das Backup konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuelle Proxy-Konfiguration</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>Für dieses Konto ist ein Bestätigungscode erforderlich.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>Verknüpfung dieses Computers mit %1 aufheben? Die zugehörigen Backup-Aufgaben werden beendet.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Nimbra Backup wird initialisiert...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>Kein Ordner ausgewählt.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Proxy-Einstellungen des Systems verwenden</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Lokaler Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Bitte geben Sie einen Benutzernamen für den Proxyserver ein.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Das SSL-Zertifikat des Servers hat sich geändert. Möchten Sie dem neuen Zertifikat vertrauen?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Verknüpfung wird aufgehoben...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL-Verschlüsselung verwenden</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Letzte Aktivitäten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>Der Quellordner ist schreibgeschützt. Dateien können gesichert, aber nicht dorthin wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>Sie haben nur Lesezugriff auf diesen Ordner.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>Die neue Sprache wird nach einem Neustart von Nimbra Backup wirksam.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Bitte geben Sie eine Portnummer zwischen 1 und 65535 ein.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wird hochgeladen</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>Das SSL-Zertifikat des Servers hat sich seit der letzten Verbindung geändert.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Der Server akzeptiert keine Verbindungen von dieser IP-Adresse.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>Verbindung wird getestet...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Es konnte keine sichere Verbindung zum Server hergestellt werden.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Mit Ihrem Server verbinden</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Der Bestätigungscode ist falsch.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Auf dem Server ist bereits ein freigegebener Ordner mit diesem Namen vorhanden.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>Dieser Assistent hilft Ihnen beim Einrichten Ihrer ersten Backup-Aufgabe.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>Sie haben keine Berechtigung für den Zugriff auf den Zielordner.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Ihr Speicherkontingent auf dem Server ist erreicht.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Doppelklicken Sie, um die Dateierweiterung zu bearbeiten.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Maximale Dateigröße (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Wird gesichert...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>Ihr Speicherkontingent ist für diesen Backup-Ordner zu klein.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Zu viele fehlgeschlagene Anmeldeversuche. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 bedeutet keine Begrenzung</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Nimbra Backup konnte nicht initialisiert werden.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>Der Server stimmt nicht mit dem Server überein, auf dem diese Aufgabe erstellt wurde.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Wählen Sie einen Zielordner auf dem Server aus.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Der Benutzername oder das Kennwort ist falsch.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Vertrauen und fortfahren</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Wählen Sie die zu sichernden lokalen Ordner und ihren Speicherort auf dem Server aus.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>Für dieses Konto ist die Bestätigung in zwei Schritten erforderlich. Bitte aktivieren Sie sie zuerst.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Bitte geben Sie die Adresse und den Port des Proxyservers ein.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>Dieses Konto ist auf dem Server deaktiviert.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>Dieser Zielordner wird bereits von einer anderen Backup-Aufgabe verwendet.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Es gibt keinen gültigen Ordner zum Sichern.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Warten, bis die Datei entsperrt wird</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Kein Proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>Die Serverversion ist für diesen Client zu alt. Bitte aktualisieren Sie den Server.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Ordner auf diesem Computer auswählen</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Geben Sie eine Dateigröße zwischen 0 und 10240000 MB an; 0 MB bedeutet unbegrenzt.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Dateien auf dem Server behalten, wenn sie auf diesem Computer gelöscht werden</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>Die Netzwerkverbindung wurde unterbrochen. Bitte überprüfen Sie Ihre Netzwerkeinstellungen.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Quellordner auswählen</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>Schreibgeschützte Ordner werden gesichert, aber Änderungen auf dem Server werden nicht in sie zurückgeschrieben.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Sicherheitswarnung</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Sichern Sie die Ordner auf diesem Computer in wenigen Schritten auf Ihrem Server.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Proxy-Benutzername</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Über Quintlink verbinden</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>Ein Systemfehler ist aufgetreten. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>Der freigegebene Zielordner %1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Upgrade von %1 fehlgeschlagen (Fehlercode: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Wird vorbereitet</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>Der Zielordner ist schreibgeschützt. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Backup-Fehler</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Eine neue Version ist verfügbar. Klicken Sie hier, um zu aktualisieren.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>Der Quintlink-Relay-Server konnte nicht erreicht werden.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>Dieser lokale Ordner gehört bereits zu einer anderen Backup-Aufgabe.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>%1 Dateien zu verarbeiten</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Ausgeschlossene Ordner</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>Sie haben keine Schreibberechtigung für den freigegebenen Zielordner.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Dateien mit diesen Erweiterungen werden nicht gesichert:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Authentifizierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Das Upgrade ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Server im lokalen Netzwerk werden gesucht...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Jetzt starten</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>%1 wird verarbeitet</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Der Proxyserver erfordert eine Authentifizierung</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Backup-Ordner auswählen</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>Auf dem Server konnte keine Sitzung erstellt werden.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup ist bereit.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>Diese Clientversion ist für den Server zu alt. Bitte führen Sie ein Upgrade von Nimbra Backup durch.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Ausgeschlossene Dateierweiterungen</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Einstellungen werden übernommen...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Wird aktualisiert...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Server im lokalen Netzwerk suchen</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>Nimbra Backup bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Bitte überprüfen Sie die folgenden Einstellungen, bevor Sie abschließen.</translation>
    </message>
</context>
</TS>
