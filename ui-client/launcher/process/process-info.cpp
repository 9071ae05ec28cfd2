#include "process/process-info.h"

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

#include "file/path-util.h"
#include "process/deadline.h"

namespace {

// Records that "<verb> <path><suffix>" failed with err, unless status is
// null. The text is built here, after errno was read.
void Record(Status* status, int err, const char* verb, const std::string& path,
            const char* suffix = "") {
    if (status != nullptr) status->Update(Status::Failed(verb + (" " + path) + suffix, err));
}

// The words of a "#!" line after the "#!", split at blanks and tabs.
std::vector<std::string> ShebangWords(const std::string& line) {
    std::vector<std::string> words;
    for (size_t at = 0; at < line.size();) {
        at = line.find_first_not_of(" \t", at);
        if (at == std::string::npos) break;
        const size_t end = std::min(line.find_first_of(" \t", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

}  // namespace

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

std::string ProcFolderOf(pid_t pid) {
    return "/proc/" + std::to_string(pid);
}

std::string ExecutableOfProcess(const std::string& proc_exe, Status* status) {
    std::string exe = ReadLinkBytes(proc_exe);
    if (exe.empty()) {
        Record(status, errno, "readlink", proc_exe);
        return std::string();
    }
    static const std::string kDeleted = " (deleted)";
    if (exe.size() > kDeleted.size() &&
        exe.compare(exe.size() - kDeleted.size(), kDeleted.size(), kDeleted) == 0)
        exe.resize(exe.size() - kDeleted.size());
    return exe;
}

std::string ExecutableOf(const std::string& proc, Status* status) {
    const std::string exe = ExecutableOfProcess(proc + "/exe", status);
    const std::string resolved = exe.empty() ? std::string() : RealPath(exe);
    return resolved.empty() ? exe : resolved;
}

std::vector<std::string> CommandLine(const std::string& proc, Status* status) {
    std::string text;
    std::vector<std::string> args;
    if (!ReadHead(proc + "/cmdline", 65536, &text)) {
        Record(status, errno, "read", proc, "/cmdline");
        return args;
    }
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find('\0', at), text.size());
        args.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return args;
}

std::string ScriptOf(const std::string& proc, Status* status) {
    const std::vector<std::string> args = CommandLine(proc, status);
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i].empty() || args[i][0] == '-') continue;
        std::string script = args[i];
        if (script[0] != '/') {
            const std::string cwd = ReadLinkBytes(proc + "/cwd");
            if (cwd.empty()) {
                Record(status, errno, "readlink", proc, "/cwd");
                return std::string();
            }
            script = cwd + "/" + script;
        }
        script = RealPath(script);
        if (!script.empty()) return script;
    }
    return std::string();
}

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

std::string InterpreterOf(const std::string& script, Status* status) {
    struct stat st;
    std::string line;
    if (stat(script.c_str(), &st) != 0) {
        Record(status, errno, "stat", script);
        return std::string();
    }
    if (!S_ISREG(st.st_mode)) return std::string();
    // The kernel reads at most 256 bytes of it.
    if (!ReadHead(script, 256, &line)) {
        Record(status, errno, "read", script);
        return std::string();
    }
    if (line.compare(0, 2, "#!") != 0) return std::string();
    line = line.substr(2, line.find('\n') - 2);  // npos - 2 still takes the rest
    const std::vector<std::string> words = ShebangWords(line);
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

// The name before the fields sits in parentheses and may hold blanks and
// parentheses itself: the fields start after the last ')'.
std::string StatFieldsOf(const std::string& proc, Status* status) {
    std::string stat;
    if (!ReadHead(proc + "/stat", 4096, &stat)) {
        Record(status, errno, "read", proc, "/stat");
        return std::string();
    }
    const size_t close_paren = stat.rfind(')');
    return close_paren == std::string::npos ? std::string() : stat.substr(close_paren + 1);
}

int64_t Nanoseconds(const struct timespec& t) {
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// The kernel counts the start in clock ticks of the boot-time clock.
int64_t StartTimeOf(const std::string& proc, Status* status) {
    const std::string stat = StatFieldsOf(proc, status);
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

bool RunsFrom(const std::string& proc, const std::string& folder, Status* status) {
    const std::string link = ReadLinkBytes(proc + "/cwd");
    if (link.empty()) Record(status, errno, "readlink", proc, "/cwd");
    const std::string cwd = RealPath(link);
    if (IsWithin(folder, cwd)) return true;
    for (const std::string& arg : CommandLine(proc, status)) {
        if (arg.empty() || (arg[0] != '/' && cwd.empty())) continue;
        if (IsWithin(folder, RealPath(arg[0] == '/' ? arg : cwd + "/" + arg))) return true;
    }
    return false;
}

bool IsClearlyOther(pid_t pid, const std::string& proc) {
    if (kill(pid, 0) != 0 && errno == ESRCH) return true;
    struct stat st;
    if (stat(proc.c_str(), &st) == 0 && st.st_uid != geteuid()) return true;
    const std::string fields = StatFieldsOf(proc, nullptr);
    char state = 0;
    unsigned flags = 0;
    if (sscanf(fields.c_str(), " %c %*d %*d %*d %*d %*d %u", &state, &flags) != 2) return false;
    const unsigned kKernelThread = 0x00200000;  // PF_KTHREAD
    return state == 'Z' || state == 'X' || (flags & kKernelThread) != 0;
}

// A pid file written since the start names what the new copy started, even
// when that no longer looks like the client (one that execs a helper): it
// counts while it runs. A zombie, which still answers kill(), does not.
bool IsRunning(pid_t pid) {
    if (kill(pid, 0) != 0) return false;
    std::string stat;
    if (!ReadHead(ProcFolderOf(pid) + "/stat", 4096, &stat)) return true;
    const size_t close_paren = stat.rfind(')');
    return close_paren == std::string::npos || stat.compare(close_paren, 3, ") Z") != 0;
}

UniqueFd OpenPidFd(pid_t pid) {
    return UniqueFd(static_cast<int>(syscall(SYS_pidfd_open, pid, 0)));
}

// A process descriptor wakes the wait the moment the child ends; without one
// (an old kernel) the wait polls, at short intervals first since a start
// script usually ends at once.
bool WaitForExit(pid_t pid, std::chrono::milliseconds limit) {
    Deadline deadline(limit, 1, 20);
    {
        const UniqueFd fd = OpenPidFd(pid);
        if (fd.ok() && !deadline.AwaitReadable(fd.get())) return false;
    }
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (deadline.Passed()) return false;
        deadline.Pause(-1);
    }
    return true;
}
