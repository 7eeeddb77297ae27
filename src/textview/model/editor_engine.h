#pragma once
// The text view's editing commands, worked on the view model: caret moves over display rows,
// selection, typing and deleting (a double-byte character always as one unit), the clipboard and
// undo/redo. The view feeds it commands from keys, the input method and the mouse; the view model
// reports what to repaint. The history watches the lines: a change made past the engine clears it.

#include "textview/model/clipboard_block.h"
#include "textview/model/buffer_coord.h"
#include "textview/model/caret_selection.h"
#include "textview/model/editor_commands.h"
#include "textview/model/edit_clipboard.h"
#include "textview/model/undo_list.h"
#include "textview/model/view_model.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace veyrin {

class TSynEditEngine : private ISynLinesObserver {
public:
    TSynEditEngine(TSynViewModel& view, ISynEditClipboard& clipboard);
    ~TSynEditEngine() override;
    TSynEditEngine(const TSynEditEngine&) = delete;
    TSynEditEngine& operator=(const TSynEditEngine&) = delete;

    // Runs one command. `text` carries the character of ecChar (one or two GBK bytes) and the
    // string of ecImeStr / ecString; `pos` the target of ecGotoXY / ecSelGotoXY.
    void executeCommand(TSynEditorCommand command, std::string_view text = {}, TBufferCoord pos = {});

    // --- Options -----------------------------------------------------------------------------
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool value) { readOnly_ = value; }
    bool groupUndo() const { return groupUndo_; }
    void setGroupUndo(bool value) { groupUndo_ = value; }
    bool autoIndent() const { return autoIndent_; }
    void setAutoIndent(bool value) { autoIndent_ = value; }
    bool insertMode() const { return insertMode_; }
    void setInsertMode(bool value) { insertMode_ = value; }
    int tabWidth() const { return tabWidth_; }
    void setTabWidth(int value) { tabWidth_ = value < 1 ? 1 : value; }

    // --- Caret and selection -----------------------------------------------------------------
    TBufferCoord caret() const { return view_.caret(); }
    TBufferCoord selStart() const { return view_.selection().selectionBegin(); }
    TBufferCoord selEnd() const { return view_.selection().selectionEnd(); }
    bool hasSelection() const { return view_.hasSelection(); }
    std::string selectedText() const { return view_.selectedText(); }  // lines joined with CR LF
    TSynSelectionMode selectionMode() const { return selMode_; }

    // Places the caret (normalised onto the text, never inside a character). Without
    // `keepAnchor` the selection collapses onto it. Ends the current undo group.
    void moveCaret(TBufferCoord pos, bool keepAnchor = false);
    void setSelection(TBufferCoord anchor, TBufferCoord caret);
    void selectAll();
    void selectWordAt(TBufferCoord pos);

    // --- Text changes --------------------------------------------------------------------------
    // Replaces the selection (or inserts at the caret) with `text`, as one undo step of `reason`.
    void replaceSelection(std::string_view text, TSynChangeReason reason = TSynChangeReason::crInsert);
    void clearSelection();
    // Drag-and-drop inside the view: moves (or copies) the selection to `target`. A target inside
    // the selection changes nothing. Answers whether the text changed.
    bool dropSelection(TBufferCoord target, bool copy);
    // Inserts text dragged from elsewhere at `target` and selects it.
    void dropText(TBufferCoord target, std::string_view text);

    // --- Clipboard -----------------------------------------------------------------------------
    void copyToClipboard();
    void cutToClipboard();
    void pasteFromClipboard();
    bool canPaste() const { return !readOnly_ && clipboard_.hasText(); }

    // --- Undo ----------------------------------------------------------------------------------
    void undo();
    void redo();
    bool canUndo() const { return !readOnly_ && undoList_.canUndo(); }
    bool canRedo() const { return !readOnly_ && redoList_.canUndo(); }
    const TSynEditUndoList& undoList() const { return undoList_; }
    const TSynEditUndoList& redoList() const { return redoList_; }

    // --- Text access ---------------------------------------------------------------------------
    std::string textInRange(TBufferCoord from, TBufferCoord to) const { return view_.textInRange(from, to); }
    std::string text() const;  // whole text, lines joined with CR LF

    // Markers 0-9 (positions, not following later edits).
    std::optional<TBufferCoord> marker(int index) const;

private:
    class UpdateScope;
    class UndoBlock;

    template <typename Change>
    void runEdit(Change change);

    void linesChanged(const TSynLinesChange& change) override;

    TSynEditStringList& lines() { return view_.lines(); }
    int lineCount() const { return view_.lines().Count(); }
    std::string_view line(int lineNumber) const { return view_.lines().GetView(lineNumber - 1); }
    int lineLength(int lineNumber) const { return static_cast<int>(line(lineNumber).size()); }
    TBufferCoord normalise(TBufferCoord pos) const { return view_.normalise(pos); }
    // Place caret and selection without ending the undo group (the public setters end it).
    void placeCaret(TBufferCoord pos, bool keepAnchor);
    void placeSelection(TBufferCoord anchor, TBufferCoord caret);
    TBufferCoord endOfText() const;

    bool executeMove(TSynEditorCommand command, TBufferCoord pos);
    bool executeEdit(TSynEditorCommand command, std::string_view text);
    bool executeMisc(TSynEditorCommand command);

    TBufferCoord moveVertically(int rows);
    TBufferCoord charLeft(TBufferCoord pos) const;
    TBufferCoord charRight(TBufferCoord pos) const;
    TBufferCoord wordLeft(TBufferCoord pos) const;
    TBufferCoord wordRight(TBufferCoord pos) const;
    TBufferCoord rowStart(TBufferCoord pos) const;
    TBufferCoord rowEnd(TBufferCoord pos) const;
    TBufferCoord columnInRow(int row, int displayCol) const;
    void pageMove(int direction, bool select);

    // Raw edits on the lines; they record nothing.
    TBufferCoord rawInsert(TBufferCoord at, std::string_view text);
    void rawDelete(TBufferCoord from, TBufferCoord to);

    // Recorded edits.
    TBufferCoord insertRecorded(TBufferCoord at, std::string_view text, TSynChangeReason reason);
    void deleteRecorded(TBufferCoord from, TBufferCoord to, TSynChangeReason reason);
    TBufferCoord deleteSelectionRecorded(TSynChangeReason reason);  // answers where the selection began
    void recordChange(TSynChangeReason reason, TBufferCoord start, TBufferCoord end, std::string text);

    void typeChar(std::string_view ch);
    void insertString(std::string_view text, TSynChangeReason reason);
    void lineBreak(bool moveCaret);
    void deleteLastChar();
    void deleteChar();
    void deleteToward(TBufferCoord target, TSynChangeReason reason);
    void deleteLine();
    void insertTab();
    void indentSelectedLines(bool indent);
    void changeCase(TSynEditorCommand command);
    void setMarker(int index);
    void gotoMarker(int index);
    void matchBracket();

    void applyUndo(const TSynEditUndoItem& item);
    void applyRedo(const TSynEditUndoItem& item);

    TSynViewModel& view_;
    ISynEditClipboard& clipboard_;
    TSynEditUndoList undoList_;
    TSynEditUndoList redoList_;
    TSynSelectionMode selMode_ = smNormal;
    bool readOnly_ = false;
    bool groupUndo_ = true;
    bool autoIndent_ = true;
    bool insertMode_ = true;
    int tabWidth_ = 8;
    int preferredDisplayCol_ = 0;  // kept across consecutive Up/Down moves; 0 = none
    bool replaying_ = false;
    int ownUpdates_ = 0;  // the engine's own updates of the lines under way
    std::array<std::optional<TBufferCoord>, 10> markers_{};
};

}  // namespace veyrin
