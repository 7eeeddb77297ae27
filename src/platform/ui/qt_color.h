#pragma once

#include <QColor>

#include "platform/model/color.h"

namespace veyrin {

inline QColor toQColor(TColor color) {
    std::uint32_t bgr = colorToRgb(color);
    return QColor(redOf(bgr), greenOf(bgr), blueOf(bgr));
}

inline TColor fromQColor(const QColor& color) {
    return static_cast<TColor>(static_cast<std::uint32_t>(color.red()) |
                               (static_cast<std::uint32_t>(color.green()) << 8) |
                               (static_cast<std::uint32_t>(color.blue()) << 16));
}

}  // namespace veyrin
