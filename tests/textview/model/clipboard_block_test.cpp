#include "textview/model/clipboard_block.h"

#include "platform/model/app_error.h"

#include <gtest/gtest.h>

namespace veyrin {
namespace {

using namespace std::string_literals;

TEST(ClipboardBlock, EncodesModeTextAndTerminator) {
    EXPECT_EQ(encodeClipboardBlock({smNormal, "ab\xB4\xB2"}), "\x00"s "ab\xB4\xB2\x00"s);
    EXPECT_EQ(encodeClipboardBlock({smColumn, ""}), "\x02\x00"s);
}

TEST(ClipboardBlock, RoundTripsEveryMode) {
    for (auto mode : {smNormal, smLine, smColumn}) {
        const TSynClipboardBlock decoded = decodeClipboardBlock(encodeClipboardBlock({mode, "x\r\ny"}));
        EXPECT_EQ(decoded.mode, mode);
        EXPECT_EQ(decoded.text, "x\r\ny");
    }
}

TEST(ClipboardBlock, DecodingToleratesMissingTerminatorAndUnknownMode) {
    const TSynClipboardBlock block = decodeClipboardBlock("\x07tail"s);
    EXPECT_EQ(block.mode, smNormal);
    EXPECT_EQ(block.text, "tail");
    EXPECT_EQ(decodeClipboardBlock("\x01" "ab\x00junk"s).text, "ab");
}

TEST(ClipboardBlock, EmptyBlockIsAPasteFailure) {
    try {
        decodeClipboardBlock("");
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), "Clipboard paste operation failed.");
    }
}

TEST(ClipboardText, JoinsWithCrLfAndSplitsAnyBreak) {
    EXPECT_EQ(joinLinesCrLf({"first", "second"}), "first\r\nsecond");
    EXPECT_EQ(joinLinesCrLf({"only"}), "only");
    EXPECT_EQ(splitTextLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitTextLines("a\n\rb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitTextLines("a\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(splitTextLines(""), (std::vector<std::string>{""}));
    EXPECT_EQ(textBeforeNul("ab\0cd"s), "ab");
}

}  // namespace
}  // namespace veyrin
