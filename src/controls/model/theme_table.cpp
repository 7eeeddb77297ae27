#include "controls/model/theme_table.h"

#include <array>

namespace veyrin {
namespace {

constexpr int kStyleCount = 5;  // MacOS .. BlueGlass

struct ThemeRow {
    int position;
    ThemeKind kind;
    // One value per built-in style, MacOS first: a colour or boolean in `values`, a bitmap
    // element name (after the style prefix) in `element`.
    std::array<std::int32_t, kStyleCount> values;
    const char* element;
};

constexpr std::array<const char*, kStyleCount> kStylePrefix = {"MACOS", "WINXP", "DEEPBLUE", "PROTEIN",
                                                                "BLUEGLASS"};

constexpr std::array<ThemeRow, 8> kRows = {{
    {themepos::ButtonSkin, ThemeKind::Bitmap, {}, "BUTTON"},
    {themepos::ButtonTransparent, ThemeKind::Boolean, {1, 0, 0, 0, 1}, nullptr},
    {themepos::CheckBoxPicture, ThemeKind::Bitmap, {}, "CHECKBOX"},
    {themepos::RadioButtonPicture, ThemeKind::Bitmap, {}, "RADIOBUTTON"},
    {themepos::ButtonFaceColour, ThemeKind::Colour, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}, nullptr},
    {themepos::CaptionFontColour, ThemeKind::Colour, {0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}, nullptr},
    {themepos::BorderColour, ThemeKind::Colour, {0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000}, nullptr},
    {themepos::TitleStrip, ThemeKind::Bitmap, {}, "SIDECHENNEL_BAR"},
}};

const ThemeRow* findRow(int position) {
    for (const ThemeRow& row : kRows)
        if (row.position == position) return &row;
    return nullptr;
}

int styleSlot(TsuiUIStyle style) { return static_cast<int>(builtInStyle(style)) - 1; }

const ThemeRow* rowOfKind(int position, ThemeKind kind) {
    const ThemeRow* row = findRow(position);
    return row && row->kind == kind ? row : nullptr;
}

}  // namespace

ThemeKind themeKind(int position) {
    const ThemeRow* row = findRow(position);
    return row ? row->kind : ThemeKind::None;
}

TsuiUIStyle builtInStyle(TsuiUIStyle style) {
    int value = static_cast<int>(style);
    return value >= 1 && value <= kStyleCount ? style : TsuiUIStyle::DeepBlue;
}

TColor themeColor(TsuiUIStyle style, int position) {
    const ThemeRow* row = rowOfKind(position, ThemeKind::Colour);
    return row ? row->values[styleSlot(style)] : 0;
}

bool themeBoolean(TsuiUIStyle style, int position) {
    const ThemeRow* row = rowOfKind(position, ThemeKind::Boolean);
    return row ? row->values[styleSlot(style)] != 0 : false;
}

std::int32_t themeInteger(TsuiUIStyle style, int position) {
    const ThemeRow* row = rowOfKind(position, ThemeKind::Integer);
    return row ? row->values[styleSlot(style)] : 0;
}

std::string themeBitmapName(TsuiUIStyle style, int position) {
    const ThemeRow* row = rowOfKind(position, ThemeKind::Bitmap);
    if (!row) return {};
    return std::string(kStylePrefix[styleSlot(style)]) + "_" + row->element;
}

}  // namespace veyrin
