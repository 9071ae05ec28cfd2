#include "upgrade/copy-replacement.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "file/file-op.h"
#include "file/path-util.h"
#include "file/tree-removal.h"
#include "log.h"

namespace {

const char kLogComponent[] = "service_debug";
// The records name the service, whatever file writes them.
const char kLogSource[] = "nimbra-service";

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
        NLOG_ERROR("failed to move the unfinished copy '%s' to '%s': %s\n", app_dir.c_str(),
                   aside.c_str(), strerror(errno));
        return -1;
    }
    NLOG_ERROR("failed to remove the unfinished copy '%s'\n", app_dir.c_str());
    return -1;
}

// Room the unpacked package needs beyond its data: each entry may take up
// to a block more than its size, plus a margin for folders and metadata.
const int64_t kBytesPerEntry = 4096;
const int64_t kSpaceMargin = 16 << 20;

// The free space and inodes of the file system that holds path, or of the
// nearest folder above it that exists (the user folder may not exist yet).
Status FreeSpace(const ustring& path, int64_t* bytes, int64_t* inodes, ustring* where) {
    ustring p = path;
    struct statvfs st;
    while (statvfs(p.c_str(), &st) != 0) {
        if (errno != ENOENT || p == ustring("/") || p.empty())
            return Status::Failed("statvfs", p.c_str(), errno);
        p = FSParentPath(p);
    }
    *bytes = static_cast<int64_t>(st.f_bavail) * static_cast<int64_t>(st.f_frsize);
    // Some file systems have no fixed number of inodes and report none.
    *inodes = st.f_files == 0 ? INT64_MAX : static_cast<int64_t>(st.f_favail);
    *where = p;
    return Status();
}

// Logs that marker could not record a step, and why.
void LogUnrecorded(const PreparationMarker& marker, const Status& why) {
    NLOG_ERROR("failed to record the preparation in '%s': %s\n", marker.path().c_str(),
               strerror(why.err()));
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

// Discards the copy in app_dir and moves the old one (backup number backup) back.
// When it can't be moved back the record stays and leads the next run to
// the last whole copy. 0 when the old copy is in place again.
int RestoreBackup(const ustring& app_dir, PreparationMarker& marker, int backup) {
    const ustring backup_dir = GetAppBackupDir(app_dir, backup);
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

}  // namespace

int RestoreWholeCopy(const ustring& app_dir, const PreparationMarker& marker) {
    const ustring whole = marker.WholeCopy();
    NLOG_NOTE("an earlier preparation of '%s' did not finish, last whole copy: '%s'\n",
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

bool FitsBeside(const ustring& holder, const PackageSummary& summary) {
    const int64_t needed = summary.bytes + summary.entries * kBytesPerEntry + kSpaceMargin;
    int64_t bytes = 0;
    int64_t inodes = 0;
    ustring where;
    const Status measured = FreeSpace(holder, &bytes, &inodes, &where);
    if (!measured.ok()) {
        NLOG_WARNING("cannot tell the free space for '%s': %s\n", holder.c_str(),
                     strerror(measured.err()));
        return true;
    }
    if (bytes >= needed && inodes >= summary.entries) return true;
    NLOG_ERROR(
        "not enough free space in '%s': %lld bytes and %d files needed, %lld bytes and %lld files "
        "available\n",
        where.c_str(), static_cast<long long>(needed), summary.entries,
        static_cast<long long>(bytes), static_cast<long long>(inodes));
    return false;
}

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

int BackUpAppFolder(const ustring& app_dir, PreparationMarker& marker, int* backup) {
    *backup = -1;
    if (!IsFileExist(app_dir, false)) return 0;
    for (int rename_count = 0;;) {
        const ustring backup_dir = GetAppBackupDir(app_dir, rename_count);
        const Status recorded = marker.RecordWhole(rename_count);
        if (!recorded.ok()) {
            LogUnrecorded(marker, recorded);
            marker.Remove();  // the app folder is whole and in place
            return -1;
        }
        if (FSRename(app_dir, backup_dir, false) == 0) {
            *backup = rename_count;
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
            NLOG_ERROR("failed to backup app from '%s' -> '%s' at max retries, exiting\n",
                       app_dir.c_str(), backup_dir.c_str());
            marker.Remove();
            return -1;
        }
    }
}

int DropBackups(const ustring& app_dir, PreparationMarker& marker) {
    if (!marker.IsUpgradeDone()) {
        const Status recorded = marker.RecordWhole(-1);
        if (!recorded.ok()) {
            LogUnrecorded(marker, recorded);
            return -1;
        }
    }
    int result = 0;
    for (int i = 0; i < MAX_RENAME_COUNT; ++i)
        if (RemoveTree(GetAppBackupDir(app_dir, i)) != 0) result = -1;  // logged there
    return result == 0 ? marker.Remove() : -1;
}

int RecordExtraction(const ustring& app_dir, PreparationMarker& marker, int backup) {
    const Status recorded = marker.RecordPartial(backup);
    if (recorded.ok()) return 0;
    LogUnrecorded(marker, recorded);
    if (backup < 0 || FSRename(GetAppBackupDir(app_dir, backup), app_dir, false) == 0)
        marker.Remove();
    return -1;
}

void RollBack(const ustring& app_dir, PreparationMarker& marker, int backup) {
    if (backup < 0) {
        NLOG_ERROR("Failed to extract package, and no old installation to rollback\n");
        return;
    }
    NLOG_ERROR("Failed to extract package, rollback to old installation\n");
    RestoreBackup(app_dir, marker, backup);
}

void CommitNewCopy(const ustring& app_dir, PreparationMarker& marker) {
    Status durable = SyncFolder(app_dir, syncfs);
    if (durable.ok()) durable = marker.RecordWhole(-1);
    if (!durable.ok()) {
        NLOG_ERROR("failed to make '%s' durable, keeping the backup app: %s\n", app_dir.c_str(),
                   strerror(durable.err()));
        return;
    }
    NLOG_INFO("user installation is ready, removing backup app\n");
    DropBackups(app_dir, marker);
}

void GoBackAfterFailedStart(const ustring& app_dir, PreparationMarker& marker, int backup,
                            int build) {
    FailedStartRecord(app_dir).Add(build, time(nullptr));
    if (backup < 0) {
        NLOG_ERROR("the new client did not come up, and no old installation to rollback\n");
        if (SyncFolder(app_dir, syncfs).ok()) DropBackups(app_dir, marker);
        return;
    }
    NLOG_ERROR("the new client did not come up, rollback to old installation\n");
    RestoreBackup(app_dir, marker, backup);
}
