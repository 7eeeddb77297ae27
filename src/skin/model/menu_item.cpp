#include "skin/model/menu_item.h"

namespace veyrin {

std::string menuCaptionText(const std::string& caption) {
    std::string text;
    text.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // keeps the second of "&&"
        else if (caption[i] == '&') continue;
        text += caption[i];
    }
    return text;
}

char menuAccelerator(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        char next = caption[i + 1];
        if (next == '&') {
            ++i;
            continue;
        }
        if (next >= 'A' && next <= 'Z') return static_cast<char>(next - 'A' + 'a');
        // A lead byte of a multi-byte character cannot be typed as a single key.
        return (static_cast<unsigned char>(next) < 0x80) ? next : 0;
    }
    return 0;
}

std::string menuMeasuredText(const TbsMenuItem& item) {
    std::string text = menuCaptionText(item.caption);
    if (!item.shortCut.empty()) text += "  " + item.shortCut;
    return text;
}

}  // namespace veyrin
