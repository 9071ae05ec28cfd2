// The installed launcher as a user meets it: a real process, a staged root,
// a private home, a sample client that really runs.
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "e2e/e2e_support.h"

namespace fs = std::filesystem;
using namespace nimbra_e2e;
using nimbra_test::Exists;
using nimbra_test::ReadFile;
using nimbra_test::WriteFile;

namespace {

const char kAllLevels[] = "launcher_debug=7\nservice_debug=7\nextractor_debug=7\nfile_op_debug=7\n";

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
        WriteArchive(root() + "/package/nimbra.hpk", package_, damage_after);
        WriteFile(root() + "/INFO", package_[0].content);
    }

    RunResult Launch(std::map<std::string, const char*> env = {}, const std::string& home = "") {
        const std::string h = home.empty() ? this->home() : home;
        homes_.push_back(h);
        env.emplace("HOME", h.c_str());
        env.emplace("QT_QPA_PLATFORM", "offscreen");
        env.emplace("XDG_RUNTIME_DIR", nullptr);
        return Run(launcher(), {}, env, dir(), 60);
    }

    std::string launcher() const { return root() + "/bin/launcher"; }
    std::string app() const { return home() + "/.NimbraBackup/Nimbra.app"; }
    std::string log() const { return ReadFile(home() + "/.NimbraBackup/log/launcher.log"); }

    // The package's files as Tree() lists them.
    std::map<std::string, std::string> PackageTree() const {
        std::map<std::string, std::string> t;
        for (const Entry& e : package_) {
            t[e.path] = e.content;
            for (fs::path p = fs::path(e.path).parent_path(); !p.empty(); p = p.parent_path())
                t[p.string() + "/"] = "";
        }
        return t;
    }

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

    std::vector<Entry> package_;
    std::vector<std::string> homes_;
};

// Whether the needles appear in text in this order.
::testing::AssertionResult InOrder(const std::string& text,
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

TEST_F(LauncherE2E, FirstInstallExtractsThePackageAndStartsTheClient) {
    Publish(100);
    const RunResult r = Launch();
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "lib path = '" + root() + "/lib/plugins'\n");
    EXPECT_EQ(Tree(app()), PackageTree());
    EXPECT_EQ(ReadFile(home() + "/.NimbraBackup/starts.log"), "start build_version=100\n");
    EXPECT_TRUE(Alive(ClientPid()));
    EXPECT_TRUE(
        InOrder(log(), {"[DEBUG] launcher(", "): running\n", "source does not exist",
                        "extract package: '" + root() + "/package/nimbra.hpk' -> '" + app() + "'",
                        "user installation is ready", "removing aged app folder", "): done\n"}));
    EXPECT_EQ(log().find("[ERROR]"), std::string::npos) << log();
}

TEST_F(LauncherE2E, SameBuildIsNotExtractedAgainButStillStarted) {
    Publish(100);
    ASSERT_EQ(Launch().status, 0);
    const pid_t first = ClientPid();
    WriteFile(app() + "/user-note", "kept");  // would vanish with a new extraction
    const RunResult r = Launch();
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(ReadFile(app() + "/user-note"), "kept");
    EXPECT_TRUE(Alive(first)) << "a run without upgrade must not stop the client";
    EXPECT_EQ(ReadFile(home() + "/.NimbraBackup/starts.log"),
              "start build_version=100\nstart build_version=100\n");
    EXPECT_TRUE(InOrder(log(), {"no need to upgrade", "removing aged app folder", "): done\n"}));
}

TEST_F(LauncherE2E, NewerBuildStopsTheRunningClientAndReplacesTheCopy) {
    Publish(100);
    ASSERT_EQ(Launch().status, 0);
    const pid_t old_client = ClientPid();
    ASSERT_TRUE(Alive(old_client));
    fs::create_directories(home() + "/.NimbraBackup/app/old");  // the aged layout

    Publish(101, 5);
    const std::string before = log();
    const RunResult r = Launch();
    EXPECT_EQ(r.status, 0) << r.err;
    ReapAll();
    EXPECT_FALSE(Alive(old_client));
    EXPECT_EQ(Tree(app()), PackageTree());
    EXPECT_FALSE(Exists(app() + "_tmp"));
    EXPECT_FALSE(Exists(home() + "/.NimbraBackup/app"));
    EXPECT_EQ(ReadFile(home() + "/.NimbraBackup/starts.log"),
              "start build_version=100\nstart build_version=101\n");
    const std::string run = log().substr(before.size());
    EXPECT_TRUE(InOrder(run, {"target_version = (3, 1, 101, 7)", "source_version = (3, 1, 100, 7)",
                              "Source version: ('100', '7')", "Target version: ('101', '7')",
                              "source version = 100, target version = 101", "local appdata exist",
                              "extract package", "decompress from", "user installation is ready",
                              "removing aged app folder"}));
}

TEST_F(LauncherE2E, DamagedPackageLeavesTheOldCopyInPlace) {
    Publish(100);
    ASSERT_EQ(Launch().status, 0);
    const auto old_tree = Tree(app());
    ASSERT_FALSE(old_tree.empty());

    Publish(101, 20, /*damage_after=*/10);
    const RunResult r = Launch();
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(Tree(app()), old_tree);
    for (const char* b : {"_tmp", "_tmp1"}) EXPECT_FALSE(Exists(app() + b)) << b;
    EXPECT_TRUE(InOrder(log(), {"Failed to extract package, rollback to old installation",
                                "Failed to upgrade package", "removing aged app folder"}));
    EXPECT_EQ(ReadFile(home() + "/.NimbraBackup/starts.log"),
              "start build_version=100\nstart build_version=100\n");
}

TEST_F(LauncherE2E, SecondInstanceExitsAtOnceWhileTheFirstIsBusy) {
    Publish(100);
    const std::string hold = dir() + "/hold";
    const std::string h = home();
    homes_.push_back(h);
    std::map<std::string, const char*> env{{"HOME", h.c_str()},
                                           {"QT_QPA_PLATFORM", "offscreen"},
                                           {"XDG_RUNTIME_DIR", nullptr},
                                           {"NIMBRA_TEST_HOLD", hold.c_str()}};
    const pid_t first =
        Start(launcher(), {}, env, dir(), dir() + "/first.out", dir() + "/first.err");
    // The first instance is busy once it waits in the start script.
    for (int i = 0;
         i < 1000 &&
         ReadFile(home() + "/.NimbraBackup/log/launcher.log").find("removing aged app folder") ==
             std::string::npos;
         ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const auto tree = Tree(app());

    const auto t0 = std::chrono::steady_clock::now();
    const RunResult second = Run(launcher(), {}, env, dir(), 30);
    const auto took = std::chrono::steady_clock::now() - t0;
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.out, "lib path = '" + root() + "/lib/plugins'\n");
    EXPECT_LT(took, std::chrono::seconds(20)) << "the second instance must not wait";
    EXPECT_EQ(Tree(app()), tree);
    EXPECT_NE(log().find("app has already launched, return"), std::string::npos);
    EXPECT_FALSE(Exists(home() + "/.NimbraBackup/starts.log")) << "the second run started a client";

    WriteFile(hold, "");
    EXPECT_EQ(Wait(first, 30), 0);
    EXPECT_EQ(ReadFile(home() + "/.NimbraBackup/starts.log"), "start build_version=100\n");
}

TEST_F(LauncherE2E, RunsWithoutADisplayAndStillStartsTheClient) {
    Publish(100);
    homes_.push_back(home());
    const RunResult r = Run(launcher(), {},
                            {{"HOME", home().c_str()},
                             {"QT_QPA_PLATFORM", nullptr},
                             {"DISPLAY", nullptr},
                             {"WAYLAND_DISPLAY", nullptr},
                             {"XDG_RUNTIME_DIR", nullptr}},
                            dir(), 60);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Tree(app()), PackageTree());
    EXPECT_EQ(ReadFile(home() + "/.NimbraBackup/starts.log"), "start build_version=100\n");
    EXPECT_NE(log().find("[NOTE] main("), std::string::npos) << log();
}

TEST_F(LauncherE2E, HomeWithASpaceStartsTheClient) {
    Publish(100);
    const std::string spaced = dir() + "/my home";
    fs::create_directories(spaced);
    const RunResult r = Launch({}, spaced);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(ReadFile(spaced + "/.NimbraBackup/starts.log"), "start build_version=100\n");
    EXPECT_TRUE(Alive(ClientPid(spaced)));
}

}  // namespace
