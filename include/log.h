// Logger: the process-wide log, static members only.
//
// Each message carries a level and a component name; it is written when its
// level is at most the component's threshold (from the level file, else 4).
// Records get a local time stamp ("%b %d %H:%M:%S ") and are flushed at once.
// A file destination is rotated when more than 1 MiB has been appended since
// it was opened, keeping "<log>_0" (newest) to "<log>_<rotate_cnt - 2>".
//
// Usable before Initialize (warnings and errors go to standard error).
// LogMsg and LogMsg2 may be called from any thread; Initialize and Destroy
// must not run while another thread may log.
#ifndef NIMBRA_LOG_H
#define NIMBRA_LOG_H

#include <pthread.h>
#include <stdint.h>

#include <cstdarg>
#include <cstdio>
#include <map>

#include "ustring/ustring.h"

typedef char xchar;

class Logger {
public:
    // A fixed underlying type, so that any int level passed through LogMSG_c
    // is a valid value and compares with the thresholds as an int.
    enum Level : int {
        L_EMERG = 0,
        L_ALERT = 1,
        L_CRIT = 2,
        L_ERR = 3,
        L_WARNING = 4,
        L_NOTICE = 5,
        L_INFO = 6,
        L_DEBUG = 7,
    };

    enum Type {
        ANDROID_LOGGER = 0,
        SYSLOG_LOGGER = 1,
        STDOUT_LOGGER = 2,
        STDERR_LOGGER = 3,
        FILE_LOGGER = 4,
    };

    // (Re)configures the logger; 0 on success, -1 on failure. level_path may
    // be empty; a missing or malformed level file only leaves the defaults.
    // When a log file cannot be opened, later messages are dropped.
    static int Initialize(Logger::Type type, const ustring& log_path, const ustring& level_path,
                          int rotate_cnt);
    // Ends logging: every later message is dropped until Initialize.
    static void Destroy();

    // Both keep errno as they found it.
    static void LogMsg(Logger::Level level, const ustring& comp, const xchar* fmt, ...)
        __attribute__((format(printf, 3, 4)));
    // As LogMsg; consumes args once.
    static void LogMsg2(Logger::Level level, const ustring& comp, const xchar* fmt, va_list args)
        __attribute__((format(printf, 3, 0)));

    // Rotates the file series now; call with the lock held. 0 or -1; after
    // a failure there is no stream and later messages are dropped.
    static int Rotate();
    // Closes and reopens the log file (file destinations only); call with
    // the lock held. If the reopen fails, later messages are dropped.
    static void ReloadLogFile();

    static void InitializeLock();
    static void DestroyLock();
    static void Lock();
    static void Unlock();
    static void InitializeFileLock();
    static void DestroyFileLock();
    static void InitializeSharedData();
    static void DestroySharedData();

private:
    Logger() = delete;

    static std::map<ustring, int> log_level;
    static Logger::Type log_type;
    static FILE* log_fp;
    static int* log_size;
    static int rotate_cnt;
    static ustring log_path;
    static pthread_mutex_t* log_lock;
    static int log_flock;
    static bool inter_process_safe;
    static uint64_t* log_rotated_count_shared;
    static uint64_t log_rotated_count_private;
    static bool log_initialized;
};

// One record "[TAG] <source>(<line>): <text>" from a file that defines
// kLogComponent (the component whose threshold applies) and kLogSource (the
// name its records carry: the source file's path without extension, or for
// the pieces of a component split over several files, the component's). fmt is
// the text after the prefix, newline included. errno is kept, so a caller may
// log a failure and then report its errno. NIMBRA_LOG_PREFIX is the prefix's
// format, which takes kLogSource and the line; a record sent elsewhere uses it
// too.
#define NIMBRA_LOG_PREFIX(tag) "[" tag "] %s(%d): "
#define NIMBRA_LOG(level, tag, fmt, ...)                                                   \
    Logger::LogMsg(level, kLogComponent, NIMBRA_LOG_PREFIX(tag) fmt, kLogSource, __LINE__, \
                   ##__VA_ARGS__)
#define NLOG_ERROR(...) NIMBRA_LOG(Logger::L_ERR, "ERROR", __VA_ARGS__)
#define NLOG_WARNING(...) NIMBRA_LOG(Logger::L_WARNING, "WARNING", __VA_ARGS__)
#define NLOG_NOTE(...) NIMBRA_LOG(Logger::L_NOTICE, "NOTE", __VA_ARGS__)
#define NLOG_INFO(...) NIMBRA_LOG(Logger::L_INFO, "INFO", __VA_ARGS__)
#define NLOG_DEBUG(...) NIMBRA_LOG(Logger::L_DEBUG, "DEBUG", __VA_ARGS__)

// For callers that hold the component name as a plain C string.
void LogMSG_c(int level, char* comp, const xchar* fmt, va_list args)
    __attribute__((format(printf, 3, 0)));

#endif  // NIMBRA_LOG_H
