#include <gtest/gtest.h>

#include "controls/model/theme_table.h"

using namespace veyrin;

namespace {
constexpr TsuiUIStyle kBuiltIn[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                                    TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass};
}

TEST(ThemeTable, ColoursOfEachStyle) {
    const TColor buttonFace[] = {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7};
    const TColor caption[] = {0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    const TColor border[] = {0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(themeColor(kBuiltIn[i], themepos::ButtonFaceColour), buttonFace[i]) << i;
        EXPECT_EQ(themeColor(kBuiltIn[i], themepos::CaptionFontColour), caption[i]) << i;
        EXPECT_EQ(themeColor(kBuiltIn[i], themepos::BorderColour), border[i]) << i;
    }
}

TEST(ThemeTable, BitmapNamesFollowStylePrefixAndElement) {
    EXPECT_EQ(themeBitmapName(TsuiUIStyle::MacOS, 1), "MACOS_BUTTON");
    EXPECT_EQ(themeBitmapName(TsuiUIStyle::WinXP, 3), "WINXP_CHECKBOX");
    EXPECT_EQ(themeBitmapName(TsuiUIStyle::Protein, 4), "PROTEIN_RADIOBUTTON");
    EXPECT_EQ(themeBitmapName(TsuiUIStyle::BlueGlass, 42), "BLUEGLASS_SIDECHENNEL_BAR");
    EXPECT_EQ(themeBitmapName(TsuiUIStyle::DeepBlue, 1), "DEEPBLUE_BUTTON");
}

TEST(ThemeTable, ButtonTransparencyOnlyForRoundedStyles) {
    const bool expected[] = {true, false, false, false, true};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(themeBoolean(kBuiltIn[i], themepos::ButtonTransparent), expected[i]) << i;
}

TEST(ThemeTable, KindMismatchGivesZeroFalseOrNothing) {
    EXPECT_EQ(themeColor(TsuiUIStyle::MacOS, themepos::ButtonSkin), 0);
    EXPECT_EQ(themeColor(TsuiUIStyle::MacOS, themepos::ButtonTransparent), 0);
    EXPECT_FALSE(themeBoolean(TsuiUIStyle::MacOS, themepos::BorderColour));
    EXPECT_EQ(themeBitmapName(TsuiUIStyle::MacOS, themepos::BorderColour), "");
    EXPECT_EQ(themeInteger(TsuiUIStyle::MacOS, themepos::BorderColour), 0);
    for (int outside : {0, -1, 43, 1000}) {
        EXPECT_EQ(themeKind(outside), ThemeKind::None);
        EXPECT_EQ(themeColor(TsuiUIStyle::MacOS, outside), 0);
        EXPECT_EQ(themeBitmapName(TsuiUIStyle::MacOS, outside), "");
    }
}

TEST(ThemeTable, FromThemeFileAndUnknownStylesReadTheDeepBlueTable) {
    EXPECT_EQ(themeBitmapName(TsuiUIStyle::FromThemeFile, 1), "DEEPBLUE_BUTTON");
    EXPECT_EQ(themeColor(TsuiUIStyle::FromThemeFile, 15), 0xE8E8E8);
    EXPECT_EQ(themeBitmapName(static_cast<TsuiUIStyle>(9), 1), "DEEPBLUE_BUTTON");
}
