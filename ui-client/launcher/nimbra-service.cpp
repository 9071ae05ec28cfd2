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
#include <algorithm>
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
#include "file/path-util.h"
#include "log.h"
#include "process/process-info.h"
#include "tree-removal.h"

namespace {

const char kLogComponent[] = "service_debug";
const char kLogSource[] = "nimbra-service";

// An INFO file is a few lines; anything bigger is not one.
const off_t kMaxVersionFileSize = 64 * 1024;

ustring ToUstring(const QString& s) {
    return ustring(s.toUtf8().toStdString());
}

// The bytes of the regular file open at fd, at most kMaxVersionFileSize of
// them. 0, or the errno of the failure (EFBIG when bigger, EINVAL when not a
// regular file).
int ReadVersionBytes(int fd, std::string* bytes) {
    struct stat st;
    if (fstat(fd, &st) != 0) return errno;
    if (!S_ISREG(st.st_mode)) return EINVAL;
    if (st.st_size > kMaxVersionFileSize) return EFBIG;
    bytes->assign(kMaxVersionFileSize + 1, '\0');
    size_t got = 0;
    for (ssize_t n; got < bytes->size(); got += static_cast<size_t>(n)) {
        n = read(fd, &(*bytes)[got], bytes->size() - got);
        if (n < 0 && errno == EINTR)
            n = 0;
        else if (n < 0)
            return errno;
        else if (n == 0)
            break;
    }
    if (got > static_cast<size_t>(kMaxVersionFileSize)) return EFBIG;  // grew since fstat
    bytes->resize(got);
    return 0;
}

// Fills fd with bytes and gives it a time stamp no earlier copy had. The
// toolkit keeps what it read of a path and hands it out again while the
// file there keeps its size and time stamp, and the copies' paths are
// reused: two INFO files of one size and time stamp (packed in the same
// second, say) would otherwise both read as the first.
bool FillCopy(int fd, const std::string& bytes) {
    static std::atomic<time_t> last_stamp{0};
    const struct timespec times[2] = {{0, UTIME_OMIT}, {++last_stamp, 0}};
    return write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
           futimens(fd, times) == 0;
}

// A copy of bytes that the toolkit can read by a path of plain ASCII: a
// memory file reached through /proc/self/fd/N, or, where /proc is not
// mounted (a sandbox, a chroot) or memory files can't be made, a private
// temporary file, removed again by the caller (*temporary set). The
// descriptor, or -1 with errno set.
int VersionCopy(const std::string& bytes, QString* path, bool* temporary) {
    *temporary = false;
    int fd = memfd_create("INFO", MFD_CLOEXEC);
    if (fd >= 0) {
        const QByteArray proc = "/proc/self/fd/" + QByteArray::number(fd);
        if (access(proc.constData(), R_OK) == 0 && FillCopy(fd, bytes)) {
            *path = QString::fromLatin1(proc);
            return fd;
        }
        close(fd);
    }
    QByteArray name = QFile::encodeName(QDir::tempPath()) + "/nimbra-INFO-XXXXXX";
    if (QFile::encodeName(QFile::decodeName(name)) != name) name = "/tmp/nimbra-INFO-XXXXXX";
    fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    if (!FillCopy(fd, bytes)) {
        const int err = errno;
        unlink(name.constData());
        close(fd);
        errno = err;
        return -1;
    }
    *path = QFile::decodeName(name);
    *temporary = true;
    return fd;
}

// Fills the fields of info whose keys the group "Version" of the INI file
// at path holds; absent keys leave their fields alone. The file is opened
// by its bytes and handed to the toolkit through a copy, so a path that is
// not valid in the locale's encoding (a Latin-1 home) is still read. 0, or
// the errno of why the file could not be read (nothing filled then).
int ReadVersionFile(const ustring& path, Service::VersionInfo& info) {
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
    if (fd < 0) return errno;
    std::string bytes;
    const int err = ReadVersionBytes(fd, &bytes);
    close(fd);
    if (err != 0) return err;
    QString copy_path;
    bool temporary = false;
    const int copy = VersionCopy(bytes, &copy_path, &temporary);
    if (copy < 0) return errno;
    {
        QSettings settings(copy_path, QSettings::IniFormat);
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
    if (temporary) unlink(QFile::encodeName(copy_path).constData());
    close(copy);
    return 0;
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
        NLOG_ERROR(
            "failed to move the unfinished copy '%s' to "
            "'%s': %s\n",
            app_dir.c_str(), aside.c_str(), strerror(errno));
        return -1;
    }
    NLOG_ERROR("failed to remove the unfinished copy '%s'\n", app_dir.c_str());
    return -1;
}

// Puts the last whole copy of an unfinished preparation back into app_dir,
// discarding whatever unfinished extraction app_dir holds. 0 when app_dir
// holds that copy now (or is gone, when there was none); -1 otherwise, with
// the record left for the next run.
int RestoreWholeCopy(const ustring& app_dir, const PreparationMarker& marker) {
    const ustring whole = marker.WholeCopy();
    NLOG_NOTE(
        "an earlier preparation of '%s' did not finish, "
        "last whole copy: '%s'\n",
        app_dir.c_str(), whole.c_str());
    if (whole == app_dir) return 0;
    if (DiscardUnfinishedCopy(app_dir) != 0) return -1;
    if (whole.empty()) return 0;
    if (FSRename(whole, app_dir, false) != 0) {
        NLOG_ERROR("failed to restore app from '%s' -> '%s': %s\n", whole.c_str(), app_dir.c_str(),
                   strerror(errno));
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

// Whether the unpacked package fits in the file system of holder, bytes
// and inodes; false (logged) when it does not. A file system that can't
// tell is given the benefit of the doubt, with a warning: the extraction
// still fails cleanly on a full disk.
bool FitsBeside(const ustring& holder, const PackageSummary& summary) {
    const int64_t needed = summary.bytes + summary.entries * kBytesPerEntry + kSpaceMargin;
    int64_t bytes = 0;
    int64_t inodes = 0;
    ustring where;
    if (!FreeSpace(holder, &bytes, &inodes, &where)) {
        NLOG_WARNING("cannot tell the free space for '%s': %s\n", holder.c_str(), strerror(errno));
        return true;
    }
    if (bytes >= needed && inodes >= summary.entries) return true;
    NLOG_ERROR(
        "not enough free space in '%s': %lld bytes and "
        "%d files needed, %lld bytes and %lld files available\n",
        where.c_str(), static_cast<long long>(needed), summary.entries,
        static_cast<long long>(bytes), static_cast<long long>(inodes));
    return false;
}

// Whether path is an executable regular file (not a link).
bool IsExecutableFile(const ustring& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR) != 0;
}

// Splits a relative path into its elements, dropping empty ones and ".".
std::vector<std::string> PathElements(const std::string& path) {
    std::vector<std::string> out;
    for (size_t at = 0; at <= path.size();) {
        size_t slash = path.find('/', at);
        if (slash == std::string::npos) slash = path.size();
        const std::string e = path.substr(at, slash - at);
        if (!e.empty() && e != ".") out.push_back(e);
        at = slash + 1;
    }
    return out;
}

// Whether relative names, inside the copy in copy_dir, an executable regular
// file. Packages often give the client's files as links into the copy
// (bin/nimbra-backup-ui -> ../lib/x/client): links are resolved element by
// element, and one that is absolute, climbs above the copy, dangles or
// loops refuses the file. A copy moved to a backup name stays whole.
bool IsExecutableInCopy(const ustring& copy_dir, const char* relative) {
    const std::string base = copy_dir.c_str();
    std::vector<std::string> todo = PathElements(relative);  // reversed: next at the back
    std::reverse(todo.begin(), todo.end());
    std::vector<std::string> done;  // resolved elements, none a link
    for (int links = 0; !todo.empty();) {
        const std::string e = todo.back();
        todo.pop_back();
        if (e == "..") {
            if (done.empty()) return false;
            done.pop_back();
            continue;
        }
        std::string path = base;
        for (const std::string& d : done) path += "/" + d;
        path += "/" + e;
        struct stat st;
        if (lstat(path.c_str(), &st) != 0) return false;
        if (!S_ISLNK(st.st_mode)) {
            if (!todo.empty() && !S_ISDIR(st.st_mode)) return false;
            done.push_back(e);
            continue;
        }
        const std::string body = ReadLinkBytes(path);
        if (body.empty() || body[0] == '/' || ++links > 40) return false;
        const std::vector<std::string> more = PathElements(body);
        todo.insert(todo.end(), more.rbegin(), more.rend());
    }
    std::string path = base;
    for (const std::string& d : done) path += "/" + d;
    return !done.empty() && IsExecutableFile(ustring(path));
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
            NLOG_ERROR(
                "failed to record the preparation in '%s': "
                "%s\n",
                marker.path().c_str(), strerror(errno));
            marker.Remove();  // the app folder is whole and in place
            return -1;
        }
        if (FSRename(app_dir, backup_dir, false) == 0) {
            *tries = rename_count;
            return 0;
        }
        const int err = errno;
        NLOG_ERROR("failed to backup app from '%s' -> '%s': %s\n", app_dir.c_str(),
                   backup_dir.c_str(), strerror(err));
        ++rename_count;
        // Only a backup of that name left from an earlier run is worth
        // trying the next name for; any other failure would repeat.
        if (err != EEXIST && err != ENOTEMPTY) {
            marker.Remove();
            return -1;
        }
        if (rename_count >= MAX_RENAME_COUNT) {
            NLOG_ERROR(
                "failed to backup app from '%s' -> '%s' at "
                "max retries, exiting\n",
                app_dir.c_str(), backup_dir.c_str());
            marker.Remove();
            return -1;
        }
    }
}

// Once app_dir holds the whole copy (or nothing, when there is none):
// records that every backup name is a leftover, removes them all (a run
// killed while removing backups can leave gaps in the row), then the
// record. The record goes only once the backups are gone, so that a run
// stopped anywhere in between still finds them. 0, or -1 with the record
// kept for the next run.
int DropBackups(const ustring& app_dir, PreparationMarker& marker) {
    if (!marker.IsUpgradeDone() && marker.RecordWhole(-1) != 0) {
        NLOG_ERROR("failed to record the preparation in '%s'\n", marker.path().c_str());
        return -1;
    }
    int result = 0;
    for (int i = 0; i < MAX_RENAME_COUNT; ++i)
        if (RemoveTree(GetAppBackupDir(app_dir, i)) != 0) result = -1;  // logged there
    return result == 0 ? marker.Remove() : -1;
}

// Discards the copy in app_dir and moves the old one (backup tries) back.
// When it can't be moved back the record stays and leads the next run to
// the last whole copy. 0 when the old copy is in place again.
int RestoreBackup(const ustring& app_dir, PreparationMarker& marker, int tries) {
    const ustring backup_dir = GetAppBackupDir(app_dir, tries);
    if (DiscardUnfinishedCopy(app_dir) != 0) return -1;  // logged; the record stays
    // The old copy is whole again in its own place: the ordinary upgrade
    // decision will try again on the next run.
    if (FSRename(backup_dir, app_dir, false) == 0) {
        DropBackups(app_dir, marker);
        return 0;
    }
    NLOG_ERROR("failed to restore app from '%s' -> '%s': %s\n", backup_dir.c_str(), app_dir.c_str(),
               strerror(errno));
    return -1;
}

// After a failed extraction: discards the unfinished copy and moves the old
// one (backup tries) back. Without an old copy the record stays and leads
// the next run to the last whole copy.
void RollBack(const ustring& app_dir, PreparationMarker& marker, int tries) {
    if (tries < 0) {
        NLOG_ERROR(
            "Failed to extract package, and no old "
            "installation to rollback\n");
        return;
    }
    NLOG_ERROR(
        "Failed to extract package, rollback to old "
        "installation\n");
    RestoreBackup(app_dir, marker, tries);
}

// Once the new copy in app_dir is whole: makes it durable, then removes
// every backup name and the record. The backups stay if it can't be made
// durable: a power loss could still cost the new copy.
void RemoveBackups(const ustring& app_dir, PreparationMarker& marker) {
    if (SyncFolder(app_dir, syncfs) != 0 || marker.RecordWhole(-1) != 0) {
        NLOG_ERROR(
            "failed to make '%s' durable, keeping the "
            "backup app: %s\n",
            app_dir.c_str(), strerror(errno));
        return;
    }
    NLOG_INFO("user installation is ready, removing backup app\n");
    DropBackups(app_dir, marker);
}

// After the client of the new copy (build) did not come up: counts the
// failure, then puts the old copy (backup tries) back, to be started by the
// caller's PostUpgrade. On a first installation there is nothing better
// than the new copy: it stays, made durable, and is reported as a failed
// installation. The failure to report.
Service::Failure GoBackAfterFailedStart(const ustring& app_dir, PreparationMarker& marker,
                                        int tries, int build) {
    FailedStartRecord(app_dir).Add(build, time(nullptr));
    if (tries < 0) {
        NLOG_ERROR(
            "the new client did not come up, and no old "
            "installation to rollback\n");
        if (SyncFolder(app_dir, syncfs) == 0) DropBackups(app_dir, marker);
        return Service::Failure::kNoClient;
    }
    NLOG_ERROR(
        "the new client did not come up, rollback to old "
        "installation\n");
    RestoreBackup(app_dir, marker, tries);
    return Service::Failure::kOther;
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

// The user folder, or the app folder, may be a symbolic link the user made
// to keep the client on a roomier disk: the folder where it points is the
// one used (backups, the record of a preparation and the free-space check
// land there too). A link owned by anyone else is not followed. A link
// that points nowhere yet names the folder it would point to.
static ustring FollowUserLink(const ustring& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode) || st.st_uid != geteuid())
        return path;
    if (char* real = realpath(path.c_str(), nullptr)) {
        const ustring resolved(real);
        free(real);
        return resolved;
    }
    std::string target = ReadLinkBytes(path.c_str());
    if (target.empty()) return path;
    if (target[0] != '/') target = std::string(FSParentPath(path).c_str()) + "/" + target;
    const std::string name = target.substr(target.rfind('/') + 1);
    char* parent = realpath(target.substr(0, target.rfind('/')).c_str(), nullptr);
    if (parent == nullptr || name.empty() || name == "." || name == "..") {
        free(parent);
        return path;
    }
    const ustring resolved(std::string(parent) + "/" + name);
    free(parent);
    return resolved;
}

ustring Service::GetUserNimbraInstallPath() {
    return FollowUserLink(GetUserInstallPath() + "/" + ".NimbraBackup");
}

ustring Service::GetUserNimbraAppInstallPath() {
    return FollowUserLink(GetUserNimbraInstallPath() + "/" + "Nimbra.app");
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
    const ustring path = GetRootNimbraResourceInstallPath() + "/" + "INFO";
    if (const int err = ReadVersionFile(path, target_version)) {
        const bool missing = err == ENOENT;
        Logger::LogMsg(missing ? Logger::L_WARNING : Logger::L_ERR, kLogComponent,
                       missing ? "[WARNING] nimbra-service(%d): cannot read the version file "
                                 "'%s': %s, not upgrading\n"
                               : "[ERROR] nimbra-service(%d): cannot read the version file "
                                 "'%s': %s, not upgrading\n",
                       __LINE__, path.c_str(), strerror(err));
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
    if (stat((per_user_install_path + "/INFO").c_str(), &copy) != 0) return true;
    return machine.st_mtim.tv_sec > copy.st_mtim.tv_sec ||
           (machine.st_mtim.tv_sec == copy.st_mtim.tv_sec &&
            machine.st_mtim.tv_nsec > copy.st_mtim.tv_nsec);
}

bool Service::IsPreparationUnfinished() const {
    const PreparationMarker marker(per_user_install_path);
    return marker.Exists() && !marker.IsUpgradeDone();
}

bool Service::IsRetryDue() const {
    const int build = BuildNumber(target_version.build_version);
    int count = 0;
    time_t last = 0;
    if (FailedStartRecord(per_user_install_path)
            .Allows(build, time(nullptr), retry_interval_s, &count, &last))
        return true;
    char when[32] = "";
    struct tm tm;
    if (localtime_r(&last, &tm) != nullptr) strftime(when, sizeof(when), "%b %d %H:%M:%S", &tm);
    NLOG_WARNING(
        "the client of build %d did not come up %d times "
        "in a row, last on %s; trying it again %d s after that\n",
        build, count, when, retry_interval_s);
    return false;
}

bool Service::HasWholeCopy() const {
    return !IsPreparationUnfinished() &&
           IsExecutableInCopy(per_user_install_path, "package/start-stop");
}

bool Service::IsNewCopyWhole(const ustring& app_dir) const {
    VersionInfo copy;
    const ustring info = app_dir + "/INFO";
    const int err = ReadVersionFile(info, copy);
    if (err != 0 && err != ENOENT) {
        // A read that failed says nothing about the package (an INFO that
        // is absent does): the copy is rolled back all the same, but the
        // log names the read.
        NLOG_ERROR(
            "cannot read the version file '%s' of the "
            "extracted copy: %s\n",
            info.c_str(), strerror(err));
        return false;
    }
    const char* missing = nullptr;
    if (copy.build_version.empty() ||
        BuildNumber(copy.build_version) < BuildNumber(target_version.build_version))
        missing = "INFO with the machine-wide build";
    else if (!IsExecutableInCopy(app_dir, "bin/nimbra-backup-ui"))
        missing = "executable bin/nimbra-backup-ui";
    else if (!IsExecutableInCopy(app_dir, "package/start-stop"))
        missing = "executable package/start-stop";
    if (missing == nullptr) return true;
    NLOG_ERROR("the extracted copy in '%s' has no %s\n", app_dir.c_str(), missing);
    return false;
}

int Service::RecoverUnfinishedPreparation() {
    PreparationMarker marker(per_user_install_path);
    if (!marker.Exists()) return 0;
    if (!marker.IsUpgradeDone() && RestoreWholeCopy(per_user_install_path, marker) != 0) return -1;
    // The app folder holds the last whole copy (or nothing): every backup
    // name is a leftover now. One that can't be removed is tried again at
    // the end of the upgrade and by later runs; it does not stop this one.
    DropBackups(per_user_install_path, marker);
    return marker.Exists() && !marker.IsUpgradeDone() ? -1 : 0;
}

int Service::FinishRecordedUpgrade() {
    PreparationMarker marker(per_user_install_path);
    if (!marker.Exists() || !marker.IsUpgradeDone()) return 0;
    return DropBackups(per_user_install_path, marker);
}

int Service::ValidatePackage() {
    package_summary.reset();
    last_failure = Failure::kOther;
    const ustring src = GetRootNimbraPackagePath();
    // A FIFO or a device would block the reader or never end.
    struct stat st;
    if (stat(src.c_str(), &st) != 0 || access(src.c_str(), R_OK) != 0) {
        NLOG_ERROR("cannot read package '%s': %s\n", src.c_str(), strerror(errno));
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        NLOG_ERROR("package '%s' is not a regular file\n", src.c_str());
        return -1;
    }
    Extractor extractor;
    extractor.SetSource(src);
    extractor.SetTarget(per_user_install_path);
    extractor.SetProgress(extract_progress);
    PackageSummary summary;
    if (extractor.Scan(&summary) != 0) return -1;

    // The old copy stays until the new one is whole: the new one must fit
    // beside it, in the folder that will hold it (with a linked app folder,
    // on the disk the link points to).
    if (!FitsBeside(FSParentPath(per_user_install_path), summary)) {
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
        NLOG_ERROR("failed to record the preparation in '%s': %s\n", marker.path().c_str(),
                   strerror(errno));
        if (backup < 0 || FSRename(GetAppBackupDir(app_dir, backup), app_dir, false) == 0)
            marker.Remove();
        return -1;
    }
    if (ExtractPackage() != 0 || !IsNewCopyWhole(app_dir)) {
        RollBack(app_dir, marker, backup);
        return -1;
    }
    // The record follows the start: flushed before it, it would hold the
    // client up while the journal takes in the whole extraction (10 to 30 ms
    // on ext4), and a loss before it leaves "partial", which leads to the
    // same whole copy.
    if (!StartCheckedCopy([&] { marker.RecordTrial(backup); })) {
        last_failure = GoBackAfterFailedStart(app_dir, marker, backup,
                                              BuildNumber(target_version.build_version));
        return -1;
    }
    RemoveBackups(app_dir, marker);
    FailedStartRecord(app_dir).Remove();
    return 0;
}

void Service::RemoveAgedFolders() {
    const ustring aged_app_dir = GetUserNimbraInstallPath() + "/app";
    NLOG_INFO("removing aged app folder %s\n", aged_app_dir.c_str());
    RemoveTree(aged_app_dir);
    // A backup that a failing disk kept from being removed (or an unfinished
    // copy moved aside) would otherwise stay until the next upgrade; while a
    // preparation is recorded, a backup may be the user's whole copy.
    if (!IsPreparationUnfinished())
        for (int i = 0; i < MAX_RENAME_COUNT; ++i)
            RemoveTree(GetAppBackupDir(per_user_install_path, i));
}

namespace {

// Copies what the open folder src holds into dest, folders through
// copy_folder. 0, or -1 (logged) at the first entry that fails to be read or
// copied.
int CopyFolderEntries(DIR_HANDLE& handle, const ustring& src, const ustring& dest,
                      const std::function<int(const ustring&, const ustring&)>& copy_folder) {
    DIR_ENTRY entry;
    for (;;) {
        const int read = FSReadDir(handle, entry);
        if (read == 0) return 0;
        if (read < 0) {
            NLOG_ERROR(
                "FSCopyPath: failed to read source folder "
                "'%s'\n",
                src.c_str());
            return -1;
        }
        if (entry.name == ustring(".") || entry.name == ustring("..")) continue;
        const ustring from = src + "/" + entry.name;
        const ustring to = dest + "/" + entry.name;
        const int r = entry.type == FT_DIR ? copy_folder(from, to) : FSCopy(from, to, false);
        if (r < 0) {
            NLOG_ERROR(
                "FSCopyPath: failed to copy from '%s' to "
                "'%s'\n",
                from.c_str(), to.c_str());
            return -1;
        }
    }
}

}  // namespace

int Service::FSCopyPath(const ustring& src, const ustring& dest) {
    NLOG_DEBUG("copy from '%s' to '%s'\n", src.c_str(), dest.c_str());
    FILE_INFO f_info;
    if (FSStat(src, f_info, false) != 0) {
        NLOG_ERROR("FSCopyPath: failed to stat source '%s'\n", src.c_str());
        return -1;
    }
    if (!f_info.isExist) {
        NLOG_ERROR("FSCopyPath: source path '%s' does not exist\n", src.c_str());
        return -1;
    }
    if (f_info.type != FT_DIR) {
        if (FSCopy(src, dest, false) == 0) return 0;
        NLOG_ERROR("FSCopyPath: failed to copy from '%s' to '%s'\n", src.c_str(), dest.c_str());
        return -1;
    }
    // A destination inside the source would be copied into itself without end.
    if (FSIsParentFolder(src, dest)) {
        NLOG_ERROR("FSCopyPath: dest folder '%s' lies inside '%s'\n", dest.c_str(), src.c_str());
        return -1;
    }
    if (FSMKDir(dest, true) != 0) {
        NLOG_ERROR("FSCopyPath: failed to create dest folder '%s'\n", dest.c_str());
        return -1;
    }
    DIR_HANDLE handle;
    if (FSOpenDir(src, 0, handle) != 0) {
        NLOG_ERROR(
            "FSCopyPath: failed to open source folder "
            "'%s'\n",
            src.c_str());
        return -1;
    }
    const int result = CopyFolderEntries(
        handle, src, dest,
        [this](const ustring& from, const ustring& to) { return FSCopyPath(from, to); });
    FSCloseDir(handle);
    return result;
}

int BuildNumber(const ustring& text) {
    if (text.empty()) return 0;
    const long v = strtol(text.c_str(), nullptr, 10);
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

ustring GetAppBackupDir(const ustring& app_dir, int backup) {
    ustring backup_dir = app_dir + "_tmp";
    if (backup != 0) {
        char number[8];
        const int n = snprintf(number, sizeof(number), "%d", backup);
        if (n < 0 || n >= static_cast<int>(sizeof(number))) {
            NLOG_ERROR(
                "snprintf failed (continuing without "
                "postfix)");
        } else {
            backup_dir += number;
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

int PreparationMarker::RecordTrial(int tries) {
    return Write("trial", tries, /*sync_folder=*/false);
}

bool PreparationMarker::IsUpgradeDone() const {
    std::string state;
    int tries = 0;
    return Read(&state, &tries) && state == "whole" && tries == -1;
}

// Written beside the record and renamed over it, so that the record holds
// either its old or its new line whenever the process dies.
int PreparationMarker::Write(const char* state, int tries, bool sync_folder) {
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
    return sync_folder ? SyncFolder(folder) : 0;
}

// Logged here, once for every caller: a record left behind only makes the
// next run redo the preparation, but the log must say why it does.
int PreparationMarker::Remove() {
    unlink((path_ + ".new").c_str());
    if ((unlink(path_.c_str()) != 0 && errno != ENOENT) || SyncFolder(FSParentPath(path_)) != 0) {
        NLOG_WARNING("cannot remove the record '%s': %s\n", path_.c_str(), strerror(errno));
        return -1;
    }
    return 0;
}

bool PreparationMarker::Read(std::string* state, int* tries) const {
    char word[16] = "";
    bool known = false;
    if (FILE* f = fopen(path_.c_str(), "re")) {
        known = fscanf(f, "%15s %d", word, tries) == 2 && *tries >= -1 &&
                *tries < MAX_RENAME_COUNT &&
                (strcmp(word, "whole") == 0 || strcmp(word, "partial") == 0 ||
                 strcmp(word, "trial") == 0);
        fclose(f);
    }
    *state = word;
    return known;
}

ustring PreparationMarker::WholeCopy() const {
    std::string state;
    int tries = -1;
    const bool known = Read(&state, &tries);
    const bool app_exists = IsFileExist(app_dir_, false);
    const ustring backup = known && tries >= 0 ? GetAppBackupDir(app_dir_, tries) : ustring();
    const bool backup_exists = !backup.empty() && IsFileExist(backup, false);
    if (!known) return app_exists ? app_dir_ : ustring();
    if (state == "whole") {
        // The app folder goes only by the rename to the backup.
        if (app_exists) return app_dir_;
        return backup_exists ? backup : ustring();
    }
    // Partial or trial: the backup leaves only by being moved back to the
    // app folder.
    if (backup_exists) return backup;
    return tries >= 0 && app_exists ? app_dir_ : ustring();
}

FailedStartRecord::FailedStartRecord(const ustring& app_dir) : path_(app_dir + ".failed") {}

bool FailedStartRecord::Allows(int build, time_t now, int interval_s, int* count,
                               time_t* last) const {
    int recorded = 0;
    long long when = 0;
    *count = 0;
    *last = 0;
    if (FILE* f = fopen(path_.c_str(), "re")) {
        if (fscanf(f, "%d %d %lld", &recorded, count, &when) != 3 || recorded != build) *count = 0;
        fclose(f);
    }
    *last = static_cast<time_t>(when);
    // A clock set back must not hold the build off for longer than the
    // interval.
    return *count < 2 || now < *last || now - *last >= interval_s;
}

int FailedStartRecord::Add(int build, time_t now) {
    int count = 0;
    time_t last = 0;
    Allows(build, now, 0, &count, &last);
    char line[64];
    const int len =
        snprintf(line, sizeof(line), "%d %d %lld\n", build, count + 1, static_cast<long long>(now));
    const ustring tmp = path_ + ".new";
    const int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return -1;
    const bool written = write(fd, line, len) == len;
    if (close(fd) != 0 || !written || rename(tmp.c_str(), path_.c_str()) != 0) {
        unlink(tmp.c_str());
        return -1;
    }
    return 0;
}

void FailedStartRecord::Remove() {
    unlink(path_.c_str());
}
