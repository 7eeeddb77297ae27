#include <QtTest>

#include "skin/ui/frame_host.h"

using namespace veyrin;

namespace {

class RefusingHost : public FrameHost {
public:
    int closeRequests = 0;
    bool allow = false;

protected:
    bool formClose() override {
        ++closeRequests;
        return allow;
    }
};

QPoint closeButtonCentre(const FrameHost& host) {
    FrameRect r = host.frame().closeButtonRect(host.width());
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

}  // namespace

class FrameHostTest : public QObject {
    Q_OBJECT
private slots:
    void clientSitsInsideTheFrame() {
        FrameHost host;
        host.setClientSize(538, 661);
        QCOMPARE(host.size(), QSize(544, 686));
        QCOMPARE(host.client()->geometry(), QRect(3, 22, 538, 661));
    }

    void closeButtonAsksTheFormAndARefusalKeepsTheWindow() {
        RefusingHost host;
        host.setClientSize(200, 100);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTest::mouseClick(&host, Qt::LeftButton, {}, closeButtonCentre(host));
        QCOMPARE(host.closeRequests, 1);
        QVERIFY(host.isVisible());
        host.allow = true;
        QTest::mouseClick(&host, Qt::LeftButton, {}, closeButtonCentre(host));
        QCOMPARE(host.closeRequests, 2);
        QVERIFY(!host.isVisible());
    }

    void pressOnCloseAndReleaseElsewhereDoesNotClose() {
        RefusingHost host;
        host.allow = true;
        host.setClientSize(200, 100);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTest::mousePress(&host, Qt::LeftButton, {}, closeButtonCentre(host));
        QTest::mouseRelease(&host, Qt::LeftButton, {}, QPoint(50, 10));
        QCOMPARE(host.closeRequests, 0);
    }

    void draggingTheCaptionMovesTheWindow() {
        FrameHost host;
        host.setClientSize(200, 100);
        host.move(100, 100);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QPoint start = host.pos();
        QTest::mousePress(&host, Qt::LeftButton, {}, QPoint(50, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(80, 30), host.mapToGlobal(QPointF(80, 30)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&host, &move);
        QTest::mouseRelease(&host, Qt::LeftButton, {}, QPoint(80, 30));
        QCOMPARE(host.pos(), start + QPoint(30, 20));
    }

    void modalLoopEndsWhenTheWindowCloses() {
        FrameHost host;
        host.setClientSize(100, 50);
        QTimer::singleShot(50, &host, [&] { host.close(); });
        host.showModal();
        QVERIFY(!host.isVisible());
    }
};

QTEST_MAIN(FrameHostTest)
#include "frame_host_test.moc"
