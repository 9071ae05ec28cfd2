// Status: the outcome of an operation that may fail: success, or the call
// that failed and its errno. Helpers return it instead of logging; the caller
// that decides what the failure means logs it once, with ToString().
#ifndef NIMBRA_STATUS_H
#define NIMBRA_STATUS_H

#include <cerrno>
#include <string>
#include <utility>

class Status {
public:
    // Success.
    Status() = default;
    // call failed with err (an errno value; 0 counts as EIO, so that a
    // failure never reads as success).
    static Status Failed(std::string call, int err) {
        return Status(std::move(call), err != 0 ? err : EIO);
    }

    // call on path failed with err: "<call> '<path>'". Plain pointers, so
    // that nothing allocates while the arguments, errno among them, are read.
    static Status Failed(const char* call, const char* path, int err);

    bool ok() const { return err_ == 0; }
    int err() const { return err_; }
    // What failed, for example "open '/home/u/.NimbraBackup/Nimbra.app/INFO'".
    const std::string& call() const { return call_; }
    // "<call>: <strerror(err)>", for the log; empty on success.
    std::string ToString() const;
    // Keeps the first failure: a later one is dropped, so that a run which
    // goes on after a failure reports the cause rather than a consequence.
    void Update(const Status& other) {
        if (ok()) *this = other;
    }

private:
    Status(std::string call, int err) : call_(std::move(call)), err_(err) {}

    std::string call_;
    int err_ = 0;
};

#endif  // NIMBRA_STATUS_H
