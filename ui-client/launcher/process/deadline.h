// Deadline: the pace of a watch that checks something again and again until
// a time limit: pauses short at first, since what is watched (a start script,
// a client told to end) usually answers at once, and longer later.
#ifndef NIMBRA_LAUNCHER_PROCESS_DEADLINE_H
#define NIMBRA_LAUNCHER_PROCESS_DEADLINE_H

#include <chrono>

class Deadline {
public:
    // A watch of limit from now whose first pause is first_pause_ms, each
    // later one twice the one before, up to max_pause_ms.
    Deadline(std::chrono::milliseconds limit, int first_pause_ms, int max_pause_ms);

    // Whether the limit is reached.
    bool Passed() const;
    // Pauses for the next step; a process descriptor pidfd (-1: none) ends
    // the pause as soon as its process ends.
    void Pause(int pidfd);
    // Waits until fd is readable or the limit is reached, through signals;
    // true when it is readable, false on the limit or a failed poll.
    bool AwaitReadable(int fd) const;

private:
    std::chrono::steady_clock::time_point end_;
    int pause_ms_;
    int max_pause_ms_;
};

#endif  // NIMBRA_LAUNCHER_PROCESS_DEADLINE_H
