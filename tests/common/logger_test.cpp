#include <fcntl.h>
#include <gtest/gtest.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "log.h"
#include "logger_fixture.h"
#include "status.h"

namespace {

using nimbra_test::Exists;
using nimbra_test::FdCapture;
using nimbra_test::HasStamp;
using nimbra_test::kStampLength;
using nimbra_test::ReadFile;
using nimbra_test::WriteFile;

const long kLimit = 1048576;

std::string StampAt(time_t t) {
    char buf[64];
    struct tm tm;
    localtime_r(&t, &tm);
    strftime(buf, sizeof(buf), "%b %d %H:%M:%S ", &tm);
    return buf;
}

// Splits records of the shape stamp + "%06d " + payload + "\n" and returns
// their sequence numbers; fails the test on any other shape.
std::vector<int> Sequences(const std::string& text, size_t payload) {
    const size_t record = kStampLength + 7 + payload + 1;
    std::vector<int> seqs;
    EXPECT_EQ(text.size() % record, 0u) << "a record is cut";
    for (size_t at = 0; at + record <= text.size(); at += record) {
        std::string r = text.substr(at, record);
        EXPECT_TRUE(HasStamp(r));
        EXPECT_EQ(r.back(), '\n');
        seqs.push_back(std::stoi(r.substr(kStampLength, 6)));
    }
    return seqs;
}

class LoggerFileTest : public nimbra_test::LoggerTest {
protected:
    // Logs one record of exactly `bytes` bytes, stamp included.
    void LogRecordOfSize(long bytes) {
        std::string body(bytes - kStampLength - 1, 'r');
        Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "%s\n", body.c_str());
    }
    void LogNumbered(int seq, const std::string& payload) {
        Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "%06d %s\n", seq, payload.c_str());
    }
};

struct ThresholdCase {
    const char* name;
    const char* level_file;  // null: no level file
    const char* comp;
    int threshold;  // highest level written; -1 for none
};

TEST_F(LoggerFileTest, ThresholdsFromTheLevelFile) {
    const std::vector<ThresholdCase> cases = {
        {"no level file", nullptr, "service_debug", 4},
        {"level file that does not exist", "", "service_debug", 4},
        {"all levels for one component", "service_debug=7\n", "service_debug", 7},
        {"other components keep the fallback", "service_debug=7\n", "extractor_debug", 4},
        {"names are case-sensitive", "Service_debug=7\n", "service_debug", 4},
        {"not a number", "service_debug=abc\n", "service_debug", 0},
        {"minus one silences", "service_debug=-1\n", "service_debug", -1},
        {"above 7 acts as 7", "service_debug=9\n", "service_debug", 7},
        {"overflow saturates", "service_debug=99999999999\n", "service_debug", 7},
        {"leading digits count", "service_debug=5x\n", "service_debug", 5},
        {"sign accepted", "service_debug='+6'\n", "service_debug", 6},
        {"lower threshold", "# comment\n\nservice_debug = 3 # errors only\n", "service_debug", 3},
        {"one malformed line sets nothing", "service_debug=7\nlauncher_debug 7\n", "service_debug",
         4},
        {"default_component is not the fallback", "default_component=7\n", "launcher_debug", 4},
        {"default_component itself", "default_component=7\n", "default_component", 7},
    };
    for (const ThresholdCase& c : cases) {
        SCOPED_TRACE(c.name);
        nimbra_test::ResetLogger(dir());
        unlink(logPath().c_str());
        std::string content = c.level_file != nullptr ? c.level_file : "";
        if (c.level_file != nullptr && content.empty()) {
            // A level path is given but names nothing that exists.
            ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, ustring(logPath().c_str()),
                                         ustring(path("absent.debug").c_str()), 50),
                      0);
        } else {
            ASSERT_EQ(InitFileLogger(c.level_file != nullptr ? &content : nullptr), 0);
        }
        for (int level = Logger::L_EMERG; level <= Logger::L_DEBUG; ++level) {
            Logger::LogMsg(static_cast<Logger::Level>(level), ustring(c.comp), "L%d\n", level);
        }
        std::string written = ReadFile(logPath());
        for (int level = Logger::L_EMERG; level <= Logger::L_DEBUG; ++level) {
            bool present = written.find("L" + std::to_string(level) + "\n") != std::string::npos;
            EXPECT_EQ(present, level <= c.threshold) << "level " << level;
        }
    }
}

TEST_F(LoggerFileTest, RecordIsStampAndMessageOnly) {
    ASSERT_EQ(InitFileLogger(nullptr), 0);
    time_t before = time(nullptr);
    Logger::LogMsg(Logger::L_ERR, ustring("extractor_debug"),
                   "[ERROR] extractor(%d): Invalid Argument\n", 150);
    // A format without a line end continues on the same line.
    Logger::LogMsg(Logger::L_WARNING, ustring("extractor_debug"), "part-%c", 'a');
    Logger::LogMsg(Logger::L_WARNING, ustring("extractor_debug"), "part-%s\n", "b");
    time_t after = time(nullptr);

    std::string text = ReadFile(logPath());
    auto stamp_ok = [&](size_t at) {
        std::string s = text.substr(at, kStampLength);
        for (time_t t = before; t <= after; ++t) {
            if (s == StampAt(t)) return true;
        }
        return false;
    };
    const std::string first = "[ERROR] extractor(150): Invalid Argument\n";
    ASSERT_EQ(text.size(), 3 * kStampLength + first.size() + 6 + 7);
    EXPECT_TRUE(stamp_ok(0));
    EXPECT_EQ(text.substr(kStampLength, first.size()), first);
    size_t second = kStampLength + first.size();
    EXPECT_TRUE(stamp_ok(second));
    EXPECT_EQ(text.substr(second + kStampLength, 6), "part-a");
    EXPECT_TRUE(stamp_ok(second + kStampLength + 6));
    EXPECT_EQ(text.substr(text.size() - 7), "part-b\n");
}

namespace {
const char kLogComponent[] = "extractor_debug";
const char kLogSource[] = "linux/extractor";
}  // namespace

// The record macros spell the prefix a hand-written call would, and a
// failure logged before its errno is reported keeps that errno.
TEST_F(LoggerFileTest, RecordMacroWritesThePrefixAndKeepsErrno) {
    ASSERT_EQ(InitFileLogger(nullptr), 0);
    errno = ENOSPC;
    const int line = __LINE__ + 1;
    NLOG_ERROR("cannot write '%s'\n", "a b");
    EXPECT_EQ(errno, ENOSPC);
    NLOG_WARNING("no argument\n");
    NLOG_NOTE("below the threshold\n");
    const std::string text = ReadFile(logPath());
    const std::string first =
        "[ERROR] linux/extractor(" + std::to_string(line) + "): cannot write 'a b'\n";
    EXPECT_EQ(text.substr(kStampLength, first.size()), first);
    const size_t second = kStampLength + first.size() + kStampLength;
    EXPECT_EQ(text.substr(second, 26), "[WARNING] linux/extractor(");
    EXPECT_EQ(text.substr(text.size() - 15), "): no argument\n");
    EXPECT_EQ(text.find("below"), std::string::npos);

    // A write that fails sets errno inside the logger.
    ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, ustring("/dev/full"), ustring(""), 2), 0);
    errno = EACCES;
    NLOG_ERROR("on a full disk\n");
    EXPECT_EQ(errno, EACCES);
}

// A failure without an errno still fails, and the first failure is the one
// reported.
TEST(StatusTest, KeepsTheFirstFailure) {
    Status status;
    EXPECT_TRUE(status.ok());
    EXPECT_EQ(status.ToString(), "");
    status.Update(Status::Failed("open 'x'", 0));  // no errno still fails
    status.Update(Status::Failed("rename 'x'", ENOSPC));
    EXPECT_EQ(status.err(), EIO);
    EXPECT_EQ(status.ToString(), "open 'x': Input/output error");
    EXPECT_EQ(Status::Failed("stat", "/a b", ENOENT).ToString(),
              "stat '/a b': No such file or directory");
}

// The stamp is formatted once per second: each record of a new second, and
// of a zone set meanwhile, still carries its own local time. The expected
// stamps come from the zones' offsets, so that only the logger reads TZ.
TEST_F(LoggerFileTest, StampFollowsTheSecondAndTheZone) {
    ASSERT_EQ(InitFileLogger(nullptr), 0);
    const char* old_tz = getenv("TZ");
    const std::string saved = old_tz != nullptr ? old_tz : "";
    const struct {
        const char* tz;
        long offset;
    } zones[] = {{"UTC0", 0}, {"<+0530>-5:30", 19800}, {"<-03>3", -10800}};
    auto stamp_at = [](time_t t) {
        char buf[64];
        struct tm tm;
        gmtime_r(&t, &tm);
        strftime(buf, sizeof(buf), "%b %d %H:%M:%S ", &tm);
        return std::string(buf);
    };
    size_t at = 0;
    for (const auto& zone : zones) {
        SCOPED_TRACE(zone.tz);
        setenv("TZ", zone.tz, 1);
        // Wait for the next second: the stamp of the last one is cached.
        const time_t start = time(nullptr);
        while (time(nullptr) == start) usleep(2000);
        const time_t before = time(nullptr);
        Logger::LogMsg(Logger::L_ERR, ustring("extractor_debug"), "%s\n", zone.tz);
        const time_t after = time(nullptr);

        const std::string text = ReadFile(logPath());
        ASSERT_EQ(text.size(), at + kStampLength + strlen(zone.tz) + 1);
        const std::string stamp = text.substr(at, kStampLength);
        bool matched = false;
        for (time_t t = before; t <= after; ++t) {
            matched = matched || stamp == stamp_at(t + zone.offset);
        }
        EXPECT_TRUE(matched) << stamp;
        at = text.size();
    }
    if (old_tz != nullptr) {
        setenv("TZ", saved.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

TEST_F(LoggerFileTest, RecordThatCrossesTheLimitStaysInTheOldFile) {
    ASSERT_EQ(InitFileLogger(nullptr), 0);
    // Exactly 1 MiB does not rotate.
    for (int i = 0; i < 16; ++i) LogRecordOfSize(kLimit / 16);
    EXPECT_FALSE(Exists(rotated(0)));
    EXPECT_EQ(ReadFile(logPath()).size(), static_cast<size_t>(kLimit));

    Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "tail\n");
    std::string old = ReadFile(rotated(0));
    EXPECT_EQ(old.size(), kLimit + kStampLength + 5);
    EXPECT_EQ(old.substr(old.size() - 5), "tail\n");
    ASSERT_TRUE(Exists(logPath()));
    EXPECT_EQ(ReadFile(logPath()), "");

    // The count starts again from zero for the new file.
    Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "next\n");
    EXPECT_EQ(ReadFile(logPath()).substr(kStampLength), "next\n");
}

TEST_F(LoggerFileTest, OlderTextInTheFileDoesNotCountTowardsTheLimit) {
    const std::string earlier(900 * 1024, 'o');
    WriteFile(logPath(), earlier);
    ASSERT_EQ(InitFileLogger(nullptr), 0);
    for (int i = 0; i < 16; ++i) LogRecordOfSize(kLimit / 16);
    EXPECT_FALSE(Exists(rotated(0)));

    LogRecordOfSize(100);
    ASSERT_TRUE(Exists(rotated(0)));
    std::string old = ReadFile(rotated(0));
    EXPECT_EQ(old.size(), earlier.size() + kLimit + 100);
    EXPECT_EQ(old.compare(0, earlier.size(), earlier), 0);
}

TEST_F(LoggerFileTest, SixtyRotationsKeepTheNewestFortyNineFiles) {
    ASSERT_EQ(InitFileLogger(nullptr, 50), 0);
    const std::string payload(100000, 'p');
    const long record = kStampLength + 7 + payload.size() + 1;
    const int per_file = kLimit / record + 1;  // the record that crosses rotates
    int seq = 0;
    for (int rotation = 0; rotation < 60; ++rotation) {
        for (int i = 0; i < per_file; ++i) LogNumbered(seq++, payload);
    }
    LogNumbered(seq, payload);

    std::vector<std::string> expected = {"launcher.log"};
    for (int i = 0; i <= 48; ++i) expected.push_back("launcher.log_" + std::to_string(i));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(LogFolderEntries(), expected);

    EXPECT_EQ(Sequences(ReadFile(logPath()), payload.size()), std::vector<int>{seq});
    // File i holds the records of the (i + 1)-th most recent rotation.
    for (int i = 0; i <= 48; ++i) {
        SCOPED_TRACE("file " + std::to_string(i));
        std::vector<int> want;
        for (int k = 0; k < per_file; ++k) want.push_back((59 - i) * per_file + k);
        EXPECT_EQ(Sequences(ReadFile(rotated(i)), payload.size()), want);
    }
}

TEST_F(LoggerFileTest, SmallRotationCountsKeepOneOlderFileAtLeast) {
    const struct {
        int count;
        std::vector<std::string> files;
    } cases[] = {
        {0, {"launcher.log", "launcher.log_0"}},
        {1, {"launcher.log", "launcher.log_0"}},
        {2, {"launcher.log", "launcher.log_0"}},
        {3, {"launcher.log", "launcher.log_0", "launcher.log_1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("count " + std::to_string(c.count));
        nimbra_test::ResetLogger(dir());
        for (const std::string& name : LogFolderEntries()) unlink(path("log/" + name).c_str());
        ASSERT_EQ(InitFileLogger(nullptr, c.count), 0);
        for (int rotation = 0; rotation < 3; ++rotation) {
            for (int i = 0; i < 16; ++i) LogRecordOfSize(kLimit / 16);
            Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "end of %d\n", rotation);
        }
        EXPECT_EQ(LogFolderEntries(), c.files);
        std::string newest = ReadFile(rotated(0));
        EXPECT_EQ(newest.substr(newest.size() - 9), "end of 2\n");
        if (c.files.size() == 3) {
            std::string older = ReadFile(rotated(1));
            EXPECT_EQ(older.substr(older.size() - 9), "end of 1\n");
        }
    }
}

// The launcher starts the client with the log file open; the client must
// not inherit it, neither the first stream nor one reopened by rotation.
TEST_F(LoggerFileTest, LogFileIsCloseOnExec) {
    auto open_flags = [&]() {
        std::vector<int> flags;
        for (const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) {
            std::error_code ec;
            if (std::filesystem::read_symlink(e.path(), ec).string() == logPath()) {
                flags.push_back(fcntl(std::stoi(e.path().filename().string()), F_GETFD));
            }
        }
        return flags;
    };
    ASSERT_EQ(InitFileLogger(nullptr), 0);
    std::vector<int> flags = open_flags();
    ASSERT_EQ(flags.size(), 1u);
    EXPECT_TRUE(flags[0] & FD_CLOEXEC);

    for (int i = 0; i < 17; ++i) LogRecordOfSize(kLimit / 16);
    ASSERT_TRUE(Exists(rotated(0)));
    flags = open_flags();
    ASSERT_EQ(flags.size(), 1u);
    EXPECT_TRUE(flags[0] & FD_CLOEXEC);
}

// When the live file vanished the rotation fails; from then on nothing is
// written, and nothing may touch the closed stream.
TEST_F(LoggerFileTest, FailedRotationDropsLaterMessages) {
    ASSERT_EQ(InitFileLogger(nullptr), 0);
    for (int i = 0; i < 16; ++i) LogRecordOfSize(kLimit / 16);
    ASSERT_EQ(unlink(logPath().c_str()), 0);
    Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "crosses\n");
    FdCapture err(2, path("stderr.txt"));
    FdCapture out(1, path("stdout.txt"));
    for (int i = 0; i < 3; ++i) {
        Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "after %d\n", i);
    }
    EXPECT_EQ(out.Finish(), "");
    EXPECT_EQ(err.Finish(), "");
    EXPECT_TRUE(LogFolderEntries().empty());
}

// The log lives on the disk (or quota) that a failing extraction fills: a
// record that can't be written is kept and written before the next one,
// once the rollback has freed the space.
TEST_F(LoggerFileTest, RecordsWrittenOnAFullDiskArriveOnceThereIsRoom) {
    nimbra_test::TmpfsMount disk(path("log"), 64);
    if (!disk.ok()) GTEST_SKIP() << "cannot mount a small disk: " << disk.error();
    ASSERT_EQ(InitFileLogger(nullptr), 0);
    const std::string ballast = path("log/ballast");
    const int fd = open(ballast.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    const std::string block(4096, 'b');
    while (write(fd, block.data(), block.size()) > 0) {
    }
    close(fd);
    Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "the reason %d\n", 1);
    Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "the reason %d\n", 2);
    ASSERT_EQ(unlink(ballast.c_str()), 0);
    Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "after the rollback\n");
    const std::string text = ReadFile(logPath());
    const size_t one = text.find("the reason 1\n");
    const size_t two = text.find("the reason 2\n");
    const size_t after = text.find("after the rollback\n");
    ASSERT_NE(one, std::string::npos) << text;
    EXPECT_LT(one, two);
    EXPECT_LT(two, after);
    EXPECT_NE(after, std::string::npos) << text;
    EXPECT_EQ(text.find("the reason 1\n", one + 1), std::string::npos) << "written twice";
    Logger::Destroy();
}

TEST_F(LoggerFileTest, FailedInitializeDropsMessages) {
    const std::string bad_paths[] = {"", path("no-such-folder/launcher.log")};
    for (const std::string& bad : bad_paths) {
        SCOPED_TRACE(bad);
        // Start from a standard stream, which must not be written to after
        // the failure either.
        ASSERT_EQ(Logger::Initialize(Logger::STDOUT_LOGGER, ustring(), ustring(), 50), 0);
        EXPECT_EQ(Logger::Initialize(Logger::FILE_LOGGER, ustring(bad.c_str()), ustring(), 50), -1);
        FdCapture err(2, path("stderr.txt"));
        FdCapture out(1, path("stdout.txt"));
        Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "dropped\n");
        EXPECT_EQ(out.Finish(), "");
        EXPECT_EQ(err.Finish(), "");
        EXPECT_FALSE(Exists(path("no-such-folder")));
    }
    // A later Initialize works again.
    ASSERT_EQ(InitFileLogger(nullptr), 0);
    Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "back\n");
    EXPECT_EQ(ReadFile(logPath()).substr(kStampLength), "back\n");
}

TEST_F(LoggerFileTest, DestroyDropsMessagesUntilInitialize) {
    ASSERT_EQ(InitFileLogger(nullptr), 0);
    Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "one\n");
    Logger::Destroy();
    FdCapture err(2, path("stderr.txt"));
    FdCapture out(1, path("stdout.txt"));
    Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "two\n");
    EXPECT_EQ(out.Finish(), "");
    EXPECT_EQ(err.Finish(), "");
    EXPECT_EQ(ReadFile(logPath()).substr(kStampLength), "one\n");

    ASSERT_EQ(InitFileLogger(nullptr), 0);
    Logger::LogMsg(Logger::L_ERR, ustring("service_debug"), "three\n");
    std::string text = ReadFile(logPath());
    EXPECT_EQ(text.substr(text.size() - 6), "three\n");
    EXPECT_EQ(text.find("two"), std::string::npos);
}

TEST_F(LoggerFileTest, StandardStreamDestinations) {
    const struct {
        Logger::Type type;
        int fd;
        bool stamped;
    } cases[] = {
        {Logger::STDOUT_LOGGER, 1, true},
        {Logger::STDERR_LOGGER, 2, true},
        {Logger::ANDROID_LOGGER, 2, false},  // message only, on standard error
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        ASSERT_EQ(Logger::Initialize(c.type, ustring(logPath().c_str()), ustring(), 50), 0);
        FdCapture cap(c.fd, path("captured.txt"));
        Logger::LogMsg(Logger::L_WARNING, ustring("service_debug"), "[WARNING] x(%d): w\n", 1);
        Logger::LogMsg(Logger::L_INFO, ustring("service_debug"), "[INFO] x(%d): i\n", 2);
        std::string text = cap.Finish();
        if (c.stamped) {
            EXPECT_TRUE(HasStamp(text));
            EXPECT_EQ(text.substr(kStampLength), "[WARNING] x(1): w\n");
        } else {
            EXPECT_EQ(text, "[WARNING] x(1): w\n");
        }
    }
    // None of these counts or writes the file.
    EXPECT_EQ(ReadFile(logPath()), "");
}

void CallLogMSG_c(int level, const char* comp, const char* fmt, ...)
    __attribute__((format(printf, 3, 4)));
void CallLogMSG_c(int level, const char* comp, const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string name(comp);
    LogMSG_c(level, &name[0], fmt, args);
    va_end(args);
}

TEST_F(LoggerFileTest, PlainStringEntryUsesTheComponentsThreshold) {
    std::string levels = "service_debug=7\n";
    ASSERT_EQ(InitFileLogger(&levels), 0);
    CallLogMSG_c(Logger::L_DEBUG, "service_debug", "[DEBUG] a(%d): shown\n", 1);
    CallLogMSG_c(Logger::L_DEBUG, "extractor_debug", "[DEBUG] a(%d): hidden\n", 2);
    CallLogMSG_c(Logger::L_ERR, "extractor_debug", "[ERROR] a(%d): shown\n", 3);
    std::string text = ReadFile(logPath());
    EXPECT_NE(text.find("a(1): shown"), std::string::npos);
    EXPECT_EQ(text.find("hidden"), std::string::npos);
    EXPECT_NE(text.find("a(3): shown"), std::string::npos);
}

}  // namespace
