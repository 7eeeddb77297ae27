#include "textview/model/clipboard_block.h"

#include "platform/model/app_error.h"

namespace veyrin {

std::string encodeClipboardBlock(const TSynClipboardBlock& block) {
    std::string data;
    data.reserve(block.text.size() + 2);
    data.push_back(static_cast<char>(block.mode));
    data.append(textBeforeNul(block.text));
    data.push_back('\0');
    return data;
}

TSynClipboardBlock decodeClipboardBlock(std::string_view data) {
    if (data.empty()) throw AppError(kClipboardPasteFailed);
    TSynClipboardBlock block;
    const auto modeByte = static_cast<unsigned char>(data[0]);
    block.mode = modeByte <= 2 ? static_cast<TSynSelectionMode>(modeByte) : smNormal;
    block.text = std::string(textBeforeNul(data.substr(1)));
    return block;
}

std::string_view textBeforeNul(std::string_view data) {
    const auto nul = data.find('\0');
    return nul == std::string_view::npos ? data : data.substr(0, nul);
}

std::string joinLinesCrLf(const std::vector<std::string>& lines) {
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) joined += "\r\n";
        joined += lines[i];
    }
    return joined;
}

std::vector<std::string> splitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (true) {
        const size_t brk = text.find_first_of("\r\n", pos);
        if (brk == std::string_view::npos) {
            lines.emplace_back(text.substr(pos));
            return lines;
        }
        lines.emplace_back(text.substr(pos, brk - pos));
        pos = brk + 1;
        if (text[brk] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    }
}

}  // namespace veyrin
