// The package extractor against archives built here: progress reporting,
// failure lines and results, and above all that nothing is ever written,
// linked or removed outside the target folder, whatever the archive holds
// and wherever the process's working folder points.
#include "extractor.h"

#include <signal.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <archive.h>
#include <archive_entry.h>

#include <QSignalSpy>
#include <cctype>
#include <climits>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "adapter.h"
#include "archive_writer.h"
#include "log.h"
#include "reader/bounded-child.h"
#include "strtab.h"
#include "support/test_env.h"

namespace fs = std::filesystem;
using nimbra_test::ArchiveEntry;
using nimbra_test::ArchiveFormat;
using nimbra_test::Dir;
using nimbra_test::Exists;
using nimbra_test::File;
using nimbra_test::FormatName;
using nimbra_test::Hardlink;
using nimbra_test::ReadFile;
using nimbra_test::Symlink;
using nimbra_test::WriteArchive;
using nimbra_test::WriteFile;

// Under AddressSanitizer, an allocation the reader's memory ceiling refuses
// must fail as it does for everyone (null), not end the reader with a report.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1";
}

namespace {

struct stat LStat(const std::string& p) {
    struct stat st {};
    if (lstat(p.c_str(), &st) != 0) st.st_ino = 0;
    return st;
}

bool IsSymlink(const std::string& p) {
    return S_ISLNK(LStat(p).st_mode);
}
bool IsDir(const std::string& p) {
    return S_ISDIR(LStat(p).st_mode);
}
bool IsRegular(const std::string& p) {
    return S_ISREG(LStat(p).st_mode);
}

// As IsRegular, for paths of any length: each folder is opened in turn.
bool IsRegularAt(const std::string& p) {
    int fd = open("/", O_RDONLY | O_DIRECTORY);
    size_t at = 1;
    for (size_t slash; fd >= 0 && (slash = p.find('/', at)) != std::string::npos; at = slash + 1) {
        const int next = openat(fd, p.substr(at, slash - at).c_str(), O_RDONLY | O_DIRECTORY);
        close(fd);
        fd = next;
    }
    struct stat st {};
    const bool regular = fd >= 0 && fstatat(fd, p.c_str() + at, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                         S_ISREG(st.st_mode);
    if (fd >= 0) close(fd);
    return regular;
}

std::string LinkBody(const std::string& p) {
    std::error_code ec;
    return fs::read_symlink(p, ec).string();
}

// Every path below dir (links not followed), relative to it.
std::set<std::string> Tree(const std::string& dir) {
    std::set<std::string> out;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        out.insert(fs::relative(it->path(), dir).string());
    }
    return out;
}

// Whether pattern matches the start of text; '*' stands for one or more
// characters of the same line.
bool MatchesStart(const char* text, const char* pattern) {
    if (*pattern == '\0') return true;
    if (*pattern != '*') return *text == *pattern && MatchesStart(text + 1, pattern + 1);
    for (const char* t = text; *t != '\0' && *t != '\n'; ++t) {
        if (MatchesStart(t + 1, pattern + 1)) return true;
    }
    return false;
}

// Number of log records "<tag> extractor(<line>): <message>" whose message
// starts as pattern says (end it with "\n" to match a whole message).
int CountLines(const std::string& log, const std::string& tag, const std::string& pattern) {
    const std::string head = tag + " extractor(";
    int n = 0;
    for (size_t at = log.find(head); at != std::string::npos; at = log.find(head, at + 1)) {
        size_t p = at + head.size();
        size_t digits = 0;
        while (p + digits < log.size() && std::isdigit(static_cast<unsigned char>(log[p + digits])))
            ++digits;
        if (digits == 0 || log.compare(p + digits, 3, "): ") != 0) continue;
        if (MatchesStart(log.c_str() + p + digits + 3, pattern.c_str())) ++n;
    }
    return n;
}

class ExtractorTest : public nimbra_test::SandboxTest {
protected:
    void SetUp() override {
        SandboxTest::SetUp();
        if (HasFatalFailure()) return;
        WriteFile(path("levels"), "extractor_debug=7\n");
        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, path("extractor.log").c_str(),
                                     path("levels").c_str(), 2),
                  0);
        StrTable::InitStrTable();
        Notify_Adapter& relay = Notify_Adapter::GetInstance();
        // Same thread, so a direct connection records in emission order.
        QObject::connect(
            &relay, &Notify_Adapter::sigUpdateDialogText, &listener_,
            [this](QString text) { events_.push_back("text:" + text.toStdString()); },
            Qt::DirectConnection);
        QObject::connect(
            &relay, &Notify_Adapter::sigUpdateProgress, &listener_,
            [this](int total, int current) {
                events_.push_back("progress:" + std::to_string(total) + "/" +
                                  std::to_string(current));
                progress_.emplace_back(total, current);
            },
            Qt::DirectConnection);
    }

    void TearDown() override {
        Logger::Destroy();
        SandboxTest::TearDown();
    }

    std::string Log() const { return ReadFile(path("extractor.log")); }

    int Extract(const std::string& source, const std::string& target) {
        Extractor x;
        x.SetSource(source.c_str());
        x.SetTarget(target.c_str());
        x.SetProgress(ProgressToAdapter());  // as the launcher's worker wires it
        return x.Extract();
    }

    int Count(const std::string& source) {
        Extractor x;
        x.SetSource(source.c_str());
        x.SetTarget(path("t").c_str());
        return x.Count();
    }

    // Writes entries as an archive in the sandbox and returns its path.
    std::string Package(const std::vector<ArchiveEntry>& entries,
                        ArchiveFormat format = ArchiveFormat::kTarGz) {
        std::string file = path(std::string("pkg.") + FormatName(format));
        std::string error = WriteArchive(file, format, entries);
        EXPECT_EQ(error, "");
        return file;
    }

    std::string PreparingText() const {
        return "text:" + StrTable::LoadStr(StrTable::desc_nmbr_env_preparing).toStdString();
    }

    QObject listener_;
    std::vector<std::string> events_;
    std::vector<std::pair<int, int>> progress_;
};

// --- Progress over the formats and compressions ---------------------------

class ExtractorFormatTest : public ExtractorTest,
                            public ::testing::WithParamInterface<ArchiveFormat> {};

TEST_P(ExtractorFormatTest, TwoHundredEntriesReportEveryStepInOrder) {
    std::vector<ArchiveEntry> entries;
    for (int d = 0; d < 10; ++d) {
        std::string dir = "d" + std::to_string(d);
        entries.push_back(Dir(dir));
        for (int f = 0; f < 19; ++f) {
            std::string name = dir + "/f" + std::to_string(f);
            entries.push_back(File(name, "content of " + name + "\n"));
        }
    }
    ASSERT_EQ(entries.size(), 200u);
    std::string pkg = Package(entries, GetParam());
    ASSERT_EQ(Count(pkg), 200);

    ASSERT_EQ(Extract(pkg, path("t")), 0) << Log();

    // The text, the busy bar of the first read, then whole percentages of
    // the bytes, each once, up to 100.
    ASSERT_GE(events_.size(), 3u);
    EXPECT_EQ(events_[0], PreparingText());
    EXPECT_EQ(events_[1], "progress:0/0");
    ASSERT_LE(progress_.size(), 102u);
    for (size_t i = 2; i < progress_.size(); ++i) {
        EXPECT_EQ(progress_[i].first, 100);
        EXPECT_GT(progress_[i].second, progress_[i - 1].second);
    }
    EXPECT_EQ(progress_.back(), std::make_pair(100, 100));
    EXPECT_GT(progress_.size(), 50u);  // 200 entries of similar size move the bar often

    EXPECT_EQ(Tree(path("t")).size(), 200u);
    EXPECT_EQ(ReadFile(path("t/d7/f18")), "content of d7/f18\n");
    EXPECT_EQ(
        CountLines(Log(), "[DEBUG]", "decompress from '" + pkg + "' to '" + path("t") + "'\n"), 1);
    EXPECT_EQ(CountLines(Log(), "[ERROR]", ""), 0);
}

TEST_P(ExtractorFormatTest, InPackageRelativeSymlinksStayLinks) {
    std::string pkg =
        Package({Dir("lib"), File("lib/libx.so.1", "lib\n"), Symlink("lib/libx.so", "libx.so.1"),
                 Symlink("libdir", "lib"), File("after", "after\n")},
                GetParam());
    ASSERT_EQ(Extract(pkg, path("t")), 0) << Log();
    ASSERT_TRUE(IsSymlink(path("t/lib/libx.so")));
    EXPECT_EQ(LinkBody(path("t/lib/libx.so")), "libx.so.1");
    EXPECT_EQ(ReadFile(path("t/lib/libx.so")), "lib\n");
    ASSERT_TRUE(IsSymlink(path("t/libdir")));
    EXPECT_EQ(LinkBody(path("t/libdir")), "lib");
    EXPECT_EQ(ReadFile(path("t/after")), "after\n");
}

INSTANTIATE_TEST_SUITE_P(Formats, ExtractorFormatTest,
                         ::testing::Values(ArchiveFormat::kTarGz, ArchiveFormat::kTarXz,
                                           ArchiveFormat::kTarBz2, ArchiveFormat::kZip,
                                           ArchiveFormat::kCpioGz),
                         [](const ::testing::TestParamInfo<ArchiveFormat>& info) {
                             return std::string(FormatName(info.param));
                         });

TEST_F(ExtractorTest, ListPrintsEveryPathName) {
    std::string pkg = Package({Dir("a"), File("a/b", "x"), Symlink("c", "a/b")});
    Extractor x;
    x.SetSource(pkg.c_str());
    x.SetTarget(path("t").c_str());
    ::testing::internal::CaptureStdout();
    int r = x.List();
    std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(r, 0);
    EXPECT_EQ(out, "a/\na/b\nc\n");
    EXPECT_FALSE(Exists(path("t")));
}

// Noise that no compressor shrinks, so a cut archive loses part of the data.
std::string Noise(size_t size) {
    std::mt19937 gen(42);
    std::string out(size, '\0');
    for (char& c : out) c = static_cast<char>(gen());
    return out;
}

// A package of a few large files moves the bar while each is written.
TEST_F(ExtractorTest, LargeEntriesMoveTheBarWhileTheyAreWritten) {
    std::string pkg = Package({File("a", Noise(3 << 20)), File("b", Noise(1 << 20))});
    ASSERT_EQ(Extract(pkg, path("t")), 0) << Log();
    ASSERT_GT(progress_.size(), 50u);
    for (size_t i = 2; i < progress_.size(); ++i)
        EXPECT_GT(progress_[i].second, progress_[i - 1].second);
    EXPECT_EQ(progress_.back(), std::make_pair(100, 100));
}

TEST_F(ExtractorTest, CopyDataCopiesOneEntryAndReportsReadFailures) {
    struct ReadFree {
        void operator()(archive* a) const { archive_read_free(a); }
    };
    struct WriteFree {
        void operator()(archive* a) const { archive_write_free(a); }
    };
    const std::string content = Noise(300000);
    std::string pkg = Package({File("big", content)});
    std::string bytes = ReadFile(pkg);
    WriteFile(path("cut.tar.gz"), bytes.substr(0, bytes.size() / 2));

    struct Case {
        std::string archive;
        int result;
    };
    for (const Case& c : {Case{pkg, 0}, Case{path("cut.tar.gz"), -1}}) {
        SCOPED_TRACE(c.archive);
        std::unique_ptr<archive, ReadFree> ar(archive_read_new());
        std::unique_ptr<archive, WriteFree> aw(archive_write_disk_new());
        archive_read_support_filter_all(ar.get());
        archive_read_support_format_all(ar.get());
        ASSERT_EQ(archive_read_open_filename(ar.get(), c.archive.c_str(), 10240), ARCHIVE_OK);
        archive_entry* entry = nullptr;
        ASSERT_EQ(archive_read_next_header(ar.get(), &entry), ARCHIVE_OK);
        fs::remove(path("copy"));
        archive_entry_set_pathname(entry, path("copy").c_str());
        ASSERT_EQ(archive_write_header(aw.get(), entry), ARCHIVE_OK);

        std::string before = Log();
        Extractor x;
        EXPECT_EQ(x.copy_data(ar.get(), aw.get()), c.result);
        archive_write_finish_entry(aw.get());
        std::string added = Log().substr(before.size());
        if (c.result == 0) {
            EXPECT_EQ(ReadFile(path("copy")), content);
            EXPECT_EQ(added, "");
        } else {
            EXPECT_EQ(CountLines(added, "[ERROR]", "archive_read_data_block failed: '*'\n"), 1)
                << added;
            // The disk writer pads the file to its declared size; the data
            // itself is missing.
            EXPECT_NE(ReadFile(path("copy")), content);
        }

        EXPECT_EQ(x.copy_data(nullptr, aw.get()), -1);
        EXPECT_EQ(x.copy_data(ar.get(), nullptr), -1);
        EXPECT_EQ(CountLines(Log().substr(before.size()), "[ERROR]", "Invalid Argument\n"), 2);
    }
}

// --- The reader's bounds ----------------------------------------------------

// Stand-ins for an archive library that loops or allocates without end: the
// child is stopped by the bound, and what it sent before is relayed in order.
TEST(BoundedChildTest, EveryChildEndsWithinItsBounds) {
    using End = BoundedChild::End;
    struct Case {
        const char* name;
        BoundedChild::Limits limits;
        BoundedChild::Body body;
        End end;
        int status;
        size_t reserved = 0;  // address space the parent holds during the run
    };
    const BoundedChild::Limits roomy{std::chrono::milliseconds(60000), 64 << 20};
    const Case cases[] = {
        {"returns", roomy,
         [](ChildChannel& c) {
             c.Send('b', std::string(100000, 'x'));
             return 7;
         },
         End::kExited, 7},
        {"never ends",
         {std::chrono::milliseconds(300), 64 << 20},
         [](ChildChannel&) {
             for (volatile int spin = 0;; spin = spin + 1) {
             }
             return 0;
         },
         End::kTimedOut,
         SIGKILL},
        {"keeps allocating", roomy,
         [](ChildChannel&) {
             // Straight from the kernel, as the sanitizers' allocators can't
             // report their own failure once the address space is used up.
             for (;;) {
                 void* p = mmap(nullptr, 1 << 20, PROT_READ | PROT_WRITE,
                                MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
                 if (p == MAP_FAILED) return 3;
                 memset(p, 1, 1 << 20);
             }
         },
         End::kExited, 3},
        // The ceiling comes on top of what the reader inherits, however much
        // address space the launcher has reserved.
        {"maps memory below a parent that reserved 16 GiB", roomy,
         [](ChildChannel&) {
             void* p = mmap(nullptr, 32 << 20, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                            -1, 0);
             return p == MAP_FAILED ? 3 : 0;
         },
         End::kExited, 0, size_t{16} << 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> records;
        void* reserved = c.reserved == 0 ? nullptr
                                         : mmap(nullptr, c.reserved, PROT_NONE,
                                                MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        ASSERT_NE(reserved, MAP_FAILED);
        BoundedChild child(c.limits);
        // Every child first sends a record, which must reach the parent
        // however the child ends.
        const auto body = [&c](ChildChannel& channel) {
            channel.Send('a', "one");
            return c.body(channel);
        };
        End end = child.Run(body, [&](char kind, const std::string& payload) {
            records.push_back(kind + payload.substr(0, 8) + std::to_string(payload.size()));
        });
        if (reserved != nullptr) munmap(reserved, c.reserved);
        EXPECT_EQ(end, c.end);
        EXPECT_EQ(child.status(), c.status);
        ASSERT_GE(records.size(), 1u);
        EXPECT_EQ(records[0], "aone3");
        if (c.end == End::kExited && c.status == 7) {
            EXPECT_EQ(records, (std::vector<std::string>{"aone3", "bxxxxxxxx4096"}));
        }
    }
}

// Without /proc (a sandbox) the reader measures the address space it
// inherits by probing; the ceiling is added to that, so it must agree with
// the kernel's own count.
TEST(BoundedChildTest, AddressSpaceProbeAgreesWithProc) {
    const auto statm = [] {
        std::ifstream in("/proc/self/statm");
        uint64_t pages = 0;
        in >> pages;
        return pages * static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
    };
    const uint64_t before = statm();
    const uint64_t probed = MappedBytesByProbe();
    const uint64_t after = statm();
    ASSERT_GT(before, 0u) << "no /proc to compare with";
    EXPECT_GE(probed + (1 << 20), std::min(before, after));
    EXPECT_LE(probed, std::max(before, after) + (1 << 20));
}

// A launcher killed while its reader runs (a session that ends) takes the
// reader with it: nothing keeps reading, or holding memory, for nobody.
TEST(BoundedChildTest, ReaderEndsWithTheLauncher) {
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);  // the orphaned reader comes back to us
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t launcher = fork();
    ASSERT_GE(launcher, 0);
    if (launcher == 0) {
        close(fds[0]);
        BoundedChild child({std::chrono::minutes(10), 64 << 20});
        child.Run(
            [&fds](ChildChannel&) {
                const pid_t me = getpid();
                if (write(fds[1], &me, sizeof(me)) != sizeof(me)) return 1;
                for (;;) pause();
            },
            [](char, const std::string&) {});
        _exit(0);
    }
    close(fds[1]);
    pid_t reader = 0;
    const bool told = read(fds[0], &reader, sizeof(reader)) == sizeof(reader);
    close(fds[0]);
    kill(launcher, SIGKILL);
    waitpid(launcher, nullptr, 0);
    int status = 0;
    pid_t reaped = 0;
    for (int i = 0; told && i < 1000 && reaped != reader; ++i) {
        reaped = waitpid(reader, &status, WNOHANG);
        if (reaped != reader) usleep(10000);
    }
    if (told && reaped != reader) {
        kill(reader, SIGKILL);
        waitpid(reader, nullptr, 0);
    }
    prctl(PR_SET_CHILD_SUBREAPER, 0);
    ASSERT_TRUE(told);
    EXPECT_EQ(reaped, reader) << "the reader outlived the launcher by 10 s";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
}

// --- Failures of the count and of the arguments ----------------------------

TEST_F(ExtractorTest, ArchivesWithoutEntriesFailBeforeWritingAnything) {
    struct Case {
        const char* name;
        std::string file;
        int count;  // 1 stands for "0 or -1": libarchive decides
    };
    ASSERT_EQ(WriteArchive(path("empty.tar.gz"), ArchiveFormat::kTarGz, {}), "");
    ASSERT_EQ(WriteArchive(path("empty.zip"), ArchiveFormat::kZip, {}), "");
    WriteFile(path("zero"), "");
    WriteFile(path("text"), std::string(4096, '\x01') + "not an archive at all\n");
    const Case cases[] = {
        {"empty tar.gz", path("empty.tar.gz"), 0}, {"empty zip", path("empty.zip"), 0},
        {"zero bytes", path("zero"), 0},           {"not an archive", path("text"), 1},
        {"missing", path("missing.tar.gz"), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        events_.clear();
        int count = Count(c.file);
        if (c.count == 1) {
            EXPECT_LE(count, 0);
        } else {
            EXPECT_EQ(count, c.count);
        }
        if (count < 0) {
            EXPECT_GE(CountLines(Log(), "[ERROR]", "archive_read_open_filename failed: '*'\n"), 1);
        }
        std::string before = Log();
        EXPECT_EQ(Extract(c.file, path("t")), -1);
        std::string added = Log().substr(before.size());
        EXPECT_EQ(CountLines(added, "[ERROR]",
                             "Failed to calculate total file numbers, ret: " +
                                 std::to_string(count) + "\n"),
                  1)
            << added;
        ASSERT_EQ(events_.size(), 2u);
        EXPECT_EQ(events_[0], PreparingText());
        EXPECT_EQ(events_[1], "progress:0/0");
        EXPECT_FALSE(Exists(path("t")));
    }
}

TEST_F(ExtractorTest, EmptySourceOrTargetTouchesNothing) {
    std::string pkg = Package({File("a", "a")});
    const std::pair<std::string, std::string> cases[] = {{"", path("t")}, {pkg, ""}, {"", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE("source '" + c.first + "' target '" + c.second + "'");
        std::string before = Log();
        EXPECT_EQ(Extract(c.first, c.second), -1);
        std::string added = Log().substr(before.size());
        EXPECT_EQ(CountLines(added, "[ERROR]", "Invalid Argument\n"), 1) << added;
        EXPECT_EQ(CountLines(added, "[DEBUG]", "decompress from"), 0);

        Extractor x;
        x.SetSource(c.first.c_str());
        x.SetTarget(c.second.c_str());
        before = Log();
        EXPECT_EQ(x.Count(), -1);
        EXPECT_EQ(x.List(), -1);
        added = Log().substr(before.size());
        EXPECT_EQ(CountLines(added, "[ERROR]", "Invalid argument\n"), 2) << added;
    }
    EXPECT_TRUE(events_.empty());
    EXPECT_FALSE(Exists(path("t")));
    EXPECT_FALSE(Exists(path("a")));
}

// The whole package is read before anything is written.
TEST_F(ExtractorTest, DamagedHeaderAfterFiftyEntriesWritesNothing) {
    std::vector<ArchiveEntry> entries;
    for (int i = 0; i < 60; ++i) entries.push_back(File("f" + std::to_string(100 + i), "data"));
    std::string pkg = Package(entries, ArchiveFormat::kTar);
    // ustar: a 512-byte header and one 512-byte data record per small file,
    // so entry 51 starts at 50 KiB. Breaking its name breaks its checksum.
    std::string bytes = ReadFile(pkg);
    ASSERT_GT(bytes.size(), 50u * 1024 + 512);
    ASSERT_EQ(bytes.substr(50 * 1024, 4), "f150");
    bytes[50 * 1024] = 'g';
    WriteFile(pkg, bytes);

    EXPECT_EQ(Count(pkg), 50);
    EXPECT_EQ(Extract(pkg, path("t")), -1);
    EXPECT_EQ(progress_, (std::vector<std::pair<int, int>>{{0, 0}}));
    EXPECT_FALSE(Exists(path("t")));
    EXPECT_EQ(CountLines(Log(), "[ERROR]", "archive_read_next_header failed: '*'\n"), 1) << Log();
    EXPECT_EQ(CountLines(Log(), "[ERROR]", "Failed to calculate total file numbers, ret: -1\n"), 1);
}

// A damaged compressed stream is found by the first read, with the reader's
// own reason in the log, before anything is written.
TEST_F(ExtractorTest, DamagedGzipFailsWithTheReadersReason) {
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "line " + std::to_string(i) + "\n";
    std::string pkg = Package({File("a", text), File("b", "b")});
    std::string bytes = ReadFile(pkg);
    for (size_t i = bytes.size() / 3; i < bytes.size() / 3 + 64; ++i) bytes[i] = '\xff';
    WriteFile(pkg, bytes);
    PackageSummary summary;
    Extractor x;
    x.SetSource(pkg.c_str());
    x.SetTarget(path("t").c_str());
    EXPECT_EQ(x.Scan(&summary), -1);
    EXPECT_EQ(Extract(pkg, path("t")), -1);
    EXPECT_FALSE(Exists(path("t")));
    EXPECT_EQ(CountLines(Log(), "[ERROR]", "archive_read_data_block failed: '*'\n"), 2) << Log();
}

uint32_t Crc32(const std::string& data) {
    uint32_t c = 0xffffffffu;
    for (unsigned char byte : data) {
        c ^= byte;
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1u)));
    }
    return ~c;
}

std::string Le32(uint32_t v) {
    std::string out;
    for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i));
    return out;
}

// A RAR5 archive of folders and stored files, written from the published
// format, as libarchive can't write RAR5: each block is a CRC32, its size
// and its fields as 7-bit variable-length numbers.
std::string Rar5(const std::vector<ArchiveEntry>& entries) {
    const auto vint = [](uint64_t v) {
        std::string out;
        do {
            out += static_cast<char>((v & 0x7f) | (v > 0x7f ? 0x80 : 0));
            v >>= 7;
        } while (v != 0);
        return out;
    };
    const auto block = [&vint](const std::string& fields) {
        const std::string sized = vint(fields.size()) + fields;
        return Le32(Crc32(sized)) + sized;
    };
    std::string out("Rar!\x1a\x07\x01\x00", 8);
    out += block(vint(1) + vint(0) + vint(0));  // main header, no flags
    for (const ArchiveEntry& e : entries) {
        const bool dir = e.kind == ArchiveEntry::kDir;
        // File header: a data area (empty for a folder), then the folder
        // flag or the data's CRC32, the size, Unix mode, store method.
        out += block(vint(2) + vint(0x02) + vint(e.data.size()) + vint(dir ? 0x01 : 0x04) +
                     vint(e.data.size()) + vint(dir ? 040755 : 0100644) +
                     (dir ? "" : Le32(Crc32(e.data))) + vint(0) + vint(1) + vint(e.path.size()) +
                     e.path) +
               e.data;
    }
    return out + block(vint(5) + vint(0) + vint(0));  // end of archive
}

// Folders carry no data; RAR5's reader refuses even a read of none ("Can't
// decompress an entry marked as a directory"). The check reads data only
// where extraction does, and still every byte of it. (libarchive does not
// check the CRC32 of stored RAR5 data: a cut archive stands for damage.)
TEST_F(ExtractorTest, FoldersWithoutDataPassAndCutDataStillFails) {
    const std::string whole = Rar5({Dir("d"), File("d/f", "stored data"), Dir("e")});
    const std::string cut = whole.substr(0, whole.find("stored data") + 6);
    const struct {
        const char* name;
        std::string bytes;
        int result;
    } cases[] = {{"whole", whole, 0}, {"cut in the data", cut, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(path("t"));
        WriteFile(path("pkg.rar"), c.bytes);
        const std::string before = Log();
        EXPECT_EQ(Extract(path("pkg.rar"), path("t")), c.result);
        const std::string added = Log().substr(before.size());
        if (c.result == 0) {
            EXPECT_EQ(CountLines(added, "[ERROR]", ""), 0) << added;
            EXPECT_EQ(Count(path("pkg.rar")), 3);
            EXPECT_TRUE(IsDir(path("t/e")));
            EXPECT_EQ(ReadFile(path("t/d/f")), "stored data");
        } else {
            EXPECT_EQ(CountLines(added, "[ERROR]", "archive_read_data_block failed: '*'\n"), 1)
                << added;
            EXPECT_EQ(CountLines(added, "[ERROR]", "Failed to calculate total file numbers"), 1);
            EXPECT_FALSE(Exists(path("t")));
        }
    }
}

// A decoder that needs more memory than the reader may use fails the read,
// and the log says that the ceiling was reached, not only "Cannot allocate
// memory". The package itself is sound: a higher ceiling reads it.
TEST_F(ExtractorTest, DecoderBeyondTheMemoryCeilingSaysSo) {
    std::string bytes = ReadFile(Package({File("a", "a")}, ArchiveFormat::kTarXz));
    // After the 12-byte stream header, the block header: its size, no flags,
    // LZMA2 (0x21) with one property byte, the dictionary size; padding and
    // the header's CRC32. 36 declares a dictionary of 1 GiB.
    ASSERT_EQ(bytes.substr(12, 5), std::string("\x02\x00\x21\x01", 4) + bytes[16]);
    bytes[16] = 36;
    bytes.replace(20, 4, Le32(Crc32(bytes.substr(12, 8))));
    const std::string pkg = path("big-window.tar.xz");
    WriteFile(pkg, bytes);
    Extractor x;
    x.SetSource(pkg.c_str());
    x.SetTarget(path("t").c_str());
    x.SetMemoryCeiling(64 << 20);
    PackageSummary summary;
    EXPECT_EQ(x.Scan(&summary), -1);
    EXPECT_EQ(CountLines(Log(), "[ERROR]",
                         "reading '" + pkg +
                             "' needs more memory than the reader may use: its ceiling of 64 "
                             "MiB was reached\n"),
              1)
        << Log();
    x.SetMemoryCeiling(uint64_t{2} << 30);
    EXPECT_EQ(x.Scan(&summary), 0) << Log();
    EXPECT_EQ(summary.entries, 1);
}

// --- What may be written where ---------------------------------------------

TEST_F(ExtractorTest, DotDotEntriesAreRefusedAfterEarlierEntries) {
    const char* names[] = {"../evil", "sub/../../evil", "./../evil", "sub/.."};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        fs::remove_all(path("t"));
        progress_.clear();
        std::string before = Log();
        std::string pkg =
            Package({File("a", "a"), File("sub/b", "b"), File(name, "evil"), File("c", "c")});
        EXPECT_EQ(Extract(pkg, path("t")), -1);
        std::string added = Log().substr(before.size());
        EXPECT_EQ(CountLines(added, "[ERROR]", "archive_read_extract2 failed: '*'\n"), 1) << added;
        EXPECT_EQ(ReadFile(path("t/a")), "a");
        EXPECT_EQ(ReadFile(path("t/sub/b")), "b");
        EXPECT_FALSE(Exists(path("t/c")));
        EXPECT_FALSE(Exists(path("evil")));
    }
}

TEST_F(ExtractorTest, ExistingFilesAreReplacedNotWrittenThrough) {
    WriteFile(path("keep"), "keep");
    WriteFile(path("outside/secret"), "secret");
    ASSERT_TRUE(fs::create_directories(path("t")));
    WriteFile(path("t/plain"), "old plain");
    ASSERT_EQ(link(path("keep").c_str(), path("t/linked").c_str()), 0);
    ASSERT_EQ(symlink(path("outside/secret").c_str(), path("t/sym").c_str()), 0);

    std::string pkg =
        Package({File("plain", "new plain"), File("linked", "new linked"), File("sym", "new sym")});
    ASSERT_EQ(Extract(pkg, path("t")), 0) << Log();
    EXPECT_EQ(ReadFile(path("t/plain")), "new plain");
    EXPECT_EQ(ReadFile(path("t/linked")), "new linked");
    EXPECT_EQ(LStat(path("t/linked")).st_nlink, 1u);
    EXPECT_TRUE(IsRegular(path("t/sym")));
    EXPECT_EQ(ReadFile(path("t/sym")), "new sym");
    EXPECT_EQ(ReadFile(path("keep")), "keep");
    EXPECT_EQ(ReadFile(path("outside/secret")), "secret");
}

TEST_F(ExtractorTest, AbsoluteEntryNamesLandInsideTheTarget) {
    std::string inside = path("outside/abs");  // absolute, as the archive holds it
    std::string pkg = Package({File(inside, "abs"), Hardlink("abs-link", inside.substr(1))});
    ASSERT_EQ(Extract(pkg, path("t")), 0) << Log();
    EXPECT_EQ(ReadFile(path("t") + inside), "abs");
    EXPECT_EQ(LStat(path("t") + inside).st_ino, LStat(path("t/abs-link")).st_ino);
    EXPECT_FALSE(Exists(inside));
}

// Names the target folder itself ("", "/", "//", "."): a folder entry is a
// no-op, anything else would replace the folder and is refused. Names the
// locale can't represent and paths longer than PATH_MAX are written as stored.
TEST_F(ExtractorTest, OddNames) {
    const std::string deep = [] {
        std::string d;
        for (int i = 0; i < 20; ++i) d += std::string(250, static_cast<char>('a' + i)) + "/";
        return d;
    }();
    struct Case {
        const char* name;
        std::vector<ArchiveEntry> entries;
        int result;
        std::string written;  // a file the extraction must have made
    };
    const Case cases[] = {
        {"folder /", {Dir("/"), File("a", "a")}, 0, "a"},
        {"folder .", {Dir("."), Dir("./."), File("a", "a")}, 0, "a"},
        {"file .", {File("a", "a"), File(".", "x")}, -1, "a"},
        {"link .", {File("a", "a"), Symlink(".", "/")}, -1, "a"},
        {"non-ASCII under LANG=C",
         {File("\xc3\x9c"
               "bersicht.txt",
               "u")},
         0,
         "\xc3\x9c"
         "bersicht.txt"},
        {"deeper than PATH_MAX", {File(deep + "f", "deep")}, 0, deep + "f"},
    };
    const std::string locale = setlocale(LC_CTYPE, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(path("t"));
        ASSERT_TRUE(fs::create_directories(path("t")));
        // Stored as UTF-8 (pax), read where the locale's charset is ASCII.
        ASSERT_NE(setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
        std::string pkg = Package(c.entries);
        setlocale(LC_CTYPE, "C");
        std::string before = Log();
        EXPECT_EQ(Extract(pkg, path("t")), c.result) << Log().substr(before.size());
        setlocale(LC_CTYPE, locale.c_str());
        EXPECT_TRUE(IsDir(path("t")));
        if (!c.written.empty()) {
            EXPECT_TRUE(IsRegularAt(path("t/") + c.written));
        }
        if (c.result != 0) {
            EXPECT_EQ(CountLines(Log().substr(before.size()), "[ERROR]",
                                 "entry '*' names the target folder itself\n"),
                      1);
        }
    }
    fs::path p(path("t"));
    for (int i = 0; i < 20; ++i) p /= std::string(250, static_cast<char>('a' + i));
    EXPECT_GT(p.string().size(), static_cast<size_t>(PATH_MAX));
}

class ExtractorHardlinkTest : public ExtractorTest,
                              public ::testing::WithParamInterface<ArchiveFormat> {};

// Decoys named like the package's folders sit in the working folder: a hard
// link resolved against it would reach (or remove) them.
TEST_P(ExtractorHardlinkTest, HardLinksStayInsideTargetWhateverTheWorkingFolder) {
    WriteFile(path("watched/tool"), "decoy");
    ASSERT_TRUE(fs::create_directories(path("watched/lib")));
    ASSERT_EQ(symlink(path("watched").c_str(), path("bin").c_str()), 0);
    ASSERT_EQ(symlink("watched/lib", path("lib").c_str()), 0);
    ASSERT_TRUE(fs::create_directories(path("ro")));
    const std::set<std::string> watched_before = Tree(path("watched"));

    // The mode of a read-only folder is set once the writer closes, by the
    // folder's name within the archive.
    std::string pkg =
        Package({Dir("bin"), File("bin/tool", "tool\n"), Hardlink("bin/tool2", "bin/tool"),
                 Dir("lib"), File("lib/libx", "libx\n"), Hardlink("libx-copy", "lib/libx"),
                 Hardlink("lib/libx.again", "./lib/libx"), Dir("ro", 0555), File("ro/f", "f")},
                GetParam());
    ASSERT_EQ(Extract(pkg, path("app")), 0) << Log();
    EXPECT_EQ(LStat(path("app/ro")).st_mode & 07777, 0555u);
    EXPECT_EQ(LStat(path("ro")).st_mode & 07777, 0755u);

    struct stat tool = LStat(path("app/bin/tool"));
    ASSERT_TRUE(S_ISREG(tool.st_mode));
    EXPECT_EQ(LStat(path("app/bin/tool2")).st_ino, tool.st_ino);
    EXPECT_EQ(tool.st_nlink, 2u);
    struct stat libx = LStat(path("app/lib/libx"));
    EXPECT_EQ(LStat(path("app/libx-copy")).st_ino, libx.st_ino);
    EXPECT_EQ(LStat(path("app/lib/libx.again")).st_ino, libx.st_ino);
    EXPECT_EQ(ReadFile(path("app/bin/tool2")), "tool\n");

    EXPECT_EQ(LinkBody(path("bin")), path("watched"));
    EXPECT_EQ(LinkBody(path("lib")), "watched/lib");
    EXPECT_EQ(Tree(path("watched")), watched_before);
    EXPECT_EQ(ReadFile(path("watched/tool")), "decoy");
    EXPECT_EQ(LStat(path("watched/tool")).st_nlink, 1u);
}

TEST_P(ExtractorHardlinkTest, HardLinkTargetsLeadingOutAreRefused) {
    struct Case {
        const char* name;
        std::vector<ArchiveEntry> entries;
        bool ours;  // refused by our own guard rather than by libarchive's checks
    };
    // The working folder is the sandbox, so "outside/secret" exists relative
    // to it but not in any of these packages.
    const Case cases[] = {
        {"absolute", {Hardlink("h", path("outside/secret"))}, true},
        {"working-folder relative", {Hardlink("h", "outside/secret")}, false},
        {"dot-dot", {Hardlink("h", "../outside/secret")}, true},
        {"dot-dot inside", {Dir("sub"), Hardlink("h", "sub/../../outside/secret")}, true},
        {"through a package link",
         {Symlink("d", path("outside")), Hardlink("h", "d/secret")},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(path("t"));
        fs::remove_all(path("outside"));
        WriteFile(path("outside/secret"), "secret");
        std::vector<ArchiveEntry> entries = {File("first", "first")};
        entries.insert(entries.end(), c.entries.begin(), c.entries.end());
        std::string pkg = Package(entries, GetParam());
        std::string before = Log();

        EXPECT_EQ(Extract(pkg, path("t")), -1);
        std::string added = Log().substr(before.size());
        EXPECT_EQ(CountLines(added, "[ERROR]", "archive_read_extract2 failed: '*'\n"), !c.ours)
            << added;
        EXPECT_EQ(CountLines(added, "[ERROR]", "hard-link target '*' leads out of the folder\n"),
                  c.ours)
            << added;
        EXPECT_EQ(ReadFile(path("t/first")), "first");
        EXPECT_FALSE(Exists(path("t/h")));
        EXPECT_EQ(LStat(path("outside/secret")).st_nlink, 1u);
        EXPECT_EQ(ReadFile(path("outside/secret")), "secret");
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, ExtractorHardlinkTest,
                         ::testing::Values(ArchiveFormat::kTar, ArchiveFormat::kTarGz,
                                           ArchiveFormat::kTarXz, ArchiveFormat::kTarBz2),
                         [](const ::testing::TestParamInfo<ArchiveFormat>& info) {
                             return std::string(FormatName(info.param));
                         });

// A package that first plants a link and then writes "through" it must not
// reach the link's destination: it may replace the link or fail, nothing else.
TEST_F(ExtractorTest, NothingIsWrittenThroughPlantedSymlinks) {
    struct Case {
        const char* name;
        std::vector<ArchiveEntry> entries;
    };
    const Case cases[] = {
        {"absolute folder link", {Symlink("d", path("outside")), File("d/x", "x")}},
        {"relative folder link", {Symlink("d", "../outside"), File("d/x", "x")}},
        {"nested link", {Dir("s"), Symlink("s/up", "../../outside"), File("s/up/x", "x")}},
        {"link then folder", {Symlink("d", path("outside")), Dir("d"), File("d/x", "x")}},
        {"file link", {Symlink("f", path("outside/secret")), File("f", "x")}},
        {"hard link to link",
         {Symlink("f", path("outside/secret")), Hardlink("g", "f"), File("g", "x")}},
    };
    for (ArchiveFormat format : {ArchiveFormat::kTarGz, ArchiveFormat::kZip}) {
        for (const Case& c : cases) {
            bool has_hardlink = false;
            for (const ArchiveEntry& e : c.entries)
                has_hardlink |= e.kind == ArchiveEntry::kHardlink;
            if (format == ArchiveFormat::kZip && has_hardlink) continue;
            SCOPED_TRACE(std::string(c.name) + " in " + FormatName(format));
            fs::remove_all(path("t"));
            fs::remove_all(path("outside"));
            WriteFile(path("outside/secret"), "secret");
            std::string pkg = Package(c.entries, format);

            int r = Extract(pkg, path("t"));
            EXPECT_TRUE(r == 0 || r == -1);
            EXPECT_EQ(Tree(path("outside")), std::set<std::string>{"secret"});
            EXPECT_EQ(ReadFile(path("outside/secret")), "secret");
            EXPECT_EQ(LStat(path("outside/secret")).st_nlink, 1u);
            if (r == 0) {
                // The last entry was written, so it is a plain file in a
                // real folder of the target.
                std::string last = path("t/") + c.entries.back().path;
                EXPECT_TRUE(IsRegular(last));
                EXPECT_TRUE(IsDir(fs::path(last).parent_path().string()));
                EXPECT_EQ(ReadFile(last), "x");
            }
        }
    }
}

TEST_F(ExtractorTest, TargetReachedThroughSymlinkWorksAndKeepsTheLink) {
    ASSERT_TRUE(fs::create_directories(path("real/home")));
    ASSERT_EQ(symlink("real/home", path("homelink").c_str()), 0);
    ASSERT_EQ(symlink(path("homelink").c_str(), path("home2").c_str()), 0);
    std::string pkg = Package({Dir("bin"), File("bin/nimbra-backup-ui", "ui"),
                               Hardlink("bin/ui2", "bin/nimbra-backup-ui"), Symlink("lib", "bin")});
    struct Case {
        std::string target;  // as the caller names it
        std::string real;    // where the files must land
        bool create;         // make the target folder first, as the service does
    };
    const Case cases[] = {
        {path("homelink/.NimbraBackup/Nimbra.app"), path("real/home/.NimbraBackup/Nimbra.app"),
         true},
        {path("home2/.NimbraBackup/Fresh.app"), path("real/home/.NimbraBackup/Fresh.app"), false},
        {"rel/app", path("rel/app"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        if (c.create) {
            ASSERT_TRUE(fs::create_directories(c.target));
        }
        ASSERT_EQ(Extract(pkg, c.target), 0) << Log();
        EXPECT_EQ(ReadFile(c.real + "/bin/nimbra-backup-ui"), "ui");
        EXPECT_EQ(LStat(c.real + "/bin/ui2").st_ino,
                  LStat(c.real + "/bin/nimbra-backup-ui").st_ino);
        EXPECT_EQ(LinkBody(c.real + "/lib"), "bin");
    }
    EXPECT_EQ(LinkBody(path("homelink")), "real/home");
    EXPECT_EQ(LinkBody(path("home2")), path("homelink"));
    // Entries are written from inside the target: a relative source still
    // names a file of the caller's working folder.
    ASSERT_EQ(Extract(fs::relative(pkg).string(), "rel/other"), 0) << Log();
    EXPECT_EQ(ReadFile(path("rel/other/bin/nimbra-backup-ui")), "ui");
    EXPECT_EQ(fs::current_path(), fs::path(path("")).parent_path());
}

}  // namespace
