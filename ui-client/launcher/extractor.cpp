#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "adapter.h"
#include "log.h"
#include "strtab.h"

namespace {

const char kComp[] = "extractor_debug";

// libarchive's own block size for reading; bsdtar uses the same.
const size_t kBlockSize = 10240;

// An existing file is unlinked before it is replaced, no path element may be
// "..", and nothing is ever written through a symbolic link (with UNLINK set,
// libarchive replaces such a link inside the folder instead of following it).
// Owner, permissions and times are deliberately not restored.
const int kDiskOptions = ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                         ARCHIVE_EXTRACT_MAC_METADATA | ARCHIVE_EXTRACT_SECURE_SYMLINKS;

struct ReadFree {
    void operator()(archive* a) const { archive_read_free(a); }
};
struct WriteFree {
    void operator()(archive* a) const { archive_write_free(a); }
};
using ArchiveReader = std::unique_ptr<archive, ReadFree>;
using DiskWriter = std::unique_ptr<archive, WriteFree>;

// The handle's error text; libarchive may have none to give.
const char* ErrorText(archive* a) {
    const char* s = archive_error_string(a);
    return s != nullptr ? s : "";
}

// Newer libarchive names this "filter"; the deprecated name is kept because
// it still enables every decompression the library has.
void EnableAllCompressions(archive* a) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    archive_read_support_compression_all(a);
#pragma GCC diagnostic pop
}

// The folder to write into, with every symbolic link on its way resolved.
// The symlink check of the disk writer covers the whole path, so a home
// folder reached through a link would otherwise be refused or, worse, have
// that link removed. Parts that do not exist yet are kept as given.
bool ResolveTarget(const ustring& target, std::string* resolved, std::string* error) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::weakly_canonical(target.c_str_utf8(), ec);
    if (ec) {
        *error = ec.message();
        return false;
    }
    *resolved = p.string();
    return true;
}

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

// Shared start of Count and List: a reader with every filter and format,
// opened on source; null (after logging) on failure.
ArchiveReader OpenForScan(const ustring& source, const ustring& target) {
    if (target.empty() || source.empty()) {
        Logger::LogMsg(Logger::L_ERR, kComp, "[ERROR] extractor(%d): Invalid argument\n", __LINE__);
        return nullptr;
    }
    ArchiveReader a(archive_read_new());
    if (!a) {
        Logger::LogMsg(Logger::L_ERR, kComp, "[ERROR] extractor(%d): Allocate archive failed\n",
                       __LINE__);
        return nullptr;
    }
    archive_read_support_filter_all(a.get());
    archive_read_support_format_all(a.get());
    if (archive_read_open_filename(a.get(), source.c_str_utf8(), kBlockSize) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n", __LINE__,
                       ErrorText(a.get()));
        return nullptr;
    }
    return a;
}

}  // namespace

void Extractor::SetTarget(const ustring& t) {
    target = t;
}

void Extractor::SetSource(const ustring& s) {
    source = s;
}

int Extractor::Count() {
    ArchiveReader a = OpenForScan(source, target);
    if (!a) return -1;
    int count = 0;
    archive_entry* entry = nullptr;
    // A warning ends the count as an error does: Extract would stop there too.
    while (archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
        ++count;
        archive_read_data_skip(a.get());
    }
    return count;
}

int Extractor::List() {
    ArchiveReader a = OpenForScan(source, target);
    if (!a) return -1;
    archive_entry* entry = nullptr;
    while (archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
        // A name that cannot be converted to the locale's charset is null.
        const char* name = archive_entry_pathname(entry);
        std::printf("%s\n", name != nullptr ? name : "");
        archive_read_data_skip(a.get());
    }
    archive_read_close(a.get());
    return 0;
}

int Extractor::copy_data(archive* ar, archive* aw) {
    if (ar == nullptr || aw == nullptr) {
        Logger::LogMsg(Logger::L_ERR, kComp, "[ERROR] extractor(%d): Invalid Argument\n", __LINE__);
        return -1;
    }
    for (;;) {
        const void* buff = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        int r = archive_read_data_block(ar, &buff, &size, &offset);
        if (r == ARCHIVE_EOF) return 0;
        if (r != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kComp,
                           "[ERROR] extractor(%d): archive_read_data_block failed: '%s'\n",
                           __LINE__, ErrorText(ar));
            return -1;
        }
        if (archive_write_data_block(aw, buff, size, offset) != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kComp,
                           "[ERROR] extractor(%d): archive_write_data_block failed: '%s'\n",
                           __LINE__, ErrorText(aw));
            return -1;
        }
    }
}

int Extractor::Extract() {
    if (source.empty() || target.empty()) {
        Logger::LogMsg(Logger::L_ERR, kComp, "[ERROR] extractor(%d): Invalid Argument\n", __LINE__);
        return -1;
    }
    Logger::LogMsg(Logger::L_DEBUG, kComp, "[DEBUG] extractor(%d): decompress from '%s' to '%s'\n",
                   __LINE__, source.c_str_utf8(), target.c_str_utf8());
    Notify_Adapter::GetInstance().UpdateDialogText(
        StrTable::LoadStr(StrTable::desc_nmbr_env_preparing));

    // Counting reads the whole archive once more, but the bar needs a total.
    const int total = Count();
    if (total <= 0) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] extractor(%d): Failed to calculate total file numbers, ret: %d\n",
                       __LINE__, total);
        return -1;
    }

    std::string base;
    std::string resolve_error;
    if (!ResolveTarget(target, &base, &resolve_error)) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] extractor(%d): Failed to resolve target '%s': '%s'\n", __LINE__,
                       target.c_str_utf8(), resolve_error.c_str());
        return -1;
    }

    ArchiveReader a(archive_read_new());
    DiskWriter ext(archive_write_disk_new());
    if (!a || !ext) {
        Logger::LogMsg(Logger::L_ERR, kComp, "[ERROR] extractor(%d): Allocate extractor failed\n",
                       __LINE__);
        return -1;
    }
    archive_write_disk_set_options(ext.get(), kDiskOptions);
    EnableAllCompressions(a.get());
    archive_read_support_format_all(a.get());
    if (archive_read_open_filename(a.get(), source.c_str_utf8(), kBlockSize) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, kComp,
                       "[ERROR] extractor(%d): Failed to read file '%s' ('%s')\n", __LINE__,
                       source.c_str_utf8(), ErrorText(a.get()));
        return -1;
    }

    int progress = 0;
    for (;;) {
        archive_entry* entry = nullptr;
        int r = archive_read_next_header(a.get(), &entry);
        if (r == ARCHIVE_EOF) return 0;
        if (r != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kComp,
                           "[ERROR] extractor(%d): archive_read_next_header failed: '%s'\n",
                           __LINE__, ErrorText(a.get()));
            return -1;
        }
        const char* entry_pathname = archive_entry_pathname(entry);
        if (entry_pathname == nullptr) {
            Logger::LogMsg(Logger::L_ERR, kComp,
                           "[ERROR] extractor(%d): archive_entry_pathname failed", __LINE__);
            return -1;
        }
        // An absolute name lands below the folder too: base + "//etc/x" is
        // a path inside base.
        archive_entry_set_pathname(entry, (base + "/" + entry_pathname).c_str());

        // A hard-link target is a path within the archive, as the entry's
        // own name is; left alone, link() would resolve it against the
        // working folder, wherever that is.
        const char* hardlink = archive_entry_hardlink(entry);
        if (hardlink != nullptr) {
            if (LeadsOut(hardlink)) {
                Logger::LogMsg(
                    Logger::L_ERR, kComp,
                    "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n", __LINE__,
                    ("Hard-link target '" + std::string(hardlink) + "' leads out of the folder")
                        .c_str());
                return -1;
            }
            archive_entry_set_hardlink(entry, (base + "/" + hardlink).c_str());
        }

        if (archive_read_extract2(a.get(), entry, ext.get()) != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kComp,
                           "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n", __LINE__,
                           ErrorText(ext.get()));
            return -1;
        }
        ++progress;
        Notify_Adapter::GetInstance().UpdateProgress(total, progress);
        if (archive_write_finish_entry(ext.get()) != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kComp,
                           "[ERROR] extractor(%d): archive_write_finish_entry failed: '%s'\n",
                           __LINE__, ErrorText(ext.get()));
            return -1;
        }
    }
}
