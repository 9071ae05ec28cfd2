<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Nimbra Backup se está inicializando...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup está listo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
