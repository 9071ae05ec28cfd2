// BoundedChild: runs one piece of work in a child process under a time limit
// and a memory ceiling, so that no input (a package that makes the archive
// library loop or allocate without end, a FIFO in the package's place) can
// hang or exhaust the launcher: the launcher stays alive to roll back and
// start the client. The child talks back through a pipe in short records.
#ifndef NIMBRA_LAUNCHER_LINUX_BOUNDED_CHILD_H
#define NIMBRA_LAUNCHER_LINUX_BOUNDED_CHILD_H

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

// The child's end of the pipe. Records are a kind byte and a payload of at
// most kMaxPayload bytes.
class ChildChannel {
public:
    static const size_t kMaxPayload = 4096;
    using Sink = std::function<bool(char kind, const std::string& payload)>;

    explicit ChildChannel(int fd);
    // Records go straight to sink, for work run in the calling process.
    explicit ChildChannel(Sink sink) : sink_(std::move(sink)) {}
    // Sends one record, cutting the payload to kMaxPayload. false when the
    // parent no longer listens.
    bool Send(char kind, const std::string& payload) {
        return sink_(kind,
                     payload.size() <= kMaxPayload ? payload : payload.substr(0, kMaxPayload));
    }

private:
    Sink sink_;
};

class BoundedChild {
public:
    struct Limits {
        std::chrono::milliseconds time;  // from the fork to the child's end
        uint64_t memory;                 // address space the child may add to what it inherits
    };
    enum class End {
        kExited,     // status() is the exit code
        kSignalled,  // status() is the signal (a memory or CPU limit hit, a crash)
        kTimedOut,   // killed at the deadline
        kNotStarted  // no pipe or no fork
    };
    using Body = std::function<int(ChildChannel&)>;
    using Listener = std::function<void(char kind, const std::string& payload)>;

    explicit BoundedChild(const Limits& limits) : limits_(limits) {}

    // Forks; the child applies the limits, runs body and exits with its
    // result (1 if it throws). Until the child ends or the deadline passes,
    // every record it sends is handed to listener on the calling thread.
    // The child must not touch locks other threads may hold (the logger's):
    // it reports through the channel instead.
    End Run(const Body& body, const Listener& listener);

    // Runs body in the calling process, without bounds, handing its records
    // to listener: for callers that bound the process themselves (a fuzzer).
    // The body's result.
    static int RunHere(const Body& body, const Listener& listener);

    int status() const { return status_; }

private:
    End Wait(pid_t pid, int fd, std::chrono::steady_clock::time_point deadline,
             const Listener& listener);

    Limits limits_;
    int status_ = 0;
};

// The address space the calling process maps now, found without /proc (a
// sandbox may not mount it); 0 if it can't be found. Call only while no
// other thread of the process maps memory: it lowers the soft RLIMIT_AS
// for a moment.
uint64_t MappedBytesByProbe();

#endif  // NIMBRA_LAUNCHER_LINUX_BOUNDED_CHILD_H
