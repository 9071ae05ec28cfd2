#include "e2e/e2e_support.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace fs = std::filesystem;

namespace nimbra_e2e {

std::vector<Entry> SampleClient(int build, int fillers) {
    std::vector<Entry> e;
    e.push_back({"INFO",
                 "[Version]\nmajor_version=3\nminor_version=1\nbuild_version=" +
                     std::to_string(build) + "\nicon_overlay_version=7\n",
                 0644});
    e.push_back({"bin/nimbra-backup-ui",
                 "#!/bin/sh\n"
                 "# Sample client: records its pid and runs until SIGTERM.\n"
                 "dir=\"$HOME/.NimbraBackup\"\n"
                 "echo \"pid=$$\" > \"$dir/ui.pid\"\n"
                 "trap 'exit 0' TERM\n"
                 "while :; do sleep 1 & wait $!; done\n",
                 0755});
    e.push_back({"package/start-stop",
                 "#!/bin/sh\n"
                 "app=$(cd \"$(dirname \"$0\")/..\" && pwd)\n"
                 "[ \"$1\" = start ] || exit 0\n"
                 "if [ -n \"$NIMBRA_TEST_HOLD\" ]; then\n"
                 "  n=0; while [ ! -e \"$NIMBRA_TEST_HOLD\" ] && [ $n -lt 300 ]; do sleep 0.1; "
                 "n=$((n+1)); done\n"
                 "fi\n"
                 "echo \"start $(grep build_version \"$app/INFO\")\" >> "
                 "\"$HOME/.NimbraBackup/starts.log\"\n"
                 "\"$app/bin/nimbra-backup-ui\" </dev/null >/dev/null 2>&1 &\n"
                 "exit 0\n",
                 0755});
    for (int i = 0; i < fillers; ++i) {
        char name[64];
        snprintf(name, sizeof name, "share/data/file%05d.txt", i);
        e.push_back(
            {name, "build " + std::to_string(build) + " file " + std::to_string(i) + "\n", 0644});
    }
    return e;
}

void WriteArchive(const std::string& path, const std::vector<Entry>& entries, int damage_after) {
    struct archive* a = archive_write_new();
    archive_write_set_format_pax_restricted(a);
    if (damage_after < 0) archive_write_add_filter_gzip(a);
    ASSERT_EQ(archive_write_open_filename(a, path.c_str()), ARCHIVE_OK) << archive_error_string(a);
    std::vector<la_int64_t> header_offsets;
    for (const Entry& e : entries) {
        header_offsets.push_back(archive_filter_bytes(a, 0));
        struct archive_entry* ae = archive_entry_new();
        archive_entry_set_pathname(ae, e.path.c_str());
        archive_entry_set_filetype(ae, AE_IFREG);
        archive_entry_set_perm(ae, e.mode);
        archive_entry_set_size(ae, static_cast<la_int64_t>(e.content.size()));
        archive_entry_set_mtime(ae, 1700000000, 0);
        ASSERT_EQ(archive_write_header(a, ae), ARCHIVE_OK) << archive_error_string(a);
        archive_write_data(a, e.content.data(), e.content.size());
        archive_entry_free(ae);
    }
    archive_write_close(a);
    archive_write_free(a);
    if (damage_after >= 0) {
        ASSERT_LT(static_cast<size_t>(damage_after), header_offsets.size());
        std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(header_offsets[damage_after]);
        const std::string garbage(512, '\x5a');
        f.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
    }
}

namespace {

std::vector<std::string> BuildEnv(const std::map<std::string, const char*>& changes) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string kv(*e);
        std::string key = kv.substr(0, kv.find('='));
        if (changes.count(key) == 0) env.push_back(kv);
    }
    for (const auto& c : changes)
        if (c.second) env.push_back(c.first + "=" + c.second);
    return env;
}

}  // namespace

pid_t Start(const std::string& program, const std::vector<std::string>& args,
            const std::map<std::string, const char*>& env, const std::string& cwd,
            const std::string& out_file, const std::string& err_file) {
    std::vector<std::string> envs = BuildEnv(env);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& e : envs) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    pid_t pid = fork();
    if (pid == 0) {
        int in = open("/dev/null", O_RDONLY);
        int out = open(out_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || chdir(cwd.c_str()) != 0) _exit(126);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    return pid;
}

int Wait(pid_t pid, int timeout_s) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeout_s);
    int st = 0;
    for (;;) {
        pid_t r = waitpid(pid, &st, WNOHANG);
        if (r == pid) break;
        if (r < 0) return -1;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &st, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (WIFEXITED(st)) return WEXITSTATUS(st);
    if (WIFSIGNALED(st)) return 128 + WTERMSIG(st);
    return -1;
}

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::map<std::string, const char*>& env, const std::string& cwd,
                     int timeout_s) {
    static int serial = 0;
    const std::string base = cwd + "/run" + std::to_string(++serial);
    RunResult r;
    pid_t pid = Start(program, args, env, cwd, base + ".out", base + ".err");
    r.status = Wait(pid, timeout_s);
    r.out = nimbra_test::ReadFile(base + ".out");
    r.err = nimbra_test::ReadFile(base + ".err");
    return r;
}

std::map<std::string, std::string> Tree(const std::string& dir) {
    std::map<std::string, std::string> t;
    if (!fs::exists(fs::symlink_status(dir))) return t;
    for (auto it = fs::recursive_directory_iterator(dir); it != fs::recursive_directory_iterator();
         ++it) {
        const fs::path rel = fs::relative(it->path(), dir);
        const auto st = it->symlink_status();
        if (fs::is_symlink(st))
            t[rel.string()] = "-> " + fs::read_symlink(it->path()).string();
        else if (fs::is_directory(st))
            t[rel.string() + "/"] = "";
        else
            t[rel.string()] = nimbra_test::ReadFile(it->path().string());
    }
    return t;
}

void BecomeSubreaper() {
    prctl(PR_SET_CHILD_SUBREAPER, 1);
}

void ReapAll() {
    int st;
    while (waitpid(-1, &st, WNOHANG) > 0) {
    }
}

bool Alive(pid_t pid) {
    if (pid <= 0 || kill(pid, 0) != 0) return false;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const size_t close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

}  // namespace nimbra_e2e
