#include "textview/ui/vertical_page.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

#include "platform/ui/qt_color.h"
#include "textview/ui/annotation_painter.h"
#include "textview/ui/density_font.h"
#include "textview/ui/gbk_glyph_table.h"
#include "textview/ui/syn_editor.h"
#include "textview/ui/thin_pen.h"

namespace veyrin {
namespace {

// The rules along the top and the foot stand this far from the characters.
constexpr int kFrameGap = 4;

bool isBlank(char32_t code) { return code == 0 || code == U' ' || code == U'\t' || code == 0x3000; }

}  // namespace

TSynVerticalPage::TSynVerticalPage(TSynEditor& source, QWidget* parent) : QAbstractScrollArea(parent), source_(source) {
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(&source_, &TSynEditor::textChanged, this, &TSynVerticalPage::relayout);
}

// The bar runs the other way from the page: its thumb starts at the right end, over the first
// columns, and is dragged leftwards to read on. So the distance scrolled is counted from its end.
int TSynVerticalPage::scrolled() const { return horizontalScrollBar()->maximum() - horizontalScrollBar()->value(); }

void TSynVerticalPage::setScrolled(int pixels) {
    QScrollBar* bar = horizontalScrollBar();
    bar->setValue(bar->maximum() - std::clamp(pixels, 0, bar->maximum()));
}

TVerticalGeometry TSynVerticalPage::geometryFromView() const {
    TVerticalGeometry g;
    g.cellAdvance = source_.charWidth();
    g.glyphWidth = std::max(2 * source_.charWidth(), source_.textHeight());
    g.extraSpacing = source_.extraSpacing();
    g.annotationBand = source_.annotationBand();
    g.pageHeight = viewport()->height();
    g.topMargin = g.glyphWidth + kFrameGap;
    g.bottomMargin = g.glyphWidth / 2 + kFrameGap;
    g.sideMargin = g.glyphWidth / 2;
    return g;
}

std::vector<std::vector<TVerticalChar>> TSynVerticalPage::decodedLines() const {
    std::vector<std::vector<TVerticalChar>> lines;
    const int count = source_.Lines().Count();
    lines.reserve(static_cast<size_t>(count));
    std::string scratch;
    for (int line = 1; line <= count; ++line) {
        std::string_view text = source_.displayLine(line, scratch);
        std::vector<TVerticalChar> chars;
        for (size_t pos = 0; pos < text.size();) {
            TGbkChar c = gbkCharAt(text, pos);
            chars.push_back({c.code, c.bytes});
            pos += static_cast<size_t>(c.bytes);
        }
        lines.push_back(std::move(chars));
    }
    return lines;
}

void TSynVerticalPage::relayout() {
    layout_.layOut(decodedLines(), geometryFromView());
    updateScrollRange();
    viewport()->update();
}

void TSynVerticalPage::updateScrollRange() {
    QScrollBar* bar = horizontalScrollBar();
    const int width = viewport()->width();
    const int keep = scrolled();
    bar->setRange(0, layout_.maxScroll(width));
    bar->setPageStep(std::max(1, width));
    bar->setSingleStep(std::max(1, layout_.columnPitch()));
    setScrolled(keep);
}

void TSynVerticalPage::showLine(int line) {
    const int column = layout_.columnOfLine(line);
    if (column >= 0) setScrolled(column * layout_.columnPitch());
}

int TSynVerticalPage::columnsTop() const { return layout_.geometry().topMargin; }

int TSynVerticalPage::columnsBottom() const { return layout_.columnsBottom(); }

void TSynVerticalPage::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void TSynVerticalPage::scrollContentsBy(int, int) { viewport()->update(); }

void TSynVerticalPage::scrollBy(int pixels) { setScrolled(scrolled() + pixels); }

void TSynVerticalPage::wheelEvent(QWheelEvent* event) {
    // Turning the wheel towards the reader reads on: towards the left.
    const QPoint delta = event->angleDelta();
    const int notches = (delta.y() != 0 ? delta.y() : delta.x()) / 120;
    scrollBy(-notches * 3 * layout_.columnPitch());
    event->accept();
}

void TSynVerticalPage::keyPressEvent(QKeyEvent* event) {
    const int pitch = layout_.columnPitch();
    const int page = std::max(pitch, viewport()->width() - pitch);
    switch (event->key()) {
        case Qt::Key_Left: scrollBy(pitch); break;
        case Qt::Key_Right: scrollBy(-pitch); break;
        case Qt::Key_PageDown:
        case Qt::Key_Space: scrollBy(page); break;
        case Qt::Key_PageUp: scrollBy(-page); break;
        case Qt::Key_Home: setScrolled(0); break;
        case Qt::Key_End: setScrolled(horizontalScrollBar()->maximum()); break;
        default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    event->accept();
}

void TSynVerticalPage::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), toQColor(source_.color()));
    const TVerticalLayout::ColumnRange columns = layout_.visibleColumns(viewport()->width(), scrolled());
    if (columns.first > columns.last) return;
    if (source_.LineDivider().Visible()) paintRules(painter, columns);
    paintGlyphs(painter, columns);
}

void TSynVerticalPage::paintRules(QPainter& painter, TVerticalLayout::ColumnRange columns) const {
    const TSynLineDivider& divider = source_.LineDivider();
    painter.setPen(thinPen(divider.Color(), divider.Style()));
    const int width = viewport()->width();
    const int top = columnsTop() - kFrameGap;
    const int bottom = columnsBottom() + kFrameGap - 1;
    // A rule along the left of every column that holds text, and one closing the first column.
    for (int column = columns.first; column <= columns.last; ++column) {
        const int x = layout_.columnLeft(column, width, scrolled());
        drawThinLine(painter, QPoint(x, top), QPoint(x, bottom));
    }
    const int right = layout_.columnLeft(-1, width, scrolled());
    if (columns.first == 0) drawThinLine(painter, QPoint(right, top), QPoint(right, bottom));
    const int left = layout_.columnLeft(layout_.columnCount() - 1, width, scrolled());
    drawThinLine(painter, QPoint(left, top), QPoint(right, top));
    drawThinLine(painter, QPoint(left, bottom), QPoint(right, bottom));
}

void TSynVerticalPage::paintGlyphs(QPainter& painter, TVerticalLayout::ColumnRange columns) const {
    const std::vector<TVerticalGlyph>& glyphs = layout_.glyphs();
    auto first = std::lower_bound(glyphs.begin(), glyphs.end(), columns.first,
                                  [](const TVerticalGlyph& g, int column) { return g.column < column; });
    painter.setFont(fontForDensity(source_.textFont(), densityOf(*this)));
    painter.setPen(toQColor(source_.fontColor()));
    const bool annotated = source_.annotations() != nullptr;
    TSynLineAnnotations annotations;
    int annotationsLine = -1;
    for (auto it = first; it != glyphs.end() && it->column <= columns.last; ++it) {
        if (!isBlank(it->shown)) drawGlyph(painter, *it);
        if (!annotated) continue;
        if (it->line != annotationsLine) {
            annotationsLine = it->line;
            annotations = source_.lineAnnotations(annotationsLine + 1);
        }
        if (const TSynAnnotation* a = annotationAt(annotations, static_cast<size_t>(it->byteIndex)))
            drawAnnotationBeside(painter, *it, QString::fromStdString(a->text));
    }
}

// Turned a quarter clockwise like Latin words in a column: the syllable reads downwards beside its
// character, its foot towards it, and the band stays one small line wide.
void TSynVerticalPage::drawAnnotationBeside(QPainter& painter, const TVerticalGlyph& glyph, const QString& text) const {
    const int band = layout_.geometry().annotationBand;
    const int length = glyph.cells * layout_.geometry().cellAdvance;
    painter.save();
    painter.translate(layout_.annotationLeft(glyph.column, viewport()->width(), scrolled()) + band,
                      layout_.cellTop(glyph.cell));
    painter.rotate(90);
    drawAnnotation(painter, source_.annotationFont(), text, QRectF(0, 0, length, band), toQColor(source_.fontColor()));
    painter.restore();
}

void TSynVerticalPage::drawGlyph(QPainter& painter, const TVerticalGlyph& glyph) const {
    const QFontMetrics metrics(source_.textFont());
    const QString text = QString::fromUcs4(&glyph.shown, 1);
    const int glyphWidth = layout_.geometry().glyphWidth;
    const int left = layout_.glyphLeft(glyph.column, viewport()->width(), scrolled());
    const int top = layout_.cellTop(glyph.cell);
    const int length = glyph.cells * layout_.geometry().cellAdvance;  // along the column
    const int advance = metrics.horizontalAdvance(text);
    // Across the column the character is centred on its line of text, as in a row.
    const int baseline = (glyphWidth - metrics.height()) / 2 + metrics.ascent();
    if (glyph.turn == TVerticalTurn::Upright) {
        const int y = top + (length - metrics.height()) / 2 + metrics.ascent();
        painter.drawText(QPoint(left + (glyphWidth - advance) / 2, y), text);
        return;
    }
    // Turned a quarter clockwise: the character's top faces right and it reads downwards.
    painter.save();
    painter.translate(left + glyphWidth, top);
    painter.rotate(90);
    painter.drawText(QPoint((length - advance) / 2, baseline), text);
    painter.restore();
}

}  // namespace veyrin
