#include "linux/linux-service.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "file/file-op.h"
#include "file/path-util.h"
#include "log.h"
#include "process/deadline.h"
#include "process/pid-file.h"
#include "process/process-info.h"
#include "status.h"

namespace {

const char kLogComponent[] = "service_debug";
const char kLogSource[] = "linux/linux-service";

// How a start script ended, for the log.
std::string ScriptEnd(int status) {
    if (WIFSIGNALED(status))
        return "the start script was ended by signal " + std::to_string(WTERMSIG(status));
    return "the start script exited with status " + std::to_string(WEXITSTATUS(status));
}

bool Succeeded(int status) {
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

LinuxService::LinuxService() {
    timeout = 10000;
}

LinuxService::~LinuxService() {
    // A start script nobody waited for (a test's preparation alone) is
    // reaped if it has ended; one still running is left alone.
    if (started_script_ > 0) waitpid(started_script_, nullptr, WNOHANG);
}

// ---- The upgrade decision: is a new copy due, and may the package replace the old one. ----

bool LinuxService::PerUserBinPathExist() {
    const ustring per_user_ui_bin = layout.app_folder + "/" + kClientInCopy;
    return access(per_user_ui_bin.c_str(), F_OK) == 0;
}

void LinuxService::LoadTargetVerInfo() {
    LoadTargetVersion();
}

void LinuxService::LoadSourceVerInfo() {
    LoadSourceVersion();
}

void LinuxService::PreUpgrade() {
    // An upgrade recorded done but for its backups is finished, not redone.
    FinishRecordedUpgrade();
    LoadTargetVerInfo();
    LoadSourceVerInfo();
    NLOG_DEBUG("Source version: ('%s', '%s')\n", source_version.build_version.c_str(),
               source_version.icon_overlay_version.c_str());
    NLOG_DEBUG("Target version: ('%s', '%s')\n", target_version.build_version.c_str(),
               target_version.icon_overlay_version.c_str());
}

bool LinuxService::IsNeedUpgrade() {
    const int src_ver = BuildNumber(source_version.build_version);
    const int tgt_ver = BuildNumber(target_version.build_version);
    NLOG_DEBUG("source version = %d, target version = %d\n", src_ver, tgt_ver);
    // A build whose client keeps failing to come up is not tried at every
    // login; a copy that is missing or unfinished is repaired all the same.
    bool need_upgrade = tgt_ver > src_ver && IsRetryDue();
    if (!PerUserBinPathExist()) need_upgrade = true;
    // A copy left half-extracted may hold the new INFO and the executable.
    if (IsPreparationUnfinished()) {
        NLOG_NOTE("the preparation of '%s' did not finish last time\n", layout.app_folder.c_str());
        need_upgrade = true;
    }
    return need_upgrade;
}

int LinuxService::HandlePackageUpgrade() {
    // Everything that can be found out about the package is, before the
    // running client is stopped or its copy moved. A copy an earlier run
    // left unfinished is put back first, so that a failure here still
    // leaves a whole copy to start.
    last_failure = Failure::kOther;
    // The client is started before its copy is durable: a run stopped in
    // between leaves it running from the copy that the recovery replaces.
    const bool stopped = IsPreparationUnfinished() && PerUserBinPathExist();
    if (stopped) StopService();
    // A client that could not be checked is left running, but the whole
    // copy is put back all the same: it is what gets started.
    if (RecoverUnfinishedPreparation() != 0 || client_unverified_ || ValidatePackage() != 0)
        return -1;
    if (!stopped && PerUserBinPathExist()) {
        NLOG_DEBUG("local appdata exist\n");
        StopService();
        if (client_unverified_) {
            last_failure = Failure::kOther;
            return -1;
        }
    }
    if (PrepareUserEnv() == 0) return 0;
    // The extraction may have named a full disk or quota; a first
    // installation's client may not have come up.
    if (last_failure == Failure::kNone) last_failure = Failure::kOther;
    return -1;
}

// ---- Stopping the running client through its pid file. ----

// The pid file is input: after a crash or a reboot it may name a process
// that is no longer the client, so the process is checked before each
// signal. A client that has exited but not been reaped, or a pid taken over
// by another program meanwhile, fails the check and ends the wait.
void LinuxService::StopService() {
    const ustring ui_pid_file = layout.PidFile();
    if (!IsFileExist(ui_pid_file, false)) {
        NLOG_DEBUG("pid file '%s' does not exist, no need to terminate\n", ui_pid_file.c_str());
        return;
    }
    pid_t pid = 0;
    if (!ReadClientPid(ui_pid_file, &pid)) return;
    if (kill(pid, 0) != 0 && errno == ESRCH) return;  // already gone
    if (MayStop(pid, ui_pid_file)) TerminateClient(pid);
}

namespace {

// Logs why the pid file at path could not be read; true when it is there
// but unreadable, which is no sign that no client runs.
bool LogUnreadPidFile(const ustring& path, const Status& read) {
    switch (WhyNotRead(path, read.err())) {
        case PidFileProblem::kUnreadable:
            NLOG_ERROR("cannot read pid file '%s': %s, not replacing the copy\n", path.c_str(),
                       strerror(read.err()));
            return true;
        case PidFileProblem::kNotRegular:
            NLOG_NOTE("pid file '%s' is not a regular file, nothing to stop\n", path.c_str());
            return false;
        case PidFileProblem::kAbsent:
            break;
    }
    NLOG_NOTE("Failed to read pid file '%s', not exist ?\n", path.c_str());
    return false;
}

}  // namespace

// A pid file that is there but can't be read may name a client that runs:
// replacing its copy under it is not safe.
bool LinuxService::ReadClientPid(const ustring& ui_pid_file, pid_t* pid) {
    ustring value;
    Status read;
    const PidFileRead found = ReadPidValue(ui_pid_file, &value, &read);
    if (found == PidFileRead::kNotRead) {
        if (LogUnreadPidFile(ui_pid_file, read)) client_unverified_ = true;
        return false;
    }
    if (found == PidFileRead::kTooLarge)
        NLOG_NOTE("pid file '%s' is larger than %d bytes, nothing to stop\n", ui_pid_file.c_str(),
                  static_cast<int>(kMaxPidFileSize));
    if (found == PidFileRead::kMalformed)
        NLOG_NOTE("Failed to read pid file '%s', not exist ?\n", ui_pid_file.c_str());
    if (found != PidFileRead::kPid) return false;
    if (!ParsePid(value, pid)) {
        NLOG_NOTE("pid '%s' in '%s' names no process, nothing to stop\n", value.c_str(),
                  ui_pid_file.c_str());
        return false;
    }
    return true;
}

bool LinuxService::MayStop(pid_t pid, const ustring& ui_pid_file) {
    std::string why;
    const Check check = CheckClient(pid, &why);
    if (check == Check::kClient) return true;
    if (access("/proc/self", F_OK) != 0) {
        // Without /proc (a sandbox) no process can be told to be the client:
        // replacing the copy under a client that still runs is not safe.
        client_unverified_ = true;
        NLOG_ERROR(
            "cannot tell whether process %d of '%s' is the client: /proc: %s, not replacing the "
            "copy\n",
            static_cast<int>(pid), ui_pid_file.c_str(), strerror(errno));
    } else if (check == Check::kUnknown) {
        client_unverified_ = true;
        NLOG_ERROR(
            "cannot tell whether process %d of '%s' is the client: %s, not replacing the copy\n",
            static_cast<int>(pid), ui_pid_file.c_str(), why.c_str());
    } else {
        NLOG_NOTE("process %d of '%s' is not the client in '%s', not stopping it\n",
                  static_cast<int>(pid), ui_pid_file.c_str(), layout.app_folder.c_str());
    }
    return false;
}

// Only a process still recognised as the client is killed; one that can no
// longer be checked is left running, and its copy with it.
void LinuxService::TerminateClient(pid_t pid) {
    if (kill(pid, SIGTERM) != 0) {
        const int err = errno;
        if (err == ESRCH) return;
        NLOG_ERROR("kill: %s (%d)\n", strerror(err), err);
    }
    // A client usually ends within milliseconds of SIGTERM: it is looked at
    // soon and then less often, for five seconds in all.
    Deadline deadline(std::chrono::seconds(5), 5, 250);
    for (;;) {
        if (kill(pid, 0) != 0 && errno == ESRCH) return;
        if (CheckClient(pid, nullptr) == Check::kNotClient) return;
        if (deadline.Passed()) break;
        deadline.Pause(-1);
    }
    std::string why;
    const Check check = CheckClient(pid, &why);  // the pid may have been reused meanwhile
    if (check == Check::kClient) {
        kill(pid, SIGKILL);
    } else if (check == Check::kUnknown) {
        client_unverified_ = true;
        NLOG_ERROR(
            "cannot tell whether process %d still runs the client: %s, not replacing the copy\n",
            static_cast<int>(pid), why.c_str());
    }
}

// A viewer or an editor opened on a file of the app folder, even on the
// start script, is not the client: a script counts only when the process's
// executable is the interpreter that the script's "#!" line names.
bool LinuxService::IsUserClient(pid_t pid) const {
    return CheckClient(pid, nullptr) == Check::kClient;
}

// Any read that failed on the way leaves the answer open unless a test
// already matched: it is kUnknown, never "not the client".
LinuxService::Check LinuxService::CheckClient(pid_t pid, std::string* why) const {
    const std::string folder = RealPath(layout.app_folder.c_str());
    if (folder.empty()) return Check::kNotClient;
    const std::string proc = ProcFolderOf(pid);
    Status failure;
    const std::string exe = ExecutableOf(proc, &failure);
    if (exe.empty()) {
        if (IsClearlyOther(pid, proc)) return Check::kNotClient;
    } else if (IsWithin(folder, exe)) {
        return Check::kClient;
    } else {
        const std::string script = ScriptOf(proc, &failure);
        if (!script.empty() && IsWithin(folder, script) && InterpreterOf(script, &failure) == exe)
            return Check::kClient;
        // A process that got the pid of a stale pid file started after it.
        struct stat st;
        const ustring pid_file = layout.PidFile();
        const int64_t started = StartTimeOf(proc, &failure);
        if (stat(pid_file.c_str(), &st) != 0) {
            const int err = errno;
            failure.Update(Status::Failed("stat " + std::string(pid_file.c_str()), err));
        } else if (started >= 0 &&
                   started <= Nanoseconds(st.st_mtim) + int64_t{kPidFileClockSlackMs} * 1000000 &&
                   RunsFrom(proc, folder, &failure))
            return Check::kClient;
    }
    if (failure.ok()) return Check::kNotClient;
    if (why != nullptr) *why = failure.ToString();
    return Check::kUnknown;
}

// ---- Starting the client from its copy and waiting for the start script. ----

void LinuxService::PostUpgrade() {
    if (started_script_ > 0) {
        WaitForStartScript(std::exchange(started_script_, -1), started_script_written_);
        return;
    }
    // The client of the new copy was started already; or it is a first
    // installation whose client just failed, and starting it again would
    // only fail again.
    if (trial_passed_ || last_failure == Failure::kNoClient) return;
    // An unfinished copy may hold a start script and still lack the rest.
    if (!HasWholeCopy()) {
        NLOG_ERROR("no whole copy of the client in '%s', not starting it\n",
                   layout.app_folder.c_str());
        return;
    }
    LaunchPerUserBin();
}

int LinuxService::LaunchPerUserBin() {
    // Stamped before the spawn: a client that writes its pid file at once
    // must not pass for one that ran before this start.
    const ustring pid_file = layout.PidFile();
    const FileStamp before = StampOf(pid_file);
    const pid_t pid = SpawnStartScript();
    if (pid > 0) WaitForStartScript(pid, [&] { return StampOf(pid_file) != before; });
    return 0;
}

// The script is run as a program with one argument, so that a home folder
// with a space in its path still starts the client, and its path is passed
// as the bytes it is, so that one that is not valid text does too.
pid_t LinuxService::SpawnStartScript() {
    const ustring start_script = layout.StartScript();
    char* argv[] = {const_cast<char*>(start_script.c_str()), const_cast<char*>("start"), nullptr};
    // A launcher started without HOME (a service, some cron jobs) found the
    // home in the password database: the client must use the same one.
    std::vector<std::string> env_text;
    for (char** e = environ; *e != nullptr; ++e)
        if (strncmp(*e, "HOME=", 5) != 0) env_text.push_back(*e);
    env_text.push_back(std::string("HOME=") + layout.home.c_str());
    std::vector<char*> env;
    for (std::string& e : env_text) env.push_back(&e[0]);
    env.push_back(nullptr);
    // The launcher ignores SIGPIPE for its own standard streams; the client
    // gets the default back.
    posix_spawnattr_t attr;
    sigset_t pipe_signal;
    sigemptyset(&pipe_signal);
    sigaddset(&pipe_signal, SIGPIPE);
    const bool attr_made = posix_spawnattr_init(&attr) == 0;
    const bool have_attr = attr_made && posix_spawnattr_setsigdefault(&attr, &pipe_signal) == 0 &&
                           posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF) == 0;
    pid_t pid = -1;
    const int err =
        posix_spawn(&pid, argv[0], nullptr, have_attr ? &attr : nullptr, argv, env.data());
    if (attr_made) posix_spawnattr_destroy(&attr);
    if (err != 0) {
        NLOG_ERROR("cannot run '%s': %s\n", start_script.c_str(), strerror(err));
        return -1;
    }
    return pid;
}

// A start script that runs the client in the foreground would hold the
// launcher (and a failure it must still show) for ever: once the client
// has written its pid file it counts as started, and past the limit the
// script is left running, as the client it may be.
void LinuxService::WaitForStartScript(pid_t pid, const std::function<bool()>& written) {
    // A client that ran before this start (its pid file unchanged) says
    // nothing about this one.
    const UniqueFd fd = OpenPidFd(pid);
    Deadline deadline(std::chrono::milliseconds(start_script_wait_ms), 1, 20);
    for (;;) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            if (!Succeeded(status))
                NLOG_ERROR("the client of '%s' may not have started: %s\n",
                           layout.app_folder.c_str(), ScriptEnd(status).c_str());
            break;
        }
        if (written() && LiveClient() > 0) break;
        if (deadline.Passed()) {
            NLOG_WARNING("'%s' still runs after %d s, no longer waiting for it\n",
                         layout.StartScript().c_str(), start_script_wait_ms / 1000);
            break;
        }
        deadline.Pause(fd.get());
    }
}

pid_t LinuxService::LiveClient(pid_t* named) const {
    ustring value;
    pid_t pid = 0;
    if (ReadPidValue(layout.PidFile(), &value, nullptr) != PidFileRead::kPid ||
        !ParsePid(value, &pid))
        pid = 0;
    if (named != nullptr) *named = pid;
    return pid > 0 && IsLiveClient(pid) ? pid : 0;
}

// Without /proc nothing tells the client from another process: a live pid
// is taken for it, since this only tells whether the client came up and is
// never a reason to signal anything.
bool LinuxService::IsLiveClient(pid_t pid) const {
    return kill(pid, 0) == 0 && (IsUserClient(pid) || access("/proc/self/stat", F_OK) != 0);
}

// ---- The trial of a new copy: its client must come up. ----

// The script is spawned first and only then watched: the client never
// waits for the launcher.
bool LinuxService::StartCheckedCopy(const std::function<void()>& spawned) {
    const ustring pid_file = layout.PidFile();
    const FileStamp before = StampOf(pid_file);
    const pid_t script = SpawnStartScript();
    if (script < 0) return false;
    spawned();
    bool running = true;
    pid_t client = 0;
    const std::string why = WatchTrial(
        script, [&] { return StampOf(pid_file) != before; }, &running, &client);
    if (why.empty()) {
        if (client == 0)
            NLOG_NOTE(
                "no client of '%s' in the pid file after %d ms and no sign of failure, taking it "
                "as slow\n",
                layout.app_folder.c_str(), trial_window_ms);
        // A script that still runs is waited for later, unless the client it
        // runs is up already.
        if (running && client == 0) {
            started_script_ = script;
            started_script_written_ = [pid_file, before] { return StampOf(pid_file) != before; };
        }
        trial_passed_ = true;
        return true;
    }
    NLOG_ERROR("the client of '%s' did not come up: %s\n", layout.app_folder.c_str(), why.c_str());
    StopFailedStart(script, running);
    return false;
}

// The pid file may be caught between its truncation and its new content:
// a client seen up has ended only when its own process has.
std::string LinuxService::WatchTrial(pid_t script, const std::function<bool()>& written,
                                     bool* running, pid_t* client) const {
    const UniqueFd fd = OpenPidFd(script);
    Deadline deadline(std::chrono::milliseconds(trial_window_ms), 1, 20);
    std::string why;
    bool pid_file = false;
    while (why.empty()) {
        int status = 0;
        if (*running && waitpid(script, &status, WNOHANG) == script) {
            *running = false;
            if (!Succeeded(status)) why = ScriptEnd(status);
        }
        pid_t named = 0;
        pid_file = written();
        if (pid_file) LiveClient(&named);
        const pid_t live = named > 0 && IsRunning(named) ? named : 0;
        const bool seen_ended = *client > 0 && !IsRunning(*client);
        if (live > 0)
            *client = live;
        else if (why.empty() && seen_ended)
            why = "its process " + std::to_string(*client) + " ended";
        const bool over = deadline.Passed();
        if (why.empty() && over && pid_file && *client == 0)
            why = named > 0 ? "the pid file names process " + std::to_string(named) +
                                  ", which is not running"
                            : "the pid file names no process";
        if (over) break;
        if (why.empty()) deadline.Pause(*running ? fd.get() : -1);
    }
    if (!why.empty() && !pid_file) why += ", no pid file";
    return why;
}

void LinuxService::StopFailedStart(pid_t script, bool script_running) {
    if (script_running) {
        // Not yet reaped, so the pid is still the script's own.
        kill(script, SIGKILL);
        WaitForExit(script, std::chrono::seconds(5));
    }
    StopService();
}

// ---- Not called by the launcher: kept as the documented interface. ----

LinuxService& LinuxService::GetInstace() {
    static LinuxService instance;
    return instance;
}
