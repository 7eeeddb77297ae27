#include "platform/model/color.h"

#include <array>

namespace veyrin {
namespace {

// The classic system palette (0x00BBGGRR), one entry per system colour index.
constexpr std::array<std::uint32_t, 31> kClassicSystemColors = {
    0xC8D0D4,  // scroll bar
    0xA56E3A,  // desktop
    0x6A240A,  // active caption
    0x808080,  // inactive caption
    0xC8D0D4,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC8D0D4,  // active border
    0xC8D0D4,  // inactive border
    0x808080,  // app workspace
    0x6A240A,  // highlight
    0xFFFFFF,  // highlight text
    0xC8D0D4,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC8D0D4,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x404040,  // 3-D dark shadow
    0xC8D0D4,  // 3-D light
    0x000000,  // info text
    0xE1FFFF,  // info background
    0xB5B5B5,  // (unused)
    0x800000,  // hot light
    0xF0CAA6,  // gradient active caption
    0xC0C0C0,  // gradient inactive caption
    0x6A240A,  // menu highlight
    0xC8D0D4,  // menu bar
};

}  // namespace

std::uint32_t colorToRgb(TColor color) {
    auto value = static_cast<std::uint32_t>(color);
    if (isSystemColor(color)) {
        std::uint32_t index = value & 0xFF;
        return index < kClassicSystemColors.size() ? kClassicSystemColors[index] : 0;
    }
    return value & 0x00FFFFFF;
}

}  // namespace veyrin
