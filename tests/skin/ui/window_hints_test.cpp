// Every window holds a hint component; the program's tool-tips (the main window's author box, the
// reading window's tool bar) show in the hint window, and the look survives reading windows that
// come and go.

#include <QEnterEvent>
#include <QLineEdit>
#include <QToolBar>
#include <QtTest>

#include "app/ui/main_window.h"
#include "skin/ui/skin_hint.h"
#include "skin/ui/skin_hint_window.h"
#include "skin/ui/skin_window_components.h"
#include "skin/ui/skin_tool_tips.h"
#include "support/main_window_fixture.h"
#include "support/veyrin_test_main.h"
#include "windows/ui/reading_window.h"

using namespace veyrin;
using namespace veyrin::testing;

namespace {

// Moves the mouse into `widget` and waits for its hint.
QString hintShownFor(QWidget* widget) {
    QCursor::setPos(widget->mapToGlobal(QPoint(3, 3)));
    QEnterEvent event(QPointF(3, 3), widget->mapTo(widget->window(), QPointF(3, 3)), widget->mapToGlobal(QPointF(3, 3)));
    QCoreApplication::sendEvent(widget, &event);
    TbsSkinHintWindow& hint = SkinToolTips::instance()->hintWindow();
    if (!QTest::qWaitFor([&] { return hint.isVisible(); }, 2000)) return QString();
    return hint.text();
}

}  // namespace

class WindowHintsTest : public QObject {
    Q_OBJECT
private slots:
    void toolTipsOfTheWindowsShowInTheHintWindow() {
        QCursor::setPos(QPoint(0, 0));
        MainWindowFixture f;
        QCOMPARE(TbsSkinHint::applicationHint(), f.form->skinComponents().hint);
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        QCOMPARE(hintShownFor(f.form->Edit4), QString::fromUtf8("查找词谱"));
        QVERIFY(SkinToolTips::instance()->hintWindow().height() <
                2 * QFontMetrics(SkinToolTips::instance()->hintWindow().hintFont()).lineSpacing());

        {
            TForm3 reading(f.form->readingSnapshot());
            QCOMPARE(TbsSkinHint::applicationHint(), reading.skinComponents().hint);
            reading.show();
            QVERIFY(QTest::qWaitForWindowExposed(&reading));
            QCOMPARE(hintShownFor(reading.ToolBar2->widgetForAction(reading.EditCopy1)), QString::fromUtf8("复制"));
        }
        QCOMPARE(TbsSkinHint::applicationHint(), f.form->skinComponents().hint);
    }
};

VEYRIN_TEST_MAIN(WindowHintsTest)
#include "window_hints_test.moc"
