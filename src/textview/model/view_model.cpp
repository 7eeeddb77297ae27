#include "textview/model/view_model.h"

#include "textview/model/char_boundaries.h"

#include <algorithm>
#include <climits>

namespace veyrin {

TSynViewModel::TSynViewModel(TSynEditStringList& lines) : lines_(lines), displayMap_(lines) {
    lines_.addObserver(this);
}

TSynViewModel::~TSynViewModel() { lines_.removeObserver(this); }

// --- Changes of the lines -------------------------------------------------------------------------

void TSynViewModel::linesChanging() { changing_ = true; }

void TSynViewModel::linesChanged(const TSynLinesChange& change) {
    const int rowDelta = displayMap_.plugin() ? displayMap_.plugin()->LinesChanged(change) : 0;
    if (change.reset) {
        selection_ = TSynCaretSelection();
        topLine_ = 1;
        leftChar_ = 1;
        if (listener_) listener_->linesReset();
        return;
    }
    // A replaced line that keeps its row count leaves the rows below where they were.
    const bool inPlace = change.removed == change.added && rowDelta == 0;
    if (listener_) listener_->linesInvalidated(change.first + 1, change.first + change.added, !inPlace);
}

void TSynViewModel::linesChangeEnded() {
    changing_ = false;
    // Whoever changed the lines places caret and anchor again afterwards if it keeps a selection.
    selection_.collapseOntoCaret();
    if (listener_) listener_->linesSettling();
    setTopLine(topLine_);
    if (listener_) listener_->linesSettled();
}

// --- Grid and rows ---------------------------------------------------------------------------------

void TSynViewModel::setFont(int cellWidth, int fontHeight, TLineSpacingRule rule, int lineSpacing, int annotationBand) {
    metrics_.setFont(cellWidth, fontHeight, rule, lineSpacing, annotationBand);
}

void TSynViewModel::setClientSize(int width, int height) { metrics_.setClientSize(width, height); }

bool TSynViewModel::setWrapColumn(int wrapColumn) {
    TSynWordWrapPlugin* wrap = displayMap_.plugin();
    if (!wrap) return false;
    const int before = wrap->wrapColumn();
    wrap->DisplayChanged(wrapColumn);
    return wrap->wrapColumn() != before;
}

void TSynViewModel::setWordWrap(bool enabled, int wrapColumn) {
    if (enabled == displayMap_.wordWrap()) {
        setWrapColumn(wrapColumn);
        return;
    }
    const int lineAtTop = rowToLine(topLine_);
    displayMap_.setWordWrap(enabled, wrapColumn);
    topLine_ = clampTopLine(lineToRow(lineAtTop), rowCount(), linesInWindow());
}

bool TSynViewModel::setTabWidth(int width) {
    width = std::clamp(width, 1, 256);
    if (width == lines_.TabWidth()) return false;
    lines_.SetTabWidth(width);
    if (TSynWordWrapPlugin* wrap = displayMap_.plugin()) wrap->Reset(wrap->wrapColumn());
    return true;
}

bool TSynViewModel::isLastRowOfLine(int row) const {
    return row >= rowCount() || rowToLine(row + 1) != rowToLine(row);
}

// --- Scrolling ---------------------------------------------------------------------------------------

void TSynViewModel::setTopLine(int row) {
    row = clampTopLine(row, rowCount(), linesInWindow());
    if (row == topLine_) return;
    const int old = topLine_;
    topLine_ = row;
    if (listener_) listener_->topLineChanged(old);
}

// --- Caret and selection -----------------------------------------------------------------------------

TBufferCoord TSynViewModel::normalise(TBufferCoord pos) const {
    const int count = lines_.Count();
    if (count == 0) return {1, 1};
    pos.Line = std::clamp(pos.Line, 1, count);
    const std::string_view text = lines_.GetView(pos.Line - 1);
    pos.Char = std::clamp(pos.Char, 1, static_cast<int>(text.size()) + 1);
    pos.Char = charBoundaryAtOrBefore(text, pos.Char);
    return pos;
}

void TSynViewModel::place(TBufferCoord caret, TBufferCoord anchor) {
    const int oldRow = caretRow();
    const bool selectionShown = hasSelection();
    selection_.select(anchor, caret);
    if (listener_) listener_->caretMoved(oldRow, selectionShown || hasSelection());
    ensureCaretVisible();
}

TDisplayCoord TSynViewModel::shownCaretPosition() const {
    TDisplayCoord shown = bufferToDisplay(caret());
    if (displayMap_.wordWrap()) shown.Column = std::min(shown.Column, std::max(1, leftChar_ + metrics_.charsInWindow));
    return shown;
}

void TSynViewModel::moveCaret(TBufferCoord pos, bool extend) {
    pos = normalise(pos);
    place(pos, extend ? normalise(anchor()) : pos);
}

void TSynViewModel::setCaretAndAnchor(TBufferCoord caret, TBufferCoord anchor) {
    caret = normalise(caret);
    anchor = normalise(anchor);
    if (caret == this->caret() && anchor == this->anchor()) return ensureCaretVisible();
    place(caret, anchor);
}

void TSynViewModel::ensureCaretVisible() {
    if (rowCount() == 0) return;
    setTopLine(topLineShowingRow(caretRow(), topLine_, linesInWindow()));
}

std::string TSynViewModel::textInRange(TBufferCoord from, TBufferCoord to) const {
    if (lines_.Count() == 0 || !(from < to)) return {};
    from = normalise(from);
    to = normalise(to);
    auto part = [this](int line, int fromChar, int toChar) {
        const std::string_view text = lines_.GetView(line - 1);
        const size_t begin = static_cast<size_t>(fromChar - 1);
        return text.substr(begin, std::min(text.size(), static_cast<size_t>(toChar - 1)) - begin);
    };
    if (from.Line == to.Line) return std::string(part(from.Line, from.Char, to.Char));
    std::string out(part(from.Line, from.Char, INT_MAX));
    for (int line = from.Line + 1; line < to.Line; ++line) {
        out += "\r\n";
        out += lines_.GetView(line - 1);
    }
    out += "\r\n";
    out += part(to.Line, 1, to.Char);
    return out;
}

std::string TSynViewModel::selectedText() const {
    return hasSelection() ? textInRange(selection_.selectionBegin(), selection_.selectionEnd()) : std::string();
}

// --- Pointer -------------------------------------------------------------------------------------------

TBufferCoord TSynViewModel::pointPosition(int x, int y, bool dragging) const {
    TDisplayCoord display = metrics_.pixelToDisplay(x, y, topLine_, leftChar_, dragging);
    display.Row = std::min(display.Row, std::max(1, rowCount()));
    display.Column = std::min(display.Column, rowLength(display.Row) + 1);
    return displayToBuffer(display);
}

TBufferCoord TSynViewModel::clickPosition(int x, int y) const { return pointPosition(x, y, false); }

TBufferCoord TSynViewModel::dragPosition(int x, int y) const {
    const int lastWholeRowY = std::max(0, metrics_.linesInWindow * metrics_.rowHeight - 1);
    y = y >= metrics_.clientHeight ? lastWholeRowY : std::max(0, y);
    return pointPosition(x, y, true);
}

}  // namespace veyrin
