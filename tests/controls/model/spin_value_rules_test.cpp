#include <gtest/gtest.h>

#include "controls/model/color_shading.h"
#include "controls/model/spin_value_rules.h"

namespace veyrin {
namespace {

constexpr SpinLimits kFontSizes{9, 24};

TEST(SpinValueRules, LimitsClampUnlessEqual) {
    EXPECT_EQ(limitSpinValue(30, kFontSizes), 24);
    EXPECT_EQ(limitSpinValue(3, kFontSizes), 9);
    EXPECT_EQ(limitSpinValue(11, kFontSizes), 11);
    EXPECT_EQ(limitSpinValue(-99, SpinLimits{4, 4}), -99);
}

TEST(SpinValueRules, StepsStopAtTheIntegerRange) {
    EXPECT_EQ(steppedSpinValue(23, 1, kFontSizes), 24);
    EXPECT_EQ(steppedSpinValue(24, 1, kFontSizes), 24);
    EXPECT_EQ(steppedSpinValue(INT32_MAX, 1, SpinLimits{}), INT32_MAX);
    EXPECT_EQ(steppedSpinValue(INT32_MIN, -5, SpinLimits{}), INT32_MIN);
}

TEST(SpinValueRules, TextReadsAsNumberOrLowerLimit) {
    EXPECT_EQ(spinValueFromText("30", kFontSizes), 30);
    EXPECT_EQ(spinValueFromText("  -7", kFontSizes), -7);
    EXPECT_EQ(spinValueFromText("+12", kFontSizes), 12);
    EXPECT_EQ(spinValueFromText("", kFontSizes), 9);
    EXPECT_EQ(spinValueFromText("-", kFontSizes), 9);
    EXPECT_EQ(spinValueFromText("1.5", kFontSizes), 9);
    EXPECT_EQ(spinValueFromText("12 ", kFontSizes), 9);
    EXPECT_EQ(spinValueFromText("+-3", kFontSizes), 9);
    EXPECT_EQ(spinValueFromText("-2147483648", kFontSizes), INT32_MIN);
    EXPECT_EQ(spinValueFromText("2147483648", kFontSizes), 9);
    EXPECT_EQ(spinValueFromText("99999999999999999999999", kFontSizes), 9);
}

TEST(SpinValueRules, CharacterFilter) {
    for (char32_t c : U"0123456789+-.") EXPECT_TRUE(c == 0 || spinAcceptsChar(c, true, U'.')) << int(c);
    EXPECT_FALSE(spinAcceptsChar(U'a', true, U'.'));
    EXPECT_FALSE(spinAcceptsChar(U' ', true, U'.'));
    EXPECT_FALSE(spinAcceptsChar(U',', true, U'.'));
    EXPECT_TRUE(spinAcceptsChar(U',', true, U','));
    EXPECT_FALSE(spinAcceptsChar(13, true, U'.'));
    EXPECT_TRUE(spinAcceptsChar(8, true, U'.'));
    EXPECT_TRUE(spinAcceptsChar(3, true, U'.'));
    EXPECT_FALSE(spinAcceptsChar(U'\x5B57', true, U'.'));  // 字
}

TEST(SpinValueRules, DisabledEditorRefusesTypingAndBackspace) {
    EXPECT_FALSE(spinAcceptsChar(U'5', false, U'.'));
    EXPECT_FALSE(spinAcceptsChar(8, false, U'.'));
    EXPECT_TRUE(spinAcceptsChar(27, false, U'.'));
}

TEST(SpinValueRules, HeightsForTheFontSizeBox) {
    EXPECT_EQ(flatEditHeightForText(15), 21);
    EXPECT_EQ(spinEditMinimumHeight(15), 22);
}

TEST(SpinValueRules, ArrowPairPlacement) {
    SpinClientGeometry g = spinClientGeometry(49, 22);
    EXPECT_EQ(g.arrowLeft, 22);
    EXPECT_EQ(g.arrowHeight, 16);
    EXPECT_EQ(g.textWidth, 43 - 22 - 3);
}

TEST(ColorShading, StepsMoveLuminanceOnly) {
    EXPECT_EQ(lighterShade(0xE1EAEB, 0), 0xE1EAEB);
    EXPECT_EQ(darkerShade(0x336699, 0), 0x336699);
    EXPECT_EQ(lighterShade(0x336699, 100), 0xFFFFFF);
    EXPECT_EQ(darkerShade(0x336699, 100), 0x000000);
    EXPECT_EQ(darkerShade(0x808080, 50), 0x404040);
    TColor lighter = lighterShade(0x0000C0, 50);  // pure red keeps its hue
    EXPECT_EQ(blueOf(static_cast<std::uint32_t>(lighter)), greenOf(static_cast<std::uint32_t>(lighter)));
    EXPECT_GT(redOf(static_cast<std::uint32_t>(lighter)), 0xC0);
    EXPECT_EQ(lighterShade(clBtnFace, 0), 0xC8D0D4);
}

}  // namespace
}  // namespace veyrin
