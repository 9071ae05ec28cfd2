// Removing whole trees: links never followed, trees deeper than PATH_MAX,
// and an ordinary user's read-only and mode-0000 folders.
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "file/tree-removal.h"
#include "service/service_support.h"

namespace fs = std::filesystem;
using namespace service_test;
using nimbra_test::Exists;
using nimbra_test::WriteFile;

namespace {

const uid_t kNobody = 65534;

void MakeLinks() {
    WriteFile("outside/keep", "x");
    fs::create_directory_symlink("outside", "link");
    fs::create_directories("tree/sub");
    fs::create_directory_symlink("../../outside", "tree/sub/out");
}

// 30 levels of 200-byte names, a file at the bottom: far beyond PATH_MAX.
void MakeDeep() {
    static_assert(30 * 201 > PATH_MAX, "the tree must be deeper than PATH_MAX");
    const std::string name(200, 'd');
    ASSERT_EQ(mkdir("deep", 0755), 0);
    int fd = open("deep", O_RDONLY | O_DIRECTORY);
    for (int level = 0; level < 30 && fd >= 0; ++level) {
        ASSERT_EQ(mkdirat(fd, name.c_str(), 0755), 0);
        const int child = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
        close(fd);
        fd = child;
    }
    ASSERT_GE(fd, 0);
    close(openat(fd, "bottom", O_CREAT | O_WRONLY, 0644));
    close(fd);
}

// Folders the user can't write to or even read, nested, the top included.
void MakeLockedFolders() {
    WriteFile("tree/ro/locked/inner/f", "x");
    WriteFile("tree/none/f", "x");
    const std::pair<const char*, mode_t> modes[] = {{"tree/ro/locked/inner", 0500},
                                                    {"tree/ro/locked", 0000},
                                                    {"tree/ro", 0500},
                                                    {"tree/none", 0000},
                                                    {"tree", 0500}};
    for (const auto& m : modes) ASSERT_EQ(chmod(m.first, m.second), 0);
}

// Created in this order on a tmpfs, which lists a folder in creation order
// or its reverse: the unremovable folder comes between two removable ones
// whichever way the walk goes.
void MakeForeignFolder() {
    WriteFile("tree/first/f", "x");
    WriteFile("tree/root-owned/f", "x");
    WriteFile("tree/last/f", "x");
}

struct Case {
    const char* name;
    void (*make)();
    const char* target;
    bool as_nobody;  // everything but "root-owned" given to the user first
    int result;
    std::vector<const char*> kept, gone;
    bool on_tmpfs = false;  // "tree" is a tmpfs of its own
};

const Case kCases[] = {
    {"Missing", [] {}, "missing", false, 0, {}, {"missing"}},
    {"File", [] { WriteFile("f", "x"); }, "f", false, 0, {}, {"f"}},
    {"Link", MakeLinks, "link", false, 0, {"outside/keep"}, {"link"}},
    {"LinkWithSlash", MakeLinks, "link//", false, 0, {"outside/keep"}, {"link"}},
    {"TreeWithLinkOut", MakeLinks, "tree", false, 0, {"outside/keep", "link"}, {"tree"}},
    {"DeeperThanPathMax", MakeDeep, "deep", false, 0, {}, {"deep"}},
    {"LockedFoldersOfTheUser", MakeLockedFolders, "tree/", true, 0, {}, {"tree"}},
    {"FolderOfAnotherUser",
     MakeForeignFolder,
     "tree",
     true,
     -1,
     {"tree/root-owned/f"},
     {"tree/first", "tree/last"},
     true},
};

// Runs RemoveTree(target) in a child (as the user 65534 if asked) that may
// open only eight descriptors beyond those it inherits; its result.
int RemoveInChild(const char* target, bool as_nobody) {
    const pid_t child = fork();
    if (child == 0) {
        // Fill the gaps below the highest inherited descriptor, so that
        // exactly eight more can be opened.
        int highest = 0;
        if (DIR* d = opendir("/proc/self/fd")) {
            while (const dirent* e = readdir(d)) highest = std::max(highest, atoi(e->d_name));
            closedir(d);
        }
        for (int fd = open("/dev/null", O_RDONLY); fd >= 0; fd = open("/dev/null", O_RDONLY)) {
            if (fd > highest) {
                close(fd);
                break;
            }
        }
        const rlimit few = {rlim_t(highest) + 8, rlim_t(highest) + 8};
        if (setrlimit(RLIMIT_NOFILE, &few) != 0) _exit(2);
        if (as_nobody && (setresgid(kNobody, kNobody, kNobody) != 0 ||
                          setresuid(kNobody, kNobody, kNobody) != 0))
            _exit(2);
        _exit(RemoveTree(target) == 0 ? 0 : 1);
    }
    const int status = Reap(child, 60000);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 2) return 2;
    return WEXITSTATUS(status) == 0 ? 0 : -1;
}

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class TreeRemovalTest : public ServiceTest, public ::testing::WithParamInterface<Case> {};

TEST_P(TreeRemovalTest, RemovesWhatItCanAndNothingBehindALink) {
    const Case& c = GetParam();
    std::unique_ptr<nimbra_test::TmpfsMount> disk;
    if (c.on_tmpfs) {
        disk = std::make_unique<nimbra_test::TmpfsMount>(path("tree"), 1024);
        ASSERT_TRUE(disk->ok()) << disk->error();
    }
    c.make();
    ASSERT_FALSE(HasFatalFailure());
    if (c.as_nobody) {
        for (const auto& e : fs::recursive_directory_iterator(dir()))
            ASSERT_EQ(lchown(e.path().c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(lchown(dir().c_str(), kNobody, kNobody), 0);
        if (Exists("tree/root-owned")) {
            ASSERT_EQ(lchown("tree/root-owned", 0, 0), 0);
            ASSERT_EQ(lchown("tree/root-owned/f", 0, 0), 0);
        }
    }
    Mark();
    EXPECT_EQ(RemoveInChild(c.target, c.as_nobody), c.result);
    for (const char* p : c.kept) EXPECT_TRUE(Exists(p)) << p;
    for (const char* p : c.gone) EXPECT_FALSE(Exists(p)) << p;
    if (c.result != 0) {
        EXPECT_TRUE(InOrder(logSinceMark(),
                            {"[WARNING] tree-removal(%d): cannot remove 'tree/root-owned/f': "
                             "Permission denied"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TreeRemovalTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
