// Service: the upgrade procedure of the user's private copy of the client.
// The platform class supplies the decision, stopping and starting the client;
// this class supplies reading both INFO files, extracting the package and
// preparing the user's app folder (backup, extraction, rollback, clean-up).
// It also owns the install locations, all derived from the home folder and
// the running executable's folder.
#ifndef NIMBRA_LAUNCHER_NIMBRA_SERVICE_H
#define NIMBRA_LAUNCHER_NIMBRA_SERVICE_H

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
    virtual void SetTimeout(int timeout);
    // Brings the user's copy up to the machine-wide one. 0 or -1.
    virtual int HandlePackageUpgrade() = 0;
    // Starts the user's client.
    virtual void PostUpgrade() = 0;
    // Loads both versions.
    virtual void PreUpgrade() = 0;
    virtual bool IsNeedUpgrade() = 0;
    // Extracts the machine-wide package into the app folder. 0 or -1.
    virtual int ExtractPackage();
    virtual void LoadSourceVersion();
    virtual void LoadTargetVersion();
    // Backs the app folder up, extracts, rolls back on failure, removes the
    // backups on success. 0 when the app folder holds the new package; -1.
    virtual int PrepareUserEnv();

    // Removes the folder of an older per-user layout, on every run.
    void RemoveAgedFolders();
    // Copies a file or a whole tree. 0 or -1.
    int FSCopyPath(const ustring& src, const ustring& dest);

    // Install locations; computed afresh on every call, no trailing slash.
    static ustring GetUserInstallPath();                // $HOME
    static ustring GetRootNimbraInstallPath();          // parent of the executable's folder
    static ustring GetRootNimbraResourceInstallPath();  // the same
    static ustring GetUserNimbraInstallPath();          // $HOME/.NimbraBackup
    static ustring GetUserNimbraAppInstallPath();       // $HOME/.NimbraBackup/Nimbra.app
    static ustring GetUserNimbraDataInstallPath();      // $HOME/.NimbraBackup/data

protected:
    int timeout;
    ustring per_user_install_path;
    VersionInfo target_version;
    VersionInfo source_version;
};

// app_dir + "_tmp", followed by tries unless it is 0.
ustring GetAppBackupDir(const ustring& app_dir, int tries);

#endif  // NIMBRA_LAUNCHER_NIMBRA_SERVICE_H
