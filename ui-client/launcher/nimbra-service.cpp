#include "nimbra-service.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "extractor.h"
#include "file/file-op.h"
#include "log.h"
#include "tree-removal.h"

namespace {

const char kComp[] = "service_debug";

// An INFO file is a few lines; anything bigger is not one.
const off_t kMaxVersionFileSize = 64 * 1024;

ustring ToUstring(const QString& s) {
    return ustring(s.toUtf8().toStdString());
}

// The bytes of the regular file open at fd, at most kMaxVersionFileSize of
// them, in a memory file of its own; -1 for anything else. The toolkit keeps
// what it read of a path and hands it out again while the file there keeps
// its size and time stamp. Every INFO is read through a path /proc/self/fd/N
// with N reused, so two INFO files of one size and time stamp (packed in the
// same second, say) would both read as the first: each copy gets a time stamp
// that no earlier copy had.
int FreshCopyOfVersionFile(int fd) {
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxVersionFileSize) return -1;
    std::string bytes(kMaxVersionFileSize + 1, '\0');
    size_t got = 0;
    for (ssize_t n; got < bytes.size(); got += static_cast<size_t>(n)) {
        n = read(fd, &bytes[got], bytes.size() - got);
        if (n < 0 && errno == EINTR)
            n = 0;
        else if (n <= 0)
            break;
    }
    if (got > static_cast<size_t>(kMaxVersionFileSize)) return -1;  // grew since fstat
    const int copy = memfd_create("INFO", MFD_CLOEXEC);
    if (copy < 0) return -1;
    static std::atomic<time_t> last_stamp{0};
    const struct timespec times[2] = {{0, UTIME_OMIT}, {++last_stamp, 0}};
    if (write(copy, bytes.data(), got) != static_cast<ssize_t>(got) || futimens(copy, times) != 0) {
        close(copy);
        return -1;
    }
    return copy;
}

// Fills the fields of info whose keys the group "Version" of the INI file
// at path holds; absent keys (or a missing, oversized or special file) leave
// their fields alone. The file is opened by its bytes and handed to the
// toolkit through a descriptor, so a path that is not valid in the locale's
// encoding (a Latin-1 home) is still read.
void ReadVersionFile(const ustring& path, Service::VersionInfo& info) {
    static const struct {
        const char* key;
        ustring Service::VersionInfo::*field;
    } kKeys[] = {
        {"major_version", &Service::VersionInfo::major_version},
        {"minor_version", &Service::VersionInfo::minor_version},
        {"build_version", &Service::VersionInfo::build_version},
        {"icon_overlay_version", &Service::VersionInfo::icon_overlay_version},
    };
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    const int copy = FreshCopyOfVersionFile(fd);
    close(fd);
    if (copy < 0) return;
    {
        QSettings settings(QStringLiteral("/proc/self/fd/") + QString::number(copy),
                           QSettings::IniFormat);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        // Qt 5 takes the bytes of a file without a byte order mark as
        // Latin-1; Qt 6 reads every INI file as UTF-8 and has no codec
        // setting. INFO is UTF-8 text, so both read it the same way.
        settings.setIniCodec("UTF-8");
#endif
        settings.beginGroup(QStringLiteral("Version"));
        for (const auto& k : kKeys) {
            const QString key = QString::fromLatin1(k.key);
            if (settings.contains(key)) info.*k.field = ToUstring(settings.value(key).toString());
        }
        settings.endGroup();
    }
    close(copy);
}

// Runs sync on the folder at path: fsync makes its entries (renames, new
// and removed names) durable, syncfs everything on its file system.
int SyncFolder(const ustring& folder, int (*sync)(int) = fsync) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    const int r = sync(fd);
    close(fd);
    return r == 0 ? 0 : -1;
}

// Gets the unfinished copy in app_dir out of the way of the whole one:
// removed, or, when part of it can't be removed (the reason is logged
// there), moved to a free backup name, which the next preparation that
// succeeds removes with the other backups. 0, or -1 (logged) with app_dir
// still in place.
int DiscardUnfinishedCopy(const ustring& app_dir) {
    if (RemoveTree(app_dir) == 0) return 0;
    for (int i = 0; i < MAX_RENAME_COUNT; ++i) {
        const ustring aside = GetAppBackupDir(app_dir, i);
        if (IsFileExist(aside, false)) continue;
        if (FSRename(app_dir, aside, false) == 0) return 0;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] nimbra-service(%d): failed to move the unfinished copy '%s' to "
                       "'%s': %s\n",
                       __LINE__, app_dir.c_str(), aside.c_str(), strerror(errno));
        return -1;
    }
    Logger::LogMsg(Logger::L_ERR, kComp,
                   "[ERROR] nimbra-service(%d): failed to remove the unfinished copy '%s'\n",
                   __LINE__, app_dir.c_str());
    return -1;
}

// Puts the last whole copy of an unfinished preparation back into app_dir,
// discarding whatever unfinished extraction app_dir holds. 0 when app_dir
// holds that copy now (or is gone, when there was none); -1 otherwise, with
// the record left for the next run.
int RestoreWholeCopy(const ustring& app_dir, const PreparationMarker& marker) {
    const ustring whole = marker.WholeCopy();
    Logger::LogMsg(Logger::L_NOTICE, kComp,
                   "[NOTE] nimbra-service(%d): an earlier preparation of '%s' did not finish, "
                   "last whole copy: '%s'\n",
                   __LINE__, app_dir.c_str(), whole.c_str());
    if (whole == app_dir) return 0;
    if (DiscardUnfinishedCopy(app_dir) != 0) return -1;
    if (whole.empty()) return 0;
    if (FSRename(whole, app_dir, false) != 0) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] nimbra-service(%d): failed to restore app from '%s' -> '%s': %s\n",
                       __LINE__, whole.c_str(), app_dir.c_str(), strerror(errno));
        return -1;
    }
    return 0;
}

// Room the unpacked package needs beyond its data: each entry may take up
// to a block more than its size, plus a margin for folders and metadata.
const int64_t kBytesPerEntry = 4096;
const int64_t kSpaceMargin = 16 << 20;

// The free space and inodes of the file system that holds path, or of the
// nearest folder above it that exists (the user folder may not exist yet).
bool FreeSpace(const ustring& path, int64_t* bytes, int64_t* inodes, ustring* where) {
    ustring p = path;
    struct statvfs st;
    while (statvfs(p.c_str(), &st) != 0) {
        if (errno != ENOENT || p == ustring("/") || p.empty()) return false;
        p = FSParentPath(p);
    }
    *bytes = static_cast<int64_t>(st.f_bavail) * static_cast<int64_t>(st.f_frsize);
    // Some file systems have no fixed number of inodes and report none.
    *inodes = st.f_files == 0 ? INT64_MAX : static_cast<int64_t>(st.f_favail);
    *where = p;
    return true;
}

// Whether path is an executable regular file (not a link).
bool IsExecutableFile(const ustring& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR) != 0;
}

// Moves the whole copy in app_dir, if there is one, to the first free
// backup name, recording each try first. 0 with *tries the backup's number
// (-1: no app folder); -1 (logged) with app_dir in place and no record.
int BackUpAppFolder(const ustring& app_dir, PreparationMarker& marker, int* tries) {
    *tries = -1;
    if (!IsFileExist(app_dir, false)) return 0;
    for (int rename_count = 0;;) {
        const ustring backup_dir = GetAppBackupDir(app_dir, rename_count);
        if (marker.RecordWhole(rename_count) != 0) {
            Logger::LogMsg(Logger::L_ERR, kComp,
                           "[ERROR] nimbra-service(%d): failed to record the preparation in '%s': "
                           "%s\n",
                           __LINE__, marker.path().c_str(), strerror(errno));
            marker.Remove();  // the app folder is whole and in place
            return -1;
        }
        if (FSRename(app_dir, backup_dir, false) == 0) {
            *tries = rename_count;
            return 0;
        }
        const int err = errno;
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] nimbra-service(%d): failed to backup app from '%s' -> '%s': %s\n",
                       __LINE__, app_dir.c_str(), backup_dir.c_str(), strerror(err));
        ++rename_count;
        // Only a backup of that name left from an earlier run is worth
        // trying the next name for; any other failure would repeat.
        if (err != EEXIST && err != ENOTEMPTY) {
            marker.Remove();
            return -1;
        }
        if (rename_count >= MAX_RENAME_COUNT) {
            Logger::LogMsg(Logger::L_ERR, kComp,
                           "[ERROR] nimbra-service(%d): failed to backup app from '%s' -> '%s' at "
                           "max retries, exiting\n",
                           __LINE__, app_dir.c_str(), backup_dir.c_str());
            marker.Remove();
            return -1;
        }
    }
}

// After a failed extraction: discards the unfinished copy and moves the old
// one (backup tries) back. Without an old copy, or when it can't be moved
// back, the record stays and leads the next run to the last whole copy.
void RollBack(const ustring& app_dir, PreparationMarker& marker, int tries) {
    if (tries < 0) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] nimbra-service(%d): Failed to extract package, and no old "
                       "installation to rollback\n",
                       __LINE__);
        return;
    }
    Logger::LogMsg(Logger::L_ERR, kComp,
                   "[ERROR] nimbra-service(%d): Failed to extract package, rollback to old "
                   "installation\n",
                   __LINE__);
    const ustring backup_dir = GetAppBackupDir(app_dir, tries);
    if (DiscardUnfinishedCopy(app_dir) != 0) return;  // logged; the record stays
    // The old copy is whole again in its own place: the ordinary upgrade
    // decision will try again on the next run.
    if (FSRename(backup_dir, app_dir, false) == 0) {
        marker.Remove();
        return;
    }
    Logger::LogMsg(Logger::L_ERR, kComp,
                   "[ERROR] nimbra-service(%d): failed to restore app from '%s' -> '%s': %s\n",
                   __LINE__, backup_dir.c_str(), app_dir.c_str(), strerror(errno));
}

// Once the new copy in app_dir is whole: makes it durable, then removes
// every backup name and the record. The backups stay if it can't be made
// durable: a power loss could still cost the new copy.
void RemoveBackups(const ustring& app_dir, PreparationMarker& marker) {
    if (SyncFolder(app_dir, syncfs) != 0 || marker.RecordWhole(-1) != 0) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] nimbra-service(%d): failed to make '%s' durable, keeping the "
                       "backup app: %s\n",
                       __LINE__, app_dir.c_str(), strerror(errno));
        return;
    }
    Logger::LogMsg(Logger::L_INFO, kComp,
                   "[INFO] nimbra-service(%d): user installation is ready, removing backup app\n",
                   __LINE__);
    // Every backup name, not only those this run tried: a run killed while
    // removing backups can leave gaps in the row.
    for (int i = 0; i < MAX_RENAME_COUNT; ++i) RemoveTree(GetAppBackupDir(app_dir, i));
    marker.Remove();
}

}  // namespace

Service::Service() : timeout(0) {}

Service::~Service() {}

void Service::SetTimeout(int t) {
    timeout = t;
}

namespace {

std::string BytesOf(const char* s) {
    return s != nullptr ? std::string(s) : std::string();
}

// QDir::cleanPath on bytes: Latin-1 maps every byte to one character and back.
std::string CleanPath(const std::string& path) {
    return QDir::cleanPath(QString::fromLatin1(path.data(), static_cast<int>(path.size())))
        .toLatin1()
        .toStdString();
}

// The home folder of uid in the password database; empty when it has none.
std::string PasswordHome(uid_t uid) {
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    for (size = size > 0 ? size : 4096; size <= (1 << 20); size *= 2) {
        std::vector<char> buf(static_cast<size_t>(size));
        struct passwd pw, *found = nullptr;
        const int r = getpwuid_r(uid, &pw, buf.data(), buf.size(), &found);
        if (r == 0) return found != nullptr ? BytesOf(found->pw_dir) : std::string();
        if (r != ERANGE) break;
    }
    return std::string();
}

}  // namespace

// HOME as the bytes it holds, cleaned as the toolkit cleaned it. Unset or
// empty, the toolkit would answer "/": the home of the real user id in the
// password database is taken instead ("/" only when it has none).
ustring Service::GetUserInstallPath() {
    std::string home = BytesOf(getenv("HOME"));
    if (home.empty()) home = PasswordHome(getuid());
    if (home.empty()) home = "/";
    return ustring(CleanPath(home));
}

// The parent of the folder that holds the running executable, from the
// kernel's record of it (links resolved), as bytes.
ustring Service::GetRootNimbraInstallPath() {
    std::string exe = ExecutableOfProcess("/proc/self/exe");
    if (exe.empty()) exe = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    return ustring(CleanPath(exe + "/../.."));
}

ustring Service::GetRootNimbraResourceInstallPath() {
    return GetRootNimbraInstallPath() + "";
}

ustring Service::GetUserNimbraInstallPath() {
    return GetUserInstallPath() + "/" + ".NimbraBackup";
}

ustring Service::GetUserNimbraAppInstallPath() {
    return GetUserNimbraInstallPath() + "/" + "Nimbra.app";
}

ustring Service::GetUserNimbraDataInstallPath() {
    return GetUserNimbraInstallPath() + "/" + "data";
}

ustring Service::GetRootNimbraPackagePath() {
    return GetRootNimbraResourceInstallPath() + "/package/nimbra.hpk";
}

void Service::LoadSourceVersion() {
    const ustring path = GetUserNimbraAppInstallPath() + "/" + "INFO";
    if (!IsFileExist(path, false)) {
        Logger::LogMsg(Logger::L_INFO, kComp, "[INFO] nimbra-service(%d): source does not exist\n",
                       __LINE__);
        return;
    }
    ReadVersionFile(path, source_version);
    Logger::LogMsg(
        Logger::L_INFO, kComp, "[INFO] nimbra-service(%d): source_version = (%s, %s, %s, %s)\n",
        __LINE__, source_version.major_version.c_str(), source_version.minor_version.c_str(),
        source_version.build_version.c_str(), source_version.icon_overlay_version.c_str());
}

void Service::LoadTargetVersion() {
    // No existence test: a missing file simply yields no keys.
    ReadVersionFile(GetRootNimbraResourceInstallPath() + "/" + "INFO", target_version);
    Logger::LogMsg(
        Logger::L_INFO, kComp, "[INFO] nimbra-service(%d): target_version = (%s, %s, %s, %s)\n",
        __LINE__, target_version.major_version.c_str(), target_version.minor_version.c_str(),
        target_version.build_version.c_str(), target_version.icon_overlay_version.c_str());
}

bool Service::IsPreparationUnfinished() const {
    return PreparationMarker(per_user_install_path).Exists();
}

bool Service::HasWholeCopy() const {
    return !IsPreparationUnfinished() &&
           IsExecutableFile(per_user_install_path + "/package/start-stop");
}

bool Service::IsNewCopyWhole(const ustring& app_dir) const {
    VersionInfo copy;
    ReadVersionFile(app_dir + "/INFO", copy);
    const char* missing = nullptr;
    if (copy.build_version.empty() ||
        BuildNumber(copy.build_version) < BuildNumber(target_version.build_version))
        missing = "INFO with the machine-wide build";
    else if (!IsExecutableFile(app_dir + "/bin/nimbra-backup-ui"))
        missing = "executable bin/nimbra-backup-ui";
    else if (!IsExecutableFile(app_dir + "/package/start-stop"))
        missing = "executable package/start-stop";
    if (missing == nullptr) return true;
    Logger::LogMsg(Logger::L_ERR, kComp,
                   "[ERROR] nimbra-service(%d): the extracted copy in '%s' has no %s\n", __LINE__,
                   app_dir.c_str(), missing);
    return false;
}

int Service::RecoverUnfinishedPreparation() {
    PreparationMarker marker(per_user_install_path);
    if (!marker.Exists()) return 0;
    if (RestoreWholeCopy(per_user_install_path, marker) != 0) return -1;
    marker.Remove();
    return 0;
}

int Service::ValidatePackage() {
    package_summary.reset();
    last_failure = Failure::kOther;
    const ustring src = GetRootNimbraPackagePath();
    // A FIFO or a device would block the reader or never end.
    struct stat st;
    if (stat(src.c_str(), &st) != 0 || access(src.c_str(), R_OK) != 0) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] nimbra-service(%d): cannot read package '%s': %s\n", __LINE__,
                       src.c_str(), strerror(errno));
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] nimbra-service(%d): package '%s' is not a regular file\n", __LINE__,
                       src.c_str());
        return -1;
    }
    Extractor extractor;
    extractor.SetSource(src);
    extractor.SetTarget(per_user_install_path);
    PackageSummary summary;
    if (extractor.Scan(&summary) != 0) return -1;

    // The old copy stays until the new one is whole: the new one must fit
    // beside it.
    const int64_t needed = summary.bytes + summary.entries * kBytesPerEntry + kSpaceMargin;
    int64_t bytes = 0;
    int64_t inodes = 0;
    ustring where;
    if (!FreeSpace(GetUserNimbraInstallPath(), &bytes, &inodes, &where)) {
        Logger::LogMsg(Logger::L_WARNING, kComp,
                       "[WARNING] nimbra-service(%d): cannot tell the free space for '%s': %s\n",
                       __LINE__, GetUserNimbraInstallPath().c_str(), strerror(errno));
    } else if (bytes < needed || inodes < summary.entries) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] nimbra-service(%d): not enough free space in '%s': %lld bytes and "
                       "%d files needed, %lld bytes and %lld files available\n",
                       __LINE__, where.c_str(), static_cast<long long>(needed), summary.entries,
                       static_cast<long long>(bytes), static_cast<long long>(inodes));
        last_failure = Failure::kNoSpace;
        return -1;
    }
    package_summary = summary;
    last_failure = Failure::kNone;
    return 0;
}

int Service::ExtractPackage() {
    const ustring src = GetRootNimbraPackagePath();
    const ustring dst = GetUserNimbraAppInstallPath();
    if (FSMKDir(dst, true) != 0) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] nimbra-service(%d): failed to create folder: '%s'\n", __LINE__,
                       dst.c_str());
        return -1;
    }
    Logger::LogMsg(Logger::L_INFO, kComp,
                   "[INFO] nimbra-service(%d): extract package: '%s' -> '%s'\n", __LINE__,
                   src.c_str(), dst.c_str());
    Extractor extractor;
    extractor.SetSource(src);
    extractor.SetTarget(dst);
    if (package_summary) extractor.SetSummary(*package_summary);
    return extractor.Extract();
}

// Every destructive step is announced in the PreparationMarker first, so that
// a run killed at any point leaves enough to find the user's whole copy: the
// old copy stays whole, in the app folder or under its backup name, until the
// new one is complete on disk.
int Service::PrepareUserEnv() {
    if (RecoverUnfinishedPreparation() != 0) return -1;
    const ustring app_dir = per_user_install_path;
    PreparationMarker marker(app_dir);
    int backup = -1;
    if (BackUpAppFolder(app_dir, marker, &backup) != 0) return -1;
    // Without this record an extraction cut short would later pass for a
    // whole copy; with no way to write it, nothing is extracted.
    if (marker.RecordPartial(backup) != 0) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] nimbra-service(%d): failed to record the preparation in '%s': %s\n",
                       __LINE__, marker.path().c_str(), strerror(errno));
        if (backup < 0 || FSRename(GetAppBackupDir(app_dir, backup), app_dir, false) == 0)
            marker.Remove();
        return -1;
    }
    if (ExtractPackage() != 0 || !IsNewCopyWhole(app_dir)) {
        RollBack(app_dir, marker, backup);
        return -1;
    }
    StartCheckedCopy();
    RemoveBackups(app_dir, marker);
    return 0;
}

void Service::RemoveAgedFolders() {
    const ustring aged_app_dir = GetUserNimbraInstallPath() + "/app";
    Logger::LogMsg(Logger::L_INFO, kComp,
                   "[INFO] nimbra-service(%d): removing aged app folder %s\n", __LINE__,
                   aged_app_dir.c_str());
    RemoveTree(aged_app_dir);
    // A backup that a failing disk kept from being removed (or an unfinished
    // copy moved aside) would otherwise stay until the next upgrade; while a
    // preparation is recorded, a backup may be the user's whole copy.
    if (!IsPreparationUnfinished())
        for (int i = 0; i < MAX_RENAME_COUNT; ++i)
            RemoveTree(GetAppBackupDir(per_user_install_path, i));
}

int Service::FSCopyPath(const ustring& src, const ustring& dest) {
    Logger::LogMsg(Logger::L_DEBUG, kComp, "[DEBUG] nimbra-service(%d): copy from '%s' to '%s'\n",
                   __LINE__, src.c_str(), dest.c_str());
    FILE_INFO f_info;
    if (FSStat(src, f_info, false) != 0) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] nimbra-service(%d): FSCopyPath: failed to stat source '%s'\n",
                       __LINE__, src.c_str());
        return -1;
    }
    if (!f_info.isExist) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] nimbra-service(%d): FSCopyPath: source path '%s' does not exist\n",
                       __LINE__, src.c_str());
        return -1;
    }
    if (f_info.type != FT_DIR) {
        FSCopy(src, dest, false);
        return 0;
    }
    // A destination inside the source would be copied into itself without end.
    if (FSIsParentFolder(src, dest)) {
        Logger::LogMsg(
            Logger::L_ERR, kComp,
            "[ERROR] nimbra-service(%d): FSCopyPath: dest folder '%s' lies inside '%s'\n", __LINE__,
            dest.c_str(), src.c_str());
        return -1;
    }
    if (FSMKDir(dest, true) != 0) {
        Logger::LogMsg(
            Logger::L_ERR, kComp,
            "[ERROR] nimbra-service(%d): FSCopyPath: failed to create dest folder '%s'\n", __LINE__,
            dest.c_str());
        return -1;
    }
    DIR_HANDLE handle;
    if (FSOpenDir(src, 0, handle) != 0) {
        Logger::LogMsg(Logger::L_WARNING, kComp,
                       "[WARNING] nimbra-service(%d): FSCopyPath: failed to create handle  for src "
                       "'%s' failed\n",
                       __LINE__, src.c_str());
        return 0;
    }
    int result = -1;
    DIR_ENTRY entry;
    for (;;) {
        if (FSReadDir(handle, entry) <= 0) {
            result = 0;
            break;
        }
        if (entry.name == ustring(".") || entry.name == ustring("..")) continue;
        const ustring from = src + "/" + entry.name;
        const ustring to = dest + "/" + entry.name;
        const int r = entry.type == FT_DIR ? FSCopyPath(from, to) : FSCopy(from, to, false);
        if (r < 0) {
            Logger::LogMsg(Logger::L_ERR, kComp,
                           "[ERROR] nimbra-service(%d): FSCopyPath: failed to copy from '%s' to "
                           "'%s'\n",
                           __LINE__, from.c_str(), to.c_str());
            result = -1;
            break;
        }
    }
    FSCloseDir(handle);
    return result;
}

std::string ExecutableOfProcess(const std::string& proc_exe) {
    std::vector<char> buf(PATH_MAX);
    const ssize_t n = readlink(proc_exe.c_str(), buf.data(), buf.size());
    if (n <= 0 || static_cast<size_t>(n) >= buf.size()) return std::string();
    std::string exe(buf.data(), static_cast<size_t>(n));
    static const std::string kDeleted = " (deleted)";
    if (exe.size() > kDeleted.size() &&
        exe.compare(exe.size() - kDeleted.size(), kDeleted.size(), kDeleted) == 0)
        exe.resize(exe.size() - kDeleted.size());
    return exe;
}

int BuildNumber(const ustring& text) {
    if (text.empty()) return 0;
    const long v = strtol(text.c_str(), nullptr, 10);
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

ustring GetAppBackupDir(const ustring& app_dir, int tries) {
    ustring backup_dir = app_dir + "_tmp";
    if (tries != 0) {
        char tries_str[8];
        const int n = snprintf(tries_str, sizeof(tries_str), "%d", tries);
        if (n < 0 || n >= static_cast<int>(sizeof(tries_str))) {
            Logger::LogMsg(Logger::L_ERR, kComp,
                           "[ERROR] nimbra-service(%d): snprintf failed (continuing without "
                           "postfix)",
                           __LINE__);
        } else {
            backup_dir += tries_str;
        }
    }
    return backup_dir;
}

PreparationMarker::PreparationMarker(const ustring& app_dir)
    : app_dir_(app_dir), path_(app_dir + ".pending") {}

bool PreparationMarker::Exists() const {
    return IsFileExist(path_, false);
}

int PreparationMarker::RecordWhole(int tries) {
    return Write("whole", tries);
}

int PreparationMarker::RecordPartial(int tries) {
    return Write("partial", tries);
}

// Written beside the record and renamed over it, so that the record holds
// either its old or its new line whenever the process dies.
int PreparationMarker::Write(const char* state, int tries) {
    char line[32];
    const int len = snprintf(line, sizeof(line), "%s %d\n", state, tries);
    const ustring folder = FSParentPath(path_);
    if (FSMKDir(folder, true) != 0) return -1;
    const ustring tmp = path_ + ".new";
    const int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return -1;
    // A short write leaves errno alone: name the full disk it means.
    errno = ENOSPC;
    bool ok = write(fd, line, len) == len && fsync(fd) == 0;
    int err = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && rename(tmp.c_str(), path_.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        unlink(tmp.c_str());
        errno = err;  // the caller logs why
        return -1;
    }
    return SyncFolder(folder);
}

// Logged here, once for every caller: a record left behind only makes the
// next run redo the preparation, but the log must say why it does.
int PreparationMarker::Remove() {
    unlink((path_ + ".new").c_str());
    if ((unlink(path_.c_str()) != 0 && errno != ENOENT) || SyncFolder(FSParentPath(path_)) != 0) {
        Logger::LogMsg(Logger::L_WARNING, kComp,
                       "[WARNING] nimbra-service(%d): cannot remove the record '%s': %s\n",
                       __LINE__, path_.c_str(), strerror(errno));
        return -1;
    }
    return 0;
}

ustring PreparationMarker::WholeCopy() const {
    char state[16] = "";
    int tries = -1;
    bool known = false;
    if (FILE* f = fopen(path_.c_str(), "re")) {
        known = fscanf(f, "%15s %d", state, &tries) == 2 && tries >= -1 &&
                tries < MAX_RENAME_COUNT &&
                (strcmp(state, "whole") == 0 || strcmp(state, "partial") == 0);
        fclose(f);
    }
    const bool app_exists = IsFileExist(app_dir_, false);
    const ustring backup = tries >= 0 ? GetAppBackupDir(app_dir_, tries) : ustring();
    const bool backup_exists = !backup.empty() && IsFileExist(backup, false);
    if (!known) return app_exists ? app_dir_ : ustring();
    if (strcmp(state, "whole") == 0) {
        // The app folder goes only by the rename to the backup.
        if (app_exists) return app_dir_;
        return backup_exists ? backup : ustring();
    }
    // Partial: the backup leaves only by being moved back to the app folder.
    if (backup_exists) return backup;
    return tries >= 0 && app_exists ? app_dir_ : ustring();
}
