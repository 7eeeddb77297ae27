#pragma once
// The text view's lines set in vertical columns, as on vertical letter paper: each line starts a
// new column at the right of what came before, its characters run top to bottom, a line too long
// for the page height goes on in the next column to the left, and the columns advance right to
// left. It is the row grid turned a quarter clockwise: every byte still takes one cell, now down
// the column, so a double-byte character takes a square of two cells and is never split between
// columns; the line spacing now lies between columns. Closing punctuation that would head a
// column hangs below the one before, in a square kept free at the foot of every column.
//
// Positions are in pixels. Horizontally everything is measured from the page's right edge,
// shifted by how far the reader has scrolled towards the left.

#include <string_view>
#include <vector>

#include "textview/model/vertical_forms.h"

namespace veyrin {

// One character of a line as the layout needs it (the caller decodes the bytes).
struct TVerticalChar {
    char32_t code = 0;
    int cells = 1;  // bytes it takes in the line: 1 or 2
};

struct TVerticalGeometry {
    int cellAdvance = 0;   // pixels one cell takes down a column (the view's char width)
    int glyphWidth = 0;    // width of a column's characters (a double-byte character's square)
    int extraSpacing = 0;  // pixels the line-spacing rule adds to each column
    int annotationBand = 0;  // right of the characters, for what is written beside them
    int pageHeight = 0;
    int topMargin = 0;
    int bottomMargin = 0;
    int sideMargin = 0;  // before the first column at the right and after the last at the left
};

// A character placed on the page.
struct TVerticalGlyph {
    int line = 0;      // 0-based line of the text
    int byteIndex = 0; // 0-based offset of its first byte in the line
    int column = 0;    // 0-based, counted from the right
    int cell = 0;      // 0-based first cell of the column it covers
    int cells = 1;
    char32_t shown = 0;  // the character drawn (its vertical form where it has one)
    TVerticalTurn turn = TVerticalTurn::Upright;
};

class TVerticalLayout {
public:
    // Lays the lines out; a geometry without room for one double-byte square still gets one per
    // column, so nothing is ever lost or loops.
    void layOut(const std::vector<std::vector<TVerticalChar>>& lines, const TVerticalGeometry& geometry);

    const TVerticalGeometry& geometry() const { return geometry_; }
    const std::vector<TVerticalGlyph>& glyphs() const { return glyphs_; }
    // Cells of a column's text, not counting the square kept for hanging punctuation.
    int cellsPerColumn() const { return cellsPerColumn_; }
    // Below the last cell a hanging character can take.
    int columnsBottom() const { return cellTop(cellsPerColumn_ + kHangingCells); }
    static constexpr int kHangingCells = 2;
    // Columns holding text (an empty line still takes its column).
    int columnCount() const { return columnCount_; }
    // Width of one column with its share of the line spacing and its annotation band.
    int columnPitch() const { return geometry_.glyphWidth + geometry_.annotationBand + geometry_.extraSpacing; }
    // Page width needed for every column with both side margins.
    int contentWidth() const { return 2 * geometry_.sideMargin + columnCount_ * columnPitch(); }
    // How far the page can be scrolled towards the left in a view `viewWidth` wide.
    int maxScroll(int viewWidth) const;

    // Left pixel of a column in a view `viewWidth` wide scrolled by `scrolled` pixels; the column
    // runs to just before columnLeft(column - 1). Its column rule lies on this pixel.
    int columnLeft(int column, int viewWidth, int scrolled) const;
    // Left pixel of the character square in its column: the spacing is split on both sides, the
    // odd pixel going left (the rows put it below; turning them clockwise puts it left).
    int glyphLeft(int column, int viewWidth, int scrolled) const;
    // Left pixel of the annotation band, right of the square: the band above a row, turned with it.
    int annotationLeft(int column, int viewWidth, int scrolled) const {
        return glyphLeft(column, viewWidth, scrolled) + geometry_.glyphWidth;
    }
    int cellTop(int cell) const { return geometry_.topMargin + cell * geometry_.cellAdvance; }
    // The columns that show inside the view, first (rightmost) to last; empty when none.
    struct ColumnRange {
        int first = 0;
        int last = -1;
    };
    ColumnRange visibleColumns(int viewWidth, int scrolled) const;
    // The column that holds a line's first character.
    int columnOfLine(int line) const;

private:
    TVerticalGeometry geometry_;
    std::vector<TVerticalGlyph> glyphs_;
    std::vector<int> firstColumnOfLine_;
    int cellsPerColumn_ = 2;
    int columnCount_ = 0;
};

}  // namespace veyrin
