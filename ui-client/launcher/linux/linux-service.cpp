#include "linux/linux-service.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "config.h"
#include "file/file-op.h"
#include "file/path-util.h"
#include "log.h"

namespace {

const char kLogComponent[] = "service_debug";
const char kLogSource[] = "linux/linux-service";

// A pid under atol rules, refusing what names no single process: no digits,
// 0 (the caller's process group), a negative value (a group, or with -1
// every process the user may signal) or more than pid_t holds.
bool ParsePid(const ustring& text, pid_t* pid) {
    const char* s = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long v = strtol(s, &end, 10);
    if (end == s || errno == ERANGE || v <= 0 || v > std::numeric_limits<pid_t>::max())
        return false;
    *pid = static_cast<pid_t>(v);
    return true;
}

// The canonical form of path, or empty when it cannot be resolved.
std::string RealPath(const std::string& path) {
    char* r = realpath(path.c_str(), nullptr);
    if (r == nullptr) return std::string();
    std::string s(r);
    free(r);
    return s;
}

// Whether path is folder or lies below it, by whole path components.
bool IsWithin(const std::string& folder, const std::string& path) {
    if (folder.empty() || path.compare(0, folder.size(), folder) != 0) return false;
    return path.size() == folder.size() || folder.back() == '/' || path[folder.size()] == '/';
}

// The first call that failed while a process was checked, for the log: a
// check that could not read what it needs must not pass for "not the client".
struct ReadFailure {
    std::string what;
    int err = 0;
};

void Note(ReadFailure* failure, const std::string& call, int err) {
    if (failure == nullptr || failure->err != 0) return;
    failure->what = call;
    failure->err = err != 0 ? err : EIO;
}

// Up to limit bytes of the file at path, opened without blocking (a FIFO
// or a device in its place must not hold the caller) and read only when it
// is a regular file; false otherwise. *whole tells whether that was all.
bool ReadHead(const std::string& path, size_t limit, std::string* head, bool* whole = nullptr) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    bool ok = fstat(fd, &st) == 0;
    if (ok && !S_ISREG(st.st_mode)) {
        ok = false;
        errno = EINVAL;
    }
    head->clear();
    while (ok && head->size() <= limit) {
        char buf[4096];
        const ssize_t n = read(fd, buf, std::min(sizeof(buf), limit + 1 - head->size()));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        head->append(buf, static_cast<size_t>(n));
    }
    const int err = errno;  // what failed, for the caller
    close(fd);
    errno = err;
    if (whole != nullptr) *whole = head->size() <= limit;
    if (head->size() > limit) head->resize(limit);
    return ok;
}

// The command line of the process in /proc/<pid>, one element per argument
// (read up to a bound: only its first arguments matter).
std::vector<std::string> CommandLine(const std::string& proc, ReadFailure* failure = nullptr) {
    std::string text;
    std::vector<std::string> args;
    if (!ReadHead(proc + "/cmdline", 65536, &text)) {
        Note(failure, "read " + proc + "/cmdline", errno);
        return args;
    }
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find('\0', at), text.size());
        args.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return args;
}

// The resolved executable of the process in /proc/<pid>; one replaced or
// removed since it started keeps its old path.
std::string ExecutableOf(const std::string& proc) {
    const std::string exe = ExecutableOfProcess(proc + "/exe");
    const std::string resolved = exe.empty() ? std::string() : RealPath(exe);
    return resolved.empty() ? exe : resolved;
}

// The file an interpreter runs: the first argument after the interpreter's
// own options that names an existing file, resolved against the process's
// working folder.
std::string ScriptOf(const std::string& proc, ReadFailure* failure = nullptr) {
    const std::vector<std::string> args = CommandLine(proc, failure);
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i].empty() || args[i][0] == '-') continue;
        std::string script = args[i];
        if (script[0] != '/') {
            const std::string cwd = ReadLinkBytes(proc + "/cwd");
            if (cwd.empty()) {
                Note(failure, "readlink " + proc + "/cwd", errno);
                return std::string();
            }
            script = cwd + "/" + script;
        }
        script = RealPath(script);
        if (!script.empty()) return script;
    }
    return std::string();
}

// The program a bare name runs through PATH, resolved; empty if none.
std::string FindInPath(const std::string& name) {
    const char* path = getenv("PATH");
    std::string dirs = path != nullptr ? path : "/usr/bin:/bin";
    for (size_t at = 0; at <= dirs.size();) {
        const size_t end = std::min(dirs.find(':', at), dirs.size());
        const std::string candidate = dirs.substr(at, end - at) + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) return RealPath(candidate);
        at = end + 1;
    }
    return std::string();
}

// The resolved interpreter that the "#!" line of the regular file at script
// names, looked up through PATH behind env ("#!/usr/bin/env sh"); empty for
// anything else.
std::string InterpreterOf(const std::string& script, ReadFailure* failure = nullptr) {
    struct stat st;
    std::string line;
    if (stat(script.c_str(), &st) != 0) {
        Note(failure, "stat " + script, errno);
        return std::string();
    }
    if (!S_ISREG(st.st_mode)) return std::string();
    // The kernel reads at most 256 bytes of it.
    if (!ReadHead(script, 256, &line)) {
        Note(failure, "read " + script, errno);
        return std::string();
    }
    if (line.compare(0, 2, "#!") != 0) return std::string();
    line = line.substr(2, line.find('\n') - 2);  // npos - 2 still takes the rest
    std::vector<std::string> words;
    for (size_t at = 0; at < line.size();) {
        at = line.find_first_not_of(" \t", at);
        if (at == std::string::npos) break;
        const size_t end = std::min(line.find_first_of(" \t", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    if (words.empty()) return std::string();
    const std::string interpreter = RealPath(words[0]);
    if (interpreter.empty() || interpreter.substr(interpreter.rfind('/') + 1) != "env")
        return interpreter;
    for (size_t i = 1; i < words.size(); ++i) {
        if (words[i][0] == '-') continue;
        return words[i].find('/') != std::string::npos ? RealPath(words[i]) : FindInPath(words[i]);
    }
    return std::string();
}

// Reaps the child pid once it ends, waiting limit at most. true when it
// was reaped. A process descriptor wakes the wait the moment the child
// ends; without one (an old kernel) the wait polls, at short intervals
// first since a start script usually ends at once.
bool WaitForExit(pid_t pid, std::chrono::milliseconds limit) {
    using std::chrono::duration_cast;
    using std::chrono::milliseconds;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    const int fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (fd >= 0) {
        struct pollfd p = {fd, POLLIN, 0};
        int ready = -1;
        for (long left = limit.count(); ready < 0 && left >= 0;) {
            ready = poll(&p, 1, static_cast<int>(std::min<long>(left, INT_MAX)));
            if (ready < 0 && errno != EINTR) break;
            left = duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        }
        close(fd);
        if (ready <= 0) return false;
    }
    for (long step_ms = 1; waitpid(pid, nullptr, WNOHANG) == 0;
         step_ms = std::min(step_ms * 2, 20L)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        usleep(static_cast<useconds_t>(step_ms * 1000));
    }
    return true;
}

// The pid file is input: it is read only when it is a regular file of at
// most this many bytes.
const size_t kMaxPidFileSize = 4096;

// kUnreadable: the pid file is there but could not be read (errno set).
enum class PidFile { kNoPid, kPid, kUnreadable };

// The last value of "pid" in the pid file at path, under the grammar of
// Config; anything that keeps it from naming a process is logged unless
// quiet (a watch that reads it again and again). A file that is there but
// can't be read is no sign that no client runs: unless quiet, that is
// kUnreadable, for the caller to log.
PidFile ReadPidValue(const ustring& path, ustring* value, bool quiet = false) {
    std::string text;
    bool whole = false;
    if (!ReadHead(path.c_str(), kMaxPidFileSize, &text, &whole)) {
        const int err = errno;
        if (quiet) return PidFile::kNoPid;
        struct stat st;
        const bool found = lstat(path.c_str(), &st) == 0;
        if (!(found && !S_ISREG(st.st_mode)) && err != ENOENT && (found || errno != ENOENT)) {
            errno = err;
            return PidFile::kUnreadable;
        }
        if (found && !S_ISREG(st.st_mode)) {
            NLOG_NOTE(
                "pid file '%s' is not a regular file, "
                "nothing to stop\n",
                path.c_str());
        } else {
            NLOG_NOTE("Failed to read pid file '%s', not exist ?\n", path.c_str());
        }
        return PidFile::kNoPid;
    }
    if (!whole) {
        if (quiet) return PidFile::kNoPid;
        NLOG_NOTE(
            "pid file '%s' is larger than %d bytes, "
            "nothing to stop\n",
            path.c_str(), static_cast<int>(kMaxPidFileSize));
        return PidFile::kNoPid;
    }
    Config config;
    ustring pid;
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        std::string line = text.substr(at, end - at);
        at = end + 1;
        ustring key, v;
        const int rc = config.parse(&line[0], static_cast<int>(line.size()), key, v);
        if (rc == 0 && key == ustring("pid")) pid = v;
        if (rc == 2) {
            if (quiet) return PidFile::kNoPid;
            NLOG_NOTE("Failed to read pid file '%s', not exist ?\n", path.c_str());
            return PidFile::kNoPid;
        }
    }
    *value = pid;
    return pid.empty() ? PidFile::kNoPid : PidFile::kPid;
}

int64_t Nanoseconds(const struct timespec& t) {
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// The fields of /proc/<pid>/stat from the third (the state) on; empty when
// it can't be read. The name before them sits in parentheses and may hold
// blanks and parentheses itself.
std::string StatFieldsOf(const std::string& proc, ReadFailure* failure = nullptr) {
    std::string stat;
    if (!ReadHead(proc + "/stat", 4096, &stat)) {
        Note(failure, "read " + proc + "/stat", errno);
        return std::string();
    }
    const size_t close_paren = stat.rfind(')');
    return close_paren == std::string::npos ? std::string() : stat.substr(close_paren + 1);
}

// When the process in /proc/<pid> started, in nanoseconds of the real-time
// clock; -1 when /proc can't tell. The kernel counts it in clock ticks of
// the boot-time clock.
int64_t StartTimeOf(const std::string& proc, ReadFailure* failure = nullptr) {
    const std::string stat = StatFieldsOf(proc, failure);
    if (stat.empty()) return -1;
    const char* at = stat.c_str();
    for (int field = 3; field < 22 && *at != '\0'; ++field) {  // field 22: starttime
        while (*at == ' ') ++at;
        while (*at != ' ' && *at != '\0') ++at;
    }
    char* end = nullptr;
    const unsigned long long ticks = strtoull(at, &end, 10);
    const long hz = sysconf(_SC_CLK_TCK);
    struct timespec real, boot;
    if (end == at || hz <= 0 || clock_gettime(CLOCK_REALTIME, &real) != 0 ||
        clock_gettime(CLOCK_BOOTTIME, &boot) != 0)
        return -1;
    const int64_t since_boot = static_cast<int64_t>(ticks / hz) * 1000000000 +
                               static_cast<int64_t>(ticks % hz) * 1000000000 / hz;
    return Nanoseconds(real) - (Nanoseconds(boot) - since_boot);
}

// Whether the working folder or one of the arguments of the process in
// /proc/<pid> (relative ones against that folder) lies inside folder.
bool RunsFrom(const std::string& proc, const std::string& folder, ReadFailure* failure = nullptr) {
    const std::string link = ReadLinkBytes(proc + "/cwd");
    if (link.empty()) Note(failure, "readlink " + proc + "/cwd", errno);
    const std::string cwd = RealPath(link);
    if (IsWithin(folder, cwd)) return true;
    for (const std::string& arg : CommandLine(proc, failure)) {
        if (arg.empty() || (arg[0] != '/' && cwd.empty())) continue;
        if (IsWithin(folder, RealPath(arg[0] == '/' ? arg : cwd + "/" + arg))) return true;
    }
    return false;
}

// Whether process pid, whose executable can't be read, is clearly not the
// user's client: gone since, another user's, a zombie or a kernel thread.
bool IsClearlyOther(pid_t pid, const std::string& proc) {
    if (kill(pid, 0) != 0 && errno == ESRCH) return true;
    struct stat st;
    if (stat(proc.c_str(), &st) == 0 && st.st_uid != geteuid()) return true;
    const std::string fields = StatFieldsOf(proc);
    char state = 0;
    unsigned flags = 0;
    if (sscanf(fields.c_str(), " %c %*d %*d %*d %*d %*d %u", &state, &flags) != 2) return false;
    const unsigned kKernelThread = 0x00200000;  // PF_KTHREAD
    return state == 'Z' || state == 'X' || (flags & kKernelThread) != 0;
}

// What tells a rewritten pid file from the one that was there before.
struct FileStamp {
    bool exists = false;
    ino_t ino = 0;
    int64_t mtime_ns = 0;
    off_t size = 0;
    bool operator!=(const FileStamp& o) const {
        return exists != o.exists || ino != o.ino || mtime_ns != o.mtime_ns || size != o.size;
    }
};

FileStamp StampOf(const ustring& path) {
    FileStamp stamp;
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return stamp;
    stamp.exists = true;
    stamp.ino = st.st_ino;
    stamp.mtime_ns = Nanoseconds(st.st_mtim);
    stamp.size = st.st_size;
    return stamp;
}

// How a start script ended, for the log.
std::string ScriptEnd(int status) {
    if (WIFSIGNALED(status))
        return "the start script was ended by signal " + std::to_string(WTERMSIG(status));
    return "the start script exited with status " + std::to_string(WEXITSTATUS(status));
}

bool Succeeded(int status) {
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A pause of step_ms in a watch of the child whose process descriptor is
// fd (-1: none); the descriptor ends it as soon as the child ends.
void Pause(int fd, int step_ms) {
    struct pollfd p = {fd, POLLIN, 0};
    if (fd < 0 || poll(&p, 1, step_ms) < 0) usleep(static_cast<useconds_t>(step_ms) * 1000);
}

int OpenPidFd(pid_t pid) {
    return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
}

}  // namespace

LinuxService::LinuxService() {
    timeout = 10000;
    per_user_install_path = GetUserNimbraAppInstallPath();
}

LinuxService::~LinuxService() {
    // A start script nobody waited for (a test's preparation alone) is
    // reaped if it has ended; one still running is left alone.
    if (started_script_ > 0) waitpid(started_script_, nullptr, WNOHANG);
}

LinuxService& LinuxService::GetInstace() {
    static LinuxService instance;
    return instance;
}

bool LinuxService::PerUserBinPathExist() {
    const ustring per_user_ui_bin = per_user_install_path + "/bin/nimbra-backup-ui";
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
        NLOG_NOTE(
            "the preparation of '%s' did not finish "
            "last time\n",
            per_user_install_path.c_str());
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

// A viewer or an editor opened on a file of the app folder, even on the
// start script, is not the client: a script counts only when the process's
// executable is the interpreter that the script's "#!" line names.
bool LinuxService::IsUserClient(pid_t pid) const {
    return CheckClient(pid, nullptr) == Check::kClient;
}

// Any read that failed on the way leaves the answer open unless a test
// already matched: it is kUnknown, never "not the client".
LinuxService::Check LinuxService::CheckClient(pid_t pid, std::string* why) const {
    const std::string folder = RealPath(per_user_install_path.c_str());
    if (folder.empty()) return Check::kNotClient;
    const std::string proc = "/proc/" + std::to_string(pid);
    ReadFailure failure;
    const std::string exe = ExecutableOf(proc);
    if (exe.empty()) {
        Note(&failure, "readlink " + proc + "/exe", errno);
        if (IsClearlyOther(pid, proc)) return Check::kNotClient;
    } else if (IsWithin(folder, exe)) {
        return Check::kClient;
    } else {
        const std::string script = ScriptOf(proc, &failure);
        if (!script.empty() && IsWithin(folder, script) && InterpreterOf(script, &failure) == exe)
            return Check::kClient;
        // A process that got the pid of a stale pid file started after it.
        struct stat st;
        const ustring pid_file = GetUserNimbraInstallPath() + "/ui.pid";
        const int64_t started = StartTimeOf(proc, &failure);
        if (stat(pid_file.c_str(), &st) != 0)
            Note(&failure, "stat " + std::string(pid_file.c_str()), errno);
        else if (started >= 0 &&
                 started <= Nanoseconds(st.st_mtim) + int64_t{kPidFileClockSlackMs} * 1000000 &&
                 RunsFrom(proc, folder, &failure))
            return Check::kClient;
    }
    if (failure.err == 0) return Check::kNotClient;
    if (why != nullptr) *why = failure.what + ": " + strerror(failure.err);
    return Check::kUnknown;
}

pid_t LinuxService::LiveClient(pid_t* named) const {
    ustring value;
    pid_t pid = 0;
    if (ReadPidValue(GetUserNimbraInstallPath() + "/ui.pid", &value, /*quiet=*/true) !=
            PidFile::kPid ||
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

namespace {

// A pid file written since the start names what the new copy started, even
// when that no longer looks like the client (one that execs a helper): it
// counts while it runs. A zombie, which still answers kill(), does not.
bool IsRunning(pid_t pid) {
    if (kill(pid, 0) != 0) return false;
    std::string stat;
    if (!ReadHead("/proc/" + std::to_string(pid) + "/stat", 4096, &stat)) return true;
    const size_t close_paren = stat.rfind(')');
    return close_paren == std::string::npos || stat.compare(close_paren, 3, ") Z") != 0;
}

}  // namespace

// The pid file is input: after a crash or a reboot it may name a process
// that is no longer the client, so the process is checked before each
// signal. A client that has exited but not been reaped, or a pid taken over
// by another program meanwhile, fails the check and ends the wait.
void LinuxService::StopService() {
    const ustring ui_pid_file = GetUserNimbraInstallPath() + "/ui.pid";
    if (!IsFileExist(ui_pid_file, false)) {
        NLOG_DEBUG(
            "pid file '%s' does not exist, no need to "
            "terminate\n",
            ui_pid_file.c_str());
        return;
    }
    pid_t pid = 0;
    if (!ReadClientPid(ui_pid_file, &pid)) return;
    if (kill(pid, 0) != 0 && errno == ESRCH) return;  // already gone
    if (MayStop(pid, ui_pid_file)) TerminateClient(pid);
}

// A pid file that is there but can't be read may name a client that runs:
// replacing its copy under it is not safe.
bool LinuxService::ReadClientPid(const ustring& ui_pid_file, pid_t* pid) {
    ustring value;
    const PidFile read = ReadPidValue(ui_pid_file, &value);
    if (read == PidFile::kUnreadable) {
        client_unverified_ = true;
        NLOG_ERROR(
            "cannot read pid file '%s': %s, not "
            "replacing the copy\n",
            ui_pid_file.c_str(), strerror(errno));
        return false;
    }
    if (read != PidFile::kPid) return false;
    if (!ParsePid(value, pid)) {
        NLOG_NOTE(
            "pid '%s' in '%s' names no process, nothing "
            "to stop\n",
            value.c_str(), ui_pid_file.c_str());
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
            "cannot tell whether process %d of '%s' "
            "is the client: /proc: %s, not replacing the copy\n",
            static_cast<int>(pid), ui_pid_file.c_str(), strerror(errno));
    } else if (check == Check::kUnknown) {
        client_unverified_ = true;
        NLOG_ERROR(
            "cannot tell whether process %d of '%s' "
            "is the client: %s, not replacing the copy\n",
            static_cast<int>(pid), ui_pid_file.c_str(), why.c_str());
    } else {
        NLOG_NOTE(
            "process %d of '%s' is not the client in "
            "'%s', not stopping it\n",
            static_cast<int>(pid), ui_pid_file.c_str(), per_user_install_path.c_str());
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
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (int pause_ms = 5;; pause_ms = std::min(pause_ms * 2, 250)) {
        if (kill(pid, 0) != 0 && errno == ESRCH) return;
        if (CheckClient(pid, nullptr) == Check::kNotClient) return;
        if (std::chrono::steady_clock::now() >= deadline) break;
        usleep(static_cast<useconds_t>(pause_ms) * 1000);
    }
    std::string why;
    const Check check = CheckClient(pid, &why);  // the pid may have been reused meanwhile
    if (check == Check::kClient) {
        kill(pid, SIGKILL);
    } else if (check == Check::kUnknown) {
        client_unverified_ = true;
        NLOG_ERROR(
            "cannot tell whether process %d still "
            "runs the client: %s, not replacing the copy\n",
            static_cast<int>(pid), why.c_str());
    }
}

// The script is spawned first and only then watched: the client never
// waits for the launcher.
bool LinuxService::StartCheckedCopy(const std::function<void()>& spawned) {
    const ustring pid_file = GetUserNimbraInstallPath() + "/ui.pid";
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
                "no client of '%s' in the pid file "
                "after %d ms and no sign of failure, taking it as slow\n",
                per_user_install_path.c_str(), trial_window_ms);
        // A script that still runs is waited for later, unless the client it
        // runs is up already.
        if (running && client == 0) {
            started_script_ = script;
            started_script_written_ = [pid_file, before] { return StampOf(pid_file) != before; };
        }
        trial_passed_ = true;
        return true;
    }
    NLOG_ERROR("the client of '%s' did not come up: %s\n", per_user_install_path.c_str(),
               why.c_str());
    StopFailedStart(script, running);
    return false;
}

// The pid file may be caught between its truncation and its new content:
// a client seen up has ended only when its own process has.
std::string LinuxService::WatchTrial(pid_t script, const std::function<bool()>& written,
                                     bool* running, pid_t* client) const {
    const int fd = OpenPidFd(script);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(trial_window_ms);
    std::string why;
    bool pid_file = false;
    for (int step_ms = 1; why.empty(); step_ms = std::min(step_ms * 2, 20)) {
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
        const bool over = std::chrono::steady_clock::now() >= deadline;
        if (why.empty() && over && pid_file && *client == 0)
            why = named > 0 ? "the pid file names process " + std::to_string(named) +
                                  ", which is not running"
                            : "the pid file names no process";
        if (over) break;
        if (why.empty()) Pause(*running ? fd : -1, step_ms);
    }
    if (fd >= 0) close(fd);
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
        NLOG_ERROR(
            "no whole copy of the client in '%s', not "
            "starting it\n",
            per_user_install_path.c_str());
        return;
    }
    LaunchPerUserBin();
}

int LinuxService::LaunchPerUserBin() {
    // Stamped before the spawn: a client that writes its pid file at once
    // must not pass for one that ran before this start.
    const ustring pid_file = GetUserNimbraInstallPath() + "/ui.pid";
    const FileStamp before = StampOf(pid_file);
    const pid_t pid = SpawnStartScript();
    if (pid > 0) WaitForStartScript(pid, [&] { return StampOf(pid_file) != before; });
    return 0;
}

// The script is run as a program with one argument, so that a home folder
// with a space in its path still starts the client, and its path is passed
// as the bytes it is, so that one that is not valid text does too.
pid_t LinuxService::SpawnStartScript() {
    const ustring start_script = per_user_install_path + "/package/start-stop";
    char* argv[] = {const_cast<char*>(start_script.c_str()), const_cast<char*>("start"), nullptr};
    // A launcher started without HOME (a service, some cron jobs) found the
    // home in the password database: the client must use the same one.
    std::vector<std::string> env_text;
    for (char** e = environ; *e != nullptr; ++e)
        if (strncmp(*e, "HOME=", 5) != 0) env_text.push_back(*e);
    env_text.push_back(std::string("HOME=") + GetUserInstallPath().c_str());
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
    const int fd = OpenPidFd(pid);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(start_script_wait_ms);
    for (int step_ms = 1;; step_ms = std::min(step_ms * 2, 20)) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            if (!Succeeded(status))
                NLOG_ERROR(
                    "the client of '%s' may not have "
                    "started: %s\n",
                    per_user_install_path.c_str(), ScriptEnd(status).c_str());
            break;
        }
        if (written() && LiveClient() > 0) break;
        if (std::chrono::steady_clock::now() >= deadline) {
            NLOG_WARNING(
                "'%s' still runs after %d s, no "
                "longer waiting for it\n",
                (per_user_install_path + "/package/start-stop").c_str(),
                start_script_wait_ms / 1000);
            break;
        }
        Pause(fd, step_ms);
    }
    if (fd >= 0) close(fd);
}
