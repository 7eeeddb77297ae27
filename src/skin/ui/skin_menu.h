#pragma once
// The skinned menu engine of a window (one per frame): opens menu levels as popup windows, keeps
// them inside the monitor's work area, and drives them from the pointer and the keyboard. Menu
// mode lasts from the first level's opening until the last level closes.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <functional>
#include <vector>

#include "skin/model/menu_item.h"
#include "skin/model/menu_level_position.h"
#include "skin/ui/menu_look.h"

class QWidget;

namespace veyrin {

class TbsSkinPopupWindow;

class TbsSkinMenu : public QObject {
    Q_OBJECT
public:
    using ItemRunner = std::function<void(const TbsMenuItem& item)>;

    static constexpr int kSubmenuWait = 500;

    // The engine lives as a child of `window`, where popup menus of that window find it.
    explicit TbsSkinMenu(QWidget* window);
    ~TbsSkinMenu() override;

    // The engine of the window that holds `widget`, or null.
    static TbsSkinMenu* ofWindow(const QWidget* widget);

    void setSkinData(const TbsSkinData* skinData);
    const TbsSkinData* skinData() const { return skinData_; }
    void setUseSkinFont(bool on);
    void setDefaultItemHeight(int height);
    void setDefaultItemFont(const QFont& font);
    void setMaxMenuItemsInWindow(int count) { maxItemsInWindow_ = count; }
    // How the owning frame hands its skin and menu options over; applied before every opening,
    // since the window may change them after the engine exists.
    void setFrameSettings(std::function<void(TbsSkinMenu&)> apply) { frameSettings_ = std::move(apply); }
    void applyFrameSettings();
    const MenuLook& look() const { return look_; }

    // Opens `items` below (or, with `upward`, above) the screen rectangle `anchor`, closing any
    // menu already open. A chosen item is passed to `run` after the menu has closed. Returns false
    // when there is nothing to show.
    bool popupUnder(const QRect& anchor, std::vector<TbsMenuItem> items, ItemRunner run, bool upward = false);
    bool popupAt(const QPoint& screenPoint, std::vector<TbsMenuItem> items, ItemRunner run);
    void closeAll();

    bool inMenuMode() const { return !levels_.empty(); }
    int levelCount() const { return static_cast<int>(levels_.size()); }
    TbsSkinPopupWindow* level(int depth) const;

    // Input from the levels (screen coordinates; `time` on the window system's clock); keyPressed
    // returns whether the key was used.
    void pointerMoved(const QPoint& global);
    void pointerPressed(const QPoint& global, quint64 time);
    void pointerReleased(const QPoint& global);
    bool keyPressed(int key, const QString& text);
    void levelHidden(TbsSkinPopupWindow* level);

signals:
    // Menu mode has ended: the system-menu button may come up again.
    void menuClosed();
    // A press outside every level, which closes the menu; sent while the menu is still open.
    void pressedOutside(const QPoint& global, quint64 time);

private:
    bool openFirstLevel(const FrameRect& anchor, std::vector<TbsMenuItem> items, ItemRunner run, bool upward);
    TbsSkinPopupWindow* openLevel(std::vector<TbsMenuItem> items, const FrameRect& anchor, bool submenu, bool upward);
    void openSubmenu(int depth, int index);
    void closeLevelsBelow(int depth);
    void choose(int depth, int index);
    void runAfterClosing(const TbsMenuItem& item);
    int depthAt(const QPoint& global) const;
    FrameRect workAreaAt(const QPoint& global) const;
    void rebuildLook();
    // The levels are drawn at the scale of the screen the menu opens on.
    void followScaleAt(const QPoint& global);

    QWidget* window_;
    const TbsSkinData* skinData_ = nullptr;
    MenuLookOptions lookOptions_;
    MenuLook look_;
    int maxItemsInWindow_ = 0;
    std::vector<QPointer<TbsSkinPopupWindow>> levels_;
    ItemRunner run_;
    std::function<void(TbsSkinMenu&)> frameSettings_;
    bool closing_ = false;
    QTimer submenuTimer_;
    int pendingDepth_ = -1, pendingIndex_ = -1;
};

}  // namespace veyrin
