#include "textview/model/word_wrap_plugin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "textview/model/display_map.h"
#include "textview/model/line_store.h"

namespace veyrin {
namespace {

using Rows = std::vector<std::uint8_t>;

// "唐" in GBK, repeated: a line of double-byte characters.
std::string chinese(int characters) {
    std::string s;
    for (int i = 0; i < characters; ++i) s += "\xCC\xC6";
    return s;
}

TEST(WrapLine, DoubleByteTextBreaksHardAndNeverInsideACharacter) {
    EXPECT_EQ(TSynWordWrapPlugin::wrapLine(chinese(40), 78), (Rows{78, 2}));
    EXPECT_EQ(TSynWordWrapPlugin::wrapLine(chinese(40), 77), (Rows{76, 4}));
    // A single-byte character shifts the pairing: counted from the row start, not the line start.
    EXPECT_EQ(TSynWordWrapPlugin::wrapLine("a" + chinese(5), 4), (Rows{3, 4, 4}));
    // GBK trail bytes may lie below 0x80: 0x81 0x40 is one character.
    EXPECT_EQ(TSynWordWrapPlugin::wrapLine("\x81\x40\x81\x40\x81\x40", 3), (Rows{2, 2, 2}));
}

TEST(WrapLine, LatinTextBreaksAfterABlankInTheLastThird) {
    // Column 12, min row length 8: blanks are looked for at offsets 11 down to 9.
    EXPECT_EQ(TSynWordWrapPlugin::wrapLine("aaaaaaaaa bbbbbbbb", 12), (Rows{10, 8}));
    // A blank before the last third is ignored: hard break at the column.
    EXPECT_EQ(TSynWordWrapPlugin::wrapLine("aaa bbbbbbbbbbbbbbbbb", 12), (Rows{12, 9}));
    EXPECT_EQ(TSynWordWrapPlugin::wrapLine(std::string(30, 'w'), 12), (Rows{12, 12, 6}));
}

TEST(WrapLine, BlanksAtTheBreakHangOnTheUpperRow) {
    EXPECT_EQ(TSynWordWrapPlugin::wrapLine("abcdef    ghij", 6), (Rows{10, 4}));
    // Blanks reaching the end of the line open no empty row.
    EXPECT_EQ(TSynWordWrapPlugin::wrapLine("abcdef   ", 6), (Rows{9}));
    // The hanging run is cut at 255 cells.
    EXPECT_EQ(TSynWordWrapPlugin::wrapLine("ab" + std::string(300, ' ') + "c", 2), (Rows{255, 47, 1}));
}

TEST(WrapLine, ShortAndEmptyLinesTakeOneRow) {
    EXPECT_EQ(TSynWordWrapPlugin::wrapLine("", 10), (Rows{0}));
    EXPECT_EQ(TSynWordWrapPlugin::wrapLine("0123456789", 10), (Rows{10}));
    // One cell cannot split a double-byte character: the row carries it whole instead of looping.
    EXPECT_EQ(TSynWordWrapPlugin::wrapLine(chinese(2), 1), (Rows{2, 2}));
}

class WrapIndex : public ::testing::Test {
protected:
    struct Forwarder : ISynLinesObserver {
        TSynWordWrapPlugin& plugin;
        explicit Forwarder(TSynWordWrapPlugin& p) : plugin(p) {}
        void linesChanged(const TSynLinesChange& change) override { plugin.LinesChanged(change); }
    };
    WrapIndex() : plugin(lines), forwarder(plugin) {
        lines.addObserver(&forwarder);
        plugin.Reset(10);
    }
    ~WrapIndex() override { lines.removeObserver(&forwarder); }
    // Rows of each line, from the index.
    std::vector<int> rowsPerLine() const {
        std::vector<int> rows;
        for (int line = 1; line <= plugin.LineCount(); ++line) rows.push_back(plugin.RowsOfLine(line));
        return rows;
    }
    TSynEditStringList lines;
    TSynWordWrapPlugin plugin;
    Forwarder forwarder;
};

TEST_F(WrapIndex, FollowsInsertDeleteReplaceAndClear) {
    lines.LoadFromBytes("short\n" + std::string(25, 'x') + "\n\nend");
    EXPECT_EQ(rowsPerLine(), (std::vector<int>{1, 3, 1, 1}));
    EXPECT_EQ(plugin.RowCount(), 6);
    lines.Insert(1, std::string(15, 'y'));
    EXPECT_EQ(rowsPerLine(), (std::vector<int>{1, 2, 3, 1, 1}));
    lines.Put(2, "now short");
    EXPECT_EQ(rowsPerLine(), (std::vector<int>{1, 2, 1, 1, 1}));
    EXPECT_EQ(plugin.LineToRow(5), 6);
    lines.Delete(1);
    EXPECT_EQ(rowsPerLine(), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(plugin.RowCount(), 4);
    lines.Clear();
    EXPECT_EQ(plugin.RowCount(), 0);
}

TEST_F(WrapIndex, ReWrapsOnlyWhenTheColumnChangesAndCapsAt255) {
    lines.Add(std::string(600, 'z'));
    EXPECT_EQ(plugin.RowCount(), 60);
    plugin.DisplayChanged(20);
    EXPECT_EQ(plugin.RowCount(), 30);
    plugin.DisplayChanged(400);
    EXPECT_EQ(plugin.wrapColumn(), 255);
    EXPECT_EQ(plugin.RowCount(), 3);
    EXPECT_EQ(plugin.GetRowLength(3), 90);
}

TEST_F(WrapIndex, AZeroColumnShowsNoRowsUntilWideEnough) {
    lines.Add("abc");
    plugin.Reset(0);
    EXPECT_EQ(plugin.RowCount(), 0);
    lines.Add("def");
    EXPECT_EQ(plugin.RowCount(), 0);
    plugin.DisplayChanged(2);
    EXPECT_EQ(plugin.RowCount(), 4);
}

TEST_F(WrapIndex, RowsAndLinesMapBothWays) {
    lines.LoadFromBytes("a\n" + std::string(25, 'x') + "\nb");
    EXPECT_EQ(plugin.RowToLine(1), 1);
    EXPECT_EQ(plugin.RowToLine(2), 2);
    EXPECT_EQ(plugin.RowToLine(4), 2);
    EXPECT_EQ(plugin.RowToLine(5), 3);
    EXPECT_EQ(plugin.RowToLine(7), 5);  // rows past the end map to lines past the end
    EXPECT_EQ(plugin.LineToRow(3), 5);
}

TEST_F(WrapIndex, BufferPositionsMapToRowsAtRowEnds) {
    lines.Add(std::string(25, 'x'));
    EXPECT_EQ(plugin.BufferToDisplayPos({1, 1}), (TDisplayCoord{1, 1}));
    EXPECT_EQ(plugin.BufferToDisplayPos({10, 1}), (TDisplayCoord{10, 1}));
    // Just after a row's last byte belongs to the next row...
    EXPECT_EQ(plugin.BufferToDisplayPos({11, 1}), (TDisplayCoord{1, 2}));
    // ...except on the line's last row.
    EXPECT_EQ(plugin.BufferToDisplayPos({26, 1}), (TDisplayCoord{6, 3}));
    EXPECT_EQ(plugin.DisplayToBufferPos({3, 2}), (TBufferCoord{13, 1}));
    EXPECT_EQ(plugin.DisplayToBufferPos({4, 9}), (TBufferCoord{4, 7}));
}

TEST_F(WrapIndex, DisplayColumnsOnATrailByteMoveOntoTheCharacterEnd) {
    lines.Add("a" + chinese(3));
    EXPECT_EQ(plugin.DisplayToBufferPos({3, 1}), (TBufferCoord{4, 1}));
    EXPECT_EQ(plugin.DisplayToBufferPos({4, 1}), (TBufferCoord{4, 1}));
}

TEST_F(WrapIndex, TabsAreExpandedBeforeWrapping) {
    lines.Add("a\tbcdefghij");  // expands to 18 cells
    EXPECT_EQ(plugin.RowCount(), 2);
    EXPECT_EQ(plugin.BufferToDisplayPos({3, 1}), (TDisplayCoord{9, 1}));
    EXPECT_EQ(plugin.DisplayToBufferPos({5, 1}), (TBufferCoord{2, 1}));
}

TEST(DisplayMap, WithoutWordWrapRowsAreLines) {
    TSynEditStringList lines;
    lines.Add(std::string(300, 'q'));
    lines.Add("x\ty");
    TSynDisplayMap map(lines);
    EXPECT_EQ(map.rowCount(), 2);
    EXPECT_EQ(map.rowLength(2), 9);
    EXPECT_EQ(map.bufferToDisplay({3, 2}), (TDisplayCoord{9, 2}));
    map.setWordWrap(true, 100);
    EXPECT_EQ(map.rowCount(), 4);
    EXPECT_EQ(map.rowToLine(4), 2);
}

}  // namespace
}  // namespace veyrin
