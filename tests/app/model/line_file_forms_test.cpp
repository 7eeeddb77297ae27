#include "app/model/line_file_forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/model/app_error.h"
#include "platform/model/gbk_text.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using namespace veyrin;
using Items = std::vector<std::string>;

TEST(ListForm, EveryBreakStyleEndsOneLine) {
    EXPECT_EQ(parseListForm("a\r\nb\rc\nd"), (Items{"a", "b", "c", "d"}));
    EXPECT_EQ(parseListForm("a\r\nb\r\n"), parseListForm("a\r\nb"));
    EXPECT_EQ(parseListForm("a\n\rb"), (Items{"a", "", "b"}));
    EXPECT_EQ(parseListForm("a\r\r\nb"), (Items{"a", "", "b"}));
    EXPECT_EQ(parseListForm("a\r\n\r\nb\r\n"), (Items{"a", "", "b"}));
}

TEST(ListForm, EmptyTextsAndTheNulByte) {
    EXPECT_TRUE(parseListForm("").empty());
    EXPECT_EQ(parseListForm("\r\n"), (Items{""}));
    EXPECT_EQ(parseListForm(std::string_view("a\r\nb\0c\r\nd", 10)), (Items{"a", "b"}));
    EXPECT_TRUE(parseListForm(std::string_view("\0a", 2)).empty());
}

TEST(ListForm, SaveEndsEveryItemWithCrLfAndRoundTrips) {
    EXPECT_EQ(formatListForm({}), "");
    EXPECT_EQ(formatListForm({""}), "\r\n");
    EXPECT_EQ(formatListForm(parseListForm("one\ntwo\n\nfour")), "one\r\ntwo\r\n\r\nfour\r\n");
    const Items names{gbk::fromUtf8("虞世南"), "", gbk::fromUtf8("孟宾于")};
    EXPECT_EQ(parseListForm(formatListForm(names)), names);
}

TEST(BoxForm, EveryBreakBecomesCrLfAndNoneIsAddedOrDropped) {
    EXPECT_EQ(parseBoxForm("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(parseBoxForm("a\n\rb"), "a\r\n\r\nb");
    EXPECT_EQ(parseBoxForm("a\r\n"), "a\r\n");
    EXPECT_EQ(parseBoxForm("\n\n"), "\r\n\r\n");
    EXPECT_EQ(parseBoxForm(""), "");
}

TEST(BoxForm, DoubleByteCharactersPassUnchangedAndAStrayLeadByteNeverSwallowsABreak) {
    const std::string poem = gbk::fromUtf8("床前明月光\n疑是地上霜");
    EXPECT_EQ(gbk::toUtf8(parseBoxForm(poem)), "床前明月光\r\n疑是地上霜");
    // 0x81 0x40 is a character whose trail byte is '@'; a lead byte before LF is a damaged byte.
    EXPECT_EQ(parseBoxForm("\x81\x40\n"), "\x81\x40\r\n");
    EXPECT_EQ(parseBoxForm("\xB0\nx"), "\xB0\r\nx");
}

TEST(BoxForm, TextEndsAtTheFirstNulByte) {
    EXPECT_EQ(parseBoxForm(std::string_view("note\nmore\0hidden\n", 17)), "note\r\nmore");
}

TEST(BoxForm, TextBeyondTheCapacityIsRefused) {
    EXPECT_EQ(parseBoxForm(std::string(kMemoCapacity, 'a')).size(), kMemoCapacity);
    // Lone LFs grow to CR LF, so a file within the limit can hold a text beyond it.
    std::string grows(kMemoCapacity / 2 + 1, '\n');
    try {
        parseBoxForm(grows);
        FAIL() << "expected an error";
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), "Text exceeds memo capacity");
    }
}

TEST(LineFiles, LfOnlyFilesAreWrittenBackWithCrLf) {
    test::TempDir dir;
    fs::create_directories(dir.path() / "Tem");
    test::writeBytes(dir.path() / "Tem" / "01.dat", "x\ny");
    test::writeBytes(dir.path() / "Tem" / "list.txt", "p\nq\n");

    std::string note = loadBoxFile(dir.path(), "Tem\\01.dat").content;
    saveBoxFile(dir.path(), "tem\\01.dat", note);
    EXPECT_EQ(test::readBytes(dir.path() / "Tem" / "01.dat"), "x\r\ny");

    saveListFile(dir.path(), "Tem\\list.txt", loadListFile(dir.path(), "Tem\\list.txt").content);
    EXPECT_EQ(test::readBytes(dir.path() / "Tem" / "list.txt"), "p\r\nq\r\n");
}

TEST(LineFiles, FailuresNameTheFileAsTheProgramSpellsIt) {
    test::TempDir dir;
    try {
        loadListFile(dir.path(), "Data\\list.txt");
        FAIL() << "expected an error";
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), "Cannot open file Data\\list.txt");
    }
    try {
        saveBoxFile(dir.path(), "Tem\\02.dat", "x");
        FAIL() << "expected an error";
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), "Cannot create file Tem\\02.dat");
    }
}
