#include "platform/model/pinyin_syllable.h"

#include <array>

namespace veyrin {
namespace {

// UTF-8 of each vowel (and of the syllabic m and n) in tones 1 to 4 and the neutral tone.
struct MarkedLetter {
    char letter;
    std::array<std::string_view, 5> forms;
};

constexpr std::array<MarkedLetter, 8> kMarkedLetters{{
    {'a', {"ā", "á", "ǎ", "à", "a"}},
    {'e', {"ē", "é", "ě", "è", "e"}},
    {'i', {"ī", "í", "ǐ", "ì", "i"}},
    {'o', {"ō", "ó", "ǒ", "ò", "o"}},
    {'u', {"ū", "ú", "ǔ", "ù", "u"}},
    {'v', {"ǖ", "ǘ", "ǚ", "ǜ", "ü"}},
    {'m', {"m\u0304", "ḿ", "m\u030C", "m\u0300", "m"}},
    {'n', {"n\u0304", "ń", "ň", "ǹ", "n"}},
}};

std::string_view marked(char letter, int tone) {
    for (const MarkedLetter& m : kMarkedLetters)
        if (m.letter == letter) return m.forms[static_cast<std::size_t>(tone - 1)];
    return {};
}

bool isVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'v'; }

// Where the tone mark goes: on a, e or o when there is one, else on the last vowel (so "iu" marks
// its u and "ui" its i); a syllable without a vowel ("ng", "hm") marks its m or n.
std::size_t markPosition(std::string_view letters) {
    for (char preferred : {'a', 'e', 'o'})
        if (auto at = letters.find(preferred); at != std::string_view::npos) return at;
    for (std::size_t i = letters.size(); i-- > 0;)
        if (isVowel(letters[i])) return i;
    return letters.find_first_of("mn");
}

}  // namespace

std::string withToneMark(PinyinSyllable syllable) {
    const int tone = syllable.tone >= 1 && syllable.tone <= 4 ? syllable.tone : kNeutralTone;
    const std::size_t mark = markPosition(syllable.letters);
    std::string out;
    for (std::size_t i = 0; i < syllable.letters.size(); ++i) {
        const char c = syllable.letters[i];
        if (i == mark)
            out += marked(c, tone).empty() ? std::string_view(&c, 1) : marked(c, tone);
        else
            out += c == 'v' ? std::string_view("ü") : std::string_view(&c, 1);
    }
    return out;
}

std::string withToneNumber(PinyinSyllable syllable) {
    return std::string(syllable.letters) + std::to_string(syllable.tone);
}

}  // namespace veyrin
