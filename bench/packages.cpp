// Writes the benchmark's sample packages, the same bytes on every machine:
// each is a whole client (INFO with its build number, bin/nimbra-backup-ui,
// package/start-stop) plus a payload, as a tar.gz.
//
//   bench_packages DIR    writes DIR/<name>.hpk, DIR/<name>.INFO and
//                         DIR/<name>.entries (the number of archive entries)
//                         for every package below that is not there yet;
//   bench_packages --file PATH MIB   writes MIB MiB of incompressible bytes.
//
// Packages: mixed-10k (10,000 files of text and incompressible data, about
// 250 MB compressed), small-100k (100,000 small files) and small-10k (the
// first 10,000 of those, to compare the cost per entry), big (a few large
// incompressible files).
#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

// Bump when the content changes, so that old packages are written anew.
const char kFormatVersion[] = "1";
const int kBuild = 2000;
// Every entry gets this time and owner: the same archive on every machine.
const time_t kMtime = 1700000000;

// splitmix64: small, fast and the same everywhere.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // In [lo, hi].
    size_t Between(size_t lo, size_t hi) { return lo + Next() % (hi - lo + 1); }
    void Fill(std::string* out, size_t n) {
        out->resize(n);
        for (size_t i = 0; i < n; i += 8) {
            const uint64_t v = Next();
            std::memcpy(&(*out)[i], &v, n - i < 8 ? n - i : 8);
        }
    }

private:
    uint64_t state_;
};

// Text that compresses as prose and source code do (about 3:1 with gzip).
void FillText(Random& rnd, std::string* out, size_t n) {
    static const char* const kWords[] = {
        "backup",  "restore", "the",     "a",     "of",       "file",   "folder",    "version",
        "user",    "copy",    "network", "share", "schedule", "task",   "if",        "return",
        "int",     "const",   "value",   "index", "snapshot", "volume", "retention", "policy",
        "client",  "server",  "data",    "block", "hash",     "check",  "sum",       "error",
        "warning", "state",   "start",   "stop",  "wait",     "and",    "or",        "not",
        "for",     "while",   "node",    "path",  "name",     "size",   "time"};
    const size_t words = sizeof(kWords) / sizeof(kWords[0]);
    out->clear();
    out->reserve(n + 32);
    while (out->size() < n) {
        const uint64_t r = rnd.Next();
        out->append(kWords[r % words]);
        if ((r >> 16) % 11 == 0) {
            out->append(std::to_string((r >> 24) % 100000));
        }
        out->push_back((r >> 8) % 9 == 0 ? '\n' : ' ');
    }
    out->resize(n);
}

class PackageWriter {
public:
    explicit PackageWriter(const std::string& path) : a_(archive_write_new()) {
        archive_write_set_format_pax_restricted(a_);
        archive_write_add_filter_gzip(a_);
        // No time in the gzip header.
        archive_write_set_filter_option(a_, "gzip", "timestamp", nullptr);
        ok_ = archive_write_open_filename(a_, path.c_str()) == ARCHIVE_OK;
    }
    ~PackageWriter() { archive_write_free(a_); }

    // Adds path's folders first (once each), then the file.
    void File(const std::string& path, const std::string& body, int mode = 0644) {
        for (size_t at = path.find('/'); at != std::string::npos; at = path.find('/', at + 1)) {
            const std::string dir = path.substr(0, at);
            if (dirs_.insert(dir).second) Entry(dir, AE_IFDIR, 0755, std::string());
        }
        Entry(path, AE_IFREG, mode, body);
    }
    // The client every package holds: INFO, the program and its start script.
    void Client() {
        File("INFO", Info());
        File("bin/nimbra-backup-ui",
             "#!/bin/sh\n"
             "# Benchmark client: records its pid and waits to be stopped.\n"
             "echo \"pid=$$\" > \"$HOME/.NimbraBackup/ui.pid\"\n"
             "exec sleep 100000\n",
             0755);
        // As little as a start script can do: the benchmark measures the
        // launcher, not the script.
        File("package/start-stop",
             "#!/bin/sh\n"
             "[ \"$1\" = start ] || exit 0\n"
             "\"${0%/*}/../bin/nimbra-backup-ui\" </dev/null >/dev/null 2>&1 &\n",
             0755);
    }
    bool Close() {
        ok_ = ok_ && archive_write_close(a_) == ARCHIVE_OK;
        if (!ok_) std::fprintf(stderr, "bench_packages: %s\n", archive_error_string(a_));
        return ok_;
    }
    long entries() const { return entries_; }

    static std::string Info() {
        return "[Version]\nmajor_version=3\nminor_version=1\nbuild_version=" +
               std::to_string(kBuild) + "\nicon_overlay_version=7\n";
    }

private:
    void Entry(const std::string& path, int type, int mode, const std::string& body) {
        if (!ok_) return;
        archive_entry* e = archive_entry_new();
        archive_entry_set_pathname(e, path.c_str());
        archive_entry_set_filetype(e, type);
        archive_entry_set_perm(e, mode);
        archive_entry_set_size(e, static_cast<la_int64_t>(body.size()));
        archive_entry_set_mtime(e, kMtime, 0);
        archive_entry_set_uid(e, 0);
        archive_entry_set_gid(e, 0);
        ok_ = archive_write_header(a_, e) == ARCHIVE_OK &&
              (body.empty() || archive_write_data(a_, body.data(), body.size()) ==
                                   static_cast<la_ssize_t>(body.size()));
        archive_entry_free(e);
        ++entries_;
    }

    archive* a_;
    bool ok_ = false;
    long entries_ = 0;
    std::set<std::string> dirs_;
};

// 10,000 files in 100 folders: 70% text of 1-40 KB, 30% incompressible data
// of 10-130 KB.
void Mixed10k(PackageWriter& w) {
    Random rnd(10);
    std::string body;
    for (int i = 0; i < 10000; ++i) {
        const bool text = rnd.Next() % 10 < 7;
        if (text) {
            FillText(rnd, &body, rnd.Between(1024, 40 * 1024));
        } else {
            rnd.Fill(&body, rnd.Between(10 * 1024, 130 * 1024));
        }
        char name[96];
        std::snprintf(name, sizeof(name), "share/d%02d/s%02d/%s%05d.%s", i % 10, (i / 10) % 10,
                      text ? "doc" : "blob", i, text ? "txt" : "bin");
        w.File(name, body);
    }
}

// count small files, 100 to a folder: 90% text, 10% incompressible, 100 B
// to 3 KB each. The first 10,000 are the same for every count.
void Small(PackageWriter& w, int count) {
    Random rnd(100);
    std::string body;
    for (int i = 0; i < count; ++i) {
        const bool text = rnd.Next() % 10 < 9;
        const size_t size = rnd.Between(100, 3000);
        if (text) {
            FillText(rnd, &body, size);
        } else {
            rnd.Fill(&body, size);
        }
        char name[96];
        std::snprintf(name, sizeof(name), "share/a%02d/b%02d/f%06d.%s", (i / 10000) % 100,
                      (i / 100) % 100, i, text ? "txt" : "bin");
        w.File(name, body);
    }
}

// Four incompressible files of 64 MiB.
void Big(PackageWriter& w) {
    Random rnd(1000);
    std::string body;
    for (int i = 0; i < 4; ++i) {
        rnd.Fill(&body, 64u << 20);
        w.File("lib/big" + std::to_string(i) + ".bin", body);
    }
}

bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes dir/name.* unless a complete package of this format is there.
bool Package(const std::string& dir, const std::string& name,
             const std::function<void(PackageWriter&)>& payload) {
    const std::string base = dir + "/" + name;
    const std::string done = base + ".done";
    if (ReadText(done) == kFormatVersion) return true;
    std::remove(done.c_str());
    std::fprintf(stderr, "bench_packages: writing %s.hpk\n", base.c_str());
    PackageWriter w(base + ".hpk");
    w.Client();
    payload(w);
    return w.Close() && WriteText(base + ".INFO", PackageWriter::Info()) &&
           WriteText(base + ".entries", std::to_string(w.entries()) + "\n") &&
           WriteText(done, kFormatVersion);
}

bool IncompressibleFile(const std::string& path, size_t mib) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    Random rnd(512);
    std::string block;
    bool ok = true;
    for (size_t i = 0; i < mib && ok; ++i) {
        rnd.Fill(&block, 1u << 20);
        ok = std::fwrite(block.data(), 1, block.size(), f) == block.size();
    }
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--file") == 0) {
        return IncompressibleFile(argv[2], std::strtoul(argv[3], nullptr, 10)) ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR | --file PATH MIB\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    mkdir(dir.c_str(), 0755);
    const bool ok = Package(dir, "mixed-10k", Mixed10k) &&
                    Package(dir, "small-10k", [](PackageWriter& w) { Small(w, 10000); }) &&
                    Package(dir, "small-100k", [](PackageWriter& w) { Small(w, 100000); }) &&
                    Package(dir, "big", Big);
    return ok ? 0 : 1;
}
