// Several threads at once through the logger and the name generator.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "log.h"
#include "logger_fixture.h"
#include "tmp_name_gen.h"

namespace {

using nimbra_test::HasStamp;
using nimbra_test::kStampLength;
using nimbra_test::ReadFile;

// Runs body(t) on n threads released together.
template <typename Body>
void RunTogether(int n, Body body) {
    std::atomic<bool> go(false);
    std::vector<std::thread> threads;
    for (int t = 0; t < n; ++t) {
        threads.emplace_back([&go, &body, t] {
            while (!go.load()) std::this_thread::yield();
            body(t);
        });
    }
    go.store(true);
    for (std::thread& th : threads) th.join();
}

class LoggerThreadsTest : public nimbra_test::LoggerTest {};

// Records of all threads must come out whole, each exactly once, each
// thread's in its own order, across every rotation that happens meanwhile.
TEST_F(LoggerThreadsTest, ConcurrentWritersAcrossRotations) {
    ASSERT_EQ(InitFileLogger(nullptr, 50), 0);
    const int kThreads = 8;
    const int kRecords = 1500;
    const size_t kPayload = 300;
    RunTogether(kThreads, [&](int t) {
        const std::string payload(kPayload, static_cast<char>('a' + t));
        for (int r = 0; r < kRecords; ++r) {
            Logger::LogMsg(Logger::L_ERR, ustring("thread_debug"), "T%d R%05d %s\n", t, r,
                           payload.c_str());
        }
    });

    // Oldest file first, the live file last.
    std::vector<std::string> files;
    for (int i = 48; i >= 0; --i) {
        if (nimbra_test::Exists(rotated(i))) files.push_back(rotated(i));
    }
    files.push_back(logPath());
    const size_t record = kStampLength + 10 + kPayload + 1;
    const size_t total = record * kThreads * kRecords;
    ASSERT_GE(files.size(), 1 + total / (1048576 + record)) << "no rotation happened";

    std::vector<int> next(kThreads, 0);
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        std::string text = ReadFile(file);
        ASSERT_EQ(text.size() % record, 0u) << "a record is cut or mixed";
        for (size_t at = 0; at < text.size(); at += record) {
            std::string r = text.substr(at, record);
            ASSERT_TRUE(HasStamp(r)) << r.substr(0, 40);
            int t = -1, seq = -1;
            ASSERT_EQ(sscanf(r.c_str() + kStampLength, "T%d R%d ", &t, &seq), 2);
            ASSERT_TRUE(t >= 0 && t < kThreads);
            ASSERT_EQ(seq, next[t]) << "thread " << t << " lost or repeated a record";
            ++next[t];
            const std::string payload(kPayload, static_cast<char>('a' + t));
            ASSERT_EQ(r.substr(kStampLength + 10), payload + "\n");
        }
    }
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(next[t], kRecords) << "thread " << t;
}

// Each name takes its six keystream bytes in one piece: the names drawn by
// several threads are exactly those one thread draws in sequence.
TEST(TmpNameGenThreadsTest, NamesAreNeverBuiltFromInterleavedBytes) {
    TmpNameGen& gen = TmpNameGen::getInstance();
    unsigned char key[256] = {0};
    snprintf(reinterpret_cast<char*>(key), sizeof(key), "%s", "1700000000-123456");
    const int kThreads = 6;
    const int kNames = 5000;

    gen.rekey(key);
    std::vector<std::string> sequential;
    for (int i = 0; i < kThreads * kNames; ++i) sequential.push_back(gen.getTmpName().c_str());

    gen.rekey(key);
    std::vector<std::vector<std::string>> drawn(kThreads);
    RunTogether(kThreads, [&](int t) {
        for (int i = 0; i < kNames; ++i) drawn[t].push_back(gen.getTmpName().c_str());
    });

    // Each thread's names keep the order of the sequence.
    std::map<std::string, int> position;
    for (size_t i = 0; i < sequential.size(); ++i) position[sequential[i]] = static_cast<int>(i);
    std::vector<std::string> all;
    for (const auto& names : drawn) {
        int last = -1;
        for (const std::string& n : names) {
            auto it = position.find(n);
            ASSERT_NE(it, position.end()) << n << " is not in the keystream's sequence";
            EXPECT_GT(it->second, last);
            last = it->second;
        }
        all.insert(all.end(), names.begin(), names.end());
    }
    std::sort(all.begin(), all.end());
    std::sort(sequential.begin(), sequential.end());
    EXPECT_EQ(all, sequential);
}

}  // namespace
