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

// A stretch of a query tested as typed and, when it has a "u", with ü for it: "lue" is lve.
bool holdsAsTyped(std::string_view letters, bool (*test)(std::string_view)) {
    if (test(letters)) return true;
    if (letters.find('u') == std::string_view::npos) return false;
    std::string asUmlaut(letters);
    std::replace(asUmlaut.begin(), asUmlaut.end(), 'u', 'v');
    return test(asUmlaut);
}

bool spellsSyllable(std::string_view letters) { return holdsAsTyped(letters, isKnownSyllable); }

bool breakWithin(const std::vector<std::size_t>& breaks, std::size_t from, std::size_t to) {
    return std::any_of(breaks.begin(), breaks.end(), [&](std::size_t b) { return b > from && b < to; });
}

// Whole syllables up to the last, which may be only begun unless `ending` asks for it whole.
bool splitsIntoSyllables(const PinyinQuery& query, PinyinEnding ending) {
    const std::size_t n = query.letters.size();
    std::vector<bool> reachable(n + 1, false);
    reachable[0] = true;
    for (std::size_t from = 0; from < n; ++from) {
        if (!reachable[from]) continue;
        for (std::size_t length = 1; length <= kLongestSyllable && from + length <= n; ++length) {
            const std::string_view stretch = std::string_view(query.letters).substr(from, length);
            if (breakWithin(query.breaks, from, from + length)) continue;
            const bool mayBeBegun = ending == PinyinEnding::BegunSyllable && from + length == n;
            if (spellsSyllable(stretch) || (mayBeBegun && beginsSyllableAsTyped(stretch)))
                reachable[from + length] = true;
        }
    }
    return reachable[n];
}

// No syllable begins with i, u or ü.
bool canBeginSyllable(char letter) { return letter != 'i' && letter != 'u' && letter != 'v'; }

}  // namespace

bool beginsSyllableAsTyped(std::string_view letters) { return holdsAsTyped(letters, beginsKnownSyllable); }

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
    if (splitsIntoSyllables(query, PinyinEnding::BegunSyllable)) {
        query.kind = PinyinQuery::Kind::Syllables;
        query.wholeSyllables = splitsIntoSyllables(query, PinyinEnding::WholeSyllable);
    } else if (std::all_of(query.letters.begin(), query.letters.end(), canBeginSyllable)) {
        query.kind = PinyinQuery::Kind::Initials;
    }
    return query;
}

}  // namespace veyrin
