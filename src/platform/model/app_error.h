#pragma once
// Errors carry the exact message text the reader sees (GBK bytes, as the program spells paths).
// One handler at the event-dispatch boundary turns them into the error box.

#include <stdexcept>
#include <string>

namespace veyrin {

class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& gbkMessage) : std::runtime_error(gbkMessage) {}
};

// "Cannot open file %s" and friends, with the path as the program spells it.
[[noreturn]] void throwCannotOpen(const std::string& programPath);
[[noreturn]] void throwCannotCreate(const std::string& programPath);

// The error box appends a full stop unless the message is empty or already ends in a byte
// whose code is at most that of '.'.
std::string withFullStop(const std::string& message);

}  // namespace veyrin
