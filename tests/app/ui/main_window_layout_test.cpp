// The main window's controls at their design positions, its tab order, the user's catalogue
// choice by keyboard, and the double click that opens the reading window.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QAccessible>
#include <QtTest>

#include "anthology/model/author_table.h"
#include "app/ui/main_window.h"
#include "controls/ui/flat_speed_button.h"
#include "controls/ui/flat_spin_edit.h"
#include "controls/ui/plain_memo.h"
#include "controls/ui/sui_button.h"
#include "controls/ui/sui_check_box.h"
#include "controls/ui/sui_combo_box.h"
#include "controls/ui/sui_radio_button.h"
#include "support/main_window_fixture.h"
#include "support/veyrin_test_main.h"
#include "textview/ui/syn_editor.h"
#include "windows/ui/reading_window.h"

using namespace veyrin;
using namespace veyrin::testing;

class MainWindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void controlsSitAtTheirDesignPositions() {
        MainWindowFixture f;
        TForm1& w = *f.form;
        QCOMPARE(w.client()->size(), QSize(538, 661));
        QCOMPARE(w.caption(), QStringLiteral("Veyrin"));
        const std::pair<QWidget*, QRect> expected[] = {
            {w.Panel1, {24, 16, 489, 83}},        {w.Panel2, {8, 8, 25, 97}},
            {w.Panel3, {32, 8, 465, 17}},         {w.Panel4, {488, 8, 41, 97}},
            {w.Panel5, {32, 92, 465, 10}},        {w.FlatSpeedButton58, {32, 105, 49, 54}},
            {w.FlatSpeedButton59, {80, 105, 49, 54}}, {w.FlatSpeedButton9, {136, 104, 49, 54}},
            {w.FlatSpeedButton10, {184, 104, 49, 54}}, {w.FlatSpeedButton11, {232, 104, 49, 54}},
            {w.FlatSpeedButton12, {288, 104, 49, 54}}, {w.FlatSpeedButton13, {336, 104, 49, 54}},
            {w.FlatSpeedButton1, {384, 104, 49, 54}}, {w.FlatSpeedButton2, {440, 104, 49, 54}},
            {w.listbox1, {32, 161, 217, 20}},     {w.memo3, {32, 184, 473, 409}},
            {w.Memo1, {32, 456, 233, 137}},       {w.Memo2, {272, 456, 233, 137}},
            {w.Edit4, {292, 603, 121, 18}},       {w.FlatButton1, {418, 601, 73, 23}},
            {w.Label1, {64, 629, 396, 12}},
        };
        for (const auto& [widget, rect] : expected) {
            QVERIFY2(widget->geometry() == rect, qPrintable(widget->metaObject()->className()));
        }
        QCOMPARE(w.SpinEdit1->pos(), QPoint(256, 161));
        QCOMPARE(w.n22->pos(), QPoint(308, 161));
        QCOMPARE(w.n44->pos(), QPoint(420, 161));
        QCOMPARE(w.n33->pos(), QPoint(28, 602));
        QCOMPARE(w.n38->pos(), QPoint(105, 602));
        QCOMPARE(w.n39->pos(), QPoint(188, 602));
        QVERIFY(w.Button1->isHidden());
        QVERIFY(!w.Label1->isEnabled());
        QCOMPARE(w.Edit4->toolTip(), QString::fromUtf8("查找词谱"));
        QVERIFY(w.n22->caption() == QString::fromUtf8("显示临时文本框"));
    }

    void tabOrderFollowsTheForm() {
        MainWindowFixture f;
        TForm1& w = *f.form;
        w.n22->setChecked(false);
        w.n22->setChecked(true);  // show the note boxes so they take part
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        const QList<QWidget*> expected = {w.memo3, w.listbox1, w.Edit4, w.SpinEdit1, w.FlatButton1, w.n39,
                                          w.n38,   w.n33,      w.n44,   w.Memo1,     w.n22,         w.Memo2};
        auto owner = [&](QWidget* widget) {
            while (widget && !expected.contains(widget)) widget = widget->parentWidget();
            return widget;
        };
        w.memo3->setFocus();
        QTRY_COMPARE(owner(QApplication::focusWidget()), static_cast<QWidget*>(w.memo3));
        // A screen reader walks the same order and names every stop.
        auto spokenName = [] {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
            return iface ? iface->text(QAccessible::Name) : QString();
        };
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(owner(QApplication::focusWidget()) == expected[i], qPrintable(QStringLiteral("step %1").arg(i)));
            QVERIFY2(!spokenName().isEmpty(), qPrintable(QStringLiteral("step %1 has no name").arg(i)));
        }
    }

    void choosingWithTheKeyboardLoadsTheEntry() {
        MainWindowFixture f;
        TForm1& w = *f.form;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        w.listbox1->setFocus();
        QTRY_VERIFY(w.listbox1->hasFocus());
        QTest::keyClick(w.listbox1, Qt::Key_Down);
        QCOMPARE(w.listbox1->itemIndex(), 1);
        QVERIFY(w.memo3->Lines().GetTextStr().find(authorName(1)) != std::string::npos);
    }

    void doubleClickOpensTheReadingWindowWithTheMainState() {
        MainWindowFixture f;
        TForm1& w = *f.form;
        w.memo3->setColor(0x00FFFF);
        w.Memo1->setPlainText(QStringLiteral("note"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        bool seen = false;
        QTimer::singleShot(200, [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* reading = qobject_cast<TForm3*>(top);
                if (!reading || !reading->isVisible()) continue;
                seen = reading->memo3->color() == 0x00FFFF && reading->Memo1->toPlainText() == QStringLiteral("note") &&
                       reading->memo3->Lines().GetTextStr() == w.memo3->Lines().GetTextStr();
                reading->memo3->Lines().Add("typed in the reading window");
                reading->close();
            }
        });
        QTest::mouseDClick(w.memo3->viewport(), Qt::LeftButton, {}, QPoint(40, 5));
        QVERIFY(seen);
        QCOMPARE(w.memo3->Lines().GetTextStr(), std::string("welcome\r\nsecond line"));
    }
};

VEYRIN_TEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
