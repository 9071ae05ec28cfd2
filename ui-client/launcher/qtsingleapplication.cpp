#include "qtsingleapplication.h"

#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

#include "log.h"

namespace {

const char kComponent[] = "launcher_debug";

// A folder that only this user can write: owned by the user, mode 0700, not
// a link. Created if missing.
QString PrivateFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) return runtime;  // Qt checks owner and mode 0700 itself

    const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/nimbra-launcher-" +
                           QByteArray::number(static_cast<qulonglong>(getuid()));
    if (mkdir(dir.constData(), 0700) != 0 && errno != EEXIST) return QString();
    struct stat st;
    if (lstat(dir.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid() ||
        (st.st_mode & 0777) != 0700)
        return QString();
    return QString::fromLocal8Bit(dir);
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
