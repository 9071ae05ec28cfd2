#include "file/tree-copy.h"

#include <cerrno>
#include <string>

#include "file/file-op.h"

namespace {

std::string Quoted(const ustring& path) {
    return std::string("'") + path.c_str() + "'";
}

std::string CopyFailure(const ustring& from, const ustring& to) {
    return "failed to copy from " + Quoted(from) + " to " + Quoted(to);
}

// One copy in progress: the observer, and the failure reported to it.
class TreeCopy {
public:
    explicit TreeCopy(const TreeCopyObserver& observe) : observe_(observe) {}

    Status Path(const ustring& src, const ustring& dest);

private:
    Status Folder(const ustring& src, const ustring& dest);
    Status Entries(DIR_HANDLE& handle, const ustring& src, const ustring& dest);
    void Tell(bool failed, const std::string& text) const {
        if (observe_) observe_(failed, text);
    }
    // Tells what failed and returns the failure of call with err (read by
    // the caller before these texts are built: building them may set errno).
    Status Fail(int err, const std::string& what, const std::string& call) const {
        Tell(true, what);
        return Status::Failed(call, err);
    }

    const TreeCopyObserver& observe_;
};

Status TreeCopy::Path(const ustring& src, const ustring& dest) {
    Tell(false, "copy from " + Quoted(src) + " to " + Quoted(dest));
    FILE_INFO info;
    if (FSStat(src, info, false) != 0) {
        const int err = errno;
        return Fail(err, "failed to stat source " + Quoted(src), "stat " + Quoted(src));
    }
    if (!info.isExist) {
        return Fail(ENOENT, "source path " + Quoted(src) + " does not exist",
                    "stat " + Quoted(src));
    }
    if (info.type == FT_DIR) return Folder(src, dest);
    if (FSCopy(src, dest, false) == 0) return Status();
    const int err = errno;
    return Fail(err, CopyFailure(src, dest), "copy " + Quoted(src) + " to " + Quoted(dest));
}

Status TreeCopy::Folder(const ustring& src, const ustring& dest) {
    // A destination inside the source would be copied into itself without end.
    if (FSIsParentFolder(src, dest)) {
        return Fail(EINVAL, "dest folder " + Quoted(dest) + " lies inside " + Quoted(src),
                    "copy " + Quoted(src) + " into " + Quoted(dest));
    }
    if (FSMKDir(dest, true) != 0) {
        const int err = errno;
        return Fail(err, "failed to create dest folder " + Quoted(dest), "mkdir " + Quoted(dest));
    }
    DIR_HANDLE handle;
    if (FSOpenDir(src, 0, handle) != 0) {
        const int err = errno;
        return Fail(err, "failed to open source folder " + Quoted(src), "opendir " + Quoted(src));
    }
    const Status result = Entries(handle, src, dest);
    FSCloseDir(handle);
    return result;
}

Status TreeCopy::Entries(DIR_HANDLE& handle, const ustring& src, const ustring& dest) {
    DIR_ENTRY entry;
    for (;;) {
        const int read = FSReadDir(handle, entry);
        if (read == 0) return Status();
        if (read < 0) {
            const int err = errno;
            return Fail(err, "failed to read source folder " + Quoted(src),
                        "readdir " + Quoted(src));
        }
        if (entry.name == ustring(".") || entry.name == ustring("..")) continue;
        const ustring from = src + "/" + entry.name;
        const ustring to = dest + "/" + entry.name;
        if (entry.type == FT_DIR) {
            const Status copied = Path(from, to);
            if (copied.ok()) continue;
            Tell(true, CopyFailure(from, to));
            return copied;
        }
        if (FSCopy(from, to, false) < 0) {
            const int err = errno;
            return Fail(err, CopyFailure(from, to), "copy " + Quoted(from) + " to " + Quoted(to));
        }
    }
}

}  // namespace

Status CopyTree(const ustring& src, const ustring& dest, const TreeCopyObserver& observe) {
    return TreeCopy(observe).Path(src, dest);
}
