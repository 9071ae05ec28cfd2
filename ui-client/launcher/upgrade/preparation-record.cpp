#include "upgrade/preparation-record.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "file/file-op.h"
#include "log.h"

namespace {

const char kLogComponent[] = "service_debug";
// The records name the service, whatever file writes them.
const char kLogSource[] = "nimbra-service";

}  // namespace

ustring GetAppBackupDir(const ustring& app_dir, int backup) {
    ustring backup_dir = app_dir + "_tmp";
    if (backup != 0) {
        char number[8];
        const int n = snprintf(number, sizeof(number), "%d", backup);
        if (n < 0 || n >= static_cast<int>(sizeof(number))) {
            NLOG_ERROR("snprintf failed (continuing without postfix)");
        } else {
            backup_dir += number;
        }
    }
    return backup_dir;
}

Status SyncFolder(const ustring& folder, int (*sync)(int)) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return Status::Failed("open", folder.c_str(), errno);
    const Status result = sync(fd) == 0 ? Status() : Status::Failed("sync", folder.c_str(), errno);
    close(fd);
    return result;
}

PreparationMarker::PreparationMarker(const ustring& app_dir)
    : app_dir_(app_dir), path_(app_dir + ".pending") {}

bool PreparationMarker::Exists() const {
    return IsFileExist(path_, false);
}

Status PreparationMarker::RecordWhole(int backup) {
    return Write("whole", backup);
}

Status PreparationMarker::RecordPartial(int backup) {
    return Write("partial", backup);
}

Status PreparationMarker::RecordTrial(int backup) {
    return Write("trial", backup, /*sync_folder=*/false);
}

bool PreparationMarker::IsUpgradeDone() const {
    std::string state;
    int backup = 0;
    return Read(&state, &backup) && state == "whole" && backup == -1;
}

// Written beside the record and renamed over it, so that the record holds
// either its old or its new line whenever the process dies.
Status PreparationMarker::Write(const char* state, int backup, bool sync_folder) {
    char line[32];
    const int len = snprintf(line, sizeof(line), "%s %d\n", state, backup);
    const ustring folder = FSParentPath(path_);
    if (FSMKDir(folder, true) != 0) return Status::Failed("mkdir", folder.c_str(), errno);
    const ustring tmp = path_ + ".new";
    const int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return Status::Failed("open", tmp.c_str(), errno);
    // A short write leaves errno alone: name the full disk it means.
    errno = ENOSPC;
    Status result;
    if (write(fd, line, len) != len)
        result = Status::Failed("write", tmp.c_str(), errno);
    else if (fsync(fd) != 0)
        result = Status::Failed("fsync", tmp.c_str(), errno);
    if (close(fd) != 0) result.Update(Status::Failed("close", tmp.c_str(), errno));
    if (result.ok() && rename(tmp.c_str(), path_.c_str()) != 0)
        result = Status::Failed("rename", tmp.c_str(), errno);
    if (!result.ok()) {
        unlink(tmp.c_str());
        return result;
    }
    return sync_folder ? SyncFolder(folder) : Status();
}

// Logged here, once for every caller: a record left behind only makes the
// next run redo the preparation, but the log must say why it does.
int PreparationMarker::Remove() {
    unlink((path_ + ".new").c_str());
    Status removed;
    if (unlink(path_.c_str()) != 0 && errno != ENOENT)
        removed = Status::Failed("unlink", path_.c_str(), errno);
    else
        removed = SyncFolder(FSParentPath(path_));
    if (removed.ok()) return 0;
    NLOG_WARNING("cannot remove the record '%s': %s\n", path_.c_str(), strerror(removed.err()));
    return -1;
}

bool PreparationMarker::Read(std::string* state, int* backup) const {
    char word[16] = "";
    bool known = false;
    if (FILE* f = fopen(path_.c_str(), "re")) {
        known = fscanf(f, "%15s %d", word, backup) == 2 && *backup >= -1 &&
                *backup < MAX_RENAME_COUNT &&
                (strcmp(word, "whole") == 0 || strcmp(word, "partial") == 0 ||
                 strcmp(word, "trial") == 0);
        fclose(f);
    }
    *state = word;
    return known;
}

ustring PreparationMarker::WholeCopy() const {
    std::string state;
    int backup = -1;
    const bool known = Read(&state, &backup);
    const bool app_exists = IsFileExist(app_dir_, false);
    const ustring backup_dir = known && backup >= 0 ? GetAppBackupDir(app_dir_, backup) : ustring();
    const bool backup_exists = !backup_dir.empty() && IsFileExist(backup_dir, false);
    if (!known) return app_exists ? app_dir_ : ustring();
    if (state == "whole") {
        // The app folder goes only by the rename to the backup.
        if (app_exists) return app_dir_;
        return backup_exists ? backup_dir : ustring();
    }
    // Partial or trial: the backup leaves only by being moved back to the
    // app folder.
    if (backup_exists) return backup_dir;
    return backup >= 0 && app_exists ? app_dir_ : ustring();
}

bool PreparationMarker::SaysAppFolderIsWhole() const {
    std::string state;
    int backup = -1;
    return Read(&state, &backup) && WholeCopy() == app_dir_;
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
