#include "platform/model/file_permissions.h"

#include <unistd.h>

#include <system_error>

namespace veyrin {
namespace {

using std::filesystem::perms;

bool refuses(const std::filesystem::path& path, perms anyoneMay, int accessMode) {
    std::error_code ec;
    auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) return false;
    if ((status.permissions() & anyoneMay) == perms::none) return true;
    return ::access(path.c_str(), accessMode) != 0;
}

}  // namespace

bool refusesWriting(const std::filesystem::path& path) {
    return refuses(path, perms::owner_write | perms::group_write | perms::others_write, W_OK);
}

bool refusesReading(const std::filesystem::path& path) {
    return refuses(path, perms::owner_read | perms::group_read | perms::others_read, R_OK);
}

}  // namespace veyrin
