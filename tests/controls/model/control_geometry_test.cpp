#include <gtest/gtest.h>

#include "controls/model/button_layout.h"
#include "controls/model/check_box_geometry.h"
#include "controls/model/panel_fold.h"

using namespace veyrin;

TEST(CheckBoxGeometry, AutoSizeFollowsPictureAndCaption) {
    // MacOS box 15 x 17, 12-pixel font: "显示水线" is four 12-pixel characters.
    EXPECT_EQ(checkBoxAutoSize({15, 17, 12, 48}), (ControlSize{71, 21}));
    // A tall font outgrows the picture.
    EXPECT_EQ(checkBoxAutoSize({13, 13, 20, 30}), (ControlSize{51, 26}));
    EXPECT_EQ(checkBoxAutoSize({0, 0, 12, 0}), (ControlSize{8, 18}));
}

TEST(CheckBoxGeometry, PictureCaptionAndFocusMarkPlaces) {
    CheckBoxLayout layout = checkBoxLayout({16, 17, 12, 48}, 72, 21);
    EXPECT_EQ(layout.picture, rectAt(1, 2, 16, 17));
    EXPECT_EQ(layout.caption, (PixelRect{20, 4, 72, 21}));
    EXPECT_EQ(layout.focusMark, (PixelRect{19, 4, 72, 18}));
}

TEST(CheckBoxGeometry, FrameByState) {
    EXPECT_EQ(checkBoxFrame(true, true), 1);
    EXPECT_EQ(checkBoxFrame(false, true), 2);
    EXPECT_EQ(checkBoxFrame(true, false), 3);
    EXPECT_EQ(checkBoxFrame(false, false), 4);
}

TEST(PanelFold, NotesPanelFoldsAndUnfoldsInFifteenPixelSteps) {
    EXPECT_EQ(foldSteps(145, foldedPanelHeight(21)), (std::vector<int>{130, 115, 100, 85, 70, 55, 40, 25}));
    EXPECT_EQ(unfoldSteps(21, 145), (std::vector<int>{36, 51, 66, 81, 96, 111, 126, 141}));
    EXPECT_TRUE(foldSteps(30, 21).empty());
    EXPECT_TRUE(unfoldSteps(145, 145).empty());
    EXPECT_EQ(foldedPanelHeight(0), 20);
}

TEST(PanelFold, FoldButtonPlaceAndHitIncludesEdges) {
    EXPECT_EQ(foldButtonHitRect(817, 21), rectAt(799, 4, 13, 12));
    EXPECT_EQ(foldButtonPictureRect(817, 21), rectAt(800, 4, 13, 12));
    EXPECT_TRUE(foldButtonHit(817, 21, 799, 4));
    EXPECT_TRUE(foldButtonHit(817, 21, 812, 16));
    EXPECT_FALSE(foldButtonHit(817, 21, 798, 10));
    EXPECT_FALSE(foldButtonHit(817, 21, 805, 17));
    EXPECT_EQ(foldButtonFrame(true, false), 1);
    EXPECT_EQ(foldButtonFrame(true, true), 2);
    EXPECT_EQ(foldButtonFrame(false, false), 3);
    EXPECT_EQ(foldButtonFrame(false, true), 4);
}

TEST(PanelFold, ChildrenLieBelowTheStripInsideTheBevel) {
    EXPECT_EQ(panelContentMargins(21), (Margins{4, 24, 4, 4}));
}

TEST(ButtonLayout, SkinFrameByState) {
    EXPECT_EQ(buttonSkinFrame(true, false, false), 1);
    EXPECT_EQ(buttonSkinFrame(true, false, true), 2);
    EXPECT_EQ(buttonSkinFrame(true, true, true), 3);
    EXPECT_EQ(buttonSkinFrame(false, true, true), 1);
}

TEST(ButtonLayout, GlyphAndCaptionPlacesForEachLayout) {
    const ControlSize button{80, 27}, glyph{16, 16}, caption{24, 12};
    GlyphPlacement left = placeGlyph(TButtonLayout::blGlyphLeft, button, glyph, caption, 4);
    EXPECT_EQ(left.glyph, (Point{18, 5}));
    EXPECT_EQ(left.caption, (Point{38, 7}));
    GlyphPlacement right = placeGlyph(TButtonLayout::blGlyphRight, button, glyph, caption, 4);
    EXPECT_EQ(right.glyph, (Point{46, 5}));
    EXPECT_EQ(right.caption, (Point{18, 7}));
    GlyphPlacement top = placeGlyph(TButtonLayout::blGlyphTop, button, glyph, caption, 4);
    EXPECT_EQ(top.glyph, (Point{32, -2}));
    EXPECT_EQ(top.caption, (Point{28, 18}));
    GlyphPlacement bottom = placeGlyph(TButtonLayout::blGlyphBottom, button, glyph, caption, 4);
    EXPECT_EQ(bottom.glyph, (Point{32, 13}));
    EXPECT_EQ(bottom.caption, (Point{28, -3}));
}

TEST(ButtonLayout, AutoSizeIsOneFrameOfTheSkin) {
    EXPECT_EQ(buttonAutoSize(252, 23), (ControlSize{84, 23}));
    EXPECT_EQ(buttonAutoSize(54, 21), (ControlSize{18, 21}));
    EXPECT_EQ(buttonAutoSize(0, 0), (ControlSize{24, 21}));
}
