// The installed launcher as a user meets it: a real process, a staged root,
// a private home, a sample client that really runs.
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <functional>
#include <iostream>

#include "e2e/launcher_fixture.h"

using namespace nimbra_e2e;
using nimbra_test::TmpfsMount;

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

// A package that can't be installed is found out before anything is
// stopped or moved: the client the user runs goes on running, its copy is
// untouched and started again, and the log says why.
TEST_F(LauncherE2E, PackageThatCannotBeInstalledLeavesTheRunningClientAlone) {
    enum Kind { kDamaged, kTooBig, kTooFewInodes, kFifo };
    struct Case {
        const char* name;
        Kind kind;
        std::string reason;
    };
    const Case cases[] = {
        {"damaged", kDamaged, "archive_read_next_header failed: '"},
        {"too big for the disk", kTooBig,
         "not enough free space in '" + home() + "/.NimbraBackup': "},
        {"more files than the disk has inodes", kTooFewInodes,
         "not enough free space in '" + home() + "/.NimbraBackup': "},
        {"a FIFO", kFifo, "package '" + root() + "/package/nimbra.hpk' is not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string user = home() + "/.NimbraBackup";
        fs::remove_all(user);
        TmpfsMount disk(user, 40 << 10);
        ASSERT_TRUE(disk.ok()) << disk.error();
        Publish(100);
        ASSERT_EQ(Launch().status, 0);
        const pid_t client = ClientPid();
        ASSERT_TRUE(Alive(client));
        const auto old_tree = Tree(app());
        // Leaves about 8 MiB: room for the package's data, not for the margin.
        if (c.kind == kTooBig) WriteFile(user + "/ballast", std::string(32 << 20, 'b'));
        // Bytes to spare, but inodes for a few small files only (the lock,
        // the pid file), not for the package's entries.
        struct statvfs st;
        ASSERT_EQ(statvfs(user.c_str(), &st), 0);
        const std::string inodes = "nr_inodes=" + std::to_string(st.f_files - st.f_ffree + 8);
        if (c.kind == kTooFewInodes) {
            ASSERT_EQ(mount("tmpfs", user.c_str(), "tmpfs", MS_REMOUNT, inodes.c_str()), 0);
        }

        Publish(101, 20, c.kind == kDamaged ? 10 : -1);
        if (c.kind == kFifo) {
            fs::remove(root() + "/package/nimbra.hpk");
            ASSERT_EQ(mkfifo((root() + "/package/nimbra.hpk").c_str(), 0644), 0);
        }
        const std::string before = log();
        EXPECT_EQ(Launch().status, 0);
        const std::string run = log().substr(before.size());
        EXPECT_TRUE(Alive(client)) << run;
        EXPECT_EQ(Tree(app()), old_tree);
        EXPECT_FALSE(Exists(app() + "_tmp"));
        EXPECT_TRUE(InOrder(run, {c.reason, "Failed to upgrade package", "): done\n"})) << run;
        EXPECT_EQ(run.find("local appdata exist"), std::string::npos) << run;
        EXPECT_EQ(ReadFile(user + "/starts.log"),
                  "start build_version=100\nstart build_version=100\n");
        kill(client, SIGKILL);
        ReapAll();
    }
}

// A quota that statvfs does not show (a btrfs qgroup) is exceeded during
// the extraction: the old copy is rolled back and its client left running,
// and the reason reaches the log, which lives under the same quota.
TEST_F(LauncherE2E, QuotaExceededDuringExtractionKeepsTheCopyAndTheReason) {
    const std::string disk = dir() + "/quota";
    const std::string image = dir() + "/quota.img";
    fs::create_directories(disk);
    const std::string make =
        "truncate -s 200M \"$0\" && mkfs.btrfs -q \"$0\" && mount -o loop \"$0\" \"$1\" && "
        "btrfs quota enable \"$1\" && btrfs subvolume create \"$1/home\" && "
        "btrfs qgroup limit 2M \"$1/home\"";
    const RunResult made = RunProgram("/bin/sh", {"-c", make, image, disk}, {}, dir());
    if (made.status != 0) {
        RunProgram("/bin/umount", {"-l", disk}, {}, dir());
        GTEST_SKIP() << "no btrfs disk with a quota here (btrfs-progs, loop devices): " << made.err;
    }
    const std::string h = disk + "/home";
    Publish(100);
    fs::copy_file(NIMBRA_STAGE "/log/launcher.debug", root() + "/log/launcher.debug",
                  fs::copy_options::overwrite_existing);
    EXPECT_EQ(Launch({}, h).status, 0);
    EXPECT_TRUE(Alive(ClientPid(h)));
    // Room on the disk, none under the quota: data that does not compress.
    package_ = SampleClient(101);
    std::string noise(3 << 20, '\0');
    uint32_t x = 2463534242u;
    for (char& c : noise) c = static_cast<char>((x ^= x << 13, x ^= x >> 17, x ^= x << 5));
    package_.push_back({"share/noise.bin", noise, 0644});
    WritePackage(root() + "/package/nimbra.hpk", package_);
    WriteFile(root() + "/INFO", package_[0].content);

    EXPECT_EQ(Launch({}, h).status, 0);
    const std::string log = ReadFile(h + "/.NimbraBackup/log/launcher.log");
    EXPECT_TRUE(InOrder(
        log, {"archive_read_extract2 failed", "Disk quota exceeded", "Failed to upgrade package"}));
    EXPECT_NE(ReadFile(h + "/.NimbraBackup/Nimbra.app/INFO").find("build_version=100"),
              std::string::npos);
    EXPECT_EQ(ReadFile(h + "/.NimbraBackup/starts.log"),
              "start build_version=100\nstart build_version=100\n");
    kill(ClientPid(h), SIGKILL);
    ReapAll();
    RunProgram("/bin/umount", {"-l", disk}, {}, dir());
}

// A new build whose client does not come up costs the user nothing: the old
// copy is put back and started, and the log says why; a client that is
// only slow to write its pid file keeps the new copy.
TEST_F(LauncherE2E, NewBuildWhoseClientDoesNotComeUpGoesBackToTheOldCopy) {
    const std::string pid_then =
        "dir=$(cd \"$(dirname \"$0\")/../..\" && pwd)\n"
        "echo \"pid=$$\" > \"$dir/ui.pid\"\n";
    const struct {
        const char* what;
        std::string script, client;  // "": as packaged
        bool back;
        std::string reason;
    } cases[] = {
        {"start script fails", "#!/bin/sh\nexit 127\n", "", true,
         "did not come up: the start script exited with status 127, no pid file"},
        {"client exits at once", "", "#!/bin/sh\n" + pid_then + "exit 1\n", true,
         "did not come up: "},
        {"client slow to write its pid file", "",
         "#!/bin/sh\nsleep 5\n" + pid_then + "trap 'exit 0' TERM\nwhile :; do sleep 1; done\n",
         false, "taking it as slow"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(home() + "/.NimbraBackup");
        Publish(100);
        ASSERT_EQ(Launch().status, 0);
        const pid_t old_client = ClientPid();
        const auto old_tree = Tree(app());
        Publish(101);
        for (auto& e : package_) {
            if (e.path == "package/start-stop" && !c.script.empty()) e.content = c.script;
            if (e.path == "bin/nimbra-backup-ui" && !c.client.empty()) e.content = c.client;
        }
        WritePackage(root() + "/package/nimbra.hpk", package_);
        const std::string before = log();
        EXPECT_EQ(Launch().status, 0);
        const std::string run = log().substr(before.size());
        EXPECT_FALSE(Alive(old_client));
        EXPECT_EQ(Tree(app()), c.back ? old_tree : PackageTree());
        EXPECT_FALSE(Exists(app() + "_tmp"));
        EXPECT_FALSE(Exists(app() + ".pending"));
        EXPECT_TRUE(InOrder(run, {c.reason})) << run;
        const std::string starts = ReadFile(home() + "/.NimbraBackup/starts.log");
        if (c.back) {
            EXPECT_TRUE(
                InOrder(run, {"rollback to old installation", "Failed to upgrade package"}));
            EXPECT_EQ(starts.substr(starts.rfind("start ")), "start build_version=100\n");
        } else {
            EXPECT_EQ(run.find("[ERROR]"), std::string::npos) << run;
        }
        // The client the user now has runs (a slow one after a while).
        for (int i = 0; i < 100 && !Alive(ClientPid()); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_TRUE(Alive(ClientPid()));
        kill(ClientPid(), SIGKILL);
        ReapAll();
    }
}

// On upgrade the old client is stopped however it is run, here by an
// interpreter from a file of the app folder without a "#!" line; a viewer
// opened on a file of the app folder after a stale pid file that names it
// is left alone.
TEST_F(LauncherE2E, UpgradeStopsAnInterpretedClientButNoViewer) {
    for (const bool viewer : {false, true}) {
        SCOPED_TRACE(viewer ? "viewer" : "interpreted client");
        fs::remove_all(home() + "/.NimbraBackup");
        Publish(100);
        std::string body;
        for (auto& e : package_) {
            if (e.path == "bin/nimbra-backup-ui") body = e.content.substr(e.content.find('\n') + 1);
        }
        package_.push_back({"lib/ui.sh", body, 0644});
        nimbra_test::WriteTree(app(), package_);
        pid_t pid = 0;
        if (viewer) {
            pid = Start("/usr/bin/tail", {"-f", app() + "/lib/ui.sh"}, {}, app() + "/lib",
                        "/dev/null", "/dev/null");
            const std::string pid_file = home() + "/.NimbraBackup/ui.pid";
            WriteFile(pid_file, "pid=" + std::to_string(pid) + "\n");
            fs::last_write_time(pid_file, fs::last_write_time(pid_file) - std::chrono::hours(1));
        } else {
            // Run as "sh lib/ui.sh" from the user folder; it reads its folder from $0.
            Start("/bin/sh", {"Nimbra.app/lib/ui.sh"}, {}, home() + "/.NimbraBackup", "/dev/null",
                  "/dev/null");
            pid = ClientPid();
        }
        ASSERT_GT(pid, 0);
        ASSERT_TRUE(Alive(pid));
        Publish(101);
        EXPECT_EQ(Launch().status, 0);
        ReapAll();
        EXPECT_EQ(Alive(pid), viewer) << log();
        EXPECT_EQ(Tree(app()), PackageTree());
        kill(pid, SIGKILL);
        ReapAll();
    }
}

// Another user who holds a lock file of his own in the user folder neither
// blocks the launcher nor passes for a running instance.
TEST_F(LauncherE2E, LockHeldByAnotherUserDoesNotBlock) {
    Publish(100);
    const std::string lock = home() + "/.NimbraBackup/launcher.lock";
    WriteFile(lock, "", 0666);
    ASSERT_EQ(chown(lock.c_str(), 65534, 65534), 0);
    fs::permissions(dir(), fs::perms::owner_all | fs::perms::others_exec);
    const pid_t holder = Start("/usr/bin/setpriv",
                               {"--reuid=65534", "--regid=65534", "--clear-groups",
                                "/usr/bin/flock", lock, "/bin/sleep", "60"},
                               {}, dir(), dir() + "/holder.out", dir() + "/holder.err");
    for (int i = 0;
         i < 500 && RunProgram("/usr/bin/flock", {"-n", lock, "true"}, {}, dir()).status == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));

    const RunResult r = Launch();
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(ReadFile(home() + "/.NimbraBackup/starts.log"), "start build_version=100\n");
    EXPECT_TRUE(
        InOrder(log(), {"[WARNING] qtsingleapplication(", "cannot take the instance lock '" + lock +
                                                              "' (not a regular file of "
                                                              "this user)"}));
    kill(holder, SIGKILL);
    Wait(holder, 10);
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
    EXPECT_NE(log().find("[WARNING] main("), std::string::npos) << log();
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

namespace {

int Count(const std::string& text, const std::string& needle) {
    int n = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
        ++n;
    return n;
}

// Unusual but real start-up environments. Each must prepare the copy in the
// user's real home and start the client; the log keeps the shipped level
// file, so an expected record shows in a default log.
TEST_F(LauncherE2E, UnusualEnvironmentsStillStartTheClient) {
    Publish(100);
    fs::copy_file(NIMBRA_STAGE "/log/launcher.debug", root() + "/log/launcher.debug",
                  fs::copy_options::overwrite_existing);
    const std::string latin1_root = dir() + "/r\xe9root";
    fs::copy(root(), latin1_root, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    // Without HOME the home comes from the password database: the launcher
    // runs in a mount namespace of its own that sees a password file naming
    // a home in the sandbox, and as an ordinary user (nobody), so that a
    // launcher that took "/" for the home could not write there.
    const bool own_passwd = RunProgram("/usr/bin/unshare", {"-m", "true"}, {}, dir()).status == 0;
    const std::string passwd = dir() + "/passwd";
    const std::string with_passwd =
        "mount --bind \"$0\" /etc/passwd && "
        "exec setpriv --reuid=65534 --regid=65534 --clear-groups \"$1\"";
    fs::permissions(dir(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);

    const struct {
        const char* what;
        std::string home;
        bool passwd_home;
        const char* home_env;  // nullptr: unset
        std::string root;
        const char* platform;
        std::string record;  // "": the default log stays empty
    } cases[] = {
        {"HOME unset", dir() + "/pw1", true, nullptr, root(), "offscreen", ""},
        {"HOME empty", dir() + "/pw2", true, "", root(), "offscreen", ""},
        {"HOME with Latin-1 bytes", dir() + "/caf\xe9", false, "", root(), "offscreen", ""},
        {"root with Latin-1 bytes", dir() + "/h4", false, "", latin1_root, "offscreen", ""},
        {"wayland set without a socket", dir() + "/h5", false, "", root(), "wayland",
         "no display could be opened (platforms 'wayland'), preparing the client without a "
         "window\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.passwd_home && !own_passwd) {
            std::cout << "no mount namespace here, skipping: " << c.what << "\n";
            continue;
        }
        fs::create_directories(c.home);
        homes_.push_back(c.home);
        if (c.passwd_home) {
            ASSERT_EQ(chown(c.home.c_str(), 65534, 65534), 0);
            WriteFile(passwd, "u:x:65534:65534::" + c.home + ":/bin/sh\n");
        }
        const std::string launcher = c.root + "/bin/launcher";
        const RunResult r = c.passwd_home
                                ? RunProgram("/usr/bin/unshare",
                                             {"-m", "/bin/sh", "-c", with_passwd, passwd, launcher},
                                             {{"HOME", c.home_env},
                                              {"QT_QPA_PLATFORM", c.platform},
                                              {"XDG_RUNTIME_DIR", nullptr}},
                                             dir(), 60)
                                : RunProgram(launcher, {},
                                             {{"HOME", c.home.c_str()},
                                              {"QT_QPA_PLATFORM", c.platform},
                                              {"WAYLAND_DISPLAY", nullptr},
                                              {"XDG_RUNTIME_DIR", nullptr}},
                                             dir(), 60);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "lib path = '" + c.root + "/lib/plugins'\n");
        const std::string user = c.home + "/.NimbraBackup";
        EXPECT_EQ(Tree(user + "/Nimbra.app"), PackageTree());
        EXPECT_EQ(ReadFile(user + "/starts.log"), "start build_version=100\n");
        EXPECT_EQ(ReadFile(user + "/client.home"),
                  c.home);  // the launcher's home, also without HOME
        EXPECT_TRUE(Alive(ClientPid(c.home)));
        const std::string log = ReadFile(user + "/log/launcher.log");
        if (c.record.empty())
            EXPECT_EQ(log, "");
        else
            EXPECT_NE(log.find("[WARNING] main("), std::string::npos) << log;
        EXPECT_NE(log.find(c.record), std::string::npos) << log;
    }
    // Nothing was made with the bytes decoded as text (U+FFFD) or at "/".
    EXPECT_FALSE(Exists(dir() + "/caf\xef\xbf\xbd"));
    EXPECT_FALSE(Exists("/.NimbraBackup/Nimbra.app"));
}

// Sessions users really have, each met by the upgrade from build 100 (whose
// client runs) to 101. The launcher must end with status 0 within the bound,
// keep a whole copy (the new one where it can be made safely) and name in
// the default log what kept it from upgrading; the next plain run must then
// converge to the new copy, which also shows that the lock was freed.
TEST_F(LauncherE2E, SessionsUsersReallyHaveEndWithAWholeCopy) {
    // A uid of this test alone: the task limit counts every process of a user.
    const uid_t kUser = 47011;
    const std::string user_arg = "--reuid=" + std::to_string(kUser);
    const std::string group_arg = "--regid=" + std::to_string(kUser);
    fs::permissions(dir(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    const std::string no_proc =
        "exec unshare -m --propagation private /bin/sh -c 'while umount -l /proc; do :; done; "
        "[ ! -e /proc/self ] && exec \"$0\"' "
        "\"$0\"";
    const bool can_unshare = RunProgram("/usr/bin/unshare", {"-m", "true"}, {}, dir()).status == 0;
    std::string h;  // the row's home
    // Killed and reaped: a zombie would still pass for a running client.
    const auto kill_client = [&] {
        const pid_t pid = ClientPid(h);
        if (pid > 0) kill(pid, SIGKILL);
        for (int i = 0; i < 1000 && pid > 0 && kill(pid, 0) == 0; ++i) {
            ReapAll();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    };
    const auto move_behind_link = [&](const std::string& folder, const std::string& to) {
        fs::create_directories(fs::path(to).parent_path());
        fs::rename(folder, to);
        fs::create_symlink(to, folder);
    };
    const struct {
        const char* what;
        bool as_user;  // root ignores the task limit and file modes
        bool needs_unshare;
        std::string wrap;  // shell command of the run, "$0" the launcher
        const char* out;
        std::function<void()> before;  // after the first install
        int build;                     // of the copy after the run
        std::string record;            // in the default log ("": no error there)
    } cases[] = {
        {"standard streams closed", false, false, "exec \"$0\"", kClosedStream, [] {}, 101, ""},
        {"standard streams a broken pipe", false, false, "exec \"$0\"", kBrokenPipe, [] {}, 101,
         ""},
        {"task limit reached", true, false, "exec prlimit --nproc=1 \"$0\"", nullptr, [] {}, 100,
         "cannot create the worker thread: Resource temporarily unavailable"},
        {"no /proc, client running", false, true, no_proc, nullptr, [] {}, 100,
         "is the client: /proc: No such file or directory, not replacing the copy"},
        {"no /proc, client gone", false, true, no_proc, nullptr, kill_client, 101, ""},
        {"user folder behind a link", false, false, "exec \"$0\"", nullptr,
         [&] { move_behind_link(h + "/.NimbraBackup", h + "-disk/NB"); }, 101, ""},
        {"app folder behind a link", false, false, "exec \"$0\"", nullptr,
         [&] { move_behind_link(h + "/.NimbraBackup/Nimbra.app", h + "-disk/Nimbra.app"); }, 101,
         ""},
        {"INFO unreadable", true, false, "exec \"$0\"", nullptr,
         [&] { fs::permissions(root() + "/INFO", fs::perms::owner_read); }, 100,
         "cannot read the version file '" + root() + "/INFO': Permission denied, not upgrading"},
        {"package unreadable", true, false, "exec \"$0\"", nullptr,
         [&] { fs::permissions(root() + "/package/nimbra.hpk", fs::perms::owner_read); }, 100,
         "cannot read package '" + root() + "/package/nimbra.hpk': Permission denied"},
    };
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.needs_unshare && !can_unshare) {
            std::cout << "no mount namespace here, skipping: " << c.what << "\n";
            continue;
        }
        h = dir() + "/s" + std::to_string(++row);
        fs::create_directories(h);
        homes_.push_back(h);
        if (c.as_user) {
            ASSERT_EQ(chown(h.c_str(), kUser, kUser), 0);
        }
        const auto run = [&](const std::string& wrap, const char* out) {
            const std::string base = h + ".run";
            const std::string o = out ? out : base + ".out";
            const std::map<std::string, const char*> env{{"HOME", h.c_str()},
                                                         {"QT_QPA_PLATFORM", "offscreen"},
                                                         {"XDG_RUNTIME_DIR", nullptr}};
            const pid_t pid = c.as_user ? Start("/usr/bin/setpriv",
                                                {user_arg, group_arg, "--clear-groups", "/bin/sh",
                                                 "-c", wrap, launcher()},
                                                env, dir(), o, out ? out : base + ".err")
                                        : Start("/bin/sh", {"-c", wrap, launcher()}, env, dir(), o,
                                                out ? out : base + ".err");
            return Wait(pid, 30);
        };
        Publish(100);
        fs::copy_file(NIMBRA_STAGE "/log/launcher.debug", root() + "/log/launcher.debug",
                      fs::copy_options::overwrite_existing);
        ASSERT_EQ(run("exec \"$0\"", nullptr), 0);
        const pid_t old_client = ClientPid(h);
        ASSERT_TRUE(Alive(old_client));
        Publish(101, 5);
        c.before();
        const std::string user = h + "/.NimbraBackup";
        const std::string before = ReadFile(user + "/log/launcher.log");
        const bool linked = fs::is_symlink(user + "/Nimbra.app");  // must stay where it points

        EXPECT_EQ(run(c.wrap, c.out), 0) << "the launcher hung or died";
        const std::string log = ReadFile(user + "/log/launcher.log").substr(before.size());
        EXPECT_NE(
            ReadFile(user + "/Nimbra.app/INFO").find("build_version=" + std::to_string(c.build)),
            std::string::npos);
        if (c.build == 100) {
            EXPECT_TRUE(Alive(old_client)) << "the running client was stopped";
        } else if (c.out != nullptr && std::string(c.out) == kBrokenPipe) {
            // The launcher ignores SIGPIPE; the client it starts must not.
            pid_t client = -1;
            for (int i = 0; i < 500 && (client == old_client || !Alive(client)); ++i) {
                client = ClientPid(h);
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            const std::string status = ReadFile("/proc/" + std::to_string(client) + "/status");
            const size_t at = status.find("SigIgn:\t");
            ASSERT_NE(at, std::string::npos) << status;
            EXPECT_EQ(std::stoull(status.substr(at + 8), nullptr, 16) & (1ull << (SIGPIPE - 1)),
                      0u);
        }
        if (c.record.empty()) {
            EXPECT_EQ(log.find("[ERROR]"), std::string::npos) << log;
        } else {
            EXPECT_NE(log.find(c.record), std::string::npos) << log;
        }

        fs::permissions(root() + "/INFO", fs::perms::owner_read | fs::perms::owner_write |
                                              fs::perms::group_read | fs::perms::others_read);
        fs::permissions(root() + "/package/nimbra.hpk",
                        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::others_read);
        EXPECT_EQ(run("exec \"$0\"", nullptr), 0);
        EXPECT_EQ(Tree(fs::canonical(user + "/Nimbra.app")), PackageTree())
            << "the next run did not converge";
        EXPECT_EQ(fs::is_symlink(user + "/Nimbra.app"), linked);
        EXPECT_FALSE(Exists(user + "/Nimbra.app_tmp"));
        EXPECT_FALSE(Exists(h + "-disk/Nimbra.app_tmp"));
        kill_client();
    }
}

// Two launchers of the same user started together on a first install, one
// with a runtime folder from one installation (desktop autostart), one
// without it from another (a terminal): one extraction, one whole copy and
// one client. Several rounds, since a race that shows once in four runs is
// still a race.
TEST_F(LauncherE2E, TwoLaunchersInDifferentEnvironmentsPrepareTheCopyOnce) {
    Publish(100, 300);
    const std::string root2 = dir() + "/root2";
    fs::copy(root(), root2, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    const std::string runtime = dir() + "/runtime";
    fs::create_directory(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    const std::string hold = dir() + "/hold";

    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::string h = dir() + "/race" + std::to_string(round);
        const std::string user = h + "/.NimbraBackup";
        fs::create_directories(h);
        homes_.push_back(h);
        fs::remove(hold);
        std::map<std::string, const char*> env{{"HOME", h.c_str()},
                                               {"QT_QPA_PLATFORM", "offscreen"},
                                               {"XDG_RUNTIME_DIR", runtime.c_str()},
                                               {"NIMBRA_TEST_HOLD", hold.c_str()}};
        const pid_t a =
            Start(root() + "/bin/launcher", {}, env, dir(), dir() + "/a.out", dir() + "/a.err");
        env["XDG_RUNTIME_DIR"] = nullptr;
        const pid_t b =
            Start(root2 + "/bin/launcher", {}, env, dir(), dir() + "/b.out", dir() + "/b.err");
        // The one that prepares waits in the start script for the hold file;
        // the other is meant to have given up by then.
        for (int i = 0; i < 6000; ++i) {
            const std::string log = ReadFile(user + "/log/launcher.log");
            if (Count(log, "app has already launched") + Count(log, "removing aged app folder") >=
                2)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        WriteFile(hold, "");
        EXPECT_EQ(Wait(a, 60), 0);
        EXPECT_EQ(Wait(b, 60), 0);

        const std::string log = ReadFile(user + "/log/launcher.log");
        EXPECT_EQ(Count(log, "extract package: '"), 1) << log;
        EXPECT_EQ(Count(log, "app has already launched, return"), 1) << log;
        EXPECT_EQ(Tree(user + "/Nimbra.app"), PackageTree());
        EXPECT_FALSE(Exists(user + "/Nimbra.app.pending"));
        EXPECT_EQ(ReadFile(user + "/starts.log"), "start build_version=100\n");
        EXPECT_TRUE(Alive(ClientPid(h)));
    }
}

}  // namespace
