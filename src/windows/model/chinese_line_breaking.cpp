#include "windows/model/chinese_line_breaking.h"

#include <algorithm>
#include <set>
#include <string>

#include "platform/model/gbk_text.h"

namespace veyrin {
namespace {

// The GBK forms of the marks, written here in UTF-8; a mark without a GBK form is left out.
std::set<std::string> gbkMarks(std::initializer_list<std::string_view> utf8Marks) {
    std::set<std::string> marks;
    for (std::string_view mark : utf8Marks) {
        const std::string bytes = gbk::fromUtf8(mark);
        if (bytes != "?" || mark == "?") marks.insert(bytes);
    }
    return marks;
}

const std::set<std::string>& closingMarks() {
    static const std::set<std::string> marks =
        gbkMarks({"。", "，", "、", "；", "：", "？", "！", "…", "）", "」", "』", "”", "’", "》", "〉", "】", "〕",
                  "〗", "］", "｝", "．", "·", "～", "％", ")", "]", "}", ",", ".", ";", ":", "?", "!", "%"});
    return marks;
}

const std::set<std::string>& openingMarks() {
    static const std::set<std::string> marks =
        gbkMarks({"（", "「", "『", "“", "‘", "《", "〈", "【", "〔", "〖", "［", "｛", "(", "[", "{"});
    return marks;
}

std::string_view characterAt(std::string_view text, std::size_t pos) {
    return pos < text.size() ? text.substr(pos, gbk::characterLength(text, pos)) : std::string_view();
}

bool isMarkAt(const std::set<std::string>& marks, std::string_view text, std::size_t pos) {
    const std::string_view character = characterAt(text, pos);
    return !character.empty() && marks.count(std::string(character)) > 0;
}

bool isLatinByte(char byte) { return byte > 0x20 && byte < 0x7F; }
bool isBlank(char byte) { return byte == ' ' || byte == '\t'; }

// GBK cannot be read backwards (a trail byte may look like a lead byte), so the character starts
// are found once, front to back, and the text is walked by character index.
class CharacterIndex {
public:
    explicit CharacterIndex(std::string_view text) : text_(text) {
        for (std::size_t pos = 0; pos < text.size(); pos += gbk::characterLength(text, pos)) starts_.push_back(pos);
        starts_.push_back(text.size());
    }

    std::size_t count() const { return starts_.size() - 1; }
    std::size_t at(std::size_t character) const { return starts_[character]; }

    // The index of the character starting at byte `pos`, or count() when none does.
    std::size_t characterOf(std::size_t pos) const {
        auto found = std::lower_bound(starts_.begin(), starts_.end(), pos);
        return found != starts_.end() && *found == pos ? static_cast<std::size_t>(found - starts_.begin()) : count();
    }

    // Characters [start, end) take at most `cells`; at least one character.
    std::size_t lastFitting(std::size_t start, std::size_t cells) const {
        auto limit = std::upper_bound(starts_.begin(), starts_.end(), starts_[start] + cells);
        const auto end = static_cast<std::size_t>(limit - starts_.begin()) - 1;
        return std::max(end, start + 1);
    }

    bool mayBreakBefore(std::size_t character) const {
        if (character == 0 || character >= count()) return false;
        const std::size_t pos = starts_[character];
        const std::size_t before = starts_[character - 1];
        if (isClosingMarkAt(text_, pos) || isOpeningMarkAt(text_, before)) return false;
        if (isLatinByte(text_[before]) && isLatinByte(text_[pos])) return false;
        return !isDashPair(before, pos);
    }

    bool isPauseBefore(std::size_t character) const {
        return character > 0 && isClosingMarkAt(text_, starts_[character - 1]);
    }

private:
    // Two dashes make one mark.
    bool isDashPair(std::size_t before, std::size_t pos) const {
        static const std::string dash = gbk::fromUtf8("—");
        return characterAt(text_, before) == dash && characterAt(text_, pos) == dash;
    }

    std::string_view text_;
    std::vector<std::size_t> starts_;
};

// The character index where the row from `start` ends, given that characters up to `fit` fit.
std::size_t chooseBreak(const CharacterIndex& text, std::size_t start, std::size_t fit, TBreakStyle style) {
    if (text.mayBreakBefore(fit)) {
        if (style == TBreakStyle::Prose || text.isPauseBefore(fit)) return fit;
    } else if (text.isPauseBefore(fit + 1) && (fit + 1 == text.count() || text.mayBreakBefore(fit + 1))) {
        return fit + 1;  // the closing mark hangs in the margin
    }
    // A pause that leaves the row less than half full reads worse than a break without one.
    const std::size_t shortest = start + (fit - start + 1) / 2;
    std::size_t allowed = 0;
    for (std::size_t c = fit; c > start; --c) {
        if (!text.mayBreakBefore(c)) continue;
        if (style == TBreakStyle::Prose || (text.isPauseBefore(c) && c >= shortest)) return c;
        if (allowed == 0) allowed = c;
    }
    return allowed > start ? allowed : fit;
}

}  // namespace

bool isClosingMarkAt(std::string_view text, std::size_t pos) { return isMarkAt(closingMarks(), text, pos); }

bool isOpeningMarkAt(std::string_view text, std::size_t pos) { return isMarkAt(openingMarks(), text, pos); }

bool mayBreakAt(std::string_view text, std::size_t pos) {
    const CharacterIndex index(text);
    return index.mayBreakBefore(index.characterOf(pos));
}

std::vector<int> breakIntoRows(std::string_view text, int columns, TBreakStyle style) {
    const CharacterIndex index(text);
    const std::size_t cells = static_cast<std::size_t>(std::max(columns, 2));
    std::vector<int> rows;
    std::size_t start = 0;
    while (text.size() - index.at(start) > cells) {
        std::size_t end = chooseBreak(index, start, index.lastFitting(start, cells), style);
        while (end < index.count() && isBlank(text[index.at(end)])) ++end;
        rows.push_back(static_cast<int>(index.at(end) - index.at(start)));
        start = end;
    }
    if (start < index.count() || rows.empty()) rows.push_back(static_cast<int>(text.size() - index.at(start)));
    return rows;
}

}  // namespace veyrin
