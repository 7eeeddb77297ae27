#include "platform/model/pinyin_syllable_set.h"

#include <unordered_set>

#include "platform/model/pinyin_tables.h"

namespace veyrin {

namespace {

const std::unordered_set<std::string_view>& knownSyllables() {
    static const std::unordered_set<std::string_view> known = [] {
        std::unordered_set<std::string_view> set;
        for (std::size_t i = 0; i < pinyin_tables::kSyllableCount; ++i) set.insert(pinyin_tables::kSyllables[i].letters);
        return set;
    }();
    return known;
}

// Every beginning of a syllable ("z", "zh", "zhu", "zhua", "zhuan", "zhuang"), once.
const std::unordered_set<std::string_view>& syllableBeginnings() {
    static const std::unordered_set<std::string_view> beginnings = [] {
        std::unordered_set<std::string_view> set;
        for (std::string_view syllable : knownSyllables())
            for (std::size_t length = 1; length <= syllable.size(); ++length) set.insert(syllable.substr(0, length));
        return set;
    }();
    return beginnings;
}

}  // namespace

bool isKnownSyllable(std::string_view letters) { return knownSyllables().contains(letters); }

bool beginsKnownSyllable(std::string_view letters) { return syllableBeginnings().contains(letters); }

}  // namespace veyrin
