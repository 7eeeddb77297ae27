#include "textview/model/char_offsets.h"

#include "platform/model/gbk_text.h"
#include "textview/model/line_store.h"

#include <gtest/gtest.h>

namespace veyrin {
namespace {

std::string g(const char* utf8) { return gbk::fromUtf8(utf8); }

TEST(GbkCharCounting, PairsCountOnceAndStrayLeadBytesStandAlone) {
    const std::string mixed = g("春a眠") + "\x81" + "\x0d";  // a lead byte before a CR is no pair
    EXPECT_EQ(gbkCharCount(mixed), 5);
    EXPECT_EQ(gbkCharsBefore(mixed, 2), 1);
    EXPECT_EQ(gbkCharsBefore(mixed, 3), 2);
    EXPECT_EQ(gbkCharsBefore(mixed, 4), 3);  // inside 眠: the pair counts
    EXPECT_EQ(gbkByteOfChar(mixed, 2), 3);
    EXPECT_EQ(gbkByteOfChar(mixed, 4), 6);
    EXPECT_EQ(gbkByteOfChar(mixed, 99), static_cast<int>(mixed.size()));
}

TEST(CharOffsets, LineBreaksCountOneAndPositionsRoundTrip) {
    TSynEditStringList lines;
    lines.Add(g("床前明月光，"));
    lines.Add("");
    lines.Add(g("疑是地上霜。") + "ab");
    const TSynCharOffsets offsets(lines);
    EXPECT_EQ(offsets.length(), 6 + 1 + 0 + 1 + 8);
    EXPECT_EQ(offsets.offsetOf({1, 2}), 7);   // the empty line
    EXPECT_EQ(offsets.offsetOf({5, 3}), 10);  // after 疑是
    EXPECT_EQ(offsets.offsetOf({13, 3}), 14); // after 。
    for (int offset = 0; offset <= offsets.length(); ++offset)
        EXPECT_EQ(offsets.offsetOf(offsets.coordOf(offset)), offset) << offset;
    // Out of range offsets and positions are held to the text.
    EXPECT_EQ(offsets.coordOf(-5), (TBufferCoord{1, 1}));
    EXPECT_EQ(offsets.coordOf(1000), (TBufferCoord{15, 3}));
    EXPECT_EQ(offsets.offsetOf({99, 1}), 6);
}

TEST(CharOffsets, EmptyTextHasOneEmptyLine) {
    TSynEditStringList lines;
    const TSynCharOffsets offsets(lines);
    EXPECT_EQ(offsets.length(), 0);
    EXPECT_EQ(offsets.coordOf(3), (TBufferCoord{1, 1}));
    EXPECT_EQ(offsets.offsetOf({4, 7}), 0);
}

}  // namespace
}  // namespace veyrin
