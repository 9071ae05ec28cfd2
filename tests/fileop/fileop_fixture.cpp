#include "fileop_fixture.h"

#include <sys/mount.h>
#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <sstream>

#include "log.h"

namespace fileop_test {

void FileOpTest::TearDown() {
    if (!log_path_.empty()) Logger::Destroy();
    nimbra_test::SandboxTest::TearDown();
}

void FileOpTest::StartLog() {
    nimbra_test::WriteFile(path("etc/levels.debug"), "file_op_debug=7\n");
    mkdir(path("log").c_str(), 0755);
    log_path_ = path("log/fileop.log");
    ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, log_path_.c_str(),
                                 path("etc/levels.debug").c_str(), 50),
              0);
}

std::vector<std::string> FileOpTest::Records() const {
    std::vector<std::string> out;
    std::istringstream in(nimbra_test::ReadFile(log_path_));
    std::string line;
    while (std::getline(in, line)) {
        // "<Mon> <dd> <hh:mm:ss> [TAG] file-op(<n>): <message>"
        const size_t tag = line.find(" [");
        const size_t close = line.find("] file-op(", tag);
        if (tag == std::string::npos || close == std::string::npos) {
            ADD_FAILURE() << "unexpected log record: " << line;
            continue;
        }
        size_t p = close + strlen("] file-op(");
        const size_t digits = p;
        while (p < line.size() && isdigit(static_cast<unsigned char>(line[p]))) ++p;
        if (p == digits || line.compare(p, 3, "): ") != 0) {
            ADD_FAILURE() << "record without a line number: " << line;
            continue;
        }
        out.push_back(line.substr(tag + 1, close + 1 - (tag + 1)) + " " + line.substr(p + 3));
    }
    return out;
}

dev_t DeviceOf(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? st.st_dev : 0;
}

unsigned CurrentUmask() {
    const mode_t m = umask(0);
    umask(m);
    return m;
}

unsigned ModeOf(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : ~0u;
}

}  // namespace fileop_test
