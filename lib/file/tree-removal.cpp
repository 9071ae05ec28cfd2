#include "file/tree-removal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "file/unique-fd.h"
#include "log.h"

namespace {

const char kLogComponent[] = "service_debug";
const char kLogSource[] = "tree-removal";

// A folder on the branch being emptied.
struct Level {
    dev_t dev;
    ino_t ino;
    std::string name;                     // its name in the folder one level up
    std::vector<std::string> subfolders;  // found by the scan, still to be removed
};

// Empties and removes one folder tree depth first. Only the current
// folder is held open: the way back up is "..", checked against the folder
// recorded on the way down, so the descriptor count doesn't grow with depth.
// A folder is read once; its subfolders are remembered by name, so a folder
// that can't be removed is not met again.
class TreeRemover {
public:
    // parent: the folder holding name; it stays the caller's.
    TreeRemover(int parent, std::string name) : parent_(parent), name_(std::move(name)) {}

    // 0 when nothing is left of the tree, else -1 with errno() and failed().
    int Run();
    int error() const { return errno_; }
    // The relative path of the first entry that could not be removed.
    const std::string& failed() const { return failed_; }

private:
    int OpenFolder(int at, const std::string& name, struct stat* st);
    bool AllowReading(int at, const std::string& name);
    void Scan(int fd);
    void RemoveUnopened(int at, const std::string& name, int open_errno);
    void RemoveFolder(int at, const std::string& name);
    bool Climb();
    void Fail(const std::string& name, int err);

    const int parent_;
    const std::string name_;
    const uid_t euid_ = geteuid();
    UniqueFd cur_;
    std::vector<Level> levels_;
    std::vector<char> entries_ = std::vector<char>(32 * 1024);  // one read of a folder
    int errno_ = 0;
    std::string failed_;
};

int TreeRemover::Run() {
    struct stat st;
    cur_.reset(OpenFolder(parent_, name_, &st));
    if (!cur_.ok()) {
        RemoveUnopened(parent_, name_, errno);
        return errno_ == 0 ? 0 : -1;
    }
    levels_.push_back({st.st_dev, st.st_ino, name_, {}});
    Scan(cur_.get());
    while (true) {
        Level& top = levels_.back();
        if (!top.subfolders.empty()) {
            std::string name = std::move(top.subfolders.back());
            top.subfolders.pop_back();
            UniqueFd child(OpenFolder(cur_.get(), name, &st));
            if (!child.ok()) {
                RemoveUnopened(cur_.get(), name, errno);
                continue;
            }
            levels_.push_back({st.st_dev, st.st_ino, std::move(name), {}});
            cur_ = std::move(child);
            Scan(cur_.get());
        } else if (levels_.size() == 1) {
            break;
        } else if (!Climb()) {
            return -1;
        }
    }
    cur_.reset();
    levels_.clear();
    RemoveFolder(parent_, name_);
    return errno_ == 0 ? 0 : -1;
}

// Opens the folder name in at for reading and gives its owner full access
// if that is this user, so that it can be emptied. -1 with errno ENOTDIR
// when it is no folder (a link included), ENOENT when it is gone.
int TreeRemover::OpenFolder(int at, const std::string& name, struct stat* st) {
    const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int fd = openat(at, name.c_str(), flags);
    if (fd < 0 && errno == EACCES && AllowReading(at, name)) fd = openat(at, name.c_str(), flags);
    if (fd < 0) {
        if (errno == ELOOP) errno = ENOTDIR;  // a link, refused by O_NOFOLLOW
        return -1;
    }
    if (fstat(fd, st) != 0) {
        const int err = errno;
        close(fd);
        errno = err;
        return -1;
    }
    // Through the open folder itself: nothing can take its place meanwhile.
    if (st->st_uid == euid_ && (st->st_mode & S_IRWXU) != S_IRWXU)
        fchmod(fd, (st->st_mode & 07777) | S_IRWXU);
    return fd;
}

// For a folder of this user that can't be opened (no read or search right):
// gives its owner full access. Whether the mode was changed.
bool TreeRemover::AllowReading(int at, const std::string& name) {
    struct stat st;
    if (fstatat(at, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(st.st_mode) ||
        st.st_uid != euid_) {
        errno = EACCES;
        return false;
    }
    // AT_SYMLINK_NOFOLLOW: should a link have taken the folder's place since
    // the fstatat, the change fails instead of reaching the link's target.
    if (fchmodat(at, name.c_str(), (st.st_mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW) == 0)
        return true;
    errno = EACCES;
    return false;
}

// Reads the folder fd once, straight from the kernel in its own order:
// removes every entry that is no folder as it comes, by the type the folder
// records (no stat per entry), and records the folders for the walk.
void TreeRemover::Scan(int fd) {
    std::vector<std::string>& subfolders = levels_.back().subfolders;
    for (;;) {
        const ssize_t n = getdents64(fd, entries_.data(), entries_.size());
        if (n == 0) return;
        if (n < 0) {
            Fail(std::string(), errno);
            return;
        }
        for (ssize_t at = 0; at < n;) {
            const auto* e = reinterpret_cast<const struct dirent64*>(entries_.data() + at);
            at += e->d_reclen;
            if (strcmp(e->d_name, ".") == 0 || strcmp(e->d_name, "..") == 0) continue;
            // Linux refuses to unlink a folder with EISDIR, which also covers
            // file systems that don't fill in the type.
            if (e->d_type == DT_DIR || unlinkat(fd, e->d_name, 0) != 0) {
                if (e->d_type == DT_DIR || errno == EISDIR)
                    subfolders.emplace_back(e->d_name);
                else if (errno != ENOENT)
                    Fail(e->d_name, errno);
            }
        }
    }
}

// Removes the entry name in at that OpenFolder could not open.
void TreeRemover::RemoveUnopened(int at, const std::string& name, int open_errno) {
    if (open_errno == ENOENT) return;
    if (open_errno == ENOTDIR) {
        if (unlinkat(at, name.c_str(), 0) != 0 && errno != ENOENT) Fail(name, errno);
        return;
    }
    Fail(name, open_errno);
}

void TreeRemover::RemoveFolder(int at, const std::string& name) {
    if (unlinkat(at, name.c_str(), AT_REMOVEDIR) != 0 && errno != ENOENT) Fail(name, errno);
}

// Leaves the emptied current folder for the one above and removes it there.
// false when ".." is not the folder the walk came from (the branch was
// moved meanwhile): the way back is lost and the walk ends.
bool TreeRemover::Climb() {
    // O_PATH: the folder above was read already; only *at calls remain.
    UniqueFd up(openat(cur_.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
    const Level& above = levels_[levels_.size() - 2];
    struct stat st;
    if (!up.ok() || fstat(up.get(), &st) != 0) {
        Fail(std::string(), errno);
        return false;
    }
    if (st.st_dev != above.dev || st.st_ino != above.ino) {
        Fail(std::string(), ESTALE);
        return false;
    }
    cur_ = std::move(up);
    const std::string name = std::move(levels_.back().name);
    levels_.pop_back();
    RemoveFolder(cur_.get(), name);
    return true;
}

// Records the first failure: name in the current folder (empty: the
// current folder itself; no current folder: the tree's top).
void TreeRemover::Fail(const std::string& name, int err) {
    if (errno_ != 0) return;
    errno_ = err;
    for (size_t i = 1; i < levels_.size(); ++i) failed_ += "/" + levels_[i].name;
    if (!levels_.empty() && !name.empty()) failed_ += "/" + name;
}

}  // namespace

int RemoveTree(const ustring& given) {
    // With a trailing "/" a final link to a folder would be followed: work
    // on the name without it.
    const size_t last = given.find_last_not_of('/', ustring::npos);
    if (last == ustring::npos) {
        errno = EINVAL;
        return -1;
    }
    const std::string path(given.c_str(), last + 1);
    const size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name == "." || name == "..") {
        errno = EINVAL;
        return -1;
    }
    const std::string parent_path =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    UniqueFd parent(open(parent_path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!parent.ok() && (errno == ENOENT || errno == ENOTDIR)) return 0;
    int err = errno;
    std::string failed;
    if (parent.ok()) {
        TreeRemover remover(parent.get(), name);
        if (remover.Run() == 0) return 0;
        err = remover.error();
        failed = remover.failed();
    }
    NLOG_WARNING("cannot remove '%s%s': %s\n", path.c_str(), failed.c_str(), strerror(err));
    errno = err;
    return -1;
}
