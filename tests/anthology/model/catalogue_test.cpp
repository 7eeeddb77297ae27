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

TEST(EntryFiles, WorkingFilePathsAreSpelledAsTheProgramSpellsThem) {
    EXPECT_EQ(std::string(kAnthologyDirectoryName), kDir);
    EXPECT_EQ(std::string(kCatalogueFilePath), "Data\\" + kDir + "\\list.txt");
    EXPECT_EQ(std::string(kViewFilePath), "Tem\\00.dat");
    EXPECT_EQ(std::string(kFirstNoteFilePath), "Tem\\01.dat");
    EXPECT_EQ(std::string(kSecondNoteFilePath), "Tem\\02.dat");
}

TEST(CatalogueSelection, SelectingFromCodeClearsOnAnyIndexOutsideTheItems) {
    EXPECT_EQ(indexAfterSelecting(5, 5, 190), 5);
    EXPECT_EQ(indexAfterSelecting(5, 7, 190), 7);
    EXPECT_EQ(indexAfterSelecting(5, -1, 190), -1);
    EXPECT_EQ(indexAfterSelecting(5, -7, 190), -1);
    EXPECT_EQ(indexAfterSelecting(5, 190, 190), -1);
    EXPECT_EQ(indexAfterSelecting(-1, 500, 190), -1);
    EXPECT_EQ(indexAfterSelecting(-1, 0, 0), -1);  // empty catalogue: a found author selects nothing
}

TEST(CatalogueSelection, BackStopsAtTheFirstEntry) {
    CatalogueStep step = stepBack(1, 190);
    EXPECT_EQ(step.selectedIndex, 0);
    EXPECT_TRUE(step.loadsEntry);
    step = stepBack(0, 190);
    EXPECT_EQ(step.selectedIndex, -1);
    EXPECT_FALSE(step.loadsEntry);
    step = stepBack(-1, 190);
    EXPECT_EQ(step.selectedIndex, -1);
    EXPECT_FALSE(step.loadsEntry);
}

TEST(CatalogueSelection, ForwardWrapsToTheFirstEntryAfterOneEmptyStep) {
    CatalogueStep step = stepForward(188, 190);
    EXPECT_EQ(step.selectedIndex, 189);
    EXPECT_TRUE(step.loadsEntry);
    step = stepForward(189, 190);
    EXPECT_EQ(step.selectedIndex, -1);
    EXPECT_FALSE(step.loadsEntry);
    step = stepForward(-1, 190);
    EXPECT_EQ(step.selectedIndex, 0);
    EXPECT_TRUE(step.loadsEntry);
}

TEST(CatalogueSelection, ShortAndLongCatalogues) {
    CatalogueStep step = stepForward(49, 50);
    EXPECT_EQ(step.selectedIndex, -1);
    EXPECT_FALSE(step.loadsEntry);

    // Items 191..200 of a longer catalogue can be chosen but have no entry to load.
    step = stepForward(189, 200);
    EXPECT_EQ(step.selectedIndex, 190);
    EXPECT_FALSE(step.loadsEntry);
    EXPECT_EQ(stepForward(198, 200).selectedIndex, 199);
    EXPECT_FALSE(choosingLoadsEntry(199));
    EXPECT_EQ(stepForward(199, 200).selectedIndex, -1);
    EXPECT_TRUE(choosingLoadsEntry(99));
    EXPECT_FALSE(choosingLoadsEntry(-1));

    step = stepForward(-1, 0);
    EXPECT_EQ(step.selectedIndex, -1);
    EXPECT_FALSE(step.loadsEntry);
}
