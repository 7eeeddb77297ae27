// Inputs a reader's files can hold that no reader writes: huge lines, millions of lines, stray
// lead bytes, names that look like paths, overlong settings values. Each must load (or be
// refused with a message) without crashing, and what goes back to disk must be what was read.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "anthology/model/entry_files.h"
#include "app/model/line_file_forms.h"
#include "app/model/settings_file.h"
#include "platform/model/app_error.h"
#include "support/temp_dir.h"
#include "textview/model/line_store.h"

namespace fs = std::filesystem;
using namespace veyrin;
using veyrin::test::readBytes;
using veyrin::test::TempDir;
using veyrin::test::writeBytes;

namespace {

std::string savedBytes(const TSynEditStringList& lines) {
    TempDir dir;
    lines.SaveToFile(dir.path(), "out.dat");
    return readBytes(dir.path() / "out.dat");
}

}  // namespace

TEST(BadInput, HundredMegabyteSingleLine) {
    std::string line(100u * 1024u * 1024u, 'x');
    line[12345] = '\xB0';  // a lead byte somewhere inside does not end the line

    TSynEditStringList view;
    view.LoadFromBytes(line);
    ASSERT_EQ(view.Count(), 1);
    EXPECT_EQ(view.GetView(0).size(), line.size());

    const std::vector<std::string> catalogue = parseListForm(line);
    ASSERT_EQ(catalogue.size(), 1u);
    EXPECT_EQ(catalogue[0].size(), line.size());

    EXPECT_THROW(parseBoxForm(line), AppError);  // beyond the note box's capacity, refused
}

TEST(BadInput, TenMillionEmptyLines) {
    const std::string empties(10'000'000, '\n');

    {
        TSynEditStringList view;
        view.LoadFromBytes(empties);
        EXPECT_EQ(view.Count(), 0);  // trailing blank lines are not kept
        view.LoadFromBytes(empties + "last");
        ASSERT_EQ(view.Count(), 10'000'001);
        EXPECT_EQ(view.GetView(10'000'000), "last");
        EXPECT_EQ(savedBytes(view).size(), empties.size() + 4);  // the LF form round-trips
    }
    EXPECT_EQ(parseListForm(empties).size(), 10'000'000u);
    // Every LF becomes CR LF in a note: 20 MB, beyond the box's capacity, so it is refused.
    EXPECT_THROW(parseBoxForm(empties), AppError);
}

// A catalogue of any length keeps its items in order; only the first 190 have an entry file, and
// an entry file is named by the item's position, so an item that spells a path ("..\..\Tcini.ini",
// "/etc/passwd") is only a caption and never reaches a file name.
TEST(BadInput, HundredThousandLineCatalogueWithPathLikeItems) {
    std::vector<std::string> items;
    for (int i = 0; i < 100'000; ++i) items.push_back("poet " + std::to_string(i));
    items[3] = "..\\..\\Tcini.ini";
    items[4] = "/etc/passwd";
    items[5] = "Tem\\00.dat";
    const std::vector<std::string> loaded = parseListForm(formatListForm(items));
    ASSERT_EQ(loaded, items);

    for (int index : {3, 4, 5}) {
        const std::string path = entryFilePath(index);
        EXPECT_EQ(path, "data\\" + std::string(kAnthologyDirectoryName) + "\\0" + std::to_string(index + 1) + ".txt");
    }
    EXPECT_FALSE(hasEntryFile(static_cast<int>(loaded.size()) - 1));
}

// 0xB0 opens a double-byte character; with nothing valid after it, the break still ends the line
// and a lead byte as the file's last byte is kept, not read past.
TEST(BadInput, LoneLeadByteAtTheEndOfALineOrOfTheFile) {
    const std::string bytes = "a\xB0\r\nb\xB0\nc\xB0";
    TSynEditStringList view;
    view.LoadFromBytes(bytes);
    ASSERT_EQ(view.Count(), 3);
    EXPECT_EQ(view.GetView(0), "a\xB0");
    EXPECT_EQ(view.GetView(2), "c\xB0");
    EXPECT_EQ(savedBytes(view), "a\xB0\r\nb\xB0\r\nc\xB0");

    EXPECT_EQ(parseListForm(bytes), (std::vector<std::string>{"a\xB0", "b\xB0", "c\xB0"}));
    EXPECT_EQ(parseBoxForm(bytes), "a\xB0\r\nb\xB0\r\nc\xB0");
}

// Random bytes as an entry or the view's file: loaded, shown, and saved with every byte but the
// line breaks (made uniform) and trailing blank lines.
TEST(BadInput, BinaryFileInTheViewKeepsItsNonBreakBytes) {
    std::mt19937 random(7);
    std::string bytes(65536, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
    bytes.back() = 'z';

    TSynEditStringList view;
    view.LoadFromBytes(bytes);
    std::string saved = savedBytes(view);
    auto withoutBreaks = [](std::string text) {
        std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
        return text;
    };
    EXPECT_EQ(withoutBreaks(saved), withoutBreaks(bytes));
}

TEST(BadInput, TenThousandByteSettingsValueIsWrittenWholeAndReadCut) {
    TempDir dir;
    TIniFile ini(dir.path() / "Tcini.ini");
    const std::string value(10'000, 'v');
    ini.WriteString("Font", "font1", value);
    ini.WriteInteger("Font", "size1", 12);
    EXPECT_EQ(ini.ReadString("Font", "font1", "").size(), 2047u);
    EXPECT_EQ(ini.ReadInteger("Font", "size1", 0), 12);
    EXPECT_NE(readBytes(dir.path() / "Tcini.ini").find(value + "\r\n"), std::string::npos);
}

TEST(BadInput, EmptyAndMalformedSettingsFilesGiveTheDefaults) {
    TempDir dir;
    const fs::path path = dir.path() / "Tcini.ini";
    TIniFile ini(path);
    writeBytes(path, "");
    EXPECT_EQ(ini.ReadInteger("Font", "size1", 11), 11);
    static constexpr char kMalformed[] = "[Font\r\nsize1=12\r\n[Temp]\r\nitem1=99999999999\r\nHeight1=-\r\ncheck1=\0\r\n";
    writeBytes(path, std::string(kMalformed, sizeof kMalformed - 1));
    EXPECT_EQ(ini.ReadInteger("Font", "size1", 11), 11);
    EXPECT_EQ(ini.ReadInteger("Temp", "item1", 0), 0);
    EXPECT_EQ(ini.ReadInteger("Temp", "Height1", 409), 409);
    EXPECT_TRUE(ini.ReadBool("Temp", "check1", true));
}
