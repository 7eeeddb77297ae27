#include "windows/ui/web_banner.h"

#include <QUrl>
#include <QWidget>

#ifdef VEYRIN_HAVE_WEBENGINE
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
class WebEngineBanner final : public WebBanner {
public:
    explicit WebEngineBanner(QWidget* parent) : view_(new QWebEngineView(parent)) {}
    WebEngineBanner(const WebEngineBanner&) = delete;
    WebEngineBanner& operator=(const WebEngineBanner&) = delete;
    void navigate(const QString& url) override { view_->load(QUrl(url)); }
    void refresh() override { view_->reload(); }
    QWidget* view() override { return view_; }

private:
    QWebEngineView* view_;
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

int g_interval = 60000;

}  // namespace

QString bannerAddress() { return QStringLiteral("https://www.gushiwen.cn/"); }

std::unique_ptr<WebBanner> createWebBanner(QWidget* parent) { return factory()(parent); }

void installWebBannerFactory(WebBannerFactory f) { factory() = f ? std::move(f) : WebBannerFactory(defaultBanner); }

int bannerRefreshInterval() { return g_interval; }
void setBannerRefreshInterval(int milliseconds) { g_interval = milliseconds; }

}  // namespace veyrin
