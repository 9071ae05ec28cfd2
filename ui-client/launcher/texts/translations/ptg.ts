<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Última cópia de segurança: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Ignorar ficheiros e pastas cujos nomes comecem por um ponto</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Verifique o seu nome de utilizador e palavra-passe.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>O ID Quintlink é inválido ou não existe.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>A pasta de cópia de segurança selecionada é inválida. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Introduza o endereço do seu servidor e a conta para onde pretende fazer a cópia de segurança.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de utilizador</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>A tarefa de cópia de segurança no servidor não corresponde à direção desta tarefa.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>Introduza o código de 6 dígitos</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>A quota da pasta partilhada de destino foi atingida.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Não foi possível verificar o certificado SSL do servidor.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Ligação</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Escolha as pastas deste computador de que pretende fazer cópia de segurança.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>O servidor foi substituído ou reposto. Volte a vincular este computador.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>Não foi possível encontrar uma pasta local da tarefa de cópia de segurança.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Nome do servidor ou endereço IP</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>Precisa de ajuda? Visite o centro de ajuda online.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>A base de dados local está danificada ou não pode ser aberta.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>Os seus ficheiros protegidos, automaticamente.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Utilizar um ícone monocromático na área de notificação</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>A pasta partilhada de destino está encriptada e não está montada.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Abrir o Nimbra Backup</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>O servidor enviou uma resposta inesperada.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>A pasta de cópia de segurança local está numa unidade que não está montada.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desvincular</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>O destino não tem espaço livre suficiente.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>O serviço de pastas pessoais está desativado no servidor.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Atualizado</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>Não existe espaço livre suficiente no destino para esta pasta de cópia de segurança.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup versão %1. Copyright (C) Halvern. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>Não foi possível concluir a cópia de segurança.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuração manual do proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>Esta conta requer um código de verificação.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>Desvincular este computador de %1? As respetivas tarefas de cópia de segurança serão interrompidas.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>O Nimbra Backup está a ser inicializado...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>Nenhuma pasta selecionada.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Utilizar as definições de proxy do sistema</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Pasta local</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Introduza um nome de utilizador para o servidor proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>O certificado SSL do servidor foi alterado. Pretende confiar no novo certificado?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>A desvincular...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Utilizar encriptação SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Atividade recente</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Colocar em pausa</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>A pasta de origem é só de leitura. É possível fazer cópia de segurança dos ficheiros, mas não restaurá-los nela.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>Tem acesso só de leitura a esta pasta.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>O novo idioma será aplicado depois de reiniciar o Nimbra Backup.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Introduza um número de porta entre 1 e 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>A carregar</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>O certificado SSL do servidor foi alterado desde a última ligação.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>O servidor não aceita ligações a partir deste endereço IP.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>A testar a ligação...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Não foi possível estabelecer uma ligação segura ao servidor.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Ligar ao seu servidor</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>O código de verificação está incorreto.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Já existe uma pasta partilhada com este nome no servidor.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>Este assistente ajuda-o a configurar a sua primeira tarefa de cópia de segurança.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>A ligar...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>Não tem permissão para aceder à pasta de destino.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>A sua quota de armazenamento no servidor foi atingida.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Faça duplo clique para editar a extensão do ficheiro.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Tamanho máximo do ficheiro (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>A fazer cópia de segurança...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>A sua quota de armazenamento é demasiado pequena para esta pasta de cópia de segurança.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Demasiadas tentativas de início de sessão falhadas. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 significa sem limite</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Falha ao inicializar o Nimbra Backup.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>O servidor não corresponde àquele em que esta tarefa foi criada.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Escolha uma pasta de destino no servidor.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>O nome de utilizador ou a palavra-passe estão incorretos.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinição do sistema</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Confiar e continuar</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Escolha as pastas locais de que pretende fazer cópia de segurança e onde guardá-las no servidor.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>Esta conta tem de utilizar a verificação em dois passos. Ative-a primeiro.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Introduza o endereço e a porta do servidor proxy.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>Esta conta está desativada no servidor.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>Outra tarefa de cópia de segurança já utiliza esta pasta de destino.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Não existe nenhuma pasta válida para a cópia de segurança.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>A aguardar o desbloqueio do ficheiro</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sem proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>A versão do servidor é demasiado antiga para este cliente. Atualize o servidor.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Selecionar pastas neste computador</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Especifique um tamanho de ficheiro entre 0 e 10240000 MB, em que 0 MB significa ilimitado.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Manter os ficheiros no servidor quando forem eliminados deste computador</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>A ligação de rede foi perdida. Verifique as definições de rede.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Escolher pastas de origem</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>As pastas só de leitura são incluídas na cópia de segurança, mas as alterações no servidor não são escritas de volta nelas.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Aviso de segurança</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Em espera</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>A transferir %1...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Faça cópia de segurança das pastas deste computador para o seu servidor em poucos passos.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Nome de utilizador do proxy</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Ligar através do Quintlink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>Ocorreu um erro de sistema. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>A pasta partilhada de destino %1 já não existe.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Falha na atualização de %1 (código de erro: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>A preparar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>A pasta de destino é só de leitura. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Erro de cópia de segurança</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Está disponível uma nova versão. Clique para atualizar.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Só de leitura</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>Não foi possível contactar o servidor de retransmissão Quintlink.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>Esta pasta local já faz parte de outra tarefa de cópia de segurança.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançadas</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>%1 ficheiros a processar</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Pastas excluídas</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>Não tem permissão para escrever na pasta partilhada de destino.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Os ficheiros com estas extensões não são incluídos na cópia de segurança:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>A autenticação falhou.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>A atualização falhou.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>A procurar servidores na rede local...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Iniciar agora</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>A processar %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>O servidor proxy requer autenticação</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Selecionar pastas de cópia de segurança</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>Não foi possível criar uma sessão no servidor.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>O Nimbra Backup está pronto a utilizar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>A versão deste cliente é demasiado antiga para o servidor. Atualize o Nimbra Backup.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Extensões de ficheiro excluídas</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>A aplicar as definições...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>A atualizar...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Procurar servidores na rede local</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>Iniciar o Nimbra Backup ao iniciar sessão</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Reveja as definições abaixo antes de concluir.</translation>
    </message>
</context>
</TS>
