// Micro-benchmarks of the common library, each beside the plain C library
// doing the same work:
//   Logger/passing   a record that is written (stamp, message, flush) to a
//                    file logger, against fprintf + fflush of the same line;
//   Logger/filtered  a record below its component's threshold.
// The files go to $NIMBRA_BENCH_DIR (the working folder when unset). Run
// with --benchmark_enable_random_interleaving so that the two sides of a
// comparison alternate.
#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "log.h"

namespace {

// The component name reaches LogMsg as the call sites pass it: a literal
// that becomes a ustring on every call.
const char kComponent[] = "extractor_debug";

std::string BenchDir() {
    const char* dir = std::getenv("NIMBRA_BENCH_DIR");
    return dir != nullptr && *dir != '\0' ? dir : ".";
}

// A record as the extractor writes them, of the usual length.
#define RECORD_FORMAT "[ERROR] extractor(%d): Failed to write entry '%s' (code %d)\n"
const char kEntry[] = "share/doc/page17.txt";

void FprintfFflush(benchmark::State& state) {
    const std::string path = BenchDir() + "/micro-fprintf.log";
    FILE* fp = std::fopen(path.c_str(), "ae");
    if (fp == nullptr) {
        state.SkipWithError("cannot open the reference file");
        return;
    }
    // The same bytes the logger writes: its stamp in front of the message.
    char stamp[64];
    const time_t now = time(nullptr);
    struct tm tm;
    localtime_r(&now, &tm);
    strftime(stamp, sizeof(stamp), "%b %d %H:%M:%S ", &tm);
    const std::string format = std::string(stamp) + RECORD_FORMAT;
    for (auto _ : state) {
        std::fprintf(fp, format.c_str(), __LINE__, kEntry, 28);
        std::fflush(fp);
    }
    std::fclose(fp);
    unlink(path.c_str());
}

void LoggerPassing(benchmark::State& state) {
    const std::string path = BenchDir() + "/micro-logger.log";
    if (Logger::Initialize(Logger::FILE_LOGGER, ustring(path.c_str()), ustring(), 50) != 0) {
        state.SkipWithError("cannot open the log file");
        return;
    }
    for (auto _ : state) {
        Logger::LogMsg(Logger::L_ERR, kComponent, RECORD_FORMAT, __LINE__, kEntry, 28);
    }
    Logger::Initialize(Logger::STDERR_LOGGER, ustring(), ustring(), 50);
    for (int i = 0; i < 50; ++i) unlink((path + "_" + std::to_string(i)).c_str());
    unlink(path.c_str());
}

void LoggerFiltered(benchmark::State& state) {
    Logger::Initialize(Logger::STDERR_LOGGER, ustring(), ustring(), 50);
    for (auto _ : state) {
        Logger::LogMsg(Logger::L_DEBUG, kComponent, RECORD_FORMAT, __LINE__, kEntry, 28);
    }
}

}  // namespace

BENCHMARK(FprintfFflush)->Name("Logger/passing/fprintf+fflush");
BENCHMARK(LoggerPassing)->Name("Logger/passing/logger");
BENCHMARK(LoggerFiltered)->Name("Logger/filtered/logger");

BENCHMARK_MAIN();
