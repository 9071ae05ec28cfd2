// The fixture of the end-to-end tests: a staged root and a private home in
// a sandbox, the sample client published there, and the launcher run as a
// real process.
#ifndef NIMBRA_TESTS_E2E_LAUNCHER_FIXTURE_H
#define NIMBRA_TESTS_E2E_LAUNCHER_FIXTURE_H

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "e2e/e2e_support.h"

namespace nimbra_e2e {

namespace fs = std::filesystem;
using nimbra_test::Exists;
using nimbra_test::ReadFile;
using nimbra_test::WriteFile;

inline const char kAllLevels[] =
    "launcher_debug=7\nservice_debug=7\nextractor_debug=7\nfile_op_debug=7\n";

class LauncherE2E : public nimbra_test::SandboxTest {
protected:
    void SetUp() override {
        SandboxTest::SetUp();
        BecomeSubreaper();
        ASSERT_TRUE(fs::exists(NIMBRA_STAGE "/bin/launcher")) << "the root was not staged";
        fs::copy(NIMBRA_STAGE, root(),
                 fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        WriteFile(root() + "/log/launcher.debug", kAllLevels);
    }

    void TearDown() override {
        // Stop the sample clients this test started, then reap them.
        for (const std::string& home : homes_) {
            const std::string pid_text = ReadFile(home + "/.NimbraBackup/ui.pid");
            if (pid_text.rfind("pid=", 0) == 0) {
                pid_t pid = std::stoi(pid_text.substr(4));
                if (Alive(pid)) kill(pid, SIGKILL);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ReapAll();
        SandboxTest::TearDown();
    }

    // Installs a package of the given build as the machine-wide one.
    void Publish(int build, int fillers = 3, int damage_after = -1) {
        package_ = SampleClient(build, fillers);
        WritePackage(root() + "/package/nimbra.hpk", package_, damage_after);
        WriteFile(root() + "/INFO", package_[0].content);
    }

    RunResult Launch(std::map<std::string, const char*> env = {}, const std::string& home = "") {
        const std::string h = home.empty() ? this->home() : home;
        homes_.push_back(h);
        env.emplace("HOME", h.c_str());
        env.emplace("QT_QPA_PLATFORM", "offscreen");
        env.emplace("XDG_RUNTIME_DIR", nullptr);
        return RunProgram(launcher(), {}, env, dir(), 60);
    }

    std::string launcher() const { return root() + "/bin/launcher"; }
    std::string app() const { return home() + "/.NimbraBackup/Nimbra.app"; }
    std::string log() const { return ReadFile(home() + "/.NimbraBackup/log/launcher.log"); }

    // The package's files as Tree() lists them.
    std::map<std::string, std::string> PackageTree() const { return TreeOf(package_); }

    // The pid the running client wrote, waiting a little for it to appear.
    pid_t ClientPid(const std::string& home = "") {
        const std::string f = (home.empty() ? this->home() : home) + "/.NimbraBackup/ui.pid";
        for (int i = 0; i < 300; ++i) {
            const std::string t = ReadFile(f);
            if (t.rfind("pid=", 0) == 0 && t.back() == '\n') return std::stoi(t.substr(4));
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

    Package package_;
    std::vector<std::string> homes_;
};

// Whether the needles appear in text in this order.
inline ::testing::AssertionResult InOrder(const std::string& text,
                                          const std::vector<std::string>& needles) {
    size_t at = 0;
    for (const std::string& n : needles) {
        const size_t p = text.find(n, at);
        if (p == std::string::npos)
            return ::testing::AssertionFailure() << "'" << n << "' missing (in order) from:\n"
                                                 << text;
        at = p + n.size();
    }
    return ::testing::AssertionSuccess();
}

}  // namespace nimbra_e2e

#endif  // NIMBRA_TESTS_E2E_LAUNCHER_FIXTURE_H
