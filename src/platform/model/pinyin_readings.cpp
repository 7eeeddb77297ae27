#include "platform/model/pinyin_readings.h"

#include <algorithm>
#include <unordered_map>

#include "platform/model/pinyin_tables.h"
#include "platform/model/utf8_text.h"

namespace veyrin {
namespace {

using namespace pinyin_tables;

constexpr std::size_t kLongestWord = 4;

std::optional<std::uint16_t> characterSyllable(char32_t c) {
    if (c >= kDenseFirst && c <= kDenseLast) {
        const std::uint16_t id = kDenseReadings[c - kDenseFirst];
        return id == kNoReading ? std::nullopt : std::optional(id);
    }
    const SparseReading* end = kSparseReadings + kSparseReadingCount;
    const SparseReading* at =
        std::lower_bound(kSparseReadings, end, c, [](const SparseReading& r, char32_t v) { return r.codePoint < v; });
    return at != end && at->codePoint == c ? std::optional(at->syllable) : std::nullopt;
}

// The words starting with one character are a run of the sorted table. The runs are found once, so
// a position costs one hash lookup; most characters start no word and are settled by it.
using WordRun = std::pair<const WordReading*, const WordReading*>;

const std::unordered_map<char32_t, WordRun>& wordRunsByFirstCharacter() {
    static const auto runs = [] {
        std::unordered_map<char32_t, WordRun> map;
        const WordReading* end = kWordReadings + kWordReadingCount;
        for (const WordReading* at = kWordReadings; at != end;) {
            const char32_t first = at->word[0];
            const WordReading* last = std::find_if(at, end, [first](const WordReading& w) { return w.word[0] != first; });
            map.emplace(first, WordRun{at, last});
            at = last;
        }
        return map;
    }();
    return runs;
}

WordRun wordsStartingWith(char32_t c) {
    const auto& runs = wordRunsByFirstCharacter();
    const auto found = runs.find(c);
    return found == runs.end() ? WordRun{nullptr, nullptr} : found->second;
}

const WordReading* longestWordAt(std::u32string_view text, std::size_t start) {
    const auto [first, last] = wordsStartingWith(text[start]);
    if (first == last) return nullptr;
    for (std::size_t length = std::min(kLongestWord, text.size() - start); length >= 2; --length) {
        const std::u32string_view candidate = text.substr(start, length);
        auto at = std::lower_bound(first, last, candidate, [](const WordReading& w, std::u32string_view v) { return w.word < v; });
        if (at != last && at->word == candidate) return at;
    }
    return nullptr;
}

// Poetic readings grouped by the character they decide, so a line is checked only where such a
// character stands.
const std::unordered_multimap<char32_t, const PoeticReading*>& poeticReadingsByCharacter() {
    static const auto byCharacter = [] {
        std::unordered_multimap<char32_t, const PoeticReading*> map;
        for (std::size_t i = 0; i < kPoeticReadingCount; ++i) {
            const PoeticReading& r = kPoeticReadings[i];
            map.emplace(r.context[static_cast<std::size_t>(r.position)], &r);
        }
        return map;
    }();
    return byCharacter;
}

bool contextHolds(std::u32string_view text, std::size_t at, const PoeticReading& r) {
    const auto position = static_cast<std::size_t>(r.position);
    return at >= position && text.substr(at - position, r.context.size()) == r.context;
}

void applyCharacterReadings(std::u32string_view text, std::vector<PinyinReading>& out) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (auto id = characterSyllable(text[i])) out[i] = {kSyllables[*id], PinyinSource::Character};
}

void applyWordReadings(std::u32string_view text, std::vector<PinyinReading>& out) {
    std::vector<std::size_t> coveredBy(text.size(), 0);
    for (std::size_t start = 0; start + 1 < text.size(); ++start) {
        const WordReading* word = longestWordAt(text, start);
        if (!word) continue;
        for (std::size_t k = 0; k < word->word.size(); ++k) {
            if (word->word.size() <= coveredBy[start + k]) continue;
            coveredBy[start + k] = word->word.size();
            out[start + k] = {kSyllables[word->syllables[k]], PinyinSource::Word};
        }
    }
}

void applyPoeticReadings(std::u32string_view text, std::vector<PinyinReading>& out) {
    const auto& byCharacter = poeticReadingsByCharacter();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (out[i].source == PinyinSource::None) continue;
        std::size_t longest = 0;
        auto [first, last] = byCharacter.equal_range(text[i]);
        for (auto it = first; it != last; ++it) {
            const PoeticReading& r = *it->second;
            if (r.context.size() <= longest || !contextHolds(text, i, r)) continue;
            longest = r.context.size();
            out[i] = {kSyllables[r.syllable], PinyinSource::Poetic};
        }
    }
}

}  // namespace

std::vector<PinyinReading> pinyinReadings(std::u32string_view text) {
    std::vector<PinyinReading> out(text.size());
    applyCharacterReadings(text, out);
    applyWordReadings(text, out);
    applyPoeticReadings(text, out);
    return out;
}

std::vector<PinyinReading> pinyinReadings(std::string_view utf8Text) { return pinyinReadings(utf8::decode(utf8Text)); }

std::optional<PinyinSyllable> commonPinyinReading(char32_t character) {
    const auto id = characterSyllable(character);
    return id ? std::optional(kSyllables[*id]) : std::nullopt;
}

std::vector<PinyinSearchKey> pinyinSearchKeys(std::u32string_view text) {
    std::vector<PinyinSearchKey> keys;
    keys.reserve(text.size());
    for (const PinyinReading& r : pinyinReadings(text))
        keys.push_back(r.hasReading() ? PinyinSearchKey{toneless(r.syllable), initialLetter(r.syllable)} : PinyinSearchKey{});
    return keys;
}

}  // namespace veyrin
