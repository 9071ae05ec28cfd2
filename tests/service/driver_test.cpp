// The service as the launcher runs it, against a machine-wide root of the
// test's own: the driver program is copied into "<root>/bin", since the root
// is always found from the program's real location.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "service/service_support.h"

extern char** environ;

namespace fs = std::filesystem;
using namespace service_test;

namespace {

class DriverTest : public ServiceTest {
protected:
    void SetUp() override {
        ServiceTest::SetUp();
        fs::create_directories(root() + "/bin");
        fs::copy_file(SERVICE_DRIVER, driver());
    }

    std::string driver() const { return root() + "/bin/service_driver"; }

    // Runs the driver (or a link to it) with op in the sandbox; its wait
    // status, and its standard output in *out.
    int Run(const std::string& op, std::string* out, const std::string& program = "") {
        const std::string prog = program.empty() ? driver() : program;
        const std::string out_file = dir() + "/driver.out";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out_file.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        char* argv[] = {const_cast<char*>(prog.c_str()), const_cast<char*>(op.c_str()), nullptr};
        pid_t pid = -1;
        const int r = posix_spawn(&pid, prog.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        if (r != 0) return -1;
        const int status = Reap(pid, 60000);
        *out = ReadFile(out_file);
        return status;
    }

    // Makes pkg the machine-wide installation; see WritePackage for damage_after.
    void Publish(const Package& pkg, int damage_after = -1) {
        WritePackage(root() + "/package/nimbra.hpk", pkg, damage_after);
        WriteFile(root() + "/INFO", pkg[0].content);
    }
};

TEST_F(DriverTest, UpgradeStopsTheRunningClientAndLogsEachStepInOrder) {
    WriteTree(app(), SamplePackage(100));
    fs::create_directories(user() + "/app/old");  // the aged layout
    const pid_t client = Spawn({app() + "/bin/nimbra-backup-ui"});
    for (int i = 0; i < 500 && ReadFile(user() + "/ui.pid").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const Package pkg = SamplePackage(101, 5);
    Publish(pkg);

    std::string out;
    const int status = Run("run", &out);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, "need=1 result=0\n");
    const int client_status = Reap(client, 2000);
    EXPECT_TRUE(WIFEXITED(client_status)) << "the client was not stopped by SIGTERM";
    EXPECT_EQ(Tree(app()), TreeOf(pkg));
    EXPECT_FALSE(Exists(app() + "_tmp"));
    EXPECT_FALSE(Exists(app() + ".pending"));
    EXPECT_FALSE(Exists(user() + "/app"));
    EXPECT_EQ(ReadFile(user() + "/starts.log"), "start-stop\nstart\n");
    EXPECT_TRUE(InOrder(
        log(), {"[INFO] nimbra-service(%d): target_version = (3, 1, 101, 7)",
                "[INFO] nimbra-service(%d): source_version = (3, 1, 100, 7)",
                "[DEBUG] linux/linux-service(%d): Source version: ('100', '7')",
                "[DEBUG] linux/linux-service(%d): Target version: ('101', '7')",
                "[DEBUG] linux/linux-service(%d): source version = 100, target version = 101",
                "[DEBUG] linux/linux-service(%d): local appdata exist",
                "[INFO] nimbra-service(%d): extract package: '" + root() +
                    "/package/nimbra.hpk' -> '" + app() + "'",
                "[DEBUG] extractor(%d): decompress from '" + root() + "/package/nimbra.hpk' to '" +
                    app() + "'",
                "[INFO] nimbra-service(%d): user installation is ready, removing backup app",
                "[INFO] nimbra-service(%d): removing aged app folder " + user() + "/app"}));
    EXPECT_EQ(Count(log(), "[ERROR]"), 0) << log();
}

TEST_F(DriverTest, FirstInstallationThroughALinkToTheProgram) {
    const Package pkg = SamplePackage(100);
    Publish(pkg);
    fs::create_directories(dir() + "/elsewhere");
    fs::create_symlink(driver(), dir() + "/elsewhere/launcher");
    std::string out;
    ASSERT_EQ(Run("paths", &out, dir() + "/elsewhere/launcher"), 0);
    EXPECT_EQ(out, root() + "\n" + root() + "\n" + app() + "\n");

    ASSERT_EQ(Run("run", &out, dir() + "/elsewhere/launcher"), 0);
    EXPECT_EQ(out, "need=1 result=0\n");
    EXPECT_EQ(Tree(app()), TreeOf(pkg));
    EXPECT_EQ(ReadFile(user() + "/starts.log"), "start-stop\nstart\n");
    EXPECT_TRUE(InOrder(log(), {"[INFO] nimbra-service(%d): source does not exist",
                                "[DEBUG] linux/linux-service(%d): Source version: ('', '')"}));
    EXPECT_EQ(Count(log(), "source_version"), 0);
}

TEST_F(DriverTest, MissingMachineWideInfoUpgradesNothingButStartsTheClient) {
    const Package installed = SamplePackage(100);
    WriteTree(app(), installed);
    std::string out;
    ASSERT_EQ(Run("run", &out), 0);
    EXPECT_EQ(out, "need=0 result=0\n");
    EXPECT_EQ(Tree(app()), TreeOf(installed));
    EXPECT_EQ(ReadFile(user() + "/starts.log"), "start-stop\nstart\n");
    EXPECT_TRUE(
        InOrder(log(), {"[INFO] nimbra-service(%d): target_version = (, , , )",
                        "[DEBUG] linux/linux-service(%d): source version = 100, target version = 0",
                        "[INFO] nimbra-service(%d): removing aged app folder " + user() + "/app"}));
}

TEST_F(DriverTest, RunKilledDuringExtractionIsFinishedByTheNext) {
    const Package old_pkg = SamplePackage(100);
    WriteTree(app(), old_pkg);
    const Package pkg = SamplePackage(101, 5);
    Publish(pkg);

    std::string out;
    const int killed = Run("die-in-extract", &out);
    ASSERT_TRUE(WIFSIGNALED(killed) && WTERMSIG(killed) == SIGKILL) << killed;
    // Looks installed (new INFO, executable), is not; the old copy is whole.
    ASSERT_TRUE(Exists(app() + "/bin/nimbra-backup-ui"));
    ASSERT_NE(ReadFile(app() + "/INFO").find("build_version=101"), std::string::npos);
    EXPECT_EQ(Tree(app() + "_tmp"), TreeOf(old_pkg));

    // A next run that cannot extract either puts the old copy back in place.
    Publish(pkg, /*damage_after=*/4);
    ASSERT_EQ(Run("run", &out), 0);
    EXPECT_EQ(out, "need=1 result=-1\n");
    EXPECT_EQ(Tree(app()), TreeOf(old_pkg));

    Publish(pkg);
    ASSERT_EQ(Run("run", &out), 0);
    EXPECT_EQ(out, "need=1 result=0\n");
    EXPECT_EQ(Tree(app()), TreeOf(pkg));
    EXPECT_FALSE(Exists(app() + "_tmp"));
    EXPECT_FALSE(Exists(app() + ".pending"));

    ASSERT_EQ(Run("run", &out), 0);
    EXPECT_EQ(out, "need=0 result=0\n");
}

}  // namespace
