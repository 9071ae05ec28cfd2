// Extractor: unpacks one archive (any format and compression libarchive
// reads) into one target folder, reporting progress to a callback its
// caller sets (the extractor knows nothing of the dialog).
// Every read of the archive runs in a child process bounded in time and
// memory (BoundedChild), because the archive library can loop or allocate
// without end on a hostile archive. Holds no libarchive handle between calls.
#ifndef NIMBRA_LAUNCHER_EXTRACTOR_H
#define NIMBRA_LAUNCHER_EXTRACTOR_H

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "ustring/ustring.h"

struct archive;

// What one full read of a package found.
struct PackageSummary {
    int entries = 0;
    int64_t bytes = 0;  // the sum of the entries' sizes
};

// What an Extractor reports while it works, for whoever shows progress.
enum class ExtractStage {
    kReading,     // a read through the whole package starts; its length is not known yet
    kExtracting,  // Extract starts to write the package out
    kWritten,     // percent: the whole percentage of the bytes written so far
};
// Called on the thread that runs the Extractor.
using ExtractProgress = std::function<void(ExtractStage stage, int percent)>;

// The address space a reader of the package may add to what it inherits: a
// quarter of the machine's physical memory, at least 1 GiB. Ordinary packages
// need a few tens of MiB; one whose decoder asks for more (an xz or zstd
// stream that declares a huge window) fails its read, and the log says that
// this ceiling was reached.
uint64_t ReaderMemoryCeiling();

class Extractor {
public:
    void SetTarget(const ustring& target);
    void SetSource(const ustring& source);
    // Where Scan and Extract report what they do; nowhere unless set.
    void SetProgress(ExtractProgress progress) { this->progress = std::move(progress); }

    // Reads source through to its end, data included, reporting (0, 0) (work
    // not known yet) first: fills summary. 0; -1 (logged) when the archive
    // can't be read whole or holds no entry. Names the locale can't
    // represent only warn.
    // Reports kReading first.
    int Scan(PackageSummary* summary);
    // The summary of an earlier Scan of the same source: Extract then reads
    // the archive once only.
    void SetSummary(const PackageSummary& summary);

    // Extracts every entry of source below target, in archive order,
    // reporting kExtracting, then kWritten whenever the whole percentage of
    // the bytes written changes. Scans first unless SetSummary was called. target
    // is made if missing and followed like any path (a linked home works);
    // entries land below it, names byte for byte as stored (absolute ones
    // without their leading slashes); hard links leading out of it are
    // refused, nothing is written through a symbolic link inside it, and an
    // entry naming target itself is refused unless it is a folder (then it
    // is skipped). 0 on success; -1 on the first failing entry (earlier
    // entries stay).
    int Extract();
    // After a failed Extract: the errno of the disk write that failed, 0 when
    // it was no write (a damaged archive, a refused entry).
    int WriteErrno() const { return write_errno; }
    // Reads in this process, without the reader's time and memory bounds:
    // only for a caller that bounds the whole process itself (the fuzzer).
    void SetUnbounded(bool unbounded) { this->unbounded = unbounded; }
    // The reader's memory ceiling, in bytes (ReaderMemoryCeiling by default).
    void SetMemoryCeiling(uint64_t bytes) { memory_ceiling = bytes; }

    // ---- Not called by the launcher: kept as the documented interface. ----
    // Number of entries before the first one that can't be read, or -1.
    int Count();
    // Writes every entry's path name to standard output. 0 or -1.
    int List();
    // Copies the current entry's data from ar to aw. 0 or -1.
    int copy_data(archive* ar, archive* aw);

private:
    void Report(ExtractStage stage, int percent = 0) const {
        if (progress) progress(stage, percent);
    }

    ExtractProgress progress;
    ustring target;
    ustring source;
    std::optional<PackageSummary> summary;  // of an earlier Scan
    bool unbounded = false;
    int write_errno = 0;
    uint64_t memory_ceiling = ReaderMemoryCeiling();
};

#endif  // NIMBRA_LAUNCHER_EXTRACTOR_H
