/* Fault injector: an LD_PRELOAD library that makes the Nth call of one class
 * of system calls fail with a chosen errno, so that a test can make every
 * fallible call of a run fail, one at a time.
 *
 *   NIMBRA_FAULT=class:N:ERRNO   e.g. "write:3:ENOSPC"; N = 0 only counts
 *   NIMBRA_FAULT_REPORT=file     the shared counter (struct nimbra_fault_report)
 *   NIMBRA_FAULT_PATHS=p1:p2...  count path and descriptor calls only when the
 *                                path (relative ones resolved, descriptors by
 *                                their /proc/self/fd link) starts with one of
 *                                these ("pipe:" matches pipes)
 *
 * Classes and the entry points covered (only calls made through the dynamic
 * symbol table are seen: glibc's own internal calls, such as the open inside
 * opendir or the writes inside stdio, are not):
 *   open     open, open64, openat, openat64, creat, creat64, mkdir, mkdirat,
 *            fopen, fopen64 (std::ifstream opens with fopen64), except /proc
 *   proc     the same calls and readlink/readlinkat on paths under /proc
 *   write    write, pwrite, pwrite64, writev
 *   read     read, pread, pread64
 *   rename   rename, renameat, renameat2
 *   remove   unlink, unlinkat, rmdir, remove
 *   sync     fsync, fdatasync, syncfs
 *   statvfs  statvfs, statvfs64, fstatvfs, fstatvfs64
 *   thread   pthread_create
 *   spawn    fork, posix_spawn, posix_spawnp
 *   memfd    memfd_create
 *   flock    flock
 *
 * The counter lives in the report file, mapped shared in the constructor, so
 * a forked child (the launcher's package reader) counts on it too. The
 * constructor removes the variables from the environment: a program started
 * with exec (the client's start script) runs without the injector. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <pthread.h>
#include <spawn.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <unistd.h>

#include "fault_report.h"

enum fault_class {
    C_NONE,
    C_OPEN,
    C_PROC,
    C_WRITE,
    C_READ,
    C_RENAME,
    C_REMOVE,
    C_SYNC,
    C_STATVFS,
    C_THREAD,
    C_SPAWN,
    C_MEMFD,
    C_FLOCK
};

static const char* const class_names[] = {"",       "open",   "proc", "write",   "read",
                                          "rename", "remove", "sync", "statvfs", "thread",
                                          "spawn",  "memfd",  "flock"};

static struct {
    enum fault_class cls;
    long long target; /* 1-based; 0 only counts */
    int error;
    char paths[4096]; /* prefixes separated by ':', empty: everything */
    struct nimbra_fault_report* report;
} cfg;

static int error_number(const char* s) {
    static const struct {
        const char* name;
        int value;
    } names[] = {{"ENOSPC", ENOSPC}, {"EDQUOT", EDQUOT}, {"EIO", EIO},       {"EACCES", EACCES},
                 {"EPERM", EPERM},   {"EROFS", EROFS},   {"EMFILE", EMFILE}, {"ENFILE", ENFILE},
                 {"EAGAIN", EAGAIN}, {"ENOMEM", ENOMEM}, {"ENOENT", ENOENT}, {"EINTR", EINTR},
                 {"ENOLCK", ENOLCK}};
    for (size_t i = 0; i < sizeof names / sizeof names[0]; ++i)
        if (strcmp(s, names[i].name) == 0) return names[i].value;
    return atoi(s);
}

static void parse(const char* setting) {
    char buf[128];
    snprintf(buf, sizeof buf, "%s", setting);
    char* n = strchr(buf, ':');
    char* e = n != NULL ? strchr(n + 1, ':') : NULL;
    if (e == NULL) return;
    *n++ = '\0';
    *e++ = '\0';
    for (size_t i = 1; i < sizeof class_names / sizeof class_names[0]; ++i)
        if (strcmp(buf, class_names[i]) == 0) cfg.cls = (enum fault_class)i;
    cfg.target = atoll(n);
    cfg.error = error_number(e);
}

/* Maps the report file shared; raw system calls, so nothing here counts. */
static void map_report(const char* file) {
    const int fd = (int)syscall(SYS_openat, AT_FDCWD, file, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    const size_t size = sizeof(struct nimbra_fault_report);
    void* p = MAP_FAILED;
    if (syscall(SYS_ftruncate, fd, (long)size) == 0)
        p = mmap(NULL, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    syscall(SYS_close, fd);
    if (p == MAP_FAILED) return;
    cfg.report = p;
    memset(cfg.report, 0, size);
    cfg.report->magic = NIMBRA_FAULT_MAGIC;
    cfg.report->error = cfg.error;
}

__attribute__((constructor)) static void fault_init(void) {
    const char* setting = getenv("NIMBRA_FAULT");
    const char* file = getenv("NIMBRA_FAULT_REPORT");
    const char* paths = getenv("NIMBRA_FAULT_PATHS");
    if (paths != NULL) snprintf(cfg.paths, sizeof cfg.paths, "%s", paths);
    if (setting != NULL) parse(setting);
    if (file != NULL && cfg.cls != C_NONE) map_report(file);
    unsetenv("LD_PRELOAD");
    unsetenv("NIMBRA_FAULT");
    unsetenv("NIMBRA_FAULT_REPORT");
    unsetenv("NIMBRA_FAULT_PATHS");
}

/* --- Which calls count ------------------------------------------------- */

static int is_proc(const char* path) {
    return path != NULL && strncmp(path, "/proc", 5) == 0 && (path[5] == '/' || path[5] == '\0');
}

static int link_of_fd(int fd, char* out, size_t size) {
    char name[64];
    snprintf(name, sizeof name, "/proc/self/fd/%d", fd);
    const long n = syscall(SYS_readlinkat, AT_FDCWD, name, out, size - 1);
    if (n <= 0) return -1;
    out[n] = '\0';
    return 0;
}

/* The absolute form of path as seen from dirfd, without resolving links. */
static void absolute(int dirfd, const char* path, char* out, size_t size) {
    char base[4096] = "";
    if (path[0] == '/') {
        snprintf(out, size, "%s", path);
        return;
    }
    if (dirfd == AT_FDCWD) {
        if (syscall(SYS_getcwd, base, sizeof base) < 0) base[0] = '\0';
    } else if (link_of_fd(dirfd, base, sizeof base) != 0) {
        base[0] = '\0';
    }
    snprintf(out, size, "%s/%s", base, path);
}

static int in_scope(const char* abs) {
    if (cfg.paths[0] == '\0') return 1;
    for (const char* p = cfg.paths; *p != '\0';) {
        const size_t len = strcspn(p, ":");
        if (len > 0 && strncmp(abs, p, len) == 0) return 1;
        p += len;
        if (*p == ':') ++p;
    }
    return 0;
}

/* Counts one call of class c; true when this is the one to fail (errno is
 * then set). what and path name the call in the report. */
static int fire(enum fault_class c, const char* what, const char* path) {
    if (c != cfg.cls || cfg.report == NULL) return 0;
    const long long n = __atomic_add_fetch(&cfg.report->seen, 1, __ATOMIC_SEQ_CST);
    if (n != cfg.target) return 0;
    cfg.report->fired_at = n;
    snprintf(cfg.report->fired_in, sizeof cfg.report->fired_in, "%s %s", what,
             path != NULL ? path : "");
    errno = cfg.error;
    return 1;
}

/* A call on a path: class c, or proc for a path under /proc. */
static int fire_path(enum fault_class c, const char* what, int dirfd, const char* path) {
    if (cfg.report == NULL || path == NULL) return 0;
    if (cfg.cls == C_PROC) return is_proc(path) && fire(C_PROC, what, path);
    if (c != cfg.cls || is_proc(path)) return 0;
    char abs[4096];
    absolute(dirfd, path, abs, sizeof abs);
    return in_scope(abs) && fire(c, what, abs);
}

static int fire_fd(enum fault_class c, const char* what, int fd) {
    if (c != cfg.cls || cfg.report == NULL) return 0;
    char link[4096] = "";
    if (cfg.paths[0] != '\0' && (link_of_fd(fd, link, sizeof link) != 0 || !in_scope(link)))
        return 0;
    return fire(c, what, link);
}

#define REAL(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

/* --- Opening and creating ---------------------------------------------- */

static mode_t mode_arg(int flags, va_list ap) {
    return (flags & (O_CREAT | O_TMPFILE)) != 0 ? (mode_t)va_arg(ap, int) : 0;
}

/* Opens for writing are named so in the report: "open(w) path". */
#define OPEN_WHAT(name, flags) (((flags)&O_ACCMODE) != O_RDONLY ? name "(w)" : name)

#define DEFINE_OPEN(name)                                                          \
    int name(const char* path, int flags, ...) {                                   \
        va_list ap;                                                                \
        va_start(ap, flags);                                                       \
        const mode_t mode = mode_arg(flags, ap);                                   \
        va_end(ap);                                                                \
        if (fire_path(C_OPEN, OPEN_WHAT(#name, flags), AT_FDCWD, path)) return -1; \
        return REAL(name)(path, flags, mode);                                      \
    }
DEFINE_OPEN(open)
DEFINE_OPEN(open64)

#define DEFINE_OPENAT(name)                                                     \
    int name(int dirfd, const char* path, int flags, ...) {                     \
        va_list ap;                                                             \
        va_start(ap, flags);                                                    \
        const mode_t mode = mode_arg(flags, ap);                                \
        va_end(ap);                                                             \
        if (fire_path(C_OPEN, OPEN_WHAT(#name, flags), dirfd, path)) return -1; \
        return REAL(name)(dirfd, path, flags, mode);                            \
    }
DEFINE_OPENAT(openat)
DEFINE_OPENAT(openat64)

int creat(const char* path, mode_t mode) {
    if (fire_path(C_OPEN, "creat", AT_FDCWD, path)) return -1;
    return REAL(creat)(path, mode);
}
int creat64(const char* path, mode_t mode) {
    if (fire_path(C_OPEN, "creat64", AT_FDCWD, path)) return -1;
    return REAL(creat64)(path, mode);
}
int mkdir(const char* path, mode_t mode) {
    if (fire_path(C_OPEN, "mkdir", AT_FDCWD, path)) return -1;
    return REAL(mkdir)(path, mode);
}
int mkdirat(int dirfd, const char* path, mode_t mode) {
    if (fire_path(C_OPEN, "mkdirat", dirfd, path)) return -1;
    return REAL(mkdirat)(dirfd, path, mode);
}
FILE* fopen(const char* path, const char* mode) {
    if (fire_path(C_OPEN, "fopen", AT_FDCWD, path)) return NULL;
    return REAL(fopen)(path, mode);
}
FILE* fopen64(const char* path, const char* mode) {
    if (fire_path(C_OPEN, "fopen64", AT_FDCWD, path)) return NULL;
    return REAL(fopen64)(path, mode);
}
ssize_t readlink(const char* path, char* buf, size_t size) {
    if (is_proc(path) && fire(C_PROC, "readlink", path)) return -1;
    return REAL(readlink)(path, buf, size);
}
ssize_t readlinkat(int dirfd, const char* path, char* buf, size_t size) {
    if (is_proc(path) && fire(C_PROC, "readlinkat", path)) return -1;
    return REAL(readlinkat)(dirfd, path, buf, size);
}

/* --- Writing and reading ----------------------------------------------- */

ssize_t write(int fd, const void* buf, size_t n) {
    if (fire_fd(C_WRITE, "write", fd)) return -1;
    return REAL(write)(fd, buf, n);
}
ssize_t pwrite(int fd, const void* buf, size_t n, off_t at) {
    if (fire_fd(C_WRITE, "pwrite", fd)) return -1;
    return REAL(pwrite)(fd, buf, n, at);
}
ssize_t pwrite64(int fd, const void* buf, size_t n, off64_t at) {
    if (fire_fd(C_WRITE, "pwrite64", fd)) return -1;
    return REAL(pwrite64)(fd, buf, n, at);
}
ssize_t writev(int fd, const struct iovec* iov, int count) {
    if (fire_fd(C_WRITE, "writev", fd)) return -1;
    return REAL(writev)(fd, iov, count);
}
ssize_t read(int fd, void* buf, size_t n) {
    if (fire_fd(C_READ, "read", fd)) return -1;
    return REAL(read)(fd, buf, n);
}
ssize_t pread(int fd, void* buf, size_t n, off_t at) {
    if (fire_fd(C_READ, "pread", fd)) return -1;
    return REAL(pread)(fd, buf, n, at);
}
ssize_t pread64(int fd, void* buf, size_t n, off64_t at) {
    if (fire_fd(C_READ, "pread64", fd)) return -1;
    return REAL(pread64)(fd, buf, n, at);
}

/* --- Renaming, removing, flushing -------------------------------------- */

int rename(const char* from, const char* to) {
    if (fire_path(C_RENAME, "rename", AT_FDCWD, from)) return -1;
    return REAL(rename)(from, to);
}
int renameat(int fromfd, const char* from, int tofd, const char* to) {
    if (fire_path(C_RENAME, "renameat", fromfd, from)) return -1;
    return REAL(renameat)(fromfd, from, tofd, to);
}
int renameat2(int fromfd, const char* from, int tofd, const char* to, unsigned flags) {
    if (fire_path(C_RENAME, "renameat2", fromfd, from)) return -1;
    return REAL(renameat2)(fromfd, from, tofd, to, flags);
}
int unlink(const char* path) {
    if (fire_path(C_REMOVE, "unlink", AT_FDCWD, path)) return -1;
    return REAL(unlink)(path);
}
int unlinkat(int dirfd, const char* path, int flags) {
    if (fire_path(C_REMOVE, "unlinkat", dirfd, path)) return -1;
    return REAL(unlinkat)(dirfd, path, flags);
}
int rmdir(const char* path) {
    if (fire_path(C_REMOVE, "rmdir", AT_FDCWD, path)) return -1;
    return REAL(rmdir)(path);
}
int remove(const char* path) {
    if (fire_path(C_REMOVE, "remove", AT_FDCWD, path)) return -1;
    return REAL(remove)(path);
}
int fsync(int fd) {
    if (fire_fd(C_SYNC, "fsync", fd)) return -1;
    return REAL(fsync)(fd);
}
int fdatasync(int fd) {
    if (fire_fd(C_SYNC, "fdatasync", fd)) return -1;
    return REAL(fdatasync)(fd);
}
int syncfs(int fd) {
    if (fire_fd(C_SYNC, "syncfs", fd)) return -1;
    return REAL(syncfs)(fd);
}

/* --- Free space, threads, processes, memory files, locks --------------- */

int statvfs(const char* path, struct statvfs* st) {
    if (fire_path(C_STATVFS, "statvfs", AT_FDCWD, path)) return -1;
    return REAL(statvfs)(path, st);
}
int statvfs64(const char* path, struct statvfs64* st) {
    if (fire_path(C_STATVFS, "statvfs64", AT_FDCWD, path)) return -1;
    return REAL(statvfs64)(path, st);
}
int fstatvfs(int fd, struct statvfs* st) {
    if (fire_fd(C_STATVFS, "fstatvfs", fd)) return -1;
    return REAL(fstatvfs)(fd, st);
}
int fstatvfs64(int fd, struct statvfs64* st) {
    if (fire_fd(C_STATVFS, "fstatvfs64", fd)) return -1;
    return REAL(fstatvfs64)(fd, st);
}
int pthread_create(pthread_t* t, const pthread_attr_t* attr, void* (*fn)(void*), void* arg) {
    if (fire(C_THREAD, "pthread_create", NULL)) return cfg.error;
    return REAL(pthread_create)(t, attr, fn, arg);
}
pid_t fork(void) {
    if (fire(C_SPAWN, "fork", NULL)) return -1;
    return REAL(fork)();
}
int posix_spawn(pid_t* pid, const char* path, const posix_spawn_file_actions_t* actions,
                const posix_spawnattr_t* attr, char* const argv[], char* const envp[]) {
    if (fire(C_SPAWN, "posix_spawn", path)) return cfg.error;
    return REAL(posix_spawn)(pid, path, actions, attr, argv, envp);
}
int posix_spawnp(pid_t* pid, const char* file, const posix_spawn_file_actions_t* actions,
                 const posix_spawnattr_t* attr, char* const argv[], char* const envp[]) {
    if (fire(C_SPAWN, "posix_spawnp", file)) return cfg.error;
    return REAL(posix_spawnp)(pid, file, actions, attr, argv, envp);
}
int memfd_create(const char* name, unsigned flags) {
    if (fire(C_MEMFD, "memfd_create", name)) return -1;
    return REAL(memfd_create)(name, flags);
}
int flock(int fd, int op) {
    if (fire_fd(C_FLOCK, "flock", fd)) return -1;
    return REAL(flock)(fd, op);
}
