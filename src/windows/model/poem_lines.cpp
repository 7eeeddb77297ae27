#include "windows/model/poem_lines.h"

#include "platform/model/gbk_text.h"

namespace veyrin {
namespace {

constexpr int kLongestLabel = 4;

std::string_view withoutLeadingBlanks(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : line.substr(first);
}

}  // namespace

bool isPoemTitle(std::string_view line) {
    static const std::string open = gbk::fromUtf8("【");
    static const std::string close = gbk::fromUtf8("】");
    const std::string_view text = withoutLeadingBlanks(line);
    return text.starts_with(open) && text.find(close, open.size()) != std::string_view::npos;
}

bool opensWithLabel(std::string_view line) {
    static const std::string colon = gbk::fromUtf8("：");
    std::size_t pos = 0;
    for (int characters = 0; characters <= kLongestLabel && pos < line.size(); ++characters) {
        if (characters > 0 && line.substr(pos).starts_with(colon)) return true;
        const std::size_t length = gbk::characterLength(line, pos);
        if (length != 2) return false;
        pos += length;
    }
    return false;
}

std::vector<TPoemLineKind> classifyPoemLines(const std::vector<std::string>& lines) {
    std::vector<TPoemLineKind> kinds;
    kinds.reserve(lines.size());
    bool inPoem = false;
    for (const std::string& line : lines) {
        if (isPoemTitle(line)) {
            kinds.push_back(TPoemLineKind::Title);
            inPoem = true;
            continue;
        }
        inPoem = inPoem && !withoutLeadingBlanks(line).empty() && !opensWithLabel(line);
        kinds.push_back(inPoem ? TPoemLineKind::Verse : TPoemLineKind::Prose);
    }
    return kinds;
}

}  // namespace veyrin
