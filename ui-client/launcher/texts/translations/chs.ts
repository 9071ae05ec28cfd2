<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>上次备份：%1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>跳过名称以“.”开头的文件和文件夹</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>请检查您的用户名和密码。</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>Quintlink ID 无效或不存在。</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>所选备份文件夹无效。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>输入服务器地址以及要备份到的账户。</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>服务器上的备份任务与此任务的方向不一致。</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>输入 6 位验证码</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>目标共享文件夹已达到配额上限。</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>无法验证服务器的 SSL 证书。</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>选择此计算机上要备份的文件夹。</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>服务器已被更换或重置。请重新关联此计算机。</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>找不到备份任务的某个本地文件夹。</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>服务器名称或 IP 地址</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>需要帮助？请访问在线帮助中心。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>本地数据库已损坏或无法打开。</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>自动保护您的文件安全。</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>使用单色托盘图标</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>目标共享文件夹已加密且未挂载。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>打开 Nimbra Backup</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>服务器返回了意外的响应。</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>本地备份文件夹所在的驱动器未挂载。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>解除关联</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>目标位置的可用空间不足。</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>服务器已禁用用户主目录服务。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新状态</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>目标位置没有足够的可用空间来存放此备份文件夹。</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup 版本 %1。版权所有 (C) Halvern。保留所有权利。</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>无法完成备份。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>手动配置代理</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目标位置</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>此账户需要验证码。</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>要解除此计算机与 %1 的关联吗？其备份任务将会停止。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Nimbra Backup 正在初始化...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>未选择文件夹。</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>使用系统代理设置</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>本地文件夹</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>请输入代理服务器的用户名。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>服务器的 SSL 证书已更改。是否信任新证书？</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>正在解除关联...</translation>
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
        <translation>最近活动</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>源文件夹为只读。文件可以备份，但无法还原到该文件夹。</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>您对此文件夹只有只读权限。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>新语言将在 Nimbra Backup 重新启动后生效。</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>请输入 1 到 65535 之间的端口号。</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>正在上传</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>自上次连接以来，服务器的 SSL 证书已更改。</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>服务器不接受来自此 IP 地址的连接。</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>正在测试连接...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>无法与服务器建立安全连接。</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>连接到您的服务器</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>验证码不正确。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>服务器上已存在同名的共享文件夹。</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>此向导将帮助您设置第一个备份任务。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>您没有访问目标文件夹的权限。</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>您在服务器上的存储配额已用完。</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>双击以编辑文件扩展名。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>最大文件大小 (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>正在备份...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>您的存储配额不足以容纳此备份文件夹。</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>登录失败次数过多。请稍后再试。</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 表示不限制</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>发生意外错误。</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Nimbra Backup 初始化失败。</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>此服务器与创建此任务时所用的服务器不一致。</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>选择服务器上的目标文件夹。</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>用户名或密码不正确。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>信任并继续</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>选择要备份的本地文件夹，以及在服务器上的存放位置。</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>此账户必须使用两步验证。请先启用两步验证。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>请输入代理服务器的地址和端口。</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>服务器已禁用此账户。</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>此目标文件夹已被另一个备份任务使用。</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>没有可备份的有效文件夹。</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>正在等待文件解锁</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>不使用代理</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>服务器版本过旧，与此客户端不兼容。请更新服务器。</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>选择此计算机上的文件夹</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>请指定 0 到 10240000 MB 之间的文件大小，0 MB 表示不限制。</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>在此计算机上删除文件时，保留服务器上的文件</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>网络连接已断开。请检查您的网络设置。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>选择源文件夹</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>只读文件夹也会备份，但服务器上的更改不会写回这些文件夹。</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>安全警告</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>正在下载 %1...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>只需几个步骤，即可将此计算机上的文件夹备份到您的服务器。</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>代理用户名</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>通过 Quintlink 连接</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账户</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>发生系统错误。请稍后再试。</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>目标共享文件夹 %1 已不存在。</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 升级失败（错误代码：%2）。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>正在准备</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>目标文件夹为只读。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>备份错误</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>有新版本可用。单击以更新。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>只读</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>无法连接到 Quintlink 中继服务器。</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>此本地文件夹已包含在另一个备份任务中。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>%1 个文件待处理</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>排除的文件夹</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>您没有写入目标共享文件夹的权限。</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>不备份具有以下扩展名的文件：</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>身份验证失败。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>升级失败。</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>正在搜索局域网中的服务器...</translation>
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
        <translation>立即开始</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>正在处理 %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>代理服务器需要身份验证</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>选择备份文件夹</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>无法在服务器上创建会话。</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup 已就绪。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>客户端版本过旧，与服务器不兼容。请升级 Nimbra Backup。</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>排除的文件扩展名</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>正在应用设置...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>正在更新...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>查找局域网中的服务器</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>登录时启动 Nimbra Backup</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>完成前，请检查以下设置。</translation>
    </message>
</context>
</TS>
