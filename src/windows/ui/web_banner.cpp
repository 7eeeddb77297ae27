#include "windows/ui/web_banner.h"

#include <QEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#ifdef VEYRIN_HAVE_WEBENGINE
#include <QOpenGLWidget>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformintegration.h>
#include <QWebEngineView>
#endif

namespace veyrin {
namespace {

class NoBanner final : public WebBanner {
public:
    void navigate(const QString&) override {}
    void refresh() override {}
    QWidget* view() override { return nullptr; }
};

#ifdef VEYRIN_HAVE_WEBENGINE
bool platformDrawsOpenGL() {
    const QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration();
    return platform && platform->hasCapability(QPlatformIntegration::RhiBasedRendering);
}

// Starting the web engine takes longer than everything else before the main window's first paint
// together, so the browser is created on the event loop's turn after the panel that hosts it has
// painted, and only then loads the page it was sent to.
class WebEngineBanner final : public QObject, public WebBanner {
public:
    explicit WebEngineBanner(QWidget* panel) : panel_(panel) {
        panel_->installEventFilter(this);
        // A window whose widgets draw through OpenGL is composed through OpenGL, and Qt recreates a
        // shown window when its first such widget arrives: the reader would see the main window
        // vanish and come back. This widget is never shown; it only makes the window composed that
        // way from its creation, so the browser can join it later in place.
        // Where the platform draws no OpenGL (the offscreen platform) the browser draws by software,
        // nothing is recreated, and such a widget would only break the window's drawing.
        if (platformDrawsOpenGL()) (new QOpenGLWidget(panel_))->hide();
    }
    WebEngineBanner(const WebEngineBanner&) = delete;
    WebEngineBanner& operator=(const WebEngineBanner&) = delete;

    void navigate(const QString& url) override {
        address_ = url;
        if (view_) view_->load(QUrl(url));
    }
    // Before the browser exists there is no page to reload; the pending navigation loads it.
    void refresh() override {
        if (view_) view_->reload();
    }
    QWidget* view() override { return view_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == panel_ && event->type() == QEvent::Paint) {
            panel_->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { createView(); });
        }
        return false;
    }

private:
    void createView() {
        view_ = new QWebEngineView(panel_);
        view_->setGeometry(panel_->rect());
        view_->setToolTipDuration(-1);
        view_->show();
        if (!address_.isEmpty()) view_->load(QUrl(address_));
    }

    QWidget* panel_;
    QWebEngineView* view_ = nullptr;
    QString address_;
};
#endif

std::unique_ptr<WebBanner> defaultBanner(QWidget* parent) {
#ifdef VEYRIN_HAVE_WEBENGINE
    if (qEnvironmentVariableIsEmpty("VEYRIN_NO_WEB_ENGINE")) return std::make_unique<WebEngineBanner>(parent);
#endif
    (void)parent;
    return std::make_unique<NoBanner>();
}

WebBannerFactory& factory() {
    static WebBannerFactory f = defaultBanner;
    return f;
}

// Tests point the banner at a page of their own and tick faster; the shipped program sets neither.
int intervalFromEnvironment() {
    bool ok = false;
    const int milliseconds = qEnvironmentVariableIntValue("VEYRIN_BANNER_REFRESH_MS", &ok);
    return ok && milliseconds > 0 ? milliseconds : 60000;
}

int g_interval = intervalFromEnvironment();

}  // namespace

QString bannerAddress() {
    const QString fromEnvironment = qEnvironmentVariable("VEYRIN_BANNER_URL");
    return fromEnvironment.isEmpty() ? QStringLiteral("https://www.gushiwen.cn/") : fromEnvironment;
}

std::unique_ptr<WebBanner> createWebBanner(QWidget* parent) { return factory()(parent); }

void installWebBannerFactory(WebBannerFactory f) { factory() = f ? std::move(f) : WebBannerFactory(defaultBanner); }

int bannerRefreshInterval() { return g_interval; }
void setBannerRefreshInterval(int milliseconds) { g_interval = milliseconds; }

}  // namespace veyrin
