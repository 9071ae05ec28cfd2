// Sample packages for the tests of the service and of the whole launcher:
// a package is a list of regular files, written as a real archive (or as
// the tree an extraction would give) and compared as a tree of files.
#ifndef NIMBRA_TESTS_SUPPORT_PACKAGE_H
#define NIMBRA_TESTS_SUPPORT_PACKAGE_H

#include <map>
#include <string>
#include <vector>

namespace nimbra_test {

struct PackageEntry {
    std::string path;
    std::string content;
    int mode = 0644;
};
typedef std::vector<PackageEntry> Package;

// "[Version]" INFO text of the given build (major 3, minor 1, icon overlay 7).
std::string InfoText(int build);

// A client package of the given build: INFO, bin/nimbra-backup-ui and
// package/start-stop (both executable) with the given texts, and `fillers`
// small data files named by filler_format (a printf format of the index).
Package ClientPackage(int build, const std::string& client, const std::string& start_stop,
                      int fillers, const char* filler_format);

// Writes the package as a gzip-compressed tar, creating missing folders.
// With damage_after >= 0 it is written uncompressed and the header of that
// entry is overwritten with garbage, so reading fails after the entries
// before it.
void WritePackage(const std::string& path, const Package& package, int damage_after = -1);
// Writes the package's files below dir, as an extraction would.
void WriteTree(const std::string& dir, const Package& package);

// Everything below dir as relative path -> content: folders with a trailing
// "/" and an empty content, links as "-> target". Empty when dir is missing.
std::map<std::string, std::string> Tree(const std::string& dir);
// What Tree() gives for a folder holding exactly the package.
std::map<std::string, std::string> TreeOf(const Package& package);

}  // namespace nimbra_test

#endif  // NIMBRA_TESTS_SUPPORT_PACKAGE_H
