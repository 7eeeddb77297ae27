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
#include "textview/ui/annotation_painter.h"
#include "textview/ui/density_font.h"
#include "textview/ui/flat_scroll_bar.h"
#include "textview/ui/scroll_hint.h"

namespace veyrin {

TSynEditor::TSynEditor(QWidget* parent) : QAbstractScrollArea(parent), model_(lines_), fontName_("Courier New") {
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
        repaintCaret();
    });

    model_.setListener(this);
    rebuildFont();
    fontChanged();
}

TSynEditor::~TSynEditor() { model_.setListener(nullptr); }

// ---------------------------------------------------------------------------------------------
// Lines

void TSynEditor::assignLines(const TSynEditStringList& other) { lines_.Assign(other); }

void TSynEditor::linesReset() {
    pendingInvalid_ = QRect();
    invalidateAll();
    statusChangePending_ = true;
    emit linesCleared();
    emit textChanged();
}

void TSynEditor::linesInvalidated(int firstLine, int lastLine, bool toTheEnd) {
    invalidateLines(firstLine, toTheEnd ? INT_MAX : lastLine);
    emit textChanged();
}

void TSynEditor::linesSettling() {
    updateScrollBar();
    if (!pendingInvalid_.isNull()) viewport()->update(pendingInvalid_);
    pendingInvalid_ = QRect();
}

void TSynEditor::linesSettled() {
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
    if (!model_.setTabWidth(width)) return;
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
    // Crisp cells like printed letter paper; the cells are measured on the 1x face at every density.
    font_ = fontForDensity(font_, 1);
    // A proportional face is asked for in its fixed-pitch form; the cells are fixed either way.
    QFontMetrics measured(font_);
    if (measured.averageCharWidth() != measured.maxWidth()) font_.setFixedPitch(true);
    rawFont_ = QRawFont::fromFont(fontForDensity(font_, rawFontDensity_));
    fontAscent_ = QFontMetrics(font_).ascent();
    QGuiApplication::inputMethod()->update(Qt::ImFont);
}

TGbkCellFont TSynEditor::cellFont() const {
    return TGbkCellFont{rawFont_, fontForDensity(font_, rawFontDensity_), fontStyle_.underline, fontStyle_.strikeOut};
}

void TSynEditor::followScreenDensity() {
    const int density = densityOf(*viewport());
    if (density == rawFontDensity_) return;
    rawFontDensity_ = density;
    rawFont_ = QRawFont::fromFont(fontForDensity(font_, density));
}

void TSynEditor::fontChanged() {
    QFontMetrics fm(font_);
    annotationFont_ = annotationFace(fm.height());
    const int band = annotations_ != nullptr ? annotationBandOf(annotationFont_) : 0;
    // Every byte takes one cell of the "M" advance; a double-byte character spans two cells.
    model_.setFont(fm.horizontalAdvance(QLatin1Char('M')), fm.height(), lineSpacingRule_, lineSpacing_, band);
    sizeChanged();
    invalidateAll();
}

void TSynEditor::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    sizeChanged();
}

int TSynEditor::currentWrapColumn() const {
    return wrapColumnFor(wordWrap_, charsInWindow(), rightEdge_.Position());
}

void TSynEditor::sizeChanged() {
    model_.setClientSize(viewport()->width(), viewport()->height());
    if (charWidth() <= 0) return;
    if (model_.setWrapColumn(currentWrapColumn())) invalidateAll();
    updateScrollBar();
    model_.setTopLine(model_.topLine());
}

void TSynEditor::applyWordWrap() {
    model_.setWordWrap(wordWrap_.Enabled(), currentWrapColumn());
    updateScrollBar();
    model_.setTopLine(model_.topLine());
    invalidateAll();
}

// ---------------------------------------------------------------------------------------------
// Top line and scroll bar

void TSynEditor::topLineChanged(int oldTopLine) {
    const int delta = oldTopLine - topLine();
    const int rows = std::abs(delta);
    if (rows < linesInWindow() && !model_.isChanging()) {
        // Partial rows below the last whole one are painted too, so moving the pixels is exact.
        viewport()->scroll(0, delta * rowHeight());
        // The caret's pixels moved with the rest; wherever they went, they are painted over.
        caretInk_.translate(0, delta * rowHeight());
        caretInk_ &= viewport()->rect();
        repaintCaret();
    } else {
        invalidateAll();
    }
    updateScrollBar();
}

TScrollBarInfo TSynEditor::scrollBarInfo() const {
    return verticalScrollBarInfo(rowCount(), linesInWindow(), topLine());
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
        case QAbstractSlider::SliderSingleStepAdd: setTopLine(topLine() + 1); break;
        case QAbstractSlider::SliderSingleStepSub: setTopLine(topLine() - 1); break;
        case QAbstractSlider::SliderPageStepAdd: setTopLine(topLine() + linesInWindow()); break;
        case QAbstractSlider::SliderPageStepSub: setTopLine(topLine() - linesInWindow()); break;
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
    QString text = QStringLiteral("Top Line: %1").arg(rowToLine(topLine()));
    QPoint anchor = viewport()->mapToGlobal(QPoint(viewport()->width() - 4, 10));
    TSynScrollHint::shared().showText(text, scrollHintColor_, anchor.x(), anchor.y());
}

// ---------------------------------------------------------------------------------------------
// Repaint requests

void TSynEditor::invalidateRect(const QRect& rect) {
    if (rect.isEmpty()) return;
    if (model_.isChanging()) {
        pendingInvalid_ = pendingInvalid_.united(rect);
    } else {
        viewport()->update(rect);
    }
}

void TSynEditor::invalidateAll() { invalidateRect(viewport()->rect()); }

void TSynEditor::invalidateLines(int firstLine, int lastLine) {
    if (rowHeight() <= 0) return;
    const int topRow = topLine();
    const TSynViewMetrics& grid = metrics();
    int firstRow = std::max(lineToRow(firstLine), topRow);
    bool toTheEnd = lastLine >= lines_.Count();
    int bottom = viewport()->height();
    if (!toTheEnd) {
        int lastRow = lineToRow(lastLine + 1) - 1;
        if (lastRow < topRow) return;
        bottom = std::min(bottom, grid.rowTop(lastRow + 1, topRow));
    }
    int top = grid.rowTop(firstRow, topRow);
    if (top >= viewport()->height()) return;
    invalidateRect(QRect(0, top, viewport()->width(), bottom - top));
}

void TSynEditor::invalidateRow(int row) {
    if (row < topLine() || rowHeight() <= 0) return;
    invalidateRect(QRect(0, metrics().rowTop(row, topLine()), viewport()->width(), rowHeight()));
}

// ---------------------------------------------------------------------------------------------
// Caret and selection

// The widget keeps the caret's blink and the input method in step; the model already scrolled.
void TSynEditor::caretMoved(int oldCaretRow, bool selectionRepaint) {
    if (selectionRepaint) invalidateAll();
    const int newRow = caretRow();
    if (newRow != oldCaretRow && activeLine_.Visible()) {
        invalidateRow(oldCaretRow);
        invalidateRow(newRow);
    }
    restartCaretBlink();
    QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
    emit caretMoved();
}

TBufferCoord TSynEditor::pixelToBufferPos(QPoint viewportPos, bool dragging) const {
    return dragging ? model_.dragPosition(viewportPos.x(), viewportPos.y())
                    : model_.clickPosition(viewportPos.x(), viewportPos.y());
}

QRect TSynEditor::caretRect() const {
    TDisplayCoord display = model_.shownCaretPosition();
    int x = columnX(display.Column) - 1;
    int y = metrics().textTop(display.Row, topLine()) + 1;
    // Overwrite mode shows a block over the cell the next character replaces.
    if (!insertMode()) return QRect(x + 1, y, charWidth(), std::max(1, textHeight() - 2));
    return QRect(x, y, 2, std::max(1, textHeight() - 2));
}

void TSynEditor::restartCaretBlink() {
    if (!hasFocus()) return;
    caretShown_ = true;
    caretBlink_.start();
    repaintCaret();
}

// The caret is inverted over the text inside the paint, so moving it means painting over its old
// pixels as well as painting the new place: a repaint of the new place alone leaves a trail.
void TSynEditor::repaintCaret() {
    viewport()->update(caretInk_);
    if (caretVisible()) viewport()->update(caretRect());
}

void TSynEditor::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartCaretBlink();
}

void TSynEditor::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    caretBlink_.stop();
    caretShown_ = false;
    repaintCaret();
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
