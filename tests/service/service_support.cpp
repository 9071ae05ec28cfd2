#include "service/service_support.h"

#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "log.h"

extern char** environ;

namespace fs = std::filesystem;

namespace service_test {

Package SamplePackage(int build, int fillers) {
    return nimbra_test::ClientPackage(
        build, ClientScript(false),
        "#!/bin/sh\n"
        "{ echo start-stop; for a in \"$@\"; do echo \"$a\"; done; } >> "
        "\"$HOME/.NimbraBackup/starts.log\"\n",
        fillers, "share/data/file%d.txt");
}

namespace {

// Whether line equals pattern, each "%d" of the pattern matching a number.
bool Matches(const std::string& line, const std::string& pattern) {
    size_t l = 0, p = 0;
    while (p < pattern.size()) {
        if (pattern.compare(p, 2, "%d") == 0) {
            if (l < line.size() && line[l] == '-') ++l;
            const size_t start = l;
            while (l < line.size() && isdigit(static_cast<unsigned char>(line[l]))) ++l;
            if (l == start) return false;
            p += 2;
        } else {
            if (l >= line.size() || line[l] != pattern[p]) return false;
            ++l;
            ++p;
        }
    }
    return l == line.size();
}

}  // namespace

::testing::AssertionResult InOrder(const std::string& log,
                                   const std::vector<std::string>& patterns) {
    // "%b %d %H:%M:%S " in the C locale.
    const size_t kStamp = 16;
    std::vector<std::string> lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.size() >= kStamp ? line.substr(kStamp) : line);
    size_t at = 0;
    for (const std::string& p : patterns) {
        while (at < lines.size() && !Matches(lines[at], p)) ++at;
        if (at == lines.size())
            return ::testing::AssertionFailure() << "no record '" << p << "' (in this order) in:\n"
                                                 << log;
        ++at;
    }
    return ::testing::AssertionSuccess();
}

int Count(const std::string& text, const std::string& needle) {
    int n = 0;
    for (size_t p = text.find(needle); p != std::string::npos; p = text.find(needle, p + 1)) ++n;
    return n;
}

std::string ClientScript(bool ignore_term) {
    return std::string("#!/bin/sh\n") + (ignore_term ? "trap '' TERM\n" : "trap 'exit 0' TERM\n") +
           "f=\"$HOME/.NimbraBackup/ui.pid\"\n"
           "echo \"pid=$$\" > \"$f.new\" && mv \"$f.new\" \"$f\"\n"
           "while :; do sleep 0.1; done\n";
}

pid_t Spawn(const std::vector<std::string>& argv, const std::string& cwd) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!cwd.empty()) posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
    pid_t pid = -1;
    const int r = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return r == 0 ? pid : -1;
}

int Reap(pid_t pid, int timeout_ms) {
    for (int waited = 0;; waited += 10) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return status;
        if (waited >= timeout_ms) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void ServiceTest::SetUp() {
    SandboxTest::SetUp();
    // Clients whose parent is gone must come back here to be reaped.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    nimbra_test::WriteFile(
        root() + "/log/launcher.debug",
        "launcher_debug=7\nservice_debug=7\nextractor_debug=7\nfile_op_debug=7\n");
    fs::create_directories(user() + "/log");
    ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, (user() + "/log/launcher.log").c_str(),
                                 (root() + "/log/launcher.debug").c_str(), 50),
              0);
}

void ServiceTest::TearDown() {
    Logger::Initialize(Logger::STDERR_LOGGER, "", "", 50);
    while (waitpid(-1, nullptr, WNOHANG) > 0) {
    }
    SandboxTest::TearDown();
}

std::string ServiceTest::log() const {
    return nimbra_test::ReadFile(user() + "/log/launcher.log");
}

}  // namespace service_test
