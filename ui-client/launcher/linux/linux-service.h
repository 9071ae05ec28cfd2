// LinuxService: the Linux side of the upgrade procedure: the upgrade
// decision, stopping the user's running client through its pid file, and
// running the user's start script.
#ifndef NIMBRA_LAUNCHER_LINUX_LINUX_SERVICE_H
#define NIMBRA_LAUNCHER_LINUX_LINUX_SERVICE_H

#include "nimbra-service.h"

class LinuxService : public Service {
public:
    LinuxService();
    ~LinuxService() override;

    // SIGTERM, up to five one-second probes, then SIGKILL.
    void StopService() override;
    // Stops an installed client, then PrepareUserEnv(). 0 or -1.
    int HandlePackageUpgrade() override;
    // Runs the user's start script and waits for it.
    void PostUpgrade() override;
    void PreUpgrade() override;
    // Target build strictly greater than the source build, or no executable.
    bool IsNeedUpgrade() override;

    static LinuxService& GetInstace();
    bool PerUserBinPathExist();
    // Runs the start script; always 0.
    int LaunchPerUserBin();
    void LoadTargetVerInfo();
    void LoadSourceVerInfo();
};

#endif  // NIMBRA_LAUNCHER_LINUX_LINUX_SERVICE_H
