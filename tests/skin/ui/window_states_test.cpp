#include <QtTest>

#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>

#include "skin/ui/business_skin_form.h"
#include "skin/ui/frame_host.h"
#include "skin/ui/tray_icon.h"
#include "skin/ui/window_states.h"

using namespace veyrin;

namespace {

const TbsBorderIcons kMainIcons{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biRollUp,
                                TbsBorderIcon::biMinimizeToTray};

void makeMainWindow(FrameHost& host) {
    host.skinForm().setBorderIcons(kMainIcons);
    host.windowStates()->setMainWindow(true);
}

void showAt(FrameHost& host, QPoint topLeft) {
    host.setClientSize(400, 300);
    host.move(topLeft);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
}

QPoint captionPoint(const FrameHost& host) { return QPoint(40, host.frame().captionRect(host.width()).top + 5); }

}  // namespace

class WindowStatesTest : public QObject {
    Q_OBJECT
private slots:
    void theSkinnedMainWindowRollsUpToItsCaptionStrip() {
        FrameHost host;
        host.useStoredSkin(kMainIcons);
        host.windowStates()->setMainWindow(true);
        QVERIFY(host.skinned());
        showAt(host, QPoint(50, 40));
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        const QRect before = host.geometry();
        const QPoint caption(host.width() / 2, 15);
        QTest::mouseDClick(&host, Qt::LeftButton, {}, caption);
        QTRY_COMPARE(host.height(), 42);  // the frame picture's 128 less its 86-pixel client
        QVERIFY(host.skinForm().state().rollUp);
        QTest::mouseDClick(&host, Qt::LeftButton, {}, caption);
        QTRY_COMPARE(host.geometry(), before);
        QVERIFY(!host.skinForm().state().rollUp);
        // Only the caption answers: a double click on the client area leaves the height alone.
        QTest::mouseDClick(&host, Qt::LeftButton, {}, host.clientRectInWindow().center());
        QCOMPARE(host.geometry(), before);
    }

    void maximiseCoversTheWorkAreaAndRestoresTheBounds() {
        FrameHost host;
        host.skinForm().setBorderIcons({TbsBorderIcon::biMaximize});
        host.setResizable(true);
        showAt(host, QPoint(50, 40));
        const QRect before = host.geometry();
        host.windowStates()->runCommand(TbsStdCommand::cmMaximize);
        // The offscreen screen has no panels: its work area is the whole primary screen.
        QTRY_COMPARE(host.geometry(), host.screen()->geometry().adjusted(1, 1, -1, -1));
        QCOMPARE(host.hitTest(QPoint(0, 0)), FrameHit::Object);  // a maximised frame is not sized
        host.windowStates()->runCommand(TbsStdCommand::cmMaximize);
        QTRY_COMPARE(host.geometry(), before);
    }

    void aRolledUpWindowHasNoResizeZones() {
        FrameHost host;
        host.skinForm().setBorderIcons({TbsBorderIcon::biRollUp});
        host.setResizable(true);
        showAt(host, QPoint(50, 40));
        const QPoint corner(host.width() - 1, 1);
        QCOMPARE(host.hitTest(corner), FrameHit::TopRight);
        host.windowStates()->setRollUp(true);
        QCOMPARE(host.hitTest(QPoint(host.width() - 1, 1)), FrameHit::Object);
    }

    void captionDoubleClickDoesNothingOnAWindowWithoutButtons() {
        FrameHost host;
        host.skinForm().setBorderIcons({});
        host.setResizable(true);
        showAt(host, QPoint(50, 40));
        const QRect before = host.geometry();
        QTest::mouseDClick(&host, Qt::LeftButton, {}, captionPoint(host));
        QTest::qWait(50);
        QCOMPARE(host.geometry(), before);
    }

    void draggingTheCaptionSnapsToTheWorkArea() {
        FrameHost host;
        host.skinForm().Magnetic = true;
        host.skinForm().MagneticSize = kMagneticSize;
        showAt(host, QPoint(100, 100));
        const QRect area = host.screen()->availableGeometry();
        const QPoint grab = captionPoint(host);
        QTest::mousePress(&host, Qt::LeftButton, {}, grab);
        // Moves are relative to where the press happened; the host moves under the pointer.
        auto dragTo = [&](int left) {
            QPoint global(left + grab.x(), 100 + grab.y());
            QMouseEvent move(QEvent::MouseMove, host.mapFromGlobal(global), global, Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(&host, &move);
        };
        dragTo(area.left() + 9);
        QCOMPARE(host.x(), area.left());
        dragTo(area.left() + 10);
        QCOMPARE(host.x(), area.left() + 10);
        QTest::mouseRelease(&host, Qt::LeftButton, {}, host.mapFromGlobal(QCursor::pos()));
    }

    void sizeLoopStopsAtTheMinimumTrackingSize() {
        FrameHost host;
        host.setResizable(true);
        showAt(host, QPoint(100, 100));
        const QPoint corner(host.width() - 1, host.height() - 1);
        QTest::mousePress(&host, Qt::LeftButton, {}, corner);
        QPoint global = host.mapToGlobal(corner) - QPoint(1000, 1000);
        QMouseEvent move(QEvent::MouseMove, host.mapFromGlobal(global), global, Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&host, &move);
        QCOMPARE(host.size(), QSize(120, host.frame().captionHeight() + 6));
        QCOMPARE(host.pos(), QPoint(100, 100));
    }

    void minimiseToTrayWithoutANotificationAreaMinimisesNormally() {
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());  // offscreen has none
        FrameHost host;
        makeMainWindow(host);
        showAt(host, QPoint(50, 40));
        host.windowStates()->runCommand(TbsStdCommand::cmMinimizeToTray);
        QVERIFY(host.isVisible());
        QVERIFY(host.isMinimized());
        QVERIFY(!host.trayIcon()->iconVisible());
        QVERIFY(!host.trayIcon()->minimisedToTray());
    }

    void iconClicksAreToldApartFromDoubleClicks() {
        FrameHost host;
        TbsTrayIcon* icon = host.trayIcon();
        int restored = 0;
        icon->setDoubleClickAction([&] { ++restored; });
        QSignalSpy clicks(icon, &TbsTrayIcon::clicked);
        QSignalSpy doubles(icon, &TbsTrayIcon::doubleClicked);

        icon->handleActivation(QSystemTrayIcon::Trigger);
        icon->handleActivation(QSystemTrayIcon::DoubleClick);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(doubles.count(), 1);
        QCOMPARE(restored, 1);

        icon->handleActivation(QSystemTrayIcon::Trigger);
        QCOMPARE(clicks.count(), 0);
        QTRY_COMPARE(clicks.count(), 1);

        // A D-Bus tray has only activations: two within the double-click time are a double click,
        // and a double click the tray adds to the second one does not restore again.
        icon->handleActivation(QSystemTrayIcon::Trigger);
        icon->handleActivation(QSystemTrayIcon::Trigger);
        QCOMPARE(doubles.count(), 2);
        icon->handleActivation(QSystemTrayIcon::DoubleClick);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(doubles.count(), 2);
        QCOMPARE(restored, 2);

        icon->setEnabled(false);
        icon->handleActivation(QSystemTrayIcon::DoubleClick);
        QCOMPARE(restored, 2);
    }
};

QTEST_MAIN(WindowStatesTest)
#include "window_states_test.moc"
