#pragma once
// The fixed-cell grid of the text view: cell width and text height from the font, row height from the
// line-spacing rule, and how many whole cells and rows fit the client area. Also the arithmetic that
// turns pixels into display positions and keeps the top row in range.

#include "textview/model/buffer_coord.h"
#include "textview/model/line_spacing.h"

namespace veyrin {

struct TSynViewMetrics {
    static constexpr int kTextMargin = 2;

    int charWidth = 0;
    int textHeight = 0;
    int extraSpacing = 0;
    int annotationBand = 0;  // above the text, for what is written over the characters
    int rowHeight = 0;
    int gutterWidth = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    int charsInWindow = 0;
    int linesInWindow = 0;

    int textLeft() const { return gutterWidth + kTextMargin; }

    // Font changed: cell, text height and the row height of the rule.
    void setFont(int cellWidth, int fontHeight, TLineSpacingRule rule, int lineSpacing, int band = 0);
    // Size changed: whole cells and rows that fit (nothing is counted while the cell width is 0).
    void setClientSize(int width, int height);

    // Pixel to display position. A click snaps to the nearest cell boundary and only to rows that fit
    // the window; a drag takes the cell under the mouse. The row is not yet limited to the row count.
    TDisplayCoord pixelToDisplay(int x, int y, int topLine, int leftChar, bool dragging) const;

    // y of a display row's top edge.
    int rowTop(int row, int topLine) const { return (row - topLine) * rowHeight; }
    // y of the top of a display row's text, below its annotation band.
    int textTop(int row, int topLine) const {
        return rowTop(row, topLine) + textOffsetInRow(rowHeight, textHeight, annotationBand);
    }
};

// Any top line is held to 1..max(1, rowCount - linesInWindow + 1): the view never scrolls past the end.
int clampTopLine(int topLine, int rowCount, int linesInWindow);

// The top line that brings `row` into the fully visible rows (unchanged when it already is).
int topLineShowingRow(int row, int topLine, int linesInWindow);

// Integer division rounded to nearest, a .5 going to the even neighbour.
int divRoundHalfEven(int numerator, int denominator);

}  // namespace veyrin
