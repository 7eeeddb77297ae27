#include "skin/model/menu_skin.h"

#include <algorithm>

namespace veyrin {
namespace {

const SkinBitmap* pictureAt(const TbsSkinData& skin, int index) {
    const SkinBitmap* picture = skin.activePicture(index);
    return (picture != nullptr && !picture->isEmpty()) ? picture : nullptr;
}

const TbsDataSkinMenuItem* menuItemObject(const TbsSkinData& skin) {
    int index = skin.findObject("menuitem");
    if (index < 0) return nullptr;
    return dynamic_cast<const TbsDataSkinMenuItem*>(skin.objects()[static_cast<std::size_t>(index)].get());
}

}  // namespace

CompositionSource MenuSkin::popupComposition() const {
    return {popupPicture->width, popupPicture->height, popupWindow->anchors, popupWindow->itemsRect};
}

MenuSkin findMenuSkin(const TbsSkinData* skin) {
    MenuSkin menu;
    if (skin == nullptr || skin->empty()) return menu;
    menu.popupWindow = &skin->popupWindow();
    menu.popupPicture = pictureAt(*skin, menu.popupWindow->windowPictureIndex);
    menu.menuItem = menuItemObject(*skin);
    if (menu.menuItem != nullptr) menu.itemPicture = pictureAt(*skin, menu.menuItem->activePictureIndex);
    // An items rectangle that does not fit the picture would place items outside the level.
    if (menu.popupPicture != nullptr) {
        const FrameRect& items = menu.popupWindow->itemsRect;
        if (items.isAbsent() || items.right > menu.popupPicture->width || items.bottom > menu.popupPicture->height) {
            menu.popupPicture = nullptr;
        }
    }
    return menu;
}

MenuLevelMetrics menuLevelMetrics(const MenuSkin& skin, int defaultItemHeight) {
    if (!skin.usable()) return builtInMenuMetrics(defaultItemHeight);
    MenuLevelMetrics m;
    const TbsDataSkinMenuItem& item = *skin.menuItem;
    m.skinned = true;
    m.itemHeight = item.skinRect.isAbsent() ? defaultItemHeight : item.skinRect.height();
    m.separatorHeight = item.dividerRect.isAbsent() ? MenuLevelMetrics::kBuiltInSeparatorHeight : item.dividerRect.height();
    m.pictureWidth = skin.popupPicture->width;
    m.pictureHeight = skin.popupPicture->height;
    m.itemsRect = skin.popupWindow->itemsRect;
    m.textLeftInset = item.textRect.left;
    m.textRightInset = std::max(0, item.skinRect.width() - item.textRect.right);
    return m;
}

std::vector<PictureCopy> menuItemBackground(const FrameRect& source, int leftOffset, int rightOffset, const FrameRect& target) {
    std::vector<PictureCopy> copies;
    if (source.isAbsent() || target.isAbsent()) return copies;
    // Offsets wider than the picture or the item keep what fits, so a narrow item never overflows.
    int left = std::clamp(leftOffset, 0, std::min(source.width(), target.width()));
    int right = std::clamp(rightOffset, 0, std::min(source.width() - left, target.width() - left));
    auto add = [&copies, &source, &target](int sourceFrom, int sourceTo, int targetFrom, int targetTo, PictureCopy::Mode mode) {
        if (sourceTo <= sourceFrom || targetTo <= targetFrom) return;
        copies.push_back({{sourceFrom, source.top, sourceTo, source.bottom}, {targetFrom, target.top, targetTo, target.bottom}, mode});
    };
    add(source.left, source.left + left, target.left, target.left + left, PictureCopy::Mode::Copy);
    add(source.left + left, source.right - right, target.left + left, target.right - right, PictureCopy::Mode::Tile);
    add(source.right - right, source.right, target.right - right, target.right, PictureCopy::Mode::Copy);
    return copies;
}

FrameRect menuItemTextRect(const MenuSkin& skin, const FrameRect& itemRect) {
    if (!skin.usable() || skin.menuItem->textRect.isAbsent()) {
        return {itemRect.left + 2, itemRect.top, itemRect.right - 2, itemRect.bottom};
    }
    const FrameRect& text = skin.menuItem->textRect;
    int extraWidth = itemRect.width() - skin.menuItem->skinRect.width();
    return {itemRect.left + text.left, itemRect.top + text.top, itemRect.left + text.right + extraWidth, itemRect.top + text.bottom};
}

}  // namespace veyrin
