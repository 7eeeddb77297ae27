#include "skin/model/menu_opener_click.h"

#include <gtest/gtest.h>

using namespace veyrin;

namespace {

// The main window's system-menu button at the window's top-left corner 100, 200.
constexpr MenuOpener kOpener{{107, 205, 130, 229}, 10'000};
constexpr int kDoubleClickTime = 400;

}  // namespace

TEST(MenuOpenerClick, OnlyAPressOnTheButtonItselfCounts) {
    EXPECT_TRUE(isSecondClickOnOpener(kOpener, 118, 217, 10'080, kDoubleClickTime));
    EXPECT_TRUE(isSecondClickOnOpener(kOpener, 107, 205, 10'080, kDoubleClickTime));
    EXPECT_TRUE(isSecondClickOnOpener(kOpener, 129, 228, 10'080, kDoubleClickTime));
    // Right and bottom edges are outside the button, as is the caption beside it.
    EXPECT_FALSE(isSecondClickOnOpener(kOpener, 130, 217, 10'080, kDoubleClickTime));
    EXPECT_FALSE(isSecondClickOnOpener(kOpener, 118, 229, 10'080, kDoubleClickTime));
    EXPECT_FALSE(isSecondClickOnOpener(kOpener, 106, 217, 10'080, kDoubleClickTime));
    EXPECT_FALSE(isSecondClickOnOpener(kOpener, 300, 217, 10'080, kDoubleClickTime));
}

TEST(MenuOpenerClick, OnlyWithinTheDoubleClickTime) {
    EXPECT_TRUE(isSecondClickOnOpener(kOpener, 118, 217, 10'000 + kDoubleClickTime - 1, kDoubleClickTime));
    EXPECT_FALSE(isSecondClickOnOpener(kOpener, 118, 217, 10'000 + kDoubleClickTime, kDoubleClickTime));
    EXPECT_FALSE(isSecondClickOnOpener(kOpener, 118, 217, 12'000, kDoubleClickTime));
    // A press stamped before the opening one (another clock, or one from before the menu) is not
    // a quick second press, however small the difference would look unsigned.
    EXPECT_FALSE(isSecondClickOnOpener(kOpener, 118, 217, 9'990, kDoubleClickTime));
    EXPECT_FALSE(isSecondClickOnOpener(kOpener, 118, 217, 10'080, 0));
}
