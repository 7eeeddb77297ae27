#pragma once
// An exported text set afresh for its paper, as a Chinese book sets it rather than as the view
// wraps it: rows break by the rules of Chinese line breaking, a poem's title and verse stand
// indented as a block with an empty row between them and the prose around them, and a verse line
// stays on one row whenever the paper's width holds it. A verse line too long for the paper breaks
// at a pause, its later rows set in one character further.

#include <string>
#include <vector>

namespace veyrin {

enum class TExportRowKind { Prose, Title, Verse, Gap };

struct TTypesetRow {
    int line = -1;   // 0-based; -1 for a gap, which holds no text
    int start = 0;   // first byte of the row in the line
    int length = 0;  // bytes, which are cells
    int indent = 0;  // cells before the row's first character
    TExportRowKind kind = TExportRowKind::Prose;
};

using TTypesetRows = std::vector<TTypesetRow>;

// Cells a poem's block is set in from the left edge, when each of its lines still fits a row.
constexpr int kVerseIndentCells = 4;
// Cells further in for the later rows of a verse line that does not fit one.
constexpr int kVerseRunOnCells = 2;

// Rows of tab-expanded lines at `columns` cells a row (a closing mark may hang one past them);
// one empty row for an empty text.
TTypesetRows typesetForExport(const std::vector<std::string>& expandedLines, int columns);

}  // namespace veyrin
