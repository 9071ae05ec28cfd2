// Builds test archives with libarchive's writer, so tests can describe a
// package entry by entry (including links and hostile names) in any of the
// formats and compressions the extractor has to read.
#ifndef NIMBRA_TESTS_EXTRACTOR_ARCHIVE_WRITER_H
#define NIMBRA_TESTS_EXTRACTOR_ARCHIVE_WRITER_H

#include <string>
#include <vector>

namespace nimbra_test {

struct ArchiveEntry {
    enum Kind { kFile, kDir, kSymlink, kHardlink };
    Kind kind;
    std::string path;
    std::string data;  // a file's content, or the link's target
    int mode = 0;      // permission bits; 0: the kind's usual ones
};

inline ArchiveEntry File(const std::string& path, const std::string& content) {
    return {ArchiveEntry::kFile, path, content};
}
inline ArchiveEntry Dir(const std::string& path, int mode = 0) {
    return {ArchiveEntry::kDir, path, "", mode};
}
inline ArchiveEntry Symlink(const std::string& path, const std::string& to) {
    return {ArchiveEntry::kSymlink, path, to};
}
inline ArchiveEntry Hardlink(const std::string& path, const std::string& to) {
    return {ArchiveEntry::kHardlink, path, to};
}

enum class ArchiveFormat { kTar, kTarGz, kTarXz, kTarBz2, kZip, kCpioGz };

// A short name for test output ("tar.gz").
const char* FormatName(ArchiveFormat format);

// Writes entries, in order, as an archive of the given format to file.
// Returns an empty string on success, else libarchive's complaint.
std::string WriteArchive(const std::string& file, ArchiveFormat format,
                         const std::vector<ArchiveEntry>& entries);

}  // namespace nimbra_test

#endif  // NIMBRA_TESTS_EXTRACTOR_ARCHIVE_WRITER_H
