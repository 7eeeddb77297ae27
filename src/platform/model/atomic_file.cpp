#include "platform/model/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace veyrin {
namespace {

std::filesystem::path followSymlink(const std::filesystem::path& target) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(target, ec)) return target;
    std::filesystem::path real = std::filesystem::weakly_canonical(target, ec);
    return ec ? target : real;
}

// rename() would replace a read-only file without asking, so the target's own refusal is checked
// first: the reader made it read-only to keep it as it is.
bool targetRefusesWrite(const std::filesystem::path& target) {
    std::error_code ec;
    auto status = std::filesystem::status(target, ec);
    if (!std::filesystem::exists(status)) return false;
    if (std::filesystem::is_directory(status)) return true;
    return ::access(target.c_str(), W_OK) != 0;
}

bool writeAll(int fd, const std::string& bytes) {
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

}  // namespace

bool replaceFileContents(const std::filesystem::path& requested, const std::string& bytes) {
    const std::filesystem::path target = followSymlink(requested);
    if (targetRefusesWrite(target)) return false;

    const std::string tempName = target.string() + ".veyrin-tmp";
    int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);

    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok && ::rename(tempName.c_str(), target.c_str()) != 0) ok = false;
    if (!ok) ::unlink(tempName.c_str());
    return ok;
}

}  // namespace veyrin
