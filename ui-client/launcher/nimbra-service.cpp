#include "nimbra-service.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "extractor.h"
#include "file/file-op.h"
#include "file/path-util.h"
#include "file/tree-copy.h"
#include "file/tree-removal.h"
#include "log.h"
#include "process/process-info.h"
#include "upgrade/copy-replacement.h"
#include "upgrade/install-layout.h"
#include "upgrade/preparation-record.h"
#include "upgrade/version-file.h"

namespace {

const char kLogComponent[] = "service_debug";
const char kLogSource[] = "nimbra-service";

// The running program, from the kernel's record of it (links resolved), as
// bytes; without /proc, as the toolkit names it.
std::string RunningExecutable() {
    std::string exe = ExecutableOfProcess("/proc/self/exe");
    if (exe.empty()) exe = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    return exe;
}

}  // namespace

// ---- The folders of a run ----

// The layout is taken once, for the whole run: every step of one upgrade
// works on the same folders, even if HOME or a user's link changes meanwhile.
Service::Service() : timeout(0), layout(CurrentLayout()) {}

Service::~Service() {}

InstallLayout Service::CurrentLayout() {
    return InstallLayout::Of(getenv("HOME"), RunningExecutable());
}

ustring Service::GetUserInstallPath() {
    return InstallLayout::HomeOf(getenv("HOME"));
}

ustring Service::GetRootNimbraInstallPath() {
    return InstallLayout::RootOf(RunningExecutable());
}

ustring Service::GetRootNimbraResourceInstallPath() {
    return GetRootNimbraInstallPath();
}

ustring Service::GetUserNimbraInstallPath() {
    return InstallLayout::UserFolderOf(GetUserInstallPath());
}

ustring Service::GetUserNimbraAppInstallPath() {
    return InstallLayout::AppFolderOf(GetUserNimbraInstallPath());
}

ustring Service::GetUserNimbraDataInstallPath() {
    return InstallLayout::DataFolderOf(GetUserNimbraInstallPath());
}

ustring Service::GetRootNimbraPackagePath() {
    return InstallLayout::PackageOf(GetRootNimbraResourceInstallPath());
}

// ---- The versions and the decision's checks ----

void Service::LoadSourceVersion() {
    const ustring path = layout.app_folder + "/" + "INFO";
    if (!IsFileExist(path, false)) {
        NLOG_INFO("source does not exist\n");
        return;
    }
    if (const int err = ReadVersionFile(path, source_version)) {
        // Taken as no version: the copy is refreshed from the package.
        NLOG_WARNING("cannot read the version file '%s': %s\n", path.c_str(), strerror(err));
    }
    NLOG_INFO("source_version = (%s, %s, %s, %s)\n", source_version.major_version.c_str(),
              source_version.minor_version.c_str(), source_version.build_version.c_str(),
              source_version.icon_overlay_version.c_str());
}

// Without the machine-wide version nothing can be upgraded safely: the
// package might be older than the user's copy. The user's copy is started
// as it is, and the user is told when it looks older than the machine's.
void Service::LoadTargetVersion() {
    const ustring path = layout.root + "/" + "INFO";
    if (const int err = ReadVersionFile(path, target_version)) {
        const bool missing = err == ENOENT;
        if (missing)
            NLOG_WARNING("cannot read the version file '%s': %s, not upgrading\n", path.c_str(),
                         strerror(err));
        else
            NLOG_ERROR("cannot read the version file '%s': %s, not upgrading\n", path.c_str(),
                       strerror(err));
        if (!missing && IsNewerThanCopy(path)) last_failure = Failure::kOther;
    }
    NLOG_INFO("target_version = (%s, %s, %s, %s)\n", target_version.major_version.c_str(),
              target_version.minor_version.c_str(), target_version.build_version.c_str(),
              target_version.icon_overlay_version.c_str());
}

// The machine-wide file at path changed after the user's copy was made:
// compared by time stamp, as its content can't be read.
bool Service::IsNewerThanCopy(const ustring& path) const {
    struct stat machine, copy;
    if (stat(path.c_str(), &machine) != 0) return false;
    if (stat((layout.app_folder + "/INFO").c_str(), &copy) != 0) return true;
    return machine.st_mtim.tv_sec > copy.st_mtim.tv_sec ||
           (machine.st_mtim.tv_sec == copy.st_mtim.tv_sec &&
            machine.st_mtim.tv_nsec > copy.st_mtim.tv_nsec);
}

bool Service::IsPreparationUnfinished() const {
    const PreparationMarker marker(layout.app_folder);
    return marker.Exists() && !marker.IsUpgradeDone();
}

bool Service::IsRetryDue() const {
    const int build = BuildNumber(target_version.build_version);
    int count = 0;
    time_t last = 0;
    if (FailedStartRecord(layout.app_folder)
            .Allows(build, time(nullptr), retry_interval_s, &count, &last))
        return true;
    char when[32] = "";
    struct tm tm;
    if (localtime_r(&last, &tm) != nullptr) strftime(when, sizeof(when), "%b %d %H:%M:%S", &tm);
    NLOG_WARNING(
        "the client of build %d did not come up %d times in a row, last on %s; trying it again %d "
        "s after that\n",
        build, count, when, retry_interval_s);
    return false;
}

// ---- The upgrade: check the package, replace the copy, try it, commit ----

int Service::ValidatePackage() {
    package_summary.reset();
    PackageSummary summary;
    last_failure = CheckPackage(&summary);
    if (last_failure != Failure::kNone) return -1;
    package_summary = summary;
    return 0;
}

Service::Failure Service::CheckPackage(PackageSummary* summary) const {
    const ustring& src = layout.package;
    // A FIFO or a device would block the reader or never end.
    struct stat st;
    if (stat(src.c_str(), &st) != 0 || access(src.c_str(), R_OK) != 0) {
        NLOG_ERROR("cannot read package '%s': %s\n", src.c_str(), strerror(errno));
        return Failure::kOther;
    }
    if (!S_ISREG(st.st_mode)) {
        NLOG_ERROR("package '%s' is not a regular file\n", src.c_str());
        return Failure::kOther;
    }
    Extractor extractor;
    extractor.SetSource(src);
    extractor.SetTarget(layout.app_folder);
    extractor.SetProgress(extract_progress);
    if (extractor.Scan(summary) != 0) return Failure::kOther;

    // The old copy stays until the new one is whole: the new one must fit
    // beside it, in the folder that will hold it (with a linked app folder,
    // on the disk the link points to).
    if (!FitsBeside(FSParentPath(layout.app_folder), *summary)) return Failure::kNoSpace;
    return Failure::kNone;
}

// Every destructive step is announced in the PreparationMarker first, so that
// a run killed at any point leaves enough to find the user's whole copy: the
// old copy stays whole, in the app folder or under its backup name, until the
// new one is complete on disk.
int Service::PrepareUserEnv() {
    if (RecoverUnfinishedPreparation() != 0) return -1;
    const ustring app_dir = layout.app_folder;
    PreparationMarker marker(app_dir);
    int backup = -1;
    if (ReplaceCopy(app_dir, marker, &backup) != 0 || !TryNewCopy(app_dir, marker, backup))
        return -1;
    CommitNewCopy(app_dir, marker);
    FailedStartRecord(app_dir).Remove();
    return 0;
}

int Service::ReplaceCopy(const ustring& app_dir, PreparationMarker& marker, int* backup) {
    if (BackUpAppFolder(app_dir, marker, backup) != 0) return -1;
    if (RecordExtraction(app_dir, marker, *backup) != 0) return -1;
    if (ExtractPackage() == 0 && IsNewCopyWhole(app_dir)) return 0;
    RollBack(app_dir, marker, *backup);
    return -1;
}

bool Service::TryNewCopy(const ustring& app_dir, PreparationMarker& marker, int backup) {
    // The record follows the start: flushed before it, it would hold the
    // client up while the journal takes in the whole extraction (10 to 30 ms
    // on ext4), and a loss before it leaves "partial", which leads to the
    // same whole copy.
    if (StartCheckedCopy([&] { marker.RecordTrial(backup); })) return true;
    GoBackAfterFailedStart(app_dir, marker, backup, BuildNumber(target_version.build_version));
    // Without an old copy the new one stays, and the installation failed.
    last_failure = backup < 0 ? Failure::kNoClient : Failure::kOther;
    return false;
}

int Service::ExtractPackage() {
    const ustring src = layout.package;
    const ustring dst = layout.app_folder;
    if (FSMKDir(dst, true) != 0) {
        NLOG_ERROR("failed to create folder: '%s'\n", dst.c_str());
        return -1;
    }
    NLOG_INFO("extract package: '%s' -> '%s'\n", src.c_str(), dst.c_str());
    Extractor extractor;
    extractor.SetSource(src);
    extractor.SetTarget(dst);
    extractor.SetProgress(extract_progress);
    if (package_summary) extractor.SetSummary(*package_summary);
    if (extractor.Extract() == 0) return 0;
    // A quota that statvfs does not show fails the write (EDQUOT) just as a
    // full disk does (ENOSPC): the user is told the same.
    const int err = extractor.WriteErrno();
    if (err == ENOSPC || err == EDQUOT) {
        NLOG_ERROR("no room to extract into '%s': %s\n", dst.c_str(), strerror(err));
        last_failure = Failure::kNoSpace;
    }
    return -1;
}

bool Service::IsNewCopyWhole(const ustring& app_dir) const {
    VersionInfo copy;
    const ustring info = app_dir + "/INFO";
    const int err = ReadVersionFile(info, copy);
    if (err != 0 && err != ENOENT) {
        // A read that failed says nothing about the package (an INFO that
        // is absent does): the copy is rolled back all the same, but the
        // log names the read.
        NLOG_ERROR("cannot read the version file '%s' of the extracted copy: %s\n", info.c_str(),
                   strerror(err));
        return false;
    }
    std::string missing;
    if (copy.build_version.empty() ||
        BuildNumber(copy.build_version) < BuildNumber(target_version.build_version))
        missing = "INFO with the machine-wide build";
    else if (!IsExecutableInCopy(app_dir, kClientInCopy))
        missing = std::string("executable ") + kClientInCopy;
    else if (!IsExecutableInCopy(app_dir, kStartScriptInCopy))
        missing = std::string("executable ") + kStartScriptInCopy;
    if (missing.empty()) return true;
    NLOG_ERROR("the extracted copy in '%s' has no %s\n", app_dir.c_str(), missing.c_str());
    return false;
}

// ---- Finishing and recovering ----

bool Service::HasWholeCopy() const {
    // A record left by a preparation that this run could not finish still
    // says where the whole copy is: in the app folder once it was put back
    // there, even when the record could not be rewritten to say so.
    const PreparationMarker marker(layout.app_folder);
    return (!marker.Exists() || marker.SaysAppFolderIsWhole()) &&
           IsExecutableInCopy(layout.app_folder, kStartScriptInCopy);
}

int Service::FinishRecordedUpgrade() {
    PreparationMarker marker(layout.app_folder);
    if (!marker.Exists() || !marker.IsUpgradeDone()) return 0;
    return DropBackups(layout.app_folder, marker);
}

void Service::RemoveAgedFolders() {
    const ustring aged_app_dir = layout.user_folder + "/app";
    NLOG_INFO("removing aged app folder %s\n", aged_app_dir.c_str());
    RemoveTree(aged_app_dir);
    // A backup that a failing disk kept from being removed (or an unfinished
    // copy moved aside) would otherwise stay until the next upgrade; while a
    // preparation is recorded, a backup may be the user's whole copy.
    if (!IsPreparationUnfinished())
        for (int i = 0; i < MAX_RENAME_COUNT; ++i)
            RemoveTree(GetAppBackupDir(layout.app_folder, i));
}

int Service::RecoverUnfinishedPreparation() {
    PreparationMarker marker(layout.app_folder);
    if (!marker.Exists()) return 0;
    if (!marker.IsUpgradeDone() && RestoreWholeCopy(layout.app_folder, marker) != 0) return -1;
    // The app folder holds the last whole copy (or nothing): every backup
    // name is a leftover now. One that can't be removed is tried again at
    // the end of the upgrade and by later runs; it does not stop this one.
    DropBackups(layout.app_folder, marker);
    return marker.Exists() && !marker.IsUpgradeDone() ? -1 : 0;
}

// ---- SetTimeout and FSCopyPath, not called by the launcher: the documented interface ----

namespace {

// The records of FSCopyPath's copy: each copy started, each failure.
void LogTreeCopy(bool failed, const std::string& text) {
    if (failed)
        NLOG_ERROR("FSCopyPath: %s\n", text.c_str());
    else
        NLOG_DEBUG("%s\n", text.c_str());
}

}  // namespace

void Service::SetTimeout(int t) {
    timeout = t;
}

int Service::FSCopyPath(const ustring& src, const ustring& dest) {
    return CopyTree(src, dest, LogTreeCopy).ok() ? 0 : -1;
}
