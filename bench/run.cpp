// The benchmark's process runner.
//
//   bench_run [-o FILE] [-t SECONDS] -- COMMAND [ARGS...]
//     Runs COMMAND and appends one line to FILE (standard output if none):
//       wall=<s> start_script=<s or -> rss_kib=<n> children_rss_kib=<n or -> status=<n>
//     wall: from the fork to the command's end. start_script: when a process
//     of the command exec'd a .../package/start-stop script. rss_kib: the
//     command's own peak resident memory; children_rss_kib: the highest peak
//     of the processes it forked without exec'ing another program (readers,
//     workers). status: the exit status, 128 + signal, or "timeout" when the
//     command was killed after SECONDS (default 600).
//     Peaks are read at each thread's exit, from /proc, while it is stopped
//     there (ptrace): thread and process creation, exec and exit are the only
//     stops, besides signals. A
//     process that execs another program is let go at that point, so the
//     client a start script starts is not followed.
//
//   bench_run --reaper -- COMMAND [ARGS...]
//     Runs COMMAND as a child subreaper: processes orphaned below it (the
//     clients the launcher starts) are reaped here, as the machine's PID 1
//     does not. Exits with COMMAND's status once it ends.
#include <signal.h>
#include <sys/prctl.h>
#include <sys/ptrace.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

volatile sig_atomic_t g_timed_out = 0;
volatile sig_atomic_t g_forward_to = 0;

void OnAlarm(int) {
    g_timed_out = 1;
}

void OnTerminate(int sig) {
    if (g_forward_to > 0) kill(g_forward_to, sig);
}

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string ReadProc(pid_t pid, const char* what) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + what, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// VmHWM of a process that is still there (stopped at its exit), in KiB.
long PeakKib(pid_t pid) {
    const std::string status = ReadProc(pid, "status");
    const size_t at = status.find("VmHWM:");
    return at == std::string::npos ? 0 : std::strtol(status.c_str() + at + 6, nullptr, 10);
}

bool IsStartScript(pid_t pid) {
    std::string cmdline = ReadProc(pid, "cmdline");
    std::replace(cmdline.begin(), cmdline.end(), '\0', ' ');
    return cmdline.find("/package/start-stop") != std::string::npos;
}

struct Report {
    double wall = 0;
    double start_script = -1;
    long rss_kib = 0;
    long children_rss_kib = -1;
    std::string status = "?";
};

// The process (thread group) a traced thread belongs to.
pid_t ProcessOf(pid_t tid) {
    const std::string status = ReadProc(tid, "status");
    const size_t at = status.find("\nTgid:");
    return at == std::string::npos ? tid : std::atoi(status.c_str() + at + 6);
}

// Follows the traced command, all its threads and the processes they fork,
// until it ends; fills everything but wall.
void Follow(pid_t root, Clock::time_point start, Report* r) {
    std::set<pid_t> seen_first_stop;
    for (;;) {
        if (g_timed_out) kill(root, SIGKILL);
        int st = 0;
        const pid_t w = waitpid(-1, &st, __WALL);
        if (w < 0) {
            if (errno != EINTR) return;
            continue;
        }
        if (WIFEXITED(st) || WIFSIGNALED(st)) {
            if (w != root) continue;
            r->status = g_timed_out     ? "timeout"
                        : WIFEXITED(st) ? std::to_string(WEXITSTATUS(st))
                                        : std::to_string(128 + WTERMSIG(st));
            return;
        }
        if (!WIFSTOPPED(st)) continue;
        const int sig = WSTOPSIG(st);
        const int event = st >> 16;
        int deliver = 0;
        if (event == PTRACE_EVENT_EXEC && ProcessOf(w) != root) {
            if (r->start_script < 0 && IsStartScript(w)) r->start_script = Since(start);
            ptrace(PTRACE_DETACH, w, nullptr, nullptr);
            continue;
        }
        if (event == PTRACE_EVENT_EXIT) {
            const long kib = PeakKib(w);
            if (ProcessOf(w) == root) {
                r->rss_kib = std::max(r->rss_kib, kib);
            } else {
                r->children_rss_kib = std::max(r->children_rss_kib, kib);
            }
        } else if (event == 0 && sig == SIGSTOP && w != root && seen_first_stop.insert(w).second) {
            // A new thread's or child's first stop, from being attached.
        } else if (event == 0 && sig != SIGTRAP) {
            deliver = sig;  // a real signal: pass it on
        }
        ptrace(PTRACE_CONT, w, nullptr, reinterpret_cast<void*>(static_cast<long>(deliver)));
    }
}

int Measure(const char* out_path, unsigned timeout, char** command) {
    const Clock::time_point start = Clock::now();
    const pid_t root = fork();
    if (root < 0) return 1;
    if (root == 0) {
        if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) {
            std::perror("bench_run: ptrace");
            _exit(126);
        }
        execvp(command[0], command);
        std::fprintf(stderr, "bench_run: %s: %s\n", command[0], std::strerror(errno));
        _exit(127);
    }
    Report r;
    int st = 0;
    // The stop at the exec of the command.
    if (waitpid(root, &st, 0) != root || !WIFSTOPPED(st)) {
        std::fprintf(stderr, "bench_run: %s did not start\n", command[0]);
        return 1;
    }
    ptrace(PTRACE_SETOPTIONS, root, nullptr,
           reinterpret_cast<void*>(static_cast<long>(PTRACE_O_TRACEFORK | PTRACE_O_TRACEVFORK |
                                                     PTRACE_O_TRACECLONE | PTRACE_O_TRACEEXEC |
                                                     PTRACE_O_TRACEEXIT)));
    struct sigaction sa = {};
    sa.sa_handler = OnAlarm;  // no SA_RESTART: waitpid must return
    sigaction(SIGALRM, &sa, nullptr);
    alarm(timeout);
    ptrace(PTRACE_CONT, root, nullptr, nullptr);
    Follow(root, start, &r);
    r.wall = Since(start);
    alarm(0);

    char line[256];
    std::snprintf(line, sizeof(line),
                  "wall=%.6f start_script=%s rss_kib=%ld children_rss_kib=%s status=%s\n", r.wall,
                  r.start_script < 0 ? "-" : std::to_string(r.start_script).c_str(), r.rss_kib,
                  r.children_rss_kib < 0 ? "-" : std::to_string(r.children_rss_kib).c_str(),
                  r.status.c_str());
    FILE* out = out_path != nullptr ? std::fopen(out_path, "a") : stdout;
    if (out == nullptr) return 1;
    std::fputs(line, out);
    if (out != stdout) std::fclose(out);
    return r.status == "0" ? 0 : 1;
}

int Reap(char** command) {
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    const pid_t main_child = fork();
    if (main_child < 0) return 1;
    if (main_child == 0) {
        execvp(command[0], command);
        std::fprintf(stderr, "bench_run: %s: %s\n", command[0], std::strerror(errno));
        _exit(127);
    }
    // Ctrl-C reaches the whole foreground group: the command cleans up and
    // ends, and this process waits for that.
    signal(SIGINT, SIG_IGN);
    signal(SIGQUIT, SIG_IGN);
    g_forward_to = main_child;
    signal(SIGTERM, OnTerminate);
    signal(SIGHUP, OnTerminate);
    for (;;) {
        int st = 0;
        const pid_t w = waitpid(-1, &st, 0);
        if (w < 0 && errno == EINTR) continue;
        if (w < 0) return 1;
        if (w == main_child) return WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
    }
}

int Usage(const char* self) {
    std::fprintf(stderr,
                 "usage: %s [-o FILE] [-t SECONDS] -- COMMAND [ARGS...]\n"
                 "       %s --reaper -- COMMAND [ARGS...]\n",
                 self, self);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const char* out_path = nullptr;
    unsigned timeout = 600;
    bool reaper = false;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc) {
            out_path = argv[++i];
        } else if (std::strcmp(argv[i], "-t") == 0 && i + 1 < argc) {
            timeout = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else if (std::strcmp(argv[i], "--reaper") == 0) {
            reaper = true;
        } else {
            return Usage(argv[0]);
        }
    }
    if (i + 1 >= argc) return Usage(argv[0]);
    char** command = argv + i + 1;
    return reaper ? Reap(command) : Measure(out_path, timeout, command);
}
