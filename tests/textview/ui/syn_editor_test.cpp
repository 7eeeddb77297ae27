#include <QScreen>
#include <QStyleOptionSlider>
#include <QtTest>

#include <memory>
#include <string>

#include "platform/model/gbk_text.h"
#include "platform/ui/font_faces.h"
#include "textview/ui/flat_scroll_bar.h"
#include "textview/ui/reader_design_values.h"
#include "textview/ui/scroll_hint.h"
#include "textview/ui/syn_editor.h"
#include "support/shown_reader_view.h"

using namespace veyrin;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kSilver = qRgb(0xC0, 0xC0, 0xC0);
const QRgb kActiveBackground = qRgb(253, 249, 232);

// n double-byte characters (GBK "唐").
std::string chinese(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "\xCC\xC6";
    return s;
}

std::string joinLines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// Pixel rows, in one column, that hold the given colour.
QList<int> rowsWithColor(const QImage& image, int x, QRgb color) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(x, y) == color) rows.append(y);
    }
    return rows;
}

// First pixel row in [top, bottom) holding a pixel that is neither of the two background colours.
int firstInkRow(const QImage& image, int left, int right, int top, int bottom, QRgb paper) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            QRgb p = image.pixel(x, y);
            if (p != paper && p != kSilver) return y;
        }
    }
    return -1;
}

QColor darkestPixel(const QImage& image, const QRect& area) {
    QColor darkest = Qt::white;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            QColor c = image.pixelColor(x, y);
            if (c.lightness() < darkest.lightness()) darkest = c;
        }
    }
    return darkest;
}

// Pixels of the area darker than any paper, ruled line or active-line colour.
int darkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    }
    return dark;
}

// Gathers what the paint events of a widget covered.
class PaintedRegion : public QObject {
public:
    explicit PaintedRegion(QWidget* widget) { widget->installEventFilter(this); }
    QRegion region;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

}  // namespace

class SynEditorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TSynEditor> makeView(int width, int height, const std::string& text) {
        return test::makeShownReaderView(width, height, text);
    }

    QImage paint(TSynEditor& view) { return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // What the window shows once the pending paints are done: only what was repainted is new,
    // unlike grab(). The update request is sent at once, not left to the window's update timer.
    QImage onScreen(TSynEditor& view) {
        QCoreApplication::processEvents();
        QEvent flush(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(view.window(), &flush);
        return view.window()->screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void measuresTheReaderFont() {
        auto view = makeView(300, 200, "");
        QVERIFY(view);
        // The Song face at 9 pt: 12 px high, "M" 6 px wide, a Chinese character two cells.
        QCOMPARE(view->textHeight(), 12);
        QCOMPARE(view->charWidth(), 6);
        QCOMPARE(view->rowHeight(), 26);
        QCOMPARE(view->textLeft(), 2);
    }

    void startsWithTheCrFormatUntilAFileIsLoaded() {
        TSynEditor view;
        applyReaderDesignValues(view);
        QCOMPARE(view.DocumentFormat(), sffMac);
        view.Lines().LoadFromBytes("a\r\nb");
        QCOMPARE(view.DocumentFormat(), sffDos);
    }

    void drawsOneRuledLinePerRowOfTextAndNoneBelow() {
        auto view = makeView(300, 12 * 26, joinLines({"ab", "cd", "", "ef", "gh"}));
        QVERIFY(view);
        QCOMPARE(view->linesInWindow(), 12);
        QImage image = paint(*view);
        QList<int> ruled = rowsWithColor(image, 250, kSilver);
        QCOMPARE(ruled, (QList<int>{25, 51, 77, 103, 129}));
        // Left of text left (the 2-pixel margin) there is no ruled line.
        QVERIFY(rowsWithColor(image, 1, kSilver).isEmpty());
        // Everything below the fifth row is plain background.
        for (int y = 130; y < image.height(); y += 7) QCOMPARE(image.pixel(150, y), kWhite);
    }

    void drawsARuledLineUnderEveryRowOfAWrappedLine() {
        // 40 cells per row: a line of 50 Chinese characters (100 bytes) wraps into 3 rows.
        auto view = makeView(2 + 40 * 6, 10 * 26, chinese(50) + "\r\nend");
        QVERIFY(view);
        QCOMPARE(view->rowCount(), 4);
        QCOMPARE(rowsWithColor(paint(*view), 2 + 40 * 6 - 1, kSilver).size(), 4);
        view->LineDivider().setVisible(false);
        QVERIFY(rowsWithColor(paint(*view), 2 + 40 * 6 - 1, kSilver).isEmpty());
    }

    void centresTheTextInDoubleSpacedRows() {
        auto view = makeView(300, 200, chinese(10));
        QVERIFY(view);
        view->setCaretXY({1, 2});  // keep the caret's row colours out of the picture
        view->ActiveLine().setVisible(false);
        view->setLineSpacingRule(lsSpecified);
        QCOMPARE(view->rowHeight(), 12);
        int singleInk = firstInkRow(paint(*view), 2, 122, 0, 12, kWhite);
        view->setLineSpacingRule(lsDouble);
        QCOMPARE(view->rowHeight(), 26);
        QImage image = paint(*view);
        int doubleInk = firstInkRow(image, 2, 122, 0, 26, kWhite);
        QVERIFY(singleInk >= 0);
        QCOMPARE(doubleInk, singleInk + 7);
        QCOMPARE(image.pixel(200, 25), kSilver);
        QCOMPARE(image.pixel(200, 24), kWhite);
    }

    void paintsOnlyTheCaretsDisplayRowInTheActiveColours() {
        auto view = makeView(2 + 40 * 6, 10 * 26, chinese(50) + "\r\nend");
        QVERIFY(view);
        view->setCaretXY({45, 1});  // second row of the wrapped line
        QCOMPARE(view->caretRow(), 2);
        view->clearFocus();  // keep the blinking caret out of the picture
        QImage image = paint(*view);
        const int blankX = 2 + 40 * 6 - 1;
        QCOMPARE(image.pixel(blankX, 26 + 3), kActiveBackground);
        QCOMPARE(image.pixel(blankX, 3), kWhite);
        QCOMPARE(image.pixel(blankX, 52 + 3), kWhite);
        // The text of the active row is drawn in the active-line colour, the others in window text.
        QCOMPARE(darkestPixel(image, QRect(2, 26, 120, 25)), QColor(128, 111, 28));
        QCOMPARE(darkestPixel(image, QRect(2, 0, 120, 25)), QColor(0, 0, 0));
        view->setColor(static_cast<TColor>(0x00CCFFCC));
        image = paint(*view);
        QCOMPARE(image.pixel(blankX, 3), qRgb(0xCC, 0xFF, 0xCC));
        QCOMPARE(image.pixel(blankX, 26 + 3), kActiveBackground);
    }

    void aCharacterCutByTheLeftBorderOfThePaintIsDrawnWhole() {
        auto view = makeView(300, 4 * 26, chinese(20));
        QVERIFY(view);
        view->clearFocus();
        QImage full = paint(*view);
        // The paint rectangle starts on the trail byte of the second character (column 4).
        const QRect clip(2 + 3 * 6, 0, 120, 26);
        QImage partial(full.size(), QImage::Format_RGB32);
        partial.fill(Qt::magenta);
        view->viewport()->render(&partial, clip.topLeft(), QRegion(clip));
        QCOMPARE(partial.copy(clip), full.copy(clip));
    }

    void textMovesWithTheRuledLinesWhenScrolledByOneRow() {
        std::string text;
        for (int i = 0; i < 30; ++i) text += chinese(i % 7 + 1) + "\r\n";
        auto view = makeView(300, 8 * 26 + 5, text);
        QVERIFY(view);
        view->setCaretXY({1, 30});  // the active row stays out of the first pages
        view->setTopLine(1);
        QImage before = onScreen(*view);
        view->setTopLine(2);
        QCOMPARE(view->topLine(), 2);
        QImage after = onScreen(*view);
        QCOMPARE(after.copy(0, 0, 300, 7 * 26), before.copy(0, 26, 300, 7 * 26));
        // The scrolled picture equals a fresh paint of the same state.
        QCOMPARE(after.copy(0, 0, 300, 8 * 26 + 5), paint(*view).copy(0, 0, 300, 8 * 26 + 5));
    }

    void thumbDragShowsTheTopLineInTheHintAndReleaseHidesIt() {
        // Each line wraps into 3 rows, so rows and lines differ.
        std::string text;
        for (int i = 0; i < 40; ++i) text += chinese(50) + "\r\n";
        auto view = makeView(2 + 40 * 6, 10 * 26, text);
        QVERIFY(view);
        QCOMPARE(view->rowCount(), 120);
        TSynFlatScrollBar* bar = view->flatScrollBar();
        QVERIFY(bar->isEnabled());
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Vertical;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.pageStep = bar->pageStep();
        option.singleStep = bar->singleStep();
        QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
        QPoint grip = thumb.center();
        QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grip);
        QTest::mouseMove(bar, grip + QPoint(0, 60));
        QVERIFY(view->topLine() > 1);
        TSynScrollHint* hint = TSynScrollHint::existing();
        QVERIFY(hint);
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), QString("Top Line: %1").arg(view->rowToLine(view->topLine())));
        QCOMPARE(hint->text(), QString("Top Line: %1").arg((view->topLine() - 1) / 3 + 1));
        QPoint viewTopRight = view->viewport()->mapToGlobal(QPoint(view->viewport()->width() - 4, 10));
        QCOMPARE(hint->geometry().right() + 1, viewTopRight.x());
        QCOMPARE(hint->geometry().top(), viewTopRight.y());
        QCOMPARE(hint->color(), TColor(15724527));
        QCOMPARE(hint->grab().toImage().pixelColor(1, 1), QColor(0xEF, 0xEF, 0xEF));
        QVERIFY(hint->height() < 2 * QFontMetrics(hint->hintFont()).lineSpacing());  // one line
        QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, grip + QPoint(0, 60));
        QVERIFY(!hint->isVisible());
    }

    void aShortTextDisablesTheScrollBar() {
        auto view = makeView(300, 10 * 26, joinLines({"a", "b"}));
        QVERIFY(view);
        QVERIFY(!view->flatScrollBar()->isEnabled());
        QVERIFY(!view->flatScrollBar()->arrowsEnabled());
        QVERIFY(!view->horizontalScrollBar()->isVisible());
    }

    void loadingResetsCaretAndTopLine() {
        std::string text;
        for (int i = 0; i < 100; ++i) text += "line\r\n";
        auto view = makeView(300, 10 * 26, text);
        QVERIFY(view);
        view->setCaretXY({3, 80});
        QVERIFY(view->topLine() > 1);
        int cleared = 0;
        connect(view.get(), &TSynEditor::linesCleared, this, [&cleared] { ++cleared; });
        view->Lines().LoadFromBytes(text);
        QCOMPARE(view->caretXY(), (TBufferCoord{1, 1}));
        QCOMPARE(view->topLine(), 1);
        QCOMPARE(cleared, 1);
    }

    void clickPlacesTheCaretAtTheNearestBoundaryAndDragSelects() {
        auto view = makeView(300, 10 * 26, joinLines({"abcdefgh", "ijkl"}));
        QVERIFY(view);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2 + 2 * 6 + 4, 5));
        QCOMPARE(view->caretXY(), (TBufferCoord{4, 1}));
        QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2 + 1 * 6, 5));
        QTest::mouseMove(view->viewport(), QPoint(2 + 2 * 6 + 1, 26 + 5));
        QCOMPARE(view->selectedText(), std::string("bcdefgh\r\nij"));
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2 + 2 * 6 + 1, 26 + 5));
        QSignalSpy dbl(view.get(), &TSynEditor::dblClicked);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 5));
        QCOMPARE(dbl.count(), 1);
    }

    void shrinkingReWrapsAndSingleSpacingReClampsTheTopLine() {
        std::string text;
        for (int i = 0; i < 20; ++i) text += chinese(30) + "\r\n";
        auto view = makeView(2 + 60 * 6, 10 * 26, text);
        QVERIFY(view);
        QCOMPARE(view->rowCount(), 20);
        view->resize(2 + 30 * 6 + TSynFlatScrollBar::kThickness, 10 * 26);
        QCOMPARE(view->rowCount(), 40);
        view->setTopLine(1000);
        QCOMPARE(view->topLine(), 40 - 10 + 1);
        view->setLineSpacingRule(lsSpecified);
        QCOMPARE(view->linesInWindow(), 10 * 26 / 12);
        QCOMPARE(view->topLine(), 40 - view->linesInWindow() + 1);
    }

    void wheelNotchesScrollByTheSystemLineCount() {
        std::string text;
        for (int i = 0; i < 60; ++i) text += "line\r\n";
        auto view = makeView(300, 10 * 26, text);
        QVERIFY(view);
        auto wheel = [&view](int delta) {
            QPointF at(50, 50);
            QWheelEvent event(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view->viewport(), &event);
        };
        wheel(-60);
        QCOMPARE(view->topLine(), 1);  // half a notch waits for the other half
        wheel(-60);
        QCOMPARE(view->topLine(), 1 + QApplication::wheelScrollLines());
        wheel(240);
        QCOMPARE(view->topLine(), 1);
    }

    void downKeyKeepsTheColumnButNeverStopsInsideACharacter() {
        // 40 cells: the first row holds "a" and 19 characters (39 bytes), the second starts on a lead byte.
        auto view = makeView(2 + 40 * 6, 10 * 26, "a" + chinese(50));
        QVERIFY(view);
        view->setCaretXY({2, 1});
        QTest::keyClick(view.get(), Qt::Key_Down);
        QCOMPARE(view->caretXY(), (TBufferCoord{40, 1}));
        QCOMPARE(view->caretRow(), 2);
        QTest::keyClick(view.get(), Qt::Key_Right);
        QCOMPARE(view->caretXY(), (TBufferCoord{42, 1}));
        QTest::keyClick(view.get(), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(view->selectedText(), chinese(1));
    }

    void theCaretLeavesNoTrailWhenItMovesOrScrolls() {
        // Rows of blanks only where the view looks: every dark pixel on screen belongs to a caret.
        std::string text;
        for (int i = 0; i < 12; ++i) text += std::string(30, ' ') + "\r\n";
        text += "end";  // trailing blank lines would be dropped
        auto view = makeView(300, 5 * 26, text);
        QVERIFY(view);
        view->activateWindow();
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
        const QRect viewArea(0, 0, 300, 5 * 26);
        const int oneCaret = 2 * (view->textHeight() - 2);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2 + 6 * 6, 5));
        QCOMPARE(darkPixels(onScreen(*view), viewArea), oneCaret);
        const auto caretNow = [&view] { return view->inputMethodQuery(Qt::ImCursorRectangle).toRect(); };
        // Moves within the row repaint the old caret's place, not only the new one.
        for (int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_End, Qt::Key_Home}) {
            const QRect old = caretNow();
            PaintedRegion painted(view->viewport());
            QTest::keyClick(view.get(), Qt::Key(key));
            QCOMPARE(darkPixels(onScreen(*view), viewArea), oneCaret);
            QVERIFY((QRegion(old) - painted.region).isEmpty());
        }
        // Moves that scroll the view carry the old caret's pixels along with the text.
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(view.get(), Qt::Key_Down);
            QCOMPARE(darkPixels(onScreen(*view), viewArea), oneCaret);
        }
        QVERIFY(view->topLine() > 1);
        QTest::keyClick(view.get(), Qt::Key_Down, Qt::ControlModifier);  // scrolls without moving the caret
        QCOMPARE(darkPixels(onScreen(*view), viewArea), oneCaret);
    }

    void imeCursorRectangleFollowsTheCaret() {
        auto view = makeView(300, 10 * 26, joinLines({"abcdefgh", "ijkl"}));
        QVERIFY(view);
        view->setCaretXY({3, 2});
        QRect r = view->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QCOMPARE(r, QRect(2 + 2 * 6 - 1, 26 + 7 + 1, 2, 10));
        QCOMPARE(view->inputMethodQuery(Qt::ImFont).value<QFont>().pixelSize(), 12);
    }
};

QTEST_MAIN(SynEditorTest)
#include "syn_editor_test.moc"
