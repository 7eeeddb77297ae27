#include "skin/ui/tray_icon.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>
#include <QWindow>
#include <utility>

#include "skin/ui/application_windows.h"

namespace veyrin {
namespace {

// The notification area takes at most this many characters of tip text.
constexpr int kMaxTipLength = 127;

}  // namespace

TbsTrayIcon::TbsTrayIcon(QWidget* owner) : QObject(owner), owner_(owner), icon_(new QSystemTrayIcon(this)) {
    clickTimer_.setSingleShot(true);
    connect(&clickTimer_, &QTimer::timeout, this, &TbsTrayIcon::clicked);
    connect(icon_, &QSystemTrayIcon::activated, this, &TbsTrayIcon::handleActivation);
    doubleClickAction_ = [this] { restoreFromTray(); };
    icon_->setIcon(effectiveIcon());
}

TbsTrayIcon::~TbsTrayIcon() { icon_->hide(); }

void TbsTrayIcon::setIcon(const QIcon& icon) {
    ownIcon_ = icon;
    icon_->setIcon(effectiveIcon());
}

QIcon TbsTrayIcon::effectiveIcon() const { return ownIcon_.isNull() ? QApplication::windowIcon() : ownIcon_; }

void TbsTrayIcon::setHint(const QString& hint) {
    hint_ = hint;
    updateTip();
}

void TbsTrayIcon::setShowHint(bool show) {
    showHint_ = show;
    updateTip();
}

void TbsTrayIcon::updateTip() { icon_->setToolTip(showHint_ ? hint_.left(kMaxTipLength) : QString()); }

void TbsTrayIcon::setIconVisible(bool visible) {
    iconVisible_ = visible;
    if (visible) icon_->setIcon(effectiveIcon());  // the application's icon may have been set since
    icon_->setVisible(visible);
}

void TbsTrayIcon::setAlwaysShowInTray(bool always) {
    if (always == alwaysShowInTray_) return;
    alwaysShowInTray_ = always;
    if (always) showIcon();
}

bool TbsTrayIcon::minimiseToTray() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        minimiseApplication();
        return false;
    }
    minimisedToTray_ = true;
    withdrawn_ = visibleApplicationWindows();
    for (const QPointer<QWidget>& window : withdrawn_)
        if (window) window->hide();
    showIcon();
    emit minimizedToTray();
    return true;
}

namespace {

// A window the window manager once restored from minimised keeps, in its platform window, the
// minimised state it was asked for, and would ask to be mapped hidden when it is shown again.
// Setting the state through minimised and back while the window is unmapped clears it.
void showNormalAgain(QWidget* window) {
    if (QWindow* handle = window->windowHandle(); handle && !window->isVisible()) {
        handle->setWindowStates(Qt::WindowMinimized);
        handle->setWindowStates(Qt::WindowNoState);
    }
    window->showNormal();
}

}  // namespace

void TbsTrayIcon::restoreFromTray() {
    minimisedToTray_ = false;
    const QList<QPointer<QWidget>> windows = std::exchange(withdrawn_, {});
    for (const QPointer<QWidget>& window : windows)
        if (window && window != owner_) showNormalAgain(window);
    showNormalAgain(owner_);
    owner_->raise();
    owner_->activateWindow();
    if (!alwaysShowInTray_) hideIcon();
    emit restoredFromTray();
}

void TbsTrayIcon::handleActivation(QSystemTrayIcon::ActivationReason reason) {
    if (!enabled_) return;
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        if (!clickTimer_.isActive()) clickTimer_.start(QApplication::doubleClickInterval());
        break;
    case QSystemTrayIcon::DoubleClick:
        clickTimer_.stop();
        emit doubleClicked();
        if (doubleClickAction_) doubleClickAction_();
        break;
    case QSystemTrayIcon::Context: openPopupMenu(); break;
    default: break;
    }
}

void TbsTrayIcon::openPopupMenu() {
    if (!popupMenu_) return;
    // Let pending work (a repaint of a window being withdrawn) finish before the menu grabs input.
    QApplication::processEvents();
    popupMenu_->popup(QCursor::pos());
}

}  // namespace veyrin
