#pragma once
// Where every row of an exported text goes: on A5 pages of ruled letter paper for a PDF, or on one
// sheet as wide as the view and as tall as the whole text for a PNG. The rows come set for the
// paper (export_typesetting.h), not wrapped as the view wraps them; they sit in rows of the view's
// height with the text centred in each, and every row has its ruled line on its bottom pixel row,
// as on screen. Units are pixels at 96 dots per inch, the view's own, so a page shows the text at
// the size it has on screen.

#include <string_view>
#include <vector>

#include "textview/model/line_spacing.h"
#include "windows/model/export_typesetting.h"

namespace veyrin {

enum class TExportKind { Pdf, Png, Unsupported };

// By the file name's extension, without regard to ASCII case.
TExportKind exportKindOf(std::string_view fileName);

// The view's cell grid.
struct TExportGrid {
    int cellWidth = 0;
    int textHeight = 0;
    int rowHeight = 0;
    int annotationBand = 0;  // the top of every row, for syllables over the characters
};

// A sheet of paper and the writing area inside its margins.
struct TExportPaper {
    int width = 0;
    int height = 0;
    int marginLeft = 0;
    int marginTop = 0;
    int marginRight = 0;
    int marginBottom = 0;
};

// A5 (148 x 210 mm) at 96 dots per inch with 15 mm margins.
TExportPaper a5Paper();

struct TExportRow {
    int line = 0;   // 0-based; -1 for a gap
    int start = 0;  // first byte of the row in the line
    int length = 0;
    int left = 0;     // x of the row's first cell
    int top = 0;      // row's top edge on its page
    int textTop = 0;  // top of the text: below the band, the spacing split evenly, the odd pixel below
    int ruleY = 0;    // the ruled line's pixel row: the row's bottom one
};

struct TExportPage {
    std::vector<TExportRow> rows;
};

struct TExportLayout {
    int textLeft = 0;     // x of the first cell of a row without indent
    int ruleLeft = 0;     // ruled lines run from here...
    int ruleRight = 0;    // ...to here, exclusive
    int pageWidth = 0;
    int pageHeight = 0;
    int columns = 0;      // cells a row can hold
    int rowsPerPage = 0;  // 0 on a sheet, which holds every row
    std::vector<TExportPage> pages;
};

// Cells that fit the writing area of `paper` (at least 1); a hanging mark goes into the margin.
int exportColumns(const TExportGrid& grid, const TExportPaper& paper);

// Cells a row of the sheet holds from `textLeft`, keeping room at the right edge for a hanging
// mark (at least 1).
int sheetColumns(const TExportGrid& grid, int width, int textLeft);

// Rows onto pages: as many whole rows as fit between the margins; at least one page, and at
// least one row a page however small the paper.
TExportLayout layoutPages(const TTypesetRows& rows, const TExportGrid& grid, const TExportPaper& paper);

// Every row onto one sheet `width` wide, the text starting at `textLeft`, as tall as its rows (one
// empty row for an empty text), the ruled lines running from textLeft to the sheet's right edge.
TExportLayout layoutSheet(const TTypesetRows& rows, const TExportGrid& grid, int width, int textLeft);

}  // namespace veyrin
