// 竖排 (F6) and 繁/简 (F7) in the reading window: the columns replace the rows and go again with the
// text unchanged; the traditional form is only drawn, never stored nor copied.

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QtTest>

#include "platform/model/gbk_text.h"
#include "support/reading_window_fixture.h"
#include "support/veyrin_test_main.h"
#include "textview/ui/syn_editor.h"
#include "textview/ui/vertical_page.h"
#include "windows/ui/reading_view_modes.h"
#include "windows/ui/reading_window.h"

using namespace veyrin;

namespace {

}  // namespace

class ReadingViewModesTest : public QObject {
    Q_OBJECT
private slots:
    void f6ShowsReadOnlyColumnsAndBringsTheRowsBackUnchanged() {
        TForm3 window(poemSnapshot());
        showActive(window);
        ReadingViewModes& modes = modesOf(window);
        const std::string before = window.memo3->Lines().GetTextStr();

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QVERIFY(modes.vertical());
        QVERIFY(modes.ViewVertical1->isChecked());
        TSynVerticalPage* page = modes.verticalPage();
        QVERIFY(page->isVisible());
        QVERIFY(window.memo3->isHidden());
        QVERIFY(window.memo3->readOnly());
        // Keys typed on the page change nothing.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("xy"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QCOMPARE(window.memo3->Lines().GetTextStr(), before);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QVERIFY(!modes.vertical());
        QVERIFY(page->isHidden());
        QVERIFY(window.memo3->isVisible());
        QVERIFY(!window.memo3->readOnly());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window.memo3));
        QCOMPARE(window.memo3->Lines().GetTextStr(), before);
    }

    void thePageIsRuledLetterPaperReadFromTheRight() {
        TForm3 window(poemSnapshot());
        showActive(window);
        ReadingViewModes& modes = modesOf(window);
        modes.setVertical(true);
        TSynVerticalPage& page = *modes.verticalPage();
        const TVerticalLayout& layout = page.layout();
        const QImage shot = page.viewport()->grab().toImage();
        const int width = page.viewport()->width();
        const int middle = (page.columnsTop() + page.columnsBottom()) / 2;
        // A silver rule on the left of each of the three columns, paper in between.
        for (int column = 0; column < 3; ++column) {
            const int x = layout.columnLeft(column, width, 0);
            QCOMPARE(QColor(shot.pixel(x, middle)), QColor(0xC0, 0xC0, 0xC0));
            QCOMPARE(QColor(shot.pixel(x + 2, middle)), QColor(Qt::white));
        }
        // The title stands in the rightmost column, ink at its top; the next column is the first
        // line of verse, which reaches further down than the title.
        const int square = layout.geometry().glyphWidth;
        auto squareAt = [&](int column, int cell) {
            return QRect(layout.glyphLeft(column, width, 0), layout.cellTop(cell), square, 2 * layout.geometry().cellAdvance);
        };
        QVERIFY(hasInk(shot, squareAt(0, 0), 100));
        QVERIFY(!hasInk(shot, squareAt(0, 8), 100));
        QVERIFY(hasInk(shot, squareAt(1, 8), 100));
        // Nothing left of the last column.
        QVERIFY(!hasInk(shot, QRect(0, 0, layout.columnLeft(2, width, 0) - 1, shot.height()), 100));

        window.memo3->LineDivider().setVisible(false);
        page.viewport()->repaint();
        const QImage plain = page.viewport()->grab().toImage();
        QCOMPARE(QColor(plain.pixel(layout.columnLeft(0, width, 0), middle)), QColor(Qt::white));
    }

    void theWheelScrollsTowardsTheLeft() {
        TForm3 window(poemSnapshot(20));
        showActive(window);
        ReadingViewModes& modes = modesOf(window);
        modes.setVertical(true);
        TSynVerticalPage& page = *modes.verticalPage();
        QCOMPARE(page.scrolled(), 0);
        QVERIFY(page.layout().maxScroll(page.viewport()->width()) > 0);
        // The thumb starts at the right end, over the first columns.
        QScrollBar* bar = page.horizontalScrollBar();
        QCOMPARE(bar->value(), bar->maximum());
        const QPoint at = page.viewport()->rect().center();
        QWheelEvent down(at, page.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(page.viewport(), &down);
        QVERIFY(page.scrolled() > 0);
        QTest::keyClick(&page, Qt::Key_End);
        QCOMPARE(page.scrolled(), page.layout().maxScroll(page.viewport()->width()));
        QCOMPARE(bar->value(), bar->minimum());
        QTest::keyClick(&page, Qt::Key_Home);
        QCOMPARE(page.scrolled(), 0);
        modes.setVertical(false);
        QVERIFY(!window.memo3->readOnly());
        QVERIFY(!modes.ViewVertical1->isChecked());
    }

    void f7ShowsTraditionalCharactersButStoresAndCopiesTheText() {
        TForm3 window(poemSnapshot());
        showActive(window);
        ReadingViewModes& modes = modesOf(window);
        QVERIFY2(modes.ViewTraditional1->isEnabled(), qPrintable(modes.ViewTraditional1->toolTip()));
        const std::string before = window.memo3->Lines().GetTextStr();
        const QImage rows = window.memo3->viewport()->grab().toImage();

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F7);
        QVERIFY(modes.traditional());
        std::string scratch;
        QCOMPARE(gbk::toUtf8(window.memo3->displayLine(3, scratch)), std::string("舉頭望明月，低頭思故鄉。"));
        QCOMPARE(window.memo3->Lines().GetTextStr(), before);
        QVERIFY(window.memo3->viewport()->grab().toImage() != rows);

        window.memo3->selectAll();
        window.memo3->copyToClipboard();
        QCOMPARE(QApplication::clipboard()->text(), QString::fromUtf8("静夜思\r\n床前明月光，疑是地上霜。\r\n举头望明月，低头思故乡。"));

        // The columns show the traditional form too: 舉 heads the third line's column.
        modes.setVertical(true);
        const std::vector<TVerticalGlyph>& glyphs = modes.verticalPage()->layout().glyphs();
        auto third = std::find_if(glyphs.begin(), glyphs.end(), [](const TVerticalGlyph& g) { return g.line == 2; });
        QCOMPARE(static_cast<uint>(third->shown), static_cast<uint>(U'舉'));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F7);
        QVERIFY(!modes.traditional());
        QCOMPARE(gbk::toUtf8(window.memo3->displayLine(3, scratch)), std::string("举头望明月，低头思故乡。"));
    }
};

VEYRIN_TEST_MAIN(ReadingViewModesTest)
#include "reading_view_modes_test.moc"
