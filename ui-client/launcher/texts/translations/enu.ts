<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Last backup: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Skip files and folders whose names start with a dot</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Please check your user name and password.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>The Quintlink ID is invalid or does not exist.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>The selected backup folder is invalid. Please choose another folder.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Enter the address of your server and the account to back up to.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>The backup task on the server does not match the direction of this task.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>Enter 6-digit code</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>The quota of the destination shared folder has been reached.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>The server's SSL certificate could not be verified.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Choose the folders on this computer that you want to back up.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>The server has been replaced or reset. Please link this computer again.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>A local folder of the backup task cannot be found.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Server name or IP address</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>Need help? Visit the online help center.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>The local database is damaged or cannot be opened.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>Keep your files safe, automatically.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Use a monochrome tray icon</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>The destination shared folder is encrypted and not mounted.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Open Nimbra Backup</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>The server sent an unexpected response.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>The local backup folder is on a drive that is not mounted.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Unlink</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>The destination does not have enough free space.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>The home folder service is disabled on the server.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Up to date</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>There is not enough free space on the destination for this backup folder.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>The backup could not be completed.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manual proxy configuration</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>This account requires a verification code.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>Unlink this computer from %1? Its backup tasks will stop.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Nimbra Backup is initializing...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>No folder selected.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Use the system proxy settings</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Local folder</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Please enter a user name for the proxy server.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>The server's SSL certificate has changed. Do you want to trust the new certificate?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Unlinking...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Use SSL encryption</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Recent activity</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>The source folder is read-only. Files can be backed up but not restored into it.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>You have read-only access to this folder.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>The new language takes effect after Nimbra Backup restarts.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Please enter a port number between 1 and 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploading</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>The server's SSL certificate has changed since the last connection.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>The server does not accept connections from this IP address.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>Testing connection...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>A secure connection to the server could not be established.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Not now</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Connect to your server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>The verification code is incorrect.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>A shared folder with this name already exists on the server.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>This wizard helps you set up your first backup task.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>You do not have permission to access the destination folder.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Your storage quota on the server has been reached.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Double-click to edit the file extension.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Maximum file size (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backing up...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>Your storage quota is too small for this backup folder.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Too many failed sign-in attempts. Please try again later.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 means no limit</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>An unexpected error occurred.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Nimbra Backup failed to initialize.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>The server does not match the one this task was created on.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Choose a destination folder on the server.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>The user name or password is incorrect.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Trust and continue</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Choose the local folders to back up and where to store them on the server.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>This account must use two-step verification. Please enable it first.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Please enter the proxy server address and port.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>This account is disabled on the server.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>Another backup task already uses this destination folder.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>There is no valid folder to back up.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Waiting for the file to be unlocked</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>No proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>The server version is too old for this client. Please update the server.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Select folders on this computer</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Keep files on the server when they are deleted on this computer</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>The network connection was lost. Please check your network settings.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Choose source folders</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>Read-only folders are backed up, but changes on the server are not written back to them.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Security warning</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Downloading %1...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Back up the folders on this computer to your server in a few steps.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Proxy user name</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Connect via Quintlink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>A system error occurred. Please try again later.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>The destination shared folder %1 no longer exists.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 upgrade failed (error code: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparing</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>The destination folder is read-only. Please choose another folder.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Backup error</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>A new version is available. Click to update.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>The Quintlink relay server could not be reached.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>This local folder is already part of another backup task.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>%1 files to process</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Excluded folders</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>You do not have permission to write to the destination shared folder.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Files with these extensions are not backed up:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Authentication failed.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>The upgrade failed.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Searching for servers on the local network...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Start now</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Processing %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>The proxy server requires authentication</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Select backup folders</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>Could not create a session on the server.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup is ready.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>This client version is too old for the server. Please upgrade Nimbra Backup.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Excluded file extensions</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applying settings...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Updating...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Find servers on the local network</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>Start Nimbra Backup when I log in</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Please review the settings below before finishing.</translation>
    </message>
</context>
</TS>
