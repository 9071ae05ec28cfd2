// UniqueFd: the one owner of a file descriptor. The descriptor is closed when
// the owner is destroyed or given another one, unless it was released first.
// Closing keeps no errno promise: read errno before an owner goes.
#ifndef NIMBRA_FILE_UNIQUE_FD_H
#define NIMBRA_FILE_UNIQUE_FD_H

#include <unistd.h>

#include <utility>

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    UniqueFd(UniqueFd&& o) noexcept : fd_(o.release()) {}
    UniqueFd& operator=(UniqueFd&& o) noexcept {
        if (this != &o) reset(o.release());
        return *this;
    }

    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    // Hands the descriptor over; it is no longer closed here.
    int release() { return std::exchange(fd_, -1); }
    // Closes the descriptor held (if any) and holds fd instead.
    void reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    // Closes now, for a caller that must know whether the close failed (a
    // written file): close's result, or 0 when nothing was held.
    int close() {
        const int fd = release();
        return fd >= 0 ? ::close(fd) : 0;
    }

private:
    int fd_;
};

#endif  // NIMBRA_FILE_UNIQUE_FD_H
