// Page layout of an exported text: which extension makes which file, A5 in pixels, rows wrapped
// as the view wraps them, whole rows per page, text centred in its row and the ruled line on the
// row's bottom pixel row; the PNG sheet as tall as all its rows.

#include <gtest/gtest.h>

#include <numeric>

#include "platform/model/gbk_text.h"
#include "windows/model/export_layout.h"

namespace veyrin {
namespace {

constexpr TExportGrid kDoubleSpaced15{8, 15, 30};

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

    const TLineRows rows(50, std::vector<int>{10});
    const TExportLayout layout = layoutPages(rows, kDoubleSpaced15, paper);
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

TEST(ExportLayout, WrappedLinesKeepCharactersWholeAndRowsInOrder) {
    std::string longLine;
    for (int i = 0; i < 30; ++i) longLine += gbk::fromUtf8("月");
    const int columns = exportColumns(kDoubleSpaced15, a5Paper());
    const TLineRows rows = wrapForExport({longLine, "", "abc"}, columns);
    ASSERT_EQ(rows.size(), 3u);
    ASSERT_GE(rows[0].size(), 2u);
    EXPECT_EQ(std::accumulate(rows[0].begin(), rows[0].end(), 0), 60);
    for (int length : rows[0]) {
        EXPECT_LE(length, columns);
        EXPECT_EQ(length % 2, 0) << "a row ends inside a character";
    }
    EXPECT_EQ(rows[1], std::vector<int>{0});

    const TExportLayout layout = layoutPages(rows, kDoubleSpaced15, a5Paper());
    const std::vector<TExportRow>& page = layout.pages.front().rows;
    ASSERT_EQ(page.size(), rows[0].size() + 2);
    EXPECT_EQ(page[1].line, 0);
    EXPECT_EQ(page[1].start, rows[0][0]);
    EXPECT_EQ(page[1].top - page[0].top, 30);
    EXPECT_EQ(page.back().line, 2);
    EXPECT_EQ(page.back().length, 3);

    EXPECT_EQ(wrapForExport({longLine}, 0).front(), std::vector<int>{60});
}

TEST(ExportLayout, SheetIsAsTallAsItsRows) {
    const TLineRows rows = {{20, 20, 4}, {0}, {12}};
    const TExportLayout sheet = layoutSheet(rows, kDoubleSpaced15, 400, 2);
    ASSERT_EQ(sheet.pages.size(), 1u);
    EXPECT_EQ(sheet.pages[0].rows.size(), 5u);
    EXPECT_EQ(sheet.pageHeight, 5 * 30);
    EXPECT_EQ(sheet.pageWidth, 400);
    EXPECT_EQ(sheet.pages[0].rows[4].top, 4 * 30);
    EXPECT_EQ(sheet.ruleLeft, 2);
    EXPECT_EQ(sheet.ruleRight, 400);

    const TExportLayout empty = layoutSheet({}, kDoubleSpaced15, 400, 2);
    EXPECT_EQ(empty.pageHeight, 30);
    const TExportLayout emptyPages = layoutPages({}, kDoubleSpaced15, a5Paper());
    ASSERT_EQ(emptyPages.pages.size(), 1u);
    EXPECT_EQ(emptyPages.pages[0].rows.size(), 1u);
}

}  // namespace
}  // namespace veyrin
