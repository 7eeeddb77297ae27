#include "textview/model/view_model.h"

#include "platform/model/gbk_text.h"
#include "textview/model/clipboard_block.h"
#include "textview/model/editor_engine.h"

#include <gtest/gtest.h>

#include <random>

namespace veyrin {
namespace {

std::string g(const char* utf8) { return gbk::fromUtf8(utf8); }

class NoClipboard : public ISynEditClipboard {
public:
    void write(const TSynClipboardBlock&) override {}
    std::optional<TSynClipboardBlock> read() override { return std::nullopt; }
    bool hasText() const override { return false; }
};

class ViewModelTest : public ::testing::Test {
protected:
    TSynEditStringList lines;
    TSynViewModel view{lines};

    ViewModelTest() {
        view.setFont(8, 16, lsSingle, 0);
        view.setClientSize(TSynViewMetrics::kTextMargin + 40 * 8, 5 * view.metrics().rowHeight);
        view.setWordWrap(true, 10);
    }
};

// A random line of Chinese characters, Latin words, blanks and tabs.
std::string randomLine(std::mt19937& random) {
    static const std::vector<std::string> pieces = {g("床前"), g("明月光，"), "quick ", "fox", "  ", "\t", "a", "jumps over "};
    std::string line;
    for (int n = static_cast<int>(random() % 7); n > 0; --n) line += pieces[random() % pieces.size()];
    return line;
}

TEST_F(ViewModelTest, RowsAfterRandomChangesEqualRowsWrappedAfresh) {
    std::mt19937 random(12);
    for (int step = 0; step < 400; ++step) {
        const int count = lines.Count();
        const int at = count == 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(count));
        switch (random() % 6) {
            case 0: lines.Insert(at, randomLine(random)); break;
            case 1: if (count > 0) lines.Put(at, randomLine(random)); break;
            case 2: if (count > 0) lines.Delete(at); break;
            case 3: lines.AddStrings(std::vector<std::string>{randomLine(random), randomLine(random)}); break;
            case 4: {
                lines.BeginUpdate();
                if (count > 1) lines.Delete(count - 1);
                lines.Insert(0, randomLine(random));
                lines.EndUpdate();
                break;
            }
            default: if (step % 50 == 0) lines.Clear(); break;
        }
        TSynWordWrapPlugin fresh(lines);
        fresh.Reset(10);
        const TSynWordWrapPlugin& kept = *view.displayMap().plugin();
        ASSERT_EQ(kept.RowCount(), fresh.RowCount()) << "step " << step;
        for (int row = 1; row <= fresh.RowCount(); ++row)
            ASSERT_EQ(kept.GetRowLength(row), fresh.GetRowLength(row)) << "step " << step << " row " << row;
        for (int line = 1; line <= lines.Count(); ++line)
            ASSERT_EQ(kept.LineToRow(line), fresh.LineToRow(line)) << "step " << step << " line " << line;
    }
}

TEST_F(ViewModelTest, LoadResetsCaretSelectionAndTopRow) {
    std::string text;
    for (int i = 0; i < 30; ++i) text += "row " + std::to_string(i) + "\n";
    lines.LoadFromBytes(text);
    view.setCaretAndAnchor({3, 20}, {1, 18});
    ASSERT_GT(view.topLine(), 1);
    lines.LoadFromBytes("new\ntext");
    EXPECT_EQ(view.caret(), (TBufferCoord{1, 1}));
    EXPECT_FALSE(view.hasSelection());
    EXPECT_EQ(view.topLine(), 1);
}

TEST_F(ViewModelTest, PositionsAreHeldToTheTextAndTheCaretToTheWholeRows) {
    lines.LoadFromBytes(g("ab床\n") + "x\ny\nz\nw\nv\nu");
    view.moveCaret({4, 1}, false);  // the trail byte of 床
    EXPECT_EQ(view.caret(), (TBufferCoord{3, 1}));
    view.moveCaret({99, 99}, true);
    EXPECT_EQ(view.caret(), (TBufferCoord{2, 7}));
    EXPECT_EQ(view.anchor(), (TBufferCoord{3, 1}));
    EXPECT_EQ(view.topLine(), 7 - view.linesInWindow() + 1);
    view.setTopLine(100);
    EXPECT_EQ(view.topLine(), view.rowCount() - view.linesInWindow() + 1);
}

TEST_F(ViewModelTest, ACaretAmongHangingBlanksIsShownInsideTheTextArea) {
    view.setWordWrap(true, 40);  // as wide as the text area
    lines.LoadFromBytes(std::string(40, 'a') + std::string(20, ' ') + "\n" + std::string(40, 'b') + "   c");
    ASSERT_EQ(view.rowLength(1), 60);  // the blanks hang on the one row of the first line
    view.moveCaret({61, 1}, false);
    EXPECT_EQ(view.shownCaretPosition(), (TDisplayCoord{41, 1}));
    view.moveCaret({43, 2}, false);  // among the blanks hanging on the second line's first row
    EXPECT_EQ(view.bufferToDisplay(view.caret()), (TDisplayCoord{43, 2}));
    EXPECT_EQ(view.shownCaretPosition(), (TDisplayCoord{41, 2}));
    view.moveCaret({12, 2}, false);
    EXPECT_EQ(view.shownCaretPosition(), (TDisplayCoord{12, 2}));
}

// However a change reaches the lines, the undo history either records it or starts anew.
TEST_F(ViewModelTest, ChangesPastTheEngineClearTheHistory) {
    NoClipboard clipboard;
    TSynEditEngine engine(view, clipboard);
    lines.LoadFromBytes("one\ntwo");
    engine.executeCommand(ecChar, "x");
    ASSERT_TRUE(engine.canUndo());
    lines.Put(1, "changed elsewhere");
    EXPECT_FALSE(engine.canUndo());
    engine.executeCommand(ecChar, "y");
    engine.undo();
    ASSERT_TRUE(engine.canRedo());
    lines.Insert(0, "added elsewhere");
    EXPECT_FALSE(engine.canRedo());
}

}  // namespace
}  // namespace veyrin
