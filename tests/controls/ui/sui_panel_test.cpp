#include <QVBoxLayout>
#include <QtTest>

#include "controls/ui/sui_panel.h"
#include "platform/model/app_error.h"

using namespace veyrin;

namespace {

// Records every height the panel takes.
class HeightLog : public QObject {
public:
    explicit HeightLog(QWidget* watched) { watched->installEventFilter(this); }
    QList<int> heights;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) heights << static_cast<QResizeEvent*>(event)->size().height();
        return false;
    }
};

// The reading window's notes panel above a view that fills the rest.
struct ReadingWindow {
    QWidget window;
    TsuiPanel* panel = new TsuiPanel(&window);
    QWidget* view = new QWidget(&window);
    QWidget* memo1 = new QWidget(panel);
    QWidget* memo2 = new QWidget(panel);
    QSignalSpy pushes{panel, &TsuiPanel::pushed};
    QSignalSpy pops{panel, &TsuiPanel::popped};

    ReadingWindow() {
        auto* column = new QVBoxLayout(&window);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        column->addWidget(panel);
        column->addWidget(view, 1);
        panel->setAlign(TAlign::alTop);
        panel->setUIStyle(TsuiUIStyle::MacOS);
        panel->setBorderColor(0x7F7F7F);
        panel->setPanelHeight(145);
        auto* notes = new QHBoxLayout(panel);
        notes->setContentsMargins(0, 0, 0, 0);
        notes->setSpacing(0);
        memo1->setFixedWidth(373);
        notes->addWidget(memo1);
        notes->addWidget(memo2, 1);
        window.resize(817, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QPoint foldButtonCentre() const { return QPoint(panel->width() - 1 - 13 - 4 + 6, 4 + 6); }
};

}  // namespace

class SuiPanelTest : public QObject {
    Q_OBJECT
private slots:
    void foldsAndUnfoldsInFifteenPixelSteps() {
        ReadingWindow w;
        QCOMPARE(w.panel->height(), 145);
        QCOMPARE(w.panel->stripHeight(), 21);
        HeightLog log(w.panel);
        w.panel->collapse();
        QCOMPARE(log.heights, (QList<int>{130, 115, 100, 85, 70, 55, 40, 25, 21}));
        QCOMPARE(w.pushes.count(), 1);
        QCOMPARE(w.pops.count(), 0);
        QVERIFY(!w.panel->isExpanded());
        QCOMPARE(w.panel->panelHeight(), 145);
        log.heights.clear();
        w.panel->expand();
        QCOMPARE(log.heights, (QList<int>{36, 51, 66, 81, 96, 111, 126, 141, 145}));
        QCOMPARE(w.pops.count(), 1);
        QCOMPARE(w.pushes.count(), 1);
        QVERIFY(w.panel->isExpanded());
    }

    void viewBelowTakesTheFoldedSpace() {
        ReadingWindow w;
        QTRY_COMPARE(w.view->height(), 600 - 145);
        w.panel->collapse();
        QTRY_COMPARE(w.view->height(), 600 - 145 + 124);
        w.panel->expand();
        QTRY_COMPARE(w.view->height(), 600 - 145);
    }

    void childrenLieInTheContentRectangle() {
        ReadingWindow w;
        QTRY_COMPARE(w.memo1->geometry(), QRect(4, 24, 373, 145 - 24 - 4));
        QCOMPARE(w.memo2->geometry(), QRect(4 + 373, 24, 817 - 4 - 4 - 373, 145 - 24 - 4));
    }

    void foldButtonLightsUnderTheMouseAndFolds() {
        ReadingWindow w;
        QTest::mouseMove(w.panel, w.foldButtonCentre());
        QTRY_VERIFY(w.panel->isButtonHot());
        QTest::mouseMove(w.panel, QPoint(100, 10));
        QTRY_VERIFY(!w.panel->isButtonHot());
        QTest::mouseMove(w.panel, w.foldButtonCentre());
        QTRY_VERIFY(w.panel->isButtonHot());
        QTest::mouseClick(w.panel, Qt::LeftButton, {}, w.foldButtonCentre());
        QCOMPARE(w.panel->height(), 21);
        QCOMPARE(w.pushes.count(), 1);
        QTest::mouseClick(w.panel, Qt::RightButton, {}, w.foldButtonCentre());
        QCOMPARE(w.panel->height(), 21);
        QTest::mouseClick(w.panel, Qt::LeftButton, {}, w.foldButtonCentre());
        QCOMPARE(w.panel->height(), 145);
        QCOMPARE(w.pops.count(), 1);
    }

    void hiddenButtonDoesNothing() {
        ReadingWindow w;
        w.panel->setShowButton(false);
        QTest::mouseMove(w.panel, w.foldButtonCentre());
        QTest::mouseClick(w.panel, Qt::LeftButton, {}, w.foldButtonCentre());
        QVERIFY(!w.panel->isButtonHot());
        QCOMPARE(w.panel->height(), 145);
        QCOMPARE(w.pushes.count(), 0);
    }

    void sideAlignedPanelRefusesToFold() {
        for (TAlign align : {TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
            TsuiPanel panel;
            panel.setAlign(align);
            QSignalSpy pushes(&panel, &TsuiPanel::pushed);
            try {
                panel.collapse();
                QFAIL("collapse did not fail");
            } catch (const AppError& error) {
                QCOMPARE(QString::fromLatin1(error.what()),
                         QStringLiteral("Can't push when Align is alClient, alLeft or alRight."));
            }
            QVERIFY(panel.isExpanded());
            QCOMPARE(pushes.count(), 0);
        }
    }

    void styleResetsColoursAndStrip() {
        TsuiPanel panel;
        QCOMPARE(panel.stripHeight(), 20);  // DeepBlue until told otherwise
        panel.setUIStyle(TsuiUIStyle::MacOS);
        QCOMPARE(panel.captionFontColor(), clBlack);
        QCOMPARE(panel.borderColor(), TColor(0x7F7F7F));
        panel.setUIStyle(TsuiUIStyle::WinXP);
        QCOMPARE(panel.captionFontColor(), TColor(0x000000));
        QCOMPARE(panel.borderColor(), TColor(0x686868));
        panel.setUIStyle(TsuiUIStyle::BlueGlass);
        QCOMPARE(panel.captionFontColor(), clWhite);
        QCOMPARE(panel.contentsMargins(), QMargins(4, 24, 4, 4));
    }
};

QTEST_MAIN(SuiPanelTest)
#include "sui_panel_test.moc"
