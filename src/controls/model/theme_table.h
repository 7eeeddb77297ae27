#pragma once
// The built-in theme tables: 42 numbered positions per style, each of one kind that is the same
// for every style. Only the rows the program's themed controls read are filled in; every other
// position answers as "no entry", which the typed lookups treat like a kind mismatch.

#include <cstdint>
#include <string>

#include "controls/model/ui_style.h"
#include "platform/model/color.h"

namespace veyrin {

enum class ThemeKind { None = -1, Integer = 0, Colour = 1, Bitmap = 2, Boolean = 3 };

// Positions the controls read.
namespace themepos {
constexpr int ButtonSkin = 1;
constexpr int ButtonTransparent = 2;
constexpr int CheckBoxPicture = 3;
constexpr int RadioButtonPicture = 4;
constexpr int ButtonFaceColour = 15;
constexpr int CaptionFontColour = 20;
constexpr int BorderColour = 25;
constexpr int TitleStrip = 42;
}  // namespace themepos

constexpr int kThemePositionCount = 42;

ThemeKind themeKind(int position);

// The program loads no theme file, so FromThemeFile, like any value outside the five built-in
// styles, reads as DeepBlue.
TsuiUIStyle builtInStyle(TsuiUIStyle style);

// Typed lookups on the built-in tables; FromThemeFile reads the DeepBlue table. A position of
// another kind (or outside 1..42) gives 0, false or an empty name.
TColor themeColor(TsuiUIStyle style, int position);
bool themeBoolean(TsuiUIStyle style, int position);
std::int32_t themeInteger(TsuiUIStyle style, int position);
std::string themeBitmapName(TsuiUIStyle style, int position);

}  // namespace veyrin
