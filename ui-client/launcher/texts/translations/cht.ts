<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>上次備份：%1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>略過名稱以「.」開頭的檔案和資料夾</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>請檢查您的使用者名稱和密碼。</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>Quintlink ID 無效或不存在。</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>選取的備份資料夾無效。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>輸入您的伺服器位址，以及要備份到的帳號。</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>伺服器上的備份任務與此任務的方向不符。</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>輸入 6 位數驗證碼</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>目的地共用資料夾已達配額上限。</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>無法驗證伺服器的 SSL 憑證。</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理伺服器</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>選擇此電腦上要備份的資料夾。</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>伺服器已被更換或重設。請重新連結此電腦。</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>找不到備份任務的某個本機資料夾。</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>伺服器名稱或 IP 位址</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>需要協助嗎？請造訪線上說明中心。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>本機資料庫已損毀或無法開啟。</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>自動保護您的檔案安全。</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>使用單色系統匣圖示</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>目的地共用資料夾已加密且未掛載。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>開啟 Nimbra Backup</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>伺服器傳回了非預期的回應。</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>本機備份資料夾所在的磁碟機未掛載。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>解除連結</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>目的地的可用空間不足。</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>伺服器已停用家目錄服務。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新狀態</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>目的地沒有足夠的可用空間來存放此備份資料夾。</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup 版本 %1。版權所有 (C) Halvern。保留一切權利。</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>無法完成備份。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>手動設定代理伺服器</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目的地</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>此帳號需要驗證碼。</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>要解除此電腦與 %1 的連結嗎？其備份任務將會停止。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>恢復</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Nimbra Backup 正在進行初始化...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>未選取資料夾。</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>使用系統代理伺服器設定</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>本機資料夾</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>請輸入代理伺服器的使用者名稱。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>篩選</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>伺服器的 SSL 憑證已變更。您要信任新的憑證嗎？</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>正在解除連結...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>使用 SSL 加密</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>最近活動</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>來源資料夾為唯讀。檔案可以備份，但無法還原至此資料夾。</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>您對此資料夾僅有唯讀權限。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>新語言將在 Nimbra Backup 重新啟動後生效。</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>請輸入 1 到 65535 之間的連接埠號碼。</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>正在上傳</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>自上次連線以來，伺服器的 SSL 憑證已變更。</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>伺服器不接受來自此 IP 位址的連線。</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>正在測試連線...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>無法與伺服器建立安全連線。</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>稍後再說</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>連線至您的伺服器</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>驗證碼不正確。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>伺服器上已存在同名的共用資料夾。</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>此精靈將協助您設定第一個備份任務。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在連線...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已啟用</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>您沒有存取目的地資料夾的權限。</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>您在伺服器上的儲存配額已用盡。</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>按兩下以編輯副檔名。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>檔案大小上限 (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>正在備份...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>您的儲存配額不足以容納此備份資料夾。</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>登入失敗次數過多。請稍後再試。</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 表示無限制</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>發生非預期的錯誤。</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Nimbra Backup 初始化失敗。</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>此伺服器與建立此任務時所用的伺服器不符。</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>選擇伺服器上的目的地資料夾。</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>使用者名稱或密碼不正確。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系統預設</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>信任並繼續</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>選擇要備份的本機資料夾，以及在伺服器上的存放位置。</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>此帳號必須使用兩步驟驗證。請先啟用兩步驟驗證。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>請輸入代理伺服器的位址和連接埠。</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>伺服器已停用此帳號。</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>另一個備份任務已在使用此目的地資料夾。</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>沒有可備份的有效資料夾。</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>正在等待檔案解除鎖定</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>不使用代理伺服器</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>伺服器版本過舊，不支援此用戶端。請更新伺服器。</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>選取此電腦上的資料夾</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>請指定介於 0 到 10240000 MB 之間的檔案大小，0 MB 表示無限制。</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>在此電腦上刪除檔案時，保留伺服器上的檔案</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>網路連線已中斷。請檢查您的網路設定。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>選擇來源資料夾</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>唯讀資料夾仍會備份，但伺服器上的變更不會寫回這些資料夾。</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>安全性警告</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>正在下載 %1...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>只需幾個步驟，即可將此電腦上的資料夾備份到您的伺服器。</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>代理伺服器使用者名稱</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>透過 Quintlink 連線</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>發生系統錯誤。請稍後再試。</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>目的地共用資料夾 %1 已不存在。</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 升級失敗（錯誤代碼：%2）。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>正在準備</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>目的地資料夾為唯讀。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>備份錯誤</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>有新版本可用。按一下以更新。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>唯讀</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>無法連線至 Quintlink 中繼伺服器。</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>此本機資料夾已屬於另一個備份任務。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>進階</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>%1 個檔案待處理</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>排除的資料夾</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>您沒有寫入目的地共用資料夾的權限。</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>不備份具有下列副檔名的檔案：</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>驗證失敗。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>升級失敗。</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>正在搜尋區域網路中的伺服器...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>立即開始</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>正在處理 %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>代理伺服器需要驗證</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>伺服器</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>選取備份資料夾</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>無法在伺服器上建立工作階段。</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup 已就緒。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>此用戶端版本過舊，不支援此伺服器。請升級 Nimbra Backup。</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>排除的副檔名</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>正在套用設定...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>正在更新...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>尋找區域網路中的伺服器</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>登入時啟動 Nimbra Backup</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>完成前，請檢查以下設定。</translation>
    </message>
</context>
</TS>
