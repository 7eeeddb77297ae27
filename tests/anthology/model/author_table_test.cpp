#include "anthology/model/author_table.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "anthology/model/author_lookup.h"
#include "anthology/model/entry_files.h"
#include "platform/model/gbk_text.h"

using namespace veyrin;

namespace {
std::string g(const char* utf8) { return gbk::fromUtf8(utf8); }
}  // namespace

TEST(AuthorTable, KnownPoetsSitAtTheirCatalogueIndexes) {
    EXPECT_EQ(findAuthor(g("虞世南")), 0);
    EXPECT_EQ(findAuthor(g("李白")), 37);
    EXPECT_EQ(findAuthor(g("杜甫")), 51);
    EXPECT_EQ(findAuthor(g("王涯")), 99);
    EXPECT_EQ(findAuthor(g("花蕊夫人徐氏")), 184);
    EXPECT_EQ(findAuthor(g("孟宾于")), 189);
}

TEST(AuthorTable, RareCharactersHaveTheirGbkBytes) {
    EXPECT_EQ(findAuthor("\xC0\xEE\xDF\x6D\xD6\xAE"), 15);  // 李適之
    EXPECT_EQ(findAuthor("\xB8\xDF\xDF\x6D"), 46);          // 高適
    EXPECT_EQ(findAuthor("\xC1\xF5\xB1\x73\xD0\xE9"), 38);  // 刘眘虚
    EXPECT_EQ(findAuthor("\xD6\xEC\xC7\xEC\xE2\xC5"), 118);  // 朱庆馀
    EXPECT_EQ(findAuthor("\xD3\xDA\x9D\xE5"), 148);          // 于濆
    EXPECT_EQ(findAuthor("\xC7\xAE\xAB\x8D"), 158);          // 钱珝
    EXPECT_EQ(findAuthor("\xD5\xC5\xE9\xC4"), 167);          // 张槟
}

TEST(AuthorTable, EveryNameIsDistinctAndFullyEncoded) {
    std::set<std::string> seen;
    for (int row = 0; row < kAuthorCount; ++row) {
        const std::string name = authorName(row);
        EXPECT_GE(name.size(), 4u) << row;
        EXPECT_EQ(name.find('?'), std::string::npos) << row;
        EXPECT_EQ(gbk::toUtf8(name).find("\xEF\xBF\xBD"), std::string::npos) << row;
        EXPECT_EQ(findAuthor(name), row);
        seen.insert(name);
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(kAuthorCount));
    EXPECT_THROW(authorName(-1), std::out_of_range);
    EXPECT_THROW(authorName(kAuthorCount), std::out_of_range);
}

TEST(AuthorTable, OnlyTheExactBytesMatch) {
    EXPECT_EQ(findAuthor(""), -1);
    EXPECT_EQ(findAuthor(" " + g("李白")), -1);
    EXPECT_EQ(findAuthor(g("李白") + " "), -1);
    EXPECT_EQ(findAuthor(g("李 白")), -1);
    EXPECT_EQ(findAuthor(g("李")), -1);
    EXPECT_EQ(findAuthor(g("花蕊夫人")), -1);
    EXPECT_EQ(findAuthor(g("李白李白")), -1);
}

TEST(AuthorLookup, FoundEmptyAndUnknownNames) {
    AuthorLookupResult found = lookUpAuthor(g("李白"));
    EXPECT_EQ(found.outcome, AuthorLookupOutcome::Found);
    EXPECT_EQ(found.catalogueIndex, 37);
    EXPECT_EQ(entryFilePath(found.catalogueIndex), "data\\" + g("唐诗鉴赏") + "\\38.txt");
    EXPECT_TRUE(authorLookupMessage(AuthorLookupOutcome::Found).empty());

    AuthorLookupResult empty = lookUpAuthor("");
    EXPECT_EQ(empty.outcome, AuthorLookupOutcome::EmptyName);
    EXPECT_EQ(empty.catalogueIndex, -1);
    EXPECT_EQ(authorLookupMessage(empty.outcome), g("请输入查找作者的姓名"));

    AuthorLookupResult blanks = lookUpAuthor("   ");
    EXPECT_EQ(blanks.outcome, AuthorLookupOutcome::NotFound);
    EXPECT_EQ(blanks.catalogueIndex, -1);
    EXPECT_EQ(authorLookupMessage(blanks.outcome), g("您所输入的作者没有在Veyrin中收录！"));
}
