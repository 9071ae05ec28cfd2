// Stopping the user's running client through its pid file: real processes,
// real signals, and processes the pid file names that must be left alone.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <thread>

#include "linux/linux-service.h"
#include "service/service_support.h"

namespace fs = std::filesystem;
using namespace service_test;
using nimbra_test::ReadFile;
using nimbra_test::WriteFile;

namespace {

class StopTest : public ServiceTest {
protected:
    std::string pidFile() const { return user() + "/ui.pid"; }

    // Starts argv (by default the client from the app folder) and waits
    // until it has written its pid, so that its signal handling is set up.
    // A non-empty shebang replaces the script's "#!/bin/sh" line.
    pid_t StartClient(bool ignore_term, std::vector<std::string> argv = {}, std::string cwd = "",
                      const std::string& shebang = "") {
        std::string script = ClientScript(ignore_term);
        if (!shebang.empty()) script.replace(0, script.find('\n'), shebang);
        WriteFile(app() + "/bin/nimbra-backup-ui", script, 0755);
        if (argv.empty()) argv = {app() + "/bin/nimbra-backup-ui"};
        const pid_t pid = Spawn(argv, cwd);
        EXPECT_GT(pid, 0);
        const std::string expected = "pid=" + std::to_string(pid) + "\n";
        for (int i = 0; i < 500 && ReadFile(pidFile()) != expected; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(ReadFile(pidFile()), expected);
        return pid;
    }

    // Runs StopService and returns how long it took, in seconds. A stop that
    // hangs fails here after 20 s rather than at ctest's time-out; a writer
    // opened on a FIFO in the pid file's place then frees a blocked open.
    double TimedStop() {
        LinuxService s;
        const auto t0 = std::chrono::steady_clock::now();
        auto stop = std::async(std::launch::async, [&s] { s.StopService(); });
        if (stop.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
            ADD_FAILURE() << "StopService still runs after 20 s";
            while (stop.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
                const int fd = open(pidFile().c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) close(fd);
            }
        }
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
};

TEST_F(StopTest, ClientThatEndsOnTermIsStoppedWithoutKill) {
    const std::string client = app() + "/bin/nimbra-backup-ui";
    const struct {
        const char* how;
        std::vector<std::string> argv;
        std::string cwd;
        std::string shebang;
    } cases[] = {
        {"script run through its #! line", {}, "", ""},
        {"relative script after interpreter options",
         {"/bin/sh", "-e", "bin/nimbra-backup-ui"},
         app(),
         ""},
        {"script whose #! line names env", {}, "", "#!/usr/bin/env sh"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        Mark();
        const pid_t pid = StartClient(false, c.argv, c.cwd, c.shebang);
        const double took = TimedStop();
        const int status = Reap(pid, 2000);
        ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
        EXPECT_EQ(WEXITSTATUS(status), 0);
        EXPECT_LT(took, 2.5);
        EXPECT_EQ(Count(logSinceMark(), "SIGKILL"), 0);
    }
}

TEST_F(StopTest, ClientReachedThroughALinkedHomeIsStopped) {
    fs::create_directory_symlink(home(), dir() + "/link");
    const pid_t pid = StartClient(false);  // runs from the real path
    setenv("HOME", (dir() + "/link").c_str(), 1);
    TimedStop();
    const int status = Reap(pid, 2000);
    EXPECT_TRUE(WIFEXITED(status)) << "status " << status;
}

// A client that needs a moment to shut down: it is gone at the probe two
// seconds after SIGTERM, and no SIGKILL follows.
TEST_F(StopTest, ClientThatEndsSlowlyIsWaitedForWithoutKill) {
    WriteFile(app() + "/bin/nimbra-backup-ui",
              "#!/bin/sh\n"
              "trap 'sleep 1.5; exit 0' TERM\n"
              "f=\"$HOME/.NimbraBackup/ui.pid\"\n"
              "echo \"pid=$$\" > \"$f.new\" && mv \"$f.new\" \"$f\"\n"
              "while :; do sleep 0.1; done\n",
              0755);
    const pid_t pid = Spawn({app() + "/bin/nimbra-backup-ui"});
    const std::string expected = "pid=" + std::to_string(pid) + "\n";
    for (int i = 0; i < 500 && ReadFile(pidFile()) != expected; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(ReadFile(pidFile()), expected);

    const double took = TimedStop();
    const int status = Reap(pid, 2000);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_GT(took, 1.4);
    EXPECT_LT(took, 3.5);
}

TEST_F(StopTest, ClientThatIgnoresTermIsKilledAfterAboutFiveSeconds) {
    const pid_t pid = StartClient(true);
    const double took = TimedStop();
    const int status = Reap(pid, 2000);
    ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status;
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_GT(took, 4.5);
    EXPECT_LT(took, 7.0);
}

std::atomic<int> terms_received{0};
void CountTerm(int) {
    ++terms_received;
}

TEST_F(StopTest, PidFileThatNamesNoProcessSignalsNothing) {
    // A group of our own, and a handler instead of dying: a signal to pid 0
    // or to a negative id would reach this process.
    ASSERT_EQ(setpgid(0, 0), 0);
    struct sigaction sa = {}, old = {};
    sa.sa_handler = CountTerm;
    sigaction(SIGTERM, &sa, &old);

    const pid_t gone = Spawn({"/bin/true"});
    Reap(gone, 2000);
    const std::string pid_file = pidFile();
    const struct {
        const char* content;  // nullptr: no pid file
        std::string record;   // "": nothing logged
    } cases[] = {
        {nullptr, "[DEBUG] linux/linux-service(%d): pid file '" + pid_file +
                      "' does not exist, no need to terminate"},
        {"[x]\n",
         "[NOTE] linux/linux-service(%d): Failed to read pid file '" + pid_file + "', not exist ?"},
        {"other=12\n", ""},
        {"pid=0\n", "[NOTE] linux/linux-service(%d): pid '0' in '" + pid_file +
                        "' names no process, nothing to stop"},
        {"pid=-5\n", "[NOTE] linux/linux-service(%d): pid '-5' in '" + pid_file +
                         "' names no process, nothing to stop"},
        {"pid=abc\n", "[NOTE] linux/linux-service(%d): pid 'abc' in '" + pid_file +
                          "' names no process, nothing to stop"},
        {"pid=99999999999\n", "[NOTE] linux/linux-service(%d): pid '99999999999' in '" + pid_file +
                                  "' names no process, nothing to stop"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content ? c.content : "no pid file");
        fs::remove(pid_file);
        if (c.content) WriteFile(pid_file, c.content);
        Mark();
        EXPECT_LT(TimedStop(), 0.5);
        if (c.record.empty())
            EXPECT_EQ(logSinceMark(), "");
        else
            EXPECT_TRUE(InOrder(logSinceMark(), {c.record}));
    }
    // Pid files that are not a small regular file are not read (a FIFO would
    // block for ever, /dev/zero spin, a huge file be read whole), even when
    // they name the live client.
    const pid_t client = StartClient(false);
    const std::string names_client = "pid=" + std::to_string(client) + "\n";
    const struct {
        const char* what;
        std::function<void()> make;
        std::string record;
    } odd[] = {
        {"a FIFO", [&] { ASSERT_EQ(mkfifo(pid_file.c_str(), 0644), 0); },
         "[NOTE] linux/linux-service(%d): pid file '" + pid_file +
             "' is not a regular file, nothing to stop"},
        {"a link to /dev/zero", [&] { fs::create_symlink("/dev/zero", pid_file); },
         "[NOTE] linux/linux-service(%d): pid file '" + pid_file +
             "' is not a regular file, nothing to stop"},
        {"a link to a pid file",
         [&] {
             WriteFile(pid_file + ".real", names_client);
             fs::create_symlink(pid_file + ".real", pid_file);
         },
         "[NOTE] linux/linux-service(%d): pid file '" + pid_file +
             "' is not a regular file, nothing to stop"},
        {"100 MB naming the client",
         [&] {
             WriteFile(pid_file, names_client);
             fs::resize_file(pid_file, 100 << 20);
         },
         "[NOTE] linux/linux-service(%d): pid file '" + pid_file +
             "' is larger than 4096 bytes, nothing to stop"},
    };
    for (const auto& c : odd) {
        SCOPED_TRACE(c.what);
        fs::remove(pid_file);
        c.make();
        Mark();
        TimedStop();
        EXPECT_TRUE(InOrder(logSinceMark(), {c.record}));
        EXPECT_EQ(Reap(client, 0), -1) << "the client was stopped";
    }
    kill(client, SIGKILL);
    Reap(client, 2000);

    // A pid that no process has any more: nothing logged, no wait.
    WriteFile(pid_file, "pid=" + std::to_string(gone) + "\n");
    Mark();
    EXPECT_LT(TimedStop(), 0.5);
    EXPECT_EQ(logSinceMark(), "");

    EXPECT_EQ(terms_received.load(), 0);
    sigaction(SIGTERM, &old, nullptr);
}

TEST_F(StopTest, LiveProcessThatIsNotTheClientKeepsRunning) {
    WriteFile(app() + "/INFO", "[Version]\nbuild_version=1\n");
    WriteFile(app() + "/package/start-stop", "#!/bin/sh\nexit 0\n", 0755);
    WriteFile(app() + "_tmp/bin/nimbra-backup-ui", ClientScript(false), 0755);
    const struct {
        const char* what;
        std::vector<std::string> argv;
        bool writes_pid;
    } cases[] = {
        {"another program", {"/bin/sleep", "30"}, false},
        {"a viewer of a file in the app folder",
         {"/usr/bin/tail", "-n0", "-f", app() + "/INFO"},
         false},
        {"a viewer of the start script",
         {"/usr/bin/tail", "-n0", "-f", app() + "/package/start-stop"},
         false},
        {"a client in a folder that only starts like the app folder",
         {app() + "_tmp/bin/nimbra-backup-ui"},
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(pidFile());
        const pid_t pid = Spawn(c.argv);
        ASSERT_GT(pid, 0);
        if (c.writes_pid) {
            for (int i = 0; i < 500 && !nimbra_test::Exists(pidFile()); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } else {
            // A stale pid file, from before the process got its pid.
            WriteFile(pidFile(), "pid=" + std::to_string(pid) + "\n");
            const auto written = fs::last_write_time(pidFile());
            fs::last_write_time(pidFile(), written - std::chrono::hours(1));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));  // let it exec
        Mark();
        EXPECT_LT(TimedStop(), 0.5);
        EXPECT_TRUE(
            InOrder(logSinceMark(),
                    {"[NOTE] linux/linux-service(%d): process " + std::to_string(pid) + " of '" +
                     pidFile() + "' is not the client in '" + app() + "', not stopping it"}));
        EXPECT_EQ(Reap(pid, 0), -1) << "the process was stopped";
        kill(pid, SIGKILL);
        Reap(pid, 2000);
    }
}

}  // namespace
