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

TbsTrayIcon::TbsTrayIcon(QWidget* owner) : QObject(owner), owner_(owner) {
    clickTimer_.setSingleShot(true);
    connect(&clickTimer_, &QTimer::timeout, this, &TbsTrayIcon::clicked);
    doubleClickAction_ = [this] { restoreFromTray(); };
}

TbsTrayIcon::~TbsTrayIcon() {
    if (icon_) icon_->hide();
}

// The notification-area icon is made the first time it is shown: every window holds a tray icon,
// and making one costs several milliseconds that would otherwise stand before the first paint.
QSystemTrayIcon& TbsTrayIcon::platformIcon() {
    if (!icon_) {
        icon_ = new QSystemTrayIcon(effectiveIcon(), this);
        connect(icon_, &QSystemTrayIcon::activated, this, &TbsTrayIcon::handleActivation);
        updateTip();
    }
    return *icon_;
}

void TbsTrayIcon::setIcon(const QIcon& icon) {
    ownIcon_ = icon;
    if (icon_) icon_->setIcon(effectiveIcon());
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

void TbsTrayIcon::updateTip() {
    if (icon_) icon_->setToolTip(showHint_ ? hint_.left(kMaxTipLength) : QString());
}

void TbsTrayIcon::setIconVisible(bool visible) {
    iconVisible_ = visible;
    if (!visible && !icon_) return;
    QSystemTrayIcon& icon = platformIcon();
    if (visible) icon.setIcon(effectiveIcon());  // the application's icon may have been set since
    icon.setVisible(visible);
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
    case QSystemTrayIcon::Trigger: handleTrigger(); break;
    case QSystemTrayIcon::DoubleClick: handleDoubleClick(); break;
    case QSystemTrayIcon::Context: openPopupMenu(); break;
    default: break;
    }
}

// A tray hosted over D-Bus knows no double click: each click on the icon arrives as one activation.
// So a second activation while the first still waits to become a click is the double click.
void TbsTrayIcon::handleTrigger() {
    if (!clickTimer_.isActive()) {
        clickTimer_.start(QApplication::doubleClickInterval());
        return;
    }
    runDoubleClick();
}

// A tray that reports the second press both as an activation and as a double click gets one double
// click, not two.
void TbsTrayIcon::handleDoubleClick() {
    if (lastDoubleClick_.isValid() && lastDoubleClick_.elapsed() < QApplication::doubleClickInterval()) return;
    runDoubleClick();
}

void TbsTrayIcon::runDoubleClick() {
    clickTimer_.stop();
    lastDoubleClick_.start();
    emit doubleClicked();
    if (doubleClickAction_) doubleClickAction_();
}

// The withdrawn windows stay withdrawn while the close runs, so that a close that succeeds does not
// flash them back; they return only when the close is refused, to show why and what is unsaved.
void TbsTrayIcon::closeOwner() {
    if (owner_->close()) {
        endIfLastWindowClosed(*owner_);
        return;
    }
    if (minimisedToTray_) restoreFromTray();
}

void TbsTrayIcon::openPopupMenu() {
    if (!popupMenu_) return;
    // Let pending work (a repaint of a window being withdrawn) finish before the menu grabs input.
    QApplication::processEvents();
    popupMenu_->popup(QCursor::pos());
}

}  // namespace veyrin
