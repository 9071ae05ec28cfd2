// File operations: free functions over the POSIX file system with ustring
// paths and small integer results (0 success, negative failure). Failures are
// logged under the component "file_op_debug" unless a function says it
// leaves the report to its caller. Nothing rolls back: a failed copy, move
// or removal leaves what it had done so far.
#ifndef NIMBRA_FILE_FILE_OP_H
#define NIMBRA_FILE_FILE_OP_H

#include <dirent.h>
#include <stdint.h>

#include "ustring/ustring.h"

typedef enum _FILE_TYPE_tag {
    FT_ERR = 0,    // not recognised, or nothing there
    FT_FILE = 1,   // regular file
    FT_DIR = 2,    // directory
    FT_SLINK = 3,  // symbolic link (never followed)
    FT_HLINK = 4,  // hard link; no operation produces it
    FT_DEV = 5,    // character or block device
    FT_FIFO = 6,   // named pipe
    FT_SOCK = 7,   // socket
} FILE_TYPE;

typedef struct _FILE_INFO_tag {
    ustring path;
    ustring name;
    FILE_TYPE type = FT_ERR;
    uint32_t mtime = 0;
    uint64_t size = 0;
    bool isExist = false;
    uint32_t uid = 0;
    uint32_t gid = 0;
    uint32_t mode = 0;
    uint64_t dev_id = 0;

    // Compares isExist, size, mtime, type, path and name only.
    bool operator==(const _FILE_INFO_tag& o) const;
    bool operator!=(const _FILE_INFO_tag& o) const { return !(*this == o); }
} FILE_INFO;

typedef struct _DIR_HANDLE_tag {
    ustring path;
    int flag = 0;  // bit 0: FSReadDir fills each entry's size and mtime
    DIR* dp = nullptr;
} DIR_HANDLE;

typedef struct _DIR_ENTRY_tag {
    ustring name;
    FILE_TYPE type = FT_ERR;
    uint32_t mtime = 0;
    uint64_t size = 0;
} DIR_ENTRY;

// 0: info filled (isExist false for a missing path); -1: not examinable or
// of an unknown kind. lstat: a final link is not followed. Logs nothing.
int GetFileInfo(const ustring& path, FILE_INFO& info);
// As GetFileInfo; -1 for an empty path, -2 when GetFileInfo fails.
int FSStat(const ustring& path, FILE_INFO& info, bool do_case_check);
// True when the path exists (a dangling link exists); false on any failure.
bool IsFileExist(const ustring& path, bool do_case_check);

// Makes every component of path a directory. mode (unsigned)-1 means 0777
// under the umask; any other mode is used exactly. 0 or -1. endptr, if not
// null, receives the end of the last component handled in path's text.
int FSMKDirP(const ustring& path, char** endptr, bool blForceCreate, unsigned int mode);
// 0: the directory exists now; -1: empty, not examinable or not a
// directory; -2: creation failed.
int FSMKDir(const ustring& path, bool isCreateParent);
// Creates path's directories below the existing root from, level by level.
int FSMKDirFromRoot(const ustring& path, const ustring& from);

// Copies the bytes of src to dst (truncated) in blocks of up to 32 MiB, inside
// the kernel where the file systems allow it, else through one heap buffer,
// and fsyncs dst. 0; -2 when out of space or quota; -1 otherwise.
int FSCopy(const ustring& src, const ustring& dst, bool isDelOrigin);
// Moves from to to, across file systems by copy-then-remove. 0; -1 empty
// argument; -2 from missing; -3 move failed; -100 name too long. Logs nothing.
int FSRename(const ustring& from, const ustring& to, bool do_case_check);
// Removes path and everything below it with RemoveTree: links are removed,
// not followed; folders this user owns are made writable on the way (and
// stay so if the removal fails); what can be removed is, past a failure. 0
// (also when nothing was there); -1 empty or not examinable; -3 failed (a
// warning logged).
int FSRemove(const ustring& path, bool allowundo);

ustring FSParentPath(const ustring& path);
ustring FSBaseName(const ustring& path);

// 0 or -1; a listing returns "." and ".." too.
int FSOpenDir(const ustring& path, int flag, DIR_HANDLE& dh);
// 1: entry filled; 0: no more entries; -1: failure.
int FSReadDir(DIR_HANDLE& dh, DIR_ENTRY& entry);
// Closes the stream if any, sets dp to null and empties path.
void FSCloseDir(DIR_HANDLE& dh);

// Creates an empty file of mode 0644 in the directory prefix. 0 or -1.
int FSMktemp(const ustring& prefix, ustring& path);
// A fresh temporary path name below prefix; nothing is created. 0 or -1.
int FSCreateTempPath(const ustring& prefix, ustring& path);

// Sets both times (whole seconds) of the entry itself. 0 or -1.
int FSUTime(const ustring& path, long atime, long mtime);
bool FSTimeEqual(long a, long b);

// True when access(path, flag) fails for lack of permission.
bool isFileLocked(const ustring& path, int flag);
bool hasFilePermission(const ustring& path, int flag);
// True when path lies on NFS or CIFS.
bool isMountPoint(const ustring& path);
// True when path lies on FAT.
bool IsMSDOS(const ustring& path);

// Replaces path by its canonical absolute form. 0; -1 leaves it unchanged.
int FSGetRealPath(ustring& path);
// Whether child is parent or lies below it (textual, no resolution).
bool FSIsParentFolder(const ustring& parent, const ustring& child);

int FSCreateSymbolicLink(const ustring& target_path, const ustring& link_path);
int FSReadSymbolicLink(const ustring& link_path, ustring& target_path);
// Sets owner and group of the entry itself (a link is not followed).
int FSChown(const ustring& path, unsigned int owner, unsigned int group);

#endif  // NIMBRA_FILE_FILE_OP_H
