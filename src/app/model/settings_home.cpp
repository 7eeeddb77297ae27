#include "app/model/settings_home.h"

namespace veyrin {

std::filesystem::path chooseSettingsDirectory(const std::filesystem::path& programDirectory,
                                              const std::filesystem::path& workingDirectory, const char* overrideValue) {
    if (overrideValue == nullptr || *overrideValue == '\0') return programDirectory;
    std::filesystem::path chosen(overrideValue);
    return chosen.is_absolute() ? chosen : workingDirectory / chosen;
}

}  // namespace veyrin
