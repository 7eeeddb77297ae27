#include "app/model/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "app/model/profile_text.h"
#include "platform/model/app_error.h"
#include "platform/model/color.h"
#include "platform/model/gbk_text.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using namespace veyrin;
using veyrin::test::readBytes;
using veyrin::test::TempDir;
using veyrin::test::writeBytes;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path iniPath = dir.path() / "Tcini.ini";
    TIniFile ini{iniPath};

    void setFile(const std::string& bytes) { writeBytes(iniPath, bytes); }
    std::string fileBytes() const { return readBytes(iniPath); }
};

std::string expectRefusal(TIniFile& ini) {
    try {
        ini.WriteString("Font", "font1", "x");
    } catch (const AppError& e) {
        return e.what();
    }
    ADD_FAILURE() << "write was not refused";
    return {};
}

}  // namespace

TEST(ProfileInteger, AcceptsDecimalAndEveryHexPrefixWithinTheSignedRange) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"0x10", 16}, {"0X10", 16}, {"$10", 16},    {"x1f", 31},           {"XFF", 255},
        {"  -12", -12}, {"+12", 12}, {"-$10", -16}, {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
        {"$7FFFFFFF", INT32_MAX}, {"00012", 12},
    };
    for (auto [text, value] : cases) EXPECT_EQ(parseProfileInteger(text), value) << text;
}

TEST(ProfileInteger, RejectsMalformedAndOutOfRangeText) {
    for (const char* text : {"", " ", "12abc", "abc", "true", "0x", "$", "-", "+-1", "12 ", "1.5", "2147483648",
                             "-2147483649", "$80000000", "0xFFFFFFFF", "99999999999999999999", "0x1g", "1e3"}) {
        EXPECT_FALSE(parseProfileInteger(text).has_value()) << text;
    }
}

TEST_F(SettingsFileTest, MissingFileGivesEveryDefault) {
    EXPECT_EQ(ini.ReadString("Font", "font1", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadInteger("Font", "size1", 11), 11);
    EXPECT_TRUE(ini.ReadBool("Temp", "check2", true));
    EXPECT_FALSE(ini.ReadBool("Temp", "check1", false));
}

TEST_F(SettingsFileTest, IntegerValuesAndTheirDefaults) {
    setFile("[Font]\r\nsize1=0x10\r\nsize2=$10\r\nsize3=12abc\r\nsize4=\r\nsize5= 42 \r\n");
    EXPECT_EQ(ini.ReadInteger("Font", "size1", 11), 16);
    EXPECT_EQ(ini.ReadInteger("Font", "size2", 11), 16);
    EXPECT_EQ(ini.ReadInteger("Font", "size3", 11), 11);
    EXPECT_EQ(ini.ReadInteger("Font", "size4", 11), 11);
    EXPECT_EQ(ini.ReadInteger("Font", "size5", 11), 42);
}

TEST_F(SettingsFileTest, BooleansAreIntegersSoAWordFallsBackToTheDefault) {
    setFile("[Temp]\r\ncheck1=true\r\ncheck2=true\r\ncheck3=2\r\ncheck4=-1\r\ncheck5=0\r\n");
    EXPECT_FALSE(ini.ReadBool("Temp", "check1", false));
    EXPECT_TRUE(ini.ReadBool("Temp", "check2", true));
    EXPECT_TRUE(ini.ReadBool("Temp", "check3", false));
    EXPECT_TRUE(ini.ReadBool("Temp", "check4", false));
    EXPECT_FALSE(ini.ReadBool("Temp", "check5", true));
}

TEST_F(SettingsFileTest, CapitalisedNamesAreReadAndReplacedWhereTheyStand) {
    const std::string song = gbk::fromUtf8("宋体");
    const std::string newSong = gbk::fromUtf8("新宋体");
    setFile("[Other]\r\na=1\r\n[FONT]\r\nFONT1=" + song + "\r\nSIZE1=12\r\n");
    EXPECT_EQ(ini.ReadString("Font", "font1", ""), song);
    ini.WriteString("Font", "font1", newSong);
    ini.WriteInteger("font", "size1", 14);
    EXPECT_EQ(fileBytes(), "[Other]\r\na=1\r\n[FONT]\r\nFONT1=" + newSong + "\r\nSIZE1=14\r\n");
}

TEST_F(SettingsFileTest, CaseFoldingNeverTouchesTheTrailByteOfADoubleByteName) {
    // 0x81 0x41 and 0x81 0x61 are two different characters whose trail bytes look like 'A' and 'a'.
    setFile("[\x81\x41]\r\nk=1\r\n");
    EXPECT_EQ(ini.ReadInteger("\x81\x41", "K", 0), 1);
    EXPECT_EQ(ini.ReadInteger("\x81\x61", "k", 0), 0);
}

TEST_F(SettingsFileTest, SystemColourRoundTripsAsANegativeNumber) {
    ini.WriteInteger("font", "color1", clWindowText);
    EXPECT_EQ(ini.ReadInteger("Font", "color1", 0), -2147483640);
    EXPECT_EQ(ini.ReadInteger("Font", "color1", 0), clWindowText);
    EXPECT_EQ(fileBytes(), "[font]\r\ncolor1=-2147483640\r\n");
}

TEST_F(SettingsFileTest, LongValueIsCutTo2047Bytes) {
    std::string longValue(3000, 'a');
    longValue[2046] = 'b';
    longValue[2047] = 'c';
    setFile("[Font]\r\nfont1=" + longValue + "\r\n");
    std::string read = ini.ReadString("Font", "font1", "");
    ASSERT_EQ(read.size(), 2047u);
    EXPECT_EQ(read.back(), 'b');
}

TEST_F(SettingsFileTest, BlanksAndOnePairOfEnclosingQuotesAreStripped) {
    setFile("[S]\r\n a = \"x y\" \r\nb='z'\r\nc=\"mixed'\r\nd=\"\"q\"\"\r\ne=\"\r\nf=v=w\r\n");
    EXPECT_EQ(ini.ReadString("S", "a", "-"), "x y");
    EXPECT_EQ(ini.ReadString("S", "b", "-"), "z");
    EXPECT_EQ(ini.ReadString("S", "c", "-"), "\"mixed'");
    EXPECT_EQ(ini.ReadString("S", "d", "-"), "\"q\"");
    EXPECT_EQ(ini.ReadString("S", "e", "-"), "\"");
    EXPECT_EQ(ini.ReadString("S", "f", "-"), "v=w");
}

TEST_F(SettingsFileTest, DuplicateSectionsAndKeysUseTheFirstMatch) {
    setFile("[Temp]\r\nitem1=3\r\nitem1=4\r\n[temp]\r\nitem1=5\r\nHeight1=300\r\n");
    EXPECT_EQ(ini.ReadInteger("Temp", "item1", 0), 3);
    // Only the first section is searched, so a key of the duplicate section is not seen...
    EXPECT_EQ(ini.ReadInteger("Temp", "Height1", 409), 409);
    ini.WriteInteger("TEMP", "item1", 7);
    // ...and writing it adds it to the first section, where the next read finds it.
    ini.WriteInteger("Temp", "Height1", 200);
    EXPECT_EQ(fileBytes(), "[Temp]\r\nitem1=7\r\nitem1=4\r\nHeight1=200\r\n[temp]\r\nitem1=5\r\nHeight1=300\r\n");
    EXPECT_EQ(ini.ReadInteger("Temp", "Height1", 409), 200);
}

TEST_F(SettingsFileTest, NewKeyGoesAfterTheSectionsLastKeyLineNotAfterItsTrailingBlankLines) {
    setFile("; settings\n[Font]\nfont1=a\n\n; colours follow\n[color]\ncolor2=1");
    ini.WriteInteger("Font", "size1", 11);
    EXPECT_EQ(fileBytes(), "; settings\r\n[Font]\r\nfont1=a\r\nsize1=11\r\n\r\n; colours follow\r\n[color]\r\ncolor2=1\r\n");
}

TEST_F(SettingsFileTest, KeyIntoAnEmptySectionGoesRightAfterItsHeader) {
    setFile("[Temp]\r\n\r\n[color]\r\n");
    ini.WriteBool("Temp", "check1", true);
    EXPECT_EQ(fileBytes(), "[Temp]\r\ncheck1=1\r\n\r\n[color]\r\n");
}

TEST_F(SettingsFileTest, FileWrittenFromNothingInCloseOrderHoldsThreeSections) {
    const std::string face = gbk::fromUtf8("新宋体");
    ini.WriteString("Font", "font1", face);
    ini.WriteInteger("Font", "size1", 11);
    ini.WriteInteger("font", "color1", 0);
    for (auto [key, value] : {std::pair{"check1", false}, {"check2", true}, {"check3", false}, {"check4", false},
                              {"check5", true}})
        ini.WriteBool("Temp", key, value);
    ini.WriteInteger("Temp", "item1", 0);
    ini.WriteInteger("color", "color2", 16777215);
    ini.WriteInteger("temp", "topline", 1);
    ini.WriteBool("Temp", "Visible1", false);
    ini.WriteBool("Temp", "Visible2", false);
    ini.WriteBool("Temp", "Visible3", false);
    ini.WriteInteger("Temp", "Height1", 409);

    std::string expected;
    for (const char* line : {"[Font]", "font1=@", "size1=11", "color1=0", "[Temp]", "check1=0", "check2=1",
                             "check3=0", "check4=0", "check5=1", "item1=0", "topline=1", "Visible1=0",
                             "Visible2=0", "Visible3=0", "Height1=409", "[color]", "color2=16777215"})
        expected += std::string(line) + "\r\n";
    expected.replace(expected.find('@'), 1, face);
    EXPECT_EQ(fileBytes(), expected);
}

TEST_F(SettingsFileTest, EveryReadSeesTheFileAsItIsNow) {
    ini.WriteInteger("Font", "size1", 20);
    EXPECT_EQ(ini.ReadInteger("Font", "size1", 11), 20);
    setFile("[Font]\r\nsize1=15\r\n");
    EXPECT_EQ(ini.ReadInteger("Font", "size1", 11), 15);
    fs::remove(iniPath);
    EXPECT_EQ(ini.ReadInteger("Font", "size1", 11), 11);
    EXPECT_EQ(ini.ReadString("Font", "font1", ""), "");
}

TEST_F(SettingsFileTest, MissingDirectoryOrADirectoryInPlaceRefusesWithTheFullPath) {
    TIniFile nowhere(dir.path() / "missing" / "Tcini.ini");
    EXPECT_EQ(expectRefusal(nowhere), "Unable to write to " + (dir.path() / "missing" / "Tcini.ini").string());

    fs::create_directory(iniPath);
    EXPECT_EQ(expectRefusal(ini), "Unable to write to " + iniPath.string());
    EXPECT_EQ(ini.ReadInteger("Font", "size1", 11), 11);
    EXPECT_TRUE(fs::is_directory(iniPath));
}

TEST_F(SettingsFileTest, ReadOnlyFileRefusesAndKeepsItsContent) {
    setFile("[Font]\r\nsize1=12\r\n");
    fs::permissions(iniPath, fs::perms::owner_read);
    EXPECT_EQ(expectRefusal(ini), "Unable to write to " + iniPath.string());
    EXPECT_EQ(fileBytes(), "[Font]\r\nsize1=12\r\n");
    EXPECT_FALSE(fs::exists(iniPath.string() + ".veyrin-tmp"));
}

TEST_F(SettingsFileTest, UnreadableFileIsNotReplacedByOneHoldingOnlyTheNewKey) {
    setFile("[Font]\r\nsize1=12\r\n");
    fs::permissions(iniPath, fs::perms::owner_write);
    EXPECT_EQ(ini.ReadInteger("Font", "size1", 11), 11);
    expectRefusal(ini);
    fs::permissions(iniPath, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fileBytes(), "[Font]\r\nsize1=12\r\n");
}

TEST_F(SettingsFileTest, UpdateReplacesTheFileOnceWithEveryKeyAndReadsSeeThePendingKeys) {
    setFile("[Font]\r\nsize1=12\r\n[Other]\r\nkeep=1\r\n");
    const std::string before = fileBytes();
    ini.Update([&] {
        ini.WriteInteger("Font", "size1", 20);
        ini.WriteBool("Temp", "check1", true);
        EXPECT_EQ(fileBytes(), before);  // nothing reaches the disk before the end
        EXPECT_EQ(ini.ReadInteger("font", "SIZE1", 0), 20);
    });
    EXPECT_EQ(fileBytes(), "[Font]\r\nsize1=20\r\n[Other]\r\nkeep=1\r\n[Temp]\r\ncheck1=1\r\n");
    ini.WriteInteger("Font", "size1", 9);  // after the update, writes go straight to the file again
    EXPECT_EQ(ini.ReadInteger("Font", "size1", 0), 9);
}

TEST_F(SettingsFileTest, UpdateThatThrowsOrIsRefusedLeavesTheFileAsItWas) {
    setFile("[Font]\r\nsize1=12\r\n");
    EXPECT_THROW(ini.Update([&] {
        ini.WriteInteger("Font", "size1", 20);
        throw std::runtime_error("stopped");
    }),
                 std::runtime_error);
    EXPECT_EQ(fileBytes(), "[Font]\r\nsize1=12\r\n");
    EXPECT_EQ(ini.ReadInteger("Font", "size1", 0), 12);

    fs::permissions(iniPath, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_THROW(ini.Update([&] { ini.WriteInteger("Font", "size1", 20); }), AppError);
    EXPECT_EQ(fileBytes(), "[Font]\r\nsize1=12\r\n");
    EXPECT_EQ(ini.ReadInteger("Font", "size1", 0), 12);
}
