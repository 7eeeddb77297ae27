#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "anthology/model/catalogue_selection.h"
#include "anthology/model/entry_files.h"
#include "platform/model/gbk_text.h"

using namespace veyrin;

namespace {
const std::string kDir = gbk::fromUtf8("唐诗鉴赏");
std::string entry(const char* number) { return "data\\" + kDir + "\\" + number + ".txt"; }
}  // namespace

TEST(EntryFiles, NumbersHaveAtLeastTwoDigits) {
    EXPECT_EQ(entryFilePath(0), entry("01"));
    EXPECT_EQ(entryFilePath(8), entry("09"));
    EXPECT_EQ(entryFilePath(9), entry("10"));
    EXPECT_EQ(entryFilePath(98), entry("99"));
    EXPECT_EQ(entryFilePath(99), entry("100"));
    EXPECT_EQ(entryFilePath(189), entry("190"));
}

TEST(EntryFiles, OnlyTheFirst190IndexesHaveAFile) {
    EXPECT_TRUE(hasEntryFile(0));
    EXPECT_TRUE(hasEntryFile(189));
    EXPECT_FALSE(hasEntryFile(-1));
    EXPECT_FALSE(hasEntryFile(190));
    EXPECT_THROW(entryFilePath(190), std::out_of_range);
    EXPECT_THROW(entryFilePath(-1), std::out_of_range);
}

TEST(CatalogueSelection, SelectingFromCodeClearsOnAnyIndexOutsideTheItems) {
    EXPECT_EQ(indexAfterSelecting(5, 5, 190), 5);
    EXPECT_EQ(indexAfterSelecting(5, 7, 190), 7);
    EXPECT_EQ(indexAfterSelecting(5, -7, 190), -1);
    EXPECT_EQ(indexAfterSelecting(5, 190, 190), -1);
    EXPECT_EQ(indexAfterSelecting(-1, 0, 0), -1);  // empty catalogue: a found author selects nothing
}

TEST(CatalogueSelection, BackAndForwardAtTheEndsOfShortFullAndLongCatalogues) {
    struct Case {
        bool forward;
        int current, itemCount, selected;
        bool loads;
    };
    const Case cases[] = {
        {false, 1, 190, 0, true},     {false, 0, 190, -1, false},   {false, -1, 190, -1, false},
        {true, 188, 190, 189, true},  {true, 189, 190, -1, false},  {true, -1, 190, 0, true},
        {true, 49, 50, -1, false},    {true, 189, 200, 190, false}, {true, 199, 200, -1, false},
        {false, 190, 200, 189, true}, {true, -1, 0, -1, false},
    };
    for (const Case& c : cases) {
        CatalogueStep step = c.forward ? stepForward(c.current, c.itemCount) : stepBack(c.current, c.itemCount);
        EXPECT_EQ(step.selectedIndex, c.selected) << (c.forward ? "forward from " : "back from ") << c.current
                                                  << " of " << c.itemCount;
        EXPECT_EQ(step.loadsEntry, c.loads) << c.current << " of " << c.itemCount;
    }
}
