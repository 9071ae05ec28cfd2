// Copying, moving (also across file systems), removing and listing.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "file/file-op.h"
#include "fileop_fixture.h"

namespace {

using fileop_test::DeviceOf;
using fileop_test::ModeOf;
using fileop_test::TmpfsMount;
using nimbra_test::Exists;
using nimbra_test::ReadFile;
using nimbra_test::WriteFile;

const size_t kBlock = 33554432;

class FileOpCopy : public fileop_test::FileOpTest {};
class FileOpRename : public fileop_test::FileOpTest {};
class FileOpRemove : public fileop_test::FileOpTest {};
class FileOpReadDir : public fileop_test::FileOpTest {};

std::string Pattern(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 131 + i / 4099) & 0xff);
    return s;
}

void AppendFile(const std::string& p, const std::string& content) {
    std::ofstream(p, std::ios::binary | std::ios::app) << content;
}

std::string LinkContent(const std::string& p) {
    char buf[4096];
    const ssize_t n = readlink(p.c_str(), buf, sizeof(buf));
    return n < 0 ? std::string() : std::string(buf, n);
}

// A folder on a file system other than the sandbox's: a tmpfs mounted in the
// sandbox, or else a fresh folder in /dev/shm when that lies elsewhere.
class OtherFs {
public:
    explicit OtherFs(const std::string& sandbox)
        : mount_(new TmpfsMount(sandbox + "/other-fs", 16384)) {
        if (mount_->ok()) {
            dir_ = sandbox + "/other-fs";
            return;
        }
        reason_ = mount_->error();
        mount_.reset();
        char tmpl[] = "/dev/shm/nimbra-fileop-XXXXXX";
        if (mkdtemp(tmpl) == nullptr) {
            reason_ += "; no folder in /dev/shm either";
        } else if (DeviceOf(tmpl) == DeviceOf(sandbox)) {
            shm_dir_ = tmpl;
            reason_ += "; /dev/shm is on the sandbox's file system";
        } else {
            shm_dir_ = dir_ = tmpl;
        }
    }
    ~OtherFs() {
        std::error_code ec;
        if (!shm_dir_.empty()) std::filesystem::remove_all(shm_dir_, ec);
    }
    // Empty when the machine offers no second file system.
    const std::string& dir() const { return dir_; }
    const std::string& reason() const { return reason_; }

private:
    std::unique_ptr<TmpfsMount> mount_;
    std::string dir_, shm_dir_, reason_;
};

TEST_F(FileOpCopy, CopiesExactlyTheSourceBytes) {
    const struct {
        const char* name;
        size_t size;
        bool dst_exists;  // dst holds longer content first, which must go
        size_t hole;      // bytes from size / 4 on that were never written
    } cases[] = {
        {"empty", 0, true, 0},
        {"small", 17, true, 0},
        {"new", 4096, false, 0},
        {"blocks", kBlock + 12345, true, 0},  // more than one block
        {"sparse", 2 * kBlock + 4321, true, kBlock + 8192},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string src = path(std::string(c.name) + ".src");
        const std::string dst = path(std::string(c.name) + ".dst");
        std::string content = Pattern(c.size);
        content.replace(c.size / 4, c.hole, c.hole, '\0');
        WriteFile(src, content.substr(0, c.size / 4), 0600);
        if (c.hole > 0) {
            ASSERT_EQ(truncate(src.c_str(), c.size / 4 + c.hole), 0);
        }
        AppendFile(src, content.substr(c.size / 4 + c.hole));
        if (c.dst_exists) WriteFile(dst, std::string(c.size + 100, 'z'), 0640);
        ASSERT_EQ(FSCopy(src.c_str(), dst.c_str(), false), 0);
        EXPECT_TRUE(ReadFile(dst) == content);
        EXPECT_EQ(ReadFile(src).size(), c.size);
        // Only the bytes travel: a new file gets 0666 under the umask.
        EXPECT_EQ(ModeOf(dst), c.dst_exists ? 0640u : 0666u & ~fileop_test::CurrentUmask());
    }

    WriteFile(path("moved.src"), "payload");
    ASSERT_EQ(FSCopy(path("moved.src").c_str(), path("moved.dst").c_str(), true), 0);
    EXPECT_FALSE(Exists(path("moved.src")));
    EXPECT_EQ(ReadFile(path("moved.dst")), "payload");
}

TEST_F(FileOpCopy, FailuresAreLoggedAndKeepTheSource) {
    StartLog();
    WriteFile(path("src"), "keep me");
    ASSERT_EQ(mkdir(path("dir").c_str(), 0755), 0);

    EXPECT_EQ(FSCopy(path("missing").c_str(), path("dst").c_str(), false), -1);
    EXPECT_FALSE(Exists(path("dst")));
    EXPECT_EQ(FSCopy(path("src").c_str(), path("no/dst").c_str(), true), -1);
    EXPECT_EQ(FSCopy(path("src").c_str(), path("dir").c_str(), true), -1);
    EXPECT_EQ(FSCopy(path("dir").c_str(), path("dst").c_str(), true), -1);
    EXPECT_TRUE(Exists(path("dir")));
    EXPECT_EQ(ReadFile(path("src")), "keep me");

    EXPECT_EQ(Records(),
              (std::vector<std::string>{
                  "[ERROR] CopyFile: open(" + path("missing") + "): No such file or directory (2)",
                  "[ERROR] CopyFile: open(" + path("no/dst") + "): No such file or directory (2)",
                  "[ERROR] CopyFile: open(" + path("dir") + "): Is a directory (21)",
                  "[ERROR] CopyFile: read: Is a directory (21)",
              }));
}

TEST_F(FileOpCopy, RefusesToCopyAFileOntoItself) {
    // Truncating the destination would empty the source, and removing the
    // origin afterwards would lose the file altogether.
    WriteFile(path("self"), "precious");
    ASSERT_EQ(link(path("self").c_str(), path("hard").c_str()), 0);
    ASSERT_EQ(symlink("self", path("soft").c_str()), 0);
    for (const char* other : {"self", "hard", "soft", "./self"}) {
        SCOPED_TRACE(other);
        EXPECT_EQ(FSCopy(path("self").c_str(), path(other).c_str(), true), -1);
        EXPECT_EQ(ReadFile(path("self")), "precious");
    }
}

TEST_F(FileOpCopy, FullFileSystemGivesMinusTwo) {
    TmpfsMount tiny(path("tiny"), 64);
    if (!tiny.ok()) GTEST_SKIP() << tiny.error();
    StartLog();
    WriteFile(path("big"), Pattern(1 << 20));
    EXPECT_EQ(FSCopy(path("big").c_str(), path("tiny/big").c_str(), true), -2);
    EXPECT_EQ(ReadFile(path("big")).size(), 1u << 20);  // not removed
    // The part that fitted stays; nothing rolls back.
    const std::string part = ReadFile(path("tiny/big"));
    EXPECT_GT(part.size(), 0u);
    EXPECT_LT(part.size(), 1u << 20);
    EXPECT_TRUE(part == Pattern(1 << 20).substr(0, part.size()));
    EXPECT_EQ(Records(),
              (std::vector<std::string>{"[ERROR] CopyFile: write: No space left on device (28)"}));
}

TEST_F(FileOpRename, ResultCodes) {
    StartLog();
    WriteFile(path("a"), "A");
    WriteFile(path("full/x"), "X");
    ASSERT_EQ(mkdir(path("tree").c_str(), 0755), 0);
    WriteFile(path("tree/inner"), "I");

    EXPECT_EQ(FSRename("", path("b").c_str(), false), -1);
    EXPECT_EQ(FSRename(path("a").c_str(), "", false), -1);
    EXPECT_EQ(FSRename(path("missing").c_str(), path("b").c_str(), false), -2);
    EXPECT_EQ(FSRename(path("a/x").c_str(), path("b").c_str(), false), -2);  // not examinable
    EXPECT_EQ(FSRename(path("a").c_str(), path("no/b").c_str(), false), -3);
    EXPECT_EQ(FSRename(path("tree").c_str(), path("full").c_str(), false), -3);  // not empty
    EXPECT_EQ(FSRename(path("tree").c_str(), path("tree/inside").c_str(), false), -3);
    EXPECT_EQ(FSRename(path("a").c_str(), path(std::string(300, 'n')).c_str(), false), -100);
    EXPECT_EQ(ReadFile(path("a")), "A");

    EXPECT_EQ(FSRename(path("a").c_str(), path("b").c_str(), false), 0);
    EXPECT_EQ(ReadFile(path("b")), "A");
    EXPECT_FALSE(Exists(path("a")));
    EXPECT_EQ(FSRename(path("tree").c_str(), path("moved").c_str(), true), 0);
    EXPECT_EQ(ReadFile(path("moved/inner")), "I");
    EXPECT_TRUE(Records().empty());  // the caller reports
}

TEST_F(FileOpRename, MovesATreeToAnotherFileSystem) {
    OtherFs other(dir());
    if (other.dir().empty()) GTEST_SKIP() << "no second file system: " << other.reason();
    ASSERT_NE(DeviceOf(other.dir()), DeviceOf(dir()));

    const std::map<std::string, std::string> files = {
        {"top.txt", "top"},
        {"sub/b.txt", Pattern(5000)},
        {"sub/deeper/c.txt", ""},
        {"sub/deeper/d.bin", Pattern(70000)},
    };
    for (const auto& f : files) WriteFile(path("src/" + f.first), f.second);
    ASSERT_EQ(mkdir(path("src/empty").c_str(), 0755), 0);
    ASSERT_EQ(symlink("../top.txt", path("src/sub/link").c_str()), 0);
    ASSERT_EQ(symlink("/nowhere/at/all", path("src/dangling").c_str()), 0);

    const std::string to = other.dir() + "/app";
    ASSERT_EQ(FSRename(path("src").c_str(), to.c_str(), false), 0);

    EXPECT_FALSE(Exists(path("src")));
    for (const auto& f : files) {
        EXPECT_TRUE(ReadFile(to + "/" + f.first) == f.second) << f.first;
    }
    struct stat st;
    ASSERT_EQ(lstat((to + "/empty").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(LinkContent(to + "/sub/link"), "../top.txt");
    EXPECT_EQ(LinkContent(to + "/dangling"), "/nowhere/at/all");
    EXPECT_EQ(DeviceOf(to + "/sub/deeper/d.bin"), DeviceOf(other.dir()));

    // A single file crosses too, and into an existing folder tree.
    WriteFile(path("single"), "one");
    ASSERT_EQ(FSRename(path("single").c_str(), (to + "/sub/single").c_str(), false), 0);
    EXPECT_EQ(ReadFile(to + "/sub/single"), "one");
    EXPECT_FALSE(Exists(path("single")));
}

TEST_F(FileOpRename, FailedCrossMoveKeepsWhatWasNotMoved) {
    TmpfsMount tiny(path("tiny"), 64);
    if (!tiny.ok()) GTEST_SKIP() << tiny.error();

    WriteFile(path("src/small.txt"), "small");
    WriteFile(path("src/big.bin"), Pattern(1 << 20));
    EXPECT_EQ(FSRename(path("src").c_str(), path("tiny/app").c_str(), false), -3);
    // The file that did not fit is still at the source, whole; whatever was
    // moved is complete at the target and gone from the source.
    EXPECT_EQ(ReadFile(path("src/big.bin")).size(), 1u << 20);
    if (Exists(path("src/small.txt"))) {
        EXPECT_EQ(ReadFile(path("src/small.txt")), "small");
    } else {
        EXPECT_EQ(ReadFile(path("tiny/app/small.txt")), "small");
    }

    // A lone file that does not fit: -3 and the source stays.
    EXPECT_EQ(FSRename(path("src/big.bin").c_str(), path("tiny/big.bin").c_str(), false), -3);
    EXPECT_EQ(ReadFile(path("src/big.bin")).size(), 1u << 20);

    // Kinds that cannot be copied are not moved across.
    ASSERT_EQ(mkfifo(path("fifo").c_str(), 0600), 0);
    EXPECT_EQ(FSRename(path("fifo").c_str(), path("tiny/fifo").c_str(), false), -3);
    EXPECT_TRUE(Exists(path("fifo")));
}

TEST_F(FileOpRemove, RemovesTreesAndNeverFollowsLinks) {
    // A folder outside the removed tree, reached through links inside it.
    WriteFile(path("outside/keep.txt"), "keep");
    WriteFile(path("tree/a.txt"), "a");
    WriteFile(path("tree/sub/b.txt"), "b");
    WriteFile(path("tree/sub/deeper/c.txt"), "c");
    ASSERT_EQ(mkdir(path("tree/empty").c_str(), 0755), 0);
    ASSERT_EQ(symlink(path("outside").c_str(), path("tree/sub/to-outside").c_str()), 0);
    ASSERT_EQ(symlink(path("outside/keep.txt").c_str(), path("tree/to-file").c_str()), 0);
    ASSERT_EQ(symlink("gone", path("tree/dangling").c_str()), 0);
    ASSERT_EQ(mkfifo(path("tree/fifo").c_str(), 0600), 0);
    ASSERT_EQ(chmod(path("tree/sub/deeper").c_str(), 0), 0);  // root still lists it

    EXPECT_EQ(FSRemove(path("tree").c_str(), true), 0);
    EXPECT_FALSE(Exists(path("tree")));
    EXPECT_EQ(ReadFile(path("outside/keep.txt")), "keep");

    // A link to a folder, given directly: only the link goes.
    ASSERT_EQ(symlink("outside", path("direct").c_str()), 0);
    EXPECT_EQ(FSRemove(path("direct").c_str(), false), 0);
    EXPECT_FALSE(Exists(path("direct")));
    EXPECT_EQ(ReadFile(path("outside/keep.txt")), "keep");
    // ...also when the name ends in "/", where lstat would follow the link.
    ASSERT_EQ(symlink("outside", path("slashed").c_str()), 0);
    EXPECT_EQ(FSRemove((path("slashed") + "//").c_str(), false), 0);
    EXPECT_FALSE(Exists(path("slashed")));
    EXPECT_EQ(ReadFile(path("outside/keep.txt")), "keep");

    EXPECT_EQ(FSRemove(path("outside/keep.txt").c_str(), false), 0);
    EXPECT_FALSE(Exists(path("outside/keep.txt")));
    EXPECT_EQ(FSRemove(path("missing").c_str(), false), 0);
    EXPECT_EQ(FSRemove("", false), -1);
    WriteFile(path("plain"), "p");
    EXPECT_EQ(FSRemove(path("plain/x").c_str(), false), -1);
    EXPECT_TRUE(Exists(path("plain")));
}

TEST_F(FileOpRemove, FailureLeavesTheRest) {
    // A mount point inside the tree cannot be removed: its content goes, the
    // folders above it stay.
    WriteFile(path("tree/a.txt"), "a");
    TmpfsMount busy(path("tree/mnt"), 64);
    if (!busy.ok()) GTEST_SKIP() << busy.error();
    WriteFile(path("tree/mnt/inside.txt"), "in");
    EXPECT_EQ(FSRemove(path("tree").c_str(), false), -3);
    EXPECT_TRUE(Exists(path("tree/mnt")));
    EXPECT_FALSE(Exists(path("tree/mnt/inside.txt")));
}

TEST_F(FileOpReadDir, ListsEntriesWithOrWithoutSizes) {
    StartLog();
    WriteFile(path("d/file"), "12345");
    ASSERT_EQ(mkdir(path("d/sub").c_str(), 0755), 0);
    ASSERT_EQ(symlink("file", path("d/link").c_str()), 0);
    ASSERT_EQ(mkfifo(path("d/fifo").c_str(), 0600), 0);
    struct stat fst;
    ASSERT_EQ(lstat(path("d/file").c_str(), &fst), 0);

    for (int flag : {0, 1}) {
        SCOPED_TRACE(flag);
        DIR_HANDLE dh;
        ASSERT_EQ(FSOpenDir(path("d").c_str(), flag, dh), 0);
        EXPECT_EQ(std::string(dh.path.c_str()), path("d"));
        EXPECT_EQ(dh.flag, flag);
        std::map<std::string, DIR_ENTRY> seen;
        DIR_ENTRY e;
        int r;
        while ((r = FSReadDir(dh, e)) == 1) seen[e.name.c_str()] = e;
        EXPECT_EQ(r, 0);
        FSCloseDir(dh);
        EXPECT_EQ(dh.dp, nullptr);
        EXPECT_TRUE(dh.path.empty());

        ASSERT_EQ(seen.size(), 6u);
        const std::map<std::string, FILE_TYPE> types = {
            {".", FT_DIR},   {"..", FT_DIR},     {"file", FT_FILE},
            {"sub", FT_DIR}, {"link", FT_SLINK}, {"fifo", FT_FIFO},
        };
        for (const auto& t : types) EXPECT_EQ(seen[t.first].type, t.second) << t.first;
        if (flag == 0) {
            for (const auto& s : seen) {
                EXPECT_EQ(s.second.size, 0u) << s.first;
                EXPECT_EQ(s.second.mtime, 0u) << s.first;
            }
        } else {
            EXPECT_EQ(seen["file"].size, 5u);
            EXPECT_EQ(seen["file"].mtime, static_cast<uint32_t>(fst.st_mtime));
            EXPECT_EQ(seen["link"].size, 4u);  // the link itself, not its target
            EXPECT_NE(seen["sub"].mtime, 0u);
        }
    }

    // A handle that was never opened, or is closed already.
    DIR_HANDLE never;
    FSCloseDir(never);
    EXPECT_TRUE(never.path.empty());
    DIR_ENTRY e;
    EXPECT_EQ(FSReadDir(never, e), -1);

    DIR_HANDLE failed;
    failed.path = "untouched";
    EXPECT_EQ(FSOpenDir(path("missing").c_str(), 1, failed), -1);
    EXPECT_EQ(std::string(failed.path.c_str()), "untouched");
    EXPECT_EQ(failed.dp, nullptr);

    EXPECT_EQ(Records(), (std::vector<std::string>{
                             "[ERROR] FSOpenDir: Failed to read directory ''. Bad file descriptor",
                             "[ERROR] FSOpenDir: Failed to open directory '" + path("missing") +
                                 "'. No such file or directory",
                         }));
}

}  // namespace
