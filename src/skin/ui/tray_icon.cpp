#include "skin/ui/tray_icon.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>
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

void TbsTrayIcon::restoreFromTray() {
    minimisedToTray_ = false;
    const QList<QPointer<QWidget>> windows = std::exchange(withdrawn_, {});
    for (const QPointer<QWidget>& window : windows)
        if (window && window != owner_) window->showNormal();
    owner_->showNormal();
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
