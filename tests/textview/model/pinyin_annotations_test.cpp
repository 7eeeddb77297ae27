#include <gtest/gtest.h>

#include <string>

#include "platform/model/gbk_text.h"
#include "textview/model/pinyin_annotations.h"
#include "textview/model/vertical_layout.h"
#include "textview/model/view_metrics.h"

namespace veyrin {
namespace {

TSynLineAnnotations pinyinOf(const char* utf8) { return TSynPinyinAnnotations::pinyinOfLine(gbk::fromUtf8(utf8)); }

TEST(PinyinAnnotations, OnlyChineseCharactersGetASyllableAtTheirOwnBytes) {
    EXPECT_EQ(pinyinOf("床前明月光，疑是"),
              (TSynLineAnnotations{{0, "chuáng"}, {2, "qián"}, {4, "míng"}, {6, "yuè"}, {8, "guāng"}, {12, "yí"},
                                   {14, "shì"}}));
    // Letters, digits, spaces and full-width punctuation get none; positions count their bytes.
    EXPECT_EQ(pinyinOf("Li 白 2《绿》"), (TSynLineAnnotations{{3, "bái"}, {9, "lǜ"}}));
    EXPECT_TRUE(pinyinOf("abc 123 ，。！").empty());
    EXPECT_TRUE(pinyinOf("").empty());
    // A stray lead byte stands alone and shifts nothing after it.
    const std::string stray = std::string("\x81") + " " + gbk::fromUtf8("月");
    EXPECT_EQ(TSynPinyinAnnotations::pinyinOfLine(stray), (TSynLineAnnotations{{2, "yuè"}}));
}

TEST(PinyinAnnotations, ACachedLineIsReadAgainOnceItChanges) {
    TSynPinyinAnnotations annotations;
    const std::string before = gbk::fromUtf8("思故乡");
    ASSERT_EQ(annotations.annotationsOf(before).size(), 3u);
    EXPECT_EQ(annotations.annotationsOf(before)[2].text, "xiāng");
    const std::string after = gbk::fromUtf8("思故人");
    EXPECT_EQ(annotations.annotationsOf(after)[2].text, "rén");
    EXPECT_EQ(annotations.annotationsOf(before)[2].text, "xiāng");
    const TSynLineAnnotations& line = annotations.annotationsOf(after);
    ASSERT_NE(annotationAt(line, 2), nullptr);
    EXPECT_EQ(annotationAt(line, 2)->text, "gù");
    EXPECT_EQ(annotationAt(line, 1), nullptr);
    EXPECT_EQ(annotationAt(line, 6), nullptr);
}

TEST(PinyinAnnotations, TheBandIsPartOfTheRowPitchAboveTheText) {
    TSynViewMetrics m;
    m.setClientSize(600, 300);
    m.setFont(6, 12, lsSingle, 0);
    const int plain = m.rowHeight;
    const int plainTextTop = m.textTop(3, 1);
    const int plainOffset = plainTextTop - m.rowTop(3, 1);
    m.setFont(6, 12, lsSingle, 0, 7);
    EXPECT_EQ(m.rowHeight, plain + 7);
    EXPECT_EQ(m.linesInWindow, 300 / (plain + 7));
    // The text sits below the band with the spacing around it as before.
    EXPECT_EQ(m.textTop(3, 1) - m.rowTop(3, 1), plainOffset + 7);
    // A click in the band belongs to the row under it.
    EXPECT_EQ(m.pixelToDisplay(10, m.rowTop(2, 1) + 1, 1, 1, false).Row, 2);
    m.setFont(6, 12, lsSingle, 0);
    EXPECT_EQ(m.rowHeight, plain);
    EXPECT_EQ(m.textTop(3, 1), plainTextTop);

    // In columns the band stands right of the characters and widens the column.
    TVerticalGeometry g{.cellAdvance = 8, .glyphWidth = 16, .extraSpacing = 4, .pageHeight = 200, .topMargin = 10,
                        .bottomMargin = 10, .sideMargin = 8};
    TVerticalLayout layout;
    layout.layOut({{{U'月', 2}}}, g);
    const int pitch = layout.columnPitch();
    g.annotationBand = 7;
    layout.layOut({{{U'月', 2}}}, g);
    EXPECT_EQ(layout.columnPitch(), pitch + 7);
    EXPECT_EQ(layout.annotationLeft(0, 300, 0), layout.glyphLeft(0, 300, 0) + 16);
    EXPECT_LE(layout.annotationLeft(0, 300, 0) + 7, layout.columnLeft(-1, 300, 0));
}

}  // namespace
}  // namespace veyrin
