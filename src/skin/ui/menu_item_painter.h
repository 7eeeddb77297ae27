#pragma once
// Draws one menu item (or separator) of a level, skinned or in the built-in look.

#include <QRect>

#include "skin/model/menu_item.h"
#include "skin/ui/menu_look.h"

class QPainter;

namespace veyrin {

void paintMenuItem(QPainter& painter, const MenuLook& look, const TbsMenuItem& item, const QRect& itemRect, bool highlighted);

// The default items' small pictures, drawn in `colour` inside `box`.
void paintMenuGlyph(QPainter& painter, MenuGlyph glyph, const QRect& box, const QColor& colour);

}  // namespace veyrin
