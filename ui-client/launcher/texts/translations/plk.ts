<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Ostatnia kopia zapasowa: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>Pomijaj pliki i foldery, których nazwy zaczynają się od kropki</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>Sprawdź nazwę użytkownika i hasło.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>Identyfikator Quintlink jest nieprawidłowy lub nie istnieje.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>Wybrany folder kopii zapasowej jest nieprawidłowy. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>Wprowadź adres serwera i konto, na którym ma być tworzona kopia zapasowa.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>Zadanie kopii zapasowej na serwerze nie odpowiada kierunkowi tego zadania.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>Wprowadź 6-cyfrowy kod</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>Osiągnięto limit miejsca dla docelowego folderu udostępnionego.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Nie można zweryfikować certyfikatu SSL serwera.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Wybierz foldery na tym komputerze, których kopię zapasową chcesz utworzyć.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Ukończono</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>Serwer został wymieniony lub zresetowany. Połącz ponownie ten komputer z serwerem.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>Nie można znaleźć folderu lokalnego zadania kopii zapasowej.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>Nazwa serwera lub adres IP</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>Potrzebujesz pomocy? Odwiedź centrum pomocy online.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>Lokalna baza danych jest uszkodzona lub nie można jej otworzyć.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>Twoje pliki bezpieczne – automatycznie.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Używaj monochromatycznej ikony w zasobniku systemowym</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>Docelowy folder udostępniony jest zaszyfrowany i niezamontowany.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Otwórz Nimbra Backup</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>Serwer wysłał nieoczekiwaną odpowiedź.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>Lokalny folder kopii zapasowej znajduje się na niezamontowanym dysku.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Odłącz</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>W lokalizacji docelowej jest za mało wolnego miejsca.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>Usługa folderów domowych jest wyłączona na serwerze.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktualne</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>W lokalizacji docelowej jest za mało wolnego miejsca dla tego folderu kopii zapasowej.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup, wersja %1. Copyright (C) Halvern. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>Nie można ukończyć tworzenia kopii zapasowej.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ścieżka</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ręczna konfiguracja proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Lokalizacja docelowa</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>To konto wymaga kodu weryfikacyjnego.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>Czy odłączyć ten komputer od serwera %1? Jego zadania kopii zapasowej zostaną zatrzymane.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Trwa inicjowanie programu Nimbra Backup...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>Nie wybrano folderu.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Używaj systemowych ustawień proxy</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Folder lokalny</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>Wprowadź nazwę użytkownika serwera proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Certyfikat SSL serwera zmienił się. Czy chcesz zaufać nowemu certyfikatowi?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Odłączanie...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Używaj szyfrowania SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>Ostatnia aktywność</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>Folder źródłowy jest tylko do odczytu. Można utworzyć kopię zapasową plików, ale nie można ich do niego przywrócić.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>Masz dostęp do tego folderu tylko do odczytu.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Uaktualnij</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>Nowy język zostanie zastosowany po ponownym uruchomieniu Nimbra Backup.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Wprowadź numer portu z zakresu od 1 do 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>Certyfikat SSL serwera zmienił się od ostatniego połączenia.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>Serwer nie akceptuje połączeń z tego adresu IP.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>Testowanie połączenia...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Nie można nawiązać bezpiecznego połączenia z serwerem.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nie teraz</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Połącz się z serwerem</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Kod weryfikacyjny jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Na serwerze istnieje już folder udostępniony o tej nazwie.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>Ten kreator pomoże Ci skonfigurować pierwsze zadanie kopii zapasowej.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>Nie masz uprawnień dostępu do folderu docelowego.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Wykorzystano cały Twój limit miejsca na serwerze.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Kliknij dwukrotnie, aby edytować rozszerzenie pliku.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>Maksymalny rozmiar pliku (MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Tworzenie kopii zapasowej...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>Twój limit miejsca jest za mały dla tego folderu kopii zapasowej.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Zbyt wiele nieudanych prób logowania. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0 oznacza brak limitu</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Nie udało się zainicjować Nimbra Backup.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>Serwer nie jest tym, na którym utworzono to zadanie.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Wybierz folder docelowy na serwerze.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>Nieprawidłowa nazwa użytkownika lub hasło.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Domyślny systemowy</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Zaufaj i kontynuuj</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>Wybierz foldery lokalne do kopii zapasowej oraz miejsce ich przechowywania na serwerze.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>To konto musi używać weryfikacji dwuetapowej. Najpierw ją włącz.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>Wprowadź adres i port serwera proxy.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>To konto jest wyłączone na serwerze.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>Ten folder docelowy jest już używany przez inne zadanie kopii zapasowej.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Brak prawidłowego folderu do utworzenia kopii zapasowej.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>Oczekiwanie na odblokowanie pliku</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>Wersja serwera jest zbyt stara dla tego klienta. Zaktualizuj serwer.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>Wybierz foldery na tym komputerze</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Określ rozmiar pliku z zakresu od 0 do 10240000 MB (0 MB oznacza brak limitu).</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Zachowuj pliki na serwerze po ich usunięciu z tego komputera</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>Utracono połączenie sieciowe. Sprawdź ustawienia sieci.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>Wybierz foldery źródłowe</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>Foldery tylko do odczytu są uwzględniane w kopii zapasowej, ale zmiany na serwerze nie są w nich zapisywane.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Ostrzeżenie o zabezpieczeniach</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Oczekiwanie</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Pobieranie %1...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>Utwórz kopię zapasową folderów z tego komputera na swoim serwerze w kilku krokach.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Nazwa użytkownika proxy</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Połącz przez Quintlink</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>Wystąpił błąd systemowy. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>Docelowy folder udostępniony %1 już nie istnieje.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>Uaktualnienie %1 nie powiodło się (kod błędu: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Przygotowywanie</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>Folder docelowy jest tylko do odczytu. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Błąd kopii zapasowej</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Dostępna jest nowa wersja. Kliknij, aby zaktualizować.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Tylko do odczytu</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>Nie można połączyć się z serwerem przekaźnikowym Quintlink.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>Ten folder lokalny należy już do innego zadania kopii zapasowej.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>Pliki do przetworzenia: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Wykluczone foldery</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>Nie masz uprawnień do zapisu w docelowym folderze udostępnionym.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Pliki z tymi rozszerzeniami nie są uwzględniane w kopii zapasowej:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>Uwierzytelnianie nie powiodło się.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>Uaktualnienie nie powiodło się.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Wyszukiwanie serwerów w sieci lokalnej...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Rozpocznij teraz</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Przetwarzanie: %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Serwer proxy wymaga uwierzytelnienia</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>Wybierz foldery kopii zapasowej</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>Nie można utworzyć sesji na serwerze.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Program Nimbra Backup jest gotowy.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>Wersja klienta jest zbyt stara dla tego serwera. Uaktualnij Nimbra Backup.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Wykluczone rozszerzenia plików</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Stosowanie ustawień...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aktualizowanie...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Znajdź serwery w sieci lokalnej</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>Uruchamiaj Nimbra Backup po zalogowaniu</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>Przed zakończeniem przejrzyj poniższe ustawienia.</translation>
    </message>
</context>
</TS>
