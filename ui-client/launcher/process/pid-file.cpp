#include "process/pid-file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "config.h"
#include "file/path-util.h"
#include "process/process-info.h"

namespace {

// The last "pid" value of text, one key=value line after the other; false
// when a line breaks the grammar.
bool LastPidValue(const std::string& text, ustring* value) {
    Config config;
    ustring pid;
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        std::string line = text.substr(at, end - at);
        at = end + 1;
        ustring key, v;
        const int rc = config.parse(&line[0], static_cast<int>(line.size()), key, v);
        if (rc == 0 && key == ustring("pid")) pid = v;
        if (rc == 2) return false;
    }
    *value = pid;
    return true;
}

}  // namespace

PidFileRead ReadPidValue(const ustring& path, ustring* value, Status* status) {
    std::string text;
    bool whole = false;
    if (!ReadHead(path.c_str(), kMaxPidFileSize, &text, &whole)) {
        const int err = errno;
        if (status != nullptr)
            status->Update(Status::Failed("read " + std::string(path.c_str()), err));
        return PidFileRead::kNotRead;
    }
    if (!whole) return PidFileRead::kTooLarge;
    if (!LastPidValue(text, value)) return PidFileRead::kMalformed;
    return value->empty() ? PidFileRead::kNoPid : PidFileRead::kPid;
}

// A file that is there but can't be read may name a client that runs. One
// that vanished or was replaced by something else between the read and this
// look names none.
PidFileProblem WhyNotRead(const ustring& path, int err) {
    struct stat st;
    const bool found = lstat(path.c_str(), &st) == 0;
    if (found && !S_ISREG(st.st_mode)) return PidFileProblem::kNotRegular;
    if (err != ENOENT && (found || errno != ENOENT)) return PidFileProblem::kUnreadable;
    return PidFileProblem::kAbsent;
}

FileStamp StampOf(const ustring& path) {
    FileStamp stamp;
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return stamp;
    stamp.exists = true;
    stamp.ino = st.st_ino;
    stamp.mtime_ns = Nanoseconds(st.st_mtim);
    stamp.size = st.st_size;
    return stamp;
}
