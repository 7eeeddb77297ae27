#include "skin/model/menu_opener_click.h"

namespace veyrin {

bool isSecondClickOnOpener(const MenuOpener& opener, int x, int y, std::uint64_t now, int doubleClickTime) {
    if (!opener.button.contains(x, y) || now < opener.pressedAt || doubleClickTime <= 0) return false;
    return now - opener.pressedAt < static_cast<std::uint64_t>(doubleClickTime);
}

}  // namespace veyrin
