#include "qtsingleapplication.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "log.h"
#include "nimbra-service.h"

namespace {

const char kLogComponent[] = "launcher_debug";
const char kLogSource[] = "qtsingleapplication";

// A macro, so that the record names the line of the failure.
#define WARN_NO_LOCK(path, why)                                                             \
    NLOG_WARNING("cannot take the instance lock '%s' (%s), running as the only instance\n", \
                 (path).c_str(), why)

}  // namespace

// QApplication's third parameter is not a GUI switch (that one went with Qt
// 4) but Qt's own version flags, which a bool would turn into version 0.0.1.
QtSingleApplication::QtSingleApplication(int& argc, char** argv, bool /*GUIenabled*/)
    : QApplication(argc, argv) {}

QtSingleApplication::~QtSingleApplication() {
    if (m_lock_fd >= 0) close(m_lock_fd);
}

ustring QtSingleApplication::lockFilePath() {
    return Service::GetUserNimbraInstallPath() + "/launcher.lock";
}

bool QtSingleApplication::isRunning() {
    if (m_checked) return m_running;
    m_checked = true;

    const ustring path = lockFilePath();
    // The log's set-up normally made the user folder already, but a failed
    // one did not.
    mkdir(Service::GetUserNimbraInstallPath().c_str(), 0777);
    // Open for writing, which NFS needs for an exclusive lock, and without
    // blocking: a FIFO put in its place must not hold the start.
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        WARN_NO_LOCK(path, strerror(errno));
        return false;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
        WARN_NO_LOCK(path, "not a regular file of this user");
        close(fd);
        return false;
    }
    if ((st.st_mode & 077) != 0) fchmod(fd, 0600);
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_lock_fd = fd;
        return false;
    }
    const int err = errno;
    close(fd);
    if (err == EWOULDBLOCK) {
        m_running = true;
        return true;
    }
    WARN_NO_LOCK(path, strerror(err));
    return false;
}
