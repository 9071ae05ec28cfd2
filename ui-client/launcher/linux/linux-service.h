// LinuxService: the Linux side of the upgrade procedure: the upgrade
// decision, stopping the user's running client through its pid file, and
// running the user's start script.
#ifndef NIMBRA_LAUNCHER_LINUX_LINUX_SERVICE_H
#define NIMBRA_LAUNCHER_LINUX_LINUX_SERVICE_H

#include <sys/types.h>

#include <functional>
#include <string>

#include "nimbra-service.h"

class LinuxService : public Service {
public:
    LinuxService();
    ~LinuxService() override;

    void PreUpgrade() override;
    void LoadTargetVerInfo();
    void LoadSourceVerInfo();
    // Target build strictly greater than the source build, no executable,
    // or an earlier preparation left unfinished.
    bool IsNeedUpgrade() override;
    bool PerUserBinPathExist();
    // ValidatePackage(), then stops an installed client, then
    // PrepareUserEnv(). 0 or -1; a package that fails the validation leaves
    // the client running and its copy untouched. After an unfinished
    // preparation the client is stopped first, before its copy is recovered.
    int HandlePackageUpgrade() override;

    // SIGTERM, probes for up to five seconds (often at first), then SIGKILL. Only a process
    // that IsUserClient() recognises is ever signalled; a pid file naming
    // anything else (a stale pid, 0, a negative id) is logged and left. The
    // pid file is read only when it is a regular file (not a link) of at
    // most 4 KiB, without blocking; anything else names no process.
    void StopService() override;
    // Whether pid runs the user's client (links resolved throughout):
    // - its executable lies inside the app folder; or
    // - it runs a script inside the app folder and its executable is the
    //   interpreter named on that script's "#!" line (looked up through PATH
    //   behind env); or
    // - it started no later than the pid file was last written (with
    //   kPidFileClockSlack for the clocks' grain), and one of its arguments
    //   or its working folder lies inside the app folder: a client run by
    //   an interpreter ("python3 .../Nimbra.app/lib/ui.py", "java -jar
    //   .../Nimbra.app/lib/ui.jar").
    // A viewer or an editor opened on a file of the app folder after a
    // stale pid file was written fails all three, even when it got the pid
    // that file names; one that was running before could not have that pid.
    bool IsUserClient(pid_t pid) const;
    static constexpr int kPidFileClockSlackMs = 50;

    // Waits for the start script that StartCheckedCopy ran, if it did;
    // otherwise runs it and waits for it when the app folder holds a whole
    // copy (HasWholeCopy), or logs that it does not. Nothing is started
    // again from a first installation whose client just failed to come up.
    void PostUpgrade() override;
    // Runs the start script with the single argument "start" and waits for
    // it, start_script_wait_ms at most (then it is left running); always 0.
    int LaunchPerUserBin();
    // Runs the start script with the single argument "start". Its pid, or
    // -1 (logged).
    pid_t SpawnStartScript();
    // Waits for the start script pid to end, or, once written() tells that
    // the pid file was written since the script was spawned, for the pid
    // file to name a live client (the script may run it in the foreground),
    // for start_script_wait_ms at most (then it is left running, and that is
    // logged). A script that ends with a failure is logged.
    void WaitForStartScript(pid_t pid, const std::function<bool()>& written);

    // Runs the start script, then watches for trial_window_ms: the client
    // came up when the pid file, written since, names a running process
    // (not a zombie; written since, it names what the new copy started). A sign of failure ends the
    // trial at once: the script ends with a non-zero status or by a signal, or the client seen up
    // ends. At the end of the window a pid file written meanwhile must name a live client; with no
    // pid file yet and no other sign, the client counts as slow, not failed. On failure the script,
    // if still running, and the client are stopped, and the reason is logged as an error.
    bool StartCheckedCopy(const std::function<void()>& spawned) override;

    // ---- Not called by the launcher: kept as the documented interface. ----
    static LinuxService& GetInstace();

protected:
    int start_script_wait_ms = 120 * 1000;
    // How long a new client is watched after an upgrade before its copy
    // counts as proven: a broken build (a missing library or interpreter, a
    // crash while loading) fails within about a second, and only an
    // upgrade's launcher waits, never the client. Three seconds catch that
    // with room on a busy machine and keep the dialog short.
    int trial_window_ms = 3000;

private:
    // StopService found a live process it could not check (no /proc, a
    // read that failed) or a pid file it could not read.
    bool client_unverified_ = false;
    // What a check of a process found; kUnknown: a read it needs failed
    // (*why, if not null, names the call and its errno).
    enum class Check { kClient, kNotClient, kUnknown };
    Check CheckClient(pid_t pid, std::string* why) const;
    // The pid the pid file names, false (logged) when it names none.
    bool ReadClientPid(const ustring& ui_pid_file, pid_t* pid);
    // Whether pid is the client; otherwise logs why it is left alone.
    bool MayStop(pid_t pid, const ustring& ui_pid_file);
    // SIGTERM, then SIGKILL after five seconds, to a process checked again
    // before each signal.
    void TerminateClient(pid_t pid);
    // The pid the pid file names if that is a live client of this copy;
    // *named (may be null) gets the pid it names at all, 0 for none.
    pid_t LiveClient(pid_t* named = nullptr) const;
    // Whether pid is alive and the client (or anything alive, without /proc).
    bool IsLiveClient(pid_t pid) const;
    // Watches the start script and the pid file (written() tells whether it
    // was written since the start) for trial_window_ms, or until a sign of
    // failure, which it returns (empty: none). *running: the script is not
    // yet reaped; *client: the live client last seen, 0 for none.
    std::string WatchTrial(pid_t script, const std::function<bool()>& written, bool* running,
                           pid_t* client) const;
    // Stops what a failed start left running: the script (if not yet
    // reaped) and the client the pid file names.
    void StopFailedStart(pid_t script, bool script_running);

    pid_t started_script_ = -1;                     // run by StartCheckedCopy, not yet waited for
    std::function<bool()> started_script_written_;  // its pid file written since
    bool trial_passed_ = false;                     // StartCheckedCopy saw the new client come up
};

#endif  // NIMBRA_LAUNCHER_LINUX_LINUX_SERVICE_H
