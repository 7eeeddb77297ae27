#include "textview/model/vertical_layout.h"

#include <algorithm>

namespace veyrin {

void TVerticalLayout::layOut(const std::vector<std::vector<TVerticalChar>>& lines, const TVerticalGeometry& geometry) {
    geometry_ = geometry;
    glyphs_.clear();
    firstColumnOfLine_.clear();
    const int usable = geometry.pageHeight - geometry.topMargin - geometry.bottomMargin;
    cellsPerColumn_ = geometry.cellAdvance > 0 ? std::max(2, usable / geometry.cellAdvance - kHangingCells) : 2;

    int column = 0;
    for (size_t line = 0; line < lines.size(); ++line) {
        firstColumnOfLine_.push_back(column);
        int cell = 0;
        int byteIndex = 0;
        for (const TVerticalChar& c : lines[line]) {
            const int cells = std::clamp(c.cells, 1, 2);
            // A character that does not fit below moves whole into the next column.
            const bool hangs = cell > 0 && cell <= cellsPerColumn_ && hangsAtColumnEnd(c.code);
            if (cell + cells > cellsPerColumn_ && !hangs) {
                ++column;
                cell = 0;
            }
            glyphs_.push_back({static_cast<int>(line), byteIndex, column, cell, cells, verticalFormOf(c.code),
                               verticalTurnOf(c.code, cells)});
            cell += cells;
            byteIndex += cells;
        }
        ++column;
    }
    columnCount_ = column;
}

int TVerticalLayout::maxScroll(int viewWidth) const { return std::max(0, contentWidth() - viewWidth); }

int TVerticalLayout::columnLeft(int column, int viewWidth, int scrolled) const {
    return viewWidth + scrolled - geometry_.sideMargin - (column + 1) * columnPitch();
}

int TVerticalLayout::glyphLeft(int column, int viewWidth, int scrolled) const {
    return columnLeft(column, viewWidth, scrolled) + (geometry_.extraSpacing + 1) / 2;
}

TVerticalLayout::ColumnRange TVerticalLayout::visibleColumns(int viewWidth, int scrolled) const {
    const int pitch = columnPitch();
    if (pitch <= 0 || columnCount_ == 0) return {};
    // Column c covers [columnLeft(c), columnLeft(c) + pitch); it shows when that meets [0, viewWidth).
    const int rightOfFirst = scrolled - geometry_.sideMargin;  // columnLeft(c) + pitch - viewWidth, at c = 0
    if (viewWidth + rightOfFirst <= 0) return {};
    const int first = std::max(0, rightOfFirst / pitch);
    const int last = std::min(columnCount_ - 1, (viewWidth + rightOfFirst - 1) / pitch);
    if (first > last) return {};
    return {first, last};
}

int TVerticalLayout::columnOfLine(int line) const {
    if (line < 0 || line >= static_cast<int>(firstColumnOfLine_.size())) return -1;
    return firstColumnOfLine_[static_cast<size_t>(line)];
}

}  // namespace veyrin
