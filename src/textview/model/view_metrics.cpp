#include "textview/model/view_metrics.h"

#include <algorithm>

namespace veyrin {

void TSynViewMetrics::setFont(int cellWidth, int fontHeight, TLineSpacingRule rule, int lineSpacing, int band) {
    charWidth = cellWidth;
    textHeight = fontHeight;
    extraSpacing = extraSpacingFor(rule, fontHeight, lineSpacing);
    annotationBand = std::max(0, band);
    rowHeight = std::max(1, annotationBand + textHeight + extraSpacing);
    setClientSize(clientWidth, clientHeight);
}

void TSynViewMetrics::setClientSize(int width, int height) {
    clientWidth = width;
    clientHeight = height;
    if (charWidth <= 0) return;
    charsInWindow = std::max(clientWidth - gutterWidth - kTextMargin, 0) / charWidth;
    linesInWindow = std::max(clientHeight, 0) / rowHeight;
}

int divRoundHalfEven(int numerator, int denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    int quotient = numerator / denominator;
    int remainder = numerator % denominator;
    if (remainder < 0) {
        --quotient;
        remainder += denominator;
    }
    int twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
    return quotient;
}

TDisplayCoord TSynViewMetrics::pixelToDisplay(int x, int y, int topLine, int leftChar, bool dragging) const {
    int cell = std::max(charWidth, 1);
    int column = dragging ? (x - textLeft()) / cell : divRoundHalfEven(x - textLeft(), cell);
    if (!dragging) y = std::clamp(y, 0, std::max(0, linesInWindow * rowHeight - 1));
    int row = y / std::max(rowHeight, 1) + topLine;
    return {std::max(1, column + leftChar), std::max(1, row)};
}

int clampTopLine(int topLine, int rowCount, int linesInWindow) {
    return std::clamp(topLine, 1, std::max(1, rowCount - linesInWindow + 1));
}

int topLineShowingRow(int row, int topLine, int linesInWindow) {
    if (row < topLine) return row;
    int lastVisible = topLine + std::max(linesInWindow, 1) - 1;
    if (row > lastVisible) return row - std::max(linesInWindow, 1) + 1;
    return topLine;
}

}  // namespace veyrin
