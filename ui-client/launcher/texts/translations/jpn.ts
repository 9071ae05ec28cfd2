<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>前回のバックアップ：%1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>名前がドット (.) で始まるファイルとフォルダーをスキップする</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>ユーザー名とパスワードを確認してください。</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>Quintlink ID が無効か、存在しません。</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>選択したバックアップフォルダーは無効です。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>サーバーのアドレスと、バックアップ先のアカウントを入力してください。</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>サーバー上のバックアップタスクの方向が、このタスクと一致しません。</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>6 桁のコードを入力</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>バックアップ先の共有フォルダーのクォータに達しました。</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>サーバーの SSL 証明書を検証できませんでした。</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>プロキシ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>このコンピューター上でバックアップするフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>サーバーが交換またはリセットされました。このコンピューターを再度リンクしてください。</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>バックアップタスクのローカルフォルダーが見つかりません。</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>サーバー名または IP アドレス</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>お困りですか？オンラインヘルプセンターをご覧ください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>ローカルデータベースが破損しているか、開けません。</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>ファイルを自動的に保護します。</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>モノクロのトレイアイコンを使用する</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>バックアップ先の共有フォルダーは暗号化されており、マウントされていません。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Nimbra Backup を開く</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>サーバーから予期しない応答がありました。</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>ローカルバックアップフォルダーが、マウントされていないドライブ上にあります。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>リンク解除</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>バックアップ先の空き容量が不足しています。</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>サーバーでホームフォルダーサービスが無効になっています。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>最新の状態</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>バックアップ先に、このバックアップフォルダーを保存するための空き容量が不足しています。</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup バージョン %1。Copyright (C) Halvern. All rights reserved.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>バックアップを完了できませんでした。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>手動でプロキシを設定する</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>バックアップ先</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>このアカウントには確認コードが必要です。</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>このコンピューターと %1 のリンクを解除しますか？このコンピューターのバックアップタスクは停止します。</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Nimbra Backup を初期化しています...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>フォルダーが選択されていません。</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>システムのプロキシ設定を使用する</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>ローカルフォルダー</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>プロキシサーバーのユーザー名を入力してください。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>サーバーの SSL 証明書が変更されました。新しい証明書を信頼しますか？</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>リンクを解除しています...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL 暗号化を使用する</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>最近のアクティビティ</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>ソースフォルダーは読み取り専用です。ファイルはバックアップできますが、このフォルダーには復元できません。</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>このフォルダーに対しては読み取り専用のアクセス権しかありません。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>新しい言語は Nimbra Backup の再起動後に有効になります。</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>1 から 65535 までのポート番号を入力してください。</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>前回の接続以降、サーバーの SSL 証明書が変更されています。</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>サーバーはこの IP アドレスからの接続を受け付けていません。</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>接続をテストしています...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>サーバーとの安全な接続を確立できませんでした。</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>サーバーに接続</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>確認コードが正しくありません。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>同じ名前の共有フォルダーがサーバー上に既に存在します。</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>このウィザードでは、最初のバックアップタスクを設定します。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>接続しています...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>バックアップ先フォルダーへのアクセス権限がありません。</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>サーバー上のストレージクォータに達しました。</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>ダブルクリックしてファイル拡張子を編集します。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>最大ファイルサイズ (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>バックアップしています...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>ストレージクォータが小さすぎるため、このバックアップフォルダーを保存できません。</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>サインインの失敗回数が多すぎます。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 は無制限</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>予期しないエラーが発生しました。</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Nimbra Backup の初期化に失敗しました。</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>サーバーが、このタスクを作成したサーバーと一致しません。</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>サーバー上のバックアップ先フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>ユーザー名またはパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>信頼して続行</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>バックアップするローカルフォルダーと、サーバー上の保存先を選択してください。</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>このアカウントでは 2 段階認証を使用する必要があります。先に 2 段階認証を有効にしてください。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>プロキシサーバーのアドレスとポートを入力してください。</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>このアカウントはサーバーで無効になっています。</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>このバックアップ先フォルダーは、別のバックアップタスクで既に使用されています。</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>バックアップできる有効なフォルダーがありません。</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>ファイルのロック解除を待機中</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>プロキシを使用しない</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>サーバーのバージョンが古いため、このクライアントを使用できません。サーバーを更新してください。</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>このコンピューター上のフォルダーを選択</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>ファイルサイズを 0～10240000 MB の範囲で指定してください。0 MB は無制限です。</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>このコンピューターでファイルを削除しても、サーバー上のファイルを残す</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>ネットワーク接続が切断されました。ネットワーク設定を確認してください。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>ステータス</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>ソースフォルダーを選択</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>読み取り専用フォルダーもバックアップされますが、サーバー上の変更はこれらのフォルダーに書き戻されません。</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>セキュリティの警告</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 をダウンロードしています...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>いくつかの手順で、このコンピューター上のフォルダーをサーバーにバックアップできます。</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>プロキシのユーザー名</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Quintlink 経由で接続</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>システムエラーが発生しました。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>バックアップ先の共有フォルダー %1 は存在しなくなりました。</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 のアップグレードに失敗しました（エラーコード：%2）。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>準備中</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>バックアップ先フォルダーは読み取り専用です。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>バックアップエラー</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>新しいバージョンが利用可能です。クリックして更新してください。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>Quintlink リレーサーバーに接続できませんでした。</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>このローカルフォルダーは、既に別のバックアップタスクに含まれています。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>処理待ちのファイル：%1 件</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>除外するフォルダー</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>バックアップ先の共有フォルダーへの書き込み権限がありません。</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>次の拡張子のファイルはバックアップされません：</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>認証に失敗しました。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>アップグレードに失敗しました。</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>ローカルネットワーク上のサーバーを検索しています...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>今すぐ開始</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>%1 を処理中</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>プロキシサーバーで認証が必要です</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>バックアップフォルダーを選択</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>サーバー上にセッションを作成できませんでした。</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup の準備ができました。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>このクライアントのバージョンが古いため、サーバーに接続できません。Nimbra Backup をアップグレードしてください。</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>除外するファイル拡張子</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>設定を適用しています...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>更新しています...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>ローカルネットワーク上のサーバーを検索</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>ログイン時に Nimbra Backup を起動する</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>完了する前に、以下の設定を確認してください。</translation>
    </message>
</context>
</TS>
