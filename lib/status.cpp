#include "status.h"

#include <cstring>

Status Status::Failed(const char* call, const char* path, int err) {
    return Failed(std::string(call) + " '" + path + "'", err);
}

std::string Status::ToString() const {
    if (ok()) return std::string();
    return call_ + ": " + strerror(err_);
}
