#pragma once
// Draws GBK bytes on the view's fixed-cell grid: every byte takes one cell, a double-byte
// character spans two, whatever the face's own advances. The text view paints its rows with it,
// and the reading window's export paints pages and pictures with it, so paper and screen match.

#include <QColor>
#include <QFont>
#include <QRawFont>

#include <string_view>

class QPainter;

namespace veyrin {

struct TGbkCellFont {
    QRawFont rawFont;
    QFont fallback;  // for characters the face lacks
    bool underline = false;
    bool strikeOut = false;
};

// Draws bytes [from, end) of `rowText`; byte i sits in the cell at firstCellX + i * cellWidth.
// A `from` on the trail byte of a character starts one byte earlier, so the character is whole.
// Byte 0x00 and tab fillers draw as blanks.
void drawGbkCells(QPainter& painter, const TGbkCellFont& font, std::string_view rowText, size_t from, size_t end,
                  qreal firstCellX, int cellWidth, qreal baseline, const QColor& color);

}  // namespace veyrin
