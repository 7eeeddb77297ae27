#include <unistd.h>

#include <QtTest>

#include "app/ui/veyrin_application.h"
#include "windows/ui/web_banner.h"

#ifdef VEYRIN_HAVE_WEBENGINE
#include <QWebEngineView>
#endif

using namespace veyrin;

class WebBannerTest : public QObject {
    Q_OBJECT

private slots:
    // The browser must not stand before the window's first paint, yet must show the page it was
    // sent to before it existed.
    void browserComesAfterThePanelsFirstPaintAndLoadsTheRecordedAddress() {
#ifndef VEYRIN_HAVE_WEBENGINE
        QSKIP("built without the web engine");
#else
        qunsetenv("VEYRIN_NO_WEB_ENGINE");
        const QUrl address(QStringLiteral("data:text/html,banner"));
        QWidget panel;
        panel.resize(489, 83);
        std::unique_ptr<WebBanner> banner = createWebBanner(&panel);
        banner->navigate(address.toString());
        banner->refresh();
        QCoreApplication::processEvents();
        QVERIFY2(banner->view() == nullptr, "the browser was created before anything was painted");

        panel.show();
        QTRY_VERIFY(banner->view() != nullptr);
        QCOMPARE(banner->view()->geometry(), panel.rect());
        QVERIFY(banner->view()->isVisible());
        auto* view = qobject_cast<QWebEngineView*>(banner->view());
        QVERIFY(view);
        QTRY_COMPARE_WITH_TIMEOUT(view->url(), address, 60000);
#endif
    }
};

int main(int argc, char** argv) {
    // As in the program: the browser's sandbox cannot start for the superuser.
    if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    VeyrinApplication app(argc, argv);
    WebBannerTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "web_banner_test.moc"
