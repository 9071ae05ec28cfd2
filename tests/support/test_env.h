// Sandboxes for tests that touch the file system or start processes.
//
// Every test that writes files derives its fixture from SandboxTest: it gets
// a fresh folder under the system's temporary folder, made its working
// folder, with a private HOME (home()) and machine-wide root (root()) inside,
// so no test ever reaches the real HOME, /opt or the source tree. The folder
// is removed (links are removed, never followed) when the test ends.
#ifndef NIMBRA_TESTS_SUPPORT_TEST_ENV_H
#define NIMBRA_TESTS_SUPPORT_TEST_ENV_H

#include <gtest/gtest.h>

#include <string>

namespace nimbra_test {

class SandboxTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const std::string& dir() const { return dir_; }    // the sandbox, also the working folder
    const std::string& home() const { return home_; }  // dir()/home, exported as HOME
    const std::string& root() const { return root_; }  // dir()/root
    std::string path(const std::string& rel) const { return dir_ + "/" + rel; }

private:
    std::string dir_, home_, root_, old_home_;
    bool had_home_ = false;
};

// Writes content to path, creating missing parent folders. Fails the test on error.
void WriteFile(const std::string& path, const std::string& content, int mode = 0644);
// The whole content of path; empty if it cannot be read.
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);  // lstat: a dangling link exists

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

}  // namespace nimbra_test

#endif  // NIMBRA_TESTS_SUPPORT_TEST_ENV_H
