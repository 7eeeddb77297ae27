#include "app/model/settings_home.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using veyrin::chooseSettingsDirectory;

namespace {

const fs::path kProgram = "/opt/veyrin/bin";
const fs::path kWorking = "/home/reader/veyrin";

TEST(SettingsHomeTest, SettingsStayBesideTheProgramUnlessTheVariableNamesADirectory) {
    EXPECT_EQ(chooseSettingsDirectory(kProgram, kWorking, nullptr), kProgram);
    EXPECT_EQ(chooseSettingsDirectory(kProgram, kWorking, ""), kProgram);
    EXPECT_EQ(chooseSettingsDirectory(kProgram, kWorking, "/home/reader/.local/share/veyrin"),
              fs::path("/home/reader/.local/share/veyrin"));
}

TEST(SettingsHomeTest, RelativeDirectoryIsTakenAgainstTheWorkingDirectoryNotTheProgram) {
    EXPECT_EQ(chooseSettingsDirectory(kProgram, kWorking, "conf"), kWorking / "conf");
    EXPECT_EQ(chooseSettingsDirectory(kProgram, kWorking, "."), kWorking / ".");
}

}  // namespace
