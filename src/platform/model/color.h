#pragma once
// Colours are 32-bit values as the settings file and the skin files store them: 0x00BBGGRR for an
// RGB colour; a top byte of 0x80 names a system colour by its index in the low byte (stored as a
// negative number); 0x1FFFFFFF means "no colour".

#include <cstdint>

namespace veyrin {

using TColor = std::int32_t;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor systemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<std::uint32_t>(index)); }

// System colour indexes of the classic palette.
enum SystemColorIndex : int {
    COLOR_SCROLLBAR = 0, COLOR_BACKGROUND = 1, COLOR_ACTIVECAPTION = 2, COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4, COLOR_WINDOW = 5, COLOR_WINDOWFRAME = 6, COLOR_MENUTEXT = 7, COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9, COLOR_ACTIVEBORDER = 10, COLOR_INACTIVEBORDER = 11, COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13, COLOR_HIGHLIGHTTEXT = 14, COLOR_BTNFACE = 15, COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17, COLOR_BTNTEXT = 18, COLOR_INACTIVECAPTIONTEXT = 19, COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21, COLOR_3DLIGHT = 22, COLOR_INFOTEXT = 23, COLOR_INFOBK = 24,
    COLOR_HOTLIGHT = 26, COLOR_GRADIENTACTIVECAPTION = 27, COLOR_GRADIENTINACTIVECAPTION = 28,
    COLOR_MENUHILIGHT = 29, COLOR_MENUBAR = 30
};

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;

constexpr TColor clWindow = systemColor(COLOR_WINDOW);
constexpr TColor clWindowText = systemColor(COLOR_WINDOWTEXT);
constexpr TColor clBtnFace = systemColor(COLOR_BTNFACE);
constexpr TColor clBtnShadow = systemColor(COLOR_BTNSHADOW);
constexpr TColor clBtnHighlight = systemColor(COLOR_BTNHIGHLIGHT);
constexpr TColor clBtnText = systemColor(COLOR_BTNTEXT);
constexpr TColor clGrayText = systemColor(COLOR_GRAYTEXT);
constexpr TColor clHighlight = systemColor(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = systemColor(COLOR_HIGHLIGHTTEXT);
constexpr TColor clInfoBk = systemColor(COLOR_INFOBK);
constexpr TColor clInfoText = systemColor(COLOR_INFOTEXT);
constexpr TColor cl3DDkShadow = systemColor(COLOR_3DDKSHADOW);
constexpr TColor cl3DLight = systemColor(COLOR_3DLIGHT);

constexpr bool isSystemColor(TColor c) { return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0x80000000u; }

// Resolves a colour to 0x00RRGGBB-free form: returns 0x00BBGGRR with system colours replaced by
// their fixed classic values, so every machine paints the same picture.
std::uint32_t colorToRgb(TColor color);

constexpr int redOf(std::uint32_t bgr) { return static_cast<int>(bgr & 0xFF); }
constexpr int greenOf(std::uint32_t bgr) { return static_cast<int>((bgr >> 8) & 0xFF); }
constexpr int blueOf(std::uint32_t bgr) { return static_cast<int>((bgr >> 16) & 0xFF); }

}  // namespace veyrin
