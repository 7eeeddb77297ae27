#pragma once
// Where a run finds its files: the settings file beside the program file (or where the launcher of
// an installed program says), everything else relative to the current directory. Tests point them
// at temporary directories.

#include <filesystem>

namespace veyrin {

struct AppPaths {
    std::filesystem::path workingDirectory;  // base of "Data\...", "data\..." and "Tem\..."
    std::filesystem::path programDirectory;   // directory of the running program file
    std::filesystem::path settingsDirectory;  // holds Tcini.ini; the program directory when empty

    // The current directory, the directory of the running program file and the settings directory
    // the environment chooses.
    static AppPaths fromProcess();
    std::filesystem::path settingsFile() const {
        return (settingsDirectory.empty() ? programDirectory : settingsDirectory) / "Tcini.ini";
    }
};

}  // namespace veyrin
