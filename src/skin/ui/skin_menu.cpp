#include "skin/ui/skin_menu.h"

#include <QFontMetrics>

#include <algorithm>
#include <optional>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/ui/font_faces.h"
#include "skin/model/menu_navigation.h"
#include "platform/model/screen_scale.h"
#include "skin/model/skin_scale.h"
#include "skin/ui/skin_popup_window.h"

namespace veyrin {
namespace {

FrameRect toFrameRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

std::optional<MenuKey> menuKeyOf(int key) {
    switch (key) {
    case Qt::Key_Up: return MenuKey::Up;
    case Qt::Key_Down: return MenuKey::Down;
    case Qt::Key_Left: return MenuKey::Left;
    case Qt::Key_Right: return MenuKey::Right;
    case Qt::Key_Escape: return MenuKey::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter: return MenuKey::Enter;
    default: return std::nullopt;
    }
}

}  // namespace

TbsSkinMenu::TbsSkinMenu(QWidget* window) : QObject(window), window_(window) {
    lookOptions_.defaultItemFont = fontWithPixelSize(QStringLiteral("Arial"), 15);
    submenuTimer_.setSingleShot(true);
    submenuTimer_.setInterval(kSubmenuWait);
    connect(&submenuTimer_, &QTimer::timeout, this, [this] {
        TbsSkinPopupWindow* lvl = level(pendingDepth_);
        if (lvl != nullptr && lvl->highlighted() == pendingIndex_) openSubmenu(pendingDepth_, pendingIndex_);
    });
    rebuildLook();
}

TbsSkinMenu::~TbsSkinMenu() {
    closing_ = true;
    for (auto& lvl : levels_) delete lvl.data();
}

TbsSkinMenu* TbsSkinMenu::ofWindow(const QWidget* widget) {
    if (widget == nullptr) return nullptr;
    return widget->window()->findChild<TbsSkinMenu*>(QString(), Qt::FindDirectChildrenOnly);
}

void TbsSkinMenu::rebuildLook() { look_ = makeMenuLook(skinData_, lookOptions_); }

void TbsSkinMenu::applyFrameSettings() {
    if (frameSettings_) frameSettings_(*this);
}

void TbsSkinMenu::setSkinData(const TbsSkinData* skinData) {
    closeAll();  // open levels hold pictures of the old skin
    skinData_ = skinData;
    rebuildLook();
}

void TbsSkinMenu::setUseSkinFont(bool on) {
    lookOptions_.useSkinFont = on;
    rebuildLook();
}

void TbsSkinMenu::setDefaultItemHeight(int height) {
    lookOptions_.defaultItemHeight = height;
    rebuildLook();
}

void TbsSkinMenu::setDefaultItemFont(const QFont& font) {
    lookOptions_.defaultItemFont = font;
    rebuildLook();
}

TbsSkinPopupWindow* TbsSkinMenu::level(int depth) const {
    if (depth < 0 || depth >= levelCount()) return nullptr;
    return levels_[static_cast<std::size_t>(depth)].data();
}

bool TbsSkinMenu::popupUnder(const QRect& anchor, std::vector<TbsMenuItem> items, ItemRunner run, bool upward) {
    return openFirstLevel(toFrameRect(anchor), std::move(items), std::move(run), upward);
}

bool TbsSkinMenu::popupAt(const QPoint& p, std::vector<TbsMenuItem> items, ItemRunner run) {
    return openFirstLevel({p.x(), p.y(), p.x(), p.y()}, std::move(items), std::move(run), false);
}

bool TbsSkinMenu::openFirstLevel(const FrameRect& anchor, std::vector<TbsMenuItem> items, ItemRunner run, bool upward) {
    closeAll();
    bool anyShown = std::any_of(items.begin(), items.end(), [](const TbsMenuItem& i) { return i.visible; });
    if (!anyShown) return false;
    run_ = std::move(run);
    followScaleAt({anchor.left, anchor.top});
    openLevel(std::move(items), anchor, false, upward);
    return true;
}

void TbsSkinMenu::followScaleAt(const QPoint& global) {
    QScreen* screen = QGuiApplication::screenAt(global);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const int scale = screen != nullptr ? pictureScale(screen->devicePixelRatio()) : 1;
    if (scale == lookOptions_.scale) return;
    lookOptions_.scale = scale;
    rebuildLook();
}

FrameRect TbsSkinMenu::workAreaAt(const QPoint& global) const {
    QScreen* screen = QGuiApplication::screenAt(global);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {0, 0, 1 << 14, 1 << 14};
    QRect area = screen->availableGeometry();
    return toFrameRect(area.isEmpty() ? screen->geometry() : area);
}

TbsSkinPopupWindow* TbsSkinMenu::openLevel(std::vector<TbsMenuItem> items, const FrameRect& anchor, bool submenu, bool upward) {
    const FrameRect workArea = workAreaAt(QPoint(anchor.left, anchor.top));
    QFontMetrics metrics(look_.font);
    MenuTextWidth textWidth = [&metrics](const std::string& text) { return metrics.horizontalAdvance(QString::fromStdString(text)); };
    MenuLevelSize size = menuLevelSize(items, look_.metrics, textWidth, maxItemsInWindow_, workArea.height());

    MenuPlacementRequest request{anchor, size.width, size.height, workArea, submenu, upward, size.cutToWorkArea};
    request.itemsTopInset = layoutMenuLevel(items, look_.metrics, size, 0).itemsRect.top;
    MenuPlacement place = placeMenuLevel(request);

    auto* lvl = new TbsSkinPopupWindow(*this, std::move(items), size);
    lvl->move(place.left, place.top);
    lvl->setHighlighted(firstSelectableItem(lvl->items()));
    levels_.emplace_back(lvl);
    lvl->show();
    return lvl;
}

void TbsSkinMenu::openSubmenu(int depth, int index) {
    TbsSkinPopupWindow* parent = level(depth);
    if (parent == nullptr) return;
    closeLevelsBelow(depth);
    parent->setHighlighted(index);
    const TbsMenuItem& item = parent->items()[static_cast<std::size_t>(index)];
    if (!item.hasSubmenu()) return;
    openLevel(item.items, toFrameRect(parent->itemScreenRect(index)), true, false);
}

void TbsSkinMenu::closeLevelsBelow(int depth) {
    closing_ = true;
    while (levelCount() > depth + 1) {
        QPointer<TbsSkinPopupWindow> lvl = levels_.back();
        levels_.pop_back();
        if (lvl) {
            lvl->hide();
            lvl->deleteLater();
        }
    }
    closing_ = false;
}

void TbsSkinMenu::closeAll() {
    submenuTimer_.stop();
    if (levels_.empty()) return;
    closeLevelsBelow(-1);
    emit menuClosed();
}

void TbsSkinMenu::levelHidden(TbsSkinPopupWindow* hidden) {
    if (closing_) return;
    for (int depth = 0; depth < levelCount(); ++depth) {
        if (level(depth) != hidden) continue;
        if (depth == 0) closeAll();
        else closeLevelsBelow(depth - 1);
        return;
    }
}

void TbsSkinMenu::runAfterClosing(const TbsMenuItem& chosen) {
    // Taken before closing: the level holding `chosen` goes away with the menu.
    auto job = [run = run_, item = chosen] {
        if (run) run(item);
    };
    closeAll();
    // Queued, so a command that destroys the window (and this engine) runs after every level's
    // event handler has returned.
    QMetaObject::invokeMethod(this, job, Qt::QueuedConnection);
}

void TbsSkinMenu::choose(int depth, int index) {
    TbsSkinPopupWindow* lvl = level(depth);
    if (lvl == nullptr) return;
    MenuKeyResult result = chooseMenuItem(lvl->items(), index);
    if (result.action == MenuKeyResult::Action::OpenSubmenu) openSubmenu(depth, index);
    else if (result.action == MenuKeyResult::Action::Run) runAfterClosing(lvl->items()[static_cast<std::size_t>(index)]);
}

int TbsSkinMenu::depthAt(const QPoint& global) const {
    for (int depth = levelCount() - 1; depth >= 0; --depth) {
        if (level(depth)->geometry().contains(global)) return depth;
    }
    return -1;
}

void TbsSkinMenu::pointerMoved(const QPoint& global) {
    int depth = depthAt(global);
    TbsSkinPopupWindow* lvl = level(depth);
    if (lvl == nullptr) return;
    int index = lvl->itemAtGlobal(global);
    if (index < 0 || index == lvl->highlighted()) return;
    if (!lvl->items()[static_cast<std::size_t>(index)].isSelectable()) return;
    // Moving to another item of a parent level gives up the submenu opened from it.
    closeLevelsBelow(depth);
    lvl->setHighlighted(index);
    if (lvl->items()[static_cast<std::size_t>(index)].hasSubmenu()) {
        pendingDepth_ = depth;
        pendingIndex_ = index;
        submenuTimer_.start();
    }
}

void TbsSkinMenu::pointerPressed(const QPoint& global, quint64 time) {
    int depth = depthAt(global);
    if (depth < 0) {
        emit pressedOutside(global, time);
        closeAll();
        return;
    }
    TbsSkinPopupWindow* lvl = level(depth);
    int index = lvl->itemAtGlobal(global);
    if (index >= 0 && lvl->items()[static_cast<std::size_t>(index)].hasSubmenu()) openSubmenu(depth, index);
}

void TbsSkinMenu::pointerReleased(const QPoint& global) {
    int depth = depthAt(global);
    TbsSkinPopupWindow* lvl = level(depth);
    if (lvl == nullptr) return;
    int index = lvl->itemAtGlobal(global);
    if (index >= 0 && !lvl->items()[static_cast<std::size_t>(index)].hasSubmenu()) choose(depth, index);
}

bool TbsSkinMenu::keyPressed(int key, const QString& text) {
    int depth = levelCount() - 1;
    TbsSkinPopupWindow* lvl = level(depth);
    if (lvl == nullptr) return false;
    std::optional<MenuKey> menuKey = menuKeyOf(key);
    char character = 0;
    if (!menuKey && text.size() == 1 && text.at(0).unicode() < 0x80) {
        menuKey = MenuKey::Character;
        character = static_cast<char>(text.at(0).unicode());
    }
    if (!menuKey) return false;
    MenuKeyResult result = menuKeyTransition(lvl->items(), lvl->highlighted(), *menuKey, levelCount(), character);
    using Action = MenuKeyResult::Action;
    switch (result.action) {
    case Action::None: break;
    case Action::Highlight: lvl->setHighlighted(result.index); break;
    case Action::OpenSubmenu: openSubmenu(depth, result.index); break;
    case Action::CloseLevel: closeLevelsBelow(depth - 1); break;
    case Action::CloseAll: closeAll(); break;
    case Action::Run:
        lvl->setHighlighted(result.index);
        runAfterClosing(lvl->items()[static_cast<std::size_t>(result.index)]);
        break;
    }
    return true;
}

}  // namespace veyrin
