// Runs the service the way the launcher's worker does, for tests that need
// the machine-wide root: the root is the parent of this program's folder, so
// tests copy it to "<root>/bin/" and run it there.
//
//   service_driver run             PreUpgrade, IsNeedUpgrade, HandlePackageUpgrade
//                                  when needed, RemoveAgedFolders, PostUpgrade
//   service_driver die-in-extract  the same, but the process kills itself
//                                  once the package is extracted except for its
//                                  "share" folder, as if the user logged out
//   service_driver paths           prints the install locations
//
// Prints "need=<0|1> result=<HandlePackageUpgrade's result>" after a run.
#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <cstring>

#include "file/file-op.h"
#include "linux/linux-service.h"
#include "log.h"

namespace {

// The launcher's service with a shorter trial of the new client: the
// sample client's start script starts none, so every upgrade waits it out.
class DriverService : public LinuxService {
public:
    DriverService() { trial_window_ms = 300; }
};

class DyingService : public DriverService {
public:
    int ExtractPackage() override {
        Service::ExtractPackage();
        FSRemove(layout.app_folder + "/share", false);
        raise(SIGKILL);
        return -1;
    }
};

int Run(Service& service) {
    service.PreUpgrade();
    const bool need = service.IsNeedUpgrade();
    const int result = need ? service.HandlePackageUpgrade() : 0;
    service.RemoveAgedFolders();
    service.PostUpgrade();
    printf("need=%d result=%d\n", need ? 1 : 0, result);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const ustring log_folder = Service::GetUserNimbraInstallPath() + "/log";
    if (QDir().mkpath(QString::fromUtf8(log_folder.c_str())))
        Logger::Initialize(Logger::FILE_LOGGER, log_folder + "/launcher.log",
                           Service::GetRootNimbraInstallPath() + "/log/launcher.debug", 50);
    const char* op = argc > 1 ? argv[1] : "";
    if (strcmp(op, "run") == 0) {
        DriverService service;
        return Run(service);
    }
    if (strcmp(op, "die-in-extract") == 0) {
        DyingService service;
        return Run(service);
    }
    if (strcmp(op, "paths") == 0) {
        printf("%s\n%s\n%s\n", Service::GetRootNimbraInstallPath().c_str(),
               Service::GetRootNimbraResourceInstallPath().c_str(),
               Service::GetUserNimbraAppInstallPath().c_str());
        return 0;
    }
    fprintf(stderr, "usage: service_driver run|die-in-extract|paths\n");
    return 2;
}
