#include "anthology/model/poem_parts.h"

#include <array>
#include <string>

#include "platform/model/gbk_text.h"

namespace veyrin {

namespace {

constexpr std::string_view kNumerals = "一二三四五六七八九十";
constexpr std::array<std::string_view, 4> kSeasonSongs{"春歌", "夏歌", "秋歌", "冬歌"};
constexpr std::string_view kOrdinalPrefix = "其";
constexpr std::size_t kUtf8HanLength = 3;
constexpr std::size_t kMostNumerals = 3;  // 其十二

bool isNumeral(std::string_view utf8Character) {
    for (std::size_t i = 0; i < kNumerals.size(); i += kUtf8HanLength)
        if (kNumerals.substr(i, kUtf8HanLength) == utf8Character) return true;
    return false;
}

bool isOrdinal(std::string_view utf8) {
    if (!utf8.starts_with(kOrdinalPrefix)) return false;
    std::string_view numerals = utf8.substr(kOrdinalPrefix.size());
    if (numerals.empty() || numerals.size() % kUtf8HanLength != 0 ||
        numerals.size() > kMostNumerals * kUtf8HanLength)
        return false;
    for (std::size_t i = 0; i < numerals.size(); i += kUtf8HanLength)
        if (!isNumeral(numerals.substr(i, kUtf8HanLength))) return false;
    return true;
}

}  // namespace

bool isPartLabel(std::string_view gbkLine) {
    // Labels are a few characters: anything longer is verse, and is not worth decoding.
    if (gbkLine.empty() || gbkLine.size() > 2 * (1 + kMostNumerals)) return false;
    const std::string utf8 = gbk::toUtf8(gbkLine);
    for (std::string_view song : kSeasonSongs)
        if (utf8 == song) return true;
    return isOrdinal(utf8);
}

}  // namespace veyrin
