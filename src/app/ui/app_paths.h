#pragma once
// Where a run finds its files: the settings file beside the program file, everything else relative
// to the current directory. Tests point both at temporary directories.

#include <filesystem>

namespace veyrin {

struct AppPaths {
    std::filesystem::path workingDirectory;  // base of "Data\...", "data\..." and "Tem\..."
    std::filesystem::path programDirectory;  // holds Tcini.ini

    // The current directory and the directory of the running program file.
    static AppPaths fromProcess();
    std::filesystem::path settingsFile() const { return programDirectory / "Tcini.ini"; }
};

}  // namespace veyrin
