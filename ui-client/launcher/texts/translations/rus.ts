<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Последнее резервное копирование: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Пропускать файлы и папки, имена которых начинаются с точки</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Проверьте имя пользователя и пароль.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>Идентификатор Quintlink недействителен или не существует.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Выбранная папка резервного копирования недопустима. Выберите другую папку.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Введите адрес сервера и учетную запись, в которую будет выполняться резервное копирование.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>Задача резервного копирования на сервере не соответствует направлению этой задачи.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>Введите 6-значный код</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>Достигнута квота общей папки назначения.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Не удалось проверить SSL-сертификат сервера.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Прокси</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Выберите папки на этом компьютере для резервного копирования.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>Сервер был заменен или сброшен. Снова привяжите этот компьютер.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>Не удается найти локальную папку задачи резервного копирования.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Имя сервера или IP-адрес</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>Нужна помощь? Посетите онлайн-центр справки.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Локальная база данных повреждена или не может быть открыта.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>Автоматическая защита ваших файлов.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Использовать монохромный значок в области уведомлений</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>Общая папка назначения зашифрована и не подключена.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Открыть Nimbra Backup</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>Сервер вернул непредвиденный ответ.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>Локальная папка резервного копирования находится на неподключенном диске.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Отвязать</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>В месте назначения недостаточно свободного места.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>Служба домашних папок на сервере отключена.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Актуально</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>В месте назначения недостаточно свободного места для этой папки резервного копирования.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup, версия %1. Copyright (C) Halvern. Все права защищены.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>Не удалось завершить резервное копирование.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ручная настройка прокси</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Место назначения</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>Для этой учетной записи требуется код подтверждения.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>Отвязать этот компьютер от %1? Его задачи резервного копирования будут остановлены.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Возобновить</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Инициализация Nimbra Backup...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>Папка не выбрана.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Использовать системные настройки прокси</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Локальная папка</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Введите имя пользователя прокси-сервера.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>SSL-сертификат сервера изменился. Доверять новому сертификату?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Отвязка...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Использовать шифрование SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Последние действия</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>Исходная папка доступна только для чтения. Резервное копирование файлов возможно, но восстановить их в эту папку нельзя.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>У вас есть доступ к этой папке только для чтения.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>Новый язык будет применен после перезапуска Nimbra Backup.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Введите номер порта от 1 до 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>SSL-сертификат сервера изменился с момента последнего подключения.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Сервер не принимает подключения с этого IP-адреса.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>Проверка подключения...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Не удалось установить защищенное подключение к серверу.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Подключение к серверу</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Неверный код подтверждения.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>На сервере уже существует общая папка с таким именем.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>Этот мастер поможет настроить первую задачу резервного копирования.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>У вас нет разрешения на доступ к папке назначения.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Ваша квота хранилища на сервере исчерпана.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Дважды щелкните, чтобы изменить расширение файла.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Максимальный размер файла (МБ)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Резервное копирование...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>Вашей квоты хранилища недостаточно для этой папки резервного копирования.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Слишком много неудачных попыток входа. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 — без ограничений</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Произошла непредвиденная ошибка.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Не удалось инициализировать Nimbra Backup.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>Сервер не совпадает с тем, на котором была создана эта задача.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Выберите папку назначения на сервере.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Неверное имя пользователя или пароль.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Доверять и продолжить</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Выберите локальные папки для резервного копирования и место их хранения на сервере.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>Для этой учетной записи обязательна двухэтапная проверка. Сначала включите ее.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Введите адрес и порт прокси-сервера.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>Эта учетная запись отключена на сервере.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>Эта папка назначения уже используется другой задачей резервного копирования.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Нет допустимых папок для резервного копирования.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Ожидание разблокировки файла</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Без прокси</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>Версия сервера слишком старая для этого клиента. Обновите сервер.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Выбор папок на этом компьютере</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Укажите размер файла от 0 до 10240000 МБ (0 МБ — без ограничений).</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Сохранять файлы на сервере при их удалении с этого компьютера</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>Сетевое подключение потеряно. Проверьте настройки сети.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Выбор исходных папок</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>Папки только для чтения включаются в резервную копию, но изменения на сервере в них не записываются.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Предупреждение системы безопасности</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Скачивание %1...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Создайте резервную копию папок этого компьютера на своем сервере всего за несколько шагов.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Имя пользователя прокси</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Подключиться через Quintlink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учетная запись</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>Произошла системная ошибка. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>Общая папка назначения %1 больше не существует.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Не удалось обновить %1 (код ошибки: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Подготовка</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>Папка назначения доступна только для чтения. Выберите другую папку.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Ошибка резервного копирования</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Доступна новая версия. Нажмите, чтобы обновить.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Только для чтения</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>Не удалось подключиться к серверу ретрансляции Quintlink.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>Эта локальная папка уже входит в другую задачу резервного копирования.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>Файлов к обработке: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Исключенные папки</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>У вас нет разрешения на запись в общую папку назначения.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Резервное копирование не выполняется для файлов с этими расширениями:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Ошибка проверки подлинности.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Не удалось выполнить обновление.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Поиск серверов в локальной сети...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Начать сейчас</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Обработка %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Прокси-сервер требует проверки подлинности</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Выбор папок для резервного копирования</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>Не удалось создать сеанс на сервере.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup готов к работе.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>Версия клиента слишком старая для этого сервера. Обновите Nimbra Backup.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Исключенные расширения файлов</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Применение настроек...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Обновление...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Найти серверы в локальной сети</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>Запускать Nimbra Backup при входе в систему</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Перед завершением проверьте настройки ниже.</translation>
    </message>
</context>
</TS>
