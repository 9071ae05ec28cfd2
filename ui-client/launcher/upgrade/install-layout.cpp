#include "upgrade/install-layout.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "file/file-op.h"
#include "file/path-util.h"

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

// The user folder, or the app folder, may be a symbolic link the user made
// to keep the client on a roomier disk: the folder where it points is the
// one used (backups, the record of a preparation and the free-space check
// land there too). A link owned by anyone else is not followed. A link
// that points nowhere yet names the folder it would point to.
ustring FollowUserLink(const ustring& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode) || st.st_uid != geteuid())
        return path;
    const std::string resolved = RealPath(path.c_str());
    if (!resolved.empty()) return ustring(resolved);
    std::string target = ReadLinkBytes(path.c_str());
    if (target.empty()) return path;
    if (target[0] != '/') target = std::string(FSParentPath(path).c_str()) + "/" + target;
    const size_t slash = target.rfind('/');
    const std::string name = target.substr(slash + 1);
    const std::string parent = RealPath(target.substr(0, slash));
    if (parent.empty() || name.empty() || name == "." || name == "..") return path;
    return ustring(parent + "/" + name);
}

}  // namespace

InstallLayout InstallLayout::Of(const char* home_env, const std::string& executable) {
    InstallLayout layout;
    layout.home = HomeOf(home_env);
    layout.root = RootOf(executable);
    layout.package = PackageOf(layout.root);
    layout.user_folder = UserFolderOf(layout.home);
    layout.app_folder = AppFolderOf(layout.user_folder);
    layout.data_folder = DataFolderOf(layout.user_folder);
    return layout;
}

// HOME as the bytes it holds, cleaned as the toolkit cleaned it. Unset or
// empty, the toolkit would answer "/": the home of the real user id in the
// password database is taken instead ("/" only when it has none).
ustring InstallLayout::HomeOf(const char* home_env) {
    std::string home = BytesOf(home_env);
    if (home.empty()) home = PasswordHome(getuid());
    if (home.empty()) home = "/";
    return ustring(CleanPath(home));
}

// The executable's folder is the root's bin/.
ustring InstallLayout::RootOf(const std::string& executable) {
    return ustring(CleanPath(executable + "/../.."));
}

ustring InstallLayout::UserFolderOf(const ustring& home) {
    return FollowUserLink(home + "/" + ".NimbraBackup");
}

ustring InstallLayout::AppFolderOf(const ustring& user_folder) {
    return FollowUserLink(user_folder + "/" + "Nimbra.app");
}

ustring InstallLayout::DataFolderOf(const ustring& user_folder) {
    return user_folder + "/" + "data";
}

ustring InstallLayout::PackageOf(const ustring& root) {
    return root + "/package/nimbra.hpk";
}
