// LinuxService: the Linux side of the upgrade procedure: the upgrade
// decision, stopping the user's running client through its pid file, and
// running the user's start script.
#ifndef NIMBRA_LAUNCHER_LINUX_LINUX_SERVICE_H
#define NIMBRA_LAUNCHER_LINUX_LINUX_SERVICE_H

#include <sys/types.h>

#include "nimbra-service.h"

class LinuxService : public Service {
public:
    LinuxService();
    ~LinuxService() override;

    // SIGTERM, up to five one-second probes, then SIGKILL. Only a process
    // that IsUserClient() recognises is ever signalled; a pid file naming
    // anything else (a stale pid, 0, a negative id) is logged and left. The
    // pid file is read only when it is a regular file (not a link) of at
    // most 4 KiB, without blocking; anything else names no process.
    void StopService() override;
    // ValidatePackage(), then stops an installed client, then
    // PrepareUserEnv(). 0 or -1; a package that fails the validation leaves
    // the client running and its copy untouched.
    int HandlePackageUpgrade() override;
    // Runs the user's start script and waits for it, when the app folder
    // holds a whole copy (HasWholeCopy); otherwise logs that it does not.
    void PostUpgrade() override;
    void PreUpgrade() override;
    // Target build strictly greater than the source build, no executable,
    // or an earlier preparation left unfinished.
    bool IsNeedUpgrade() override;

    static LinuxService& GetInstace();
    bool PerUserBinPathExist();
    // Runs the start script with the single argument "start" and waits for
    // it, start_script_wait_ms at most (then it is left running); always 0.
    int LaunchPerUserBin();
    void LoadTargetVerInfo();
    void LoadSourceVerInfo();

    // Whether pid runs the user's client: its executable lies inside the app
    // folder, or it runs a script inside the app folder and its executable
    // is the interpreter named on that script's "#!" line (links resolved,
    // looked up through PATH behind env).
    bool IsUserClient(pid_t pid) const;

protected:
    int start_script_wait_ms = 120 * 1000;
};

#endif  // NIMBRA_LAUNCHER_LINUX_LINUX_SERVICE_H
