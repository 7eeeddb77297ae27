#pragma once
// Which directory holds Tcini.ini. Beside the program file by default, so a copied program folder
// carries its settings with it; an installed program lives in a directory the reader cannot write,
// so its launcher names a per-user directory through VEYRIN_SETTINGS_DIR instead.

#include <filesystem>

namespace veyrin {

inline constexpr const char* kSettingsDirVariable = "VEYRIN_SETTINGS_DIR";

// `overrideValue` is the variable's value, or null when it is not set. An empty value counts as
// not set, so `VEYRIN_SETTINGS_DIR= veyrin` cannot move the settings to the current directory by
// accident; a relative value is taken against `workingDirectory`.
std::filesystem::path chooseSettingsDirectory(const std::filesystem::path& programDirectory,
                                              const std::filesystem::path& workingDirectory, const char* overrideValue);

}  // namespace veyrin
