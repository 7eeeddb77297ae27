#include "textview/ui/syn_editor.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethod>
#include <QResizeEvent>

#include <algorithm>
#include <climits>

#include "platform/ui/font_faces.h"
#include "platform/ui/gbk_qt.h"
#include "textview/ui/flat_scroll_bar.h"
#include "textview/ui/scroll_hint.h"

namespace veyrin {

TSynEditor::TSynEditor(QWidget* parent) : QAbstractScrollArea(parent), displayMap_(lines_), fontName_("Courier New") {
    setFrameShape(QFrame::NoFrame);
    scrollBar_ = new TSynFlatScrollBar(this);
    setVerticalScrollBar(scrollBar_);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every pixel of the text area is covered by a row, the margin or the fill below the rows.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    viewport()->setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus);

    connect(scrollBar_, &QAbstractSlider::actionTriggered, this, &TSynEditor::onScrollBarAction);
    connect(scrollBar_, &QAbstractSlider::sliderReleased, this, &TSynEditor::onScrollBarReleased);

    lineDivider_.setOnChange([this] { fontChanged(); });
    activeLine_.setOnChange([this] { invalidateRow(caretRow()); });
    rightEdge_.setOnChange([this] {
        if (wordWrap_.Style() == wwsRightEdge) applyWordWrap();
        invalidateAll();
    });
    wordWrap_.setOnChange([this] { applyWordWrap(); });
    selectedColor_.setOnChange([this] { invalidateAll(); });

    int flash = QApplication::cursorFlashTime();
    caretBlink_.setInterval(flash > 0 ? flash / 2 : 500);
    connect(&caretBlink_, &QTimer::timeout, this, [this] {
        caretShown_ = !caretShown_;
        viewport()->update(caretRect());
    });

    connectLineHooks();
    rebuildFont();
    fontChanged();
}

TSynEditor::~TSynEditor() { lines_.setHooks({}); }

// ---------------------------------------------------------------------------------------------
// Lines

void TSynEditor::connectLineHooks() {
    TSynEditStringList::Hooks hooks;
    hooks.BeforeChange = [this](TSynEditStringList&) { linesChanging_ = true; };
    hooks.AfterChange = [this](TSynEditStringList&) { onAfterChange(); };
    hooks.LinesCleared = [this](TSynEditStringList&) { onLinesCleared(); };
    hooks.LinesInserted = [this](TSynEditStringList&, int index, int count) { onLinesInserted(index, count); };
    hooks.LinesDeleted = [this](TSynEditStringList&, int index, int count) { onLinesDeleted(index, count); };
    hooks.LineReplaced = [this](TSynEditStringList&, int index, int count) { onLineReplaced(index, count); };
    lines_.setHooks(std::move(hooks));
}

void TSynEditor::assignLines(const TSynEditStringList& other) { lines_.Assign(other); }

void TSynEditor::onLinesCleared() {
    if (auto* wrap = displayMap_.plugin()) wrap->LinesCleared();
    selection_ = TSynCaretSelection();
    topLine_ = 1;
    leftChar_ = 1;
    pendingInvalid_ = QRect();
    invalidateAll();
    statusChangePending_ = true;
    emit linesCleared();
}

void TSynEditor::onLinesInserted(int index, int count) {
    if (auto* wrap = displayMap_.plugin()) wrap->LinesInserted(index, count);
    invalidateLines(index + 1, INT_MAX);
}

void TSynEditor::onLinesDeleted(int index, int count) {
    if (auto* wrap = displayMap_.plugin()) wrap->LinesDeleted(index, count);
    invalidateLines(index + 1, INT_MAX);
}

void TSynEditor::onLineReplaced(int index, int count) {
    int rowDelta = 0;
    if (auto* wrap = displayMap_.plugin()) rowDelta = wrap->LinesPutted(index, count);
    invalidateLines(index + 1, rowDelta != 0 ? INT_MAX : index + count);
}

void TSynEditor::onAfterChange() {
    linesChanging_ = false;
    updateScrollBar();
    selection_.collapseOntoCaret();
    if (!pendingInvalid_.isNull()) viewport()->update(pendingInvalid_);
    pendingInvalid_ = QRect();
    setTopLine(topLine_);
    if (statusChangePending_) {
        statusChangePending_ = false;
        emit statusChanged();
    }
}

void TSynEditor::setDocumentFormat(TSynEditFileFormat format) {
    if (format == lines_.FileFormat()) return;
    lines_.SetFileFormat(format);
    emit statusChanged();
}

void TSynEditor::setDocumentName(const std::string& name) {
    if (name == documentName_) return;
    documentName_ = name;
    emit statusChanged();
}

// ---------------------------------------------------------------------------------------------
// Font, spacing and size

void TSynEditor::setFontName(const std::string& gbkFace) {
    if (gbkFace == fontName_) return;
    fontName_ = gbkFace;
    rebuildFont();
    fontChanged();
}

void TSynEditor::setFontSize(int points) {
    if (points == fontSize_) return;
    fontSize_ = points;
    rebuildFont();
    fontChanged();
}

void TSynEditor::setFontColor(TColor color) {
    if (color == fontColor_) return;
    fontColor_ = color;
    fontChanged();
}

void TSynEditor::setFontStyle(const TSynFontStyle& style) {
    if (style == fontStyle_) return;
    fontStyle_ = style;
    rebuildFont();
    fontChanged();
}

void TSynEditor::setColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    invalidateAll();
}

void TSynEditor::setLineSpacingRule(TLineSpacingRule rule) {
    if (rule == lineSpacingRule_) return;
    lineSpacingRule_ = rule;
    fontChanged();
}

void TSynEditor::setLineSpacing(int pixels) {
    if (pixels == lineSpacing_) return;
    lineSpacing_ = pixels;
    fontChanged();
}

void TSynEditor::setTabWidth(int width) {
    width = std::clamp(width, 1, 256);
    if (width == lines_.TabWidth()) return;
    lines_.SetTabWidth(width);
    if (auto* wrap = displayMap_.plugin()) wrap->Reset(wrap->wrapColumn());
    updateScrollBar();
    invalidateAll();
}

void TSynEditor::rebuildFont() {
    font_ = QFont(gbkToQString(fontName_));
    font_.setPixelSize(std::max(1, pointsToPixels(fontSize_)));
    font_.setBold(fontStyle_.bold);
    font_.setItalic(fontStyle_.italic);
    font_.setUnderline(fontStyle_.underline);
    font_.setStrikeOut(fontStyle_.strikeOut);
    font_.setKerning(false);
    // Crisp cells like printed letter paper; the Song face also carries hand-tuned bitmaps for the
    // small sizes, which only unsmoothed drawing uses.
    font_.setStyleStrategy(QFont::NoAntialias);
    // A proportional face is asked for in its fixed-pitch form; the cells are fixed either way.
    QFontMetrics measured(font_);
    if (measured.averageCharWidth() != measured.maxWidth()) font_.setFixedPitch(true);
    rawFont_ = QRawFont::fromFont(font_);
    fontAscent_ = QFontMetrics(font_).ascent();
    QGuiApplication::inputMethod()->update(Qt::ImFont);
}

void TSynEditor::fontChanged() {
    QFontMetrics fm(font_);
    // Every byte takes one cell of the "M" advance; a double-byte character spans two cells.
    metrics_.setFont(fm.horizontalAdvance(QLatin1Char('M')), fm.height(), lineSpacingRule_, lineSpacing_);
    sizeChanged();
    invalidateAll();
}

void TSynEditor::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    sizeChanged();
}

int TSynEditor::currentWrapColumn() const {
    return wrapColumnFor(wordWrap_, metrics_.charsInWindow, rightEdge_.Position());
}

void TSynEditor::sizeChanged() {
    metrics_.setClientSize(viewport()->width(), viewport()->height());
    if (metrics_.charWidth <= 0) return;
    if (auto* wrap = displayMap_.plugin()) {
        int before = wrap->wrapColumn();
        wrap->DisplayChanged(currentWrapColumn());
        if (wrap->wrapColumn() != before) invalidateAll();
    }
    updateScrollBar();
    setTopLine(topLine_);
}

void TSynEditor::applyWordWrap() {
    int lineAtTop = rowToLine(topLine_);
    if (wordWrap_.Enabled() != displayMap_.wordWrap()) {
        displayMap_.setWordWrap(wordWrap_.Enabled(), currentWrapColumn());
        topLine_ = clampTopLine(lineToRow(lineAtTop), rowCount(), linesInWindow());
    } else if (auto* wrap = displayMap_.plugin()) {
        wrap->DisplayChanged(currentWrapColumn());
    }
    updateScrollBar();
    setTopLine(topLine_);
    invalidateAll();
}

// ---------------------------------------------------------------------------------------------
// Top line and scroll bar

void TSynEditor::setTopLine(int row) {
    row = clampTopLine(row, rowCount(), linesInWindow());
    if (row == topLine_) return;
    int delta = topLine_ - row;
    topLine_ = row;
    int rows = std::abs(delta);
    if (rows < linesInWindow() && !linesChanging_) {
        // Partial rows below the last whole one are painted too, so moving the pixels is exact.
        viewport()->scroll(0, delta * rowHeight());
        if (caretShown_) viewport()->update(caretRect());
    } else {
        invalidateAll();
    }
    updateScrollBar();
}

TScrollBarInfo TSynEditor::scrollBarInfo() const {
    return verticalScrollBarInfo(rowCount(), linesInWindow(), topLine_);
}

void TSynEditor::updateScrollBar() {
    TScrollBarInfo info = scrollBarInfo();
    if (!scrollBar_->isSliderDown()) {
        // The platform's range includes the page; Qt's maximum is the last top position.
        scrollBar_->setRange(info.min, std::max(info.min, info.max - info.page + 1));
        scrollBar_->setPageStep(std::max(1, info.page));
        scrollBar_->setSingleStep(1);
        scrollBar_->setValue(info.position);
    }
    scrollBar_->setEnabled(info.max - info.min + 1 > info.page);
    scrollBar_->setArrowsEnabled(info.arrowsEnabled);
}

void TSynEditor::scrollContentsBy(int, int) {
    // Scrolling is driven by the bar's actions (onScrollBarAction), not by its value.
}

void TSynEditor::onScrollBarAction(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: setTopLine(topLine_ + 1); break;
        case QAbstractSlider::SliderSingleStepSub: setTopLine(topLine_ - 1); break;
        case QAbstractSlider::SliderPageStepAdd: setTopLine(topLine_ + linesInWindow()); break;
        case QAbstractSlider::SliderPageStepSub: setTopLine(topLine_ - linesInWindow()); break;
        case QAbstractSlider::SliderToMinimum: setTopLine(1); break;
        case QAbstractSlider::SliderToMaximum: setTopLine(rowCount()); break;
        case QAbstractSlider::SliderMove:
            setTopLine(topLineFromThumb(scrollBar_->sliderPosition(), rowCount(), linesInWindow()));
            if (scrollBar_->isSliderDown()) showScrollHint();
            return;
        default: return;
    }
    updateScrollBar();
}

void TSynEditor::onScrollBarReleased() {
    if (TSynScrollHint* hint = TSynScrollHint::existing()) hint->hide();
    updateScrollBar();
}

void TSynEditor::showScrollHint() {
    QString text = QStringLiteral("Top Line: %1").arg(rowToLine(topLine_));
    QPoint anchor = viewport()->mapToGlobal(QPoint(viewport()->width() - 4, 10));
    TSynScrollHint::shared().showText(text, scrollHintColor_, anchor.x(), anchor.y());
}

// ---------------------------------------------------------------------------------------------
// Repaint requests

void TSynEditor::invalidateRect(const QRect& rect) {
    if (rect.isEmpty()) return;
    if (linesChanging_) {
        pendingInvalid_ = pendingInvalid_.united(rect);
    } else {
        viewport()->update(rect);
    }
}

void TSynEditor::invalidateAll() { invalidateRect(viewport()->rect()); }

void TSynEditor::invalidateLines(int firstLine, int lastLine) {
    if (rowHeight() <= 0) return;
    int firstRow = std::max(lineToRow(firstLine), topLine_);
    bool toTheEnd = lastLine >= lines_.Count();
    int bottom = viewport()->height();
    if (!toTheEnd) {
        int lastRow = lineToRow(lastLine + 1) - 1;
        if (lastRow < topLine_) return;
        bottom = std::min(bottom, metrics_.rowTop(lastRow + 1, topLine_));
    }
    int top = metrics_.rowTop(firstRow, topLine_);
    if (top >= viewport()->height()) return;
    invalidateRect(QRect(0, top, viewport()->width(), bottom - top));
}

void TSynEditor::invalidateRow(int row) {
    if (row < topLine_ || rowHeight() <= 0) return;
    invalidateRect(QRect(0, metrics_.rowTop(row, topLine_), viewport()->width(), rowHeight()));
}

// ---------------------------------------------------------------------------------------------
// Caret and selection

int TSynEditor::caretRow() const { return bufferToDisplayPos(selection_.caret()).Row; }

void TSynEditor::setCaretXY(TBufferCoord pos, bool extend) {
    pos.Line = std::clamp(pos.Line, 1, std::max(1, lines_.Count()));
    pos.Char = std::max(1, pos.Char);
    int oldRow = caretRow();
    bool selectionShown = selection_.hasSelection();
    selection_.moveCaret(pos, extend);
    if (selectionShown || selection_.hasSelection()) invalidateAll();
    caretRowMaybeChanged(oldRow);
    ensureCaretVisible();
    restartCaretBlink();
    QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
    emit caretMoved();
}

void TSynEditor::setSelection(TBufferCoord anchor, TBufferCoord caret) {
    int oldRow = caretRow();
    selection_.select(anchor, caret);
    invalidateAll();
    caretRowMaybeChanged(oldRow);
    ensureCaretVisible();
    emit caretMoved();
}

void TSynEditor::caretRowMaybeChanged(int oldRow) {
    int newRow = caretRow();
    if (newRow == oldRow || !activeLine_.Visible()) return;
    invalidateRow(oldRow);
    invalidateRow(newRow);
}

void TSynEditor::ensureCaretVisible() { setTopLine(topLineShowingRow(caretRow(), topLine_, linesInWindow())); }

std::string TSynEditor::selectedText() const {
    if (!selection_.hasSelection()) return {};
    TBufferCoord begin = selection_.selectionBegin();
    TBufferCoord end = selection_.selectionEnd();
    std::string text;
    for (int line = begin.Line; line <= end.Line; ++line) {
        std::string_view bytes = lines_.GetView(line - 1);
        size_t from = line == begin.Line ? static_cast<size_t>(begin.Char - 1) : 0;
        size_t to = line == end.Line ? static_cast<size_t>(end.Char - 1) : bytes.size();
        from = std::min(from, bytes.size());
        to = std::min(to, bytes.size());
        if (to > from) text.append(bytes.substr(from, to - from));
        if (line != end.Line) text.append("\r\n");
    }
    return text;
}

TBufferCoord TSynEditor::pixelToBufferPos(QPoint viewportPos, bool dragging) const {
    TDisplayCoord display = metrics_.pixelToDisplay(viewportPos.x(), viewportPos.y(), topLine_, leftChar_, dragging);
    display.Row = std::min(display.Row, std::max(1, rowCount()));
    // Past the end of a row the caret stops just after its last cell.
    display.Column = std::min(display.Column, displayMap_.rowLength(display.Row) + 1);
    return displayToBufferPos(display);
}

QRect TSynEditor::caretRect() const {
    TDisplayCoord display = bufferToDisplayPos(selection_.caret());
    int x = textLeft() + (display.Column - leftChar_) * charWidth() - 1;
    int y = metrics_.rowTop(display.Row, topLine_) + extraSpacing() / 2 + 1;
    // Overwrite mode shows a block over the cell the next character replaces.
    if (!insertMode()) return QRect(x + 1, y, charWidth(), std::max(1, textHeight() - 2));
    return QRect(x, y, 2, std::max(1, textHeight() - 2));
}

void TSynEditor::restartCaretBlink() {
    if (!hasFocus()) return;
    viewport()->update(caretRect());
    caretShown_ = true;
    caretBlink_.start();
    viewport()->update(caretRect());
}

void TSynEditor::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartCaretBlink();
}

void TSynEditor::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    caretBlink_.stop();
    caretShown_ = false;
    viewport()->update(caretRect());
}

QVariant TSynEditor::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
        case Qt::ImEnabled: return true;
        case Qt::ImCursorRectangle: return QRectF(caretRect().translated(viewport()->pos()));
        case Qt::ImFont: return font_;
        default: return QAbstractScrollArea::inputMethodQuery(query);
    }
}

}  // namespace veyrin
