// The one mkdir -p of the common library. FSMKDirP and MakeFolders are its
// two public faces; they differ only in what they do with a level of the path
// that exists but is no folder, and that choice is passed in.
#ifndef NIMBRA_FILE_MKDIR_P_H
#define NIMBRA_FILE_MKDIR_P_H

#include <sys/types.h>

#include <functional>
#include <string>

// What to do with a level that exists but is no folder (a file, a link to
// one, or a link that cannot be followed).
enum class InTheWay {
    kGoOn,     // leave it; the level below it will fail to be made
    kReplace,  // remove it and make a folder in its place
    kFail,     // end the walk; the decider has set errno
};

// followed: stat of the level succeeded (it is a file or a link to one);
// false when it could not be followed (errno from stat). last: the level is
// the path's last one.
using InTheWayDecider = std::function<InTheWay(const char* level, bool followed, bool last)>;

// Makes each missing level of path from the top with mode (the umask
// applies). A level that another process makes at the same moment counts as
// made. 0, or -1 with errno set. *end, when not null, receives the offset in
// path where the last level handled ends (the failing one on failure).
int MkdirP(const std::string& path, mode_t mode, const InTheWayDecider& decide, size_t* end);

#endif  // NIMBRA_FILE_MKDIR_P_H
