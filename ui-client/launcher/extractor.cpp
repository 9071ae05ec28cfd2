#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <utility>

#include "file/path-util.h"
#include "file/unique-fd.h"
#include "log.h"
#include "reader/bounded-child.h"

namespace {

const char kLogComponent[] = "extractor_debug";
const char kLogSource[] = "extractor";

// libarchive's own block size for reading; bsdtar uses the same.
const size_t kBlockSize = 10240;

// An existing file is unlinked before it is replaced, no path element may be
// "..", no name may be absolute (leading slashes are dropped before), and
// nothing is ever written through a symbolic link (with UNLINK set,
// libarchive replaces such a link inside the folder instead of following it).
// Owner, permissions and times are deliberately not restored.
const int kDiskOptions = ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                         ARCHIVE_EXTRACT_MAC_METADATA | ARCHIVE_EXTRACT_SECURE_SYMLINKS |
                         ARCHIVE_EXTRACT_SECURE_NOABSOLUTEPATHS;

// Bounds of the reader process. A normal package needs a few tens of MiB;
// the time allowed grows with the package so that a large one on a slow
// disk still finishes, while a reader that loops is stopped.
const int64_t kMiB = 1 << 20;

// Records from the reader process: a log line (level byte, then the text),
// a whole percentage, a count, a summary ("<entries> <bytes>").
const char kLogRecord = 'L';
const char kProgressRecord = 'P';
const char kCountRecord = 'N';
const char kSummaryRecord = 'S';
// The errno of a failed write to the disk, when the writer has one.
const char kWriteErrnoRecord = 'E';
// The reader was refused memory: libarchive failed with ENOMEM, or our own
// code ran out. Under the address-space ceiling that means the ceiling.
const char kMemoryRecord = 'M';

struct ReadFree {
    void operator()(archive* a) const { archive_read_free(a); }
};
struct WriteFree {
    void operator()(archive* a) const { archive_write_free(a); }
};
using ArchiveReader = std::unique_ptr<archive, ReadFree>;
using DiskWriter = std::unique_ptr<archive, WriteFree>;

// The handle's error text; libarchive may have none to give. Its texts for
// system call failures ("Can't create 'x'", "Could not unlink") leave the
// reason in the handle's errno: that is added unless the text has it. Valid
// until the next call on the same thread.
const char* ErrorText(archive* a) {
    static thread_local std::string text;
    const char* s = archive_error_string(a);
    text = s != nullptr ? s : "";
    const int err = archive_errno(a);
    // Not the codes the library gives a damaged archive (EILSEQ) or a misuse
    // (EINVAL), nor its "other" (-1).
    if (err > 0 && err != EILSEQ && err != EINVAL && text.find(strerror(err)) == std::string::npos)
        text += std::string(text.empty() ? "" : ": ") + strerror(err);
    return text.c_str();
}

// The text of whichever handle failed: archive_read_extract2 fails for the
// reader's faults (truncated data, unknown codec) as well as the writer's.
const char* ExtractErrorText(archive* reader, archive* writer) {
    const char* w = archive_error_string(writer);
    return ErrorText(w != nullptr && *w != '\0' ? writer : reader);
}

// Newer libarchive names this "filter"; the deprecated name is kept because
// it still enables every decompression the library has.
void EnableAllCompressions(archive* a) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    archive_read_support_compression_all(a);
#pragma GCC diagnostic pop
}

// The process's working folder moved to the folder being extracted for as
// long as it lives, and moved back after: entries are then written through
// their names inside the archive only, so that the disk writer's symlink
// check covers those names (a linked home on the way to the folder is
// followed, as any path is) and costs nothing per component of the home.
class WorkingFolder {
public:
    WorkingFolder() = default;
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;
    ~WorkingFolder() {
        if (previous_.ok() && fchdir(previous_.get()) != 0)
            std::abort();  // nothing may land elsewhere
    }

    // Makes folder with its missing parents and moves into it. false with
    // errno set, the working folder unchanged.
    bool Enter(const std::string& folder) {
        MakeFolders(folder);  // a failure shows in the open below
        UniqueFd target(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!target.ok()) return false;
        UniqueFd previous(open(".", O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (previous.ok() && fchdir(target.get()) == 0) {
            previous_ = std::move(previous);
            return true;
        }
        const int err = errno;
        target.reset();
        previous.reset();
        errno = err;
        return false;
    }

private:
    UniqueFd previous_;
};

// True for a hard-link target that names something outside the folder being
// extracted: an absolute path or one with a ".." element.
bool LeadsOut(const char* link) {
    if (link[0] == '/') return true;
    const char* p = link;
    while (*p != '\0') {
        size_t len = std::strcspn(p, "/");
        if (len == 2 && p[0] == '.' && p[1] == '.') return true;
        p += len;
        while (*p == '/') ++p;
    }
    return false;
}

// True for a name that, once its "." and empty elements are dropped, names
// the folder it is extracted into: "", "/", "//", ".", "./.".
bool NamesTarget(const char* name) {
    for (const char* p = name; *p != '\0';) {
        while (*p == '/') ++p;
        if (*p == '\0') break;
        const size_t len = std::strcspn(p, "/");
        if (len != 1 || *p != '.') return false;
        p += len;
    }
    return true;
}

// --- In the reader process ---------------------------------------------------
// The reader process may not take the logger's lock (another thread may have
// held it at the fork): its log lines travel to the parent as records.

void Report(ChildChannel& channel, Logger::Level level, const char* fmt, ...)
    __attribute__((format(printf, 3, 4)));

// A record in the form the NLOG_ macros write ("[TAG] extractor(<line>): "
// before fmt), from the given line.
#define NIMBRA_REPORT_AT(channel, level, tag, line, fmt, ...) \
    Report(channel, level, NIMBRA_LOG_PREFIX(tag) fmt, kLogSource, line, ##__VA_ARGS__)
#define NREPORT_ERROR(channel, ...) \
    NIMBRA_REPORT_AT(channel, Logger::L_ERR, "ERROR", __LINE__, __VA_ARGS__)
#define NREPORT_WARNING(channel, ...) \
    NIMBRA_REPORT_AT(channel, Logger::L_WARNING, "WARNING", __LINE__, __VA_ARGS__)

void Report(ChildChannel& channel, Logger::Level level, const char* fmt, ...) {
    char text[ChildChannel::kMaxPayload];
    va_list args;
    va_start(args, fmt);
    vsnprintf(text, sizeof(text), fmt, args);
    va_end(args);
    channel.Send(kLogRecord, std::string(1, static_cast<char>(level)) + text);
}

// Tells the launcher when a's last failure was a refused allocation, so that
// the log names the reader's memory ceiling rather than a bare "Cannot
// allocate memory".
void NoteMemory(ChildChannel& channel, archive* a) {
    if (archive_errno(a) == ENOMEM) channel.Send(kMemoryRecord, "");
}

// A reader with every filter and format, opened on source; null (after
// reporting) on failure.
ArchiveReader OpenReader(ChildChannel& channel, const ustring& source) {
    ArchiveReader a(archive_read_new());
    if (!a) {
        NREPORT_ERROR(channel, "Allocate archive failed\n");
        return nullptr;
    }
    archive_read_support_filter_all(a.get());
    archive_read_support_format_all(a.get());
    if (archive_read_open_filename(a.get(), source.c_str_utf8(), kBlockSize) != ARCHIVE_OK) {
        NREPORT_ERROR(channel, "archive_read_open_filename failed: '%s'\n", ErrorText(a.get()));
        NoteMemory(channel, a.get());
        return nullptr;
    }
    return a;
}

// The next header, accepting a warning: libarchive warns when a stored name
// can't be converted to the locale's charset, and still gives the stored
// bytes, which are written as they are. ARCHIVE_OK, ARCHIVE_EOF, or the
// failure (reported).
int NextHeader(ChildChannel& channel, archive* a, archive_entry** entry) {
    const int r = archive_read_next_header(a, entry);
    if (r == ARCHIVE_WARN) {
        NREPORT_WARNING(channel, "archive_read_next_header: '%s'\n", ErrorText(a));
        return ARCHIVE_OK;
    }
    if (r != ARCHIVE_OK && r != ARCHIVE_EOF) {
        NREPORT_ERROR(channel, "archive_read_next_header failed: '%s'\n", ErrorText(a));
        NoteMemory(channel, a);
    }
    return r;
}

// Reads the current entry's data to its end; its size, or -1 (reported).
int64_t ReadThrough(ChildChannel& channel, archive* a) {
    int64_t size = 0;
    for (;;) {
        const void* buff = nullptr;
        size_t len = 0;
        la_int64_t offset = 0;
        const int r = archive_read_data_block(a, &buff, &len, &offset);
        if (r == ARCHIVE_EOF) return size;
        if (r != ARCHIVE_OK) {
            NREPORT_ERROR(channel, "archive_read_data_block failed: '%s'\n", ErrorText(a));
            NoteMemory(channel, a);
            return -1;
        }
        size = std::max<int64_t>(size, offset + static_cast<int64_t>(len));
    }
}

// Whether the entry carries data to read: the rule archive_read_extract2
// applies before it copies data (a size not known before the data, or above
// zero). Some readers refuse a read of the rest: RAR5 answers "Can't
// decompress an entry marked as a directory" for a folder.
bool HasData(archive_entry* entry) {
    return !archive_entry_size_is_set(entry) || archive_entry_size(entry) > 0;
}

// The whole read of Scan: 0 after sending the summary, 1 on failure. Every
// header and all data the extraction will read are read, so a package that
// passes extracts, as far as the reader is concerned.
int ScanEntries(ChildChannel& channel, const ustring& source) {
    ArchiveReader a = OpenReader(channel, source);
    if (!a) return 1;
    PackageSummary summary;
    for (;;) {
        archive_entry* entry = nullptr;
        const int r = NextHeader(channel, a.get(), &entry);
        if (r == ARCHIVE_EOF) break;
        if (r != ARCHIVE_OK) return 1;
        const int64_t read = HasData(entry) ? ReadThrough(channel, a.get()) : 0;
        if (read < 0) return 1;
        ++summary.entries;
        summary.bytes += std::max<int64_t>(read, archive_entry_size(entry));
    }
    char line[64];
    snprintf(line, sizeof(line), "%d %" PRId64, summary.entries, summary.bytes);
    channel.Send(kSummaryRecord, line);
    return 0;
}

// Extract's loop over the entries, reporting whole percentages of the bytes
// (of the entries, when the package holds no data) as they change, also
// while a large entry is written.
class EntryWriter {
public:
    EntryWriter(ChildChannel& channel, const PackageSummary& summary)
        : channel_(channel), summary_(summary) {}

    // Writes every entry of source below target, which becomes the working
    // folder meanwhile. 0 when every entry is written; 1 on the first failure
    // (reported).
    int Run(const ustring& source, const ustring& target) {
        ArchiveReader a(archive_read_new());
        if (!a) return AllocationFailed(__LINE__);
        EnableAllCompressions(a.get());
        archive_read_support_format_all(a.get());
        // Opened before the working folder moves: source may be relative.
        if (archive_read_open_filename(a.get(), source.c_str_utf8(), kBlockSize) != ARCHIVE_OK) {
            NREPORT_ERROR(channel_, "Failed to read file '%s' ('%s')\n", source.c_str_utf8(),
                          ErrorText(a.get()));
            NoteMemory(channel_, a.get());
            return 1;
        }
        WorkingFolder folder;
        if (!folder.Enter(target.c_str_utf8())) {
            NREPORT_ERROR(channel_, "cannot enter the target folder '%s': '%s'\n",
                          target.c_str_utf8(), strerror(errno));
            return 1;
        }
        // Made after the move and freed before the move back: the writer
        // sets the modes of folders by their relative names when it closes.
        DiskWriter ext(archive_write_disk_new());
        if (!ext) return AllocationFailed(__LINE__);
        archive_write_disk_set_options(ext.get(), kDiskOptions);
        reader_ = a.get();
        archive_read_extract_set_progress_callback(a.get(), &EntryWriter::WhileWriting, this);
        for (;;) {
            archive_entry* entry = nullptr;
            const int r = NextHeader(channel_, a.get(), &entry);
            if (r == ARCHIVE_EOF) return 0;
            if (r != ARCHIVE_OK || WriteEntry(a.get(), ext.get(), entry) != 0) return 1;
        }
    }

private:
    int AllocationFailed(int line) {
        NIMBRA_REPORT_AT(channel_, Logger::L_ERR, "ERROR", line, "Allocate extractor failed\n");
        return 1;
    }

    int WriteEntry(archive* a, archive* ext, archive_entry* entry) {
        const char* name = archive_entry_pathname(entry);
        if (name == nullptr) {
            NREPORT_ERROR(channel_, "archive_entry_pathname failed");
            return 1;
        }
        if (NamesTarget(name)) {
            // The folder exists already; anything else would replace it.
            if (archive_entry_filetype(entry) == AE_IFDIR) return Done(entry);
            NREPORT_ERROR(channel_, "entry '%s' names the target folder itself\n", name);
            return 1;
        }
        // An absolute name lands below the folder too, as a relative one:
        // "/etc/x" is written as "etc/x".
        if (name[0] == '/') {
            const std::string relative(name + std::strspn(name, "/"));
            archive_entry_set_pathname(entry, relative.c_str());
        }
        // A hard-link target is a path within the archive, as the entry's
        // own name is, and link() resolves it against the working folder,
        // which is the folder being extracted.
        if (const char* hardlink = archive_entry_hardlink(entry)) {
            if (LeadsOut(hardlink)) {
                NREPORT_ERROR(channel_, "hard-link target '%s' leads out of the folder\n",
                              hardlink);
                return 1;
            }
        }
        entry_start_ = archive_filter_bytes(a, 0);
        entry_size_ = std::max<int64_t>(archive_entry_size(entry), 0);
        if (archive_read_extract2(a, entry, ext) != ARCHIVE_OK) {
            NREPORT_ERROR(channel_, "archive_read_extract2 failed: '%s'\n",
                          ExtractErrorText(a, ext));
            NoteMemory(channel_, a);
            NoteMemory(channel_, ext);
            return SendWriteErrno(a, ext);
        }
        if (Done(entry) != 0) return 1;
        if (archive_write_finish_entry(ext) != ARCHIVE_OK) {
            NREPORT_ERROR(channel_, "archive_write_finish_entry failed: '%s'\n", ErrorText(ext));
            return SendWriteErrno(a, ext);
        }
        return 0;
    }

    // Called by libarchive for each block of the entry being written. The
    // reader's position in the uncompressed stream, from the entry's start,
    // is its data written so far (exactly so for tar and cpio), never more
    // than the entry's size.
    static void WhileWriting(void* self) {
        EntryWriter* w = static_cast<EntryWriter*>(self);
        const int64_t in_entry = archive_filter_bytes(w->reader_, 0) - w->entry_start_;
        w->SendPercent(w->bytes_ + std::clamp<int64_t>(in_entry, 0, w->entry_size_));
    }

    // Tells the parent why the disk writer failed (a full disk or quota is
    // named as such to the user). 1, the writer's failure.
    int SendWriteErrno(archive* a, archive* ext) {
        // archive_read_extract2 may leave it on the reader, which it copies
        // the writer's failure to.
        const int err = archive_errno(ext) > 0 ? archive_errno(ext) : archive_errno(a);
        if (err > 0) channel_.Send(kWriteErrnoRecord, std::to_string(err));
        return 1;
    }

    // Counts the entry and reports the percentage when it changed.
    int Done(archive_entry* entry) {
        ++entries_;
        bytes_ += std::max<int64_t>(archive_entry_size(entry), 0);
        return SendPercent(bytes_) ? 0 : 1;
    }

    // Sends the percentage that bytes written make, when it changed. false
    // when the parent no longer listens.
    bool SendPercent(int64_t bytes) {
        const int64_t percent =
            summary_.bytes > 0 ? std::min<int64_t>(bytes, summary_.bytes) * 100 / summary_.bytes
            : summary_.entries > 0
                ? std::min(entries_, summary_.entries) * int64_t{100} / summary_.entries
                : 100;
        if (percent == percent_) return true;
        percent_ = percent;
        return channel_.Send(kProgressRecord, std::to_string(percent));
    }

    ChildChannel& channel_;
    const PackageSummary summary_;
    archive* reader_ = nullptr;
    int entries_ = 0;
    int64_t bytes_ = 0;  // of the entries done
    int64_t entry_start_ = 0;
    int64_t entry_size_ = 0;
    int64_t percent_ = 0;
};

// --- In the launcher ---------------------------------------------------------

int64_t FileSize(const ustring& path) {
    struct stat st;
    return stat(path.c_str_utf8(), &st) == 0 ? static_cast<int64_t>(st.st_size) : 0;
}

BoundedChild::Limits ScanLimits(const ustring& source, uint64_t memory) {
    const int64_t seconds = 60 + FileSize(source) / kMiB;
    return {std::chrono::seconds(seconds), memory};
}

BoundedChild::Limits ExtractLimits(const ustring& source, const PackageSummary& summary,
                                   uint64_t memory) {
    const int64_t seconds =
        120 + FileSize(source) / kMiB + summary.bytes / (2 * kMiB) + summary.entries / 50;
    return {std::chrono::seconds(seconds), memory};
}

// body, reporting a std::bad_alloc of our own code in the reader as the
// reader running out of memory.
BoundedChild::Body GuardMemory(const BoundedChild::Body& body) {
    return [&body](ChildChannel& c) {
        try {
            return body(c);
        } catch (const std::bad_alloc&) {
            c.Send(kMemoryRecord, "");
            return 1;
        }
    };
}

// Runs body in a reader process bounded by limits (in this process when
// bounded is false), logging its lines and handing every other record to
// on_record. true when the reader exited with 0; otherwise the reason is
// logged.
bool RunReader(const ustring& source, bool bounded, const BoundedChild::Limits& limits,
               const BoundedChild::Body& body,
               const std::function<void(char, const std::string&)>& on_record) {
    bool refused_memory = false;
    const BoundedChild::Listener relay = [&](char kind, const std::string& payload) {
        if (kind == kLogRecord && !payload.empty()) {
            Logger::LogMsg(static_cast<Logger::Level>(payload[0]), kLogComponent, "%s",
                           payload.c_str() + 1);
        } else if (kind == kMemoryRecord) {
            refused_memory = true;
        } else if (on_record) {
            on_record(kind, payload);
        }
    };
    if (!bounded) return BoundedChild::RunHere(GuardMemory(body), relay) == 0;
    BoundedChild child(limits);
    const BoundedChild::End end = child.Run(GuardMemory(body), relay);
    if (refused_memory && (end != BoundedChild::End::kExited || child.status() != 0)) {
        NLOG_ERROR(
            "reading '%s' needs more memory than the reader may use: its ceiling of %llu MiB was "
            "reached\n",
            source.c_str_utf8(), static_cast<unsigned long long>(limits.memory >> 20));
    }
    switch (end) {
        case BoundedChild::End::kExited:
            return child.status() == 0;
        case BoundedChild::End::kTimedOut:
            NLOG_ERROR("reading '%s' took more than %lld s, stopped\n", source.c_str_utf8(),
                       static_cast<long long>(limits.time.count() / 1000));
            return false;
        case BoundedChild::End::kSignalled:
            NLOG_ERROR("reading '%s' ended by signal %d (limits: %lld s, %llu MiB)\n",
                       source.c_str_utf8(), child.status(),
                       static_cast<long long>(limits.time.count() / 1000),
                       static_cast<unsigned long long>(limits.memory >> 20));
            return false;
        case BoundedChild::End::kNotStarted:
            break;
    }
    NLOG_ERROR("could not start a reader for '%s': '%s'\n", source.c_str_utf8(), strerror(errno));
    return false;
}

}  // namespace

uint64_t ReaderMemoryCeiling() {
    const uint64_t floor = uint64_t{1} << 30;
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long page_size = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || page_size <= 0) return floor;
    return std::max(floor, static_cast<uint64_t>(pages) * static_cast<uint64_t>(page_size) / 4);
}

void Extractor::SetTarget(const ustring& t) {
    target = t;
}

void Extractor::SetSource(const ustring& s) {
    source = s;
}

void Extractor::SetSummary(const PackageSummary& s) {
    summary = s;
}

int Extractor::Scan(PackageSummary* out) {
    if (target.empty() || source.empty()) {
        NLOG_ERROR("Invalid argument\n");
        return -1;
    }
    Report(ExtractStage::kReading);
    PackageSummary found;
    bool summed = false;
    const ustring src = source;
    const bool read = RunReader(
        source, !unbounded, ScanLimits(source, memory_ceiling),
        [&src](ChildChannel& c) { return ScanEntries(c, src); },
        [&](char kind, const std::string& payload) {
            long long bytes = 0;
            if (kind == kSummaryRecord &&
                sscanf(payload.c_str(), "%d %lld", &found.entries, &bytes) == 2) {
                found.bytes = bytes;
                summed = true;
            }
        });
    const int total = !read || !summed ? -1 : found.entries;
    if (total <= 0) {
        NLOG_ERROR("Failed to calculate total file numbers, ret: %d\n", total);
        return -1;
    }
    SetSummary(found);
    *out = found;
    return 0;
}

int Extractor::Count() {
    if (target.empty() || source.empty()) {
        NLOG_ERROR("Invalid argument\n");
        return -1;
    }
    const ustring src = source;
    int count = -1;
    RunReader(
        source, !unbounded, ScanLimits(source, memory_ceiling),
        [&src](ChildChannel& c) {
            ArchiveReader a = OpenReader(c, src);
            if (!a) return 1;
            int n = 0;
            archive_entry* entry = nullptr;
            // A warning ends the count as an error does.
            while (archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
                ++n;
                archive_read_data_skip(a.get());
            }
            return c.Send(kCountRecord, std::to_string(n)) ? 0 : 1;
        },
        [&count](char kind, const std::string& payload) {
            if (kind == kCountRecord)
                count = static_cast<int>(strtol(payload.c_str(), nullptr, 10));
        });
    return count;
}

int Extractor::List() {
    if (target.empty() || source.empty()) {
        NLOG_ERROR("Invalid argument\n");
        return -1;
    }
    const ustring src = source;
    // The reader prints through its copy of standard output: nothing of
    // ours may be left in the buffer it inherits.
    std::fflush(stdout);
    const bool listed = RunReader(
        source, !unbounded, ScanLimits(source, memory_ceiling),
        [&src](ChildChannel& c) {
            ArchiveReader a = OpenReader(c, src);
            if (!a) return 1;
            archive_entry* entry = nullptr;
            while (archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
                // A name that cannot be converted to the locale's charset is null.
                const char* name = archive_entry_pathname(entry);
                std::printf("%s\n", name != nullptr ? name : "");
                archive_read_data_skip(a.get());
            }
            archive_read_close(a.get());
            return std::fflush(stdout) == 0 ? 0 : 1;
        },
        nullptr);
    return listed ? 0 : -1;
}

int Extractor::copy_data(archive* ar, archive* aw) {
    if (ar == nullptr || aw == nullptr) {
        NLOG_ERROR("Invalid Argument\n");
        return -1;
    }
    for (;;) {
        const void* buff = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        int r = archive_read_data_block(ar, &buff, &size, &offset);
        if (r == ARCHIVE_EOF) return 0;
        if (r != ARCHIVE_OK) {
            NLOG_ERROR("archive_read_data_block failed: '%s'\n", ErrorText(ar));
            return -1;
        }
        if (archive_write_data_block(aw, buff, size, offset) != ARCHIVE_OK) {
            NLOG_ERROR("archive_write_data_block failed: '%s'\n", ErrorText(aw));
            return -1;
        }
    }
}

int Extractor::Extract() {
    if (source.empty() || target.empty()) {
        NLOG_ERROR("Invalid Argument\n");
        return -1;
    }
    NLOG_DEBUG("decompress from '%s' to '%s'\n", source.c_str_utf8(), target.c_str_utf8());
    Report(ExtractStage::kExtracting);
    write_errno = 0;
    PackageSummary found;
    if (!summary && Scan(&found) != 0) return -1;

    const ustring src = source;
    const ustring dst = target;
    const PackageSummary sum = *summary;
    const bool written = RunReader(
        source, !unbounded, ExtractLimits(source, sum, memory_ceiling),
        [&](ChildChannel& c) { return EntryWriter(c, sum).Run(src, dst); },
        [this](char kind, const std::string& payload) {
            if (kind == kProgressRecord)
                Report(ExtractStage::kWritten,
                       static_cast<int>(strtol(payload.c_str(), nullptr, 10)));
            if (kind == kWriteErrnoRecord)
                write_errno = static_cast<int>(strtol(payload.c_str(), nullptr, 10));
        });
    return written ? 0 : -1;
}
