#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "textview/model/vertical_forms.h"
#include "textview/model/vertical_layout.h"

namespace veyrin {
namespace {

// Characters as the page decodes them: ASCII takes one cell, anything else two.
std::vector<TVerticalChar> chars(std::u32string_view text) {
    std::vector<TVerticalChar> out;
    for (char32_t c : text) out.push_back({c, c < 0x80 ? 1 : 2});
    return out;
}

// 8-pixel cells, 16-pixel squares, double spacing of a 15-pixel face (17), eight cells a column
// and the square for hanging punctuation below them.
TVerticalGeometry eightCellColumns() {
    TVerticalGeometry g;
    g.cellAdvance = 8;
    g.glyphWidth = 16;
    g.extraSpacing = 17;
    g.topMargin = 10;
    g.bottomMargin = 6;
    g.pageHeight = 10 + (8 + 2) * 8 + 6 + 5;  // five pixels short of one more cell
    g.sideMargin = 8;
    return g;
}

const TVerticalGlyph& glyphAt(const TVerticalLayout& layout, int line, int byteIndex) {
    for (const TVerticalGlyph& g : layout.glyphs())
        if (g.line == line && g.byteIndex == byteIndex) return g;
    throw std::runtime_error("no glyph there");
}

TEST(VerticalLayout, LinesRunDownColumnsThatAdvanceRightToLeftAndWrapIntoTheNext) {
    TVerticalLayout layout;
    layout.layOut({chars(U"床前明月光，"), chars(U"疑是地上霜。")}, eightCellColumns());
    ASSERT_EQ(layout.cellsPerColumn(), 8);
    // Four squares fill the first column; the rest of the line goes on in the second.
    EXPECT_EQ(glyphAt(layout, 0, 0).column, 0);
    EXPECT_EQ(glyphAt(layout, 0, 0).cell, 0);
    EXPECT_EQ(glyphAt(layout, 0, 6).shown, U'月');
    EXPECT_EQ(glyphAt(layout, 0, 6).cell, 6);
    EXPECT_EQ(glyphAt(layout, 0, 8).shown, U'光');
    EXPECT_EQ(glyphAt(layout, 0, 8).column, 1);
    EXPECT_EQ(glyphAt(layout, 0, 8).cell, 0);
    // Each line starts a column of its own.
    EXPECT_EQ(glyphAt(layout, 1, 0).column, 2);
    EXPECT_EQ(layout.columnOfLine(1), 2);
    EXPECT_EQ(layout.columnCount(), 4);

    // Column 0 stands at the right; every further column one pitch (16 + 17) to the left, with the
    // spacing split around the square, the odd pixel on the left.
    const int width = 400;
    EXPECT_EQ(layout.columnPitch(), 33);
    EXPECT_EQ(layout.columnLeft(0, width, 0), 400 - 8 - 33);
    EXPECT_EQ(layout.columnLeft(1, width, 0), 400 - 8 - 66);
    EXPECT_EQ(layout.glyphLeft(0, width, 0), 400 - 8 - 33 + 9);
    EXPECT_EQ(layout.cellTop(6), 10 + 48);
}

TEST(VerticalLayout, DoubleByteCharactersAreNeverSplitAndEmptyLinesKeepTheirColumn) {
    TVerticalGeometry g = eightCellColumns();
    g.pageHeight = g.topMargin + g.bottomMargin + (5 + 2) * g.cellAdvance;  // an odd number of cells
    TVerticalLayout layout;
    layout.layOut({chars(U"ab明月"), chars(U""), chars(U"x")}, g);
    ASSERT_EQ(layout.cellsPerColumn(), 5);
    EXPECT_EQ(glyphAt(layout, 0, 2).cell, 2);  // 明 in cells 2-3
    EXPECT_EQ(glyphAt(layout, 0, 4).column, 1);
    EXPECT_EQ(glyphAt(layout, 0, 4).cell, 0);  // 月 would need cells 4-5: it moves on whole
    EXPECT_EQ(layout.columnOfLine(1), 2);
    EXPECT_EQ(glyphAt(layout, 2, 0).column, 3);
    EXPECT_EQ(layout.columnCount(), 4);
    // Latin lies on its side, Chinese stands upright.
    EXPECT_EQ(glyphAt(layout, 0, 0).turn, TVerticalTurn::Sideways);
    EXPECT_EQ(glyphAt(layout, 0, 2).turn, TVerticalTurn::Upright);
}

TEST(VerticalLayout, ClosingPunctuationHangsBelowAFullColumnRatherThanHeadingTheNext) {
    TVerticalLayout layout;
    layout.layOut({chars(U"床前明月，光"), chars(U"床前明月光」")}, eightCellColumns());
    EXPECT_EQ(glyphAt(layout, 0, 8).column, 0);
    EXPECT_EQ(glyphAt(layout, 0, 8).cell, 8);
    EXPECT_EQ(glyphAt(layout, 0, 10).column, 1);
    EXPECT_EQ(glyphAt(layout, 0, 10).cell, 0);
    // Only punctuation hangs: 光 heads the next column, and 」 follows it there.
    EXPECT_EQ(glyphAt(layout, 1, 8).column, 3);
    EXPECT_EQ(glyphAt(layout, 1, 10).cell, 2);
    EXPECT_EQ(layout.columnsBottom(), layout.cellTop(10));
}

TEST(VerticalLayout, PunctuationTakesItsVerticalForm) {
    TVerticalLayout layout;
    layout.layOut({chars(U"《静夜思》“月”，…—。、！？（a」")}, eightCellColumns());
    std::u32string shown;
    for (const TVerticalGlyph& g : layout.glyphs()) shown += g.shown;
    EXPECT_EQ(shown, U"\uFE3D静夜思\uFE3E\uFE41月\uFE42\uFE10\uFE19\uFE31\uFE12\uFE11\uFE15\uFE16\uFE35a\uFE42");
    EXPECT_EQ(verticalTurnOf(U'～', 2), TVerticalTurn::Sideways);
}

TEST(VerticalLayout, ScrollingTowardsTheLeftBringsTheLastColumnsIn) {
    TVerticalLayout layout;
    std::vector<std::vector<TVerticalChar>> lines(20, chars(U"春眠"));
    layout.layOut(lines, eightCellColumns());
    const int width = 200;  // room for five columns and a part
    ASSERT_EQ(layout.columnCount(), 20);
    EXPECT_EQ(layout.contentWidth(), 2 * 8 + 20 * 33);
    EXPECT_EQ(layout.visibleColumns(width, 0).first, 0);
    EXPECT_EQ(layout.visibleColumns(width, 0).last, 5);  // column 5 starts at 200 - 8 - 198 = -6
    const int end = layout.maxScroll(width);
    EXPECT_EQ(end, layout.contentWidth() - width);
    // Scrolled to the end, the last column keeps the side margin at the left edge.
    EXPECT_EQ(layout.columnLeft(19, width, end), 8);
    EXPECT_EQ(layout.visibleColumns(width, end).last, 19);
    EXPECT_GT(layout.visibleColumns(width, end).first, 0);
    // Text narrower than the view never scrolls.
    TVerticalLayout shortText;
    shortText.layOut({chars(U"春")}, eightCellColumns());
    EXPECT_EQ(shortText.maxScroll(width), 0);
}

TEST(VerticalLayout, APageTooLowForASquareStillPlacesEveryCharacter) {
    TVerticalGeometry g = eightCellColumns();
    g.pageHeight = 0;
    TVerticalLayout layout;
    layout.layOut({chars(U"明月光")}, g);
    EXPECT_EQ(layout.cellsPerColumn(), 2);
    EXPECT_EQ(layout.columnCount(), 3);
    g.cellAdvance = 0;
    layout.layOut({chars(U"明月")}, g);
    EXPECT_EQ(layout.glyphs().size(), 2u);
    EXPECT_TRUE(layout.visibleColumns(0, 0).first > layout.visibleColumns(0, 0).last);
}

}  // namespace
}  // namespace veyrin
