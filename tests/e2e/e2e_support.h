// Helpers for running the installed launcher against a sandboxed root and
// home: a sample client package, a staged root, and a way to run the
// launcher as a real process and look at what it left.
#ifndef NIMBRA_TESTS_E2E_E2E_SUPPORT_H
#define NIMBRA_TESTS_E2E_E2E_SUPPORT_H

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

#include "support/package.h"
#include "support/test_env.h"

namespace nimbra_e2e {

using nimbra_test::Package;
using nimbra_test::Tree;
using nimbra_test::TreeOf;
using nimbra_test::WritePackage;

// The files of a sample client of the given build: INFO, the client
// executable (records its pid in ui.pid, runs until SIGTERM), the start
// script (starts the client in the background and notes each start in
// starts.log; with NIMBRA_TEST_HOLD set it first waits for that file), and
// `fillers` small data files. Both scripts find the user folder from their
// own path, not from HOME, which the launcher may have been started without.
Package SampleClient(int build, int fillers = 3);

struct RunResult {
    int status = -1;  // exit status, or 128 + signal
    std::string out;  // standard output
    std::string err;  // standard error
};

// Runs program with the given arguments and environment changes (a value
// of nullptr unsets the variable) in the working folder cwd, waiting at
// most timeout_s seconds (then it is killed and the status is -1).
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::map<std::string, const char*>& env, const std::string& cwd,
                     int timeout_s = 60);
// Given as out_file or err_file to Start(): the stream is closed, or is a
// pipe whose reading end is already closed.
inline const char kClosedStream[] = "<closed>";
inline const char kBrokenPipe[] = "<broken pipe>";

// Starts it without waiting; the caller waits with Wait().
pid_t Start(const std::string& program, const std::vector<std::string>& args,
            const std::map<std::string, const char*>& env, const std::string& cwd,
            const std::string& out_file, const std::string& err_file);
int Wait(pid_t pid, int timeout_s);

// Makes this process adopt orphaned descendants, so that the clients the
// launcher starts can be reaped; ReapAll() reaps what has exited.
void BecomeSubreaper();
void ReapAll();
// Whether pid is alive and not a zombie.
bool Alive(pid_t pid);

}  // namespace nimbra_e2e

#endif  // NIMBRA_TESTS_E2E_E2E_SUPPORT_H
