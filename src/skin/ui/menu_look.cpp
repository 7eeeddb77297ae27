#include "skin/ui/menu_look.h"

#include "platform/ui/qt_color.h"
#include "skin/ui/skin_font.h"
#include "skin/ui/skin_image.h"

namespace veyrin {
namespace {

// The built-in look takes the classic menu colours of the fixed system palette.
void setBuiltInColours(MenuLook& look) {
    look.textColor = toQColor(clWindowText);
    look.activeTextColor = toQColor(clHighlightText);
    look.disabledTextColor = toQColor(clGrayText);
    look.scrollMarkerColor = toQColor(clBtnShadow);
    look.scrollMarkerActiveColor = toQColor(clWindowText);
}

}  // namespace

MenuLook makeMenuLook(const TbsSkinData* skinData, const MenuLookOptions& options) {
    MenuLook look;
    look.skin = findMenuSkin(skinData);
    look.metrics = menuLevelMetrics(look.skin, options.defaultItemHeight);
    look.metrics.imageWidth = options.imageWidth;
    look.font = options.defaultItemFont;
    if (!look.skinned()) {
        setBuiltInColours(look);
        return look;
    }
    const TbsDataSkinMenuItem& item = *look.skin.menuItem;
    look.popupPicture = skinImage(*look.skin.popupPicture, options.scale, skinData);
    look.itemPicture = skinImage(*look.skin.itemPicture, options.scale, skinData);
    if (options.useSkinFont) look.font = skinFont(item.fontName, item.fontHeight, item.fontStyle);
    look.textColor = toQColor(item.fontColor);
    look.activeTextColor = toQColor(item.activeFontColor);
    look.disabledTextColor = toQColor(item.unenabledFontColor);
    look.scrollMarkerColor = toQColor(look.skin.popupWindow->scrollMarkerColor);
    look.scrollMarkerActiveColor = toQColor(look.skin.popupWindow->scrollMarkerActiveColor);
    return look;
}

}  // namespace veyrin
