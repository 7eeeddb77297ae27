#include "skin/model/menu_level_layout.h"
#include "skin/model/menu_level_position.h"
#include "skin/model/menu_navigation.h"
#include "skin/model/menu_skin.h"

#include <gtest/gtest.h>

using namespace veyrin;

namespace {

// The stored skin's popup window (88 x 80, items 14,3,84,76) and menu item.
struct StoredMenuSkin {
    SkinBitmap popupPicture{88, 80, 8, std::vector<std::uint32_t>(88 * 80), {}};
    SkinBitmap itemPicture{70, 116, 8, std::vector<std::uint32_t>(70 * 116), {}};
    TbsDataSkinPopupWindow popup;
    TbsDataSkinMenuItem item;
    StoredMenuSkin() {
        popup.windowPictureIndex = 1;
        popup.itemsRect = {14, 3, 84, 76};
        item.skinRect = {1, 22, 68, 42};
        item.activeSkinRect = {1, 1, 68, 21};
        item.dividerRect = {0, 41, 68, 46};
        item.textRect = {2, 2, 66, 18};
        item.itemLeftOffset = item.itemRightOffset = 20;
    }
    MenuSkin skin() const { return {&popup, &popupPicture, &item, &itemPicture}; }
};

// Eight pixels per byte keeps the widths easy to follow.
int eightPerByte(const std::string& text) { return 8 * static_cast<int>(text.size()); }

TbsMenuItem item(const std::string& caption, bool enabled = true) {
    TbsMenuItem i;
    i.caption = caption;
    i.enabled = enabled;
    return i;
}

std::vector<TbsMenuItem> readingWindowMenu() {
    TbsMenuItem close = item("Close");
    close.shortCut = "Alt+F4";
    return {TbsMenuItem::separator(), close};
}

}  // namespace

TEST(MenuLevelSize, WithAndWithoutSkin) {
    StoredMenuSkin stored;
    MenuLevelMetrics skinned = menuLevelMetrics(stored.skin(), 20);
    ASSERT_TRUE(skinned.skinned);
    EXPECT_EQ(skinned.itemHeight, 20);
    EXPECT_EQ(skinned.separatorHeight, 5);
    // "Close  Alt+F4" is 13 bytes: 104 + 2, glyph column 19, arrow column 19, picture margin
    // 88 - 70, text insets 2 and 67 - 66.
    MenuLevelSize size = menuLevelSize(readingWindowMenu(), skinned, eightPerByte, 0, 1000);
    EXPECT_EQ(size, (MenuLevelSize{106 + 19 + 19 + 18 + 2 + 1, 25 + 80 - 73, false}));

    MenuLevelMetrics plain = menuLevelMetrics(MenuSkin{}, 20);
    EXPECT_FALSE(plain.skinned);
    EXPECT_EQ(menuLevelSize(readingWindowMenu(), plain, eightPerByte, 0, 1000),
              (MenuLevelSize{106 + 19 + 19 + 10, 24 + 4, false}));

    plain.imageWidth = 16;  // an image list widens the glyph column to its width + 5
    EXPECT_EQ(menuLevelSize(readingWindowMenu(), plain, eightPerByte, 0, 1000).width, 106 + 21 + 19 + 10);
}

TEST(MenuLevelSize, MissingSkinPartsFallBackToBuiltInLook) {
    StoredMenuSkin stored;
    MenuSkin noItem = stored.skin();
    noItem.itemPicture = nullptr;
    EXPECT_FALSE(menuLevelMetrics(noItem, 20).skinned);
    EXPECT_FALSE(menuLevelMetrics(findMenuSkin(nullptr), 20).skinned);
}

TEST(MenuLevelSize, LimitedAndCutLevelsScroll) {
    std::vector<TbsMenuItem> items(12, item("Entry"));
    MenuLevelMetrics plain = builtInMenuMetrics(20);
    MenuLevelSize limited = menuLevelSize(items, plain, eightPerByte, 5, 1000);
    EXPECT_TRUE(limited.scrolls);
    EXPECT_EQ(limited.height, 5 * 20 + 4 + 20);
    EXPECT_FALSE(menuLevelSize(items, plain, eightPerByte, 12, 1000).scrolls);

    MenuLevelSize cut = menuLevelSize(items, plain, eightPerByte, 0, 150);
    EXPECT_EQ(cut.height, 150);
    EXPECT_TRUE(cut.scrolls);

    // Markers take 10 px at each end of the items rectangle: 146 - 20 leaves room for 6 items.
    MenuLevelLayout top = layoutMenuLevel(items, plain, cut, 0);
    EXPECT_EQ(top.visibleItems.size(), 6u);
    EXPECT_EQ(top.itemRects.front().top, 12);
    EXPECT_FALSE(top.canScrollUp);
    EXPECT_TRUE(top.canScrollDown);
    EXPECT_EQ(top.itemAt(50, 12), 0);
    EXPECT_EQ(top.itemAt(50, 5), -1);  // on the marker

    int first = firstVisibleToShow(items, plain, cut, 0, 9);
    MenuLevelLayout scrolled = layoutMenuLevel(items, plain, cut, first);
    EXPECT_EQ(scrolled.visibleItems.back(), 9);
    EXPECT_TRUE(scrolled.canScrollUp);
}

TEST(MenuLevelLayout, SkinnedItemsSitInTheScaledItemsRectangle) {
    StoredMenuSkin stored;
    MenuLevelMetrics m = menuLevelMetrics(stored.skin(), 20);
    auto items = readingWindowMenu();
    MenuLevelSize size{200, 32, false};
    MenuLevelLayout layout = layoutMenuLevel(items, m, size, 0);
    EXPECT_EQ(layout.itemsRect, (FrameRect{14, 3, 196, 28}));
    EXPECT_EQ(layout.itemRects[0], (FrameRect{14, 3, 196, 8}));
    EXPECT_EQ(layout.itemRects[1], (FrameRect{14, 8, 196, 28}));

    // The text rectangle grows with the item; the background keeps 20 px at each end.
    EXPECT_EQ(menuItemTextRect(stored.skin(), layout.itemRects[1]), (FrameRect{16, 10, 16 + 64 + 182 - 67, 26}));
    auto copies = menuItemBackground(stored.item.skinRect, 20, 20, layout.itemRects[1]);
    ASSERT_EQ(copies.size(), 3u);
    EXPECT_EQ(copies[0].target, (FrameRect{14, 8, 34, 28}));
    EXPECT_EQ(copies[1].source, (FrameRect{21, 22, 48, 42}));
    EXPECT_EQ(copies[1].mode, PictureCopy::Mode::Tile);
    EXPECT_EQ(copies[2].target, (FrameRect{176, 8, 196, 28}));
    // An item narrower than both offsets never draws outside itself.
    for (const auto& c : menuItemBackground(stored.item.skinRect, 20, 20, {0, 0, 30, 20})) EXPECT_LE(c.target.right, 30);
}

TEST(MenuLevelPosition, FirstLevel) {
    const FrameRect screen{0, 0, 1024, 768};
    MenuPlacementRequest q{{100, 50, 123, 74}, 150, 120, screen};
    EXPECT_EQ(placeMenuLevel(q), (MenuPlacement{100, 74}));  // below, at the button's left

    q.anchor = {950, 50, 973, 74};
    EXPECT_EQ(placeMenuLevel(q).left, 1024 - 150);  // kept inside on the right

    q.anchor = {100, 700, 123, 724};
    EXPECT_EQ(placeMenuLevel(q), (MenuPlacement{100, 700 - 120}));  // near the bottom: above

    q.anchor = {100, 300, 123, 324};
    q.height = 600;  // does not fit below, anchor in the upper half: pushed up, opened beside
    EXPECT_EQ(placeMenuLevel(q), (MenuPlacement{124, 768 - 600}));

    q.anchor = {900, 500, 923, 524};  // lower half, no room above either: at the top, beside on the left
    EXPECT_EQ(placeMenuLevel(q), (MenuPlacement{900 - 150 - 1, 0}));

    q = {{100, 400, 123, 424}, 150, 120, screen};
    q.upward = true;
    EXPECT_EQ(placeMenuLevel(q).top, 400 - 120);
    q.anchor = {100, 50, 123, 74};
    EXPECT_EQ(placeMenuLevel(q).top, 74);  // no room above: below
}

TEST(MenuLevelPosition, Submenus) {
    const FrameRect screen{0, 0, 1024, 768};
    MenuPlacementRequest q{{200, 100, 380, 120}, 150, 200, screen, true};
    q.itemsTopInset = 3;
    EXPECT_EQ(placeMenuLevel(q), (MenuPlacement{381, 97}));

    q.anchor = {900, 100, 1000, 120};  // no room on the right
    EXPECT_EQ(placeMenuLevel(q).left, 900 - 150 - 1);

    q.anchor = {200, 300, 380, 320};
    q.height = 500;  // passes the bottom from the upper half: bottom at the work area's bottom
    EXPECT_EQ(placeMenuLevel(q).top, 268);

    q.anchor = {200, 700, 380, 720};
    q.height = 200;  // from the lower half: last item level with the parent
    EXPECT_EQ(placeMenuLevel(q).top, 720 + 3 - 200);
}

TEST(MenuNavigation, KeysInALevel) {
    using A = MenuKeyResult::Action;
    std::vector<TbsMenuItem> items{item("&Open"), TbsMenuItem::separator(), item("&Gone", false), item("&Save"), item("&Sub")};
    items[4].items.push_back(item("Inner"));

    EXPECT_EQ(firstSelectableItem(items), 0);
    EXPECT_EQ(menuKeyTransition(items, 0, MenuKey::Down, 1), (MenuKeyResult{A::Highlight, 3}));
    EXPECT_EQ(menuKeyTransition(items, 3, MenuKey::Up, 1), (MenuKeyResult{A::Highlight, 0}));
    EXPECT_EQ(menuKeyTransition(items, 0, MenuKey::Up, 1), (MenuKeyResult{A::Highlight, 4}));  // wraps
    EXPECT_EQ(menuKeyTransition(items, 4, MenuKey::Down, 1), (MenuKeyResult{A::Highlight, 0}));

    EXPECT_EQ(menuKeyTransition(items, 4, MenuKey::Right, 1), (MenuKeyResult{A::OpenSubmenu, 4}));
    EXPECT_EQ(menuKeyTransition(items, 0, MenuKey::Right, 1).action, A::None);
    EXPECT_EQ(menuKeyTransition(items, 0, MenuKey::Left, 1).action, A::None);
    EXPECT_EQ(menuKeyTransition(items, 0, MenuKey::Left, 2).action, A::CloseLevel);
    EXPECT_EQ(menuKeyTransition(items, 0, MenuKey::Escape, 2).action, A::CloseLevel);
    EXPECT_EQ(menuKeyTransition(items, 0, MenuKey::Escape, 1).action, A::CloseAll);

    EXPECT_EQ(menuKeyTransition(items, 3, MenuKey::Enter, 1), (MenuKeyResult{A::Run, 3}));
    EXPECT_EQ(menuKeyTransition(items, -1, MenuKey::Enter, 1).action, A::None);
    EXPECT_EQ(menuKeyTransition(items, 0, MenuKey::Character, 1, 'S'), (MenuKeyResult{A::Run, 3}));
    EXPECT_EQ(menuKeyTransition(items, 0, MenuKey::Character, 1, 'g').action, A::None);  // disabled
    EXPECT_EQ(menuKeyTransition(items, 0, MenuKey::Character, 1, 'z').action, A::None);

    std::vector<TbsMenuItem> dead{TbsMenuItem::separator(), item("x", false)};
    EXPECT_EQ(firstSelectableItem(dead), -1);
    EXPECT_EQ(menuKeyTransition(dead, -1, MenuKey::Down, 1).action, A::None);
}
