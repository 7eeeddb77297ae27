#pragma once
// The web banner at the top of the main window: navigated once at start, the page it shows at that
// moment reloaded on every tick of the banner timer. The browser sits behind this interface so
// tests can record the calls, and the program still starts where the web engine cannot.

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace veyrin {

class WebBanner {
public:
    virtual ~WebBanner() = default;
    // Starts loading `url` and returns at once.
    virtual void navigate(const QString& url) = 0;
    // Reloads the page shown now (which may be one the reader reached through a link).
    virtual void refresh() = 0;
    // The widget that shows the page (filling the panel it was created for), or nullptr while
    // there is none (the area stays in the window colour): the browser is created only after the
    // panel's first paint.
    virtual QWidget* view() = 0;
};

// The address of the banner page: the root page of a site on classical Chinese poetry, or
// VEYRIN_BANNER_URL when that is set.
QString bannerAddress();

using WebBannerFactory = std::function<std::unique_ptr<WebBanner>(QWidget* parent)>;

// The factory in use: the embedded web engine unless a test installed another.
std::unique_ptr<WebBanner> createWebBanner(QWidget* parent);
void installWebBannerFactory(WebBannerFactory factory);

// Interval of the banner timer in milliseconds: 60000 unless VEYRIN_BANNER_REFRESH_MS holds a
// positive number or a test changed it.
int bannerRefreshInterval();
void setBannerRefreshInterval(int milliseconds);

}  // namespace veyrin
