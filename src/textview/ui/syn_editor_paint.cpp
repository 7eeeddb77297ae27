// Painting of the text view: ruled letter paper, one display row at a time, only within the clip.

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "platform/ui/qt_color.h"
#include "textview/ui/annotation_painter.h"
#include "textview/ui/gbk_cell_painter.h"
#include "textview/ui/syn_editor.h"
#include "textview/ui/thin_pen.h"

namespace veyrin {

void TSynEditor::setDisplayText(const ISynDisplayText* displayText) {
    if (displayText == displayText_) return;
    displayText_ = displayText;
    invalidateAll();
}

std::string_view TSynEditor::displayLine(int line, std::string& scratch) const {
    std::string_view expanded = lines_.ExpandedView(line - 1, scratch);
    if (displayText_ == nullptr) return expanded;
    // The expanded text may live in scratch, where the display text is built: take it out first.
    std::string stored(expanded);
    std::string_view shown = displayText_->displayLine(stored, scratch);
    if (shown.data() != stored.data()) return shown;
    scratch = std::move(stored);
    return scratch;
}

void TSynEditor::setAnnotations(const ISynAnnotations* annotations) {
    if (annotations == annotations_) return;
    annotations_ = annotations;
    // The band is part of the row pitch: rows, scrolling and the caret all follow.
    fontChanged();
}

TSynLineAnnotations TSynEditor::lineAnnotations(int line) const {
    if (annotations_ == nullptr || line < 1 || line > lines_.Count()) return {};
    std::string scratch;
    return annotations_->annotationsOf(lines_.ExpandedView(line - 1, scratch));
}

void TSynEditor::paintEvent(QPaintEvent* event) {
    // Another screen or another desktop scale since the last paint: glyphs follow its density.
    followScreenDensity();
    QPainter painter(viewport());
    paintTextArea(painter, event->rect());
    caretInk_ -= event->region();
    paintCaret(painter, event->region());
}

void TSynEditor::paintTextArea(QPainter& painter, const QRect& clip) const {
    const QColor background = toQColor(color_);
    const int topRow = topLine();
    const int leftChar = model_.leftChar();
    const TSynDisplayMap& rows = displayMap();
    const int cw = charWidth();
    const int rh = rowHeight();
    const int left = textLeft();
    const int clipRight = clip.x() + clip.width();
    const int clipBottom = clip.y() + clip.height();
    if (cw <= 0 || rh <= 0) {
        painter.fillRect(clip, background);
        return;
    }
    const int firstColumn = clip.left() > left ? leftChar + (clip.left() - left) / cw : leftChar;
    const int lastColumn = leftChar + (clipRight + cw - left - 1) / cw;
    const int firstRow = std::max(clip.top() / rh + topRow, topRow);
    const int lastRow = std::min(topRow + (clipBottom + rh - 1) / rh, rowCount());

    if (clip.left() < left) painter.fillRect(QRect(metrics().gutterWidth, clip.top(), left, clip.height()), background);

    if (firstRow <= lastRow) {
        const int activeRow = activeLine_.Visible() ? caretRow() : 0;
        std::string scratch;
        for (int line = rowToLine(firstRow); line <= rowToLine(lastRow); ++line) {
            const TSynLineAnnotations annotations = lineAnnotations(line);
            std::string_view text = displayLine(line, scratch);
            const int lineFirstRow = lineToRow(line);
            const int lineRows = rows.rowsOfLine(line);
            size_t rowStart = 0;
            for (int row = lineFirstRow; row < lineFirstRow + lineRows && row <= lastRow; ++row) {
                size_t length = rows.wordWrap() ? static_cast<size_t>(rows.rowLength(row)) : text.size();
                const RowToPaint toPaint{row, text.substr(std::min(rowStart, text.size()), length), rowStart,
                                         annotations_ != nullptr ? &annotations : nullptr};
                if (row >= firstRow) paintRow(painter, clip, toPaint, firstColumn, lastColumn, row == activeRow);
                rowStart += length;
            }
        }
    }

    // Below the last row: background only, no ruled lines.
    const int belowTop = rh * (std::max(lastRow, firstRow - 1) - topRow + 1);
    const int areaLeft = std::max(clip.left(), left);
    if (belowTop < clipBottom) painter.fillRect(QRect(areaLeft, belowTop, clipRight - areaLeft, clipBottom - belowTop), background);

    if (rightEdge_.Visible() && rightEdge_.Position() > 0) {
        int x = left + (rightEdge_.Position() - leftChar + 1) * cw;
        if (x >= clip.left() && x < clipRight) {
            painter.setPen(thinPen(rightEdge_.Color(), rightEdge_.Style()));
            drawThinLine(painter, QPoint(x, 0), QPoint(x, viewport()->height() - 1));
        }
    }
}

void TSynEditor::paintRow(QPainter& painter, const QRect& clip, const RowToPaint& row, int firstColumn,
                          int lastColumn, bool isCaretRow) const {
    const bool active = isCaretRow && activeLine_.Visible();
    const TColor foreground = active && activeLine_.Foreground() != clNone ? activeLine_.Foreground() : fontColor_;
    const TColor background = active && activeLine_.Background() != clNone ? activeLine_.Background() : color_;
    const int top = metrics().rowTop(row.row, topLine());
    const int areaLeft = std::max(clip.left(), textLeft());
    const QRect rowRect(areaLeft, top, clip.x() + clip.width() - areaLeft, rowHeight());
    const int textTop = metrics().textTop(row.row, topLine());
    const int baseline = textTop + fontAscent_;

    painter.fillRect(rowRect, toQColor(background));
    drawCells(painter, row.text, firstColumn, lastColumn, baseline, toQColor(foreground));
    const TAnnotatedRow annotated{row.annotations, row.lineOffset, row.lineOffset + row.text.size()};
    drawRowAnnotations(painter, annotationFont_, annotated, columnX(1), charWidth(), textTop - annotationBand(),
                       annotationBand(),
                       toQColor(foreground));
    // The selection covers the characters, not the syllables over them.
    const QRect textRect = annotationBand() > 0 ? rowRect.adjusted(0, textTop - top, 0, 0) : rowRect;
    if (selection().hasSelection()) paintSelectedPart(painter, textRect, row.row, row.text, baseline);

    if (lineDivider_.Visible()) {
        const int y = top + rowHeight() - 1;
        painter.setPen(thinPen(lineDivider_.Color(), lineDivider_.Style()));
        drawThinLine(painter, QPoint(textLeft(), y), QPoint(viewport()->width() - 1, y));
    }
}

void TSynEditor::paintSelectedPart(QPainter& painter, const QRect& rowRect, int row, std::string_view rowText,
                                   int baseline) const {
    TDisplayCoord begin = bufferToDisplayPos(selection().selectionBegin());
    TDisplayCoord end = bufferToDisplayPos(selection().selectionEnd());
    if (row < begin.Row || row > end.Row) return;
    int from = row == begin.Row ? begin.Column : 1;
    int to = row == end.Row ? end.Column : static_cast<int>(rowText.size()) + 1;
    QRect selected = QRect(QPoint(columnX(from), rowRect.top()), QPoint(columnX(to) - 1, rowRect.bottom())) & rowRect;
    if (selected.isEmpty()) return;
    painter.save();
    painter.setClipRect(selected, Qt::IntersectClip);
    painter.fillRect(selected, toQColor(selectedColor_.Background()));
    drawCells(painter, rowText, from, to - 1, baseline, toQColor(selectedColor_.Foreground()));
    painter.restore();
}

void TSynEditor::drawCells(QPainter& painter, std::string_view rowText, int fromColumn, int toColumn, int baseline,
                           const QColor& color) const {
    const size_t from = static_cast<size_t>(std::max(fromColumn, 1) - 1);
    const size_t end = static_cast<size_t>(std::max(toColumn, 0));
    drawGbkCells(painter, cellFont(), rowText, from, end, columnX(1), charWidth(), baseline, color);
}

void TSynEditor::paintCaret(QPainter& painter, const QRegion& painted) {
    if (!caretVisible()) return;
    const QRect caret = caretRect();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(caret, Qt::white);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    caretInk_ += painted & caret;
}

}  // namespace veyrin
