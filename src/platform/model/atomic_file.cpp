#include "platform/model/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <system_error>
#include <thread>

#include "platform/model/file_permissions.h"

namespace veyrin {
namespace {

std::filesystem::path followSymlink(const std::filesystem::path& target) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(target, ec)) return target;
    std::filesystem::path real = std::filesystem::weakly_canonical(target, ec);
    return ec ? target : real;
}

std::filesystem::path directoryOf(const std::filesystem::path& target) {
    std::filesystem::path dir = target.parent_path();
    return dir.empty() ? std::filesystem::path(".") : dir;
}

bool writeAll(int fd, std::string_view bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<size_t>(n);
    }
    return true;
}

// A debugging aid for the test that kills the program while it closes: with
// VEYRIN_DEBUG_WRITE_PAUSE_MS set, every write stops that long half way through, so a kill at a
// random moment lands inside the writes instead of between them. Unset, nothing is read or slowed.
std::chrono::milliseconds debugWritePause() {
    static const std::chrono::milliseconds pause = [] {
        const char* value = std::getenv("VEYRIN_DEBUG_WRITE_PAUSE_MS");
        if (value == nullptr) return std::chrono::milliseconds(0);
        return std::chrono::milliseconds(std::strtol(value, nullptr, 10));
    }();
    return pause;
}

bool writeAllWithDebugPause(int fd, std::string_view bytes) {
    const std::chrono::milliseconds pause = debugWritePause();
    if (pause.count() <= 0) return writeAll(fd, bytes);
    const std::size_t half = bytes.size() / 2;
    if (!writeAll(fd, bytes.substr(0, half))) return false;
    std::this_thread::sleep_for(pause);
    return writeAll(fd, bytes.substr(half));
}

bool writeSyncAndClose(int fd, const std::string& bytes) {
    bool ok = writeAllWithDebugPause(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    return ok;
}

// Only an administrator may give a file to another user; anyone else can still keep its group
// when they belong to it. Failing both, the file becomes the writer's, as any new file would.
bool keepOwner(int fd, const struct stat& original) {
    return ::fchown(fd, original.st_uid, original.st_gid) == 0 ||
           ::fchown(fd, static_cast<uid_t>(-1), original.st_gid) == 0;
}

// The mode goes on after the owner, since a change of owner clears the set-id bits.
void takeOverOwnerAndMode(int fd, const std::optional<struct stat>& original) {
    if (!original) return;
    keepOwner(fd, *original);
    ::fchmod(fd, original->st_mode & 07777);
}

bool writeInPlace(const std::filesystem::path& target, const std::string& bytes) {
    int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return false;
    return writeSyncAndClose(fd, bytes);
}

// Empty when the temporary file cannot be created beside the target, so nothing was tried yet.
std::optional<bool> writeThroughTemporary(const std::filesystem::path& target, const std::string& bytes,
                                          const std::optional<struct stat>& original) {
    if (refusesWriting(directoryOf(target))) return std::nullopt;
    const std::string tempName = target.string() + ".veyrin-tmp";
    // One left by a run that was killed while it wrote is stale: it goes, whatever its mode, and
    // the new one is made fresh, so nothing it points to or allows can carry over.
    ::unlink(tempName.c_str());
    int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return std::nullopt;
    takeOverOwnerAndMode(fd, original);
    bool ok = writeSyncAndClose(fd, bytes) && ::rename(tempName.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(tempName.c_str());
    return ok;
}

std::optional<struct stat> statOf(const std::filesystem::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) return std::nullopt;
    return st;
}

}  // namespace

bool replaceFileContents(const std::filesystem::path& requested, const std::string& bytes) {
    const std::filesystem::path target = followSymlink(requested);
    const std::optional<struct stat> original = statOf(target);
    if (original && (S_ISDIR(original->st_mode) || refusesWriting(target))) return false;
    if (original && original->st_nlink > 1) return writeInPlace(target, bytes);
    if (auto written = writeThroughTemporary(target, bytes, original)) return *written;
    return original && writeInPlace(target, bytes);
}

}  // namespace veyrin
