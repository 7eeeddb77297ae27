#pragma once
// The notification-area icon of a window. It stays hidden until the program is minimised to the
// tray; then every window is withdrawn and only the icon remains, and a double click (or the
// icon menu's restore item) brings the windows back. Clicks are told apart from double clicks with
// a timer of the desktop's double-click time, so a double click never also reports a click; where
// the tray reports only activations (D-Bus trays), two of them within that time are a double click.
//
// When the icon's host (the tray) goes away and comes back, Qt's X11 tray support docks a visible
// icon again by itself.

#include <QElapsedTimer>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>

#include "skin/ui/skin_popup_menu.h"

class QWidget;

namespace veyrin {

class TbsTrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TbsTrayIcon(QWidget* owner);
    ~TbsTrayIcon() override;

    // An empty icon shows the application's icon.
    void setIcon(const QIcon& icon);
    QIcon effectiveIcon() const;
    void setHint(const QString& hint);
    void setShowHint(bool show);

    bool iconVisible() const { return iconVisible_; }
    void setIconVisible(bool visible);
    void showIcon() { setIconVisible(true); }
    void hideIcon() { setIconVisible(false); }
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    void setAlwaysShowInTray(bool always);

    // The menu opened by the right button (the frame's skinned tray menu).
    void setPopupMenu(TbsSkinPopupMenu* menu) { popupMenu_ = menu; }
    TbsSkinPopupMenu* popupMenu() const { return popupMenu_; }
    // What a double click does; restore-from-tray unless the frame links something else.
    void setDoubleClickAction(std::function<void()> action) { doubleClickAction_ = std::move(action); }

    bool minimisedToTray() const { return minimisedToTray_; }
    // Withdraws every window and shows the icon. Without a notification area nothing could bring
    // the windows back, so the program is minimised normally instead; returns false then.
    bool minimiseToTray();
    void restoreFromTray();
    // The tray menu's close: closes the owner window without showing the withdrawn windows first.
    void closeOwner();

    // The icon's input as Qt reports it (public so that the frame and tests can feed it).
    void handleActivation(QSystemTrayIcon::ActivationReason reason);

signals:
    void clicked();
    void doubleClicked();
    void minimizedToTray();
    void restoredFromTray();

private:
    void updateTip();
    void handleTrigger();
    void handleDoubleClick();
    void runDoubleClick();
    void openPopupMenu();
    QSystemTrayIcon& platformIcon();

    QWidget* owner_;
    QSystemTrayIcon* icon_ = nullptr;
    QIcon ownIcon_;
    QString hint_;
    bool showHint_ = true;
    bool iconVisible_ = false;
    bool enabled_ = true;
    bool alwaysShowInTray_ = false;
    bool minimisedToTray_ = false;
    QTimer clickTimer_;
    QElapsedTimer lastDoubleClick_;
    QPointer<TbsSkinPopupMenu> popupMenu_;
    std::function<void()> doubleClickAction_;
    QList<QPointer<QWidget>> withdrawn_;
};

}  // namespace veyrin
