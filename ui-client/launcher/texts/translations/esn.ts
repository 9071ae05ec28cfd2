<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Última copia de seguridad: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Omitir archivos y carpetas cuyo nombre empiece por un punto</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Compruebe su nombre de usuario y contraseña.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>El ID de Quintlink no es válido o no existe.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>La carpeta de copia de seguridad seleccionada no es válida. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Introduzca la dirección de su servidor y la cuenta en la que se guardará la copia de seguridad.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>La tarea de copia de seguridad del servidor no coincide con el sentido de esta tarea.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>Introduzca el código de 6 dígitos</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>Se ha alcanzado la cuota de la carpeta compartida de destino.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>No se ha podido verificar el certificado SSL del servidor.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Elija las carpetas de este ordenador de las que desea hacer una copia de seguridad.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>El servidor se ha sustituido o restablecido. Vuelva a vincular este ordenador.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>No se encuentra una carpeta local de la tarea de copia de seguridad.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Nombre del servidor o dirección IP</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>¿Necesita ayuda? Visite el centro de ayuda en línea.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>La base de datos local está dañada o no se puede abrir.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>Sus archivos, protegidos automáticamente.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Usar un icono monocromo en el área de notificación</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>La carpeta compartida de destino está cifrada y no está montada.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Abrir Nimbra Backup</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>El servidor ha enviado una respuesta inesperada.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>La carpeta local de copia de seguridad está en una unidad que no está montada.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desvincular</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>No hay suficiente espacio libre en el destino.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>El servicio de carpetas personales está desactivado en el servidor.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Actualizado</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>No hay suficiente espacio libre en el destino para esta carpeta de copia de seguridad.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup versión %1. Copyright (C) Halvern. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>No se ha podido completar la copia de seguridad.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuración manual del proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>Esta cuenta requiere un código de verificación.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>¿Desvincular este ordenador de %1? Sus tareas de copia de seguridad se detendrán.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Nimbra Backup se está inicializando...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>No se ha seleccionado ninguna carpeta.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Usar la configuración de proxy del sistema</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Carpeta local</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Introduzca un nombre de usuario para el servidor proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>El certificado SSL del servidor ha cambiado. ¿Desea confiar en el nuevo certificado?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Desvinculando...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Usar cifrado SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Actividad reciente</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>La carpeta de origen es de solo lectura. Se puede hacer copia de seguridad de los archivos, pero no restaurarlos en ella.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>Tiene acceso de solo lectura a esta carpeta.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>El nuevo idioma se aplicará cuando se reinicie Nimbra Backup.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Introduzca un número de puerto entre 1 y 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Subiendo</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>El certificado SSL del servidor ha cambiado desde la última conexión.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>El servidor no acepta conexiones desde esta dirección IP.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>Probando la conexión...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>No se ha podido establecer una conexión segura con el servidor.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Conectarse a su servidor</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>El código de verificación no es correcto.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Ya existe una carpeta compartida con este nombre en el servidor.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>Este asistente le ayuda a configurar su primera tarea de copia de seguridad.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>No tiene permiso para acceder a la carpeta de destino.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Se ha alcanzado su cuota de almacenamiento en el servidor.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Haga doble clic para editar la extensión de archivo.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Tamaño máximo de archivo (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Realizando copia de seguridad...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>Su cuota de almacenamiento es insuficiente para esta carpeta de copia de seguridad.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Demasiados intentos de inicio de sesión fallidos. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 significa sin límite</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>No se ha podido inicializar Nimbra Backup.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>El servidor no coincide con aquel en el que se creó esta tarea.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Elija una carpeta de destino en el servidor.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>El nombre de usuario o la contraseña no son correctos.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Confiar y continuar</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Elija las carpetas locales de las que desea hacer copia de seguridad y dónde guardarlas en el servidor.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>Esta cuenta debe usar la verificación en dos pasos. Actívela primero.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Introduzca la dirección y el puerto del servidor proxy.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>Esta cuenta está desactivada en el servidor.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>Otra tarea de copia de seguridad ya usa esta carpeta de destino.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>No hay ninguna carpeta válida para hacer copia de seguridad.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Esperando a que se desbloquee el archivo</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sin proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>La versión del servidor es demasiado antigua para este cliente. Actualice el servidor.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Seleccionar carpetas de este ordenador</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Especifique un tamaño de archivo entre 0 y 10240000 MB; 0 MB significa sin límite.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Conservar los archivos en el servidor cuando se eliminen de este ordenador</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>Se ha perdido la conexión de red. Compruebe la configuración de red.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Elegir carpetas de origen</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>Se hace copia de seguridad de las carpetas de solo lectura, pero los cambios del servidor no se escriben en ellas.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Advertencia de seguridad</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Descargando %1...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Haga copia de seguridad de las carpetas de este ordenador en su servidor en unos pocos pasos.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Nombre de usuario del proxy</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Conectarse mediante Quintlink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>Se ha producido un error del sistema. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>La carpeta compartida de destino %1 ya no existe.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Error al actualizar %1 (código de error: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparando</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>La carpeta de destino es de solo lectura. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Error de copia de seguridad</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Hay una nueva versión disponible. Haga clic para actualizar.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>No se ha podido acceder al servidor de retransmisión de Quintlink.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>Esta carpeta local ya forma parte de otra tarea de copia de seguridad.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>%1 archivos por procesar</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Carpetas excluidas</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>No tiene permiso para escribir en la carpeta compartida de destino.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>No se hace copia de seguridad de los archivos con estas extensiones:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Error de autenticación.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>No se ha podido realizar la actualización.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Buscando servidores en la red local...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Iniciar ahora</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Procesando %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>El servidor proxy requiere autenticación</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Seleccionar carpetas de copia de seguridad</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>No se ha podido crear una sesión en el servidor.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup está listo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>La versión de este cliente es demasiado antigua para el servidor. Actualice Nimbra Backup.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Extensiones de archivo excluidas</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Aplicando la configuración...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Actualizando...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Buscar servidores en la red local</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>Iniciar Nimbra Backup al iniciar sesión</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Revise la configuración siguiente antes de finalizar.</translation>
    </message>
</context>
</TS>
