#pragma once
// How a menu engine's levels look: the skin's pictures converted once for drawing, the item font
// and colours, and the layout metrics. Rebuilt when the engine's skin or fonts change.

#include <QColor>
#include <QFont>
#include <QImage>

#include "skin/model/menu_level_layout.h"
#include "skin/model/menu_skin.h"

namespace veyrin {

struct MenuLook {
    MenuSkin skin;
    MenuLevelMetrics metrics;
    QImage popupPicture, itemPicture;
    QFont font;
    QColor textColor, activeTextColor, disabledTextColor;
    QColor scrollMarkerColor, scrollMarkerActiveColor;

    bool skinned() const { return metrics.skinned; }
};

struct MenuLookOptions {
    bool useSkinFont = true;  // UseSkinFontInMenu
    int defaultItemHeight = 20;  // DefMenuItemHeight
    QFont defaultItemFont;       // DefMenuItemFont
    int imageWidth = 0;
    int scale = 1;  // of the screen the menu opens on
};

MenuLook makeMenuLook(const TbsSkinData* skinData, const MenuLookOptions& options);

}  // namespace veyrin
