// Path information and directory creation.
#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "file/file-op.h"
#include "file/path-util.h"
#include "fileop_fixture.h"

namespace {

using fileop_test::CurrentUmask;
using fileop_test::ModeOf;
using nimbra_test::Exists;
using nimbra_test::WriteFile;

class FileOpInfo : public fileop_test::FileOpTest {};
class FileOpMkdir : public fileop_test::FileOpTest {};

bool IsDir(const std::string& p) {
    struct stat st;
    return lstat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

TEST_F(FileOpInfo, ReportsTheEntryItself) {
    WriteFile(path("f.txt"), "hello", 0640);
    ASSERT_EQ(mkdir(path("d").c_str(), 0750), 0);
    ASSERT_EQ(symlink(path("d").c_str(), path("link").c_str()), 0);
    ASSERT_EQ(symlink("nowhere", path("dangling").c_str()), 0);
    ASSERT_EQ(mkfifo(path("fifo").c_str(), 0600), 0);
    struct stat fst;
    ASSERT_EQ(lstat(path("f.txt").c_str(), &fst), 0);

    const struct {
        std::string name;
        FILE_TYPE type;
        uint64_t size;  // ~0: not checked (a directory's size depends on the file system)
    } cases[] = {
        {"f.txt", FT_FILE, 5},
        {"d", FT_DIR, ~0ull},
        // A link is reported as a link, with the length of its content.
        {"link", FT_SLINK, path("d").size()},
        {"dangling", FT_SLINK, 7},
        {"fifo", FT_FIFO, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FILE_INFO info;
        ASSERT_EQ(GetFileInfo(path(c.name).c_str(), info), 0);
        EXPECT_TRUE(info.isExist);
        EXPECT_EQ(info.type, c.type);
        if (c.size != ~0ull) {
            EXPECT_EQ(info.size, c.size);
        }
        EXPECT_EQ(std::string(info.name.c_str()), c.name);
        EXPECT_EQ(std::string(info.path.c_str()), path(c.name));
        EXPECT_EQ(info.dev_id, static_cast<uint64_t>(fst.st_dev));
        EXPECT_TRUE(IsFileExist(path(c.name).c_str(), false));
    }

    FILE_INFO info;
    ASSERT_EQ(GetFileInfo(path("f.txt").c_str(), info), 0);
    EXPECT_EQ(info.mode, static_cast<uint32_t>(S_IFREG | 0640));
    EXPECT_EQ(info.mtime, static_cast<uint32_t>(fst.st_mtime));
    EXPECT_EQ(info.uid, fst.st_uid);
    EXPECT_EQ(info.gid, fst.st_gid);
    FILE_INFO same;
    ASSERT_EQ(FSStat(path("f.txt").c_str(), same, true), 0);
    EXPECT_TRUE(same == info);
}

TEST_F(FileOpInfo, MissingAndUnexaminablePaths) {
    FILE_INFO info;
    info.type = FT_FILE;
    info.size = 99;
    info.uid = 5;
    info.isExist = true;
    ASSERT_EQ(GetFileInfo(path("missing").c_str(), info), 0);
    EXPECT_FALSE(info.isExist);
    EXPECT_EQ(info.type, FT_ERR);
    EXPECT_EQ(std::string(info.name.c_str()), "missing");
    EXPECT_EQ(std::string(info.path.c_str()), path("missing"));
    EXPECT_EQ(info.size + info.mtime + info.uid + info.gid + info.mode + info.dev_id, 0u);
    EXPECT_FALSE(IsFileExist(path("missing").c_str(), false));

    // Below a regular file the path cannot be examined (ENOTDIR): info is
    // left as it was.
    WriteFile(path("plain"), "x");
    FILE_INFO kept;
    kept.name = "kept";
    EXPECT_EQ(GetFileInfo(path("plain/x").c_str(), kept), -1);
    EXPECT_EQ(std::string(kept.name.c_str()), "kept");
    EXPECT_EQ(FSStat(path("plain/x").c_str(), kept, false), -2);
    EXPECT_FALSE(IsFileExist(path("plain/x").c_str(), false));

    EXPECT_EQ(FSStat("", kept, false), -1);
    EXPECT_FALSE(IsFileExist("", false));
}

TEST_F(FileOpInfo, InfoPathMayAliasTheArgument) {
    WriteFile(path("alias"), "abc");
    FILE_INFO info;
    info.path = path("alias").c_str();
    ASSERT_EQ(GetFileInfo(info.path, info), 0);
    EXPECT_EQ(std::string(info.path.c_str()), path("alias"));
    EXPECT_EQ(info.size, 3u);
}

TEST_F(FileOpMkdir, MkdirPCreatesEveryComponent) {
    const struct {
        std::string target;
        std::vector<std::string> made;  // relative to the sandbox
        size_t end;                     // where endptr points, from the end of the text
    } cases[] = {
        {path("x/y/z"), {"x", "x/y", "x/y/z"}, 0},
        {path("t/u/v/"), {"t", "t/u", "t/u/v"}, 1},  // at the last component's "/"
        {path("a//b"), {"a", "a/b"}, 0},
        {"rel/one", {"rel", "rel/one"}, 0},  // relative to the working folder
        {path("x/y/z/w"), {"x/y/z/w"}, 0},   // existing levels are accepted
        {"/", {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        const ustring target(c.target.c_str());
        char* end = nullptr;
        ASSERT_EQ(FSMKDirP(target, &end, false, static_cast<unsigned>(-1)), 0);
        for (const std::string& m : c.made) EXPECT_TRUE(IsDir(path(m))) << m;
        EXPECT_EQ(end, target.c_str() + target.length() - c.end);
    }
    EXPECT_EQ(FSMKDirP(path("x").c_str(), nullptr, false, static_cast<unsigned>(-1)), 0);
    char* untouched = reinterpret_cast<char*>(this);
    EXPECT_EQ(FSMKDirP("", &untouched, false, static_cast<unsigned>(-1)), -1);
    EXPECT_EQ(untouched, reinterpret_cast<char*>(this));
}

// The launcher's own mkdir -p: no mode, no log, errno for the caller.
TEST_F(FileOpMkdir, MakeFoldersOnBytes) {
    ASSERT_TRUE(MakeFolders(path("m/n/o")));
    EXPECT_TRUE(IsDir(path("m/n/o")));
    EXPECT_TRUE(MakeFolders(path("m/n/")));  // existing levels are accepted
    ASSERT_TRUE(MakeFolders("relative/p"));
    EXPECT_TRUE(IsDir("relative/p"));
    WriteFile(path("m/file"), "x");
    errno = 0;
    EXPECT_FALSE(MakeFolders(path("m/file")));
    EXPECT_EQ(errno, ENOTDIR);
    errno = 0;
    EXPECT_FALSE(MakeFolders(path("m/file/below")));
    EXPECT_EQ(errno, ENOTDIR);
}

TEST_F(FileOpMkdir, MkdirPThroughALinkToAFolder) {
    ASSERT_EQ(mkdir(path("real").c_str(), 0755), 0);
    ASSERT_EQ(symlink("real", path("via").c_str()), 0);
    EXPECT_EQ(FSMKDirP(path("via/sub").c_str(), nullptr, false, static_cast<unsigned>(-1)), 0);
    EXPECT_TRUE(IsDir(path("real/sub")));
}

TEST_F(FileOpMkdir, MkdirPWithAFileInTheWay) {
    StartLog();
    WriteFile(path("x"), "file");

    errno = 0;
    ustring target = path("x").c_str();
    char* end = nullptr;
    EXPECT_EQ(FSMKDirP(target, &end, false, static_cast<unsigned>(-1)), -1);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(end, target.c_str() + target.length());
    EXPECT_EQ(nimbra_test::ReadFile(path("x")), "file");

    // Not the last component: a notice, then the level below cannot be made.
    target = path("x/y/z").c_str();
    EXPECT_EQ(FSMKDirP(target, &end, false, static_cast<unsigned>(-1)), -1);
    EXPECT_EQ(errno, ENOTDIR);
    EXPECT_EQ(end, target.c_str() + path("x/y").size());

    EXPECT_EQ(Records(),
              (std::vector<std::string>{
                  "[INFO] FSMKDirP: path: " + path("x") +
                      " is existing file or symbolic link pointed to file",
                  "[INFO] FSMKDirP: path: " + path("x") + " is symbolic link pointed to folder",
              }));

    // Forced: the file goes and the directories are made, without notices.
    EXPECT_EQ(FSMKDirP(path("x/y").c_str(), nullptr, true, static_cast<unsigned>(-1)), 0);
    EXPECT_TRUE(IsDir(path("x/y")));
    WriteFile(path("f"), "file");
    EXPECT_EQ(FSMKDirP(path("f").c_str(), nullptr, true, static_cast<unsigned>(-1)), 0);
    EXPECT_TRUE(IsDir(path("f")));
    EXPECT_EQ(Records().size(), 2u);
}

TEST_F(FileOpMkdir, MkdirPModeIsExactAndUmaskRestored) {
    const mode_t saved = umask(022);
    const struct {
        mode_t mask;
        unsigned mode;
        unsigned expected;
        const char* dir;
    } cases[] = {
        {022, 0700, 0700, "m1"},
        {077, 0755, 0755, "m2"},
        {022, 0777, 0777, "m3"},
        {027, static_cast<unsigned>(-1), 0750, "m4"},  // default: 0777 under the umask
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dir);
        umask(c.mask);
        ASSERT_EQ(FSMKDirP((path(c.dir) + "/in").c_str(), nullptr, false, c.mode), 0);
        EXPECT_EQ(ModeOf(path(c.dir)), c.expected);
        EXPECT_EQ(ModeOf(path(c.dir) + "/in"), c.expected);
        EXPECT_EQ(CurrentUmask(), c.mask);
    }
    // Also restored when the call fails.
    umask(033);
    WriteFile(path("blocker"), "");
    EXPECT_EQ(FSMKDirP(path("blocker/in").c_str(), nullptr, false, 0700), -1);
    EXPECT_EQ(CurrentUmask(), 033u);
    umask(saved);
}

TEST_F(FileOpMkdir, MkdirCodesAndMessages) {
    StartLog();
    WriteFile(path("file"), "x");
    ASSERT_EQ(mkdir(path("dir").c_str(), 0755), 0);
    ASSERT_EQ(symlink("dir", path("dirlink").c_str()), 0);

    EXPECT_EQ(FSMKDir("", false), -1);
    EXPECT_EQ(FSMKDir(path("dir").c_str(), false), 0);
    EXPECT_EQ(FSMKDir(path("file").c_str(), true), -1);
    EXPECT_EQ(FSMKDir(path("dirlink").c_str(), false), -1);
    EXPECT_EQ(FSMKDir(path("file/sub").c_str(), false), -1);
    EXPECT_EQ(FSMKDir(path("no/parent").c_str(), false), -2);
    EXPECT_FALSE(Exists(path("no")));
    EXPECT_EQ(FSMKDir(path("no/parent").c_str(), true), 0);
    EXPECT_TRUE(IsDir(path("no/parent")));
    EXPECT_EQ(FSMKDir(path("single").c_str(), false), 0);
    EXPECT_EQ(ModeOf(path("single")), 0777 & ~CurrentUmask());

    EXPECT_EQ(Records(),
              (std::vector<std::string>{
                  "[ERROR] FSMKDir: Create a folder but local file system is not directory '" +
                      path("file") + "' (1)",
                  "[ERROR] FSMKDir: Create a folder but local file system is not directory '" +
                      path("dirlink") + "' (3)",
                  "[ERROR] FSMKDir: Failed to to file info '" + path("file/sub") + "'",
                  "[ERROR] path = " + path("no/parent") + " errno : No such file or directory",
              }));
}

TEST_F(FileOpMkdir, MkdirReportsTheErrnoOfTheChain) {
    StartLog();
    // Below a dangling link the target looks missing, but the chain cannot
    // make the link's level: mkdir fails with EEXIST, which the message shows.
    ASSERT_EQ(symlink("nowhere", path("dangling").c_str()), 0);
    errno = 0;
    EXPECT_EQ(FSMKDir(path("dangling/sub").c_str(), true), -2);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_FALSE(Exists(path("nowhere")));
    EXPECT_EQ(Records(), (std::vector<std::string>{"[ERROR] path = " + path("dangling/sub") +
                                                   " errno : File exists"}));
}

TEST_F(FileOpMkdir, MkdirFromRootLevelByLevel) {
    StartLog();
    const std::string r = path("r");
    ASSERT_EQ(mkdir(r.c_str(), 0755), 0);
    EXPECT_EQ(FSMKDirFromRoot((r + "/a/b").c_str(), r.c_str()), 0);
    EXPECT_TRUE(IsDir(r + "/a/b"));
    EXPECT_EQ(FSMKDirFromRoot(r.c_str(), r.c_str()), 0);  // nothing to make
    EXPECT_EQ(FSMKDirFromRoot((r + "/a/c/").c_str(), r.c_str()), 0);
    EXPECT_TRUE(IsDir(r + "/a/c"));

    EXPECT_EQ(FSMKDirFromRoot((r + "/a/b").c_str(), path("x").c_str()), -1);
    EXPECT_EQ(FSMKDirFromRoot(r.c_str(), (r + "/longer").c_str()), -1);
    EXPECT_EQ(FSMKDirFromRoot((r + "b/c").c_str(), r.c_str()), -1);  // "/rb" is not below "/r"
    // The root itself must exist.
    EXPECT_EQ(FSMKDirFromRoot(path("gone/a").c_str(), path("gone").c_str()), -1);
    EXPECT_FALSE(Exists(path("gone")));

    EXPECT_EQ(
        Records(),
        (std::vector<std::string>{
            "[DEBUG] FSMKDirFromRoot: create /a",
            "[DEBUG] FSMKDirFromRoot: create /a/b",
            "[DEBUG] FSMKDirFromRoot: create /a",
            "[DEBUG] FSMKDirFromRoot: create /a/c",
            "[DEBUG] FSMKDirFromRoot: create /a/c/",
            "[ERROR] root '" + path("x") + "' is not a parent folder of target '" + r + "/a/b'",
            "[ERROR] Giving a root '" + r + "/longer' whose length is larger then target's '" + r +
                "'.",
            "[ERROR] root '" + r + "' is not a parent folder of target '" + r + "b/c'",
            "[DEBUG] FSMKDirFromRoot: create /a",
            "[ERROR] path = " + path("gone/a") + " errno : No such file or directory",
        }));
}

}  // namespace
