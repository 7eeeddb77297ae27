#pragma once
// The one owner of what the text view shows: the caret and the selection anchor, the top row, the
// display rows of the lines (word-wrap index) and the cell grid. Every rule about them lives here:
// positions are held to the text, the caret is kept in the fully visible rows, the top row never
// passes the last page, and emptying the lines resets caret, anchor and scroll position.
//
// The lines are watched, so the rows follow every change however it reaches the store. The widget
// listens and repaints what the model reports; the editing engine changes the model directly.

#include <string>

#include "textview/model/buffer_coord.h"
#include "textview/model/caret_selection.h"
#include "textview/model/display_map.h"
#include "textview/model/line_store.h"
#include "textview/model/view_metrics.h"

namespace veyrin {

// What a view of the model must bring up to date. Calls arrive after the model changed.
class ISynViewListener {
public:
    virtual ~ISynViewListener() = default;
    virtual void topLineChanged(int oldTopLine) = 0;
    // Lines (1-based) whose rows changed; `toTheEnd` when the rows below moved too.
    virtual void linesInvalidated(int firstLine, int lastLine, bool toTheEnd) = 0;
    virtual void caretMoved(int oldCaretRow, bool selectionRepaint) = 0;
    // The lines were emptied: caret, anchor and scroll position are back at the start.
    virtual void linesReset() = 0;
    // An outermost update of the lines ends: before the top row is held in range again, then after.
    virtual void linesSettling() = 0;
    virtual void linesSettled() = 0;
};

class TSynViewModel : private ISynLinesObserver {
public:
    explicit TSynViewModel(TSynEditStringList& lines);
    ~TSynViewModel() override;
    TSynViewModel(const TSynViewModel&) = delete;
    TSynViewModel& operator=(const TSynViewModel&) = delete;

    void setListener(ISynViewListener* listener) { listener_ = listener; }

    TSynEditStringList& lines() { return lines_; }
    const TSynEditStringList& lines() const { return lines_; }
    // Inside an update of the lines (repaints wait for its end).
    bool isChanging() const { return changing_; }

    // --- Grid and rows ---------------------------------------------------------------------------
    const TSynViewMetrics& metrics() const { return metrics_; }
    const TSynDisplayMap& displayMap() const { return displayMap_; }
    void setFont(int cellWidth, int fontHeight, TLineSpacingRule rule, int lineSpacing, int annotationBand = 0);
    void setClientSize(int width, int height);
    // Re-wraps at another column; answers whether the rows changed.
    bool setWrapColumn(int wrapColumn);
    // Switching word wrap keeps the line at the top in view.
    void setWordWrap(bool enabled, int wrapColumn);
    // Answers whether the width changed (tabs re-expand, rows re-wrap).
    bool setTabWidth(int width);

    int rowCount() const { return displayMap_.rowCount(); }
    int linesInWindow() const { return metrics_.linesInWindow; }
    int rowLength(int row) const { return displayMap_.rowLength(row); }
    int rowToLine(int row) const { return displayMap_.rowToLine(row); }
    int lineToRow(int line) const { return displayMap_.lineToRow(line); }
    TDisplayCoord bufferToDisplay(TBufferCoord pos) const { return displayMap_.bufferToDisplay(pos); }
    TBufferCoord displayToBuffer(TDisplayCoord pos) const { return displayMap_.displayToBuffer(pos); }
    bool isLastRowOfLine(int row) const;

    // --- Scrolling ---------------------------------------------------------------------------------
    int topLine() const { return topLine_; }
    int leftChar() const { return leftChar_; }
    void setTopLine(int row);  // held to the rows that can be at the top

    // --- Caret and selection ---------------------------------------------------------------------
    const TSynCaretSelection& selection() const { return selection_; }
    TBufferCoord caret() const { return selection_.caret(); }
    TBufferCoord anchor() const { return selection_.anchor(); }
    bool hasSelection() const { return selection_.hasSelection(); }
    int caretRow() const { return bufferToDisplay(selection_.caret()).Row; }
    // Where the caret is drawn. Blanks hanging past the end of a wrapped row take no room of their
    // own, so a caret among or after them stands at the text area's right edge.
    TDisplayCoord shownCaretPosition() const;

    // A position on the text: an existing line, at most just after its last byte, never on the
    // trail byte of a character.
    TBufferCoord normalise(TBufferCoord pos) const;
    // Moves the caret (the anchor follows unless `extend`) and scrolls it into view.
    void moveCaret(TBufferCoord pos, bool extend);
    // Places caret and anchor and scrolls the caret into view; placing them where they are only
    // scrolls.
    void setCaretAndAnchor(TBufferCoord caret, TBufferCoord anchor);
    void ensureCaretVisible();

    // Bytes between two positions, lines joined with CR LF.
    std::string textInRange(TBufferCoord from, TBufferCoord to) const;
    std::string selectedText() const;

    // --- Pointer -----------------------------------------------------------------------------------
    // A click takes the nearest cell boundary on a whole row; past a row's end it stops after the
    // row's last cell.
    TBufferCoord clickPosition(int x, int y) const;
    // A drag takes the cell under the pointer, the partly shown bottom row included; below the
    // view it stays on the last whole row, as the drag timer does the scrolling there.
    TBufferCoord dragPosition(int x, int y) const;

private:
    void linesChanging() override;
    void linesChanged(const TSynLinesChange& change) override;
    void linesChangeEnded() override;

    TBufferCoord pointPosition(int x, int y, bool dragging) const;
    void place(TBufferCoord caret, TBufferCoord anchor);

    TSynEditStringList& lines_;
    TSynDisplayMap displayMap_;
    TSynViewMetrics metrics_;
    TSynCaretSelection selection_;
    int topLine_ = 1;
    int leftChar_ = 1;
    bool changing_ = false;
    ISynViewListener* listener_ = nullptr;
};

}  // namespace veyrin
