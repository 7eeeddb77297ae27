// 拼音 (F9) in the reading window: syllables in a band above the characters in rows and beside them
// in columns, drawn only; the rows give the band back exactly when it is hidden.

#include <QApplication>
#include <QToolBar>
#include <QtTest>

#include "platform/model/gbk_text.h"
#include "support/reading_window_fixture.h"
#include "support/veyrin_test_main.h"
#include "textview/ui/syn_editor.h"
#include "textview/ui/vertical_page.h"
#include "windows/ui/reading_room_output.h"
#include "windows/ui/reading_view_modes.h"
#include "windows/ui/reading_window.h"

using namespace veyrin;

namespace {

// The band over the double-byte character at `byteIndex` of a display row (no wrap, no scroll).
QRect bandOver(const TSynEditor& view, int row, int byteIndex) {
    const int textTop = view.metrics().textTop(row, view.topLine());
    return QRect(view.textLeft() + byteIndex * view.charWidth(), textTop - view.annotationBand(), 2 * view.charWidth(),
                 view.annotationBand());
}

}  // namespace

class ReadingPinyinTest : public QObject {
    Q_OBJECT
private slots:
    void theButtonFollowsExportAndNamesItsKey() {
        TForm3 window(poemSnapshot());
        QAction* pinyin = modesOf(window).ViewPinyin1;
        const QList<QAction*> bar = window.ToolBar2->actions();
        auto* output = window.findChild<ReadingRoomOutput*>();
        QVERIFY(output != nullptr);
        QCOMPARE(bar.indexOf(pinyin), bar.indexOf(output->Export1) + 1);
        QCOMPARE(pinyin->toolTip(), QString::fromUtf8("拼音 (F9)"));
        QVERIFY(pinyin->isCheckable());
        QVERIFY(!pinyin->icon().isNull());
    }

    void f9WritesSyllablesOverChineseCharactersOnlyAndGivesTheBandBack() {
        TForm3 window(poemSnapshot());
        showActive(window);
        TSynEditor& view = *window.memo3;
        ReadingViewModes& modes = modesOf(window);
        const std::string before = view.Lines().GetTextStr();
        const int plainPitch = view.rowHeight();
        const int plainRows = view.linesInWindow();
        QVERIFY(!view.canUndo());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
        QVERIFY(modes.pinyin());
        QVERIFY(modes.ViewPinyin1->isChecked());
        QVERIFY(view.annotationBand() > 0);
        QCOMPARE(view.rowHeight(), plainPitch + view.annotationBand());
        const QImage shown = view.viewport()->grab().toImage();
        // Row 2 is 床前明月光，疑是地上霜。: ink over 床 and 疑, none over the comma.
        QVERIFY(hasInk(shown, bandOver(view, 2, 0), 160));
        QVERIFY(hasInk(shown, bandOver(view, 2, 12), 160));
        QVERIFY(!hasInk(shown, bandOver(view, 2, 10), 160));
        // The ruled line stays under the characters: the row's bottom pixel row is silver.
        const int ruleY = view.metrics().rowTop(2, view.topLine()) + view.rowHeight() - 1;
        QCOMPARE(QColor(shown.pixel(view.textLeft() + 300, ruleY)), QColor(0xC0, 0xC0, 0xC0));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
        QVERIFY(!modes.pinyin());
        QCOMPARE(view.rowHeight(), plainPitch);
        QCOMPARE(view.linesInWindow(), plainRows);
        QCOMPARE(view.annotationBand(), 0);
        QCOMPARE(view.Lines().GetTextStr(), before);
        QVERIFY(!view.canUndo());
    }

    void theReadingsComeFromTheStoredTextWithTraditionalOn() {
        TForm3 window(poemSnapshot());
        showActive(window);
        ReadingViewModes& modes = modesOf(window);
        modes.setPinyin(true);
        const TSynLineAnnotations simplified = window.memo3->lineAnnotations(3);
        QVERIFY(simplified.size() > 1);
        modes.setTraditional(true);
        QVERIFY2(modes.traditional(), "the conversion tables did not load");
        QCOMPARE(window.memo3->lineAnnotations(3), simplified);
        QCOMPARE(simplified[1].text, std::string("tóu"));
    }

    void inColumnsTheSyllablesStandRightOfTheCharacters() {
        TForm3 window(poemSnapshot());
        showActive(window);
        ReadingViewModes& modes = modesOf(window);
        modes.setVertical(true);
        TSynVerticalPage& page = *modes.verticalPage();
        const int plainPitch = page.layout().columnPitch();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
        QVERIFY(modes.pinyin());
        const TVerticalLayout& layout = page.layout();
        const int band = layout.geometry().annotationBand;
        QCOMPARE(layout.columnPitch(), plainPitch + band);
        const QImage shot = page.viewport()->grab().toImage();
        const int width = page.viewport()->width();
        // Column 1 is 床前明月光，…: 床 takes cells 0-1, the comma cells 10-11.
        auto besideCells = [&](int cell) {
            return QRect(layout.annotationLeft(1, width, 0), layout.cellTop(cell), band, 2 * layout.geometry().cellAdvance);
        };
        QVERIFY(hasInk(shot, besideCells(0), 160));
        QVERIFY(!hasInk(shot, besideCells(10), 160));
        modes.setPinyin(false);
        QCOMPARE(page.layout().columnPitch(), plainPitch);
    }
};

VEYRIN_TEST_MAIN(ReadingPinyinTest)
#include "reading_pinyin_test.moc"
