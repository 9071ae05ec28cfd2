// The installed launcher as a user meets it: a real process, a staged root,
// a private home, a sample client that really runs.
#include "e2e/launcher_fixture.h"

using namespace nimbra_e2e;

namespace {

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
    const RunResult second = RunProgram(launcher(), {}, env, dir(), 30);
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
    const RunResult r = RunProgram(launcher(), {},
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

namespace {

// A desktop entry may start the launcher by its bare name through PATH: the
// plug-in folder then follows the working folder, where there is none, and
// the toolkit would abort before the client is started.
TEST_F(LauncherE2E, StartedByItsBareNameStillStartsTheClient) {
    Publish(100);
    homes_.push_back(home());
    const std::string path = root() + "/bin:" + std::string(getenv("PATH") ? getenv("PATH") : "");
    const RunResult r = RunProgram("/bin/sh", {"-c", "exec launcher"},
                                   {{"HOME", home().c_str()},
                                    {"PATH", path.c_str()},
                                    {"QT_QPA_PLATFORM", "offscreen"},
                                    {"QT_QPA_PLATFORM_PLUGIN_PATH", nullptr},
                                    {"XDG_RUNTIME_DIR", nullptr}},
                                   dir(), 60);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "lib path = '../lib/plugins'\n");
    EXPECT_EQ(Tree(app()), PackageTree());
    EXPECT_EQ(ReadFile(home() + "/.NimbraBackup/starts.log"), "start build_version=100\n");
}

// --help and --version answer and exit at once, among other arguments too:
// no lock, no log, no extraction, no client.
TEST_F(LauncherE2E, HelpAndVersionAnswerWithoutDoingAnything) {
    Publish(100);
    homes_.push_back(home());
    for (const char* arg : {"--help", "--version"}) {
        const RunResult r =
            RunProgram(launcher(), {"--other", arg},
                       {{"HOME", home().c_str()}, {"QT_QPA_PLATFORM", "offscreen"}}, dir(), 60);
        EXPECT_EQ(r.status, 0) << arg;
        EXPECT_EQ(r.out.rfind(arg[2] == 'h' ? "Usage: launcher" : "Nimbra Backup launcher 1.", 0),
                  0u)
            << r.out;
        EXPECT_FALSE(Exists(home() + "/.NimbraBackup")) << arg;
    }
}

}  // namespace
