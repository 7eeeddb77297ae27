#include "textview/model/undo_list.h"

#include <gtest/gtest.h>

namespace veyrin {
namespace {

using R = TSynChangeReason;

void addTyped(TSynEditUndoList& list, int col) { list.addChange(R::crInsert, {col, 1}, {col + 1, 1}, "x"); }

TEST(UndoList, HoldsAtMostMaxItemsDroppingOldest) {
    TSynEditUndoList list;
    for (int i = 1; i <= 1030; ++i) addTyped(list, i);
    EXPECT_EQ(list.size(), 1024u);
    EXPECT_EQ(list.item(0).start.Char, 7);
    EXPECT_EQ(list.peekItem()->start.Char, 1030);
}

TEST(UndoList, ChangesOutsideBlocksGetDistinctNumbers) {
    TSynEditUndoList list;
    addTyped(list, 1);
    addTyped(list, 2);
    EXPECT_NE(list.item(0).changeNumber, list.item(1).changeNumber);
}

TEST(UndoList, NestedBlocksShareOneChangeNumber) {
    TSynEditUndoList list;
    addTyped(list, 1);
    list.beginBlock();
    list.addChange(R::crSelectionDelete, {1, 1}, {3, 1}, "ab");
    list.beginBlock();
    addTyped(list, 1);
    list.endBlock();
    addTyped(list, 2);
    list.endBlock();
    addTyped(list, 3);
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list.item(1).changeNumber, list.item(2).changeNumber);
    EXPECT_EQ(list.item(2).changeNumber, list.item(3).changeNumber);
    EXPECT_NE(list.item(0).changeNumber, list.item(1).changeNumber);
    EXPECT_NE(list.item(3).changeNumber, list.item(4).changeNumber);
    EXPECT_EQ(list.blockDepth(), 0);
}

TEST(UndoList, UnbalancedEndBlockIsHarmless) {
    TSynEditUndoList list;
    list.endBlock();
    addTyped(list, 1);
    addTyped(list, 2);
    EXPECT_NE(list.item(0).changeNumber, list.item(1).changeNumber);
}

TEST(UndoList, GroupingFollowsKindAndBreaks) {
    TSynEditUndoList list;
    addTyped(list, 1);
    addTyped(list, 2);
    list.addGroupBreak();
    addTyped(list, 5);
    list.addChange(R::crPaste, {6, 1}, {8, 1}, "pp");
    list.addChange(R::crPaste, {8, 1}, {10, 1}, "qq");

    EXPECT_TRUE(inSameUndoStep(list.item(0), list.item(1), true));
    EXPECT_FALSE(inSameUndoStep(list.item(0), list.item(1), false));
    EXPECT_FALSE(inSameUndoStep(list.item(1), list.item(2), true));  // break after item 1
    EXPECT_FALSE(inSameUndoStep(list.item(2), list.item(3), true));  // different kind
    EXPECT_FALSE(inSameUndoStep(list.item(3), list.item(4), true));  // pastes never group
}

TEST(UndoList, PopAndPushKeepTheItem) {
    TSynEditUndoList undo, redo;
    undo.addChange(R::crDelete, {2, 3}, {4, 3}, "ab", smLine);
    TSynEditUndoItem item = undo.popItem();
    EXPECT_TRUE(undo.empty());
    redo.pushItem(item);
    ASSERT_NE(redo.peekItem(), nullptr);
    EXPECT_EQ(redo.peekItem()->text, "ab");
    EXPECT_EQ(redo.peekItem()->selMode, smLine);
    EXPECT_EQ(redo.peekItem()->end, (TBufferCoord{4, 3}));
    // Numbers handed out afterwards never collide with a number pushed back.
    redo.addChange(R::crInsert, {1, 1}, {2, 1}, "z");
    EXPECT_GT(redo.item(1).changeNumber, item.changeNumber);
}

TEST(UndoList, ClearEmptiesTheList) {
    TSynEditUndoList list;
    addTyped(list, 1);
    list.clear();
    EXPECT_FALSE(list.canUndo());
    EXPECT_THROW(list.popItem(), std::logic_error);
}

}  // namespace
}  // namespace veyrin
