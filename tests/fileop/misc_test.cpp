// Temporary files, times, permissions, file system questions, canonical
// paths, links and ownership.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "file/file-op.h"
#include "fileop_fixture.h"

namespace {

using fileop_test::ModeOf;
using nimbra_test::Exists;
using nimbra_test::WriteFile;

class FileOpMisc : public fileop_test::FileOpTest {};

TEST_F(FileOpMisc, MktempMakesAnEmptyFileOfMode0644) {
    StartLog();
    const mode_t saved = umask(077);
    ustring p1, p2;
    ASSERT_EQ(FSMktemp(dir().c_str(), p1), 0);
    ASSERT_EQ(FSMktemp(dir().c_str(), p2), 0);
    umask(saved);
    for (const ustring& p : {p1, p2}) {
        const std::string s = p.c_str();
        ASSERT_EQ(s.size(), dir().size() + 7) << s;
        EXPECT_EQ(s.compare(0, dir().size() + 1, dir() + "/"), 0) << s;
        EXPECT_EQ(s.find("XXXXXX"), std::string::npos);
        EXPECT_EQ(ModeOf(s), 0644u);
        EXPECT_EQ(nimbra_test::ReadFile(s), "");
    }
    EXPECT_NE(std::string(p1.c_str()), std::string(p2.c_str()));

    ustring untouched("old");
    EXPECT_EQ(FSMktemp(path("missing").c_str(), untouched), -1);
    EXPECT_EQ(std::string(untouched.c_str()), "old");
    // A prefix too long for the template is refused, not cut.
    EXPECT_EQ(FSMktemp(path(std::string(5000, 'p')).c_str(), untouched), -1);
    const std::vector<std::string> records = Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0],
              "[ERROR] mkstemp(" + path("missing") + "/XXXXXX): No such file or directory");
    EXPECT_EQ(records[1].rfind("[ERROR] mkstemp(", 0), 0u);
    EXPECT_NE(records[1].find("File name too long"), std::string::npos);
}

TEST_F(FileOpMisc, CreateTempPathNamesWithoutCreating) {
    ustring a, b;
    ASSERT_EQ(FSCreateTempPath(dir().c_str(), a), 0);
    ASSERT_EQ(FSCreateTempPath(dir().c_str(), b), 0);
    const std::string s = a.c_str();
    EXPECT_EQ(s.compare(0, dir().size() + 1, dir() + "/"), 0) << s;
    EXPECT_GT(s.size(), dir().size() + 1);
    EXPECT_NE(s, std::string(b.c_str()));
    EXPECT_FALSE(Exists(s));
}

TEST_F(FileOpMisc, UTimeSetsTheEntryItself) {
    WriteFile(path("target"), "t");
    ASSERT_EQ(symlink("target", path("link").c_str()), 0);
    struct stat before;
    ASSERT_EQ(stat(path("target").c_str(), &before), 0);

    ASSERT_EQ(FSUTime(path("link").c_str(), 1000000000L, 1100000000L), 0);
    struct stat st;
    ASSERT_EQ(lstat(path("link").c_str(), &st), 0);
    EXPECT_EQ(st.st_atim.tv_sec, 1000000000L);
    EXPECT_EQ(st.st_mtim.tv_sec, 1100000000L);
    EXPECT_EQ(st.st_mtim.tv_nsec, 0L);
    ASSERT_EQ(stat(path("target").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, before.st_mtim.tv_sec);  // not followed

    ASSERT_EQ(FSUTime(path("target").c_str(), 5, 6), 0);
    FILE_INFO info;
    ASSERT_EQ(GetFileInfo(path("target").c_str(), info), 0);
    EXPECT_TRUE(FSTimeEqual(info.mtime, 6));
    EXPECT_FALSE(FSTimeEqual(info.mtime, 5));
    EXPECT_EQ(FSUTime(path("missing").c_str(), 5, 6), -1);
}

TEST_F(FileOpMisc, FileLockedOnlyForLackOfPermission) {
    WriteFile(path("secret"), "s", 0600);
    WriteFile(path("open"), "o", 0644);
    // Root passes every read check; a missing file is not locked.
    EXPECT_FALSE(isFileLocked(path("missing").c_str(), R_OK));
    EXPECT_TRUE(hasFilePermission(path("missing").c_str(), R_OK));
    EXPECT_FALSE(isFileLocked(path("secret").c_str(), R_OK));

    if (geteuid() != 0) GTEST_SKIP() << "dropping to another user needs root";
    // The unprivileged child must be able to reach the files.
    ASSERT_EQ(chmod(dir().c_str(), 0755), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (setresgid(65534, 65534, 65534) != 0 || setresuid(65534, 65534, 65534) != 0) _exit(99);
        int bits = 0;
        if (isFileLocked(path("secret").c_str(), R_OK)) bits |= 1;
        if (!hasFilePermission(path("secret").c_str(), R_OK)) bits |= 2;
        if (!isFileLocked(path("open").c_str(), R_OK)) bits |= 4;
        if (isFileLocked(path("open").c_str(), W_OK)) bits |= 8;
        if (!isFileLocked(path("missing").c_str(), R_OK)) bits |= 16;
        _exit(bits);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 99) << "could not drop to uid/gid 65534";
    EXPECT_EQ(WEXITSTATUS(status), 31);
}

TEST_F(FileOpMisc, FileSystemQuestions) {
    StartLog();
    // The sandbox lies on a local file system: neither network nor FAT.
    EXPECT_FALSE(isMountPoint(dir().c_str()));
    EXPECT_FALSE(IsMSDOS(dir().c_str()));
    EXPECT_FALSE(isMountPoint(path("missing").c_str()));
    EXPECT_FALSE(IsMSDOS(path("missing").c_str()));
    EXPECT_EQ(Records(), (std::vector<std::string>{
                             "[ERROR] isMountPoint: Failed to get file system info '" +
                                 path("missing") + "'. No such file or directory",
                             "[ERROR] IsSupportLargeFile: Failed to get file system info '" +
                                 path("missing") + "'. No such file or directory",
                         }));
}

TEST_F(FileOpMisc, RealPathResolvesLinksAndDots) {
    StartLog();
    ASSERT_EQ(mkdir(path("real").c_str(), 0755), 0);
    WriteFile(path("real/f"), "f");
    ASSERT_EQ(symlink("real", path("via").c_str()), 0);

    ustring p = "via/../via/./f";  // relative to the working folder
    ASSERT_EQ(FSGetRealPath(p), 0);
    EXPECT_EQ(std::string(p.c_str()), path("real/f"));

    ustring missing = "via/none";
    EXPECT_EQ(FSGetRealPath(missing), -1);
    EXPECT_EQ(std::string(missing.c_str()), "via/none");

    EXPECT_EQ(Records(), (std::vector<std::string>{
                             "[DEBUG]  org path [via/../via/./f]",
                             "[DEBUG]  get full path [" + path("real/f") + "]",
                             "[DEBUG]  org path [via/none]",
                         }));
}

TEST_F(FileOpMisc, SymbolicLinksAndOwnership) {
    StartLog();
    WriteFile(path("target"), "t");
    ASSERT_EQ(FSCreateSymbolicLink("target", path("link").c_str()), 0);
    ustring content;
    ASSERT_EQ(FSReadSymbolicLink(path("link").c_str(), content), 0);
    EXPECT_EQ(std::string(content.c_str()), "target");

    const std::string longest(4000, 'x');  // near the longest content Linux takes
    ASSERT_EQ(FSCreateSymbolicLink(longest.c_str(), path("long").c_str()), 0);
    ASSERT_EQ(FSReadSymbolicLink(path("long").c_str(), content), 0);
    EXPECT_EQ(std::string(content.c_str()), longest);

    EXPECT_EQ(FSCreateSymbolicLink("other", path("link").c_str()), -1);
    content = "kept";
    EXPECT_EQ(FSReadSymbolicLink(path("target").c_str(), content), -1);

    // Ownership of the link itself; the target keeps its owner.
    if (geteuid() == 0) {
        ASSERT_EQ(FSChown(path("link").c_str(), 65534, 65534), 0);
        struct stat st;
        ASSERT_EQ(lstat(path("link").c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
        ASSERT_EQ(stat(path("target").c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 0u);
        ASSERT_EQ(FSChown("target", 1, 2), 0);  // relative to the working folder
        ASSERT_EQ(stat(path("target").c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 1u);
        EXPECT_EQ(st.st_gid, 2u);
    }
    EXPECT_EQ(FSChown(path("missing").c_str(), 0, 0), -1);

    EXPECT_EQ(Records(),
              (std::vector<std::string>{
                  "[ERROR] FSCreateSymbolicLink: Failed to create symbolic link 'other' -> '" +
                      path("link") + "' (code: 17, msg: File exists)",
                  "[ERROR] FSReadSymbolicLink: Failed to read symbolic link '" + path("target") +
                      "' (code: 22, msg: Invalid argument)",
                  "[ERROR] FSChown: Failed to chown '" + path("missing") +
                      "' (code: 2, msg: No such file or directory)",
              }));
}

}  // namespace
