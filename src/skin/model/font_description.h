#pragma once
// A font as the skin components keep it: face, height in pixels (negative: character height,
// positive: cell height with the internal leading), style, colour and character set.

#include <string>

#include "platform/model/color.h"
#include "skin/model/skin_data.h"

namespace veyrin {

inline constexpr int kAnsiCharset = 0;
inline constexpr int kDefaultCharset = 1;
inline constexpr int kGb2312Charset = 134;

struct FontDescription {
    std::string name;
    int height = 0;
    SkinFontStyle style;
    TColor color = clWindowText;
    int charset = kDefaultCharset;
    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

}  // namespace veyrin
