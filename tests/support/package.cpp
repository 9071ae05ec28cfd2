#include "support/package.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "support/test_env.h"

namespace fs = std::filesystem;

namespace nimbra_test {

std::string InfoText(int build) {
    return "[Version]\nmajor_version=3\nminor_version=1\nbuild_version=" + std::to_string(build) +
           "\nicon_overlay_version=7\n";
}

Package ClientPackage(int build, const std::string& client, const std::string& start_stop,
                      int fillers, const char* filler_format) {
    Package p;
    p.push_back({"INFO", InfoText(build), 0644});
    p.push_back({"bin/nimbra-backup-ui", client, 0755});
    p.push_back({"package/start-stop", start_stop, 0755});
    for (int i = 0; i < fillers; ++i) {
        char name[64];
        snprintf(name, sizeof name, filler_format, i);
        p.push_back(
            {name, "build " + std::to_string(build) + " file " + std::to_string(i) + "\n", 0644});
    }
    return p;
}

void WritePackage(const std::string& path, const Package& package, int damage_after) {
    fs::create_directories(fs::path(path).parent_path());
    archive* a = archive_write_new();
    archive_write_set_format_pax_restricted(a);
    if (damage_after < 0) archive_write_add_filter_gzip(a);
    ASSERT_EQ(archive_write_open_filename(a, path.c_str()), ARCHIVE_OK) << archive_error_string(a);
    std::vector<la_int64_t> offsets;
    for (const PackageEntry& e : package) {
        offsets.push_back(archive_filter_bytes(a, 0));  // where the entry's header starts
        archive_entry* ae = archive_entry_new();
        archive_entry_set_pathname(ae, e.path.c_str());
        archive_entry_set_filetype(ae, AE_IFREG);
        archive_entry_set_perm(ae, e.mode);
        archive_entry_set_size(ae, static_cast<la_int64_t>(e.content.size()));
        archive_entry_set_mtime(ae, 1700000000, 0);
        ASSERT_EQ(archive_write_header(a, ae), ARCHIVE_OK) << archive_error_string(a);
        archive_write_data(a, e.content.data(), e.content.size());
        archive_entry_free(ae);
    }
    archive_write_close(a);
    archive_write_free(a);
    if (damage_after >= 0) {
        std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(static_cast<std::streamoff>(offsets.at(static_cast<size_t>(damage_after))));
        f << std::string(512, 'x');
    }
}

void WriteTree(const std::string& dir, const Package& package) {
    for (const PackageEntry& e : package) WriteFile(dir + "/" + e.path, e.content, e.mode);
}

std::map<std::string, std::string> Tree(const std::string& dir) {
    std::map<std::string, std::string> t;
    std::error_code ec;
    if (!fs::is_directory(fs::symlink_status(dir, ec))) return t;
    for (auto it = fs::recursive_directory_iterator(dir); it != fs::recursive_directory_iterator();
         ++it) {
        const std::string rel = fs::relative(it->path(), dir).string();
        const fs::file_status st = it->symlink_status();
        if (fs::is_symlink(st))
            t[rel] = "-> " + fs::read_symlink(it->path()).string();
        else if (fs::is_directory(st))
            t[rel + "/"] = "";
        else
            t[rel] = ReadFile(it->path().string());
    }
    return t;
}

std::map<std::string, std::string> TreeOf(const Package& package) {
    std::map<std::string, std::string> t;
    for (const PackageEntry& e : package) {
        t[e.path] = e.content;
        for (fs::path p = fs::path(e.path).parent_path(); !p.empty(); p = p.parent_path())
            t[p.string() + "/"] = "";
    }
    return t;
}

}  // namespace nimbra_test
