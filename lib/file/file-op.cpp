#include "file/file-op.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/time.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstdarg>
#include <memory>
#include <new>
#include <string>

#include "file/mkdir-p.h"
#include "file/path-util.h"
#include "file/tree-removal.h"
#include "file/unique-fd.h"
#include "log.h"
#include "tmp_name_gen.h"

namespace {

const char kLogComponent[] = "file_op_debug";
const char kLogSource[] = "file-op";
const size_t kCopyBufferSize = 33554432;  // 32 MiB
const unsigned int kDefaultMode = static_cast<unsigned int>(-1);

const uint32_t kNfsMagic = 0x6969;
const uint32_t kCifsMagic = 0xFF534D42;
const uint32_t kMsdosMagic = 0x4D44;

// Reads the next entry of dp into *buf. 1: *entry points at the entry;
// 0: end of the listing; -1: read error, errno set.
int ReadEntry(DIR* dp, struct dirent* buf, struct dirent** entry) {
    // readdir_r is deprecated in glibc because readdir is thread-safe per
    // stream there, but the re-entrant call is still correct and keeps the
    // entry in storage that belongs to the caller.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const int err = readdir_r(dp, buf, entry);
#pragma GCC diagnostic pop
    if (err != 0) {
        errno = err;
        return -1;
    }
    return *entry != nullptr ? 1 : 0;
}

// One open directory stream for the tree walks, which report failures only
// through their results; closed when the reader goes.
class DirReader {
public:
    explicit DirReader(const ustring& path) : dp_(opendir(path.c_str())) {}
    ~DirReader() {
        if (dp_ != nullptr) closedir(dp_);
    }
    DirReader(const DirReader&) = delete;
    DirReader& operator=(const DirReader&) = delete;

    bool is_open() const { return dp_ != nullptr; }
    // As ReadEntry; "." and ".." are skipped. *name stays valid until the
    // next call.
    int Next(const char** name) {
        for (;;) {
            struct dirent* entry = nullptr;
            const int r = ReadEntry(dp_, &buf_, &entry);
            if (r <= 0) return r;
            if (strcmp(entry->d_name, ".") == 0 || strcmp(entry->d_name, "..") == 0) continue;
            *name = entry->d_name;
            return 1;
        }
    }

private:
    DIR* dp_;
    struct dirent buf_;
};

FILE_TYPE TypeFromMode(mode_t mode) {
    if (S_ISREG(mode)) return FT_FILE;
    if (S_ISDIR(mode)) return FT_DIR;
    if (S_ISLNK(mode)) return FT_SLINK;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return FT_DEV;
    if (S_ISFIFO(mode)) return FT_FIFO;
    if (S_ISSOCK(mode)) return FT_SOCK;
    return FT_ERR;
}

FILE_TYPE TypeFromDirent(unsigned char d_type) {
    switch (d_type) {
        case DT_REG:
            return FT_FILE;
        case DT_DIR:
            return FT_DIR;
        case DT_LNK:
            return FT_SLINK;
        case DT_CHR:
        case DT_BLK:
            return FT_DEV;
        case DT_FIFO:
            return FT_FIFO;
        case DT_SOCK:
            return FT_SOCK;
        default:
            return FT_ERR;
    }
}

// Sets the process umask to 0 while it lives, when asked to.
class UmaskZero {
public:
    explicit UmaskZero(bool active) : active_(active), old_(active ? umask(0) : 0) {}
    ~UmaskZero() {
        if (active_) umask(old_);
    }
    UmaskZero(const UmaskZero&) = delete;
    UmaskZero& operator=(const UmaskZero&) = delete;

private:
    bool active_;
    mode_t old_;
};

struct FreeDeleter {
    void operator()(char* p) const { free(p); }
};

bool IsOutOfSpace(int err) {
    return err == ENOSPC || err == EDQUOT;
}

// Moves one entry that rename() cannot move across file systems because it
// is neither a file nor a directory. A symbolic link is made again at `to`
// with the same content; other kinds are refused. 0 or -3, silent.
int MoveSpecialAcrossFs(const ustring& from, const ustring& to, FILE_TYPE type, uint64_t size) {
    if (type != FT_SLINK) {
        errno = EXDEV;
        return -3;
    }
    const std::string target = ReadLinkBytes(from.c_str());
    // A link whose content changed since it was examined is left alone.
    if (target.empty() || target.size() != size) return -3;
    if (symlink(target.c_str(), to.c_str()) != 0) return -3;
    if (remove(from.c_str()) != 0) return -3;
    return 0;
}

}  // namespace

bool _FILE_INFO_tag::operator==(const _FILE_INFO_tag& o) const {
    return isExist == o.isExist && size == o.size && mtime == o.mtime && type == o.type &&
           path == o.path && name == o.name;
}

int GetFileInfo(const ustring& path, FILE_INFO& info) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) return -1;
        info.isExist = false;
        info.mtime = 0;
        info.name = FSBaseName(path);
        if (&info.path != &path) info.path = path;
        info.size = 0;
        info.type = FT_ERR;
        info.uid = 0;
        info.gid = 0;
        info.mode = 0;
        info.dev_id = 0;
        return 0;
    }
    info.isExist = true;
    info.mtime = static_cast<uint32_t>(st.st_mtime);
    info.name = FSBaseName(path);
    if (&info.path != &path) info.path = path;
    info.size = static_cast<uint64_t>(st.st_size);
    info.uid = st.st_uid;
    info.gid = st.st_gid;
    info.mode = st.st_mode;
    info.dev_id = st.st_dev;
    const FILE_TYPE type = TypeFromMode(st.st_mode);
    if (type == FT_ERR) return -1;
    info.type = type;
    return 0;
}

int FSStat(const ustring& path, FILE_INFO& info, bool /*do_case_check*/) {
    if (path.empty()) return -1;
    return GetFileInfo(path, info) == 0 ? 0 : -2;
}

bool IsFileExist(const ustring& path, bool /*do_case_check*/) {
    if (path.empty()) return false;
    FILE_INFO info;
    return GetFileInfo(path, info) == 0 && info.isExist;
}

namespace {

// FSMKDirP's answer to a level that exists but is no folder: replaced when
// forced, else a notice, and for the last level the call fails with EEXIST.
InTheWay FSMKDirPInTheWay(const char* level, bool followed, bool force, bool last) {
    if (!followed) {
        errno = EEXIST;  // a link that cannot be followed is never replaced
        return InTheWay::kFail;
    }
    if (force) return InTheWay::kReplace;
    if (last) {
        errno = EEXIST;
        NLOG_INFO("FSMKDirP: path: %s is existing file or symbolic link pointed to file\n", level);
        return InTheWay::kFail;
    }
    // The next level cannot be made below it; that failure ends the call.
    NLOG_INFO("FSMKDirP: path: %s is symbolic link pointed to folder\n", level);
    return InTheWay::kGoOn;
}

}  // namespace

int FSMKDirP(const ustring& path, char** endptr, bool blForceCreate, unsigned int mode) {
    if (path.empty()) return -1;
    const bool exact_mode = mode != kDefaultMode;
    UmaskZero umask_guard(exact_mode);
    const auto decide = [blForceCreate](const char* level, bool followed, bool last) {
        return FSMKDirPInTheWay(level, followed, blForceCreate, last);
    };
    size_t end = 0;
    const int result =
        MkdirP(path.c_str(), exact_mode ? static_cast<mode_t>(mode) : 0777, decide, &end);
    if (endptr != nullptr) *endptr = const_cast<char*>(path.c_str()) + end;
    return result;
}

int FSMKDir(const ustring& path, bool isCreateParent) {
    if (path.empty()) return -1;
    FILE_INFO info;
    if (GetFileInfo(path, info) != 0) {
        NLOG_ERROR("FSMKDir: Failed to to file info '%s'\n", path.c_str());
        return -1;
    }
    if (info.isExist) {
        if (info.type == FT_DIR) return 0;
        NLOG_ERROR("FSMKDir: Create a folder but local file system is not directory '%s' (%d)\n",
                   path.c_str(), static_cast<int>(info.type));
        return -1;
    }
    const int r =
        isCreateParent ? FSMKDirP(path, nullptr, false, kDefaultMode) : mkdir(path.c_str(), 0777);
    if (r != 0) {
        NLOG_ERROR("path = %s errno : %s\n", path.c_str(), strerror(errno));
        return -2;
    }
    return 0;
}

int FSMKDirFromRoot(const ustring& path, const ustring& from) {
    const ustring& target = path;
    const ustring& root = from;
    if (root.length() > target.length()) {
        NLOG_ERROR("Giving a root '%s' whose length is larger then target's '%s'.\n", root.c_str(),
                   target.c_str());
        return -1;
    }
    if (!FSIsParentFolder(root, target)) {
        NLOG_ERROR("root '%s' is not a parent folder of target '%s'\n", root.c_str(),
                   target.c_str());
        return -1;
    }
    const ustring rel = target.substr(root.length(), ustring::npos);
    ustring created;
    while (created != rel) {
        // Each round takes at least one more byte, so the loop ends.
        const size_t next = rel.find('/', created.length() + 1);
        created = next == ustring::npos ? rel : rel.substr(0, next);
        NLOG_DEBUG("FSMKDirFromRoot: create %s\n", created.c_str());
        if (FSMKDir(root + created, false) < 0) return -1;
    }
    return 0;
}

namespace {

// Copies in to out with copy_file_range, in blocks of up to 32 MiB: the bytes
// stay in the kernel, and a file system that can share or clone them does.
// true when in is at its end; false leaves the rest, from the current
// offsets, to CopyThroughBuffer: when the call is not supported for these
// files, when it fails (the buffered copy then meets the fault again and
// reports it as a read or a write failure), and when it copies nothing at
// all (some file systems report their files as empty to it).
bool CopyInKernel(int in, int out) {
    bool copied = false;
    for (;;) {
        const ssize_t n = copy_file_range(in, nullptr, out, nullptr, kCopyBufferSize, 0);
        if (n > 0) {
            copied = true;
            continue;
        }
        if (n == 0) return copied;
        if (errno != EINTR) return false;
    }
}

// Copies the rest of in to out through buf (kCopyBufferSize bytes), going on
// after partial writes. 0; -2 when out of space or quota; -1 otherwise.
int CopyThroughBuffer(int in, int out, char* buf) {
    for (;;) {
        const ssize_t n = read(in, buf, kCopyBufferSize);
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            NLOG_ERROR("CopyFile: read: %s (%d)\n", strerror(errno), errno);
            return -1;
        }
        ssize_t done = 0;
        while (done < n) {
            const ssize_t w = write(out, buf + done, n - done);
            if (w > 0) {
                done += w;
                continue;
            }
            if (w < 0 && errno == EINTR) continue;
            NLOG_ERROR("CopyFile: write: %s (%d)\n", strerror(errno), errno);
            return IsOutOfSpace(errno) ? -2 : -1;
        }
    }
}

// Opens dst for the copy of in: created, and truncated only once it is known
// not to be the source itself (copying a file onto itself would otherwise
// empty it, and delete it with isDelOrigin). -1 and a message on failure.
int OpenCopyTarget(int in, const ustring& src, const ustring& dst) {
    UniqueFd out(open(dst.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
    if (out.get() < 0) {
        NLOG_ERROR("CopyFile: open(%s): %s (%d)\n", dst.c_str(), strerror(errno), errno);
        return -1;
    }
    struct stat in_st, out_st;
    if (fstat(in, &in_st) == 0 && fstat(out.get(), &out_st) == 0 && in_st.st_dev == out_st.st_dev &&
        in_st.st_ino == out_st.st_ino) {
        errno = EINVAL;
        NLOG_ERROR("CopyFile: '%s' and '%s' are the same file\n", src.c_str(), dst.c_str());
        return -1;
    }
    if (ftruncate(out.get(), 0) != 0) {
        NLOG_ERROR("CopyFile: open(%s): %s (%d)\n", dst.c_str(), strerror(errno), errno);
        return -1;
    }
    return out.release();
}

}  // namespace

int FSCopy(const ustring& src, const ustring& dst, bool isDelOrigin) {
    UniqueFd in(open(src.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) {
        NLOG_ERROR("CopyFile: open(%s): %s (%d)\n", src.c_str(), strerror(errno), errno);
        return -1;
    }
    UniqueFd out(OpenCopyTarget(in.get(), src, dst));
    if (out.get() < 0) return -1;

    int result = 0;
    // Untouched, the buffer costs no memory: the kernel copies where it can.
    std::unique_ptr<char, FreeDeleter> buf(static_cast<char*>(malloc(kCopyBufferSize)));
    if (!buf) {
        NLOG_ERROR("FSCopy: malloc(%d): %s (%d)\n", static_cast<int>(kCopyBufferSize),
                   strerror(errno), errno);
        result = -1;
    }
    if (result == 0 && !CopyInKernel(in.get(), out.get())) {
        result = CopyThroughBuffer(in.get(), out.get(), buf.get());
    }
    buf.reset();
    in.close();

    // The copy counts only once it is on disk: a file system may report a
    // lack of space as late as fsync or close, and the source must not be
    // removed before the copy is safe.
    const int sync_err = fsync(out.get()) != 0 ? errno : 0;
    const int close_err = out.close() != 0 ? errno : 0;
    if (result == 0 && (sync_err != 0 || close_err != 0)) {
        errno = sync_err != 0 ? sync_err : close_err;
        NLOG_ERROR("CopyFile: write: %s (%d)\n", strerror(errno), errno);
        result = IsOutOfSpace(errno) ? -2 : -1;
    }
    if (result == 0 && isDelOrigin && remove(src.c_str()) != 0) result = -1;
    return result;
}

int FSRename(const ustring& from, const ustring& to, bool do_case_check) {
    if (from.empty() || to.empty()) return -1;
    FILE_INFO info;
    if (FSStat(from, info, do_case_check) != 0 || !info.isExist) return -2;
    if (rename(from.c_str(), to.c_str()) == 0) return 0;
    if (errno == ENAMETOOLONG) return -100;
    if (errno != EXDEV) return -3;

    if (info.type == FT_FILE) return FSCopy(from, to, true) == 0 ? 0 : -3;
    if (info.type != FT_DIR) return MoveSpecialAcrossFs(from, to, info.type, info.size);

    if (FSMKDir(to, true) != 0) return -3;
    {
        DirReader dir(from);
        if (!dir.is_open()) return -3;
        const char* name = nullptr;
        // A read error ends the listing; removing from then fails unless
        // every entry has been moved.
        while (dir.Next(&name) > 0) {
            const ustring child(name);
            if (FSRename(from + "/" + child, to + "/" + child, do_case_check) != 0) return -3;
        }
    }
    return remove(from.c_str()) == 0 ? 0 : -3;
}

int FSRemove(const ustring& given, bool /*allowundo*/) {
    if (given.empty()) return -1;
    // With a trailing "/", lstat follows a final link to a folder: look at
    // the name without it, as RemoveTree does.
    const size_t last = given.find_last_not_of('/', ustring::npos);
    const ustring path =
        (last == ustring::npos || last + 1 == given.length()) ? given : given.substr(0, last + 1);
    FILE_INFO info;
    if (GetFileInfo(path, info) != 0) return -1;
    if (!info.isExist) return 0;
    return RemoveTree(path) == 0 ? 0 : -3;
}

ustring FSParentPath(const ustring& path) {
    const size_t p = path.rfind('/', ustring::npos);
    if (p == ustring::npos || p == 0) return ustring("/");
    return path.substr(0, p);
}

ustring FSBaseName(const ustring& path) {
    const size_t p = path.rfind('/', ustring::npos);
    if (p == ustring::npos) return path;
    if (p + 1 == path.length()) return ustring();
    return path.substr(p + 1, ustring::npos);
}

int FSOpenDir(const ustring& path, int flag, DIR_HANDLE& dh) {
    DIR* dp = opendir(path.c_str());
    if (dp == nullptr) {
        NLOG_ERROR("FSOpenDir: Failed to open directory '%s'. %s\n", path.c_str(), strerror(errno));
        return -1;
    }
    dh.dp = dp;
    dh.path = path;
    dh.flag = flag;
    return 0;
}

int FSReadDir(DIR_HANDLE& dh, DIR_ENTRY& entry) {
    struct dirent buf;
    struct dirent* ent = nullptr;
    int r;
    if (dh.dp == nullptr) {
        // Never opened or already closed: a read error, not a crash.
        errno = EBADF;
        r = -1;
    } else {
        r = ReadEntry(dh.dp, &buf, &ent);
    }
    if (r < 0) {
        NLOG_ERROR("FSOpenDir: Failed to read directory '%s'. %s\n", dh.path.c_str(),
                   strerror(errno));
        return -1;
    }
    if (r == 0) return 0;

    const ustring name(ent->d_name);
    if (dh.flag & 1) {
        const ustring full = dh.path + "/" + name;
        FILE_INFO info;
        if (FSStat(full, info, false) != 0) {
            NLOG_ERROR("FSOpenDir: Failed to get info for '%s'\n", full.c_str());
            return -1;
        }
        entry.mtime = info.mtime;
        entry.size = info.size;
    } else {
        entry.mtime = 0;
        entry.size = 0;
    }
    entry.name = name;
    entry.type = TypeFromDirent(ent->d_type);
    return 1;
}

void FSCloseDir(DIR_HANDLE& dh) {
    if (dh.dp != nullptr) closedir(dh.dp);
    dh.dp = nullptr;
    dh.path.clear();
}

int FSMktemp(const ustring& prefix, ustring& path) {
    char tmpl[4096];
    const int n = snprintf(tmpl, sizeof(tmpl), "%s/XXXXXX", prefix.c_str());
    int fd = -1;
    if (n < 0 || static_cast<size_t>(n) >= sizeof(tmpl)) {
        // A cut template would create the file somewhere else.
        errno = ENAMETOOLONG;
    } else {
        // mkstemp scribbles over the Xs even when it fails; the message
        // shows the template as it was given.
        const std::string given(tmpl);
        fd = mkostemp(tmpl, O_CLOEXEC);
        if (fd < 0) memcpy(tmpl, given.c_str(), given.size() + 1);
    }
    if (fd < 0) {
        NLOG_ERROR("mkstemp(%s): %s\n", tmpl, strerror(errno));
        return -1;
    }
    close(fd);
    path = tmpl;
    chmod(tmpl, 0644);
    return 0;
}

int FSCreateTempPath(const ustring& prefix, ustring& path) {
    path = TmpNameGen::getInstance().getTmpPath(prefix);
    return path.empty() ? -1 : 0;
}

int FSUTime(const ustring& path, long atime, long mtime) {
    struct timeval times[2];
    times[0].tv_sec = atime;
    times[0].tv_usec = 0;
    times[1].tv_sec = mtime;
    times[1].tv_usec = 0;
    return lutimes(path.c_str(), times) == 0 ? 0 : -1;
}

bool FSTimeEqual(long a, long b) {
    return a == b;
}

bool isFileLocked(const ustring& path, int flag) {
    if (access(path.c_str(), flag) == 0) return false;
    return errno == EPERM || errno == EACCES;
}

bool hasFilePermission(const ustring& path, int flag) {
    return !isFileLocked(path, flag);
}

namespace {

// The type number of the file system holding path; false, logged in the
// name of caller, when statfs fails. f_type is a signed word; the CIFS
// number only fits as unsigned.
bool FileSystemType(const ustring& path, const char* caller, uint32_t* type) {
    struct statfs st;
    if (statfs(path.c_str(), &st) != 0) {
        NLOG_ERROR("%s: Failed to get file system info '%s'. %s\n", caller, path.c_str(),
                   strerror(errno));
        return false;
    }
    *type = static_cast<uint32_t>(st.f_type);
    return true;
}

}  // namespace

bool isMountPoint(const ustring& path) {
    uint32_t type = 0;
    if (!FileSystemType(path, "isMountPoint", &type)) return false;
    return type == kNfsMagic || type == kCifsMagic;
}

bool IsMSDOS(const ustring& path) {
    uint32_t type = 0;
    if (!FileSystemType(path, "IsSupportLargeFile", &type)) return false;
    if (type != kMsdosMagic) return false;
    NLOG_WARNING("Detect a MSDOS platform for path '%s'.\n", path.c_str());
    return true;
}

int FSGetRealPath(ustring& path) {
    NLOG_DEBUG(" org path [%s]\n", path.c_str());
    char buf[8192];
    if (realpath(path.c_str(), buf) == nullptr) return -1;
    path = buf;
    NLOG_DEBUG(" get full path [%s]\n", path.c_str());
    return 0;
}

bool FSIsParentFolder(const ustring& parent, const ustring& child) {
    const size_t n = parent.length();
    if (child.length() < n) return false;
    if (child.length() > n && child[n] != '/') return false;
    return memcmp(child.c_str(), parent.c_str(), n) == 0;
}

int FSCreateSymbolicLink(const ustring& target_path, const ustring& link_path) {
    if (symlink(target_path.c_str(), link_path.c_str()) != 0) {
        NLOG_ERROR(
            "FSCreateSymbolicLink: Failed to create symbolic link '%s' -> '%s' (code: %d, msg: "
            "%s)\n",
            target_path.c_str(), link_path.c_str(), errno, strerror(errno));
        return -1;
    }
    return 0;
}

int FSReadSymbolicLink(const ustring& link_path, ustring& target_path) {
    const std::string target = ReadLinkBytes(link_path.c_str());
    if (target.empty()) {
        NLOG_ERROR("FSReadSymbolicLink: Failed to read symbolic link '%s' (code: %d, msg: %s)\n",
                   link_path.c_str(), errno, strerror(errno));
        return -1;
    }
    target_path = target.c_str();
    return 0;
}

int FSChown(const ustring& path, unsigned int owner, unsigned int group) {
    // A relative path is taken from the working folder.
    if (fchownat(AT_FDCWD, path.c_str(), owner, group, AT_SYMLINK_NOFOLLOW) != 0) {
        NLOG_ERROR("FSChown: Failed to chown '%s' (code: %d, msg: %s)\n", path.c_str(), errno,
                   strerror(errno));
        return -1;
    }
    return 0;
}
