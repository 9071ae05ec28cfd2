// How much the extractor costs over a plain libarchive extraction of the same
// package: it reads the archive twice (a full read to check and measure it,
// then the extraction), each in a child process of its own, rewrites every
// path and reports progress in whole percentages. Reported
// as a ratio to a reference run in this process; the goal is at most 2.5.
#include <archive.h>
#include <archive_entry.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "adapter.h"
#include "extractor.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

const int kEntries = 5000;
const int kRounds = 5;
const double kGoal = 2.5;

void WritePackage(const std::string& path) {
    archive* a = archive_write_new();
    archive_write_set_format_pax_restricted(a);
    archive_write_add_filter_gzip(a);
    archive_write_open_filename(a, path.c_str());
    const std::string body(2048, 'x');
    for (int i = 0; i < kEntries; ++i) {
        archive_entry* e = archive_entry_new();
        const std::string name = "share/d" + std::to_string(i % 50) + "/f" + std::to_string(i);
        archive_entry_set_pathname(e, name.c_str());
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, static_cast<la_int64_t>(body.size()));
        archive_write_header(a, e);
        archive_write_data(a, body.data(), body.size());
        archive_entry_free(e);
    }
    archive_write_close(a);
    archive_write_free(a);
}

// The reference: one pass, same disk options, no progress, no rewriting
// beyond what is needed to land in the target.
void PlainExtract(const std::string& src, const std::string& dst) {
    archive* a = archive_read_new();
    archive_read_support_filter_all(a);
    archive_read_support_format_all(a);
    archive* w = archive_write_disk_new();
    archive_write_disk_set_options(w, ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                                          ARCHIVE_EXTRACT_SECURE_SYMLINKS);
    archive_read_open_filename(a, src.c_str(), 10240);
    archive_entry* e;
    while (archive_read_next_header(a, &e) == ARCHIVE_OK) {
        const std::string p = dst + "/" + archive_entry_pathname(e);
        archive_entry_set_pathname(e, p.c_str());
        archive_read_extract2(a, e, w);
    }
    archive_read_free(a);
    archive_write_free(w);
}

template <typename F>
double BestOf(F f) {
    double best = 1e9;
    for (int r = 0; r < kRounds; ++r) {
        const auto t0 = Clock::now();
        f();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return best;
}

}  // namespace

int main() {
    char tmpl[] = "/tmp/nimbra-bench-XXXXXX";
    if (!mkdtemp(tmpl)) return 1;
    const std::string dir = tmpl;
    if (chdir(dir.c_str()) != 0) return 1;
    const std::string pkg = dir + "/nimbra.hpk";
    WritePackage(pkg);

    int reports = 0;
    QObject::connect(&Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress,
                     [&](int, int) { ++reports; });

    const double plain = BestOf([&] {
        fs::remove_all(dir + "/plain");
        fs::create_directories(dir + "/plain");
        PlainExtract(pkg, dir + "/plain");
    });
    const double ours = BestOf([&] {
        fs::remove_all(dir + "/ours");
        fs::create_directories(dir + "/ours");
        Extractor x;
        x.SetSource(pkg.c_str());
        x.SetTarget((dir + "/ours").c_str());
        x.Extract();
    });
    if (chdir("/tmp") == 0) fs::remove_all(dir);

    const double ratio = ours / plain;
    std::printf(
        "%d entries: plain libarchive %.3f s, extractor %.3f s, ratio %.2f (goal <= %.1f); "
        "%d progress reports\n",
        kEntries, plain, ours, ratio, kGoal, reports / kRounds);
    return ratio <= kGoal ? 0 : 1;
}
