#include "textview/ui/gbk_cell_painter.h"

#include <QGlyphRun>
#include <QPainter>
#include <QVarLengthArray>

#include "textview/model/gbk_cells.h"
#include "textview/ui/gbk_glyph_table.h"

namespace veyrin {
namespace {

char16_t drawableCode(char16_t code) { return (code == 0 || code == u'\t') ? u' ' : code; }

}  // namespace

void drawGbkCells(QPainter& painter, const TGbkCellFont& font, std::string_view rowText, size_t from, size_t end,
                  qreal firstCellX, int cellWidth, qreal baseline, const QColor& color) {
    end = std::min(end, rowText.size());
    if (from >= end) return;
    if (isTrailByteAt(rowText, 0, from)) --from;

    QVarLengthArray<QChar, 512> chars;
    QList<QPointF> positions;
    positions.reserve(static_cast<qsizetype>(end - from));
    for (size_t i = from; i < end;) {
        TGbkChar c = gbkCharAt(rowText, i);
        chars.append(QChar(drawableCode(c.code)));
        positions.append(QPointF(firstCellX + static_cast<qreal>(i) * cellWidth, baseline));
        i += static_cast<size_t>(c.bytes);
    }
    int count = static_cast<int>(chars.size());
    QList<quint32> glyphs(count);
    if (!font.rawFont.isValid() || !font.rawFont.glyphIndexesForChars(chars.data(), count, glyphs.data(), &count))
        return;
    glyphs.resize(count);
    positions.resize(count);

    painter.setPen(color);
    QGlyphRun run;
    run.setRawFont(font.rawFont);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(font.underline);
    run.setStrikeOut(font.strikeOut);
    painter.drawGlyphRun(QPointF(0, 0), run);

    // Characters the face lacks go through the font's fallback, still placed in their cells.
    for (int i = 0; i < count; ++i) {
        if (glyphs[i] != 0) continue;
        painter.setFont(font.fallback);
        painter.drawText(positions[i], QString(chars[i]));
    }
}

}  // namespace veyrin
