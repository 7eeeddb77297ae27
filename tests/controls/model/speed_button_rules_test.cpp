#include <gtest/gtest.h>

#include "controls/model/speed_button_layout.h"
#include "controls/model/speed_button_look.h"

namespace veyrin {
namespace {

SpeedButtonLayoutInput mainWindowButton() {
    SpeedButtonLayoutInput in;
    in.client = {49, 54};
    in.glyph = {32, 32};
    in.caption = {24, 12};
    return in;
}

TEST(SpeedButtonLayout, MainWindowButtonStacksGlyphOverCaption) {
    SpeedButtonLayout layout = layoutSpeedButton(mainWindowButton());
    EXPECT_EQ(layout.glyphPos, (LayoutPoint{9, 3}));
    EXPECT_EQ(layout.textBounds, (LayoutRect{13, 39, 37, 51}));
}

TEST(SpeedButtonLayout, PressedContentsMoveOnePixel) {
    SpeedButtonLayoutInput in = mainWindowButton();
    in.sunken = true;
    SpeedButtonLayout layout = layoutSpeedButton(in);
    EXPECT_EQ(layout.glyphPos, (LayoutPoint{10, 4}));
    EXPECT_EQ(layout.textBounds.left, 14);
    EXPECT_EQ(layout.textBounds.top, 40);
}

TEST(SpeedButtonLayout, BackAndForwardPictures) {
    SpeedButtonLayoutInput in = mainWindowButton();
    in.glyph = {27, 28};
    SpeedButtonLayout layout = layoutSpeedButton(in);
    EXPECT_EQ(layout.glyphPos, (LayoutPoint{11, 5}));  // (49-27+1) div 2, (54-44+1) div 2
    EXPECT_EQ(layout.textBounds.top, 5 + 28 + 4);
}

TEST(SpeedButtonLayout, SpacingDropsWithoutCaptionOrGlyph) {
    SpeedButtonLayoutInput in = mainWindowButton();
    in.caption = {0, 0};
    EXPECT_EQ(layoutSpeedButton(in).glyphPos.y, (54 - 32 + 1) / 2);
    in = mainWindowButton();
    in.glyph = {0, 0};
    EXPECT_EQ(layoutSpeedButton(in).textBounds.top, (54 - 12 + 1) / 2);
}

TEST(SpeedButtonLayout, SideLayoutsUseTheWidth) {
    SpeedButtonLayoutInput in;
    in.client = {100, 20};
    in.glyph = {16, 16};
    in.caption = {30, 12};
    in.layout = TButtonLayout::blGlyphLeft;
    SpeedButtonLayout left = layoutSpeedButton(in);
    // margin (100 - 50 + 1) div 2 = 25
    EXPECT_EQ(left.glyphPos, (LayoutPoint{25, 2}));
    EXPECT_EQ(left.textBounds, (LayoutRect{45, 4, 75, 16}));
    in.layout = TButtonLayout::blGlyphRight;
    SpeedButtonLayout right = layoutSpeedButton(in);
    EXPECT_EQ(right.glyphPos.x, 100 - 25 - 16);
    EXPECT_EQ(right.textBounds.left, 59 - 4 - 30);
}

TEST(SpeedButtonLayout, AutomaticSpacingSharesTheFreeSpace) {
    SpeedButtonLayoutInput in;
    in.client = {100, 20};
    in.glyph = {16, 16};
    in.caption = {30, 12};
    in.layout = TButtonLayout::blGlyphLeft;
    in.spacing = -1;
    SpeedButtonLayout layout = layoutSpeedButton(in);
    EXPECT_EQ(layout.glyphPos.x, 18);           // (100 - 46) div 3
    EXPECT_EQ(layout.textBounds.left, 18 + 16 + 18);
    in.margin = 4;
    layout = layoutSpeedButton(in);
    EXPECT_EQ(layout.textBounds.left, 4 + 16 + (100 - 4 - 16 - 30) / 2);
}

TEST(SpeedButtonLayout, ArrowGlyphsOfTheSpinEdit) {
    SpeedButtonLayoutInput in;
    in.client = {11, 16};
    in.glyph = {5, 5};
    in.margin = 2;
    EXPECT_EQ(layoutSpeedButton(in).glyphPos, (LayoutPoint{3, 2}));
    in.layout = TButtonLayout::blGlyphBottom;
    EXPECT_EQ(layoutSpeedButton(in).glyphPos, (LayoutPoint{3, 9}));
}

TEST(SpeedButtonLook, BackgroundPerModeAndState) {
    SpeedButtonColors colors{1, 2, 3, 4, 5, 6};
    using S = SpeedButtonState;
    EXPECT_EQ(speedButtonBackground(TTransparentMode::tmNone, S::Up, false, colors), 1);
    EXPECT_EQ(speedButtonBackground(TTransparentMode::tmNone, S::Up, true, colors), 2);
    EXPECT_EQ(speedButtonBackground(TTransparentMode::tmNone, S::Disabled, true, colors), 1);
    EXPECT_EQ(speedButtonBackground(TTransparentMode::tmNone, S::Pressed, true, colors), 3);
    EXPECT_EQ(speedButtonBackground(TTransparentMode::tmNone, S::Latched, false, colors), 3);
    EXPECT_EQ(speedButtonBackground(TTransparentMode::tmNone, S::Latched, true, colors), 2);
    EXPECT_FALSE(speedButtonBackground(TTransparentMode::tmNotFocused, S::Pressed, false, colors));
    EXPECT_EQ(speedButtonBackground(TTransparentMode::tmNotFocused, S::Pressed, true, colors), 3);
    EXPECT_EQ(speedButtonBackground(TTransparentMode::tmNotFocused, S::Latched, true, colors), 2);
    EXPECT_FALSE(speedButtonBackground(TTransparentMode::tmAlways, S::Pressed, true, colors));
}

TEST(SpeedButtonLook, BorderPerState) {
    EXPECT_EQ(speedButtonBorder(SpeedButtonState::Up, false), SpeedButtonBorder::Flat);
    EXPECT_EQ(speedButtonBorder(SpeedButtonState::Up, true), SpeedButtonBorder::Raised);
    EXPECT_EQ(speedButtonBorder(SpeedButtonState::Disabled, true), SpeedButtonBorder::Flat);
    EXPECT_EQ(speedButtonBorder(SpeedButtonState::Latched, false), SpeedButtonBorder::Sunken);
}

TEST(SpeedButtonLook, GlyphPicturePerState) {
    using S = SpeedButtonState;
    EXPECT_EQ(glyphIndexForState(1, S::Disabled), 0);
    EXPECT_EQ(glyphIndexForState(2, S::Disabled), 1);
    EXPECT_EQ(glyphIndexForState(2, S::Pressed), 0);
    EXPECT_EQ(glyphIndexForState(3, S::Latched), 2);
    EXPECT_EQ(glyphIndexForState(3, S::Pressed), 2);
    EXPECT_EQ(glyphIndexForState(4, S::Pressed), 2);
    EXPECT_EQ(glyphIndexForState(4, S::Latched), 3);
}

TEST(SpeedButtonLook, StripCounts) {
    EXPECT_EQ(numGlyphsForStrip(64, 32, 1), 2);
    EXPECT_EQ(numGlyphsForStrip(31, 32, 1), 1);
    EXPECT_EQ(numGlyphsForStrip(31, 32, 3), 3);
    EXPECT_EQ(numGlyphsForStrip(128, 32, 1), 4);
    EXPECT_EQ(numGlyphsForStrip(160, 32, 3), 1);
}

TEST(SpeedButtonLook, ReleaseTestIncludesTheRowBelowOnly) {
    EXPECT_TRUE(isPointOnSpeedButton(0, 0, 49, 54));
    EXPECT_TRUE(isPointOnSpeedButton(48, 54, 49, 54));
    EXPECT_FALSE(isPointOnSpeedButton(49, 10, 49, 54));
    EXPECT_FALSE(isPointOnSpeedButton(10, 55, 49, 54));
    EXPECT_FALSE(isPointOnSpeedButton(-1, 10, 49, 54));
}

TEST(SpeedButtonLook, SettlingAfterReEnabling) {
    using S = SpeedButtonState;
    EXPECT_EQ(settledState(S::Pressed, false, false, 0), S::Disabled);
    EXPECT_EQ(settledState(S::Disabled, true, true, 2), S::Latched);
    EXPECT_EQ(settledState(S::Disabled, true, true, 0), S::Up);
    EXPECT_EQ(settledState(S::Pressed, true, false, 0), S::Pressed);
}

}  // namespace
}  // namespace veyrin
