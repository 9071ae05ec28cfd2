#include "file/path-util.h"

#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "file/file-op.h"
#include "file/mkdir-p.h"
#include "file/unique-fd.h"

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

std::string RealPath(const std::string& path) {
    char* r = realpath(path.c_str(), nullptr);
    if (r == nullptr) return std::string();
    std::string s(r);
    free(r);
    return s;
}

bool IsWithin(const std::string& folder, const std::string& path) {
    if (folder.empty()) return false;
    // "/" (or any folder given with its slash) holds whatever starts with it.
    if (folder.back() == '/') return path.compare(0, folder.size(), folder) == 0;
    return FSIsParentFolder(ustring(folder), ustring(path));
}

int ReadHeadOf(int fd, size_t limit, std::string* head, bool* whole) {
    head->clear();
    struct stat st;
    int err = fstat(fd, &st) != 0 ? errno : !S_ISREG(st.st_mode) ? EINVAL : 0;
    while (err == 0 && head->size() <= limit) {
        char buf[4096];
        const ssize_t n = read(fd, buf, std::min(sizeof(buf), limit + 1 - head->size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) err = errno;
        if (n <= 0) break;
        head->append(buf, static_cast<size_t>(n));
    }
    if (whole != nullptr) *whole = head->size() <= limit;
    if (head->size() > limit) head->resize(limit);
    return err;
}

bool ReadHead(const std::string& path, size_t limit, std::string* head, bool* whole) {
    UniqueFd fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.ok()) return false;
    const int err = ReadHeadOf(fd.get(), limit, head, whole);
    if (err == 0) return true;
    fd.reset();
    errno = err;  // what failed, for the caller
    return false;
}
