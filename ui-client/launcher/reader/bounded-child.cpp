#include "reader/bounded-child.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

const size_t kHeaderSize = 5;  // kind, then the payload's length (4 bytes, host order)

// The address space the calling process maps now, in bytes; 0 if unknown.
uint64_t MappedBytes() {
    std::ifstream statm("/proc/self/statm");
    uint64_t pages = 0;
    if (!(statm >> pages)) return 0;
    return pages * static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
}

// In the child, before the work: limits that end the work when it runs
// away, and no life beyond the thread that waits for it.
void ApplyLimits(const BoundedChild::Limits& limits, uint64_t inherited, pid_t parent) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(1);
    signal(SIGPIPE, SIG_IGN);
    // Without /proc the parent could not measure what it maps: the limit
    // must still hold, so the child measures itself.
    if (inherited == 0) inherited = MappedBytesByProbe();
    if (inherited != 0) {
        const rlim_t as = static_cast<rlim_t>(inherited + limits.memory);
        const struct rlimit memory = {as, as};
        setrlimit(RLIMIT_AS, &memory);
    }
    // CPU time can't exceed the wall-clock limit; this only backs it up.
    const rlim_t seconds = static_cast<rlim_t>(limits.time.count() / 1000 + 2);
    const struct rlimit cpu = {seconds, seconds + 1};
    setrlimit(RLIMIT_CPU, &cpu);
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Hands each whole record at the start of *pending to listener and drops it;
// a part of one stays. false when a record breaks the format.
bool RelayRecords(std::string* pending, const BoundedChild::Listener& listener) {
    while (pending->size() >= kHeaderSize) {
        uint32_t size = 0;
        std::memcpy(&size, &(*pending)[1], sizeof(size));
        if (size > ChildChannel::kMaxPayload) return false;
        if (pending->size() < kHeaderSize + size) break;
        listener((*pending)[0], pending->substr(kHeaderSize, size));
        pending->erase(0, kHeaderSize + size);
    }
    return true;
}

}  // namespace

ChildChannel::ChildChannel(int fd)
    : sink_([fd](char kind, const std::string& payload) {
          const uint32_t size = static_cast<uint32_t>(payload.size());
          std::string record(kHeaderSize, '\0');
          record[0] = kind;
          std::memcpy(&record[1], &size, sizeof(size));
          record += payload;
          return WriteAll(fd, record.data(), record.size());
      }) {}

int BoundedChild::RunHere(const Body& body, const Listener& listener) {
    ChildChannel channel([&listener](char kind, const std::string& payload) {
        listener(kind, payload);
        return true;
    });
    return body(channel);
}

BoundedChild::End BoundedChild::Run(const Body& body, const Listener& listener) {
    const auto deadline = std::chrono::steady_clock::now() + limits_.time;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return End::kNotStarted;
    const uint64_t inherited = MappedBytes();
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return End::kNotStarted;
    }
    if (pid == 0) {
        close(fds[0]);
        ApplyLimits(limits_, inherited, parent);
        ChildChannel channel(fds[1]);
        int result = 1;
        try {
            result = body(channel);
        } catch (...) {
        }
        // No exit handlers, no stdio flush: they belong to the parent.
        _exit(result);
    }
    close(fds[1]);
    const End end = Wait(pid, fds[0], deadline, listener);
    close(fds[0]);
    return end;
}

// Relays records until the child closes its end, then reaps it; at the
// deadline, or when the child breaks the record format, it is killed.
BoundedChild::End BoundedChild::Wait(pid_t pid, int fd,
                                     std::chrono::steady_clock::time_point deadline,
                                     const Listener& listener) {
    using std::chrono::duration_cast;
    using std::chrono::milliseconds;
    std::string pending;
    bool open = true;
    bool broken = false;
    for (;;) {
        const auto left = duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now());
        int wstatus = 0;
        const pid_t reaped = open ? 0 : waitpid(pid, &wstatus, WNOHANG);
        if (reaped == pid) {
            if (WIFEXITED(wstatus)) {
                status_ = WEXITSTATUS(wstatus);
                return End::kExited;
            }
            status_ = WTERMSIG(wstatus);
            return End::kSignalled;
        }
        if (left.count() <= 0 || broken || reaped < 0) {
            kill(pid, SIGKILL);
            waitpid(pid, &wstatus, 0);
            status_ = SIGKILL;
            return broken || reaped < 0 ? End::kSignalled : End::kTimedOut;
        }
        if (!open) {
            // The pipe is closed but the child not yet gone: look again soon.
            usleep(static_cast<useconds_t>(std::min<long>(left.count(), 10) * 1000));
            continue;
        }
        struct pollfd p = {fd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(std::min<long>(left.count(), 1000)));
        if (ready <= 0) continue;
        char buf[16384];
        const ssize_t n = read(fd, buf, sizeof(buf));
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) {
            open = false;
            continue;
        }
        pending.append(buf, static_cast<size_t>(n));
        broken = !RelayRecords(&pending, listener);
    }
}

// The smallest soft RLIMIT_AS under which one more page can still be
// mapped, by bisection; the soft limit is left as it was.
uint64_t MappedBytesByProbe() {
    struct rlimit saved;
    if (getrlimit(RLIMIT_AS, &saved) != 0) return 0;
    const uint64_t page = static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
    uint64_t low = 0;                   // one more page does not fit under this
    uint64_t high = uint64_t{1} << 48;  // the user address space of x86-64 and arm64
    if (saved.rlim_max != RLIM_INFINITY) high = std::min<uint64_t>(high, saved.rlim_max);
    while (high - low > page) {
        const uint64_t mid = low + (high - low) / 2;
        struct rlimit trial = {static_cast<rlim_t>(mid), saved.rlim_max};
        if (setrlimit(RLIMIT_AS, &trial) != 0) break;
        void* p = mmap(nullptr, page, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p != MAP_FAILED) {
            munmap(p, page);
            high = mid;
        } else {
            low = mid;
        }
    }
    setrlimit(RLIMIT_AS, &saved);
    return high > page ? high - page : 0;
}
