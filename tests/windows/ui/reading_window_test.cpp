// The reading window copies the main window's text, face, colour, size, background, ruled lines
// and notes, nothing else, and gives nothing back; its editing actions follow the focused control.

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QtTest>

#include "app/ui/main_window.h"
#include "controls/ui/plain_memo.h"
#include "controls/ui/sui_check_box.h"
#include "controls/ui/sui_panel.h"
#include "controls/ui/sui_radio_button.h"
#include "skin/ui/frame_rect_qt.h"
#include "skin/ui/screen_areas.h"
#include "skin/ui/skin_popup_menu.h"
#include "skin/ui/skin_system_menu.h"
#include "skin/ui/window_states.h"
#include "support/main_window_fixture.h"
#include "support/veyrin_test_main.h"
#include "textview/ui/syn_editor.h"
#include "windows/ui/reading_window.h"

using namespace veyrin;
using namespace veyrin::testing;

namespace {

// A press on the caption and one move of the pointer by `delta` with the button held.
void dragCaptionBy(FrameHost& window, QPoint delta) {
    const QPoint grab(window.width() / 2, 15);
    QTest::mousePress(&window, Qt::LeftButton, {}, grab);
    const QPoint global = window.mapToGlobal(grab) + delta;
    QMouseEvent move(QEvent::MouseMove, window.mapFromGlobal(global), global, Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &move);
    QTest::mouseRelease(&window, Qt::LeftButton, {}, window.mapFromGlobal(global));
}

void focusAndWait(TForm3& window, QWidget* target) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    window.updateActions();
}

}  // namespace

class ReadingWindowTest : public QObject {
    Q_OBJECT
private slots:
    void copiesFaceSizeColoursAndRuledLinesButNotStyleOrSpacing() {
        MainWindowFixture f;
        TSynEditor& view = *f.form->memo3;
        view.setFontStyle(TSynFontStyle{true, false, false, false});
        view.setFontSize(14);
        view.setFontColor(0x0000FF);
        view.setColor(0x00FFFF);
        f.form->n33->setChecked(true);
        f.form->n44->setChecked(false);
        f.form->n22->setChecked(false);
        f.form->Memo1->setPlainText(QStringLiteral("first note"));
        f.form->Memo2->setPlainText(QStringLiteral("second note"));

        TForm3 reading(f.form->readingSnapshot());
        QCOMPARE(reading.memo3->Lines().GetTextStr(), view.Lines().GetTextStr());
        QCOMPARE(reading.memo3->fontName(), view.fontName());
        QCOMPARE(reading.memo3->fontSize(), 14);
        QCOMPARE(reading.memo3->fontColor(), 0x0000FF);
        QCOMPARE(reading.memo3->color(), 0x00FFFF);
        QVERIFY(!reading.memo3->fontStyle().bold);
        QVERIFY(reading.memo3->lineSpacingRule() == TLineSpacingRule::lsDouble);
        QVERIFY(!reading.memo3->LineDivider().Visible());
        QCOMPARE(reading.Memo1->toPlainText(), QStringLiteral("first note"));
        QCOMPARE(reading.Memo2->toPlainText(), QStringLiteral("second note"));
        QVERIFY(!reading.Memo1->isHidden() && !reading.Memo2->isHidden());
        QCOMPARE(reading.caption(), QString::fromUtf8("Veyrin阅读"));
    }

    void nothingComesBack() {
        MainWindowFixture f;
        std::string before = f.form->memo3->Lines().GetTextStr();
        {
            TForm3 reading(f.form->readingSnapshot());
            reading.memo3->Lines().Add("typed in the reading window");
            reading.Memo1->setPlainText(QStringLiteral("changed"));
        }
        QCOMPARE(f.form->memo3->Lines().GetTextStr(), before);
        QVERIFY(f.form->Memo1->toPlainText().isEmpty());
        TForm3 again(f.form->readingSnapshot());
        QCOMPARE(again.memo3->Lines().GetTextStr(), before);
    }

    void actionsFollowTheFocusedPlainBox() {
        MainWindowFixture f;
        TForm3 reading(f.form->readingSnapshot());
        reading.Memo2->setPlainText(QStringLiteral("abc def"));
        focusAndWait(reading, reading.Memo2);
        QVERIFY(!reading.EditCut1->isEnabled());
        QVERIFY(reading.EditSelectAll1->isEnabled());
        reading.Memo2->selectAll();
        reading.updateActions();
        QVERIFY(reading.EditCut1->isEnabled());
        QVERIFY(reading.EditDelete1->isEnabled());
        QTest::keyClick(reading.Memo2, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(reading.Memo2->toPlainText().isEmpty());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("abc def"));

        QApplication::clipboard()->clear();
        focusAndWait(reading, reading.Memo1);
        QVERIFY(!reading.EditPaste1->isEnabled());
        QVERIFY(!reading.EditSelectAll1->isEnabled());
    }

    void actionsFollowTheFocusedTextView() {
        MainWindowFixture f;
        TForm3 reading(f.form->readingSnapshot());
        focusAndWait(reading, reading.memo3);
        QVERIFY(!reading.memo3->hasSelection());
        QVERIFY(!reading.EditCut1->isEnabled());
        QVERIFY(reading.EditDelete1->isEnabled());
        QVERIFY(reading.EditSelectAll1->isEnabled());
        reading.memo3->selectAll();
        reading.updateActions();
        QVERIFY(reading.EditCut1->isEnabled());
        reading.EditCut1->trigger();
        QVERIFY(reading.memo3->Lines().GetTextStr().empty());
    }

    void noTextControlFocusedDisablesEverything() {
        MainWindowFixture f;
        TForm3 reading(f.form->readingSnapshot());
        reading.updateActions();
        for (QAction* action : {reading.EditCut1, reading.EditCopy1, reading.EditPaste1, reading.EditSelectAll1,
                                reading.EditUndo1, reading.EditDelete1})
            QVERIFY(!action->isEnabled());
    }

    void notesFillThePanelBelowItsTitleStrip() {
        MainWindowFixture f;
        TForm3 reading(f.form->readingSnapshot());
        reading.show();
        QVERIFY(QTest::qWaitForWindowExposed(&reading));
        const QRect panel = reading.suiPanel1->rect();
        QCOMPARE(panel.height(), 145);
        // 24 below the top (MacOS strip of 21 and 3), 4 in from the sides and the bottom.
        QCOMPARE(reading.Memo1->geometry(), QRect(4, 24, 373, 145 - 24 - 4));
        QCOMPARE(reading.Memo2->geometry(), QRect(4 + 373, 24, panel.width() - 4 - 4 - 373, 145 - 24 - 4));
    }

    void panelFoldsAndTheViewGrows() {
        MainWindowFixture f;
        TForm3 reading(f.form->readingSnapshot());
        reading.resize(900, 700);
        reading.show();
        QVERIFY(QTest::qWaitForWindowExposed(&reading));
        int viewHeight = reading.memo3->height();
        int panelHeight = reading.suiPanel1->height();
        reading.suiPanel1->collapse();
        QTRY_VERIFY(reading.suiPanel1->height() < panelHeight);
        QTRY_COMPARE(reading.memo3->height(), viewHeight + panelHeight - reading.suiPanel1->height());
        reading.suiPanel1->expand();
        QTRY_COMPARE(reading.suiPanel1->height(), panelHeight);
        QTRY_COMPARE(reading.memo3->height(), viewHeight);
    }

    // Maximised by the frame's own states, not by geometry alone: a caption drag leaves it in
    // place, the border has no resize zone, and the system menu's restore brings the designed size.
    void opensMaximisedByItsFrame() {
        MainWindowFixture f;
        TForm3 reading(f.form->readingSnapshot());
        const QSize designed = reading.size();
        TbsWindowState state = TbsWindowState::wsNormal;
        QRect shown, afterDrag, restored;
        FrameHit rightBorder = FrameHit::Right;
        QStringList menu;
        QTimer::singleShot(0, &reading, [&] {
            state = reading.windowStates()->model().state();
            shown = reading.geometry();
            rightBorder = reading.hitTest(QPoint(reading.width() - 1, reading.height() / 2));
            dragCaptionBy(reading, QPoint(150, 100));
            afterDrag = reading.geometry();
            auto* systemMenu = reading.findChild<SkinSystemMenu*>();
            for (const TbsMenuItem& item : systemMenu->currentItems()) menu << QString::fromStdString(item.caption);
            systemMenu->runCommand(MenuCommand::Restore);
            restored = reading.geometry();
            reading.close();
        });
        reading.open();
        QVERIFY(state == TbsWindowState::wsMaximized);
        QCOMPARE(shown, toQRect(maximiseRect(frameScreenOf(&reading), false)));
        QVERIFY(rightBorder != FrameHit::Right);
        QCOMPARE(afterDrag, shown);
        QCOMPARE(menu, (QStringList{QString::fromUtf8("还原(&R)"), QStringLiteral("-"), QString::fromUtf8("关闭(&C)")}));
        QCOMPARE(restored.size(), designed);
    }
};

VEYRIN_TEST_MAIN(ReadingWindowTest)
#include "reading_window_test.moc"
