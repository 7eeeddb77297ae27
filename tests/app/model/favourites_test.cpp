// Favourite entries: marking and unmarking, the stored list's form, and a round trip through the
// settings file beside the keys the program already writes.

#include "app/model/favourites.h"

#include <gtest/gtest.h>

#include "app/model/settings_file.h"
#include "support/temp_dir.h"

using namespace veyrin;

namespace {

TEST(Favourites, ToggleKeepsCatalogueOrderAndRefusesEntriesWithoutAFile) {
    Favourites favourites;
    EXPECT_TRUE(favourites.toggle(120));
    EXPECT_TRUE(favourites.toggle(2));
    EXPECT_TRUE(favourites.toggle(189));
    EXPECT_EQ(favourites.catalogueIndexes(), (std::vector<int>{2, 120, 189}));
    EXPECT_FALSE(favourites.toggle(120));
    EXPECT_FALSE(favourites.contains(120));
    EXPECT_FALSE(favourites.toggle(-1));
    EXPECT_FALSE(favourites.toggle(190));
    EXPECT_EQ(favourites.catalogueIndexes(), (std::vector<int>{2, 189}));
}

TEST(Favourites, StoredListIsEntryNumbersAndABadValueIsRefusedWhole) {
    EXPECT_EQ(formatFavourites(Favourites({119, 2, 0})), "1,3,120");
    EXPECT_EQ(formatFavourites(Favourites{}), "");
    EXPECT_EQ(parseFavourites(" 3, 1 ,190,3")->catalogueIndexes(), (std::vector<int>{0, 2, 189}));
    EXPECT_EQ(parseFavourites("")->catalogueIndexes(), std::vector<int>{});
    for (const char* bad : {"1,,2", "0", "191", "1;2", "x", "2,", "-3", "99999999999"})
        EXPECT_FALSE(parseFavourites(bad).has_value()) << bad;
}

TEST(Favourites, RoundTripThroughTheSettingsFileLeavesOtherKeysAlone) {
    test::TempDir dir;
    TIniFile ini(dir.path() / "Tcini.ini");
    ini.WriteInteger("Temp", "item1", 7);
    EXPECT_TRUE(readFavourites(ini).catalogueIndexes().empty());

    writeFavourites(ini, Favourites({4, 0, 77}));
    EXPECT_EQ(ini.ReadString("Favourites", "list", ""), "1,5,78");
    EXPECT_EQ(readFavourites(ini), Favourites({0, 4, 77}));
    EXPECT_EQ(ini.ReadInteger("Temp", "item1", 0), 7);
    EXPECT_EQ(test::readBytes(dir.path() / "Tcini.ini"), "[Temp]\r\nitem1=7\r\n[Favourites]\r\nlist=1,5,78\r\n");

    ini.WriteString("Favourites", "list", "1,five");
    EXPECT_TRUE(readFavourites(ini).catalogueIndexes().empty());
}

}  // namespace
