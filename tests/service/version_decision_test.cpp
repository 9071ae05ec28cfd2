// Reading both INFO files, the upgrade decision, the install locations and
// the backup names.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <array>
#include <filesystem>

#include "linux/linux-service.h"
#include "linux/package_info.h"
#include "service/service_support.h"
#include "upgrade/install-layout.h"
#include "upgrade/preparation-record.h"

namespace fs = std::filesystem;
using namespace service_test;
using nimbra_test::WriteFile;

namespace {

// Lets a test see and set the two version records.
class OpenService : public LinuxService {
public:
    using LinuxService::source_version;
    using LinuxService::target_version;
};

typedef ServiceTest VersionTest;

TEST_F(VersionTest, SourceInfoKeepsTheValuesOfTheVersionGroupAsWritten) {
    struct Case {
        const char* info;
        std::array<const char*, 4> fields;  // major, minor, build, icon overlay
    } const cases[] = {
        {"[Version]\nmajor_version=3\nminor_version=1\nbuild_version=1201\nicon_overlay_version="
         "7\n",
         {"3", "1", "1201", "7"}},
        {"build_version=1234\n[Version]\nmajor_version=3\n", {"3", "", "", ""}},
        {"[Other]\nbuild_version=1234\n", {"", "", "", ""}},
        {"[Version]\nbuild_version=0012\n", {"", "", "0012", ""}},
        // UTF-8 text, whichever Qt reads it: a byte that is not UTF-8 becomes
        // U+FFFD (Qt 6 drops one that ends a value, Qt 5 replaces it).
        {"[Version]\nmajor_version=3 \xce\xb2\nminor_version=1\xe9.1\n",
         {"3 \xce\xb2", "1\xef\xbf\xbd.1", "", ""}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.info);
        // A home of its own per case: Qt caches INI files by path.
        const std::string h = dir() + "/case" + std::to_string(i);
        setenv("HOME", h.c_str(), 1);
        WriteFile(h + "/.NimbraBackup/Nimbra.app/INFO", c.info);
        OpenService s;
        Mark();
        s.LoadSourceVersion();
        const Service::VersionInfo& v = s.source_version;
        EXPECT_EQ(std::string(v.major_version.c_str()), c.fields[0]);
        EXPECT_EQ(std::string(v.minor_version.c_str()), c.fields[1]);
        EXPECT_EQ(std::string(v.build_version.c_str()), c.fields[2]);
        EXPECT_EQ(std::string(v.icon_overlay_version.c_str()), c.fields[3]);
        EXPECT_TRUE(InOrder(logSinceMark(), {"[INFO] nimbra-service(%d): source_version = (" +
                                             std::string(c.fields[0]) + ", " + c.fields[1] + ", " +
                                             c.fields[2] + ", " + c.fields[3] + ")"}));
    }
}

// Two copies packed in one second carry INFO files of one size and time
// stamp; each must still read as itself, whatever the toolkit kept of the
// last read.
TEST_F(VersionTest, InfoFilesOfOneSizeAndTimeReadApart) {
    const struct timespec packed[2] = {{1700000000, 0}, {1700000000, 0}};
    for (const char* build : {"1200", "1201", "1200"}) {
        SCOPED_TRACE(build);
        const std::string h = dir() + "/home" + build;
        setenv("HOME", h.c_str(), 1);
        const std::string info = h + "/.NimbraBackup/Nimbra.app/INFO";
        WriteFile(info, std::string("[Version]\nbuild_version=") + build + "\n");
        ASSERT_EQ(utimensat(AT_FDCWD, info.c_str(), packed, 0), 0);
        OpenService s;
        s.LoadSourceVersion();
        EXPECT_EQ(std::string(s.source_version.build_version.c_str()), build);
    }
}

TEST_F(VersionTest, MissingSourceInfoLeavesTheRecordEmpty) {
    OpenService s;
    s.LoadSourceVersion();
    EXPECT_TRUE(s.source_version.build_version.empty());
    EXPECT_TRUE(s.source_version.major_version.empty());
    EXPECT_TRUE(InOrder(log(), {"[INFO] nimbra-service(%d): source does not exist"}));
    EXPECT_EQ(Count(log(), "source_version"), 0);

    // An INFO beyond 64 KiB is no INFO, even when its first bytes read as one.
    WriteFile(home() + "/.NimbraBackup/Nimbra.app/INFO",
              "[Version]\nbuild_version=1201\n" + std::string(64 * 1024, '#'));
    s.LoadSourceVersion();
    EXPECT_TRUE(s.source_version.build_version.empty());
    EXPECT_TRUE(InOrder(log(), {"[WARNING] nimbra-service(%d): cannot read the version file '" +
                                home() + "/.NimbraBackup/Nimbra.app/INFO': File too large"}));
}

TEST_F(VersionTest, UpgradeDecision) {
    struct Case {
        const char* source;
        const char* target;
        bool need;
        const char* numbers;      // as logged
        bool executable = true;   // the user's bin/nimbra-backup-ui is there
        bool unfinished = false;  // an earlier preparation did not finish
    } const cases[] = {
        {"1200", "1201", true, "1200, target version = 1201"},
        {"1201", "1201", false, "1201, target version = 1201"},
        {"1300", "1201", false, "1300, target version = 1201"},
        {"", "1201", true, "0, target version = 1201"},
        {"1201", "", false, "1201, target version = 0"},
        {"12a", "13", true, "12, target version = 13"},
        {"12a", "12", false, "12, target version = 12"},
        {"abc", "1", true, "0, target version = 1"},
        {"abc", "", false, "0, target version = 0"},
        {" +7", "7", false, "7, target version = 7"},
        // Whatever the versions, a copy that is not whole is prepared again.
        {"1201", "1201", true, "1201, target version = 1201", false},
        {"", "", true, "0, target version = 0", false},
        {"1201", "1201", true, "1201, target version = 1201", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.source) + " -> " + c.target + (c.executable ? "" : ", no bin") +
                     (c.unfinished ? ", unfinished" : ""));
        fs::remove_all(app());
        fs::remove(app() + ".pending");
        if (c.executable) WriteFile(app() + "/bin/nimbra-backup-ui", "#!/bin/sh\n", 0755);
        if (c.unfinished) WriteFile(app() + ".pending", "partial 0\n");
        OpenService s;
        s.source_version.build_version = c.source;
        s.target_version.build_version = c.target;
        Mark();
        EXPECT_EQ(s.IsNeedUpgrade(), c.need);
        EXPECT_TRUE(InOrder(logSinceMark(), {"[DEBUG] linux/linux-service(%d): source version = " +
                                             std::string(c.numbers)}));
    }
}

TEST_F(VersionTest, InstallLocations) {
    EXPECT_EQ(std::string(Service::GetUserInstallPath().c_str()), home());
    EXPECT_EQ(std::string(Service::GetUserNimbraAppInstallPath().c_str()), app());
    EXPECT_EQ(std::string(Service::GetUserNimbraDataInstallPath().c_str()), user() + "/data");
    // The root follows the program's real location, whatever its own name.
    const std::string root = fs::canonical("/proc/self/exe").parent_path().parent_path().string();
    EXPECT_EQ(std::string(Service::GetRootNimbraInstallPath().c_str()), root);
    EXPECT_EQ(std::string(Service::GetRootNimbraResourceInstallPath().c_str()), root);

    const PackageInfo& info = PackageInfo::GetInstance();
    EXPECT_EQ(&info, &PackageInfo::GetInstance());
    EXPECT_EQ(std::string(info.GetLogFolder().c_str()), home() + "/.Nimbra");
    EXPECT_EQ(std::string(info.GetPackagePath().c_str()), "/opt/Halvern/Nimbra/package/nimbra.hpk");
    EXPECT_EQ(std::string(info.GetLogLevelPath().c_str()),
              "/opt/Halvern/Nimbra/log/launcher.debug");

    // The user's side is joined, not cleaned.
    setenv("HOME", "/", 1);
    EXPECT_EQ(std::string(Service::GetUserNimbraInstallPath().c_str()), "//.NimbraBackup");
    EXPECT_EQ(std::string(LinuxService().GetUserNimbraAppInstallPath().c_str()),
              "//.NimbraBackup/Nimbra.app");
}

// One run's folders, the user folder reached through the user's link; the
// service keeps the layout it was made with when HOME changes later.
TEST_F(VersionTest, LayoutOfOneRun) {
    const std::string h = dir() + "/linked";
    fs::create_directories(dir() + "/roomy");
    fs::create_directories(h);
    fs::create_directory_symlink(dir() + "/roomy", h + "/.NimbraBackup");
    const InstallLayout l = InstallLayout::Of(h.c_str(), "/r/./bin//launcher");
    const std::string roomy = fs::canonical(dir() + "/roomy").string();
    const std::pair<const ustring*, std::string> fields[] = {{&l.home, h},
                                                             {&l.root, "/r"},
                                                             {&l.package, "/r/package/nimbra.hpk"},
                                                             {&l.user_folder, roomy},
                                                             {&l.app_folder, roomy + "/Nimbra.app"},
                                                             {&l.data_folder, roomy + "/data"}};
    for (const auto& f : fields) EXPECT_EQ(std::string(f.first->c_str()), f.second);
    EXPECT_EQ(std::string(l.StartScript().c_str()), roomy + "/Nimbra.app/package/start-stop");
    EXPECT_EQ(std::string(l.PidFile().c_str()), roomy + "/ui.pid");
    // A link to a folder not made yet (relative, as users write them) names it.
    const std::string h2 = dir() + "/linked2";
    fs::create_directories(h2);
    fs::create_directory_symlink("../roomy/later", h2 + "/.NimbraBackup");
    EXPECT_EQ(std::string(InstallLayout::Of(h2.c_str(), "/r/bin/l").user_folder.c_str()),
              roomy + "/later");

    setenv("HOME", h.c_str(), 1);
    struct LayoutService : LinuxService {
        using LinuxService::layout;
    } s;
    setenv("HOME", home().c_str(), 1);
    EXPECT_EQ(std::string(s.layout.app_folder.c_str()), roomy + "/Nimbra.app");
    EXPECT_EQ(std::string(s.layout.home.c_str()), h);
}

TEST_F(VersionTest, BackupNames) {
    const struct {
        int tries;
        const char* name;
    } cases[] = {{0, "/u/Nimbra.app_tmp"},
                 {1, "/u/Nimbra.app_tmp1"},
                 {9, "/u/Nimbra.app_tmp9"},
                 {1234567, "/u/Nimbra.app_tmp1234567"},
                 {12345678, "/u/Nimbra.app_tmp"}};  // does not fit: no postfix
    for (const auto& c : cases)
        EXPECT_EQ(std::string(GetAppBackupDir("/u/Nimbra.app", c.tries).c_str()), c.name);
    EXPECT_EQ(Count(log(), "snprintf failed (continuing without postfix)"), 1);
}

}  // namespace
