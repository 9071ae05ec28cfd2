#include "log.h"

#include <langinfo.h>
#include <syslog.h>
#include <time.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <sstream>
#include <string>

#include "config.h"

namespace {

// The live file is rotated once more than this has been appended to it.
const long long kRotateLimit = 1048576;
// Threshold of a component the level file does not name.
const int kFallbackThreshold = Logger::L_WARNING;
// Append, close-on-exec ("e"): the client the launcher starts must not
// inherit the log file.
const char kAppendMode[] = "ae";

// The time stamp of the current second, formatted once per second. The
// conversion to local time re-reads the zone file on every call (tzset), which
// costs more than writing the record; once a second still follows a change of
// the zone or of TZ. The month name comes from the calling thread's locale, so
// a stamp is formatted anew when that name is no longer the one it holds.
// Not thread-safe: the logger's lock guards it.
class StampCache {
public:
    // The stamp for now, "" when the time cannot be converted.
    const char* Get(time_t now) {
        if (!valid_ || now != second_ ||
            std::strcmp(nl_langinfo(ABMON_1 + month_), month_name_) != 0) {
            Format(now);
        }
        return stamp_;
    }

private:
    void Format(time_t now) {
        tzset();
        struct tm tm;
        stamp_[0] = '\0';
        valid_ = localtime_r(&now, &tm) != nullptr;
        if (!valid_) return;
        // strftime's result is unspecified when the stamp does not fit.
        if (strftime(stamp_, sizeof(stamp_), "%b %d %H:%M:%S ", &tm) == 0) stamp_[0] = '\0';
        second_ = now;
        month_ = tm.tm_mon;
        snprintf(month_name_, sizeof(month_name_), "%s", nl_langinfo(ABMON_1 + month_));
    }

    bool valid_ = false;
    time_t second_ = 0;
    int month_ = 0;
    // A longer name is cut here, and then never matches: every record is
    // formatted afresh, which is slower but still right.
    char month_name_[128] = {0};
    char stamp_[512] = {0};
};

StampCache stamp_cache;

// Records that could not be written (the log lives on the disk or quota
// that an extraction just filled) are kept, up to this many bytes, and
// written before the next record: the failure's reason then reaches the
// file once the rollback has freed the space. Guarded by the logger's lock.
const size_t kMaxUnwritten = 64 * 1024;
std::string unwritten;

void KeepUnwritten(const char* stamp, const xchar* fmt, va_list args)
    __attribute__((format(printf, 2, 0)));

void KeepUnwritten(const char* stamp, const xchar* fmt, va_list args) {
    char text[4096];
    const int n = vsnprintf(text, sizeof(text), fmt, args);
    if (n < 0 || unwritten.size() >= kMaxUnwritten) return;
    unwritten.append(stamp).append(text, std::min(static_cast<size_t>(n), sizeof(text) - 1));
}

// Writes the kept records to fp (locked by the caller); the bytes written,
// or -1 when they are still kept.
long long WriteUnwritten(FILE* fp) {
    const size_t n = fwrite_unlocked(unwritten.data(), 1, unwritten.size(), fp);
    if (fflush_unlocked(fp) != 0 || n != unwritten.size()) {
        clearerr_unlocked(fp);
        return -1;
    }
    const long long written = static_cast<long long>(n);
    unwritten.clear();
    return written;
}

// Writes the time stamp and the message to fp and flushes; returns the bytes
// written (a failed write counts nothing and is kept for the next record).
// Call with the logger's lock held.
long long WriteRecord(FILE* fp, const xchar* fmt, va_list args)
    __attribute__((format(printf, 2, 0)));

long long WriteRecord(FILE* fp, const xchar* fmt, va_list args) {
    const char* stamp = stamp_cache.Get(time(nullptr));
    va_list again;
    va_copy(again, args);
    // One hold of the stream for the whole record; vfprintf takes it again,
    // which costs little for its owner.
    flockfile(fp);
    long long counted = unwritten.empty() ? 0 : WriteUnwritten(fp);
    if (counted >= 0) {
        counted += static_cast<long long>(fwrite_unlocked(stamp, 1, strlen(stamp), fp));
        const int n = vfprintf(fp, fmt, args);
        if (n > 0) counted += n;
        if (fflush_unlocked(fp) != 0 || n < 0) {
            clearerr_unlocked(fp);
            counted = -1;
        }
    }
    if (counted < 0) KeepUnwritten(stamp, fmt, again);
    funlockfile(fp);
    va_end(again);
    return counted < 0 ? 0 : counted;
}

// Sets each component's threshold that the level file at path names. A
// missing or malformed file leaves the thresholds as they are.
void ReadThresholds(const ustring& path, std::map<ustring, int>* thresholds) {
    Config levels;
    levels.read(path);
    for (Config::iterator it = levels.begin(); it != levels.end(); ++it) {
        // Stream extraction: "7", " 7", "+7" and "7x" give 7; no leading
        // digits give 0; out-of-range values saturate.
        std::istringstream in(it->second.c_str_utf8());
        int threshold = 0;
        in >> threshold;
        (*thresholds)[it->first] = threshold;
    }
}

}  // namespace

std::map<ustring, int> Logger::log_level;
Logger::Type Logger::log_type = Logger::STDOUT_LOGGER;
FILE* Logger::log_fp = stderr;
int* Logger::log_size = nullptr;
int Logger::rotate_cnt = 50;
ustring Logger::log_path;
pthread_mutex_t* Logger::log_lock = nullptr;
int Logger::log_flock = -1;
bool Logger::inter_process_safe = false;
uint64_t* Logger::log_rotated_count_shared = nullptr;
uint64_t Logger::log_rotated_count_private = 0;
bool Logger::log_initialized = true;

int Logger::Initialize(Logger::Type type, const ustring& log_path, const ustring& level_path,
                       int rotate_cnt) {
    DestroySharedData();
    DestroyLock();
    InitializeLock();
    InitializeSharedData();
    if (log_size == nullptr || log_rotated_count_shared == nullptr) return -1;

    log_level[ustring("default_component")] = kFallbackThreshold;
    unwritten.clear();  // meant for the earlier destination

    if (!level_path.empty()) ReadThresholds(level_path, &log_level);

    log_type = type;
    if (type == SYSLOG_LOGGER || type == STDOUT_LOGGER || type == STDERR_LOGGER) {
        log_fp = type == STDOUT_LOGGER ? stdout : type == STDERR_LOGGER ? stderr : nullptr;
        Logger::log_path.clear();
        *log_size = -1;
    } else {
        // When the file cannot be opened, messages are dropped rather than
        // sent to standard error: nobody reads the standard error of a
        // program started from the desktop, and there they would pile up
        // without rotation. A stream from an earlier configuration must not
        // be written to as if it were this file.
        log_fp = log_path.empty() ? nullptr : fopen(log_path.c_str_utf8(), kAppendMode);
        if (log_fp == nullptr) return -1;
        *log_size = 0;
        Logger::log_path = log_path;
        Logger::rotate_cnt = rotate_cnt;
    }

    *log_rotated_count_shared = 0;
    log_rotated_count_private = 0;
    log_initialized = true;
    return 0;
}

void Logger::Destroy() {
    log_initialized = false;
    if (log_type == FILE_LOGGER) {
        if (log_fp != nullptr) fclose(log_fp);
        log_type = STDERR_LOGGER;
        log_fp = stderr;
        log_path.clear();
    }
    DestroySharedData();
    DestroyLock();
}

void Logger::LogMsg(Logger::Level level, const ustring& comp, const xchar* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    LogMsg2(level, comp, fmt, args);
    va_end(args);
}

namespace {

// Puts errno back as it was when the scope was entered: a caller may log a
// failure and then report the failure's errno.
class KeepErrno {
public:
    KeepErrno() : saved_(errno) {}
    ~KeepErrno() { errno = saved_; }

private:
    const int saved_;
};

// Writes one message to the destination of that type; the bytes counted
// towards rotation (only a file's count).
long long Emit(int type, FILE* fp, const xchar* fmt, va_list args) {
    if (type == Logger::SYSLOG_LOGGER) {
        // The error priority for every level: the thresholds already chose.
        vsyslog(LOG_ERR, fmt, args);
    } else if (type <= Logger::ANDROID_LOGGER || type > Logger::FILE_LOGGER) {
        vfprintf(stderr, fmt, args);
    } else if (fp != nullptr) {
        return WriteRecord(fp, fmt, args);
    }
    return 0;
}

}  // namespace

void Logger::LogMsg2(Logger::Level level, const ustring& comp, const xchar* fmt, va_list args) {
    const KeepErrno keep_errno;
    if (!log_initialized) return;

    // Created lazily so that the logger works before Initialize; this is
    // not synchronised, so the first message must not race with another.
    InitializeLock();
    InitializeSharedData();
    if (log_lock == nullptr) return;  // out of memory: unsafe to write unlocked

    // The stream is looked at under the lock only: a rotation on another
    // thread replaces it.
    Lock();
    if (log_type != SYSLOG_LOGGER && log_fp == nullptr) {
        Unlock();
        return;
    }
    if (log_rotated_count_shared != nullptr &&
        *log_rotated_count_shared != log_rotated_count_private) {
        ReloadLogFile();
        log_rotated_count_private = *log_rotated_count_shared;
    }

    std::map<ustring, int>::const_iterator found = log_level.find(comp);
    int threshold = found != log_level.end() ? found->second : kFallbackThreshold;
    if (threshold < static_cast<int>(level)) {
        Unlock();
        return;
    }

    const long long counted = Emit(static_cast<int>(log_type), log_fp, fmt, args);

    if (log_type == FILE_LOGGER && log_size != nullptr && *log_size >= 0) {
        // The limit is checked after the write, so a record is never split
        // between two files.
        long long total = *log_size + counted;
        if (total > kRotateLimit) {
            Rotate();
            *log_size = 0;
        } else {
            *log_size = static_cast<int>(total);
        }
    }
    Unlock();
}

int Logger::Rotate() {
    // Only a file can be rotated; never close a standard stream here.
    if (log_path.empty()) return -1;

    char old_name[1024] = {0};
    char new_name[1024] = {0};
    const char* live = log_path.c_str_utf8();

    for (int i = rotate_cnt - 2; i >= 0; --i) {
        snprintf(old_name, sizeof(old_name), "%s_%d", live, i);
        snprintf(new_name, sizeof(new_name), "%s_%d", live, i + 1);
        rename(old_name, new_name);  // the older files need not all exist yet
    }
    // A count of 1 or less still keeps file 0; never reach for "<log>_-1".
    int last = rotate_cnt - 1 > 0 ? rotate_cnt - 1 : 0;
    snprintf(old_name, sizeof(old_name), "%s_%d", live, last);
    remove(old_name);

    if (log_fp != nullptr) fclose(log_fp);
    log_fp = nullptr;

    snprintf(new_name, sizeof(new_name), "%s_%d", live, 0);
    if (rename(live, new_name) != 0) return -1;
    FILE* fp = fopen(live, kAppendMode);
    if (fp == nullptr) return -1;

    log_fp = fp;
    if (log_rotated_count_shared != nullptr) ++*log_rotated_count_shared;
    ++log_rotated_count_private;
    return 0;
}

void Logger::ReloadLogFile() {
    if (log_type == SYSLOG_LOGGER || log_type == STDOUT_LOGGER || log_type == STDERR_LOGGER) {
        return;
    }
    if (log_fp != nullptr) fclose(log_fp);
    log_fp = nullptr;
    FILE* fp = fopen(log_path.c_str_utf8(), kAppendMode);
    if (fp == nullptr) return;
    log_fp = fp;
    if (log_size != nullptr) *log_size = 0;
}

void Logger::InitializeLock() {
    if (log_lock != nullptr) return;
    InitializeFileLock();
    pthread_mutex_t* lock = new (std::nothrow) pthread_mutex_t;
    if (lock == nullptr) return;
    if (pthread_mutex_init(lock, nullptr) != 0) {
        delete lock;
        return;
    }
    log_lock = lock;
}

void Logger::DestroyLock() {
    if (log_lock != nullptr) {
        pthread_mutex_destroy(log_lock);
        delete log_lock;
        log_lock = nullptr;
    }
    DestroyFileLock();
}

void Logger::Lock() {
    if (log_lock != nullptr) pthread_mutex_lock(log_lock);
}

void Logger::Unlock() {
    if (log_lock != nullptr) pthread_mutex_unlock(log_lock);
}

// Processes do not coordinate on this platform: the hooks stay empty.
void Logger::InitializeFileLock() {}

void Logger::DestroyFileLock() {}

void Logger::InitializeSharedData() {
    // Not counted until a file is opened; no rotation seen yet.
    if (log_size == nullptr) log_size = new (std::nothrow) int(-1);
    if (log_rotated_count_shared == nullptr) {
        log_rotated_count_shared = new (std::nothrow) uint64_t(0);
    }
}

void Logger::DestroySharedData() {
    delete log_size;
    log_size = nullptr;
    delete log_rotated_count_shared;
    log_rotated_count_shared = nullptr;
}

void LogMSG_c(int level, char* comp, const xchar* fmt, va_list args) {
    Logger::LogMsg2(static_cast<Logger::Level>(level), ustring(comp != nullptr ? comp : ""), fmt,
                    args);
}
