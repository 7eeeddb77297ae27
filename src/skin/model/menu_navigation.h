#pragma once
// The keyboard in an open menu, as pure transitions: given the innermost level's items, its
// highlighted item and a key, what the engine does next.

#include <vector>

#include "skin/model/menu_item.h"

namespace veyrin {

enum class MenuKey { Up, Down, Left, Right, Escape, Enter, Character };

struct MenuKeyResult {
    enum class Action {
        None,          // the key does nothing here
        Highlight,     // move the highlight to `index`
        OpenSubmenu,   // highlight `index` and open its submenu
        CloseLevel,    // close the innermost level only
        CloseAll,      // close every level and leave menu mode
        Run,           // highlight `index`, close every level, then run the item
    };
    Action action = Action::None;
    int index = -1;
    friend bool operator==(const MenuKeyResult&, const MenuKeyResult&) = default;
};

// The first item that can take the highlight, or -1.
int firstSelectableItem(const std::vector<TbsMenuItem>& items);

// The next (step +1) or previous (step -1) selectable item after `from`, wrapping round; `from`
// -1 starts before the first item. -1 when no item can take the highlight.
int nextSelectableItem(const std::vector<TbsMenuItem>& items, int from, int step);

// `depth` is the number of open levels (1 for the first level alone); `character` is the typed
// character for MenuKey::Character.
MenuKeyResult menuKeyTransition(const std::vector<TbsMenuItem>& items, int highlighted, MenuKey key, int depth,
                                char character = 0);

// What choosing an item with the mouse or Enter does: open its submenu or run it.
MenuKeyResult chooseMenuItem(const std::vector<TbsMenuItem>& items, int index);

}  // namespace veyrin
