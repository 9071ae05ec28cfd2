// What the readers of a process folder answer, on fake "/proc/<pid>" folders
// written in the sandbox (the readers take the folder as a path), and what
// they record when a read fails: that text reaches the log as it is.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include <thread>

#include "file/path-util.h"
#include "process/process-info.h"
#include "support/test_env.h"

using nimbra_test::WriteFile;

namespace {

class ProcessInfoTest : public nimbra_test::SandboxTest {
protected:
    // A fake process folder: its command line (arguments joined by '\0'),
    // and a working folder link unless cwd is empty.
    std::string FakeProc(const std::string& name, const std::string& cmdline,
                         const std::string& cwd) {
        const std::string proc = path("proc/" + name);
        WriteFile(proc + "/cmdline", cmdline);
        if (!cwd.empty()) {
            EXPECT_EQ(symlink(cwd.c_str(), (proc + "/cwd").c_str()), 0);
        }
        return proc;
    }
};

TEST_F(ProcessInfoTest, FailedReadsNameTheCallAndKeepTheFirst) {
    const std::string gone = path("proc/gone");
    struct Case {
        const char* what;
        std::function<bool(Status*)> answers_nothing;
        std::string call;
    };
    const Case cases[] = {
        {"exe", [&](Status* s) { return ExecutableOf(gone, s).empty(); },
         "readlink " + gone + "/exe"},
        {"cmdline", [&](Status* s) { return ScriptOf(gone, s).empty(); },
         "read " + gone + "/cmdline"},
        {"stat", [&](Status* s) { return StartTimeOf(gone, s) == -1; }, "read " + gone + "/stat"},
        // The working folder is read first; the command line's failure is dropped.
        {"cwd", [&](Status* s) { return !RunsFrom(gone, dir(), s); }, "readlink " + gone + "/cwd"},
        {"#!", [&](Status* s) { return InterpreterOf(gone, s).empty(); }, "stat " + gone},
    };
    for (const Case& c : cases) {
        Status status;
        EXPECT_TRUE(c.answers_nothing(&status)) << c.what;
        EXPECT_EQ(status.ToString(), c.call + ": No such file or directory") << c.what;
        EXPECT_TRUE(c.answers_nothing(nullptr)) << c.what;
    }
}

TEST_F(ProcessInfoTest, ScriptAndFolderOfAnInterpretedProcess) {
    const std::string app = RealPath(dir()) + "/app";
    WriteFile(app + "/lib/ui.py", "");
    WriteFile(path("elsewhere/ui.jar"), "");
    const std::string jar = RealPath(path("elsewhere/ui.jar"));
    struct Case {
        std::string cmdline, cwd, script;
        bool runs_from_app;
    };
    const Case cases[] = {
        {std::string("python3\0-u\0lib/ui.py\0", 21), app, app + "/lib/ui.py", true},
        {std::string("java\0-jar\0", 10) + jar, "/", jar, false},
        {std::string("java\0-jar\0", 10) + jar + std::string("\0", 1) + app, "/", jar, true},
        {std::string("less\0missing.txt\0-\0", 19), path("elsewhere"), "", false},
        {std::string("vi\0../app/lib/ui.py", 19), path("elsewhere"), app + "/lib/ui.py", true},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string proc = FakeProc(std::to_string(++n), c.cmdline, c.cwd);
        Status status;
        EXPECT_EQ(ScriptOf(proc, &status), c.script) << "case " << n;
        EXPECT_EQ(RunsFrom(proc, app, &status), c.runs_from_app) << "case " << n;
        EXPECT_TRUE(status.ok()) << status.ToString();
    }
}

TEST_F(ProcessInfoTest, InterpreterOfTheHashBangLine) {
    const std::string sh = RealPath("/bin/sh");
    const struct {
        const char* text;
        std::string interpreter;
    } cases[] = {
        {"#!/bin/sh\necho\n", sh},       {"#! /bin/sh -e\n", sh},
        {"#!/usr/bin/env -S sh -e", sh}, {"#!/usr/bin/env /bin/sh\n", sh},
        {"echo\n#!/bin/sh\n", ""},       {"#!\n", ""},
        {"#!/no/such/shell\n", ""},
    };
    for (const auto& c : cases) {
        WriteFile(path("script"), c.text, 0755);
        Status status;
        EXPECT_EQ(InterpreterOf(path("script"), &status), c.interpreter) << c.text;
        EXPECT_TRUE(status.ok()) << status.ToString();
    }
    EXPECT_EQ(InterpreterOf(dir(), nullptr), "");
}

TEST_F(ProcessInfoTest, StartTimeReadsPastANameWithParentheses) {
    const std::string fields = " S 1 1 1 0 -1 4194560 0 0 0 0 0 0 0 0 20 0 1 0 12345 0 0\n";
    WriteFile(path("proc/plain/stat"), "7 (ui)" + fields);
    WriteFile(path("proc/odd/stat"), "7 (u) S 1 (i)" + fields);
    const int64_t plain = StartTimeOf(path("proc/plain"), nullptr);
    const int64_t odd = StartTimeOf(path("proc/odd"), nullptr);
    EXPECT_GT(plain, 0);
    // The clocks are read anew each time: a few milliseconds apart at most.
    EXPECT_LT(std::abs(plain - odd), int64_t{1000000000});
    EXPECT_LE(StartTimeOf(ProcFolderOf(getpid()), nullptr),
              Nanoseconds(timespec{time(nullptr) + 1, 0}));
}

TEST(ProcessInfo, ParsePidRefusesWhatNamesNoSingleProcess) {
    const struct {
        const char* text;
        pid_t pid;  // 0: refused
    } cases[] = {{"12", 12}, {" 7", 7},  {"7x", 7}, {"2147483647", 2147483647}, {"0", 0},
                 {"-5", 0},  {"abc", 0}, {"", 0},   {"2147483648", 0},          {"-1", 0}};
    for (const auto& c : cases) {
        pid_t pid = 0;
        EXPECT_EQ(ParsePid(ustring(c.text), &pid), c.pid != 0) << c.text;
        if (c.pid != 0) {
            EXPECT_EQ(pid, c.pid) << c.text;
        }
    }
}

// A child that has ended but is not reaped still answers kill(): it is
// neither running nor possibly the client; the wait reaps it.
TEST(ProcessInfo, ZombieIsNotRunningAndTheWaitReapsIt) {
    EXPECT_TRUE(IsRunning(getpid()));
    const pid_t sleeper = fork();
    if (sleeper == 0) {
        pause();
        _exit(0);
    }
    ASSERT_GT(sleeper, 0);
    EXPECT_FALSE(WaitForExit(sleeper, std::chrono::milliseconds(0)));
    EXPECT_TRUE(IsRunning(sleeper));
    kill(sleeper, SIGKILL);
    for (int i = 0; i < 1000 && IsRunning(sleeper); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(IsRunning(sleeper));
    EXPECT_TRUE(IsClearlyOther(sleeper, ProcFolderOf(sleeper)));
    EXPECT_TRUE(WaitForExit(sleeper, std::chrono::seconds(30)));
    EXPECT_EQ(waitpid(sleeper, nullptr, WNOHANG), -1);  // reaped already
}

}  // namespace
