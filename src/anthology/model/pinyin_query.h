#pragma once
// How the search reads a query typed in Latin letters. A query holding anything but letters and
// blanks (a Chinese character, a digit, a mark) is not pinyin. Otherwise, ignoring case and with
// ü typed as "ü", "v" or "u":
//   - a query that splits into whole syllables is read as syllables ("libai" li-bai, "li bai",
//     "chuangqianmingyueguang"); a blank must fall between two syllables, so "xi an" is two. The
//     last syllable may be only begun, as it is while the reader types: "liba" and "lib" find
//     李白 li-bai on the way to "libai" (texts that spell the query to a syllable's end are
//     listed before those it ends part way into);
//   - failing that, a query whose every letter can begin a syllable is read as initials, one
//     letter per character ("lb", "cqmyg");
//   - anything else ("libx", "lbai") is not pinyin.
// Whole syllables are tried first, so "an" is the syllable an, not the initials a-n.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace veyrin {

struct PinyinQuery {
    enum class Kind { NotPinyin, Syllables, Initials };

    Kind kind = Kind::NotPinyin;
    std::string letters;  // lower case, blanks removed, ü as "v"
    std::vector<std::size_t> breaks;  // offsets into `letters` where the reader typed a blank
    bool wholeSyllables = false;      // for Syllables: the last one is whole too, not only begun
};

// How a syllables query may end on a text: on a whole syllable, or part way into one.
enum class PinyinEnding { WholeSyllable, BegunSyllable };

// Whether `letters` (lower case, ü as "v") begin a syllable, "u" also standing for ü.
bool beginsSyllableAsTyped(std::string_view letters);

PinyinQuery readPinyinQuery(std::string_view utf8Query);

// Whether a letter typed in a syllables query stands for the letter a reading writes there: the
// same letter, or "u" for ü ("lu" finds 绿 lv as well as 路 lu).
inline bool typedLetterMatches(char typed, char written) { return typed == written || (typed == 'u' && written == 'v'); }

}  // namespace veyrin
