// The records a preparation of the user's copy keeps beside the app folder:
// where the last whole copy lies while the app folder is replaced
// (PreparationMarker), and the build whose client last failed to come up
// (FailedStartRecord). Both outlive the run that wrote them.
#ifndef NIMBRA_LAUNCHER_UPGRADE_PREPARATION_RECORD_H
#define NIMBRA_LAUNCHER_UPGRADE_PREPARATION_RECORD_H

#include <unistd.h>

#include <ctime>
#include <string>

#include "status.h"
#include "ustring/ustring.h"

// Number of backup names a preparation tries: "_tmp", then "_tmp1" to "_tmp9".
const int MAX_RENAME_COUNT = 10;

// The folder of backup number backup: app_dir + "_tmp", followed by the
// number unless it is 0.
ustring GetAppBackupDir(const ustring& app_dir, int backup);

// Runs sync on the folder at path: fsync makes its entries (renames, new
// and removed names) durable, syncfs everything on its file system.
Status SyncFolder(const ustring& folder, int (*sync)(int) = fsync);

// PreparationMarker: where the user's last whole copy of the client lies
// while a preparation replaces the app folder. The launcher can be killed at
// any moment (logout, power loss); the record lets the next run tell an
// unfinished copy from a whole one, put the whole one back and start again.
//
// The record is the file app_dir + ".pending", next to the app folder. Its
// one line is "whole <n>" (the app folder holds the whole copy; once it is
// gone, the copy was moved to backup n) or "partial <n>" (the app folder
// holds an unfinished extraction; the whole copy is backup n, -1 for none,
// or the app folder again once backup n was moved back). Every change
// replaces the file atomically and is flushed to disk, together with the
// renames in the same folder, before the step it announces.
class PreparationMarker {
public:
    explicit PreparationMarker(const ustring& app_dir);

    bool Exists() const;
    // The Record functions fail with nothing changed on disk; the caller,
    // which knows what the record was for, logs the failure.
    //
    // Announces that the app folder is whole and may be moved to backup
    // number backup next (-1: it stays).
    Status RecordWhole(int backup);
    // Announces an extraction into the app folder while the whole copy is
    // backup number backup (-1: there is none).
    Status RecordPartial(int backup);
    // Records that the client was started from the complete new copy while
    // the whole copy is backup number backup. Only the record's content is
    // flushed first: a loss before its rename is flushed leaves
    // "partial <backup>", which leads to the same copy.
    Status RecordTrial(int backup);
    // Whether the record says "whole -1": the upgrade is done but for the
    // removal of the backups.
    bool IsUpgradeDone() const;
    // Removes the record, durably. 0, or -1 (logged).
    int Remove();

    // The folder that holds the last whole copy according to the record
    // and the folders present: the app folder, a backup, or empty for none.
    // An unreadable record trusts an existing app folder.
    ustring WholeCopy() const;
    // Whether the record can be read and names the app folder as the last
    // whole copy.
    bool SaysAppFolderIsWhole() const;

    const ustring& path() const { return path_; }

private:
    Status Write(const char* state, int backup, bool sync_folder = true);
    // The record's state and backup number; false when it can't be read.
    bool Read(std::string* state, int* backup) const;

    ustring app_dir_;
    ustring path_;
};

// FailedStartRecord: the build whose client last failed to come up after an
// upgrade, how many times in a row, and when last. The file app_dir +
// ".failed", one line "<build> <count> <time>"; losing it only costs an
// earlier retry.
class FailedStartRecord {
public:
    explicit FailedStartRecord(const ustring& app_dir);

    // Counts one more failure of build at now. 0 or -1.
    int Add(int build, time_t now);
    // Whether build may be tried at now: a build that failed fewer than two
    // times in a row, or last failed interval_s or longer ago. *count and
    // *last tell what the record holds for build (0 when nothing).
    bool Allows(int build, time_t now, int interval_s, int* count, time_t* last) const;
    void Remove();

private:
    ustring path_;
};

#endif  // NIMBRA_LAUNCHER_UPGRADE_PREPARATION_RECORD_H
