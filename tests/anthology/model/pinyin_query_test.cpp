// Telling whole syllables from initials and from letters that are no pinyin, and ü typed three ways.

#include "anthology/model/pinyin_query.h"

#include <gtest/gtest.h>

#include "anthology/model/pinyin_spelling.h"

using namespace veyrin;

namespace {

using Kind = PinyinQuery::Kind;

TEST(PinyinQuery, WholeSyllablesComeBeforeInitials) {
    struct Case {
        const char* typed;
        Kind kind;
        const char* letters;
    };
    for (const Case& c : {Case{"libai", Kind::Syllables, "libai"}, Case{"LiBai", Kind::Syllables, "libai"},
                          Case{"an", Kind::Syllables, "an"}, Case{"lb", Kind::Initials, "lb"},
                          Case{"c q m y g", Kind::Initials, "cqmyg"}, Case{"lüe", Kind::Syllables, "lve"},
                          Case{"lue", Kind::Syllables, "lue"}, Case{"LVE", Kind::Syllables, "lve"},
                          Case{"liba", Kind::Syllables, "liba"}, Case{"lib", Kind::Syllables, "lib"},
                          Case{"zhua", Kind::Syllables, "zhua"}}) {
        const PinyinQuery query = readPinyinQuery(c.typed);
        EXPECT_EQ(query.kind, c.kind) << c.typed;
        EXPECT_EQ(query.letters, c.letters) << c.typed;
    }
    EXPECT_EQ(readPinyinQuery(" xi  an ").breaks, (std::vector<std::size_t>{2}));
    // A blank inside what would be a syllable, a letter no syllable begins with, anything not a letter.
    for (const char* typed : {"lib ai", "lbai", "iu", "li3", "li-bai", "李bai", "", "  "})
        EXPECT_EQ(readPinyinQuery(typed).kind, Kind::NotPinyin) << typed;
}

TEST(PinyinSpelling, UAndVBothStandForUmlautButVNeverForU) {
    const PinyinSpelling greenWater(U"绿水");  // lv shui
    const PinyinSpelling road(U"路上");       // lu shang
    for (const char* typed : {"lvshui", "lushui", "lüshui"}) {
        const auto span = greenWater.find(readPinyinQuery(typed));
        ASSERT_TRUE(span) << typed;
        EXPECT_EQ(span->length, 2u);
    }
    EXPECT_TRUE(road.find(readPinyinQuery("lushang")));
    EXPECT_FALSE(road.find(readPinyinQuery("lvshang")));
}

}  // namespace
