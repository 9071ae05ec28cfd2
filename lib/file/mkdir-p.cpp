#include "file/mkdir-p.h"

#include <errno.h>
#include <stdio.h>
#include <sys/stat.h>

namespace {

// Makes one level. mkdir comes first, so a level made by someone else
// between a check and the mkdir cannot fail the walk.
int MakeLevel(const std::string& level, mode_t mode, bool last, const InTheWayDecider& decide) {
    if (mkdir(level.c_str(), mode) == 0) return 0;
    if (errno != EEXIST) return -1;
    struct stat st;
    const bool followed = stat(level.c_str(), &st) == 0;
    if (followed && S_ISDIR(st.st_mode)) return 0;  // a folder, or a link to one
    switch (decide(level.c_str(), followed, last)) {
        case InTheWay::kGoOn:
            return 0;
        case InTheWay::kReplace:
            remove(level.c_str());
            return mkdir(level.c_str(), mode) == 0 ? 0 : -1;
        case InTheWay::kFail:
            break;
    }
    return -1;
}

}  // namespace

int MkdirP(const std::string& path, mode_t mode, const InTheWayDecider& decide, size_t* end) {
    const size_t len = path.size();
    size_t level_end = 0;
    int result = 0;
    // A leading slash belongs to the first level; a trailing one ends the last.
    for (size_t pos = !path.empty() && path[0] == '/' ? 1 : 0;; pos = level_end + 1) {
        level_end = path.find('/', pos);
        if (level_end == std::string::npos) level_end = len;
        const bool last = level_end == len || level_end + 1 == len;
        if (MakeLevel(path.substr(0, level_end), mode, last, decide) != 0) {
            result = -1;
            break;
        }
        if (last) break;
    }
    if (end != nullptr) *end = level_end;
    return result;
}
