#pragma once
// A window's system menu: rebuilt from the frame's state each time it opens, shown through the
// window's skinned menu engine, its items running the frame's commands. Also owns the window's
// Alt+F4 short-cut, which works wherever the focus is in the window.

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

#include "skin/model/menu_opener_click.h"
#include "skin/model/system_menu.h"

class QWidget;

namespace veyrin {

class TbsSkinMenu;
class TbsSkinPopupMenu;

class SkinSystemMenu : public QObject {
    Q_OBJECT
public:
    using StateProvider = std::function<SystemMenuFrameState()>;
    using CommandRunner = std::function<void(MenuCommand command)>;

    // Creates the window's menu engine when it has none yet.
    explicit SkinSystemMenu(QWidget* window);

    TbsSkinMenu& engine() const { return *engine_; }
    void setStateProvider(StateProvider provider) { stateProvider_ = std::move(provider); }
    // Runs a chosen default item; until set, only close does anything (it closes the window).
    void setCommandRunner(CommandRunner runner) { commandRunner_ = std::move(runner); }
    // `SystemMenu` and `UseDefaultSysMenu`; without a menu the built-in item list is used.
    void setSystemMenu(TbsSkinPopupMenu* menu) { systemMenu_ = menu; }
    TbsSkinPopupMenu* systemMenu() const { return systemMenu_; }
    void setUseDefaultSysMenu(bool on) { useDefaultSysMenu_ = on; }
    void setCaptions(const SystemMenuCaptions& captions) { captions_ = captions; }
    // Runs before every opening, so the skin and options in force at that moment are used.
    void setBeforeOpening(std::function<void()> prepare) { beforeOpening_ = std::move(prepare); }

    // From the system-menu button (below its screen rectangle, `pressTime` the time of the press
    // on it) or a caption right click.
    bool openUnder(const QRect& buttonScreenRect, quint64 pressTime);
    bool openAt(const QPoint& screenPoint);
    // The items the menu would show now.
    std::vector<TbsMenuItem> currentItems();
    void runCommand(MenuCommand command);

signals:
    // The menu has closed: the button that opened it may come up.
    void closed();
    // The button that opened the menu was pressed again within the double-click time; the menu
    // has closed and the press belongs to the button's double click.
    void openerDoubleClicked(const QPoint& global);

private:
    void runItem(const TbsMenuItem& item);
    void prepare();
    void pressedOutside(const QPoint& global, quint64 time);

    QPointer<QWidget> window_;
    TbsSkinMenu* engine_;
    QPointer<TbsSkinPopupMenu> systemMenu_;
    bool useDefaultSysMenu_ = true;
    SystemMenuCaptions captions_;
    StateProvider stateProvider_;
    CommandRunner commandRunner_;
    std::function<void()> beforeOpening_;
    // Set while a menu opened from the button is open.
    std::optional<MenuOpener> opener_;
};

}  // namespace veyrin
