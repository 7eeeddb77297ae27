#pragma once
// A text's readings as the search compares them with a pinyin query: per character its toneless
// syllable and its initial, worked out once when the index is built (readings depend on the words
// around a character, so they are read over the whole text), so a query only compares letters.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "anthology/model/pinyin_query.h"

namespace veyrin {

struct CharacterSpan {
    std::size_t start = 0;  // in characters
    std::size_t length = 0;
};

class PinyinSpelling {
public:
    PinyinSpelling() = default;
    explicit PinyinSpelling(std::u32string_view text);

    // The first run of characters the query spells; a character without a reading (a mark, a
    // letter) ends any run.
    std::optional<CharacterSpan> find(const PinyinQuery& query,
                                      PinyinEnding ending = PinyinEnding::BegunSyllable) const;

private:
    std::optional<std::size_t> syllablesSpelledFrom(std::size_t start, const PinyinQuery& query,
                                                    PinyinEnding ending) const;

    std::vector<std::string_view> syllables_;  // empty for a character without a reading
    std::string initials_;  // one letter per character, a blank for one without a reading
};

}  // namespace veyrin
