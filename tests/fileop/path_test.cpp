// The textual path helpers: no file system is involved.
#include <gtest/gtest.h>

#include <QDir>
#include <QString>

#include <string>

#include "file/file-op.h"
#include "file/path-util.h"

namespace {

struct PathCase {
    const char* in;
    const char* expected;
};

TEST(FileOpPaths, ParentPath) {
    const PathCase cases[] = {
        {"/a/b", "/a"},    {"/a", "/"},  {"a", "/"},       {"/", "/"},   {"", "/"},
        {"/a/b/", "/a/b"}, {"a/b", "a"}, {"/a//b", "/a/"}, {"//a", "/"}, {"/x/y.tar.gz", "/x"},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(std::string(FSParentPath(c.in).c_str()), c.expected) << "path '" << c.in << "'";
    }
}

TEST(FileOpPaths, BaseName) {
    const PathCase cases[] = {
        {"/a/b", "b"}, {"b", "b"},   {"/a/", ""},           {"/", ""},
        {"", ""},      {"a/b", "b"}, {"/a/b.txt", "b.txt"}, {"//x", "x"},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(std::string(FSBaseName(c.in).c_str()), c.expected) << "path '" << c.in << "'";
    }
}

// The launcher's paths were cleaned by QDir::cleanPath once: it is the oracle.
TEST(FileOpPaths, CleanPathAnswersAsTheToolkit) {
    const char* const cases[] = {"",
                                 "/",
                                 "//",
                                 ".",
                                 "./",
                                 "..",
                                 "../..",
                                 "a/..",
                                 "a/../..",
                                 "/..",
                                 "/../a",
                                 "/a/./b/",
                                 "a//b///c",
                                 "./a/./b/.",
                                 "/a/b/..",
                                 "a/b/../../../c",
                                 "/x/y/../../../z",
                                 "/home/u\xe9/",
                                 "../a/../b",
                                 "...",
                                 "/a/.../.."};
    for (const char* c : cases) {
        const QString text = QString::fromLatin1(c);
        EXPECT_EQ(CleanPath(c), QDir::cleanPath(text).toLatin1().toStdString())
            << "path '" << c << "'";
    }
}

TEST(FileOpPaths, IsParentFolder) {
    const struct {
        const char* parent;
        const char* child;
        bool expected;
    } cases[] = {
        {"/a", "/a", true},    {"/a", "/a/b", true},   {"/a", "/a/b/c", true},
        {"/a", "/ab", false},  {"/a/", "/a/b", false}, {"/a/", "/a//b", true},
        {"/a", "/", false},    {"/a/b", "/a", false},  {"/a", "/b/a", false},
        {"/ab", "/a/", false}, {"", "/x", true},       {"", "x", false},
        {"/r", "/r/", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FSIsParentFolder(c.parent, c.child), c.expected)
            << "parent '" << c.parent << "' child '" << c.child << "'";
    }
}

TEST(FileOpRecords, EqualityIgnoresOwnerModeAndDevice) {
    FILE_INFO a;
    a.path = "/x/y";
    a.name = "y";
    a.type = FT_FILE;
    a.size = 10;
    a.mtime = 100;
    a.isExist = true;
    FILE_INFO b = a;
    // Owner, mode and device take no part in the comparison.
    b.uid = 1;
    b.gid = 2;
    b.mode = 0100644;
    b.dev_id = 7;
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a != b);

    const auto differs = [&](void (*change)(FILE_INFO&)) {
        FILE_INFO c = a;
        change(c);
        return a != c && !(a == c);
    };
    EXPECT_TRUE(differs([](FILE_INFO& c) { c.isExist = false; }));
    EXPECT_TRUE(differs([](FILE_INFO& c) { c.size = 11; }));
    EXPECT_TRUE(differs([](FILE_INFO& c) { c.mtime = 101; }));
    EXPECT_TRUE(differs([](FILE_INFO& c) { c.type = FT_DIR; }));
    EXPECT_TRUE(differs([](FILE_INFO& c) { c.path = "/x/z"; }));
    EXPECT_TRUE(differs([](FILE_INFO& c) { c.name = "z"; }));
}

}  // namespace
