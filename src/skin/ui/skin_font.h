#pragma once
// The one way a font of the skin (caption, hints, menu items) or of a skin component's default
// font becomes a QFont, so every one of them reads its height by the same rule.

#include <QFont>
#include <string>

#include "skin/model/font_description.h"
#include "skin/model/skin_data.h"

namespace veyrin {

// `name` is the face as the skin spells it (GBK); `height` follows setFontHeight.
QFont skinFont(const std::string& name, int height, const SkinFontStyle& style);
QFont skinFont(const FontDescription& description);

}  // namespace veyrin
