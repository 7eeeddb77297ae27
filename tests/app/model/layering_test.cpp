// The program layer (src/app) sits on top of everything else: it may use any subsystem, but no
// other subsystem may include one of its headers, or the layers would depend on each other in a
// circle and a window could reach into the main window's controls.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// "file:line" of every include of an app/ header in the source files under dir.
std::vector<std::string> includesOfProgramLayer(const fs::path& dir) {
    static const std::regex programInclude(R"(^\s*#\s*include\s*["<](\.\./)*app/)");
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number)
            if (std::regex_search(line, programInclude))
                found.push_back(entry.path().string() + ":" + std::to_string(number));
    }
    return found;
}

}  // namespace

TEST(Layering, OnlyTheProgramLayerIncludesItsOwnHeaders) {
    const fs::path src = fs::path(VEYRIN_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(src / "windows"));
    std::vector<std::string> offenders;
    for (const auto& subsystem : fs::directory_iterator(src)) {
        if (!subsystem.is_directory() || subsystem.path().filename() == "app") continue;
        for (std::string& where : includesOfProgramLayer(subsystem.path())) offenders.push_back(std::move(where));
    }
    EXPECT_TRUE(offenders.empty()) << "includes of app/ outside src/app, first: " << offenders.front();
}

TEST(Layering, TheScanSeesAnInclude) {
    // The program's entry includes the main window, so a scan that finds nothing there is broken.
    EXPECT_FALSE(includesOfProgramLayer(fs::path(VEYRIN_SOURCE_DIR) / "src" / "app").empty());
}
