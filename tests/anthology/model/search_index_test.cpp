// Finding poets, titles and poem lines: ranking, positions for the caret and the mark, both
// character forms, pinyin, and entries that cannot be read.

#include "anthology/model/search_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "anthology/model/author_table.h"
#include "anthology/model/entry_files.h"
#include "anthology/model/poem_parts.h"
#include "platform/model/gbk_text.h"
#include "platform/model/program_path.h"
#include "support/temp_dir.h"

using namespace veyrin;

namespace {

std::string entryFile(const char* utf8Text) { return gbk::fromUtf8(utf8Text); }

// Two entries in the form the anthology uses; the poem lines of entry 1 are lines 7 and 8.
SearchIndex smallAnthology() {
    SearchIndex index;
    index.addEntry(0, entryFile("杜甫\r\n盛唐\r\n\r\n简介：杜甫，字子美，与李白齐名。\r\n\r\n【梦李白】\r\n"
                                "故人入我梦，明我长相忆。\r\n鉴赏：写梦见李白。\r\n"));
    index.addEntry(1, entryFile("李白\r\n盛唐\r\n\r\n简介：李白，字太白。\r\n\r\n【静夜思】\r\n"
                                "床前明月光，疑是地上霜。\r\n举头望明月，低头思故乡。\r\n鉴赏：思乡之作，明月。\r\n"));
    return index;
}

std::string utf8(const std::string& gbkText) { return gbk::toUtf8(gbkText); }

TEST(SearchIndex, PoetMatchesComeBeforeTitlesAndLinesInCatalogueOrder) {
    SearchIndex index = smallAnthology();
    auto hits = index.find("李白");
    ASSERT_EQ(hits.size(), 2u);  // the introductions and commentaries name him too, but are not searched
    EXPECT_EQ(hits[0].field, SearchField::Poet);
    EXPECT_EQ(hits[0].catalogueIndex, 1);
    EXPECT_EQ(utf8(hits[0].title), "静夜思");
    EXPECT_EQ(hits[0].lineNumber, 1);
    EXPECT_EQ(hits[1].field, SearchField::Title);
    EXPECT_EQ(hits[1].catalogueIndex, 0);
    EXPECT_EQ(hits[1].lineNumber, 6);
    EXPECT_EQ(hits[1].matchStart, 1);
    // After "【梦": two two-byte characters, so the match starts at byte 5.
    EXPECT_EQ(hits[1].byteColumn, 5);

    hits = index.find("明");
    ASSERT_EQ(hits.size(), 3u);
    EXPECT_EQ(hits[0].catalogueIndex, 0);
    EXPECT_EQ(hits[1].catalogueIndex, 1);
    EXPECT_EQ(hits[1].lineNumber, 7);
    EXPECT_EQ(hits[2].lineNumber, 8);
    EXPECT_EQ(utf8(hits[2].text), "举头望明月，低头思故乡。");
    EXPECT_EQ(utf8(hits[2].title), "静夜思");
    EXPECT_EQ(hits[2].matchStart, 3);
    EXPECT_EQ(hits[2].matchLength, 1);
    EXPECT_EQ(hits[2].byteColumn, 7);
}

TEST(SearchIndex, ASetsPartLabelsAreNotVerseAndNameTheLinesPart) {
    SearchIndex index;
    index.addEntry(0, entryFile("崔颢\r\n盛唐\r\n\r\n简介：崔颢。\r\n\r\n【长干曲四首】\r\n其一\r\n"
                                "君家何处住，妾住在横塘。\r\n其二\r\n家临九江水，来去九江侧。\r\n"
                                "鉴赏：其一问，其二答。\r\n\r\n【其一】\r\n其实是一行诗。\r\n鉴赏：无。\r\n"));
    auto hits = index.find("其");
    ASSERT_EQ(hits.size(), 2u);  // the title 【其一】 and the verse line, never the labels
    EXPECT_EQ(hits[0].field, SearchField::Title);
    EXPECT_EQ(hits[1].field, SearchField::Line);
    EXPECT_EQ(utf8(hits[1].title), "其一");
    hits = index.find("九江");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(utf8(hits[0].title), "长干曲四首（其二）");
    EXPECT_EQ(hits[0].lineNumber, 10);
    hits = index.find("横塘");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(utf8(hits[0].title), "长干曲四首（其一）");
}

TEST(PoemParts, LabelsAreOrdinalsOrSeasonSongsAlone) {
    for (const char* label : {"其一", "其十", "其十二", "春歌", "冬歌"})
        EXPECT_TRUE(isPartLabel(gbk::fromUtf8(label))) << label;
    for (const char* line : {"", "其", "其甲", "其一二三四", "其实", "春歌行", "秋", "其一，", "一"})
        EXPECT_FALSE(isPartLabel(gbk::fromUtf8(line))) << line;
}

TEST(SearchIndex, EitherCharacterFormFindsTheSameText) {
    SearchIndex index = smallAnthology();
    index.addEntry(2, entryFile("白居易\r\n中唐\r\n\r\n【長恨歌】\r\n漢皇重色思傾國，御宇多年求不得。\r\n"));
    auto traditionalQuery = index.find("舉頭望");
    ASSERT_EQ(traditionalQuery.size(), 1u);
    EXPECT_EQ(traditionalQuery[0].lineNumber, 8);
    EXPECT_EQ(traditionalQuery[0].matchLength, 3);

    auto simplifiedQuery = index.find("汉皇重色");
    ASSERT_EQ(simplifiedQuery.size(), 1u);
    EXPECT_EQ(simplifiedQuery[0].catalogueIndex, 2);
    EXPECT_EQ(utf8(simplifiedQuery[0].text), "漢皇重色思傾國，御宇多年求不得。");
    EXPECT_EQ(index.find("长恨歌").size(), 1u);
    EXPECT_EQ(index.find("靜夜思").size(), 1u);
}

// Where a hit is and what marks it, in a form that compares whole lists.
std::vector<std::string> placesOf(const std::vector<SearchHit>& hits) {
    std::vector<std::string> places;
    for (const SearchHit& h : hits)
        places.push_back(std::to_string(static_cast<int>(h.field)) + " " + std::to_string(h.catalogueIndex) + ":" +
                         std::to_string(h.lineNumber) + " " + utf8(h.text) + " @" + std::to_string(h.matchStart) +
                         "+" + std::to_string(h.matchLength) + " col " + std::to_string(h.byteColumn));
    return places;
}

TEST(SearchIndex, PinyinFindsByWholeSyllablesWithOrWithoutBlanksAndByInitials) {
    SearchIndex index = smallAnthology();
    const std::vector<std::string> libai = placesOf(index.find("libai"));
    EXPECT_EQ(libai, (std::vector<std::string>{"0 1:1 李白 @0+2 col 1", "1 0:6 梦李白 @1+2 col 5"}));
    EXPECT_EQ(placesOf(index.find(" Li  Bai ")), libai);
    EXPECT_EQ(placesOf(index.find("chuangqianmingyueguang")),
              (std::vector<std::string>{"2 1:7 床前明月光，疑是地上霜。 @0+5 col 1"}));
    EXPECT_EQ(placesOf(index.find("cqmyg")), placesOf(index.find("chuang qian ming yue guang")));
    // Initials: the poet among whatever else reads l-b.
    const std::vector<std::string> lb = placesOf(index.find("lb"));
    EXPECT_NE(std::find(lb.begin(), lb.end(), libai[0]), lb.end());
    // While the reader types, the last syllable may be only begun.
    EXPECT_EQ(placesOf(index.find("liba")), libai);
    EXPECT_EQ(placesOf(index.find("lib")), libai);
    EXPECT_EQ(placesOf(index.find("chuangqianmingyuegu")), placesOf(index.find("chuangqianmingyueguang")));
    // A syllable does not run past a mark: 明我 (ming wo) but not 忆。故 across the line's end.
    EXPECT_EQ(index.find("mingwo").size(), 1u);
    EXPECT_TRUE(index.find("yishuang").empty());
}

TEST(SearchIndex, PinyinReadsCharactersInTheirWordsAndKeepsTypedBlanksBetweenSyllables) {
    SearchIndex index = smallAnthology();
    index.addEntry(2, entryFile("岑参\r\n盛唐\r\n\r\n【寄友】\r\n长安一片月，先还乡。\r\n"));
    // 长 alone reads zhang and 还 hai; in 长安 and 还乡 they read chang and huan.
    EXPECT_EQ(placesOf(index.find("changan")), (std::vector<std::string>{"2 2:5 长安一片月，先还乡。 @0+2 col 1"}));
    EXPECT_EQ(placesOf(index.find("huanxiang")), (std::vector<std::string>{"2 2:5 长安一片月，先还乡。 @7+2 col 15"}));
    // 先 xian spelled whole comes first; 乡 xiang, which "xian" only begins, after it.
    const std::vector<SearchHit> xian = index.find("xian");
    ASSERT_FALSE(xian.empty());
    EXPECT_EQ(xian[0].matchStart, 6);
    EXPECT_EQ(xian[0].matchLength, 1);
    EXPECT_TRUE(index.find("xi an").empty());   // would be two characters, xi and an
    EXPECT_TRUE(index.find("xi a").empty());    // nor is 先 a syllable begun after a blank
}

TEST(SearchIndex, PinyinHitsFollowCharacterHitsWithoutRepeatingATextAlreadyFound) {
    SearchIndex index = smallAnthology();
    index.addEntry(2, entryFile("孟浩然\r\n盛唐\r\n\r\n【寄李白 Li Bai】\r\n长安一片月。\r\n"));
    // The title's letters find it first; its 李白 does not list it again.
    EXPECT_EQ(placesOf(index.find("Li Bai")),
              (std::vector<std::string>{"1 2:4 寄李白 Li Bai @4+6 col 10", "0 1:1 李白 @0+2 col 1",
                                        "1 0:6 梦李白 @1+2 col 5"}));
}

TEST(SearchIndex, LettersThatAreNoPinyinAndMixedQueriesFindNothingByReading) {
    SearchIndex index = smallAnthology();
    for (const char* query : {"xyz", "libx", "lbai", "lib ai", "li3bai", "李bai"}) EXPECT_TRUE(index.find(query).empty()) << query;
}

TEST(SearchIndex, BlankOrMissingQueriesFindNothing) {
    SearchIndex index = smallAnthology();
    EXPECT_TRUE(index.find("").empty());
    EXPECT_TRUE(index.find(" \xE3\x80\x80 ").empty());  // blanks and an ideographic space
    EXPECT_TRUE(index.find("黄河").empty());
    EXPECT_EQ(index.find("  李白 ").size(), 2u);
}

TEST(SearchIndex, UnreadableAndMissingEntriesAreSkippedByName) {
    test::TempDir dir;
    const std::string first = entryFilePath(0), second = entryFilePath(1);
    std::filesystem::create_directories(dir.path() / "data" / gbk::toUtf8(kAnthologyDirectoryName));
    test::writeBytes(resolveProgramPath(dir.path(), first), entryFile("李白\r\n\r\n【静夜思】\r\n床前明月光。\r\n"));
    const auto secondOnDisk = resolveProgramPath(dir.path(), second);
    test::writeBytes(secondOnDisk, entryFile("杜甫\r\n"));
    std::filesystem::permissions(secondOnDisk, std::filesystem::perms::none);

    SearchIndex index = SearchIndex::build(dir.path());
    EXPECT_EQ(index.entryCount(), 1);
    ASSERT_EQ(index.skippedFiles().size(), static_cast<size_t>(kEntryFileCount - 1));
    EXPECT_EQ(index.skippedFiles()[0], second);
    EXPECT_EQ(index.skippedFiles()[1], entryFilePath(2));
    EXPECT_EQ(index.find("明月").size(), 1u);
    EXPECT_TRUE(index.find("杜甫").empty());
}

TEST(SearchIndex, BundledAnthologyFindsEveryPoetAndPlacesTheCaretOnTheMatch) {
    const std::filesystem::path data = std::filesystem::path(VEYRIN_SOURCE_DIR) / "data";
    SearchIndex index = SearchIndex::build(data);
    EXPECT_TRUE(index.skippedFiles().empty());
    ASSERT_EQ(index.entryCount(), kEntryFileCount);
    for (int i = 0; i < kAuthorCount; i += 17) {
        auto hits = index.find(gbk::toUtf8(authorName(i)));
        ASSERT_FALSE(hits.empty()) << i;
        EXPECT_EQ(hits[0].field, SearchField::Poet);
        EXPECT_FALSE(hits[0].title.empty()) << i;
    }
    // Every hit's line and column point at the query's bytes in the entry file itself.
    const std::string query = gbk::fromUtf8("明月");
    auto hits = index.find("明月");
    ASSERT_GT(hits.size(), 5u);
    for (const SearchHit& hit : hits) {
        std::string bytes = readWholeFile(data, entryFilePath(hit.catalogueIndex));
        std::size_t start = 0;
        for (int line = 1; line < hit.lineNumber; ++line) start = bytes.find("\r\n", start) + 2;
        EXPECT_EQ(bytes.substr(start + static_cast<size_t>(hit.byteColumn) - 1, query.size()), query)
            << hit.catalogueIndex << ":" << hit.lineNumber;
    }
}

}  // namespace
