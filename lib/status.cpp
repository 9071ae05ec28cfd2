#include "status.h"

#include <cstring>

std::string Status::ToString() const {
    if (ok()) return std::string();
    return call_ + ": " + strerror(err_);
}
