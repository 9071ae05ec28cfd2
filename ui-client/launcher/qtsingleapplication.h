// QtSingleApplication: a QApplication that knows whether another instance of
// the same executable already runs for the same user.
//
// The identity is a hash of the running executable's path, so two
// installations don't block each other; the lock lives in a folder private
// to the user, so two users don't block each other and no other user can
// block or impersonate an instance. A crashed instance leaves a stale lock
// that the next start takes over at once.
#ifndef NIMBRA_LAUNCHER_QTSINGLEAPPLICATION_H
#define NIMBRA_LAUNCHER_QTSINGLEAPPLICATION_H

#include <QApplication>
#include <QLockFile>
#include <QString>
#include <memory>

class QtSingleApplication : public QApplication {
    Q_OBJECT

public:
    QtSingleApplication(int& argc, char** argv, bool GUIenabled = true);
    ~QtSingleApplication() override;

    // True when another instance holds the lock. The first call takes the
    // lock for this instance's lifetime. An unexpected error taking it is
    // logged as a warning and answered false: the user's client must start.
    bool isRunning();

    // The lock file's path, or empty when no private folder could be had.
    static QString lockFilePath();

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_checked = false;
    bool m_running = false;
};

#endif  // NIMBRA_LAUNCHER_QTSINGLEAPPLICATION_H
