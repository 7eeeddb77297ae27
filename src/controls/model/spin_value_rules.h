#pragma once
// The number rules of the font-size box: reading its text as a number, keeping a value inside the
// limits, the characters a user may type, its height and where its arrow pair sits, and when a held
// arrow repeats.

#include <string_view>

namespace veyrin {

struct SpinLimits {
    int minValue = 0;
    int maxValue = 0;  // equal limits mean no limits
};

int limitSpinValue(int value, SpinLimits limits);

// value + step, limited; a sum beyond the integer range stops at its end instead of wrapping.
int steppedSpinValue(int value, int step, SpinLimits limits);

// The text as a decimal integer (optional leading blanks and sign); a text that is not a valid
// integer, an empty one included, or one that does not fit reads as the lower limit.
int spinValueFromText(std::string_view text, SpinLimits limits);

// Whether a typed character (its code) may enter the field: '+', '-', the digits, the decimal
// separator and control characters below 32 except Enter; with the editor disabled only control
// characters other than Backspace.
bool spinAcceptsChar(char32_t code, bool editorEnabled, char32_t decimalSeparator);

// Heights from the font's text-metric height: the flat edit's own height, and the least height at
// which the arrow pair still fits.
int flatEditHeightForText(int textHeight);
int spinEditMinimumHeight(int textHeight);

constexpr int kFlatEditFrameWidth = 3;
constexpr int kSpinArrowPairWidth = 22;
constexpr int kSpinArrowButtonWidth = 11;
constexpr int kSpinDownButtonLeft = 10;  // the two buttons overlap by one pixel

// Placement inside the client area (the widget less its frame): the arrow pair at
// (client width + frame*2 - pair width - 5, 0), height client height; the text area left of it.
struct SpinClientGeometry {
    int arrowLeft;
    int arrowHeight;
    int textWidth;
};
SpinClientGeometry spinClientGeometry(int widgetWidth, int widgetHeight);

// Auto-repeat of a held arrow: the first repeat after 400 ms, then every 100 ms.
constexpr int kSpinFirstRepeatMs = 400;
constexpr int kSpinRepeatPeriodMs = 100;

}  // namespace veyrin
