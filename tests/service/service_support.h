// Helpers for the service's tests: sample packages written as real archives,
// a sample client that really runs, the log as text, and a fixture that
// points the logger at the sandbox with every service threshold at 7.
#ifndef NIMBRA_TESTS_SERVICE_SERVICE_SUPPORT_H
#define NIMBRA_TESTS_SERVICE_SERVICE_SUPPORT_H

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

#include "support/package.h"
#include "support/test_env.h"

namespace service_test {

using nimbra_test::Exists;
using nimbra_test::Package;
using nimbra_test::ReadFile;
using nimbra_test::Tree;
using nimbra_test::TreeOf;
using nimbra_test::WriteFile;
using nimbra_test::WritePackage;
using nimbra_test::WriteTree;

// INFO of the given build, a client executable and start script, and
// `fillers` data files. The start script appends its arguments, one per
// line after "start-stop", to $HOME/.NimbraBackup/starts.log.
Package SamplePackage(int build, int fillers = 3);

// Whether the log holds, in this order and among other lines, one record
// for each pattern: the record without its time stamp equals the pattern,
// where "%d" stands for any decimal number.
::testing::AssertionResult InOrder(const std::string& log,
                                   const std::vector<std::string>& patterns);
// How often needle occurs in text.
int Count(const std::string& text, const std::string& needle);

// A client script that writes "pid=<its pid>" to $HOME/.NimbraBackup/ui.pid
// once it is ready for signals, then runs until SIGTERM (or, with
// ignore_term, until SIGKILL).
std::string ClientScript(bool ignore_term);

// Starts argv[0] with argv in cwd (empty: the working folder), as a child.
pid_t Spawn(const std::vector<std::string>& argv, const std::string& cwd = "");
// Waits up to timeout_ms for pid to end and reaps it; its wait status, or -1.
int Reap(pid_t pid, int timeout_ms);

// Sandbox with the logger writing to log() at threshold 7 for every
// component, like the launcher with a fully open level file.
class ServiceTest : public nimbra_test::SandboxTest {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string user() const { return home() + "/.NimbraBackup"; }
    std::string app() const { return user() + "/Nimbra.app"; }
    std::string log() const;
    // The log since the last call of Mark().
    std::string logSinceMark() const { return log().substr(mark_); }
    void Mark() { mark_ = log().size(); }

private:
    size_t mark_ = 0;
};

}  // namespace service_test

#endif  // NIMBRA_TESTS_SERVICE_SERVICE_SUPPORT_H
