#include "textview/model/traditional_display.h"

#include <algorithm>
#include <vector>

#include "platform/model/chinese_script.h"
#include "platform/model/gbk_text.h"

namespace veyrin {
namespace {

// A poem has a few dozen lines; a text pasted in can have many more, so the cache starts afresh
// rather than growing without end.
constexpr size_t kCachedLines = 4096;

// What a byte pair with no character decodes to (U+FFFD in UTF-8).
constexpr std::string_view kUnmapped = "\xEF\xBF\xBD";

bool isPlainAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Byte length of each character of a GBK text.
std::vector<size_t> gbkCharacterLengths(std::string_view gbk) {
    std::vector<size_t> lengths;
    for (size_t pos = 0; pos < gbk.size(); pos += lengths.back()) lengths.push_back(gbk::characterLength(gbk, pos));
    return lengths;
}

// Each UTF-8 character of a text (a stray continuation byte counts as one).
std::vector<std::string_view> utf8Characters(std::string_view utf8) {
    std::vector<std::string_view> characters;
    size_t pos = 0;
    while (pos < utf8.size()) {
        size_t end = pos + 1;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
        characters.push_back(utf8.substr(pos, end - pos));
        pos = end;
    }
    return characters;
}

}  // namespace

TSynTraditionalDisplay::TSynTraditionalDisplay(const ChineseScript& script) : script_(script) {}

bool TSynTraditionalDisplay::available() const { return script_.available(); }

const std::string& TSynTraditionalDisplay::problem() const { return script_.problem(); }

std::string_view TSynTraditionalDisplay::displayLine(std::string_view stored, std::string& scratch) const {
    if (!available() || isPlainAscii(stored)) return stored;
    std::string key(stored);
    auto found = cache_.find(key);
    if (found == cache_.end()) {
        if (cache_.size() >= kCachedLines) cache_.clear();
        std::string shown = traditionalLine(stored);
        found = cache_.emplace(std::move(key), std::move(shown)).first;
    }
    scratch = found->second;
    return scratch;
}

std::string TSynTraditionalDisplay::traditionalLine(std::string_view gbk) const {
    std::string shown(gbk);
    if (!available() || isPlainAscii(gbk)) return shown;
    const std::vector<size_t> lengths = gbkCharacterLengths(gbk);
    const std::string simplified = gbk::toUtf8(gbk);
    const std::vector<std::string_view> originals = utf8Characters(simplified);
    // Bytes that decode to more or fewer characters than they hold cannot be matched up: as stored.
    if (originals.size() != lengths.size()) return shown;

    const std::string traditional = script_.toTraditional(simplified);
    const std::vector<std::string_view> converted = utf8Characters(traditional);
    const bool sameCount = converted.size() == originals.size();
    // Usually the whole converted line has a GBK form of the same shape, and one conversion does.
    const std::string whole = sameCount ? gbk::fromUtf8(traditional) : std::string();
    const bool wholeFits = sameCount && gbkCharacterLengths(whole) == lengths;

    // Only the double-byte characters that decoded change; anything else, and any form that would
    // not fit its two bytes, stays as stored.
    size_t offset = 0;
    for (size_t i = 0; i < lengths.size(); offset += lengths[i], ++i) {
        if (lengths[i] != 2 || originals[i] == kUnmapped) continue;
        if (wholeFits) {
            shown.replace(offset, 2, whole, offset, 2);
            continue;
        }
        std::string alone;
        std::string_view form = sameCount ? converted[i] : std::string_view(alone = script_.toTraditional(originals[i]));
        if (form == originals[i] || utf8Characters(form).size() != 1) continue;
        std::string bytes = gbk::fromUtf8(form);
        if (bytes.size() == 2 && gbk::characterLength(bytes, 0) == 2) shown.replace(offset, 2, bytes);
    }
    return shown;
}

}  // namespace veyrin
