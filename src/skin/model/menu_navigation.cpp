#include "skin/model/menu_navigation.h"

namespace veyrin {
namespace {

using Action = MenuKeyResult::Action;

bool isSelectable(const std::vector<TbsMenuItem>& items, int index) {
    return index >= 0 && index < static_cast<int>(items.size()) && items[static_cast<std::size_t>(index)].isSelectable();
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int itemWithAccelerator(const std::vector<TbsMenuItem>& items, char character) {
    char wanted = lowerAscii(character);
    if (wanted == 0) return -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].isSelectable() && menuAccelerator(items[i].caption) == wanted) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

int firstSelectableItem(const std::vector<TbsMenuItem>& items) { return nextSelectableItem(items, -1, 1); }

int nextSelectableItem(const std::vector<TbsMenuItem>& items, int from, int step) {
    const int count = static_cast<int>(items.size());
    if (count == 0) return -1;
    if (from < 0 || from >= count) from = step > 0 ? -1 : count;
    int index = from;
    for (int tried = 0; tried < count; ++tried) {
        index = ((index + step) % count + count) % count;
        if (isSelectable(items, index)) return index;
    }
    return -1;
}

MenuKeyResult chooseMenuItem(const std::vector<TbsMenuItem>& items, int index) {
    if (!isSelectable(items, index)) return {};
    if (items[static_cast<std::size_t>(index)].hasSubmenu()) return {Action::OpenSubmenu, index};
    return {Action::Run, index};
}

MenuKeyResult menuKeyTransition(const std::vector<TbsMenuItem>& items, int highlighted, MenuKey key, int depth,
                                char character) {
    switch (key) {
    case MenuKey::Up:
    case MenuKey::Down: {
        int next = nextSelectableItem(items, highlighted, key == MenuKey::Down ? 1 : -1);
        if (next < 0 || next == highlighted) return {};
        return {Action::Highlight, next};
    }
    case MenuKey::Right:
        if (isSelectable(items, highlighted) && items[static_cast<std::size_t>(highlighted)].hasSubmenu()) {
            return {Action::OpenSubmenu, highlighted};
        }
        return {};
    case MenuKey::Left:
        return depth > 1 ? MenuKeyResult{Action::CloseLevel, -1} : MenuKeyResult{};
    case MenuKey::Escape:
        return {depth > 1 ? Action::CloseLevel : Action::CloseAll, -1};
    case MenuKey::Enter:
        return chooseMenuItem(items, highlighted);
    case MenuKey::Character:
        return chooseMenuItem(items, itemWithAccelerator(items, character));
    }
    return {};
}

}  // namespace veyrin
