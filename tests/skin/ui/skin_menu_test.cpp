#include <QtTest>

#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

#include "skin/ui/skin_menu.h"
#include "skin/ui/skin_popup_menu.h"
#include "skin/ui/skin_popup_window.h"
#include "skin/ui/skin_system_menu.h"
#include "skin/ui/skin_tray_menu.h"

using namespace veyrin;

namespace {

// A window with an edit box and the system menu every window of the program has: its own menu
// holding one separator, the default items added at each opening.
struct MenuWindow {
    QWidget window;
    QLineEdit* edit;
    SkinSystemMenu* system;
    TbsSkinPopupMenu* own;

    MenuWindow() {
        window.resize(300, 200);
        edit = new QLineEdit(&window);
        system = new SkinSystemMenu(&window);
        own = new TbsSkinPopupMenu(&window);
        own->setItems({TbsMenuItem::separator()});
        system->setSystemMenu(own);
        window.show();
    }
    TbsSkinMenu& engine() { return system->engine(); }
    TbsSkinPopupWindow* level(int depth) { return engine().level(depth); }
};

QString captionAt(TbsSkinPopupWindow* level, int index) {
    return QString::fromStdString(level->items()[static_cast<std::size_t>(index)].caption);
}

TbsMenuItem item(const char* caption) {
    TbsMenuItem i;
    i.caption = caption;
    return i;
}

QPoint centreOf(TbsSkinPopupWindow* level, int index) { return level->mapFromGlobal(level->itemScreenRect(index).center()); }

}  // namespace

class SkinMenuTest : public QObject {
    Q_OBJECT
private slots:
    void systemMenuOpensUnderTheButtonWithTheFrameState() {
        MenuWindow w;
        SystemMenuFrameState state;
        state.biMinimize = state.biRollUp = state.biMinimizeToTray = true;
        w.system->setStateProvider([&state] { return state; });

        const QRect button(w.window.mapToGlobal(QPoint(7, 5)), QSize(23, 24));
        QVERIFY(w.system->openUnder(button, 0));
        QVERIFY(w.engine().inMenuMode());
        TbsSkinPopupWindow* level = w.level(0);
        QCOMPARE(level->pos(), QPoint(button.left(), button.bottom() + 1));
        QCOMPARE(level->items().size(), std::size_t(5));
        QCOMPARE(captionAt(level, 1), QString::fromUtf8("向上卷拢(&l)"));
        QCOMPARE(level->highlighted(), 0);

        // Reopened rolled up: restore replaces roll-up, no item doubles.
        state.rolledUp = true;
        QVERIFY(w.system->openAt(w.window.mapToGlobal(QPoint(60, 10))));
        QCOMPARE(w.engine().levelCount(), 1);
        QCOMPARE(w.level(0)->items().size(), std::size_t(5));
        QCOMPARE(captionAt(w.level(0), 1), QString::fromUtf8("还原(&R)"));
    }

    void keyboardMovesRunsAndCloses() {
        MenuWindow w;
        std::vector<MenuCommand> ran;
        w.system->setCommandRunner([&ran](MenuCommand c) { ran.push_back(c); });
        SystemMenuFrameState state;
        state.biMinimize = state.biRollUp = true;
        w.system->setStateProvider([&state] { return state; });
        QSignalSpy closed(w.system, &SkinSystemMenu::closed);

        QVERIFY(w.system->openAt(w.window.mapToGlobal(QPoint(20, 10))));
        TbsSkinPopupWindow* level = w.level(0);
        QTest::keyClick(level, Qt::Key_Down);
        QCOMPARE(level->highlighted(), 1);
        QTest::keyClick(level, Qt::Key_Down);  // skips the separator
        QCOMPARE(level->highlighted(), 3);
        QTest::keyClick(level, Qt::Key_Up);
        QCOMPARE(level->highlighted(), 1);
        QTest::keyClick(level, Qt::Key_Escape);
        QVERIFY(!w.engine().inMenuMode());
        QCOMPARE(closed.count(), 1);
        QVERIFY(ran.empty());
        // No popup keeps the pointer and keyboard once menu mode has ended.
        QCOMPARE(QApplication::activePopupWidget(), nullptr);

        QVERIFY(w.system->openAt(w.window.mapToGlobal(QPoint(20, 10))));
        QTest::keyClick(w.level(0), Qt::Key_L);  // the roll-up item's accelerator
        QVERIFY(!w.engine().inMenuMode());
        QTRY_COMPARE(ran.size(), std::size_t(1));
        QCOMPARE(ran[0], MenuCommand::RollUp);

        QVERIFY(w.system->openAt(w.window.mapToGlobal(QPoint(20, 10))));
        QTest::keyClick(w.level(0), Qt::Key_Return);
        QTRY_COMPARE(ran.size(), std::size_t(2));
        QCOMPARE(ran[1], MenuCommand::Minimize);
    }

    void choosingCloseWithTheMouseClosesTheWindow() {
        MenuWindow w;
        QVERIFY(w.system->openAt(w.window.mapToGlobal(QPoint(40, 10))));
        TbsSkinPopupWindow* level = w.level(0);
        QCOMPARE(captionAt(level, 1), QString::fromUtf8("关闭(&C)"));
        QCOMPARE(level->highlighted(), 1);  // the separator cannot take the highlight
        QTest::mouseMove(level, centreOf(level, 1));
        QTest::mouseClick(level, Qt::LeftButton, {}, centreOf(level, 1));
        QVERIFY(!w.engine().inMenuMode());
        QTRY_VERIFY(!w.window.isVisible());
    }

    void aClickOutsideClosesEveryLevel() {
        MenuWindow w;
        TbsMenuItem parent = item("&More");
        parent.items = {item("&Inner"), item("&Other")};
        w.own->setItems({parent, TbsMenuItem::separator()});
        QVERIFY(w.system->openAt(w.window.mapToGlobal(QPoint(40, 10))));
        QTest::keyClick(w.level(0), Qt::Key_Right);
        QCOMPARE(w.engine().levelCount(), 2);
        TbsSkinPopupWindow* inner = w.level(1);
        QCOMPARE(inner->x(), w.level(0)->itemScreenRect(0).right() + 2);
        QCOMPARE(inner->highlighted(), 0);
        QPoint outside = inner->mapFromGlobal(w.window.mapToGlobal(QPoint(290, 190)));
        QTest::mouseClick(inner, Qt::LeftButton, {}, outside);
        QVERIFY(!w.engine().inMenuMode());
    }

    void submenusOpenAfterTheWaitAndCloseLevelByLevel() {
        MenuWindow w;
        TbsMenuItem parent = item("&More");
        parent.items = {item("&Inner")};
        w.own->setItems({item("&First"), parent});
        QVERIFY(w.system->openAt(w.window.mapToGlobal(QPoint(40, 10))));
        TbsSkinPopupWindow* first = w.level(0);
        QTest::mouseMove(first, centreOf(first, 1));
        QCOMPARE(w.engine().levelCount(), 1);  // not before the wait
        QTRY_COMPARE_WITH_TIMEOUT(w.engine().levelCount(), 2, 2000);

        QTest::keyClick(w.level(1), Qt::Key_Left);
        QCOMPARE(w.engine().levelCount(), 1);
        QTest::keyClick(w.level(0), Qt::Key_Right);
        QCOMPARE(w.engine().levelCount(), 2);
        QTest::keyClick(w.level(1), Qt::Key_Escape);
        QCOMPARE(w.engine().levelCount(), 1);
        QTest::keyClick(w.level(0), Qt::Key_Escape);
        QVERIFY(!w.engine().inMenuMode());
    }

    void trayMenuRestoresAndCloses() {
        MenuWindow w;
        int restores = 0, closes = 0;
        TbsSkinPopupMenu* tray = createSkinTrayMenu(&w.window, [&] { ++restores; }, [&] { ++closes; });
        QSignalSpy popups(tray, &TbsSkinPopupMenu::aboutToPopup);
        QVERIFY(tray->popup(QPoint(500, 700)));
        QCOMPARE(popups.count(), 1);
        QCOMPARE(captionAt(w.level(0), 0), QString::fromUtf8("还原(&R)"));
        QTest::keyClick(w.level(0), Qt::Key_Return);
        QTRY_COMPARE(restores, 1);
        QVERIFY(tray->popup(QPoint(500, 700)));
        QTest::keyClick(w.level(0), Qt::Key_C);
        QTRY_COMPARE(closes, 1);
        QCOMPARE(restores, 1);
    }

    void nearTheScreenBottomTheMenuOpensAboveTheButton() {
        MenuWindow w;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect button(screen.left() + 100, screen.bottom() - 30, 23, 24);
        QVERIFY(w.system->openUnder(button, 0));
        TbsSkinPopupWindow* level = w.level(0);
        QCOMPARE(level->geometry().bottom() + 1, button.top());
        QCOMPARE(level->x(), button.left());
    }

    void aLimitedLevelScrollsToFollowTheHighlight() {
        MenuWindow w;
        w.engine().setMaxMenuItemsInWindow(3);
        std::vector<TbsMenuItem> items;
        for (const char* caption : {"&1", "&2", "&3", "&4", "&5", "&6"}) items.push_back(item(caption));
        QVERIFY(w.engine().popupAt(w.window.mapToGlobal(QPoint(10, 10)), items, {}));
        TbsSkinPopupWindow* level = w.level(0);
        QCOMPARE(level->layout().visibleItems, (std::vector<int>{0, 1, 2}));
        for (int i = 0; i < 4; ++i) QTest::keyClick(level, Qt::Key_Down);
        QCOMPARE(level->highlighted(), 4);
        QCOMPARE(level->layout().visibleItems, (std::vector<int>{2, 3, 4}));
        QTest::keyClick(level, Qt::Key_Down);
        QTest::keyClick(level, Qt::Key_Down);  // wraps to the top
        QCOMPARE(level->layout().visibleItems.front(), 0);
    }

    void aMenuWithoutItemsDoesNotOpen() {
        MenuWindow w;
        QVERIFY(!w.engine().popupAt(QPoint(10, 10), {}, {}));
        QVERIFY(!w.engine().inMenuMode());
    }

    void highlightedItemIsPaintedInTheHighlightColour() {
        MenuWindow w;
        QVERIFY(w.system->openAt(w.window.mapToGlobal(QPoint(40, 10))));
        TbsSkinPopupWindow* level = w.level(0);
        QImage picture = level->grab().toImage();
        QRect close = level->itemScreenRect(1).translated(-level->pos());
        QColor highlighted = picture.pixelColor(close.right() - 3, close.center().y());
        QColor background = picture.pixelColor(level->width() / 2, 1);
        QVERIFY(highlighted != background);
        QTest::keyClick(level, Qt::Key_Up);  // the only selectable item: stays highlighted
        QCOMPARE(level->highlighted(), 1);
    }

    void altF4ClosesTheWindowFromAnyControl() {
        MenuWindow w;
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.edit->setFocus();
        QTest::keyClick(w.edit, Qt::Key_F4, Qt::AltModifier);
        QTRY_VERIFY(!w.window.isVisible());
    }
};

QTEST_MAIN(SkinMenuTest)
#include "skin_menu_test.moc"
