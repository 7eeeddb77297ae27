// Random poems: where the index says poems start (a set under one title is one), and draws that
// reach every poem without showing the same one twice in a row.

#include "anthology/model/random_poem.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "platform/model/gbk_text.h"

using namespace veyrin;

namespace {

// Four poems: two in entry 0 (the second a set of two parts), one in entry 1, one in entry 3;
// entry 2 has none.
SearchIndex smallAnthology() {
    SearchIndex index;
    index.addEntry(0, gbk::fromUtf8("崔颢\r\n盛唐\r\n\r\n简介：崔颢。\r\n\r\n【黄鹤楼】\r\n昔人已乘黄鹤去，此地空余黄鹤楼。\r\n"
                                    "鉴赏：名篇。\r\n\r\n【长干曲二首】\r\n其一\r\n君家何处住，妾住在横塘。\r\n"
                                    "其二\r\n家临九江水，来去九江侧。\r\n鉴赏：一问一答。\r\n"));
    index.addEntry(1, gbk::fromUtf8("王维\r\n盛唐\r\n\r\n【鹿柴】\r\n空山不见人，但闻人语响。\r\n"));
    index.addEntry(2, gbk::fromUtf8("无名\r\n盛唐\r\n\r\n简介：诗已不存。\r\n"));
    index.addEntry(3, gbk::fromUtf8("李白\r\n盛唐\r\n\r\n【静夜思】\r\n床前明月光，疑是地上霜。\r\n"));
    return index;
}

std::vector<PoemPlace> draws(RandomPoemPicker& picker, int count) {
    std::vector<PoemPlace> drawn;
    for (int i = 0; i < count; ++i) {
        std::optional<PoemPlace> poem = picker.next();
        if (!poem) break;
        drawn.push_back(*poem);
    }
    return drawn;
}

}  // namespace

TEST(RandomPoem, TheIndexPlacesEveryTitleAndASetCountsOnce) {
    const std::vector<PoemPlace> expected = {{0, 6}, {0, 10}, {1, 4}, {3, 4}};
    EXPECT_EQ(smallAnthology().poemPlaces(), expected);
}

TEST(RandomPoem, DrawsReachEveryPoemAndNeverRepeatTheLastOne) {
    const std::vector<PoemPlace> poems = smallAnthology().poemPlaces();
    for (std::uint32_t seed : {1u, 7u, 2024u}) {
        RandomPoemPicker picker(poems, seed);
        const std::vector<PoemPlace> drawn = draws(picker, 400);
        ASSERT_EQ(drawn.size(), 400u);
        std::set<std::tuple<int, int>> seen;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            seen.insert({drawn[i].catalogueIndex, drawn[i].lineNumber});
            if (i > 0) {
                EXPECT_NE(drawn[i], drawn[i - 1]) << "draw " << i << " with seed " << seed;
            }
        }
        EXPECT_EQ(seen.size(), poems.size()) << "seed " << seed;
    }
}

TEST(RandomPoem, OnePoemComesEveryTimeAndNoneGivesNothing) {
    RandomPoemPicker one({{2, 5}}, 11);
    for (const PoemPlace& poem : draws(one, 5)) EXPECT_EQ(poem, (PoemPlace{2, 5}));
    EXPECT_EQ(draws(one, 5).size(), 5u);

    RandomPoemPicker none(SearchIndex().poemPlaces(), 11);
    EXPECT_FALSE(none.next().has_value());
}
