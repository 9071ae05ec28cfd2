// Preparing the user's copy: backup names, extraction of real archives,
// rollback, first installation, and the next run after a run that was
// killed half-way.
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "extractor.h"
#include "extractor/archive_writer.h"
#include "file/file-op.h"
#include "linux/linux-service.h"
#include "service/service_support.h"

namespace fs = std::filesystem;
using namespace service_test;
using nimbra_test::Exists;
using nimbra_test::ReadFile;
using nimbra_test::WriteFile;

namespace {

// Extracts an archive of the test's choosing instead of the machine-wide
// package, the way the real ExtractPackage does.
class PackageService : public LinuxService {
public:
    explicit PackageService(const std::string& archive) : archive_(archive) {}

    int ExtractPackage() override {
        ++extractions;
        if (FSMKDir(per_user_install_path, true) != 0) return -1;
        Extractor e;
        e.SetSource(archive_.c_str());
        e.SetTarget(per_user_install_path);
        return e.Extract();
    }

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
// copy before that sync, while the record still leads a next run to the
// backup. The program is linked with these calls wrapped (see
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
        "syncfs Nimbra.app",
        "fsync Nimbra.app.pending.new",
        "rename Nimbra.app.pending.new <whole -1\n>",
        "fsync .",
        "rmdir Nimbra.app_tmp",
        "fsync .",
    };
    EXPECT_EQ(calls, expected);
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
    } cases[] = {
        {"record written, nothing renamed", "whole 0\n", &old_, nullptr, nullptr, &old_},
        {"renamed, record not yet updated", "whole 0\n", nullptr, &old_, nullptr, &old_},
        {"renamed past a stale name", "whole 1\n", nullptr, &partial_old, &old_, &old_},
        {"during extraction", "partial 0\n", &partial_new, &old_, nullptr, &old_},
        {"client started, new copy not yet durable", "partial 0\n", &new_, &old_, nullptr, &old_},
        {"during the rollback", "partial 1\n", &partial_new, &partial_old, &old_, &old_},
        {"old copy moved back by a recovery", "partial 0\n", &old_, nullptr, nullptr, &old_},
        {"while removing the backups", "whole -1\n", &new_, &partial_old, nullptr, &new_},
        {"while removing the second of two backups", "whole -1\n", &new_, nullptr, &partial_old,
         &new_},
        {"during a first installation", "partial -1\n", &partial_new, nullptr, nullptr, nullptr},
        {"record unreadable", "garbage\n", &old_, nullptr, nullptr, &old_},
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
    // A plain file counts as copied even when the copy fails.
    EXPECT_EQ(s.FSCopyPath((dir() + "/src/INFO").c_str(), (dir() + "/none/info").c_str()), 0);
    EXPECT_EQ(s.FSCopyPath((dir() + "/missing").c_str(), (dir() + "/x").c_str()), -1);
    EXPECT_TRUE(InOrder(log(), {"[ERROR] nimbra-service(%d): FSCopyPath: source path '" + dir() +
                                "/missing' does not exist"}));
    // Into itself: refused instead of copying without end.
    EXPECT_EQ(s.FSCopyPath((dir() + "/src").c_str(), (dir() + "/src/share/again").c_str()), -1);
    EXPECT_FALSE(Exists(dir() + "/src/share/again"));
}

// A start script that keeps the client in the foreground is left running
// once the wait is over, so the launcher can still end.
TEST_F(PrepareTest, StartScriptThatDoesNotEndIsNoLongerWaitedFor) {
    Package pkg = new_;
    for (auto& e : pkg)
        if (e.path == "package/start-stop") e.content = "#!/bin/sh\nexec sleep 30\n";
    WriteTree(app(), pkg);
    struct ShortWait : LinuxService {
        ShortWait() { start_script_wait_ms = 200; }
    } s;
    s.PostUpgrade();
    EXPECT_TRUE(InOrder(log(), {"[WARNING] linux/linux-service(%d): '" + app() +
                                "/package/start-stop' still runs after 0 s, no longer waiting "
                                "for it"}));
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
