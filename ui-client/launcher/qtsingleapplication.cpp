#include "qtsingleapplication.h"

#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "log.h"
#include "nimbra-service.h"

namespace {

const char kComponent[] = "launcher_debug";

// Whether dir is a real folder (not a link) of this user that nobody else
// can write.
bool IsPrivate(const QByteArray& dir) {
    struct stat st;
    return lstat(dir.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() &&
           (st.st_mode & 022) == 0;
}

// A folder that only this user can write, so no other user can block or
// impersonate an instance: the runtime folder when Qt accepts it, else a
// folder of ours under the temporary folder (which another user may have
// taken first), else the user folder in the home.
QString PrivateFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) return runtime;  // Qt checks owner and mode 0700 itself

    const QByteArray tmp = QFile::encodeName(QDir::tempPath()) + "/nimbra-launcher-" +
                           QByteArray::number(static_cast<qulonglong>(getuid()));
    if (mkdir(tmp.constData(), 0700) == 0 || errno == EEXIST) {
        if (IsPrivate(tmp)) return QFile::decodeName(tmp);
    }
    const QByteArray user = Service::GetUserNimbraInstallPath().c_str();
    if (IsPrivate(user)) return QFile::decodeName(user);
    return QString();
}

}  // namespace

QtSingleApplication::QtSingleApplication(int& argc, char** argv, bool GUIenabled)
    : QApplication(argc, argv, GUIenabled) {}

QtSingleApplication::~QtSingleApplication() = default;

QString QtSingleApplication::lockFilePath() {
    const QString folder = PrivateFolder();
    if (folder.isEmpty()) return QString();
    const QByteArray id =
        QCryptographicHash::hash(applicationFilePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return folder + QStringLiteral("/nimbra-launcher-") + QString::fromLatin1(id) +
           QStringLiteral(".lock");
}

bool QtSingleApplication::isRunning() {
    if (m_checked) return m_running;
    m_checked = true;

    const QString path = lockFilePath();
    if (path.isEmpty()) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] qtsingleapplication(%d): no private folder for the instance "
                       "lock, running as the only instance\n",
                       __LINE__);
        return false;
    }
    m_lock.reset(new QLockFile(path));
    // Only a live owner counts; a crashed instance's lock is taken over at
    // once rather than after an age limit.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) return false;

    if (m_lock->error() == QLockFile::LockFailedError) {
        m_running = true;
        return true;
    }
    Logger::LogMsg(Logger::L_WARNING, kComponent,
                   "[WARNING] qtsingleapplication(%d): cannot take the instance lock '%s' "
                   "(error %d), running as the only instance\n",
                   __LINE__, path.toUtf8().constData(), static_cast<int>(m_lock->error()));
    m_lock.reset();
    return false;
}
