#include "platform/model/app_error.h"

namespace veyrin {

void throwCannotOpen(const std::string& programPath) {
    throw AppError("Cannot open file " + programPath);
}

void throwCannotCreate(const std::string& programPath) {
    throw AppError("Cannot create file " + programPath);
}

std::string withFullStop(const std::string& message) {
    if (message.empty() || static_cast<unsigned char>(message.back()) <= '.') return message;
    return message + ".";
}

}  // namespace veyrin
