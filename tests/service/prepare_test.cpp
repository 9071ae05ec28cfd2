// Preparing the user's copy: backup names, extraction of real archives,
// rollback, first installation, and the next run after a run that was
// killed half-way.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "extractor.h"
#include "extractor/archive_writer.h"
#include "file/file-op.h"
#include "linux/linux-service.h"
#include "service/service_support.h"
#include "upgrade/preparation-record.h"

namespace fs = std::filesystem;
using namespace service_test;

namespace {

// Extracts an archive of the test's choosing instead of the machine-wide
// package, the way the real ExtractPackage does.
class PackageService : public LinuxService {
public:
    explicit PackageService(const std::string& archive) : archive_(archive) {
        trial_window_ms = 300;
    }

    int ExtractPackage() override {
        ++extractions;
        if (FSMKDir(layout.app_folder, true) != 0) return -1;
        Extractor e;
        e.SetSource(archive_.c_str());
        e.SetTarget(layout.app_folder);
        return e.Extract();
    }

    using LinuxService::IsNewCopyWhole;
    using LinuxService::last_failure;
    using LinuxService::retry_interval_s;
    using LinuxService::source_version;
    using LinuxService::target_version;
    int extractions = 0;

private:
    std::string archive_;
};

class PrepareTest : public ServiceTest {
protected:
    void SetUp() override {
        ServiceTest::SetUp();
        old_ = SamplePackage(100, 3);
        old_.push_back({"user-note", "kept by the user", 0644});
        new_ = SamplePackage(101, 5);
        WritePackage(good(), new_);
        WritePackage(damaged(), new_, /*damage_after=*/4);
    }

    std::string good() const { return dir() + "/good.hpk"; }
    std::string damaged() const { return dir() + "/damaged.hpk"; }
    std::string backup(int i) const { return app() + "_tmp" + (i ? std::to_string(i) : ""); }
    std::string marker() const { return app() + ".pending"; }

    // No backup name and no record left.
    ::testing::AssertionResult Clean() const {
        for (int i = 0; i < 10; ++i)
            if (Exists(backup(i))) return ::testing::AssertionFailure() << backup(i) << " left";
        if (Exists(marker())) return ::testing::AssertionFailure() << "record left";
        return ::testing::AssertionSuccess();
    }

    Package old_, new_;
};

TEST_F(PrepareTest, UpgradeMovesPastAStaleBackupAndRemovesBoth) {
    WriteTree(app(), old_);
    WriteFile(backup(0) + "/stale", "from an interrupted run");
    WriteFile(backup(9) + "/stale", "from a run killed while removing backups");
    PackageService s(good());
    EXPECT_EQ(s.PrepareUserEnv(), 0);
    EXPECT_EQ(Tree(app()), TreeOf(new_));
    EXPECT_TRUE(Clean());
    // The preparation started the client already: it is waited for, once.
    s.PostUpgrade();
    EXPECT_EQ(ReadFile(user() + "/starts.log"), "start-stop\nstart\n");
    EXPECT_EQ(Count(log(), "failed to backup app"), 1);
    EXPECT_TRUE(InOrder(log(), {"[ERROR] nimbra-service(%d): failed to backup app from '" + app() +
                                    "' -> '" + backup(0) + "': Directory not empty",
                                "[INFO] nimbra-service(%d): user installation is ready, removing "
                                "backup app"}));
}

// Each destructive step must be durable before the next: the record is on
// disk before the folder it announces is moved, and the new copy is on disk
// before the record lets its backup go. The client starts from the checked
// copy before that sync and before its trial is recorded (the client must
// not wait for a flush), while the record still leads a next run to the
// backup; the backups go only after the trial. The program is linked with these calls wrapped (see
// CMakeLists.txt), so their order can be read back.
std::vector<std::string>* g_calls = nullptr;
std::string g_watched;

std::string Watched(const std::string& path) {
    if (path.compare(0, g_watched.size(), g_watched) != 0) return "";
    return path.size() == g_watched.size() ? "." : path.substr(g_watched.size() + 1);
}

std::string PathOf(int fd) {
    return fs::read_symlink("/proc/self/fd/" + std::to_string(fd)).string();
}

void Note(const std::string& call, const std::string& path, const std::string& more = "") {
    const std::string watched = Watched(path);
    if (g_calls != nullptr && !watched.empty()) g_calls->push_back(call + " " + watched + more);
}

}  // namespace

extern "C" {
int __real_fsync(int fd);
int __real_syncfs(int fd);
int __real_rename(const char* from, const char* to);
int __real_unlinkat(int dirfd, const char* name, int flags);
int __real_posix_spawn(pid_t* pid, const char* path, const posix_spawn_file_actions_t* actions,
                       const posix_spawnattr_t* attr, char* const argv[], char* const envp[]);

int __wrap_fsync(int fd) {
    Note("fsync", PathOf(fd));
    return __real_fsync(fd);
}
int __wrap_syncfs(int fd) {
    Note("syncfs", PathOf(fd));
    return __real_syncfs(fd);
}
int __wrap_rename(const char* from, const char* to) {
    const bool record = std::string(to).size() > 8 &&
                        std::string(to).compare(std::string(to).size() - 8, 8, ".pending") == 0;
    Note("rename", from, " " + (record ? "<" + ReadFile(from) + ">" : Watched(to)));
    return __real_rename(from, to);
}
// Folders removed right in the watched folder: the backups.
int __wrap_unlinkat(int dirfd, const char* name, int flags) {
    if (g_calls != nullptr && (flags & AT_REMOVEDIR) != 0) {
        const std::string path = PathOf(dirfd) + "/" + name;
        if (Watched(path).find('/') == std::string::npos) Note("rmdir", path);
    }
    return __real_unlinkat(dirfd, name, flags);
}
int __wrap_posix_spawn(pid_t* pid, const char* path, const posix_spawn_file_actions_t* actions,
                       const posix_spawnattr_t* attr, char* const argv[], char* const envp[]) {
    Note("spawn", path);
    return __real_posix_spawn(pid, path, actions, attr, argv, envp);
}
}

namespace {

TEST_F(PrepareTest, EveryStepIsDurableBeforeTheNext) {
    WriteTree(app(), old_);
    std::vector<std::string> calls;
    g_watched = user();
    g_calls = &calls;
    PackageService s(good());
    const int r = s.PrepareUserEnv();
    g_calls = nullptr;
    EXPECT_EQ(r, 0);
    const std::vector<std::string> expected = {
        "fsync Nimbra.app.pending.new",
        "rename Nimbra.app.pending.new <whole 0\n>",
        "fsync .",
        "rename Nimbra.app Nimbra.app_tmp",
        "fsync Nimbra.app.pending.new",
        "rename Nimbra.app.pending.new <partial 0\n>",
        "fsync .",
        "spawn Nimbra.app/package/start-stop",
        "fsync Nimbra.app.pending.new",
        "rename Nimbra.app.pending.new <trial 0\n>",
        "syncfs Nimbra.app",
        "fsync Nimbra.app.pending.new",
        "rename Nimbra.app.pending.new <whole -1\n>",
        "fsync .",
        "rmdir Nimbra.app_tmp",
        "fsync .",
    };
    EXPECT_EQ(calls, expected);

    // A recovery is as careful: the record is rewritten before the leftover
    // backups go, and only removed after them.
    fs::remove_all(app());
    WriteTree(app(), new_);
    WriteTree(backup(0), old_);
    WriteTree(backup(1), old_);
    WriteFile(marker(), "partial 1\n");
    calls.clear();
    g_calls = &calls;
    EXPECT_EQ(s.RecoverUnfinishedPreparation(), 0);
    g_calls = nullptr;
    const std::vector<std::string> recovery = {
        "rmdir Nimbra.app",
        "rename Nimbra.app_tmp1 Nimbra.app",
        "fsync Nimbra.app.pending.new",
        "rename Nimbra.app.pending.new <whole -1\n>",
        "fsync .",
        "rmdir Nimbra.app_tmp",
        "fsync .",
    };
    EXPECT_EQ(calls, recovery);
    EXPECT_EQ(Tree(app()), TreeOf(old_));
    EXPECT_TRUE(Clean());
}

TEST_F(PrepareTest, AllTenBackupNamesTakenTouchesNothing) {
    WriteTree(app(), old_);
    for (int i = 0; i < 10; ++i) WriteFile(backup(i) + "/stale", std::to_string(i));
    PackageService s(good());
    EXPECT_EQ(s.PrepareUserEnv(), -1);
    EXPECT_EQ(s.extractions, 0);
    EXPECT_EQ(Tree(app()), TreeOf(old_));
    for (int i = 0; i < 10; ++i) EXPECT_EQ(ReadFile(backup(i) + "/stale"), std::to_string(i));
    EXPECT_FALSE(Exists(marker()));
    std::vector<std::string> records;
    for (int i = 0; i < 10; ++i)
        records.push_back("[ERROR] nimbra-service(%d): failed to backup app from '" + app() +
                          "' -> '" + backup(i) + "': Directory not empty");
    records.push_back("[ERROR] nimbra-service(%d): failed to backup app from '" + app() + "' -> '" +
                      backup(9) + "' at max retries, exiting");
    EXPECT_TRUE(InOrder(log(), records));
    EXPECT_EQ(Count(log(), "failed to backup app"), 11);
}

// A record that can't be written stops the preparation before anything is
// moved or extracted, and the log names why, for an upgrade (the backup's
// record) and a first installation (the extraction's).
TEST_F(PrepareTest, RecordThatCannotBeWrittenTouchesNothing) {
    for (const bool first_install : {false, true}) {
        SCOPED_TRACE(first_install ? "first installation" : "upgrade");
        fs::remove_all(app());
        if (!first_install) WriteTree(app(), old_);
        WriteFile(marker() + ".new/blocks", "a folder where the record is written");
        PackageService s(good());
        Mark();
        EXPECT_EQ(s.PrepareUserEnv(), -1);
        EXPECT_EQ(s.extractions, 0);
        if (!first_install) {
            EXPECT_EQ(Tree(app()), TreeOf(old_));
        }
        EXPECT_FALSE(Exists(first_install ? app() : backup(0)));
        EXPECT_FALSE(Exists(marker()));
        EXPECT_TRUE(InOrder(logSinceMark(), {"[ERROR] nimbra-service(%d): failed to record the "
                                             "preparation in '" +
                                             marker() + "': Is a directory"}));
        fs::remove_all(marker() + ".new");
    }
}

TEST_F(PrepareTest, DamagedArchiveRollsTheOldCopyBack) {
    WriteTree(app(), old_);
    PackageService s(damaged());
    EXPECT_EQ(s.PrepareUserEnv(), -1);
    EXPECT_EQ(Tree(app()), TreeOf(old_));
    EXPECT_TRUE(Clean());
    EXPECT_TRUE(InOrder(log(), {"[ERROR] nimbra-service(%d): Failed to extract package, rollback "
                                "to old installation"}));
}

// A package that extracts without error but does not make a whole client
// must not cost the old copy: it is rolled back, as a damaged one is.
TEST_F(PrepareTest, PackageThatIsNotAWholeClientRollsTheOldCopyBack) {
    Package no_script(new_.begin(), new_.end());
    no_script.erase(no_script.begin() + 2);
    Package not_executable = new_;
    not_executable[1].mode = 0644;
    struct Case {
        const char* name;
        Package package;
        std::string target_build;
        std::string missing;
    } cases[] = {
        {"only the folder itself", {}, "101", "INFO with the machine-wide build"},
        {"older than the machine-wide build", new_, "102", "INFO with the machine-wide build"},
        {"no start script", no_script, "101", "executable package/start-stop"},
        {"executable not executable", not_executable, "101", "executable bin/nimbra-backup-ui"},
    };
    ASSERT_EQ(no_script[2].path.rfind("package/start-stop", 0), std::string::npos);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(app());
        WriteTree(app(), old_);
        const std::string pkg = dir() + "/partial.tar";
        if (c.package.empty()) {
            ASSERT_EQ(nimbra_test::WriteArchive(pkg, nimbra_test::ArchiveFormat::kTar,
                                                {nimbra_test::Dir("/")}),
                      "");
        } else {
            WritePackage(pkg, c.package);
        }
        PackageService s(pkg);
        s.target_version.build_version = c.target_build.c_str();
        Mark();
        EXPECT_EQ(s.PrepareUserEnv(), -1);
        EXPECT_EQ(Tree(app()), TreeOf(old_));
        EXPECT_TRUE(Clean());
        EXPECT_TRUE(InOrder(logSinceMark(),
                            {"[ERROR] nimbra-service(%d): the extracted copy in '" + app() +
                                 "' has no " + c.missing,
                             "[ERROR] nimbra-service(%d): Failed to extract package, rollback to "
                             "old installation"}));
    }
}

// Real packages often give the client's files as links into the copy. Both
// checks follow such a link, inside the copy only.
TEST_F(PrepareTest, ClientFilesLinkedInsideTheCopyAreWholeAndNoOthers) {
    WriteTree(app(), new_);
    WriteFile(app() + "/lib/x/client", "#!/bin/sh\n", 0755);
    WriteFile(app() + "/lib/x/data", "x");
    WriteFile(user() + "/outside", "#!/bin/sh\n", 0755);
    fs::create_directory_symlink("x", app() + "/lib/to-x");
    const struct {
        std::string body;  // of bin/nimbra-backup-ui, then of package/start-stop
        bool whole;
    } cases[] = {
        {"../lib/x/client", true},
        {"../lib/to-x/../x/./client", true},
        {"../lib/to-x/client", true},
        {"../lib/x/data", false},  // not executable
        {"../lib/x", false},
        {"../lib/x/none", false},
        {"../../outside", false},
        {"../../Nimbra.app/lib/x/client", false},  // leaves the copy on the way
        {app() + "/lib/x/client", false},          // absolute: wrong once the copy moves
        {"self", false},                           // a loop
    };
    PackageService s(good());
    for (const char* file : {"/bin/nimbra-backup-ui", "/package/start-stop"}) {
        const std::string linked = app() + file;
        const std::string real = ReadFile(linked);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(file) + " -> " + c.body);
            fs::remove(linked);
            fs::create_symlink(c.body == "self" ? fs::path(linked).filename().string() : c.body,
                               linked);
            EXPECT_EQ(s.IsNewCopyWhole(app().c_str()), c.whole);
            EXPECT_EQ(s.HasWholeCopy(), c.whole || file[1] == 'b');
        }
        fs::remove(linked);
        WriteFile(linked, real, 0755);
    }
}

TEST_F(PrepareTest, FirstInstallationAndItsRetryAfterAFailure) {
    PackageService failing(damaged());
    EXPECT_EQ(failing.PrepareUserEnv(), -1);
    EXPECT_TRUE(InOrder(log(), {"[ERROR] nimbra-service(%d): Failed to extract package, and no "
                                "old installation to rollback"}));
    // The record makes the next run see that the copy is not complete, and
    // nothing may start from it meanwhile.
    ASSERT_TRUE(Exists(marker()));
    WriteTree(app(), new_);
    EXPECT_FALSE(failing.HasWholeCopy());
    failing.PostUpgrade();
    EXPECT_FALSE(Exists(user() + "/starts.log"));
    EXPECT_TRUE(
        InOrder(log(), {"[ERROR] linux/linux-service(%d): no whole copy of the client in '" +
                        app() + "', not starting it"}));
    PackageService next(good());
    next.source_version.build_version = "101";
    next.target_version.build_version = "101";
    EXPECT_TRUE(next.IsNeedUpgrade());
    WriteFile(backup(0) + "/stale", "x");
    EXPECT_EQ(next.PrepareUserEnv(), 0);
    EXPECT_EQ(Tree(app()), TreeOf(new_));
    EXPECT_TRUE(Clean());
    EXPECT_FALSE(next.IsNeedUpgrade());
}

// The new copy is on trial until its client comes up: a start script that
// fails, or a client that ends at once, puts the old copy back; a slow one
// is not rolled back; a first installation keeps its copy and is reported
// as failed. A build that failed twice is tried again only once a day.
TEST_F(PrepareTest, NewClientThatDoesNotComeUpPutsTheOldCopyBack) {
    const std::string client_exits =
        "#!/bin/sh\necho \"pid=$$\" > \"$HOME/.NimbraBackup/ui.pid\"\nexit 1\n";
    const std::string runs_client =
        "#!/bin/sh\n\"$(dirname \"$0\")/../bin/nimbra-backup-ui\" </dev/null >/dev/null &\n";
    const struct {
        const char* what;
        bool first_install;
        std::string script, client;  // "": as packaged
        bool up;
        std::string reason;
    } cases[] = {
        {"start script fails", false, "#!/bin/sh\nexit 127\n", "", false,
         "the start script exited with status 127, no pid file"},
        {"start script killed", false, "#!/bin/sh\nkill -9 $$\n", "", false,
         "the start script was ended by signal 9, no pid file"},
        {"client ends at once", false, runs_client, client_exits, false, ""},
        {"slow start script", false, "#!/bin/sh\nsleep 1\n", "", true, ""},
        {"client that execs a helper", false, runs_client,
         "#!/bin/sh\necho \"pid=$$\" > \"$HOME/.NimbraBackup/ui.pid\"\nexec sleep 30\n", true, ""},
        {"first installation, start script fails", true, "#!/bin/sh\nexit 127\n", "", false,
         "the start script exited with status 127, no pid file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::string& d : {app(), backup(0), user() + "/ui.pid"}) fs::remove_all(d);
        if (!c.first_install) WriteTree(app(), old_);
        Package pkg = new_;
        for (auto& e : pkg) {
            if (e.path == "package/start-stop") e.content = c.script;
            if (e.path == "bin/nimbra-backup-ui" && !c.client.empty()) e.content = c.client;
        }
        WritePackage(dir() + "/trial.hpk", pkg);
        PackageService s(dir() + "/trial.hpk");
        s.target_version.build_version = "101";
        Mark();
        EXPECT_EQ(s.PrepareUserEnv(), c.up ? 0 : -1);
        EXPECT_EQ(Tree(app()), TreeOf(c.up || c.first_install ? pkg : old_));
        EXPECT_TRUE(Clean());
        const std::string pid = ReadFile(user() + "/ui.pid");
        if (c.up && pid.rfind("pid=", 0) == 0) kill(std::stoi(pid.substr(4)), SIGKILL);
        if (c.up) continue;
        EXPECT_EQ(s.last_failure,
                  c.first_install ? Service::Failure::kNoClient : Service::Failure::kOther);
        const std::string failed = "[ERROR] linux/linux-service(";
        const size_t at = logSinceMark().find("' did not come up: " + c.reason);
        EXPECT_NE(at, std::string::npos) << logSinceMark();
        EXPECT_NE(logSinceMark().rfind(failed, at), std::string::npos);
        EXPECT_NE(logSinceMark().find(c.first_install ? "did not come up, and no old installation"
                                                      : "did not come up, rollback to old"),
                  std::string::npos);
    }

    // Build 101 failed (the first installation counts); after one more
    // failure it waits for the retry interval.
    PackageService next(good());
    next.source_version.build_version = "100";
    next.target_version.build_version = "101";
    FailedStartRecord(app().c_str()).Add(101, time(nullptr));
    EXPECT_FALSE(next.IsNeedUpgrade());
    EXPECT_NE(log().find("[WARNING] nimbra-service("), std::string::npos);
    EXPECT_NE(log().find("the client of build 101 did not come up 2 times in a row, last on "),
              std::string::npos)
        << log();
    next.retry_interval_s = 0;
    EXPECT_TRUE(next.IsNeedUpgrade());
    next.retry_interval_s = 3600;
    next.target_version.build_version = "102";  // another build is tried at once
    EXPECT_TRUE(next.IsNeedUpgrade());
}

// The states a run can leave when it is killed, and what the next run makes
// of them: with a damaged package the old copy must be back in place, with
// a good one the app folder must hold exactly the package.
TEST_F(PrepareTest, NextRunAfterAKillEndsWithTheWholeOldOrTheWholeNewCopy) {
    Package partial_new(new_.begin(), new_.begin() + 2);  // INFO and the executable
    Package partial_old(old_.begin() + 2, old_.end());
    const struct {
        const char* when;
        const char* record;
        const Package* app;  // nullptr: no app folder
        const Package* tmp;
        const Package* tmp1;
        const Package* after_failure;  // expected app folder after a failed retry
        bool startable;                // the app folder may be started as it stands
    } cases[] = {
        {"record written, nothing renamed", "whole 0\n", &old_, nullptr, nullptr, &old_, true},
        {"renamed, record not yet updated", "whole 0\n", nullptr, &old_, nullptr, &old_, false},
        {"renamed past a stale name", "whole 1\n", nullptr, &partial_old, &old_, &old_, false},
        {"during extraction", "partial 0\n", &partial_new, &old_, nullptr, &old_, false},
        {"client started, new copy not yet durable", "partial 0\n", &new_, &old_, nullptr, &old_,
         false},
        {"during the trial of the new client", "trial 0\n", &new_, &old_, nullptr, &old_, false},
        {"during the rollback", "partial 1\n", &partial_new, &partial_old, &old_, &old_, false},
        {"old copy moved back by a recovery", "partial 0\n", &old_, nullptr, nullptr, &old_, true},
        {"while removing the backups", "whole -1\n", &new_, &partial_old, nullptr, &new_, true},
        {"while removing the second of two backups", "whole -1\n", &new_, nullptr, &partial_old,
         &new_, true},
        {"during a first installation", "partial -1\n", &partial_new, nullptr, nullptr, nullptr,
         false},
        {"record unreadable", "garbage\n", &old_, nullptr, nullptr, &old_, false},
    };
    for (const auto& c : cases) {
        for (const bool retry_fails : {true, false}) {
            SCOPED_TRACE(std::string(c.when) + (retry_fails ? ", damaged package" : ""));
            for (const std::string& d : {app(), backup(0), backup(1)}) fs::remove_all(d);
            WriteFile(marker(), c.record);
            if (c.app) WriteTree(app(), *c.app);
            if (c.tmp) WriteTree(backup(0), *c.tmp);
            if (c.tmp1) WriteTree(backup(1), *c.tmp1);

            PackageService s(retry_fails ? damaged() : good());
            EXPECT_EQ(s.HasWholeCopy(), c.startable);
            // A copy recorded whole is finished, not extracted again.
            if (std::string(c.record) == "whole -1\n") {
                s.source_version.build_version = s.target_version.build_version = "101";
                EXPECT_EQ(s.FinishRecordedUpgrade(), 0);
                EXPECT_FALSE(s.IsNeedUpgrade());
                EXPECT_EQ(Tree(app()), TreeOf(new_));
                EXPECT_TRUE(Clean());
                continue;
            }
            EXPECT_TRUE(s.IsNeedUpgrade());
            if (retry_fails) {
                EXPECT_EQ(s.PrepareUserEnv(), -1);
                if (c.after_failure) {
                    EXPECT_EQ(Tree(app()), TreeOf(*c.after_failure));
                }
            } else {
                EXPECT_EQ(s.PrepareUserEnv(), 0);
                EXPECT_EQ(Tree(app()), TreeOf(new_));
                EXPECT_TRUE(Clean());
            }
        }
    }
}

TEST_F(PrepareTest, CopyPath) {
    WriteTree(dir() + "/src", old_);
    PackageService s(good());
    EXPECT_EQ(s.FSCopyPath((dir() + "/src").c_str(), (dir() + "/copy/of").c_str()), 0);
    EXPECT_EQ(Tree(dir() + "/copy/of"), TreeOf(old_));
    EXPECT_EQ(s.FSCopyPath((dir() + "/src/INFO").c_str(), (dir() + "/info").c_str()), 0);
    EXPECT_EQ(ReadFile(dir() + "/info"), old_[0].content);
    // A failed copy of a plain file, or a source folder that cannot be opened
    // (no descriptor left, in a child), fails the whole copy.
    EXPECT_EQ(s.FSCopyPath((dir() + "/src/INFO").c_str(), (dir() + "/none/info").c_str()), -1);
    EXPECT_TRUE(InOrder(log(), {"[ERROR] nimbra-service(%d): FSCopyPath: failed to copy from '" +
                                dir() + "/src/INFO' to '" + dir() + "/none/info'"}));
    const pid_t child = fork();
    if (child == 0) {
        const rlimit few = {64, 64};
        if (setrlimit(RLIMIT_NOFILE, &few) != 0) _exit(2);
        while (open("/dev/null", O_RDONLY | O_CLOEXEC) >= 0) {
        }
        _exit(s.FSCopyPath((dir() + "/src").c_str(), (dir() + "/emfile").c_str()) == -1 ? 0 : 1);
    }
    const int status = Reap(child, 60000);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(s.FSCopyPath((dir() + "/missing").c_str(), (dir() + "/x").c_str()), -1);
    EXPECT_TRUE(InOrder(log(), {"[ERROR] nimbra-service(%d): FSCopyPath: source path '" + dir() +
                                "/missing' does not exist"}));
    // Into itself: refused instead of copying without end.
    EXPECT_EQ(s.FSCopyPath((dir() + "/src").c_str(), (dir() + "/src/share/again").c_str()), -1);
    EXPECT_FALSE(Exists(dir() + "/src/share/again"));
}

// A failure deep in the tree names the failed step, then each folder above
// it whose copy it failed, innermost first.
TEST_F(PrepareTest, CopyPathNamesEachLevelOfAFailure) {
    WriteTree(dir() + "/src", old_);
    WriteFile(dir() + "/to/share/data", "a file where a folder goes");
    PackageService s(good());
    EXPECT_EQ(s.FSCopyPath((dir() + "/src").c_str(), (dir() + "/to").c_str()), -1);
    const std::string from = dir() + "/src/share", to = dir() + "/to/share";
    EXPECT_TRUE(InOrder(
        log(),
        {"[ERROR] nimbra-service(%d): FSCopyPath: failed to create dest folder '" + to + "/data'",
         "[ERROR] nimbra-service(%d): FSCopyPath: failed to copy from '" + from + "/data' to '" +
             to + "/data'",
         "[ERROR] nimbra-service(%d): FSCopyPath: failed to copy from '" + from + "' to '" + to +
             "'"}));
}

// A start script that keeps the client in the foreground is left running
// once the wait is over, so the launcher can still end; once the client it
// runs has written its pid file, it is not waited for at all.
TEST_F(PrepareTest, StartScriptThatDoesNotEndIsNoLongerWaitedFor) {
    const struct {
        const char* what;
        std::string script;
        int wait_ms;
        bool warned;
    } cases[] = {
        {"no pid file", "#!/bin/sh\nexec sleep 30\n", 200, true},
        {"client in the foreground",
         "#!/bin/sh\necho \"pid=$$\" > \"$HOME/.NimbraBackup/ui.pid\"\n"
         "while :; do sleep 1; done\n",
         60 * 1000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Package pkg = new_;
        for (auto& e : pkg)
            if (e.path == "package/start-stop") e.content = c.script;
        fs::remove_all(app());
        WriteTree(app(), pkg);
        struct ShortWait : LinuxService {
            explicit ShortWait(int ms) { start_script_wait_ms = ms; }
        } s(c.wait_ms);
        Mark();
        s.PostUpgrade();
        EXPECT_EQ(logSinceMark().find("[WARNING] linux/linux-service(") != std::string::npos,
                  c.warned)
            << logSinceMark();
        if (c.warned) {
            EXPECT_TRUE(InOrder(logSinceMark(), {"[WARNING] linux/linux-service(%d): '" + app() +
                                                 "/package/start-stop' still runs after 0 s, no "
                                                 "longer waiting for it"}));
        }
        const std::string pid = ReadFile(user() + "/ui.pid");
        if (pid.rfind("pid=", 0) == 0) kill(std::stoi(pid.substr(4)), SIGKILL);
    }
}

TEST_F(PrepareTest, StartScriptRunsFromAHomeWithASpace) {
    const std::string spaced = dir() + "/my home";
    setenv("HOME", spaced.c_str(), 1);
    WriteTree(spaced + "/.NimbraBackup/Nimbra.app", new_);
    LinuxService s;
    s.PostUpgrade();
    EXPECT_EQ(ReadFile(spaced + "/.NimbraBackup/starts.log"), "start-stop\nstart\n");
}

}  // namespace

namespace {

// As a user who is not root (for whom folder permissions count), a package
// folder that extraction left read-only must not keep the backups, or the
// aged folder, from being removed: leftover backup names would end every
// upgrade at "max retries" after ten of them.
TEST_F(PrepareTest, ReadOnlyFoldersOfAnOldCopyAreRemovedByAnOrdinaryUser) {
    WriteTree(app(), old_);
    WriteFile(user() + "/app/ro/old", "aged");
    WriteFile(app() + "/share/locked/f", "locked");
    for (const std::string& d : {app() + "/share/data", app() + "/share", user() + "/app/ro"})
        ASSERT_EQ(chmod(d.c_str(), 0555), 0);
    ASSERT_EQ(chmod((app() + "/share/locked").c_str(), 0), 0);
    const uid_t nobody = 65534;
    for (const auto& e : fs::recursive_directory_iterator(dir()))
        ASSERT_EQ(lchown(e.path().c_str(), nobody, nobody), 0);
    ASSERT_EQ(lchown(dir().c_str(), nobody, nobody), 0);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setresgid(nobody, nobody, nobody) != 0 || setresuid(nobody, nobody, nobody) != 0)
            _exit(2);
        PackageService s(good());
        const int r = s.PrepareUserEnv();
        s.RemoveAgedFolders();
        _exit(r == 0 ? 0 : 1);
    }
    const int status = Reap(child, 20000);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Tree(app()), TreeOf(new_));
    EXPECT_TRUE(Clean());
    EXPECT_FALSE(Exists(user() + "/app"));
}

}  // namespace
