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

    // SIGTERM, probes for up to five seconds (often at first), then SIGKILL. Only a process
    // that IsUserClient() recognises is ever signalled; a pid file naming
    // anything else (a stale pid, 0, a negative id) is logged and left. The
    // pid file is read only when it is a regular file (not a link) of at
    // most 4 KiB, without blocking; anything else names no process.
    void StopService() override;
    // ValidatePackage(), then stops an installed client, then
    // PrepareUserEnv(). 0 or -1; a package that fails the validation leaves
    // the client running and its copy untouched. After an unfinished
    // preparation the client is stopped first, before its copy is recovered.
    int HandlePackageUpgrade() override;
    // Waits for the start script that StartCheckedCopy ran, if it did;
    // otherwise runs it and waits for it when the app folder holds a whole
    // copy (HasWholeCopy), or logs that it does not.
    void PostUpgrade() override;
    // Runs the start script without waiting for it.
    void StartCheckedCopy() override;
    void PreUpgrade() override;
    // Target build strictly greater than the source build, no executable,
    // or an earlier preparation left unfinished.
    bool IsNeedUpgrade() override;

    static LinuxService& GetInstace();
    bool PerUserBinPathExist();
    // Runs the start script with the single argument "start" and waits for
    // it, start_script_wait_ms at most (then it is left running); always 0.
    int LaunchPerUserBin();
    // Runs the start script with the single argument "start". Its pid, or
    // -1 (logged).
    pid_t SpawnStartScript();
    // Waits for the start script pid to end, start_script_wait_ms at most
    // (then it is left running, and that is logged).
    void WaitForStartScript(pid_t pid);
    void LoadTargetVerInfo();
    void LoadSourceVerInfo();

    // Whether pid runs the user's client: its executable lies inside the app
    // folder, or it runs a script inside the app folder and its executable
    // is the interpreter named on that script's "#!" line (links resolved,
    // looked up through PATH behind env).
    bool IsUserClient(pid_t pid) const;

protected:
    int start_script_wait_ms = 120 * 1000;

private:
    // StopService found a live process it could not check (no /proc).
    bool client_unverified_ = false;
    pid_t started_script_ = -1;  // run by StartCheckedCopy, not yet waited for
};

#endif  // NIMBRA_LAUNCHER_LINUX_LINUX_SERVICE_H
