// Service: the upgrade procedure of the user's private copy of the client.
// The platform class supplies the decision, stopping and starting the client;
// this class supplies reading both INFO files, extracting the package and
// preparing the user's app folder (backup, extraction, rollback, clean-up).
// Its steps live in upgrade/; the folders of one run are taken once, as an
// InstallLayout, from the home folder and the running executable.
#ifndef NIMBRA_LAUNCHER_NIMBRA_SERVICE_H
#define NIMBRA_LAUNCHER_NIMBRA_SERVICE_H

#include <functional>
#include <optional>
#include <string>

#include "extractor.h"
#include "upgrade/install-layout.h"
#include "upgrade/version-file.h"
#include "ustring/ustring.h"

class PreparationMarker;

class Service {
public:
    // One installation's version, as read from its INFO.
    using VersionInfo = ::VersionInfo;

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
    // script may be run: no preparation is unfinished, or the readable
    // record of one names the app folder as the last whole copy, and the
    // start script is an executable regular file, or a link that leads to
    // one inside the copy.
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

    // The layout for the current HOME and executable.
    static InstallLayout CurrentLayout();
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
    // Whether an earlier preparation of the app folder did not finish
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
    // ValidatePackage's checks: why the package can't replace the user's
    // copy (logged), or kNone with *summary what its read found.
    Failure CheckPackage(PackageSummary* summary) const;
    // Moves the whole copy in app_dir to a backup (*backup its number, -1
    // for none), extracts the package into app_dir and checks that the new
    // copy is whole; rolls back on failure. 0 or -1 (logged).
    int ReplaceCopy(const ustring& app_dir, PreparationMarker& marker, int* backup);
    // The trial of the new copy in app_dir (StartCheckedCopy); when its
    // client does not come up, the old copy (backup) is put back and
    // last_failure set. Whether it came up.
    bool TryNewCopy(const ustring& app_dir, PreparationMarker& marker, int backup);

    int timeout;
    ExtractProgress extract_progress;
    Failure last_failure = Failure::kNone;
    // A build whose client fails on every start would otherwise cost the
    // user a stopped client, a dialog and a failure message at each login:
    // after its second failure in a row it is tried once a day.
    int retry_interval_s = 24 * 3600;
    // What ValidatePackage's read found, once it passed.
    std::optional<PackageSummary> package_summary;
    // Where this run's files lie, taken when the service is made.
    InstallLayout layout;
    VersionInfo target_version;
    VersionInfo source_version;
};

#endif  // NIMBRA_LAUNCHER_NIMBRA_SERVICE_H
