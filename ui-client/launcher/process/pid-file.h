// The client's pid file: the pid it names and what tells a rewritten file
// from the one that was there before. The file is input (after a crash or a
// reboot it may name anything): nothing here signals or logs.
#ifndef NIMBRA_LAUNCHER_PROCESS_PID_FILE_H
#define NIMBRA_LAUNCHER_PROCESS_PID_FILE_H

#include <sys/types.h>

#include <cstddef>
#include <cstdint>

#include "status.h"
#include "ustring/ustring.h"

// The pid file is read only when it is a regular file of at most this many
// bytes.
const size_t kMaxPidFileSize = 4096;

// What a read of the pid file found.
enum class PidFileRead {
    kPid,        // a "pid" value, in *value
    kNoPid,      // no "pid" key, or an empty value
    kTooLarge,   // more than kMaxPidFileSize bytes
    kMalformed,  // a line the key=value grammar refuses
    kNotRead,    // the read failed: *status (may be null) gets the call and errno
};

// The last value of "pid" in the pid file at path, under the grammar of
// Config.
PidFileRead ReadPidValue(const ustring& path, ustring* value, Status* status);

// Why a pid file could not be read, with err the read's errno.
enum class PidFileProblem {
    kAbsent,      // no file there
    kNotRegular,  // a link, a FIFO, a folder, a device
    kUnreadable,  // there, but the read failed: no sign that no client runs
};
PidFileProblem WhyNotRead(const ustring& path, int err);

// What tells a rewritten pid file from the one that was there before.
struct FileStamp {
    bool exists = false;
    ino_t ino = 0;
    int64_t mtime_ns = 0;
    off_t size = 0;
    bool operator!=(const FileStamp& o) const {
        return exists != o.exists || ino != o.ino || mtime_ns != o.mtime_ns || size != o.size;
    }
};

// The stamp of the file at path (not followed if a link); !exists when
// there is none or it can't be looked at.
FileStamp StampOf(const ustring& path);

#endif  // NIMBRA_LAUNCHER_PROCESS_PID_FILE_H
