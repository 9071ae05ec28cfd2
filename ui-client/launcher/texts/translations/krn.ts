<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>마지막 백업: %1</translation>
    </message>
    <message>
        <source>Skip files and folders whose names start with a dot</source>
        <translation>이름이 점(.)으로 시작하는 파일 및 폴더 건너뛰기</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <translation>사용자 이름과 비밀번호를 확인하십시오.</translation>
    </message>
    <message>
        <source>Nimbra Backup</source>
        <translation>Nimbra Backup</translation>
    </message>
    <message>
        <source>The Quintlink ID is invalid or does not exist.</source>
        <translation>Quintlink ID가 잘못되었거나 존재하지 않습니다.</translation>
    </message>
    <message>
        <source>The selected backup folder is invalid. Please choose another folder.</source>
        <translation>선택한 백업 폴더가 잘못되었습니다. 다른 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>Enter the address of your server and the account to back up to.</source>
        <translation>서버 주소와 백업할 계정을 입력하십시오.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>The backup task on the server does not match the direction of this task.</source>
        <translation>서버의 백업 작업이 이 작업의 방향과 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Enter 6-digit code</source>
        <translation>6자리 코드 입력</translation>
    </message>
    <message>
        <source>The quota of the destination shared folder has been reached.</source>
        <translation>대상 공유 폴더의 할당량에 도달했습니다.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>서버의 SSL 인증서를 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>프록시</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>이 컴퓨터에서 백업할 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료됨</translation>
    </message>
    <message>
        <source>The server has been replaced or reset. Please link this computer again.</source>
        <translation>서버가 교체되었거나 재설정되었습니다. 이 컴퓨터를 다시 연결하십시오.</translation>
    </message>
    <message>
        <source>A local folder of the backup task cannot be found.</source>
        <translation>백업 작업의 로컬 폴더를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Server name or IP address</source>
        <translation>서버 이름 또는 IP 주소</translation>
    </message>
    <message>
        <source>Need help? Visit the online help center.</source>
        <translation>도움이 필요하십니까? 온라인 도움말 센터를 방문하십시오.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>The local database is damaged or cannot be opened.</source>
        <translation>로컬 데이터베이스가 손상되었거나 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Keep your files safe, automatically.</source>
        <translation>파일을 자동으로 안전하게 보호합니다.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>흑백 트레이 아이콘 사용</translation>
    </message>
    <message>
        <source>The destination shared folder is encrypted and not mounted.</source>
        <translation>대상 공유 폴더가 암호화되어 있으며 마운트되지 않았습니다.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>Open Nimbra Backup</source>
        <translation>Nimbra Backup 열기</translation>
    </message>
    <message>
        <source>The server sent an unexpected response.</source>
        <translation>서버에서 예기치 않은 응답을 보냈습니다.</translation>
    </message>
    <message>
        <source>The local backup folder is on a drive that is not mounted.</source>
        <translation>로컬 백업 폴더가 마운트되지 않은 드라이브에 있습니다.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>The destination does not have enough free space.</source>
        <translation>대상의 여유 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>The home folder service is disabled on the server.</source>
        <translation>서버에서 홈 폴더 서비스가 비활성화되어 있습니다.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>최신 상태</translation>
    </message>
    <message>
        <source>There is not enough free space on the destination for this backup folder.</source>
        <translation>대상에 이 백업 폴더를 저장할 여유 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>Nimbra Backup version %1. Copyright (C) Halvern. All rights reserved.</source>
        <translation>Nimbra Backup 버전 %1. Copyright (C) Halvern. All rights reserved.</translation>
    </message>
    <message>
        <source>The backup could not be completed.</source>
        <translation>백업을 완료할 수 없습니다.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>수동 프록시 구성</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>대상</translation>
    </message>
    <message>
        <source>This account requires a verification code.</source>
        <translation>이 계정에는 인증 코드가 필요합니다.</translation>
    </message>
    <message>
        <source>Unlink this computer from %1? Its backup tasks will stop.</source>
        <translation>%1에서 이 컴퓨터의 연결을 해제하시겠습니까? 이 컴퓨터의 백업 작업이 중지됩니다.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Nimbra Backup is initializing...</source>
        <translation>Nimbra Backup 초기화 중...</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>선택한 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>시스템 프록시 설정 사용</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>로컬 폴더</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <translation>프록시 서버의 사용자 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>필터</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>서버의 SSL 인증서가 변경되었습니다. 새 인증서를 신뢰하시겠습니까?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>연결 해제 중...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL 암호화 사용</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Recent activity</source>
        <translation>최근 활동</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up but not restored into it.</source>
        <translation>원본 폴더가 읽기 전용입니다. 파일을 백업할 수는 있지만 이 폴더로 복원할 수는 없습니다.</translation>
    </message>
    <message>
        <source>You have read-only access to this folder.</source>
        <translation>이 폴더에 대한 읽기 전용 권한만 있습니다.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 중지됨</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>The new language takes effect after Nimbra Backup restarts.</source>
        <translation>새 언어는 Nimbra Backup을 다시 시작한 후에 적용됩니다.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>1에서 65535 사이의 포트 번호를 입력하십시오.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>업로드 중</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed since the last connection.</source>
        <translation>마지막 연결 이후 서버의 SSL 인증서가 변경되었습니다.</translation>
    </message>
    <message>
        <source>The server does not accept connections from this IP address.</source>
        <translation>서버가 이 IP 주소의 연결을 허용하지 않습니다.</translation>
    </message>
    <message>
        <source>Testing connection...</source>
        <translation>연결 테스트 중...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>서버와 보안 연결을 설정할 수 없습니다.</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>서버에 연결</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>인증 코드가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>같은 이름의 공유 폴더가 서버에 이미 있습니다.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <translation>이 마법사를 통해 첫 번째 백업 작업을 설정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>연결 중...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>활성화됨</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>You do not have permission to access the destination folder.</source>
        <translation>대상 폴더에 액세스할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>서버의 저장 공간 할당량에 도달했습니다.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>파일 확장자를 편집하려면 두 번 클릭하십시오.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Maximum file size (MB)</source>
        <translation>최대 파일 크기(MB)</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>백업 중...</translation>
    </message>
    <message>
        <source>Your storage quota is too small for this backup folder.</source>
        <translation>저장 공간 할당량이 부족하여 이 백업 폴더를 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>로그인 실패 횟수가 너무 많습니다. 나중에 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>0 means no limit</source>
        <translation>0은 제한 없음</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>예기치 않은 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>Nimbra Backup failed to initialize.</source>
        <translation>Nimbra Backup을 초기화하지 못했습니다.</translation>
    </message>
    <message>
        <source>The server does not match the one this task was created on.</source>
        <translation>서버가 이 작업을 생성한 서버와 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>서버에서 대상 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <translation>사용자 이름 또는 비밀번호가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>시스템 기본값</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>신뢰하고 계속</translation>
    </message>
    <message>
        <source>Choose the local folders to back up and where to store them on the server.</source>
        <translation>백업할 로컬 폴더와 서버에 저장할 위치를 선택하십시오.</translation>
    </message>
    <message>
        <source>This account must use two-step verification. Please enable it first.</source>
        <translation>이 계정은 2단계 인증을 사용해야 합니다. 먼저 2단계 인증을 활성화하십시오.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Please enter the proxy server address and port.</source>
        <translation>프록시 서버 주소와 포트를 입력하십시오.</translation>
    </message>
    <message>
        <source>This account is disabled on the server.</source>
        <translation>서버에서 이 계정이 비활성화되어 있습니다.</translation>
    </message>
    <message>
        <source>Another backup task already uses this destination folder.</source>
        <translation>다른 백업 작업에서 이미 이 대상 폴더를 사용하고 있습니다.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>백업할 유효한 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>Waiting for the file to be unlocked</source>
        <translation>파일 잠금 해제 대기 중</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>프록시 사용 안 함</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <translation>서버 버전이 너무 낮아 이 클라이언트를 사용할 수 없습니다. 서버를 업데이트하십시오.</translation>
    </message>
    <message>
        <source>Select folders on this computer</source>
        <translation>이 컴퓨터의 폴더 선택</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>파일 크기를 0~10240000MB 사이로 지정하십시오. 0MB는 제한 없음을 의미합니다.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>이 컴퓨터에서 파일을 삭제해도 서버의 파일 유지</translation>
    </message>
    <message>
        <source>The network connection was lost. Please check your network settings.</source>
        <translation>네트워크 연결이 끊어졌습니다. 네트워크 설정을 확인하십시오.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <translation>원본 폴더 선택</translation>
    </message>
    <message>
        <source>Read-only folders are backed up, but changes on the server are not written back to them.</source>
        <translation>읽기 전용 폴더도 백업되지만 서버의 변경 내용은 해당 폴더에 다시 기록되지 않습니다.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>보안 경고</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 다운로드 중...</translation>
    </message>
    <message>
        <source>Back up the folders on this computer to your server in a few steps.</source>
        <translation>몇 단계만으로 이 컴퓨터의 폴더를 서버에 백업할 수 있습니다.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>프록시 사용자 이름</translation>
    </message>
    <message>
        <source>Connect via Quintlink</source>
        <translation>Quintlink를 통해 연결</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>A system error occurred. Please try again later.</source>
        <translation>시스템 오류가 발생했습니다. 나중에 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The destination shared folder %1 no longer exists.</source>
        <translation>대상 공유 폴더 %1이(가) 더 이상 존재하지 않습니다.</translation>
    </message>
    <message>
        <source>%1 upgrade failed (error code: %2).</source>
        <translation>%1 업그레이드에 실패했습니다(오류 코드: %2).</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>준비 중</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>The destination folder is read-only. Please choose another folder.</source>
        <translation>대상 폴더가 읽기 전용입니다. 다른 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>백업 오류</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>새 버전을 사용할 수 있습니다. 클릭하여 업데이트하십시오.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>읽기 전용</translation>
    </message>
    <message>
        <source>The Quintlink relay server could not be reached.</source>
        <translation>Quintlink 릴레이 서버에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>This local folder is already part of another backup task.</source>
        <translation>이 로컬 폴더는 이미 다른 백업 작업에 포함되어 있습니다.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
    <message>
        <source>%1 files to process</source>
        <translation>처리할 파일 %1개</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>제외된 폴더</translation>
    </message>
    <message>
        <source>You do not have permission to write to the destination shared folder.</source>
        <translation>대상 공유 폴더에 쓸 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>다음 확장자를 가진 파일은 백업되지 않습니다:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <translation>인증에 실패했습니다.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>The upgrade failed.</source>
        <translation>업그레이드에 실패했습니다.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>로컬 네트워크에서 서버를 검색하는 중...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>지금 시작</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>%1 처리 중</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>프록시 서버에 인증이 필요합니다</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>서버</translation>
    </message>
    <message>
        <source>Select backup folders</source>
        <translation>백업 폴더 선택</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <translation>서버에서 세션을 생성할 수 없습니다.</translation>
    </message>
    <message>
        <source>Nimbra Backup is ready.</source>
        <translation>Nimbra Backup 준비가 완료되었습니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>This client version is too old for the server. Please upgrade Nimbra Backup.</source>
        <translation>이 클라이언트 버전이 너무 낮아 서버에서 사용할 수 없습니다. Nimbra Backup을 업그레이드하십시오.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>제외된 파일 확장자</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>설정 적용 중...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>업데이트 중...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>로컬 네트워크에서 서버 찾기</translation>
    </message>
    <message>
        <source>Start Nimbra Backup when I log in</source>
        <translation>로그인할 때 Nimbra Backup 시작</translation>
    </message>
    <message>
        <source>Please review the settings below before finishing.</source>
        <translation>완료하기 전에 아래 설정을 검토하십시오.</translation>
    </message>
</context>
</TS>
