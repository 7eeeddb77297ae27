#include <QAccessible>
#include <QtTest>

#include "skin/model/skin_data.h"
#include "skin/ui/business_skin_form.h"
#include "skin/ui/frame_host.h"
#include "support/veyrin_test_main.h"

using namespace veyrin;

namespace {

const TbsBorderIcons kMainIcons{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biRollUp,
                                TbsBorderIcon::biMinimizeToTray};

class CountingHost : public FrameHost {
public:
    int closeRequests = 0;

protected:
    bool formClose() override {
        ++closeRequests;
        return true;
    }
};

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
};

VEYRIN_TEST_MAIN(AccessibleFrameTest)
#include "accessible_frame_test.moc"
