#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

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
