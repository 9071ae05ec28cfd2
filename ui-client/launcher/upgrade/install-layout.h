// InstallLayout: where the launcher's files lie for one user and one
// machine-wide root, computed once from HOME and the running executable and
// then handed to the steps that need them. No trailing slashes; paths are
// bytes.
#ifndef NIMBRA_LAUNCHER_UPGRADE_INSTALL_LAYOUT_H
#define NIMBRA_LAUNCHER_UPGRADE_INSTALL_LAYOUT_H

#include <string>

#include "ustring/ustring.h"

// The places of the client's executable and of its start script inside a
// copy of the client.
inline constexpr char kClientInCopy[] = "bin/nimbra-backup-ui";
inline constexpr char kStartScriptInCopy[] = "package/start-stop";

struct InstallLayout {
    // The layout for home_env (HOME's bytes; null when unset) and the path of
    // the running executable.
    static InstallLayout Of(const char* home_env, const std::string& executable);

    // Each field from what it is derived from; Of() joins them.
    static ustring HomeOf(const char* home_env);
    static ustring RootOf(const std::string& executable);
    static ustring UserFolderOf(const ustring& home);
    static ustring AppFolderOf(const ustring& user_folder);
    static ustring DataFolderOf(const ustring& user_folder);
    static ustring PackageOf(const ustring& root);

    ustring home;         // $HOME
    ustring root;         // the machine-wide root: the parent of the executable's folder
    ustring package;      // root + /package/nimbra.hpk
    ustring user_folder;  // home + /.NimbraBackup (a user's link followed)
    ustring app_folder;   // user_folder + /Nimbra.app (a user's link followed)
    ustring data_folder;  // user_folder + /data

    // Derived on each call, so that they follow a test's re-pointed folder.
    ustring StartScript() const { return app_folder + "/" + kStartScriptInCopy; }
    ustring PidFile() const { return user_folder + "/ui.pid"; }  // the client's
};

#endif  // NIMBRA_LAUNCHER_UPGRADE_INSTALL_LAYOUT_H
