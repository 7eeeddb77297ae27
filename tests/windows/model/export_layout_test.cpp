// Page layout of an exported text: which extension makes which file, A5 in pixels, whole rows per
// page, indents in cells, text centred in its row and the ruled line on the row's bottom pixel row;
// the PNG sheet as tall as all its rows, with room at its edge for a hanging mark.

#include <gtest/gtest.h>

#include "platform/model/gbk_text.h"
#include "windows/model/chinese_line_breaking.h"
#include "windows/model/export_layout.h"

namespace veyrin {
namespace {

constexpr TExportGrid kDoubleSpaced15{8, 15, 30};

// One prose row of `length` bytes per line.
TTypesetRows proseRows(const std::vector<int>& lengths) {
    TTypesetRows rows;
    for (size_t line = 0; line < lengths.size(); ++line)
        rows.push_back(TTypesetRow{static_cast<int>(line), 0, lengths[line], 0, TExportRowKind::Prose});
    return rows;
}

TEST(ExportLayout, KindFollowsTheExtension) {
    EXPECT_EQ(exportKindOf("诗.pdf"), TExportKind::Pdf);
    EXPECT_EQ(exportKindOf("/tmp/A.PdF"), TExportKind::Pdf);
    EXPECT_EQ(exportKindOf("page.png"), TExportKind::Png);
    EXPECT_EQ(exportKindOf("page.png.txt"), TExportKind::Unsupported);
    EXPECT_EQ(exportKindOf("pdf"), TExportKind::Unsupported);
    EXPECT_EQ(exportKindOf("page.jpg"), TExportKind::Unsupported);
}

TEST(ExportLayout, A5PagesHoldWholeRowsBetweenTheMargins) {
    const TExportPaper paper = a5Paper();
    EXPECT_EQ(paper.width, 559);  // 148 mm
    EXPECT_EQ(paper.height, 794);  // 210 mm
    EXPECT_EQ(paper.marginLeft, 57);  // 15 mm

    const TExportLayout layout = layoutPages(proseRows(std::vector<int>(50, 10)), kDoubleSpaced15, paper);
    const int perPage = (794 - 2 * 57) / 30;
    ASSERT_EQ(layout.rowsPerPage, perPage);
    ASSERT_EQ(layout.pages.size(), 3u);
    EXPECT_EQ(layout.pages[0].rows.size(), static_cast<size_t>(perPage));
    EXPECT_EQ(layout.pages[2].rows.size(), static_cast<size_t>(50 - 2 * perPage));

    const TExportRow& firstOnSecond = layout.pages[1].rows.front();
    EXPECT_EQ(firstOnSecond.line, perPage);
    EXPECT_EQ(firstOnSecond.top, 57);
    EXPECT_EQ(firstOnSecond.textTop, 57 + 7);  // 15 spare pixels: 7 above, 8 below
    EXPECT_EQ(firstOnSecond.ruleY, 57 + 29);
    const TExportRow& last = layout.pages[0].rows.back();
    EXPECT_LE(last.top + 30, 794 - 57);
    EXPECT_EQ(layout.ruleLeft, 57);
    EXPECT_EQ(layout.ruleRight, 559 - 57);
    EXPECT_EQ(layout.columns, (559 - 2 * 57) / 8);
}

TEST(ExportLayout, RowsKeepTheirOrderAndIndentAcrossPages) {
    std::string longLine;
    for (int i = 0; i < 30; ++i) longLine += gbk::fromUtf8("月");
    const int columns = exportColumns(kDoubleSpaced15, a5Paper());
    const TTypesetRows rows = typesetForExport({longLine, "", "abc"}, columns);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].length + rows[1].length, 60);
    EXPECT_EQ(rows[0].length % 2, 0) << "a row ends inside a character";

    const TExportLayout layout = layoutPages(rows, kDoubleSpaced15, a5Paper());
    const std::vector<TExportRow>& page = layout.pages.front().rows;
    ASSERT_EQ(page.size(), 4u);
    EXPECT_EQ(page[1].line, 0);
    EXPECT_EQ(page[1].start, rows[0].length);
    EXPECT_EQ(page[1].top - page[0].top, 30);
    EXPECT_EQ(page.back().line, 2);
    EXPECT_EQ(page.back().length, 3);

    TTypesetRows indented = proseRows({4});
    indented[0].indent = kVerseIndentCells;
    EXPECT_EQ(layoutPages(indented, kDoubleSpaced15, a5Paper()).pages[0].rows[0].left, 57 + kVerseIndentCells * 8);
    EXPECT_EQ(layoutSheet(indented, kDoubleSpaced15, 400, 2).pages[0].rows[0].left, 2 + kVerseIndentCells * 8);
}

TEST(ExportLayout, AGapFallingOnAPageBreakIsDropped) {
    const int perPage = layoutPages({}, kDoubleSpaced15, a5Paper()).rowsPerPage;
    TTypesetRows rows = proseRows(std::vector<int>(static_cast<size_t>(perPage), 2));
    rows.push_back(TTypesetRow{-1, 0, 0, 0, TExportRowKind::Gap});
    rows.push_back(TTypesetRow{static_cast<int>(rows.size()), 0, 6, kVerseIndentCells, TExportRowKind::Title});
    const TExportLayout layout = layoutPages(rows, kDoubleSpaced15, a5Paper());
    ASSERT_EQ(layout.pages.size(), 2u);
    ASSERT_EQ(layout.pages[1].rows.size(), 1u);
    EXPECT_EQ(layout.pages[1].rows[0].length, 6) << "the poem's title opens the page";
}

TEST(ExportLayout, SheetIsAsTallAsItsRows) {
    const TExportLayout sheet = layoutSheet(proseRows({20, 20, 4, 0, 12}), kDoubleSpaced15, 400, 2);
    ASSERT_EQ(sheet.pages.size(), 1u);
    EXPECT_EQ(sheet.pages[0].rows.size(), 5u);
    EXPECT_EQ(sheet.pageHeight, 5 * 30);
    EXPECT_EQ(sheet.pageWidth, 400);
    EXPECT_EQ(sheet.pages[0].rows[4].top, 4 * 30);
    EXPECT_EQ(sheet.ruleLeft, 2);
    EXPECT_EQ(sheet.ruleRight, 400);
    EXPECT_EQ(sheet.columns, (400 - 2) / 8 - kHangingCells);

    const TExportLayout empty = layoutSheet({}, kDoubleSpaced15, 400, 2);
    EXPECT_EQ(empty.pageHeight, 30);
    const TExportLayout emptyPages = layoutPages({}, kDoubleSpaced15, a5Paper());
    ASSERT_EQ(emptyPages.pages.size(), 1u);
    EXPECT_EQ(emptyPages.pages[0].rows.size(), 1u);
}

}  // namespace
}  // namespace veyrin
