// Helpers for the logger's tests. The logger is process-wide and its table
// of thresholds is only ever added to, so every test ends by putting each
// component name the tests use back to the fallback threshold 4 and the
// destination back to standard error.
#ifndef NIMBRA_TESTS_COMMON_LOGGER_FIXTURE_H
#define NIMBRA_TESTS_COMMON_LOGGER_FIXTURE_H

#include <string>
#include <vector>

#include "log.h"
#include "support/test_env.h"

namespace nimbra_test {

// Every component name any logger test configures.
extern const char* const kTestComponents[];

// The "%b %d %H:%M:%S " stamp in the C locale is always this long.
const size_t kStampLength = 16;

class LoggerTest : public SandboxTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Configures a file logger on logPath(); level_file_content, when given,
    // is written to the level file first. Returns Initialize's result.
    int InitFileLogger(const std::string* level_file_content, int rotate_cnt = 50);

    // dir()/log/launcher.log, and its rotated file i.
    std::string logPath() const { return log_path_; }
    std::string rotated(int i) const { return log_path_ + "_" + std::to_string(i); }

    // Names in dir()/log, sorted.
    std::vector<std::string> LogFolderEntries() const;

private:
    std::string log_path_;
};

// Puts the logger back to standard error with every test component at 4.
void ResetLogger(const std::string& scratch_dir);

// Redirects a descriptor (1 or 2) into a file until Finish().
class FdCapture {
public:
    FdCapture(int fd, const std::string& file);
    ~FdCapture();
    // Restores the descriptor and returns what was written meanwhile.
    std::string Finish();

private:
    int fd_;
    int saved_;
    std::string file_;
};

// True when text starts with a stamp of the shape "Mmm dd HH:MM:SS ".
bool HasStamp(const std::string& text);

}  // namespace nimbra_test

#endif  // NIMBRA_TESTS_COMMON_LOGGER_FIXTURE_H
