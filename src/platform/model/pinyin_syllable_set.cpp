#include "platform/model/pinyin_syllable_set.h"

#include <unordered_set>

#include "platform/model/pinyin_tables.h"

namespace veyrin {

bool isKnownSyllable(std::string_view letters) {
    static const std::unordered_set<std::string_view> known = [] {
        std::unordered_set<std::string_view> set;
        for (std::size_t i = 0; i < pinyin_tables::kSyllableCount; ++i) set.insert(pinyin_tables::kSyllables[i].letters);
        return set;
    }();
    return known.contains(letters);
}

}  // namespace veyrin
