<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Dernière sauvegarde : %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Ignorer les fichiers et dossiers dont le nom commence par un point</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Veuillez vérifier votre nom d'utilisateur et votre mot de passe.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>L'ID Quintlink n'est pas valide ou n'existe pas.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Le dossier de sauvegarde sélectionné n'est pas valide. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Saisissez l'adresse de votre serveur et le compte vers lequel effectuer la sauvegarde.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d'utilisateur</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>La tâche de sauvegarde sur le serveur ne correspond pas au sens de cette tâche.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>Saisissez le code à 6 chiffres</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>Le quota du dossier partagé de destination est atteint.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Le certificat SSL du serveur n'a pas pu être vérifié.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Choisissez les dossiers de cet ordinateur que vous souhaitez sauvegarder.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>Le serveur a été remplacé ou réinitialisé. Veuillez associer à nouveau cet ordinateur.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>Un dossier local de la tâche de sauvegarde est introuvable.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Nom du serveur ou adresse IP</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>Besoin d'aide ? Consultez le centre d'aide en ligne.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>La base de données locale est endommagée ou ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>Vos fichiers protégés, automatiquement.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Utiliser une icône monochrome dans la zone de notification</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>Le dossier partagé de destination est chiffré et n'est pas monté.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Ouvrir Nimbra Backup</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>Le serveur a renvoyé une réponse inattendue.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>Le dossier de sauvegarde local se trouve sur un lecteur qui n'est pas monté.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Dissocier</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>L'espace libre est insuffisant sur la destination.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>Le service de dossiers personnels est désactivé sur le serveur.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>À jour</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>L'espace libre sur la destination est insuffisant pour ce dossier de sauvegarde.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup version %1. Copyright (C) Halvern. Tous droits réservés.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>La sauvegarde n'a pas pu être effectuée.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuration manuelle du proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>Ce compte nécessite un code de vérification.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>Dissocier cet ordinateur de %1 ? Ses tâches de sauvegarde seront arrêtées.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Initialisation de Nimbra Backup...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>Aucun dossier sélectionné.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Utiliser les paramètres proxy du système</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Dossier local</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Veuillez saisir un nom d'utilisateur pour le serveur proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Le certificat SSL du serveur a changé. Voulez-vous faire confiance au nouveau certificat ?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Dissociation...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Utiliser le chiffrement SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Activité récente</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>Le dossier source est en lecture seule. Les fichiers peuvent être sauvegardés, mais pas restaurés dans ce dossier.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>Vous disposez d'un accès en lecture seule à ce dossier.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Suspendu</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mettre à niveau</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>La nouvelle langue sera appliquée au redémarrage de Nimbra Backup.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Veuillez saisir un numéro de port compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Envoi en cours</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>Le certificat SSL du serveur a changé depuis la dernière connexion.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Le serveur n'accepte pas les connexions provenant de cette adresse IP.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>Test de la connexion...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Impossible d'établir une connexion sécurisée avec le serveur.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Se connecter à votre serveur</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Le code de vérification est incorrect.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Un dossier partagé portant ce nom existe déjà sur le serveur.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>Cet assistant vous aide à configurer votre première tâche de sauvegarde.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion en cours...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>Vous n'êtes pas autorisé à accéder au dossier de destination.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Votre quota de stockage sur le serveur est atteint.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Double-cliquez pour modifier l'extension de fichier.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Taille de fichier maximale (Mo)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sauvegarde en cours...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>Votre quota de stockage est insuffisant pour ce dossier de sauvegarde.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Trop de tentatives de connexion infructueuses. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 signifie aucune limite</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s'est produite.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Échec de l'initialisation de Nimbra Backup.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>Le serveur ne correspond pas à celui sur lequel cette tâche a été créée.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Choisissez un dossier de destination sur le serveur.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Le nom d'utilisateur ou le mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Valeur par défaut du système</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Faire confiance et continuer</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Choisissez les dossiers locaux à sauvegarder et leur emplacement de stockage sur le serveur.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>Ce compte doit utiliser la validation en deux étapes. Veuillez d'abord l'activer.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Veuillez saisir l'adresse et le port du serveur proxy.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>Ce compte est désactivé sur le serveur.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>Une autre tâche de sauvegarde utilise déjà ce dossier de destination.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Aucun dossier valide à sauvegarder.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>En attente du déverrouillage du fichier</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Aucun proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>La version du serveur est trop ancienne pour ce client. Veuillez mettre à jour le serveur.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Sélectionner des dossiers sur cet ordinateur</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Indiquez une taille de fichier comprise entre 0 et 10240000 Mo, 0 Mo signifiant illimité.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Conserver les fichiers sur le serveur lorsqu'ils sont supprimés de cet ordinateur</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>La connexion réseau a été perdue. Veuillez vérifier vos paramètres réseau.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Choisir les dossiers source</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>Les dossiers en lecture seule sont sauvegardés, mais les modifications effectuées sur le serveur n'y sont pas réécrites.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Avertissement de sécurité</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Téléchargement de %1...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Sauvegardez les dossiers de cet ordinateur sur votre serveur en quelques étapes.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Nom d'utilisateur du proxy</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Se connecter via Quintlink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>Une erreur système s'est produite. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>Le dossier partagé de destination %1 n'existe plus.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Échec de la mise à niveau de %1 (code d'erreur : %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Récapitulatif</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>Le dossier de destination est en lecture seule. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Erreur de sauvegarde</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Une nouvelle version est disponible. Cliquez pour effectuer la mise à jour.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>Impossible de joindre le serveur relais Quintlink.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>Ce dossier local fait déjà partie d'une autre tâche de sauvegarde.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>%1 fichiers à traiter</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Dossiers exclus</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>Vous n'êtes pas autorisé à écrire dans le dossier partagé de destination.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Les fichiers portant ces extensions ne sont pas sauvegardés :</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Échec de l'authentification.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>La mise à niveau a échoué.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Recherche de serveurs sur le réseau local...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Démarrer maintenant</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Traitement de %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Le serveur proxy nécessite une authentification</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Sélectionner les dossiers de sauvegarde</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>Impossible de créer une session sur le serveur.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup est prêt.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>La version de ce client est trop ancienne pour le serveur. Veuillez mettre à niveau Nimbra Backup.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Extensions de fichier exclues</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Application des paramètres...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Mise à jour...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Rechercher des serveurs sur le réseau local</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>Démarrer Nimbra Backup à l'ouverture de session</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Veuillez vérifier les paramètres ci-dessous avant de terminer.</translation>
    </message>
</context>
</TS>
