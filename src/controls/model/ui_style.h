#pragma once
// The look of the themed controls, chosen by one property per control.

namespace veyrin {

enum class TsuiUIStyle : int { FromThemeFile = 0, MacOS = 1, WinXP = 2, DeepBlue = 3, Protein = 4, BlueGlass = 5 };

}  // namespace veyrin
