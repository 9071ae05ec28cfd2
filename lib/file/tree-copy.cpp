#include "file/tree-copy.h"

#include <cerrno>
#include <string>

#include "file/file-op.h"

namespace {

std::string Quoted(const ustring& path) {
    return std::string("'") + path.c_str() + "'";
}

// One copy in progress: the observer, and the failure reported to it.
class TreeCopy {
public:
    explicit TreeCopy(const TreeCopyObserver& observe) : observe_(observe) {}

    Status Path(const ustring& src, const ustring& dest);

private:
    Status Folder(const ustring& src, const ustring& dest);
    Status Entries(DIR_HANDLE& handle, const ustring& src, const ustring& dest);
    void Tell(TreeCopyStep step, const ustring& from, const ustring& to) const {
        if (observe_) observe_(step, from, to);
    }
    // Tells step and returns the failure of call, with the errno it left.
    Status Fail(TreeCopyStep step, const std::string& call, const ustring& from,
                const ustring& to) const {
        const int err = errno;
        Tell(step, from, to);
        return Status::Failed(call, err);
    }

    const TreeCopyObserver& observe_;
};

Status TreeCopy::Path(const ustring& src, const ustring& dest) {
    Tell(TreeCopyStep::kCopying, src, dest);
    FILE_INFO info;
    if (FSStat(src, info, false) != 0)
        return Fail(TreeCopyStep::kStat, "stat " + Quoted(src), src, dest);
    if (!info.isExist) {
        errno = ENOENT;
        return Fail(TreeCopyStep::kMissing, "stat " + Quoted(src), src, dest);
    }
    if (info.type == FT_DIR) return Folder(src, dest);
    if (FSCopy(src, dest, false) == 0) return Status();
    return Fail(TreeCopyStep::kCopyEntry, "copy " + Quoted(src) + " to " + Quoted(dest), src, dest);
}

Status TreeCopy::Folder(const ustring& src, const ustring& dest) {
    // A destination inside the source would be copied into itself without end.
    if (FSIsParentFolder(src, dest)) {
        errno = EINVAL;
        return Fail(TreeCopyStep::kIntoItself, "copy " + Quoted(src) + " into " + Quoted(dest), src,
                    dest);
    }
    if (FSMKDir(dest, true) != 0)
        return Fail(TreeCopyStep::kMakeFolder, "mkdir " + Quoted(dest), src, dest);
    DIR_HANDLE handle;
    if (FSOpenDir(src, 0, handle) != 0)
        return Fail(TreeCopyStep::kOpenFolder, "opendir " + Quoted(src), src, dest);
    const Status result = Entries(handle, src, dest);
    FSCloseDir(handle);
    return result;
}

Status TreeCopy::Entries(DIR_HANDLE& handle, const ustring& src, const ustring& dest) {
    DIR_ENTRY entry;
    for (;;) {
        const int read = FSReadDir(handle, entry);
        if (read == 0) return Status();
        if (read < 0) return Fail(TreeCopyStep::kReadFolder, "readdir " + Quoted(src), src, dest);
        if (entry.name == ustring(".") || entry.name == ustring("..")) continue;
        const ustring from = src + "/" + entry.name;
        const ustring to = dest + "/" + entry.name;
        if (entry.type == FT_DIR) {
            const Status copied = Path(from, to);
            if (copied.ok()) continue;
            Tell(TreeCopyStep::kCopyEntry, from, to);
            return copied;
        }
        if (FSCopy(from, to, false) < 0)
            return Fail(TreeCopyStep::kCopyEntry, "copy " + Quoted(from) + " to " + Quoted(to),
                        from, to);
    }
}

}  // namespace

Status CopyTree(const ustring& src, const ustring& dest, const TreeCopyObserver& observe) {
    return TreeCopy(observe).Path(src, dest);
}
