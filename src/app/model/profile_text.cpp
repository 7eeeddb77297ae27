#include "app/model/profile_text.h"

#include <vector>

#include "platform/model/gbk_text.h"

namespace veyrin {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

unsigned char asciiLower(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c; }

// Folds case only in single-byte characters: a GBK trail byte may look like an ASCII letter.
bool namesMatch(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size();) {
        std::size_t length = gbk::characterLength(a, i);
        if (length == 1) {
            if (asciiLower(static_cast<unsigned char>(a[i])) != asciiLower(static_cast<unsigned char>(b[i])))
                return false;
        } else if (a.substr(i, length) != b.substr(i, length)) {
            return false;
        }
        i += length;
    }
    return true;
}

std::vector<std::string_view> splitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(content.substr(start));
            break;
        }
        lines.push_back(content.substr(start, end - start));
        start = end + (content.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// The name inside "[...]" up to the line's last ']', or nullopt when the line is no section header.
std::optional<std::string_view> sectionNameOf(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    std::size_t close = line.rfind(']');
    if (close == std::string_view::npos || close == 0) return std::nullopt;
    return line.substr(1, close - 1);
}

struct KeyLine {
    std::string_view name;
    std::string_view rawValue;
};

std::optional<KeyLine> keyLineOf(std::string_view line) {
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return KeyLine{trimBlanks(line.substr(0, equals)), line.substr(equals + 1)};
}

std::string_view withoutEnclosingQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Where a section lies among the lines: its header and the end of its body (the next header or the
// end of the file).
struct SectionSpan {
    std::size_t header;
    std::size_t end;
};

std::optional<SectionSpan> findSection(const std::vector<std::string_view>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto name = sectionNameOf(lines[i]);
        if (!name || !namesMatch(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !sectionNameOf(lines[end])) ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> findKeyLine(const std::vector<std::string_view>& lines, SectionSpan span,
                                       std::string_view key) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        auto keyLine = keyLineOf(lines[i]);
        if (keyLine && namesMatch(keyLine->name, key)) return i;
    }
    return std::nullopt;
}

// New keys go right after the section's last key line, so blank lines and comments that close
// the section stay between it and the next one.
std::size_t insertionPointFor(const std::vector<std::string_view>& lines, SectionSpan span) {
    std::size_t point = span.header + 1;
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (keyLineOf(lines[i])) point = i + 1;
    }
    return point;
}

std::string keyLineText(std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    line += value;
    return line;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string content;
    for (const std::string& line : lines) {
        content += line;
        content += "\r\n";
    }
    return content;
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

}  // namespace

std::optional<std::string> findProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key) {
    const std::vector<std::string_view> lines = splitLines(content);
    auto span = findSection(lines, section);
    if (!span) return std::nullopt;
    auto index = findKeyLine(lines, *span, key);
    if (!index) return std::nullopt;
    std::string_view value = withoutEnclosingQuotes(trimBlanks(keyLineOf(lines[*index])->rawValue));
    return std::string(value.substr(0, kMaxProfileValueLength));
}

std::string withProfileValue(std::string_view content, std::string_view section, std::string_view key,
                             std::string_view value) {
    const std::vector<std::string_view> views = splitLines(content);
    std::vector<std::string> lines(views.begin(), views.end());
    auto span = findSection(views, section);
    if (!span) {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(keyLineText(key, value));
    } else if (auto index = findKeyLine(views, *span, key)) {
        lines[*index] = keyLineText(keyLineOf(views[*index])->name, value);
    } else {
        auto at = lines.begin() + static_cast<std::ptrdiff_t>(insertionPointFor(views, *span));
        lines.insert(at, keyLineText(key, value));
    }
    return joinLines(lines);
}

std::optional<std::int32_t> parseProfileInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        i += 1;
    } else if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return std::nullopt;

    constexpr std::uint64_t kNegativeLimit = 0x80000000u;
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        int digit = digitValue(text[i]);
        if (digit >= base) return std::nullopt;
        magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (magnitude > kNegativeLimit) return std::nullopt;
    }
    if (negative) return static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude));
    if (magnitude == kNegativeLimit) return std::nullopt;
    return static_cast<std::int32_t>(magnitude);
}

}  // namespace veyrin
