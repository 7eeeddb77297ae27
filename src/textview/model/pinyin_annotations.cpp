#include "textview/model/pinyin_annotations.h"

#include <algorithm>

#include "platform/model/gbk_text.h"
#include "platform/model/pinyin_readings.h"
#include "platform/model/utf8_text.h"

namespace veyrin {
namespace {

// As many lines as a long text pasted in has; past that the cache starts afresh.
constexpr size_t kCachedLines = 4096;

constexpr char32_t kNoCharacter = 0xFFFD;

struct GbkCharacter {
    size_t byteIndex = 0;
    size_t length = 0;
    char32_t code = kNoCharacter;
};

// Each character of the line decoded on its own, so there is exactly one code point per GBK
// character and the readings map back onto byte positions.
std::vector<GbkCharacter> decodeKeepingPositions(std::string_view gbkText) {
    std::vector<GbkCharacter> characters;
    for (size_t pos = 0; pos < gbkText.size();) {
        const size_t length = gbk::characterLength(gbkText, pos);
        const std::u32string decoded = utf8::decode(gbk::toUtf8(gbkText.substr(pos, length)));
        characters.push_back({pos, length, decoded.size() == 1 ? decoded[0] : kNoCharacter});
        pos += length;
    }
    return characters;
}

bool isPlainAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

const TSynAnnotation* annotationAt(const TSynLineAnnotations& annotations, size_t byteIndex) {
    auto found = std::lower_bound(annotations.begin(), annotations.end(), byteIndex,
                                  [](const TSynAnnotation& a, size_t index) { return a.byteIndex < index; });
    return found != annotations.end() && found->byteIndex == byteIndex ? &*found : nullptr;
}

TSynLineAnnotations TSynPinyinAnnotations::pinyinOfLine(std::string_view gbkText) {
    TSynLineAnnotations annotations;
    if (isPlainAscii(gbkText)) return annotations;
    const std::vector<GbkCharacter> characters = decodeKeepingPositions(gbkText);
    std::u32string codes;
    for (const GbkCharacter& c : characters) codes.push_back(c.code);
    const std::vector<PinyinReading> readings = pinyinReadings(std::u32string_view(codes));
    for (size_t i = 0; i < characters.size() && i < readings.size(); ++i) {
        if (characters[i].length == 2 && readings[i].hasReading())
            annotations.push_back({characters[i].byteIndex, withToneMark(readings[i].syllable)});
    }
    return annotations;
}

const TSynLineAnnotations& TSynPinyinAnnotations::annotationsOf(std::string_view stored) const {
    std::string key(stored);
    auto found = cache_.find(key);
    if (found == cache_.end()) {
        if (cache_.size() >= kCachedLines) cache_.clear();
        found = cache_.emplace(std::move(key), pinyinOfLine(stored)).first;
    }
    return found->second;
}

}  // namespace veyrin
