#pragma once
// The caption buttons a window offers. A button whose command is not offered is drawn disabled
// (or hidden when its look lives outside the frame picture) and never runs.

#include <cstdint>
#include <initializer_list>

namespace veyrin {

enum class TbsBorderIcon : std::uint8_t { biSystemMenu = 0, biMinimize, biMaximize, biRollUp, biMinimizeToTray };

class TbsBorderIcons {
public:
    constexpr TbsBorderIcons() = default;
    constexpr TbsBorderIcons(std::initializer_list<TbsBorderIcon> icons) {
        for (TbsBorderIcon icon : icons) bits_ = static_cast<std::uint8_t>(bits_ | bit(icon));
    }
    constexpr bool contains(TbsBorderIcon icon) const { return (bits_ & bit(icon)) != 0; }
    friend constexpr bool operator==(const TbsBorderIcons&, const TbsBorderIcons&) = default;

private:
    static constexpr std::uint8_t bit(TbsBorderIcon icon) { return static_cast<std::uint8_t>(1u << static_cast<unsigned>(icon)); }
    std::uint8_t bits_ = 0;
};

// What a frame offers when the window says nothing.
inline constexpr TbsBorderIcons kDefaultBorderIcons{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize,
                                                     TbsBorderIcon::biMaximize, TbsBorderIcon::biRollUp};

}  // namespace veyrin
