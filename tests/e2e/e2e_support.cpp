#include "e2e/e2e_support.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace fs = std::filesystem;

namespace nimbra_e2e {

Package SampleClient(int build, int fillers) {
    return nimbra_test::ClientPackage(
        build,
        "#!/bin/sh\n"
        "# Sample client: records its pid and runs until SIGTERM.\n"
        "dir=$(cd \"$(dirname \"$0\")/../..\" && pwd)\n"
        "echo \"pid=$$\" > \"$dir/ui.pid\"\n"
        "trap 'exit 0' TERM\n"
        "while :; do sleep 1 & wait $!; done\n",
        "#!/bin/sh\n"
        "app=$(cd \"$(dirname \"$0\")/..\" && pwd)\n"
        "[ \"$1\" = start ] || exit 0\n"
        "if [ -n \"$NIMBRA_TEST_HOLD\" ]; then\n"
        "  n=0; while [ ! -e \"$NIMBRA_TEST_HOLD\" ] && [ $n -lt 300 ]; do sleep 0.1; "
        "n=$((n+1)); done\n"
        "fi\n"
        "echo \"start $(grep build_version \"$app/INFO\")\" >> \"$app/../starts.log\"\n"
        "printf '%s' \"$HOME\" > \"$app/../client.home\"\n"
        "\"$app/bin/nimbra-backup-ui\" </dev/null >/dev/null 2>&1 &\n"
        "exit 0\n",
        fillers, "share/data/file%05d.txt");
}

namespace {

std::vector<std::string> BuildEnv(const std::map<std::string, const char*>& changes) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string kv(*e);
        std::string key = kv.substr(0, kv.find('='));
        if (changes.count(key) == 0) env.push_back(kv);
    }
    for (const auto& c : changes)
        if (c.second) env.push_back(c.first + "=" + c.second);
    return env;
}

const int kClosed = INT_MAX;

// In the child: the descriptor to make a standard stream of (kClosed to
// close it), -1 on failure.
int OpenStream(const std::string& file) {
    if (file == kClosedStream) return kClosed;
    if (file != kBrokenPipe) return open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int fds[2];
    if (pipe(fds) != 0) return -1;
    close(fds[0]);
    return fds[1];
}

}  // namespace

pid_t Start(const std::string& program, const std::vector<std::string>& args,
            const std::map<std::string, const char*>& env, const std::string& cwd,
            const std::string& out_file, const std::string& err_file) {
    std::vector<std::string> envs = BuildEnv(env);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& e : envs) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    pid_t pid = fork();
    if (pid == 0) {
        int in = open("/dev/null", O_RDONLY);
        int out = OpenStream(out_file);
        int err = OpenStream(err_file);
        if (in < 0 || out < 0 || err < 0 || chdir(cwd.c_str()) != 0) _exit(126);
        dup2(in, 0);
        signal(SIGPIPE, SIG_DFL);  // as a session has it
        out == kClosed ? close(1) : dup2(out, 1);
        err == kClosed ? close(2) : dup2(err, 2);
        execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    return pid;
}

int Wait(pid_t pid, int timeout_s) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeout_s);
    int st = 0;
    for (;;) {
        pid_t r = waitpid(pid, &st, WNOHANG);
        if (r == pid) break;
        if (r < 0) return -1;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &st, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (WIFEXITED(st)) return WEXITSTATUS(st);
    if (WIFSIGNALED(st)) return 128 + WTERMSIG(st);
    return -1;
}

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::map<std::string, const char*>& env, const std::string& cwd,
                     int timeout_s) {
    static int serial = 0;
    const std::string base = cwd + "/run" + std::to_string(++serial);
    RunResult r;
    pid_t pid = Start(program, args, env, cwd, base + ".out", base + ".err");
    r.status = Wait(pid, timeout_s);
    r.out = nimbra_test::ReadFile(base + ".out");
    r.err = nimbra_test::ReadFile(base + ".err");
    return r;
}

void BecomeSubreaper() {
    prctl(PR_SET_CHILD_SUBREAPER, 1);
}

void ReapAll() {
    int st;
    while (waitpid(-1, &st, WNOHANG) > 0) {
    }
}

bool Alive(pid_t pid) {
    if (pid <= 0 || kill(pid, 0) != 0) return false;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const size_t close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

}  // namespace nimbra_e2e
