#include "textview/model/word_chars.h"

#include "textview/model/char_boundaries.h"

#include <vector>

namespace veyrin {
namespace {

bool isHalfWidthWordByte(unsigned char b) {
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_' ||
           (b >= 0xC0 && b <= 0xD6) || (b >= 0xD8 && b <= 0xF6) || b >= 0xF8;
}

bool inRange(unsigned lead, unsigned trail, unsigned leadLo, unsigned leadHi, unsigned trailLo, unsigned trailHi) {
    return lead >= leadLo && lead <= leadHi && trail >= trailLo && trail <= trailHi;
}

TSynCharClass classifyDoubleByte(unsigned lead, unsigned trail) {
    if (inRange(lead, trail, 0xA3, 0xA3, 0xB0, 0xB9) || inRange(lead, trail, 0xA3, 0xA3, 0xC1, 0xDA) ||
        inRange(lead, trail, 0xA3, 0xA3, 0xE1, 0xFA))
        return TSynCharClass::fullWidthAlnum;
    if (inRange(lead, trail, 0xA4, 0xA5, 0xA1, 0xFE)) return TSynCharClass::kana;
    if (inRange(lead, trail, 0xA6, 0xA7, 0xA1, 0xFE) || inRange(lead, trail, 0xA8, 0xA8, 0xA1, 0xC0))
        return TSynCharClass::foreignLetter;
    if (lead >= 0xA1 && lead <= 0xA9) return TSynCharClass::symbol;
    // Everything else with a lead byte: GB2312 ideographs (B0-F7), the GBK extensions (81-A0 and
    // AA-FE with trail bytes 40-A0) and the user-defined areas (AA-AF, F8-FE with trails A1-FE).
    return TSynCharClass::ideograph;
}

struct CharSpan {
    int start;
    int length;
    TSynCharClass cls;
};

std::vector<CharSpan> splitIntoChars(std::string_view line) {
    std::vector<CharSpan> chars;
    for (int i = 0; i < static_cast<int>(line.size());) {
        int length = charLengthAt(line, i);
        chars.push_back({i, length, classifyCharAt(line, i)});
        i += length;
    }
    return chars;
}

}  // namespace

TSynCharClass classifyCharAt(std::string_view line, int index) {
    const auto lead = static_cast<unsigned char>(line[index]);
    if (charLengthAt(line, index) == 2)
        return classifyDoubleByte(lead, static_cast<unsigned char>(line[index + 1]));
    return isHalfWidthWordByte(lead) ? TSynCharClass::halfWidthWord : TSynCharClass::symbol;
}

std::pair<int, int> wordRangeAt(std::string_view line, int caretCol) {
    const auto chars = splitIntoChars(line);
    const int lineEnd = static_cast<int>(line.size()) + 1;
    const int caret = caretCol < 1 ? 1 : (caretCol > lineEnd ? lineEnd : caretCol);

    // The character that starts at the caret, or holds it when the caret sits on a trail byte.
    int at = static_cast<int>(chars.size());
    for (int i = 0; i < static_cast<int>(chars.size()); ++i) {
        if (chars[i].start + chars[i].length > caret - 1) {
            at = i;
            break;
        }
    }
    auto isWord = [&](int i) { return i >= 0 && i < static_cast<int>(chars.size()) && chars[i].cls != TSynCharClass::symbol; };
    if (!isWord(at)) --at;
    if (!isWord(at)) return {caret, caret};

    const TSynCharClass cls = chars[at].cls;
    int first = at, last = at;
    while (first > 0 && chars[first - 1].cls == cls) --first;
    while (last + 1 < static_cast<int>(chars.size()) && chars[last + 1].cls == cls) ++last;
    return {chars[first].start + 1, chars[last].start + chars[last].length + 1};
}

}  // namespace veyrin
