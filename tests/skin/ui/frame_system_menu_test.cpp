#include <QtTest>

#include "support/skinned_host.h"

#include "skin/model/skin_data.h"
#include "skin/ui/business_skin_form.h"
#include "skin/ui/frame_host.h"
#include "skin/ui/frame_objects.h"
#include "skin/ui/skin_menu.h"
#include "skin/ui/skin_image.h"
#include "skin/ui/skin_popup_menu.h"
#include "skin/ui/skin_popup_window.h"
#include "skin/ui/skin_tray_menu.h"
#include "skin/ui/stored_skin.h"

using namespace veyrin;

namespace {

// A window dressed with the program's stored skin, with the main window's caption buttons.
struct SkinnedWindow {
    TbsCompressedStoredSkin store = makeStoredSkin();
    TbsSkinData skin;
    FrameHost host;

    explicit SkinnedWindow(TbsBorderIcons icons) {
        skin.setCompressedStoredSkin(&store);
        host.skinForm().setBorderIcons(icons);
        host.skinForm().setSkinData(&skin);
        host.setClientSize(300, 200);
        host.show();
    }
    TbsBusinessSkinForm& form() { return host.skinForm(); }
    TbsSkinMenu& engine() { return *TbsSkinMenu::ofWindow(&host); }
    QString caption(int index) {
        return QString::fromStdString(engine().level(0)->items()[static_cast<std::size_t>(index)].caption);
    }
};

using test::kMainWindowIcons;

QPoint centreOf(const QRect& r) { return r.center(); }

}  // namespace

class FrameSystemMenuTest : public QObject {
    Q_OBJECT
private slots:
    void buttonOpensTheMenuUnderItselfAndStaysDownUntilItCloses() {
        SkinnedWindow w(kMainWindowIcons);
        QVERIFY(w.host.skinned());
        TbsSkinStdButtonObject* button = w.form().sysMenuButton();
        QVERIFY(button != nullptr);
        w.host.activateWindow();  // caption buttons take the pointer only in an active window
        QVERIFY(QTest::qWaitForWindowActive(&w.host));
        QRect r = button->objectRect();
        QTest::mouseMove(&w.host, centreOf(r));
        QTest::mousePress(&w.host, Qt::LeftButton, {}, centreOf(r));
        QVERIFY(w.engine().inMenuMode());
        TbsSkinPopupWindow* level = w.engine().level(0);
        // The menu has the pointer now: the release over the button must not choose anything.
        QTest::mouseRelease(level, Qt::LeftButton, {}, level->mapFromGlobal(w.host.mapToGlobal(centreOf(r))));
        QVERIFY(w.engine().inMenuMode());
        QCOMPARE(level->pos(), w.host.mapToGlobal(QPoint(r.left(), r.bottom() + 1)));
        QVERIFY(w.form().sysMenuButtonHeld());
        QCOMPARE(level->items().size(), std::size_t(5));
        QCOMPARE(w.caption(0), QString::fromUtf8("最小化(&n)"));
        QCOMPARE(w.caption(4), QString::fromUtf8("关闭(&C)"));

        // Skinned: 20-pixel items, the 5-pixel divider, the popup picture's margins (88 - 70, 80 - 73).
        QCOMPARE(level->height(), 4 * 20 + 5 + 7);
        QCOMPARE(level->layout().itemRects[0].top, 3);
        QImage picture = level->grab().toImage();
        QRect first = toQRect(level->layout().itemRects[0]);
        QRect second = toQRect(level->layout().itemRects[1]);
        // The highlighted item is drawn from the active look, the others from the normal one.
        QVERIFY(picture.pixelColor(first.left() + 10, first.top() + 3) != picture.pixelColor(second.left() + 10, second.top() + 3));

        QTest::keyClick(level, Qt::Key_Escape);
        QVERIFY(!w.engine().inMenuMode());
        QVERIFY(!w.form().sysMenuButtonHeld());
        // The press ended with the menu: the next button under the pointer lights up.
        const TbsActiveSkinObject* close = w.form().findObject(TbsStdCommand::cmClose);
        w.form().mouseMoveOnFrame(centreOf(close->objectRect()));
        QVERIFY(close->hot());
    }

    void captionRightClickOpensAtTheCursorAndCloseClosesTheWindow() {
        SkinnedWindow w(TbsBorderIcons{});  // the reading and about windows
        QVERIFY(w.form().captionObject() != nullptr);
        QPoint onCaption = centreOf(w.form().captionObject()->objectRect());
        QTest::mousePress(&w.host, Qt::RightButton, {}, onCaption);
        QVERIFY(w.engine().inMenuMode());
        TbsSkinPopupWindow* level = w.engine().level(0);
        QCOMPARE(level->pos(), w.host.mapToGlobal(onCaption));
        QCOMPARE(level->items().size(), std::size_t(2));
        QCOMPARE(w.caption(1), QString::fromUtf8("关闭(&C)"));
        QTest::keyClick(level, Qt::Key_C);
        QTRY_VERIFY(!w.host.isVisible());
    }

    void popupMenusWearTheFramesSkin() {
        SkinnedWindow w(kMainWindowIcons);
        TbsSkinPopupMenu* tray = createSkinTrayMenu(&w.host, {}, {});
        QVERIFY(tray->popup(w.host.mapToGlobal(QPoint(50, 50))));
        QCOMPARE(w.engine().level(0)->height(), 2 * 20 + 5 + 7);  // skinned item heights and margins
        w.engine().closeAll();

        w.form().setSkinData(nullptr);
        QVERIFY(tray->popup(w.host.mapToGlobal(QPoint(50, 50))));
        QCOMPARE(w.engine().level(0)->height(), 2 * 20 + 4 + 4);  // the built-in look
    }

    void restoreUnrollsARolledUpWindow() {
        SkinnedWindow w(kMainWindowIcons);
        int restores = 0;
        w.form().hooks.restore = [&] { ++restores; };
        TbsFrameState rolledUp;
        rolledUp.rollUp = true;
        w.form().setStateRecord(&rolledUp);
        QTest::mousePress(&w.host, Qt::RightButton, {}, centreOf(w.form().captionObject()->objectRect()));
        QVERIFY(w.engine().inMenuMode());
        QCOMPARE(w.caption(1), QString::fromUtf8("还原(&R)"));
        QTest::keyClick(w.engine().level(0), Qt::Key_R);
        QTRY_COMPARE(restores, 1);
    }
};

QTEST_MAIN(FrameSystemMenuTest)
#include "frame_system_menu_test.moc"
