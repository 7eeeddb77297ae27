#include "textview/model/editor_engine.h"

#include "platform/model/gbk_text.h"

#include <gtest/gtest.h>

namespace veyrin {
namespace {

std::string g(const char* utf8) { return gbk::fromUtf8(utf8); }

class FakeClipboard : public ISynEditClipboard {
public:
    std::optional<TSynClipboardBlock> content;
    bool refuseWrites = false;

    void write(const TSynClipboardBlock& block) override {
        if (refuseWrites) throw AppError(kClipboardCopyFailed);
        content = block;
    }
    std::optional<TSynClipboardBlock> read() override { return content; }
    bool hasText() const override { return content.has_value(); }
};

// Counts the outermost updates of the lines and how deep one is nested right now.
struct UpdateCounter : ISynLinesObserver {
    int depth = 0;
    int ended = 0;
    void linesChanging() override { depth = 1; }
    void linesChanged(const TSynLinesChange&) override {}
    void linesChangeEnded() override {
        depth = 0;
        ++ended;
    }
};

// The engine on the real view model: word-wrapped rows from the wrap index, 8-pixel cells of a
// 16-pixel font, 10 whole rows by default.
class EngineTest : public ::testing::Test {
protected:
    static constexpr int kCell = 8;
    static constexpr int kRow = 16;

    TSynEditStringList store;
    TSynViewModel view{store};
    FakeClipboard clipboard;
    TSynEditEngine engine{view, clipboard};
    UpdateCounter updates;

    EngineTest() {
        store.addObserver(&updates);
        view.setFont(kCell, kRow, lsSingle, 0);
        windowRows(10);
        wrapAt(TSynWordWrapPlugin::kMaxRowLength);
    }
    ~EngineTest() override { store.removeObserver(&updates); }

    void windowRows(int rows) {
        view.setClientSize(TSynViewMetrics::kTextMargin + TSynWordWrapPlugin::kMaxRowLength * kCell,
                           rows * view.metrics().rowHeight);
    }
    void wrapAt(int column) { view.setWordWrap(true, column); }
    void load(std::vector<std::string> lines) {
        store.BeginUpdate();
        store.Clear();
        store.AddStrings(lines);
        store.EndUpdate();
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (int i = 0; i < store.Count(); ++i) out.push_back(store.Get(i));
        return out;
    }
    void caretAt(int col, int line) { engine.moveCaret({col, line}); }
    void type(std::string_view text) {
        for (char c : text) engine.executeCommand(ecChar, std::string_view(&c, 1));
    }
    TBufferCoord caret() const { return view.caret(); }
};

// --- Typing and deleting ------------------------------------------------------------------------

TEST_F(EngineTest, TypingInsertsAtCaretAndIntoAnEmptyView) {
    type("ab");
    EXPECT_EQ(lines(), (std::vector<std::string>{"ab"}));
    EXPECT_EQ(caret(), (TBufferCoord{3, 1}));
    engine.executeCommand(ecChar, "\x07");  // control characters are not text
    EXPECT_EQ(engine.text(), "ab");
}

TEST_F(EngineTest, TypingReplacesTheSelection) {
    load({"hello world"});
    engine.setSelection({1, 1}, {6, 1});
    type("X");
    EXPECT_EQ(engine.text(), "X world");
    EXPECT_FALSE(engine.hasSelection());
}

TEST_F(EngineTest, BackspaceAndDeleteTakeADoubleByteCharacterWhole) {
    load({g("a床前b")});
    caretAt(4, 1);  // after 床
    engine.executeCommand(ecDeleteLastChar);
    EXPECT_EQ(lines()[0], g("a前b"));
    EXPECT_EQ(caret(), (TBufferCoord{2, 1}));
    engine.executeCommand(ecDeleteChar);
    EXPECT_EQ(lines()[0], "ab");
    EXPECT_EQ(caret(), (TBufferCoord{2, 1}));
}

TEST_F(EngineTest, BackspaceAtLineStartAndDeleteAtLineEndJoinLines) {
    load({"ab", "cd", "ef"});
    caretAt(1, 2);
    engine.executeCommand(ecDeleteLastChar);
    EXPECT_EQ(lines(), (std::vector<std::string>{"abcd", "ef"}));
    EXPECT_EQ(caret(), (TBufferCoord{3, 1}));
    engine.executeCommand(ecLineEnd);
    engine.executeCommand(ecDeleteChar);
    EXPECT_EQ(lines(), (std::vector<std::string>{"abcdef"}));
    caretAt(1, 1);
    engine.executeCommand(ecDeleteLastChar);  // nothing before the first character
    EXPECT_EQ(engine.text(), "abcdef");
}

TEST_F(EngineTest, LineBreakSplitsAndCopiesLeadingBlanks) {
    load({"  indented text"});
    caretAt(11, 1);
    engine.executeCommand(ecLineBreak);
    EXPECT_EQ(lines(), (std::vector<std::string>{"  indented", "   text"}));
    EXPECT_EQ(caret(), (TBufferCoord{3, 2}));
    engine.setAutoIndent(false);
    caretAt(1, 1);
    engine.executeCommand(ecInsertLine);  // the caret stays put
    EXPECT_EQ(lines(), (std::vector<std::string>{"", "  indented", "   text"}));
    EXPECT_EQ(caret(), (TBufferCoord{1, 1}));
}

TEST_F(EngineTest, WordAndLineDeletions) {
    load({"one two three", "next"});
    caretAt(5, 1);
    engine.executeCommand(ecDeleteWord);
    EXPECT_EQ(lines()[0], "one three");
    engine.executeCommand(ecDeleteLastWord);
    EXPECT_EQ(lines()[0], "three");
    caretAt(3, 1);
    engine.executeCommand(ecDeleteEOL);
    EXPECT_EQ(lines()[0], "th");
    engine.executeCommand(ecDeleteLine);
    EXPECT_EQ(lines(), (std::vector<std::string>{"next"}));
    engine.executeCommand(ecDeleteLine);
    EXPECT_EQ(lines(), (std::vector<std::string>{""}));
}

TEST_F(EngineTest, OverwriteReplacesWholeCharacters) {
    load({g("床前明")});
    engine.executeCommand(ecToggleMode);
    EXPECT_FALSE(engine.insertMode());
    caretAt(3, 1);
    type("x");
    EXPECT_EQ(lines()[0], "\xB4\xB2x" + g("明"));
    EXPECT_EQ(caret(), (TBufferCoord{4, 1}));
}

TEST_F(EngineTest, ReadOnlyRefusesEveryChange) {
    load({"text"});
    engine.setReadOnly(true);
    engine.selectAll();
    for (TSynEditorCommand c : {ecChar, ecDeleteChar, ecDeleteLastChar, ecLineBreak, ecCut, ecImeStr, ecDeleteLine})
        engine.executeCommand(c, "z");
    EXPECT_EQ(engine.text(), "text");
    EXPECT_FALSE(engine.canUndo());
}

// --- Moving the caret ---------------------------------------------------------------------------

TEST_F(EngineTest, UpAndDownKeepTheDisplayColumnAcrossWrappedRows) {
    wrapAt(6);
    load({"abcdefghijkl", "xy"});
    caretAt(5, 1);  // display row 1, column 5
    engine.executeCommand(ecDown);
    EXPECT_EQ(caret(), (TBufferCoord{11, 1}));  // row 2 of the same line
    engine.executeCommand(ecDown);
    EXPECT_EQ(caret(), (TBufferCoord{3, 2}));  // a short row: its end
    engine.executeCommand(ecUp);
    EXPECT_EQ(caret(), (TBufferCoord{11, 1}));  // the remembered column comes back
    engine.executeCommand(ecUp);
    engine.executeCommand(ecUp);  // at the top nothing moves
    EXPECT_EQ(caret(), (TBufferCoord{5, 1}));
}

TEST_F(EngineTest, VerticalMoveNeverStopsInsideADoubleByteCharacter) {
    load({"abc", g("床前明月")});
    caretAt(3, 1);  // display column 3 falls on the trail byte of 前
    engine.executeCommand(ecDown);
    EXPECT_EQ(caret(), (TBufferCoord{3, 2}));
    caretAt(4, 1);  // the trail byte of 前: back onto its start
    engine.executeCommand(ecDown);
    EXPECT_EQ(caret(), (TBufferCoord{3, 2}));
    caretAt(2, 1);
    engine.executeCommand(ecDown);
    EXPECT_EQ(caret(), (TBufferCoord{1, 2}));
}

// Only a trail byte moves the column left: among a tab's filler cells the caret stops before the
// tab, not before the character ahead of it.
TEST_F(EngineTest, VerticalMoveOntoATabsFillerStopsBeforeTheTab) {
    load({"abcdefghij", g("床") + "\tx", "ab\tcd", "a\tbcdef"});
    caretAt(6, 1);  // display column 6 lies in the tab's fillers (columns 3..8) on both lines below
    engine.executeCommand(ecDown);
    EXPECT_EQ(caret(), (TBufferCoord{3, 2}));
    engine.executeCommand(ecDown);
    EXPECT_EQ(caret(), (TBufferCoord{3, 3}));
    view.setTabWidth(3);  // spaces, not tab bytes, fill a tab of an odd width: columns 2..3 below
    caretAt(3, 3);
    engine.executeCommand(ecDown);
    EXPECT_EQ(caret(), (TBufferCoord{2, 4}));
}

// The position after a row's last character opens the next row, so End on an upper row stops
// before it; on a line's last row End goes after the last byte.
TEST_F(EngineTest, HomeAndEndStayOnTheDisplayRow) {
    wrapAt(4);
    load({"abcdefghij"});
    caretAt(7, 1);
    engine.executeCommand(ecLineStart);
    EXPECT_EQ(caret(), (TBufferCoord{5, 1}));
    engine.executeCommand(ecLineEnd);
    EXPECT_EQ(caret(), (TBufferCoord{8, 1}));
    caretAt(10, 1);
    engine.executeCommand(ecLineEnd);
    EXPECT_EQ(caret(), (TBufferCoord{11, 1}));
}

TEST_F(EngineTest, ShiftHomeAndShiftEndSelectTheSameRowOfAWrappedParagraph) {
    wrapAt(12);
    load({"the quick brown fox jumps over it", g("床前明月光，疑是地上霜。举头望明月")});
    const auto rowSpan = [&](TBufferCoord from, TSynEditorCommand command) {
        caretAt(from.Char, from.Line);
        engine.executeCommand(command);
        return engine.selectedText();
    };
    // "brown fox " is the middle row: its hanging blank stays on it, the caret before the blank.
    EXPECT_EQ(view.bufferToDisplay({11, 1}).Row, 2);
    EXPECT_EQ(rowSpan({14, 1}, ecSelLineStart) + rowSpan({14, 1}, ecSelLineEnd), "brown fox");
    EXPECT_EQ(view.bufferToDisplay(caret()).Row, 2);
    // Chinese rows break hard at the column: the middle row's last character is outside End's reach.
    const int middle = view.lineToRow(2) + 1;
    const TBufferCoord rowStart = view.displayToBuffer({1, middle});
    EXPECT_EQ(rowSpan({rowStart.Char + 4, 2}, ecSelLineStart) + rowSpan({rowStart.Char + 4, 2}, ecSelLineEnd),
              view.textInRange(rowStart, {rowStart.Char + 10, 2}));
}

TEST_F(EngineTest, LeftAndRightStepOverCharactersAndLineEnds) {
    load({g("a床"), "b"});
    caretAt(2, 1);
    engine.executeCommand(ecRight);
    EXPECT_EQ(caret(), (TBufferCoord{4, 1}));
    engine.executeCommand(ecRight);
    EXPECT_EQ(caret(), (TBufferCoord{1, 2}));
    engine.executeCommand(ecLeft);
    engine.executeCommand(ecLeft);
    EXPECT_EQ(caret(), (TBufferCoord{2, 1}));
}

TEST_F(EngineTest, WordMovesStopAtWordStartsAndClauseEnds) {
    load({g("foo bar，床前明月光"), "next"});
    engine.executeCommand(ecWordRight);
    EXPECT_EQ(caret(), (TBufferCoord{5, 1}));
    engine.executeCommand(ecWordRight);
    EXPECT_EQ(caret(), (TBufferCoord{8, 1}));  // before the full-width comma
    engine.executeCommand(ecWordRight);
    EXPECT_EQ(caret(), (TBufferCoord{10, 1}));
    engine.executeCommand(ecWordRight);
    EXPECT_EQ(caret(), (TBufferCoord{20, 1}));
    engine.executeCommand(ecWordRight);
    EXPECT_EQ(caret(), (TBufferCoord{1, 2}));
    engine.executeCommand(ecWordLeft);
    EXPECT_EQ(caret(), (TBufferCoord{20, 1}));
    engine.executeCommand(ecWordLeft);
    EXPECT_EQ(caret(), (TBufferCoord{10, 1}));
    engine.executeCommand(ecWordLeft);
    EXPECT_EQ(caret(), (TBufferCoord{8, 1}));
    engine.executeCommand(ecWordLeft);
    EXPECT_EQ(caret(), (TBufferCoord{5, 1}));
}

TEST_F(EngineTest, ShiftedMovesExtendTheSelection) {
    load({"abc", "def"});
    caretAt(2, 1);
    engine.executeCommand(ecSelRight);
    engine.executeCommand(ecSelDown);
    EXPECT_EQ(engine.selStart(), (TBufferCoord{2, 1}));
    EXPECT_EQ(engine.selEnd(), (TBufferCoord{3, 2}));
    EXPECT_EQ(engine.selectedText(), "bc\r\nde");
    engine.executeCommand(ecRight);
    EXPECT_FALSE(engine.hasSelection());
}

TEST_F(EngineTest, PageMovesAndEditorEndsScrollTheCaretIntoView) {
    windowRows(3);
    load({"l1", "l2", "l3", "l4", "l5", "l6", "l7", "l8"});
    engine.executeCommand(ecPageDown);
    EXPECT_EQ(caret(), (TBufferCoord{1, 4}));
    EXPECT_EQ(view.topLine(), 4);
    engine.executeCommand(ecSelEditorBottom);
    EXPECT_EQ(caret(), (TBufferCoord{3, 8}));
    EXPECT_EQ(view.topLine(), 6);
    EXPECT_EQ(engine.selStart(), (TBufferCoord{1, 4}));
    engine.executeCommand(ecPageTop);
    EXPECT_EQ(caret(), (TBufferCoord{3, 6}));
    engine.executeCommand(ecEditorTop);
    EXPECT_EQ(caret(), (TBufferCoord{1, 1}));
    EXPECT_EQ(view.topLine(), 1);
}

TEST_F(EngineTest, SelectAllOnEmptyViewSelectsNothing) {
    engine.executeCommand(ecSelectAll);
    EXPECT_FALSE(engine.hasSelection());
    EXPECT_EQ(caret(), (TBufferCoord{1, 1}));
    load({"ab", g("床")});
    engine.executeCommand(ecSelectAll);
    EXPECT_EQ(engine.selStart(), (TBufferCoord{1, 1}));
    EXPECT_EQ(caret(), (TBufferCoord{3, 2}));
}

TEST_F(EngineTest, SelectWordPicksTheClauseUnderTheCaret) {
    load({g("床前明月光，疑是地上霜。")});
    engine.selectWordAt({15, 1});
    EXPECT_EQ(engine.selectedText(), g("疑是地上霜"));
}

// --- Undo and redo ------------------------------------------------------------------------------

TEST_F(EngineTest, ConsecutiveTypingUndoesAsOneStepUntilTheCaretMoves) {
    load({""});
    type("abc");
    caretAt(1, 1);
    caretAt(4, 1);
    type("de");
    engine.undo();
    EXPECT_EQ(engine.text(), "abc");
    EXPECT_EQ(caret(), (TBufferCoord{4, 1}));
    engine.undo();
    EXPECT_EQ(engine.text(), "");
    EXPECT_FALSE(engine.canUndo());
    engine.redo();
    EXPECT_EQ(engine.text(), "abc");
    engine.redo();
    EXPECT_EQ(engine.text(), "abcde");
    EXPECT_FALSE(engine.canRedo());
}

TEST_F(EngineTest, WithoutGroupUndoEachKeystrokeIsAStep) {
    engine.setGroupUndo(false);
    load({""});
    type("ab");
    engine.undo();
    EXPECT_EQ(engine.text(), "a");
}

TEST_F(EngineTest, DifferentKindsOfChangeUndoSeparately) {
    load({""});
    type("ab");
    engine.executeCommand(ecDeleteLastChar);
    type("c");
    engine.undo();
    EXPECT_EQ(engine.text(), "a");
    engine.undo();
    EXPECT_EQ(engine.text(), "ab");
}

TEST_F(EngineTest, TypingOverASelectionUndoesInOneStepAndReselects) {
    load({"hello world"});
    engine.setSelection({7, 1}, {12, 1});
    type("there");
    EXPECT_EQ(engine.text(), "hello there");
    engine.undo();
    EXPECT_EQ(engine.text(), "hello world");
    EXPECT_EQ(engine.selectedText(), "world");
}

TEST_F(EngineTest, NewChangeAfterUndoDropsTheRedoList) {
    load({""});
    type("ab");
    engine.undo();
    EXPECT_TRUE(engine.canRedo());
    type("x");
    EXPECT_FALSE(engine.canRedo());
}

TEST_F(EngineTest, InputMethodStringIsOneUndoStepEach) {
    load({"x"});
    caretAt(2, 1);
    engine.executeCommand(ecImeStr, g("床前"));
    engine.executeCommand(ecImeStr, g("明月"));
    EXPECT_EQ(engine.text(), "x" + g("床前明月"));
    EXPECT_EQ(caret(), (TBufferCoord{10, 1}));
    engine.undo();
    EXPECT_EQ(engine.text(), "x" + g("床前"));
    engine.undo();
    EXPECT_EQ(engine.text(), "x");
}

TEST_F(EngineTest, MultiLineDeleteUndoesExactly) {
    load({"first line", "middle", "last line"});
    engine.setSelection({3, 1}, {5, 3});
    engine.clearSelection();
    EXPECT_EQ(lines(), (std::vector<std::string>{"fi line"}));
    engine.undo();
    EXPECT_EQ(lines(), (std::vector<std::string>{"first line", "middle", "last line"}));
    EXPECT_EQ(engine.selStart(), (TBufferCoord{3, 1}));
    EXPECT_EQ(engine.selEnd(), (TBufferCoord{5, 3}));
    engine.redo();
    EXPECT_EQ(lines(), (std::vector<std::string>{"fi line"}));
}

TEST_F(EngineTest, ClearedLinesEmptyBothLists) {
    load({""});
    type("ab");
    engine.undo();
    type("c");
    load({"other"});
    EXPECT_FALSE(engine.canUndo());
    EXPECT_FALSE(engine.canRedo());
}

TEST_F(EngineTest, EditsBracketTheirLineChangesInOneUpdate) {
    load({"a", "b"});
    engine.selectAll();
    const int before = updates.ended;
    type("z");
    EXPECT_EQ(updates.ended, before + 1);
    EXPECT_EQ(updates.depth, 0);
}

// --- Clipboard ----------------------------------------------------------------------------------

TEST_F(EngineTest, CopyJoinsLinesWithCrLfAndNeedsASelection) {
    load({"first", "second"});
    engine.copyToClipboard();
    EXPECT_FALSE(clipboard.content.has_value());
    engine.setSelection({1, 1}, {7, 2});
    engine.copyToClipboard();
    ASSERT_TRUE(clipboard.content.has_value());
    EXPECT_EQ(clipboard.content->text, "first\r\nsecond");
    EXPECT_EQ(clipboard.content->mode, smNormal);
}

TEST_F(EngineTest, CutThenOneUndoRestoresTextAndSelection) {
    load({"keep this part", "and that"});
    engine.setSelection({6, 1}, {4, 2});
    engine.executeCommand(ecCut);
    EXPECT_EQ(engine.text(), "keep  that");
    EXPECT_EQ(clipboard.content->text, "this part\r\nand");
    engine.executeCommand(ecUndo);
    EXPECT_EQ(engine.text(), "keep this part\r\nand that");
    EXPECT_EQ(engine.selectedText(), "this part\r\nand");
}

TEST_F(EngineTest, RefusedCopyDuringCutDeletesNothing) {
    load({"abc"});
    engine.selectAll();
    clipboard.refuseWrites = true;
    EXPECT_THROW(engine.cutToClipboard(), AppError);
    EXPECT_EQ(engine.text(), "abc");
}

TEST_F(EngineTest, PasteReplacesTheSelectionAsOneStep) {
    load({"one two"});
    clipboard.content = TSynClipboardBlock{smNormal, "A\r\nB"};
    engine.setSelection({5, 1}, {8, 1});
    engine.executeCommand(ecPaste);
    EXPECT_EQ(lines(), (std::vector<std::string>{"one A", "B"}));
    EXPECT_EQ(caret(), (TBufferCoord{2, 2}));
    engine.undo();
    EXPECT_EQ(engine.text(), "one two");
    EXPECT_EQ(engine.selectedText(), "two");
}

TEST_F(EngineTest, ConsecutivePastesAreSeparateSteps) {
    load({""});
    clipboard.content = TSynClipboardBlock{smNormal, "p"};
    engine.pasteFromClipboard();
    engine.pasteFromClipboard();
    engine.undo();
    EXPECT_EQ(engine.text(), "p");
}

// --- Drag and drop ------------------------------------------------------------------------------

TEST_F(EngineTest, DropMovesTheSelectionAsOneUndoStep) {
    load({"abc def ghi"});
    engine.setSelection({1, 1}, {4, 1});
    EXPECT_TRUE(engine.dropSelection({8, 1}, false));
    EXPECT_EQ(engine.text(), " defabc ghi");
    EXPECT_EQ(engine.selectedText(), "abc");
    engine.undo();
    EXPECT_EQ(engine.text(), "abc def ghi");
    EXPECT_EQ(engine.selectedText(), "abc");
}

TEST_F(EngineTest, DropAcrossLinesAdjustsTheTarget) {
    load({"xAAx", "B", "tail"});
    engine.setSelection({2, 1}, {1, 2});  // "AAx\r\n"
    EXPECT_TRUE(engine.dropSelection({3, 3}, false));
    EXPECT_EQ(engine.text(), "xB\r\ntaAAx\r\nil");
}

TEST_F(EngineTest, DropWithCtrlCopiesAndInsideChangesNothing) {
    load({"abc def"});
    engine.setSelection({5, 1}, {8, 1});
    EXPECT_FALSE(engine.dropSelection({6, 1}, false));
    EXPECT_FALSE(engine.dropSelection({6, 1}, true));
    EXPECT_EQ(engine.text(), "abc def");
    EXPECT_TRUE(engine.dropSelection({1, 1}, true));
    EXPECT_EQ(engine.text(), "defabc def");
    engine.undo();
    EXPECT_EQ(engine.text(), "abc def");
}

// --- Commands without a fixed meaning -----------------------------------------------------------

TEST_F(EngineTest, MarkersRememberAndReturn) {
    load({"a", "bb", "ccc"});
    caretAt(2, 2);
    engine.executeCommand(ecSetMarker0 + 3);
    caretAt(1, 1);
    engine.executeCommand(ecGotoMarker0 + 3);
    EXPECT_EQ(caret(), (TBufferCoord{2, 2}));
    engine.executeCommand(ecClearAllMarkers);
    caretAt(1, 1);
    engine.executeCommand(ecGotoMarker0 + 3);
    EXPECT_EQ(caret(), (TBufferCoord{1, 1}));
}

TEST_F(EngineTest, CaseChangesTouchAsciiLettersOnly) {
    load({g("ab床Cd")});
    engine.selectAll();
    engine.executeCommand(ecUpperCaseBlock);
    EXPECT_EQ(engine.text(), g("AB床CD"));
    EXPECT_TRUE(engine.hasSelection());
    engine.undo();
    EXPECT_EQ(engine.text(), g("ab床Cd"));
}

TEST_F(EngineTest, BlockIndentAndUnindent) {
    load({"a", "b", "c"});
    engine.setSelection({1, 1}, {1, 3});
    engine.executeCommand(ecBlockIndent);
    EXPECT_EQ(lines(), (std::vector<std::string>{"  a", "  b", "c"}));
    engine.executeCommand(ecBlockUnindent);
    EXPECT_EQ(lines(), (std::vector<std::string>{"a", "b", "c"}));
    engine.undo();
    EXPECT_EQ(lines(), (std::vector<std::string>{"  a", "  b", "c"}));
}

TEST_F(EngineTest, MatchBracketJumpsAcrossLines) {
    load({"f(a, (b)", "  c)"});
    caretAt(2, 1);
    engine.executeCommand(ecMatchBracket);
    EXPECT_EQ(caret(), (TBufferCoord{4, 2}));
    engine.executeCommand(ecMatchBracket);
    EXPECT_EQ(caret(), (TBufferCoord{2, 1}));
}

TEST_F(EngineTest, InertCommandsChangeNothing) {
    load({"abc"});
    caretAt(2, 1);
    for (TSynEditorCommand c : {ecContextHelp, ecNormalSelect, ecColumnSelect, ecLineSelect, ecPrint,
                                ecPrintPreview, ecAutoCompletion, ecCommentBlock, ecShiftTab, ecUserFirst})
        engine.executeCommand(c);
    EXPECT_EQ(engine.text(), "abc");
    EXPECT_EQ(caret(), (TBufferCoord{2, 1}));
}

}  // namespace
}  // namespace veyrin
