#pragma once
// Whether a file or directory may be read or written. The permission bits decide, not only what
// the running user could force: an administrator passes every access check, yet a file that nobody
// may write is one the reader made read-only to keep it as it is, and the program must honour that
// for every user alike.

#include <filesystem>

namespace veyrin {

// True when the path exists and nobody may write it by its bits, or the running user may not.
[[nodiscard]] bool refusesWriting(const std::filesystem::path& path);

// True when the path exists and nobody may read it by its bits, or the running user may not.
[[nodiscard]] bool refusesReading(const std::filesystem::path& path);

}  // namespace veyrin
