#include "skin/ui/skin_font.h"

#include "platform/ui/font_faces.h"
#include "platform/ui/gbk_qt.h"

namespace veyrin {

QFont skinFont(const std::string& name, int height, const SkinFontStyle& style) {
    QFont font(gbkToQString(name));
    // Bold faces can have a taller cell, so the style is set before the height is fitted.
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
    setFontHeight(font, height);
    return font;
}

QFont skinFont(const FontDescription& description) {
    return skinFont(description.name, description.height, description.style);
}

}  // namespace veyrin
