#include "archive_writer.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace nimbra_test {

namespace {

struct WriteFree {
    void operator()(archive* a) const { archive_write_free(a); }
};
struct EntryFree {
    void operator()(archive_entry* e) const { archive_entry_free(e); }
};

// How each format is written, and its short name.
struct FormatInfo {
    ArchiveFormat format;
    const char* name;
    int (*add_filter)(archive*);  // none for an uncompressed format
    int (*set_format)(archive*);
};

const FormatInfo kFormats[] = {
    // Plain ustar, so every small entry takes exactly two 512-byte records
    // and tests can find a header by its offset.
    {ArchiveFormat::kTar, "tar", nullptr, archive_write_set_format_ustar},
    {ArchiveFormat::kTarGz, "tar_gz", archive_write_add_filter_gzip,
     archive_write_set_format_pax_restricted},
    {ArchiveFormat::kTarXz, "tar_xz", archive_write_add_filter_xz,
     archive_write_set_format_pax_restricted},
    {ArchiveFormat::kTarBz2, "gnutar_bz2", archive_write_add_filter_bzip2,
     archive_write_set_format_gnutar},
    {ArchiveFormat::kZip, "zip", nullptr, archive_write_set_format_zip},
    {ArchiveFormat::kCpioGz, "cpio_gz", archive_write_add_filter_gzip,
     archive_write_set_format_cpio_newc},
};

const FormatInfo* InfoOf(ArchiveFormat format) {
    for (const FormatInfo& info : kFormats) {
        if (info.format == format) return &info;
    }
    return nullptr;
}

int SetFormat(archive* a, ArchiveFormat format) {
    const FormatInfo* info = InfoOf(format);
    if (info == nullptr) return ARCHIVE_FATAL;
    if (info->add_filter != nullptr && info->add_filter(a) != ARCHIVE_OK) return ARCHIVE_FATAL;
    return info->set_format(a);
}

}  // namespace

const char* FormatName(ArchiveFormat format) {
    const FormatInfo* info = InfoOf(format);
    return info != nullptr ? info->name : "unknown";
}

std::string WriteArchive(const std::string& file, ArchiveFormat format,
                         const std::vector<ArchiveEntry>& entries) {
    std::unique_ptr<archive, WriteFree> a(archive_write_new());
    if (!a) return "archive_write_new failed";
    if (SetFormat(a.get(), format) != ARCHIVE_OK ||
        archive_write_open_filename(a.get(), file.c_str()) != ARCHIVE_OK) {
        return archive_error_string(a.get()) ? archive_error_string(a.get()) : "setup failed";
    }
    for (const ArchiveEntry& e : entries) {
        std::unique_ptr<archive_entry, EntryFree> entry(archive_entry_new());
        archive_entry_set_pathname(entry.get(), e.path.c_str());
        archive_entry_set_mtime(entry.get(), 1600000000, 0);
        switch (e.kind) {
            case ArchiveEntry::kFile:
                archive_entry_set_filetype(entry.get(), AE_IFREG);
                archive_entry_set_perm(entry.get(), 0644);
                archive_entry_set_size(entry.get(), static_cast<la_int64_t>(e.data.size()));
                break;
            case ArchiveEntry::kDir:
                archive_entry_set_filetype(entry.get(), AE_IFDIR);
                archive_entry_set_perm(entry.get(), 0755);
                archive_entry_set_size(entry.get(), 0);
                break;
            case ArchiveEntry::kSymlink:
                archive_entry_set_filetype(entry.get(), AE_IFLNK);
                archive_entry_set_perm(entry.get(), 0777);
                archive_entry_set_size(entry.get(), 0);
                archive_entry_set_symlink(entry.get(), e.data.c_str());
                break;
            case ArchiveEntry::kHardlink:
                archive_entry_set_filetype(entry.get(), AE_IFREG);
                archive_entry_set_perm(entry.get(), 0644);
                archive_entry_set_hardlink(entry.get(), e.data.c_str());
                archive_entry_set_size(entry.get(), 0);
                break;
        }
        if (e.mode != 0) archive_entry_set_perm(entry.get(), static_cast<mode_t>(e.mode));
        if (archive_write_header(a.get(), entry.get()) < ARCHIVE_WARN) {
            return std::string("header of ") + e.path + ": " + archive_error_string(a.get());
        }
        if (e.kind == ArchiveEntry::kFile && !e.data.empty() &&
            archive_write_data(a.get(), e.data.data(), e.data.size()) < 0) {
            return std::string("data of ") + e.path + ": " + archive_error_string(a.get());
        }
    }
    if (archive_write_close(a.get()) != ARCHIVE_OK) return archive_error_string(a.get());
    return "";
}

}  // namespace nimbra_test
