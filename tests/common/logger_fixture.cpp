#include "logger_fixture.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace nimbra_test {

const char* const kTestComponents[] = {
    "service_debug",     "Service_debug", "extractor_debug", "launcher_debug",
    "default_component", "file_op_debug", "thread_debug",    nullptr};

void ResetLogger(const std::string& scratch_dir) {
    Logger::Destroy();
    std::string levels;
    for (const char* const* c = kTestComponents; *c != nullptr; ++c) {
        levels += std::string(*c) + "=4\n";
    }
    std::string file = scratch_dir + "/reset.debug";
    WriteFile(file, levels);
    ASSERT_EQ(Logger::Initialize(Logger::STDERR_LOGGER, ustring(), ustring(file.c_str()), 50), 0);
}

void LoggerTest::SetUp() {
    SandboxTest::SetUp();
    fs::create_directories(path("log"));
    log_path_ = path("log/launcher.log");
}

void LoggerTest::TearDown() {
    ResetLogger(dir());
    SandboxTest::TearDown();
}

int LoggerTest::InitFileLogger(const std::string* level_file_content, int rotate_cnt) {
    ustring level_path;
    if (level_file_content != nullptr) {
        std::string file = root() + "/log/launcher.debug";
        WriteFile(file, *level_file_content);
        level_path = file.c_str();
    }
    return Logger::Initialize(Logger::FILE_LOGGER, ustring(log_path_.c_str()), level_path,
                              rotate_cnt);
}

std::vector<std::string> LoggerTest::LogFolderEntries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(path("log"))) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

FdCapture::FdCapture(int fd, const std::string& file) : fd_(fd), file_(file) {
    fflush(fd == 1 ? stdout : stderr);
    saved_ = dup(fd);
    int out = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(out, fd);
    close(out);
}

FdCapture::~FdCapture() {
    if (saved_ >= 0) Finish();
}

std::string FdCapture::Finish() {
    if (saved_ < 0) return ReadFile(file_);
    fflush(fd_ == 1 ? stdout : stderr);
    dup2(saved_, fd_);
    close(saved_);
    saved_ = -1;
    return ReadFile(file_);
}

bool HasStamp(const std::string& text) {
    // "Mmm dd HH:MM:SS ": each character of the pattern is a class.
    static const char pattern[] = "Aaa 99 99:99:99 ";
    if (text.size() < kStampLength) return false;
    for (size_t i = 0; i < kStampLength; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        bool ok = pattern[i] == 'A'   ? isupper(c)
                  : pattern[i] == 'a' ? islower(c)
                  : pattern[i] == '9' ? isdigit(c)
                                      : c == static_cast<unsigned char>(pattern[i]);
        if (!ok) return false;
    }
    return true;
}

}  // namespace nimbra_test
