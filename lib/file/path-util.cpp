#include "file/path-util.h"

#include <errno.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "file/mkdir-p.h"

namespace {

// The elements of path that survive cleaning, in order.
std::vector<std::string> CleanElements(const std::string& path) {
    std::vector<std::string> kept;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        const std::string e = path.substr(start, end - start);
        start = end + 1;
        if (e.empty() || e == ".") continue;
        if (e != "..") {
            kept.push_back(e);
        } else if (!kept.empty() && kept.back() != "..") {
            kept.pop_back();
        } else {
            kept.push_back(e);  // above the start (or the root): kept
        }
    }
    return kept;
}

}  // namespace

std::string CleanPath(const std::string& path) {
    if (path.empty()) return path;
    const bool absolute = path[0] == '/';
    std::string out;
    for (const std::string& e : CleanElements(path)) {
        if (!out.empty() || absolute) out += '/';
        out += e;
    }
    if (out.empty()) out = absolute ? "/" : ".";
    return out;
}

bool MakeFolders(const std::string& path) {
    // Levels above the last that are no folder are left to fail the mkdir
    // below them; the last one must be a folder.
    const auto decide = [](const char*, bool followed, bool last) {
        if (!last) return InTheWay::kGoOn;
        if (followed) errno = ENOTDIR;
        return InTheWay::kFail;
    };
    return MkdirP(path, 0777, decide, nullptr) == 0;
}

std::string ReadLinkBytes(const std::string& path) {
    char buf[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), buf, sizeof(buf));
    if (n < 0) return std::string();
    if (static_cast<size_t>(n) >= sizeof(buf)) {
        errno = ENAMETOOLONG;
        return std::string();
    }
    return std::string(buf, static_cast<size_t>(n));
}
