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

// A tmpfs mounted on a folder for the life of the object (tests run as
// root); unmounted again by the destructor.
class TmpfsMount {
public:
    // Creates dir and mounts a tmpfs of size_kib there; see ok().
    TmpfsMount(const std::string& dir, int size_kib);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool ok() const { return mounted_; }
    const std::string& error() const { return error_; }

private:
    std::string dir_;
    bool mounted_ = false;
    std::string error_;
};

dev_t DeviceOf(const std::string& path);
// umask as it is now, without changing it.
unsigned CurrentUmask();
// Permission bits of the entry itself (lstat), or ~0u when it is missing.
unsigned ModeOf(const std::string& path);

}  // namespace fileop_test

#endif  // NIMBRA_TESTS_FILEOP_FILEOP_FIXTURE_H
