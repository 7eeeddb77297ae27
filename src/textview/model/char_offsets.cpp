#include "textview/model/char_offsets.h"

#include <algorithm>

#include "platform/model/gbk_text.h"
#include "textview/model/line_store.h"

namespace veyrin {

int gbkCharsBefore(std::string_view bytes, int byteIndex) {
    const std::size_t end = static_cast<std::size_t>(std::clamp(byteIndex, 0, static_cast<int>(bytes.size())));
    int chars = 0;
    for (std::size_t pos = 0; pos < end; pos += gbk::characterLength(bytes, pos)) ++chars;
    return chars;
}

int gbkCharCount(std::string_view bytes) { return gbkCharsBefore(bytes, static_cast<int>(bytes.size())); }

int gbkByteOfChar(std::string_view bytes, int charIndex) {
    std::size_t pos = 0;
    for (int i = 0; i < charIndex && pos < bytes.size(); ++i) pos += gbk::characterLength(bytes, pos);
    return static_cast<int>(pos);
}

TSynCharOffsets::TSynCharOffsets(const TSynEditStringList& lines) : lines_(lines) {
    const int count = std::max(1, lines.Count());
    lineStarts_.reserve(static_cast<std::size_t>(count));
    int offset = 0;
    for (int i = 0; i < count; ++i) {
        if (i > 0) ++offset;  // the break before this line
        lineStarts_.push_back(offset);
        if (i < lines.Count()) offset += gbkCharCount(lines.GetView(i));
    }
    length_ = offset;
}

int TSynCharOffsets::offsetOf(TBufferCoord pos) const {
    const int line = std::clamp(pos.Line, 1, lineCount());
    if (line > lines_.Count()) return lineStarts_[static_cast<std::size_t>(line - 1)];
    return lineStarts_[static_cast<std::size_t>(line - 1)] + gbkCharsBefore(lines_.GetView(line - 1), pos.Char - 1);
}

TBufferCoord TSynCharOffsets::coordOf(int offset) const {
    offset = std::clamp(offset, 0, length_);
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    const int line = static_cast<int>(after - lineStarts_.begin());
    if (line > lines_.Count()) return {1, line};
    const std::string_view bytes = lines_.GetView(line - 1);
    const int charInLine = offset - lineStarts_[static_cast<std::size_t>(line - 1)];
    return {gbkByteOfChar(bytes, charInLine) + 1, line};
}

}  // namespace veyrin
