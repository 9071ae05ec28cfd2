#include "process/deadline.h"

#include <limits.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

Deadline::Deadline(std::chrono::milliseconds limit, int first_pause_ms, int max_pause_ms)
    : end_(std::chrono::steady_clock::now() + limit),
      pause_ms_(first_pause_ms),
      max_pause_ms_(max_pause_ms) {}

bool Deadline::Passed() const {
    return std::chrono::steady_clock::now() >= end_;
}

// Without a descriptor, or should poll fail, the pause is a plain sleep.
void Deadline::Pause(int pidfd) {
    struct pollfd p = {pidfd, POLLIN, 0};
    if (pidfd < 0 || poll(&p, 1, pause_ms_) < 0) usleep(static_cast<useconds_t>(pause_ms_) * 1000);
    pause_ms_ = std::min(pause_ms_ * 2, max_pause_ms_);
}

bool Deadline::AwaitReadable(int fd) const {
    using std::chrono::duration_cast;
    using std::chrono::milliseconds;
    struct pollfd p = {fd, POLLIN, 0};
    int ready = -1;
    long left = duration_cast<milliseconds>(end_ - std::chrono::steady_clock::now()).count();
    while (ready < 0 && left >= 0) {
        ready = poll(&p, 1, static_cast<int>(std::min<long>(left, INT_MAX)));
        if (ready < 0 && errno != EINTR) break;
        left = duration_cast<milliseconds>(end_ - std::chrono::steady_clock::now()).count();
    }
    return ready > 0;
}
