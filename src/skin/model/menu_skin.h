#pragma once
// What the menus take from a loaded skin: the popup window's picture and description and the
// "menuitem" object with its picture; and the arithmetic of drawing an item from them.

#include <vector>

#include "skin/model/menu_level_layout.h"
#include "skin/model/picture_composition.h"
#include "skin/model/skin_data.h"

namespace veyrin {

struct MenuSkin {
    const TbsDataSkinPopupWindow* popupWindow = nullptr;
    const SkinBitmap* popupPicture = nullptr;
    const TbsDataSkinMenuItem* menuItem = nullptr;
    const SkinBitmap* itemPicture = nullptr;

    // A skin whose popup picture or menu item is missing draws the built-in look instead.
    bool usable() const { return popupPicture != nullptr && menuItem != nullptr && itemPicture != nullptr; }
    CompositionSource popupComposition() const;
};

// The menu parts of `skin`; an empty or missing skin gives an unusable MenuSkin.
MenuSkin findMenuSkin(const TbsSkinData* skin);

// Item heights, picture margins and text insets of a level drawn with `skin`, or the built-in
// look's when the skin is not usable.
MenuLevelMetrics menuLevelMetrics(const MenuSkin& skin, int defaultItemHeight);

// The menu item picture's `source` (its normal, active or divider rectangle) drawn over `target`:
// the leftmost `leftOffset` and rightmost `rightOffset` pixels kept, the middle repeated.
std::vector<PictureCopy> menuItemBackground(const FrameRect& source, int leftOffset, int rightOffset, const FrameRect& target);

// The item's text rectangle in level coordinates: the skin's "textrect" inside the item, its right
// edge moved by the item's extra width; without a skin the item inset by 2 pixels.
FrameRect menuItemTextRect(const MenuSkin& skin, const FrameRect& itemRect);

// Offsets inside the text rectangle where the parts of an item are drawn.
struct MenuItemTextLayout {
    static constexpr int kGlyphColumn = 16;      // the caption starts after it (no image list)
    static constexpr int kShortCutGap = 16;      // the short-cut text ends this far before the right edge
    static constexpr int kArrowGap = 7;          // the submenu arrow sits this far before the right edge
    static constexpr int kGlyphInset = 2;        // default items' glyphs sit this far inside
};

}  // namespace veyrin
