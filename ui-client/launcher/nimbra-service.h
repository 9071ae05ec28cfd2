// Service: the upgrade procedure of the user's private copy of the client.
// The platform class supplies the decision, stopping and starting the client;
// this class supplies reading both INFO files, extracting the package and
// preparing the user's app folder (backup, extraction, rollback, clean-up).
// It also owns the install locations, all derived from the home folder and
// the running executable's folder.
#ifndef NIMBRA_LAUNCHER_NIMBRA_SERVICE_H
#define NIMBRA_LAUNCHER_NIMBRA_SERVICE_H

#include <ctime>
#include <functional>
#include <optional>
#include <string>

#include "extractor.h"
#include "ustring/ustring.h"

class Service {
public:
    // One installation's version, each field exactly as read from its INFO.
    struct VersionInfo {
        ustring major_version;
        ustring minor_version;
        ustring build_version;
        ustring icon_overlay_version;
    };

    Service();
    virtual ~Service();

    // Stops the user's running client.
    virtual void StopService() = 0;
    // Brings the user's copy up to the machine-wide one. 0 or -1.
    virtual int HandlePackageUpgrade() = 0;
    // Starts the user's client.
    virtual void PostUpgrade() = 0;
    // Loads both versions.
    virtual void PreUpgrade() = 0;
    virtual bool IsNeedUpgrade() = 0;

    // Why the last HandlePackageUpgrade failed: the package would not fit on
    // the user's disk, the client of a first installation did not come up
    // (there is no earlier copy to go back to), or anything else. kNone
    // after a success or before a try; kOther also when the machine-wide
    // version could not be read and the user's copy looks older than the
    // machine's.
    enum class Failure { kNone, kNoSpace, kNoClient, kOther };
    Failure LastFailure() const { return last_failure; }
    // Whether the app folder holds a whole copy of the client whose start
    // script may be run: no preparation is unfinished and the start script
    // is an executable regular file, or a link that leads to one inside the
    // copy.
    bool HasWholeCopy() const;
    // Puts the last whole copy of a preparation that an earlier run left
    // unfinished back into the app folder (or, with none, removes the
    // unfinished copy), then removes the backups and the record. 0, or -1
    // with the record kept.
    int RecoverUnfinishedPreparation();
    // Finishes an upgrade whose new copy was recorded whole and durable but
    // whose backups were not all removed (a run stopped meanwhile): removes
    // them, then the record. Nothing is extracted again. 0 when nothing of
    // that kind is left; -1 (the record kept for the next run).
    int FinishRecordedUpgrade();
    // Finds out, before anything is stopped or moved, whether the package can
    // replace the user's copy: a readable regular file, read through to its
    // end, whose unpacked size fits on the user's disk. 0, or -1 (logged,
    // last_failure set). Keeps what the read found for ExtractPackage.
    virtual int ValidatePackage();
    // Extracts the machine-wide package into the app folder. 0 or -1.
    virtual int ExtractPackage();
    virtual void LoadSourceVersion();
    virtual void LoadTargetVersion();
    // Backs the app folder up, extracts, checks that the new copy is whole,
    // rolls back on failure. Then the new copy is on trial: the client is
    // started from it (StartCheckedCopy) while the old copy stays as the
    // backup. Once the new client is up the copy is made durable and the
    // backups are removed; when it does not come up the old copy is put
    // back (and started later by PostUpgrade), or, on a first installation,
    // the new copy stays and last_failure is kNoClient. 0 when the app
    // folder holds the new package and its client came up; -1. A
    // preparation that an earlier run left unfinished is first undone (its
    // last whole copy put back into the app folder) and then redone.
    virtual int PrepareUserEnv();
    // Starts the client from the copy in the app folder, which has just been
    // checked whole but is not yet durable, calls spawned as soon as the
    // start script runs, and watches the client for the trial window. true
    // when it came up, or the window passed with no sign of failure; false
    // (logged, what it started stopped) when it did not. Here: calls
    // spawned and answers true, nothing started.
    virtual bool StartCheckedCopy(const std::function<void()>& spawned) {
        spawned();
        return true;
    }

    // Where the extractions of the package report their progress.
    void SetExtractProgress(ExtractProgress progress) { extract_progress = std::move(progress); }
    // Removes the folder of an older per-user layout, on every run, and the
    // backups no unfinished preparation needs.
    void RemoveAgedFolders();

    // Install locations; computed afresh on every call, no trailing slash.
    static ustring GetUserInstallPath();                // $HOME
    static ustring GetRootNimbraInstallPath();          // parent of the executable's folder
    static ustring GetRootNimbraResourceInstallPath();  // the same
    static ustring GetUserNimbraInstallPath();          // $HOME/.NimbraBackup
    static ustring GetUserNimbraAppInstallPath();       // $HOME/.NimbraBackup/Nimbra.app
    static ustring GetUserNimbraDataInstallPath();      // $HOME/.NimbraBackup/data
    static ustring GetRootNimbraPackagePath();          // root + /package/nimbra.hpk

    // ---- Not called by the launcher: kept as the documented interface. ----
    virtual void SetTimeout(int timeout);
    // Copies a file or a whole tree. 0, or -1 (logged) when the source is
    // missing, a folder can't be opened or read, or a copy fails.
    int FSCopyPath(const ustring& src, const ustring& dest);

protected:
    // Whether the file at path is newer than the INFO of the user's copy
    // (true when the copy has none).
    bool IsNewerThanCopy(const ustring& path) const;
    // Whether an earlier preparation of per_user_install_path did not finish
    // (a record that only asks for backups to be removed does not count).
    bool IsPreparationUnfinished() const;
    // Whether the target build may be tried now: a build whose client did
    // not come up is tried again on the next run, but once it failed twice
    // in a row only after retry_interval_s (logged when it is not due).
    bool IsRetryDue() const;
    // Whether the copy just extracted into app_dir is whole: its INFO's build
    // is not older than target_version's, and its executable and start
    // script are executable regular files or links that lead to one inside
    // the copy (never out of it, never dangling). Logs what is missing.
    bool IsNewCopyWhole(const ustring& app_dir) const;

    int timeout;
    ExtractProgress extract_progress;
    Failure last_failure = Failure::kNone;
    // A build whose client fails on every start would otherwise cost the
    // user a stopped client, a dialog and a failure message at each login:
    // after its second failure in a row it is tried once a day.
    int retry_interval_s = 24 * 3600;
    // What ValidatePackage's read found, once it passed.
    std::optional<PackageSummary> package_summary;
    ustring per_user_install_path;
    VersionInfo target_version;
    VersionInfo source_version;
};

// A build number under the C library's atoi rules (leading blanks and a
// sign, digits up to the first other byte, none gives 0), kept within int.
int BuildNumber(const ustring& text);

// Number of backup names a preparation tries: "_tmp", then "_tmp1" to "_tmp9".
const int MAX_RENAME_COUNT = 10;

// The folder of backup number backup: app_dir + "_tmp", followed by the
// number unless it is 0.
ustring GetAppBackupDir(const ustring& app_dir, int backup);

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
    // Announces that the app folder is whole and may be moved to backup
    // tries next (-1: it stays). 0 or -1 (nothing changed on disk).
    int RecordWhole(int tries);
    // Announces an extraction into the app folder while the whole copy is
    // backup tries (-1: there is none). 0 or -1 (nothing changed on disk).
    int RecordPartial(int tries);
    // Records that the client was started from the complete new copy while
    // the whole copy is backup tries. Only the record's content is flushed
    // first: a loss before its rename is flushed leaves "partial <tries>",
    // which leads to the same copy. 0 or -1 (nothing changed on disk).
    int RecordTrial(int tries);
    // Whether the record says "whole -1": the upgrade is done but for the
    // removal of the backups.
    bool IsUpgradeDone() const;
    // Removes the record, durably. 0 or -1.
    int Remove();

    // The folder that holds the last whole copy according to the record
    // and the folders present: the app folder, a backup, or empty for none.
    // An unreadable record trusts an existing app folder.
    ustring WholeCopy() const;

    const ustring& path() const { return path_; }

private:
    int Write(const char* state, int tries, bool sync_folder = true);
    // The record's state and backup number; false when it can't be read.
    bool Read(std::string* state, int* tries) const;

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
    // Whether build may be tried at now (see Service::IsRetryDue). *count
    // and *last tell what the record holds for build (0 when nothing).
    bool Allows(int build, time_t now, int interval_s, int* count, time_t* last) const;
    void Remove();

private:
    ustring path_;
};

#endif  // NIMBRA_LAUNCHER_NIMBRA_SERVICE_H
