#pragma once
// The size of one menu level and where its items sit in it. A level with a skin is the popup
// picture composed to size, with the items inside its (scaled) items rectangle; without a skin a
// plain box with a 2-pixel margin.

#include <functional>
#include <string>
#include <vector>

#include "skin/model/frame_rect.h"
#include "skin/model/menu_item.h"

namespace veyrin {

// Everything the layout needs of the skin (or of the built-in look).
struct MenuLevelMetrics {
    bool skinned = false;
    int itemHeight = 20;
    int separatorHeight = 4;
    int imageWidth = 0;  // width of the menu's image list, 0 when it has none
    // With a skin: the popup picture's size and items rectangle, and the menu item's text insets
    // (text rectangle left, and skin rectangle width minus text rectangle right).
    int pictureWidth = 0, pictureHeight = 0;
    FrameRect itemsRect;
    int textLeftInset = 0, textRightInset = 0;

    static constexpr int kBuiltInMargin = 2;
    static constexpr int kBuiltInSeparatorHeight = 4;
    static constexpr int kScrollMarkerHeight = 10;
    static constexpr int kArrowColumn = 19;

    // The glyph column counted into the width (image width + 5, else 19).
    int glyphColumnWidth() const { return imageWidth > 0 ? imageWidth + 5 : 19; }
    int horizontalMargins() const;
    int verticalMargins() const;
    int heightOf(const TbsMenuItem& item) const { return item.isSeparator() ? separatorHeight : itemHeight; }
};

MenuLevelMetrics builtInMenuMetrics(int defaultItemHeight);

using MenuTextWidth = std::function<int(const std::string& text)>;

struct MenuLevelSize {
    int width = 0, height = 0;
    bool scrolls = false;  // the items do not all fit: scroll markers take the first and last 10 px
    friend bool operator==(const MenuLevelSize&, const MenuLevelSize&) = default;
};

// `maxItemsInWindow` 0 means unlimited; `workAreaHeight` cuts a level that would be taller.
MenuLevelSize menuLevelSize(const std::vector<TbsMenuItem>& items, const MenuLevelMetrics& metrics,
                            const MenuTextWidth& textWidth, int maxItemsInWindow, int workAreaHeight);

// Where the items go in a level of a given size, starting from item `firstVisible`.
struct MenuLevelLayout {
    FrameRect itemsRect;               // scaled to the level's size
    FrameRect upMarker, downMarker;    // empty unless the level scrolls
    std::vector<int> visibleItems;     // indexes of the items shown, top to bottom
    std::vector<FrameRect> itemRects;  // level coordinates, one per visible item
    bool canScrollUp = false, canScrollDown = false;

    // The item under a point of the level, or -1.
    int itemAt(int x, int y) const;
    // The rectangle of item `index` when it is visible, else an empty rectangle.
    FrameRect rectOf(int index) const;
};

MenuLevelLayout layoutMenuLevel(const std::vector<TbsMenuItem>& items, const MenuLevelMetrics& metrics,
                                const MenuLevelSize& size, int firstVisible);

// The first visible item that keeps `index` in view after the level scrolled as little as possible.
int firstVisibleToShow(const std::vector<TbsMenuItem>& items, const MenuLevelMetrics& metrics,
                       const MenuLevelSize& size, int firstVisible, int index);

}  // namespace veyrin
