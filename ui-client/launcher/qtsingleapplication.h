// QtSingleApplication: a QApplication that knows whether another launcher
// already works on the same user folder.
//
// The lock guards what launchers share, the user folder $HOME/.NimbraBackup:
// it is an flock(2) on the file "launcher.lock" in that folder (never in the
// app folder, which a preparation moves and removes). Any two launchers on
// the same folder exclude each other, whatever their environment (with or
// without XDG_RUNTIME_DIR) or installation; launchers of different users lock
// different files and never block each other. The file is created with mode
// 0600 and used only when it is a regular file of this user, so no other user
// can open it to block or impersonate an instance. The kernel drops the lock
// when the last descriptor of the holder goes (it is close-on-exec), however
// the holder ends: a crashed instance never blocks the next start.
//
// Homes on NFS shared by several hosts: the Linux client passes flock to the
// server as a lock on the whole file, so a lock held on another host is
// honoured for as long as the server says that host holds it, and the server
// frees it when the host ends it or has crashed (NFSv4: when the host's lease
// lapses, 90 seconds by default; NFSv3: when the host restarts). There is no
// age rule, so a slow preparation on one host is never taken over by another.
// A mount with "nolock" or "local_lock=flock" keeps locks local to each host:
// then only launchers on the same host exclude each other.
#ifndef NIMBRA_LAUNCHER_QTSINGLEAPPLICATION_H
#define NIMBRA_LAUNCHER_QTSINGLEAPPLICATION_H

#include <QApplication>

#include "ustring/ustring.h"

class QtSingleApplication : public QApplication {
    Q_OBJECT

public:
    // Always a GUI application: GUIenabled is accepted and ignored.
    QtSingleApplication(int& argc, char** argv, bool GUIenabled = true);
    ~QtSingleApplication() override;

    // True when another launcher holds the lock of the user folder. The
    // first call takes the lock for this instance's lifetime (creating the
    // user folder if needed). An unexpected error taking it is logged as a
    // warning and answered false: the user's client must start.
    bool isRunning();

    // The lock file's path: the user folder + "/launcher.lock", as bytes.
    static ustring lockFilePath();

private:
    int m_lock_fd = -1;  // holds the lock while open
    bool m_checked = false;
    bool m_running = false;
};

#endif  // NIMBRA_LAUNCHER_QTSINGLEAPPLICATION_H
