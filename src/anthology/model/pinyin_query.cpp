#include "anthology/model/pinyin_query.h"

#include <algorithm>

#include "anthology/model/search_index.h"
#include "platform/model/pinyin_syllable_set.h"
#include "platform/model/utf8_text.h"

namespace veyrin {
namespace {

constexpr std::size_t kLongestSyllable = 6;  // "zhuang", "chuang", "shuang"

// The lower-case ASCII letter a typed code point stands for; 0 for anything that is not a letter.
char typedLetter(char32_t cp) {
    if (cp >= U'A' && cp <= U'Z') cp += U'a' - U'A';
    if (cp >= U'a' && cp <= U'z') return static_cast<char>(cp);
    if (cp == U'ü' || cp == U'Ü') return 'v';
    return 0;
}

// A stretch of a query as a syllable, with "u" also tried as ü: "lue" is lve.
bool spellsSyllable(std::string_view letters) {
    if (isKnownSyllable(letters)) return true;
    if (letters.find('u') == std::string_view::npos) return false;
    std::string asUmlaut(letters);
    std::replace(asUmlaut.begin(), asUmlaut.end(), 'u', 'v');
    return isKnownSyllable(asUmlaut);
}

bool breakWithin(const std::vector<std::size_t>& breaks, std::size_t from, std::size_t to) {
    return std::any_of(breaks.begin(), breaks.end(), [&](std::size_t b) { return b > from && b < to; });
}

bool splitsIntoSyllables(const PinyinQuery& query) {
    const std::size_t n = query.letters.size();
    std::vector<bool> reachable(n + 1, false);
    reachable[0] = true;
    for (std::size_t from = 0; from < n; ++from) {
        if (!reachable[from]) continue;
        for (std::size_t length = 1; length <= kLongestSyllable && from + length <= n; ++length) {
            if (!breakWithin(query.breaks, from, from + length) &&
                spellsSyllable(std::string_view(query.letters).substr(from, length)))
                reachable[from + length] = true;
        }
    }
    return reachable[n];
}

// No syllable begins with i, u or ü.
bool canBeginSyllable(char letter) { return letter != 'i' && letter != 'u' && letter != 'v'; }

}  // namespace

PinyinQuery readPinyinQuery(std::string_view utf8Query) {
    PinyinQuery query;
    for (char32_t cp : utf8::decode(utf8Query)) {
        if (isQueryBlank(cp)) {
            if (!query.letters.empty() && (query.breaks.empty() || query.breaks.back() != query.letters.size()))
                query.breaks.push_back(query.letters.size());
            continue;
        }
        const char letter = typedLetter(cp);
        if (letter == 0) return {};
        query.letters.push_back(letter);
    }
    // A blank after the last letter separates nothing.
    if (!query.breaks.empty() && query.breaks.back() == query.letters.size()) query.breaks.pop_back();
    if (query.letters.empty()) return {};
    if (splitsIntoSyllables(query)) {
        query.kind = PinyinQuery::Kind::Syllables;
    } else if (std::all_of(query.letters.begin(), query.letters.end(), canBeginSyllable)) {
        query.kind = PinyinQuery::Kind::Initials;
    }
    return query;
}

}  // namespace veyrin
