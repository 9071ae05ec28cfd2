#include "support/test_env.h"

#include <stdlib.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;

namespace nimbra_test {

void SandboxTest::SetUp() {
    std::string tmpl = (fs::temp_directory_path() / "nimbra-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    // Resolve the folder so tests compare against the real path.
    dir_ = fs::canonical(tmpl).string();
    ASSERT_EQ(dir_.rfind(fs::canonical(fs::temp_directory_path()).string(), 0), 0u);
    home_ = dir_ + "/home";
    root_ = dir_ + "/root";
    fs::create_directories(home_);
    fs::create_directories(root_);
    const char* h = getenv("HOME");
    had_home_ = h != nullptr;
    if (h) old_home_ = h;
    setenv("HOME", home_.c_str(), 1);
    ASSERT_EQ(chdir(dir_.c_str()), 0);
}

void SandboxTest::TearDown() {
    // Leave the sandbox before removing it, and never for the source tree.
    if (chdir(fs::temp_directory_path().c_str()) != 0) {
        ADD_FAILURE() << "cannot leave the sandbox";
    }
    if (had_home_)
        setenv("HOME", old_home_.c_str(), 1);
    else
        unsetenv("HOME");
    if (!dir_.empty() && !HasFailure()) {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    } else if (!dir_.empty()) {
        std::cerr << "sandbox kept for inspection: " << dir_ << "\n";
    }
}

void WriteFile(const std::string& path, const std::string& content, int mode) {
    fs::path p(path);
    if (p.has_parent_path()) fs::create_directories(p.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    ASSERT_TRUE(out.good()) << "cannot write " << path;
    out << content;
    out.close();
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool Exists(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

TmpfsMount::TmpfsMount(const std::string& dir, int size_kib) : dir_(dir) {
    mkdir(dir.c_str(), 0755);
    const std::string opts = "size=" + std::to_string(size_kib) + "k";
    if (mount("tmpfs", dir.c_str(), "tmpfs", 0, opts.c_str()) == 0) {
        mounted_ = true;
    } else {
        error_ = std::string("cannot mount a tmpfs: ") + strerror(errno);
    }
}

TmpfsMount::~TmpfsMount() {
    if (mounted_) umount2(dir_.c_str(), MNT_DETACH);
}

}  // namespace nimbra_test
