#include "platform/model/utf8_text.h"

namespace veyrin::utf8 {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

std::size_t sequenceLength(unsigned char lead) {
    return lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
}

bool isContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The code point of the sequence at `at`, or nullopt when its bytes are not continuation bytes.
std::optional<char32_t> sequenceValue(std::string_view utf8, std::size_t at, std::size_t length) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    char32_t cp = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length; ++k) {
        if (!isContinuation(utf8[at + k])) return std::nullopt;
        cp = (cp << 6) | (static_cast<unsigned char>(utf8[at + k]) & 0x3F);
    }
    return cp;
}

constexpr char32_t kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};

bool isWellFormed(char32_t cp, std::size_t length) {
    return cp >= kSmallestOfLength[length] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

}  // namespace

std::u32string decode(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t length = sequenceLength(static_cast<unsigned char>(utf8[i]));
        const auto cp = length == 0 || i + length > utf8.size() ? std::nullopt : sequenceValue(utf8, i, length);
        out.push_back(cp ? *cp : kReplacementCharacter);
        i += cp ? length : 1;
    }
    return out;
}

std::string encode(std::u32string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (char32_t cp : text) {
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::optional<std::size_t> firstInvalidByte(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = sequenceLength(static_cast<unsigned char>(utf8[i]));
        const auto cp = length == 0 || i + length > utf8.size() ? std::nullopt : sequenceValue(utf8, i, length);
        if (!cp || !isWellFormed(*cp, length)) return i;
        i += length;
    }
    return std::nullopt;
}

}  // namespace veyrin::utf8
