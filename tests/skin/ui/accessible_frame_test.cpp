#include <QAccessible>
#include <QtTest>

#include "support/skinned_host.h"

#include "skin/model/skin_data.h"
#include "skin/ui/business_skin_form.h"
#include "skin/ui/frame_host.h"
#include "skin/ui/skin_menu.h"
#include "skin/ui/skin_popup_menu.h"
#include "skin/ui/skin_popup_window.h"
#include "skin/ui/skin_system_menu.h"
#include "support/accessible_events.h"
#include "support/veyrin_test_main.h"

using namespace veyrin;
using namespace veyrin::test;

namespace {

const TbsBorderIcons& kMainIcons = test::kMainWindowIcons;
using test::CountingHost;

QAccessibleInterface* childNamed(QAccessibleInterface* parent, const QString& name) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child != nullptr && child->text(QAccessible::Name) == name) return child;
    }
    return nullptr;
}

}  // namespace

class AccessibleFrameTest : public QObject {
    Q_OBJECT

private slots:
    // The painted caption buttons are children of the window, named by their hints, placed where
    // they are drawn, and pressing one runs its command.
    void captionButtonsAreNamedPressableChildren() {
        CountingHost host;
        host.useStoredSkin(kMainIcons);
        host.setClientSize(538, 661);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&host);
        QVERIFY(window);
        QAccessibleInterface* close = childNamed(window, QStringLiteral("关闭"));
        QVERIFY(close);
        QCOMPARE(close->role(), QAccessible::Button);
        QCOMPARE(close->parent(), window);
        QCOMPARE(window->child(window->indexOfChild(close)), close);
        const QRect drawn = host.skinForm().findObject(TbsStdCommand::cmClose)->objectRect();
        QCOMPARE(close->rect(), QRect(host.mapToGlobal(drawn.topLeft()), drawn.size()));
        QCOMPARE(window->childAt(close->rect().center().x(), close->rect().center().y()), close);

        QAccessibleInterface* maximize = childNamed(window, QStringLiteral("最大化"));
        QVERIFY(maximize);
        QVERIFY(maximize->state().disabled);
        QVERIFY(maximize->actionInterface()->actionNames().isEmpty());

        close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(host.closeRequests, 1);
    }

    // The open system menu is a popup menu of named items; the arrow keys move the focus item by
    // item and a reader's press runs the item as a click does.
    void skinnedMenuItemsAreReadAndPressed() {
        startRecordingAccessibleEvents();
        QWidget window;
        window.resize(300, 200);
        auto* system = new SkinSystemMenu(&window);
        auto* own = new TbsSkinPopupMenu(&window);
        own->setItems({TbsMenuItem::separator()});
        system->setSystemMenu(own);
        window.show();
        SystemMenuFrameState frame;
        frame.biMinimize = frame.biRollUp = true;
        system->setStateProvider([&frame] { return frame; });
        std::vector<MenuCommand> ran;
        system->setCommandRunner([&ran](MenuCommand c) { ran.push_back(c); });

        QVERIFY(system->openAt(window.mapToGlobal(QPoint(20, 10))));
        TbsSkinPopupWindow* level = system->engine().level(0);
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(level);
        QVERIFY(menu);
        QCOMPARE(menu->role(), QAccessible::PopupMenu);
        QCOMPARE(menu->childCount(), static_cast<int>(level->items().size()));
        QAccessibleInterface* rollUp = childNamed(menu, QStringLiteral("向上卷拢(l)"));
        QVERIFY(rollUp);
        QCOMPARE(rollUp->role(), QAccessible::MenuItem);
        QCOMPARE(rollUp->parent(), menu);
        QCOMPARE(menu->child(menu->indexOfChild(rollUp)), rollUp);
        int separators = 0;
        for (int i = 0; i < menu->childCount(); ++i) separators += menu->child(i)->role() == QAccessible::Separator;
        QVERIFY(separators >= 1);

        recordedAccessibleEvents().clear();
        QTest::keyClick(level, Qt::Key_Down);
        QVERIFY(level->highlighted() >= 0);
        const auto focus = accessibleEventsOf(nullptr, QAccessible::Focus);
        QCOMPARE(focus.size(), 1);
        QCOMPARE(focus.first().name, menu->child(level->highlighted())->text(QAccessible::Name));
        QVERIFY(menu->focusChild()->state().focused);

        rollUp->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(ran.size(), std::size_t(1));
        QCOMPARE(ran[0], MenuCommand::RollUp);
    }
};

VEYRIN_TEST_MAIN(AccessibleFrameTest)
#include "accessible_frame_test.moc"
