#include "linux/linux-service.h"

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "config.h"
#include "file/file-op.h"
#include "log.h"

namespace {

const char kComp[] = "service_debug";

// A pid under atol rules, refusing what names no single process: no digits,
// 0 (the caller's process group), a negative value (a group, or with -1
// every process the user may signal) or more than pid_t holds.
bool ParsePid(const ustring& text, pid_t* pid) {
    const char* s = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long v = strtol(s, &end, 10);
    if (end == s || errno == ERANGE || v <= 0 || v > std::numeric_limits<pid_t>::max())
        return false;
    *pid = static_cast<pid_t>(v);
    return true;
}

std::string ReadLink(const std::string& path) {
    char buf[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), buf, sizeof(buf));
    if (n <= 0 || static_cast<size_t>(n) >= sizeof(buf)) return std::string();
    return std::string(buf, static_cast<size_t>(n));
}

// The canonical form of path, or empty when it cannot be resolved.
std::string RealPath(const std::string& path) {
    char* r = realpath(path.c_str(), nullptr);
    if (r == nullptr) return std::string();
    std::string s(r);
    free(r);
    return s;
}

// Whether path is folder or lies below it, by whole path components.
bool IsWithin(const std::string& folder, const std::string& path) {
    if (folder.empty() || path.compare(0, folder.size(), folder) != 0) return false;
    return path.size() == folder.size() || folder.back() == '/' || path[folder.size()] == '/';
}

// The command line of the process in /proc/<pid>, one element per argument.
std::vector<std::string> CommandLine(const std::string& proc) {
    std::ifstream in(proc + "/cmdline", std::ios::binary);
    std::vector<std::string> args;
    std::string arg;
    while (std::getline(in, arg, '\0')) args.push_back(arg);
    return args;
}

// The script that an interpreter runs: the first argument after the
// interpreter's own options, resolved against the process's working folder.
// Only a file that starts with "#!" counts, so that a viewer or an editor
// opened on some file of the folder is not taken for the client.
std::string ScriptOf(const std::string& proc) {
    const std::vector<std::string> args = CommandLine(proc);
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i].empty() || args[i][0] == '-') continue;
        std::string script = args[i];
        if (script[0] != '/') {
            const std::string cwd = ReadLink(proc + "/cwd");
            if (cwd.empty()) return std::string();
            script = cwd + "/" + script;
        }
        script = RealPath(script);
        if (script.empty()) return std::string();
        std::ifstream in(script, std::ios::binary);
        char magic[2] = {0, 0};
        in.read(magic, 2);
        return magic[0] == '#' && magic[1] == '!' ? script : std::string();
    }
    return std::string();
}

}  // namespace

LinuxService::LinuxService() {
    timeout = 10000;
    per_user_install_path = GetUserNimbraAppInstallPath();
}

LinuxService::~LinuxService() {}

LinuxService& LinuxService::GetInstace() {
    static LinuxService instance;
    return instance;
}

bool LinuxService::PerUserBinPathExist() {
    const ustring per_user_ui_bin = per_user_install_path + "/bin/nimbra-backup-ui";
    return access(per_user_ui_bin.c_str(), F_OK) == 0;
}

void LinuxService::LoadTargetVerInfo() {
    LoadTargetVersion();
}

void LinuxService::LoadSourceVerInfo() {
    LoadSourceVersion();
}

void LinuxService::PreUpgrade() {
    LoadTargetVerInfo();
    LoadSourceVerInfo();
    Logger::LogMsg(Logger::L_DEBUG, kComp,
                   "[DEBUG] linux/linux-service(%d): Source version: ('%s', '%s')\n", __LINE__,
                   source_version.build_version.c_str(),
                   source_version.icon_overlay_version.c_str());
    Logger::LogMsg(Logger::L_DEBUG, kComp,
                   "[DEBUG] linux/linux-service(%d): Target version: ('%s', '%s')\n", __LINE__,
                   target_version.build_version.c_str(),
                   target_version.icon_overlay_version.c_str());
}

bool LinuxService::IsNeedUpgrade() {
    const int src_ver = BuildNumber(source_version.build_version);
    const int tgt_ver = BuildNumber(target_version.build_version);
    Logger::LogMsg(Logger::L_DEBUG, kComp,
                   "[DEBUG] linux/linux-service(%d): source version = %d, target version = %d\n",
                   __LINE__, src_ver, tgt_ver);
    bool need_upgrade = tgt_ver > src_ver;
    if (!PerUserBinPathExist()) need_upgrade = true;
    // A copy left half-extracted may hold the new INFO and the executable.
    if (IsPreparationUnfinished()) {
        Logger::LogMsg(Logger::L_NOTICE, kComp,
                       "[NOTE] linux/linux-service(%d): the preparation of '%s' did not finish "
                       "last time\n",
                       __LINE__, per_user_install_path.c_str());
        need_upgrade = true;
    }
    return need_upgrade;
}

int LinuxService::HandlePackageUpgrade() {
    // Everything that can be found out about the package is, before the
    // running client is stopped or its copy moved. A copy an earlier run
    // left unfinished is put back first, so that a failure here still
    // leaves a whole copy to start.
    last_failure = Failure::kOther;
    if (RecoverUnfinishedPreparation() != 0 || ValidatePackage() != 0) return -1;
    if (PerUserBinPathExist()) {
        Logger::LogMsg(Logger::L_DEBUG, kComp,
                       "[DEBUG] linux/linux-service(%d): local appdata exist\n", __LINE__);
        StopService();
    }
    if (PrepareUserEnv() == 0) return 0;
    last_failure = Failure::kOther;
    return -1;
}

bool LinuxService::IsUserClient(pid_t pid) const {
    const std::string folder = RealPath(per_user_install_path.c_str());
    if (folder.empty()) return false;
    const std::string proc = "/proc/" + std::to_string(pid);
    std::string exe = ReadLink(proc + "/exe");
    // An executable replaced or removed since it started keeps its old path.
    static const std::string kDeleted = " (deleted)";
    if (exe.size() > kDeleted.size() &&
        exe.compare(exe.size() - kDeleted.size(), kDeleted.size(), kDeleted) == 0)
        exe.resize(exe.size() - kDeleted.size());
    if (!exe.empty()) {
        const std::string resolved = RealPath(exe);
        if (IsWithin(folder, resolved.empty() ? exe : resolved)) return true;
    }
    const std::string script = ScriptOf(proc);
    return !script.empty() && IsWithin(folder, script);
}

// The pid file is input: after a crash or a reboot it may name a process
// that is no longer the client, so the process is checked before each
// signal. A client that has exited but not been reaped, or a pid taken over
// by another program meanwhile, fails the check and ends the wait.
void LinuxService::StopService() {
    const ustring ui_pid_file = GetUserNimbraInstallPath() + "/ui.pid";
    if (!IsFileExist(ui_pid_file, false)) {
        Logger::LogMsg(Logger::L_DEBUG, kComp,
                       "[DEBUG] linux/linux-service(%d): pid file '%s' does not exist, no need to "
                       "terminate\n",
                       __LINE__, ui_pid_file.c_str());
        return;
    }
    Config config;
    if (config.read(ui_pid_file) < 0) {
        Logger::LogMsg(
            Logger::L_NOTICE, kComp,
            "[NOTE] linux/linux-service(%d): Failed to read pid file '%s', not exist ?\n", __LINE__,
            ui_pid_file.c_str());
        return;
    }
    const ustring value = config["pid"];
    if (value.empty()) return;
    pid_t pid = 0;
    if (!ParsePid(value, &pid)) {
        Logger::LogMsg(Logger::L_NOTICE, kComp,
                       "[NOTE] linux/linux-service(%d): pid '%s' in '%s' names no process, nothing "
                       "to stop\n",
                       __LINE__, value.c_str(), ui_pid_file.c_str());
        return;
    }
    if (kill(pid, 0) != 0 && errno == ESRCH) return;  // already gone
    if (!IsUserClient(pid)) {
        Logger::LogMsg(Logger::L_NOTICE, kComp,
                       "[NOTE] linux/linux-service(%d): process %d of '%s' is not the client in "
                       "'%s', not stopping it\n",
                       __LINE__, static_cast<int>(pid), ui_pid_file.c_str(),
                       per_user_install_path.c_str());
        return;
    }
    if (kill(pid, SIGTERM) != 0) {
        const int err = errno;
        if (err == ESRCH) return;
        Logger::LogMsg(Logger::L_ERR, kComp, "[ERROR] linux/linux-service(%d): kill: %s (%d)\n",
                       __LINE__, strerror(err), err);
    }
    for (int second = 0; second <= 4; ++second) {
        if (kill(pid, 0) != 0 && errno == ESRCH) return;
        if (!IsUserClient(pid)) return;
        sleep(1);
    }
    if (!IsUserClient(pid)) return;  // the pid may have been reused meanwhile
    kill(pid, SIGKILL);
}

void LinuxService::PostUpgrade() {
    // An unfinished copy may hold a start script and still lack the rest.
    if (!HasWholeCopy()) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] linux/linux-service(%d): no whole copy of the client in '%s', not "
                       "starting it\n",
                       __LINE__, per_user_install_path.c_str());
        return;
    }
    LaunchPerUserBin();
}

// The script is run as a program with one argument, so that a home folder
// with a space in its path still starts the client.
int LinuxService::LaunchPerUserBin() {
    const ustring start_script = per_user_install_path + "/package/start-stop";
    QProcess::execute(QString::fromUtf8(start_script.c_str()),
                      QStringList{QStringLiteral("start")});
    return 0;
}
