// Shared pieces of the file operation tests: a sandbox whose log can be
// read back record by record, and a second file system to move onto.
#ifndef NIMBRA_TESTS_FILEOP_FILEOP_FIXTURE_H
#define NIMBRA_TESTS_FILEOP_FILEOP_FIXTURE_H

#include <string>
#include <vector>

#include "support/test_env.h"

namespace fileop_test {

class FileOpTest : public nimbra_test::SandboxTest {
protected:
    void TearDown() override;

    // Sends the log to a file in the sandbox with file_op_debug at level 7.
    void StartLog();
    // The records written since StartLog, each reduced to "<tag> <message>"
    // (time stamp, "file-op(<line>): " and the line feed taken out). Fails
    // the test for a record of another shape.
    std::vector<std::string> Records() const;

private:
    std::string log_path_;
};

using nimbra_test::TmpfsMount;

dev_t DeviceOf(const std::string& path);
// umask as it is now, without changing it.
unsigned CurrentUmask();
// Permission bits of the entry itself (lstat), or ~0u when it is missing.
unsigned ModeOf(const std::string& path);

}  // namespace fileop_test

#endif  // NIMBRA_TESTS_FILEOP_FILEOP_FIXTURE_H
