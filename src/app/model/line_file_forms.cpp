#include "app/model/line_file_forms.h"

#include "platform/model/app_error.h"
#include "platform/model/gbk_text.h"
#include "platform/model/program_path.h"

namespace veyrin {
namespace {

std::string_view upToFirstNul(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

// Length of the line break at `pos` (CR LF counts as one), or 0 when there is none.
std::size_t breakLengthAt(std::string_view text, std::size_t pos) {
    if (text[pos] == '\n') return 1;
    if (text[pos] != '\r') return 0;
    return pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
}

}  // namespace

std::vector<std::string> parseListForm(std::string_view bytes) {
    const std::string_view text = upToFirstNul(bytes);
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        items.emplace_back(text.substr(start, end - start));
        start = end < text.size() ? end + breakLengthAt(text, end) : end;
    }
    return items;
}

std::string formatListForm(const std::vector<std::string>& items) {
    std::string bytes;
    for (const std::string& item : items) {
        bytes += item;
        bytes += "\r\n";
    }
    return bytes;
}

std::string parseBoxForm(std::string_view bytes) {
    const std::string_view text = upToFirstNul(bytes);
    std::string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        if (std::size_t breakLength = breakLengthAt(text, pos)) {
            result += "\r\n";
            pos += breakLength;
        } else {
            std::size_t length = gbk::characterLength(text, pos);
            result.append(text.substr(pos, length));
            pos += length;
        }
    }
    if (result.size() > kMemoCapacity) throw AppError("Text exceeds memo capacity");
    return result;
}

bool holdsEveryByte(std::string_view bytes) { return bytes.find('\0') == std::string_view::npos; }

LineFileLoad<std::vector<std::string>> loadListFile(const std::filesystem::path& base,
                                                    const std::string& programPath) {
    const std::string bytes = readWholeFile(base, programPath);
    return {parseListForm(bytes), holdsEveryByte(bytes)};
}

void saveListFile(const std::filesystem::path& base, const std::string& programPath,
                  const std::vector<std::string>& items) {
    writeFileAtomically(base, programPath, formatListForm(items));
}

LineFileLoad<std::string> loadBoxFile(const std::filesystem::path& base, const std::string& programPath) {
    const std::string bytes = readWholeFile(base, programPath);
    return {parseBoxForm(bytes), holdsEveryByte(bytes)};
}

void saveBoxFile(const std::filesystem::path& base, const std::string& programPath, const std::string& text) {
    writeFileAtomically(base, programPath, text);
}

}  // namespace veyrin
