#pragma once
// The word-wrap index: which display rows each stored line occupies. For every line it keeps the
// running total of rows up to and including that line, and for every row its length in cells
// (at most 255, so one byte each). Chinese text has no break characters and breaks hard at the wrap
// column, never between the two bytes of a character; Latin text breaks after a blank in the last
// third of the row, and blanks at a break hang at the end of the upper row.

#include <cstdint>
#include <string_view>
#include <vector>

#include "textview/model/buffer_coord.h"

namespace veyrin {

class TSynEditStringList;
struct TSynLinesChange;

class TSynWordWrapPlugin {
public:
    static constexpr int kMaxRowLength = 255;

    explicit TSynWordWrapPlugin(const TSynEditStringList& lines);

    int wrapColumn() const { return maxRowLength_; }
    int minRowLength() const { return minRowLength_; }
    // Stores the wrap column (cut to 255) and re-wraps every line.
    void Reset(int wrapColumn);
    // Re-wraps every line only when the wrap column differs from the stored one.
    void DisplayChanged(int wrapColumn);

    int RowCount() const { return lineOffsets_.empty() ? 0 : lineOffsets_.back(); }
    int LineCount() const { return static_cast<int>(lineOffsets_.size()); }
    // Rows and lines counted from 1; a row outside 1..RowCount() has length 0.
    int GetRowLength(int row) const;
    int LineToRow(int line) const;
    int RowToLine(int row) const;
    int RowsOfLine(int line) const;

    // Each answers the change in the number of rows; all do nothing while the wrap column is 0.
    int LinesInserted(int index, int count);
    int LinesDeleted(int index, int count);
    int LinesPutted(int index, int count);
    void LinesCleared();
    // One change notice of the line store, whatever its kind; answers the change in rows.
    int LinesChanged(const TSynLinesChange& change);

    TDisplayCoord BufferToDisplayPos(TBufferCoord pos) const;
    TBufferCoord DisplayToBufferPos(TDisplayCoord pos) const;

    // The row lengths one line of expanded text wraps into at the given column (for tests and tools).
    static std::vector<std::uint8_t> wrapLine(std::string_view expanded, int wrapColumn);

private:
    static void appendRowsOf(std::string_view expanded, int maxRow, int minRow, std::vector<std::uint8_t>& rows);
    int firstRowIndexOfLine(int lineIndex) const;
    void wrapLinesInto(int firstLine, int count, std::vector<std::uint8_t>& rows,
                       std::vector<std::int32_t>& rowsPerLine) const;
    void shiftOffsetsFrom(int lineIndex, int delta);
    void reserveFor(int lines, size_t rows);
    void rewrapAll();

    const TSynEditStringList& lines_;
    std::vector<std::int32_t> lineOffsets_;
    std::vector<std::uint8_t> rowLengths_;
    int maxRowLength_ = 0;
    int minRowLength_ = 1;
};

}  // namespace veyrin
