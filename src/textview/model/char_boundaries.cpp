#include "textview/model/char_boundaries.h"

#include "platform/model/gbk_text.h"

namespace veyrin {

int charLengthAt(std::string_view line, int index) {
    const auto size = static_cast<int>(line.size());
    if (index < 0 || index >= size) return 1;
    return gbk::isLeadByte(static_cast<unsigned char>(line[index])) && index + 1 < size ? 2 : 1;
}

int charBoundaryAtOrBefore(std::string_view line, int col) {
    const int size = static_cast<int>(line.size());
    if (col <= 1) return 1;
    if (col > size) return col;
    int boundary = 1;
    while (true) {
        const int next = boundary + charLengthAt(line, boundary - 1);
        if (next > col) return boundary;
        boundary = next;
    }
}

bool isInsideChar(std::string_view line, int col) { return charBoundaryAtOrBefore(line, col) != col; }

int previousCharCol(std::string_view line, int col) {
    if (col <= 1) return 1;
    if (col > static_cast<int>(line.size()) + 1) return col - 1;
    return charBoundaryAtOrBefore(line, col - 1);
}

int nextCharCol(std::string_view line, int col) {
    const int start = charBoundaryAtOrBefore(line, col);
    return start + charLengthAt(line, start - 1);
}

}  // namespace veyrin

namespace veyrin {

std::vector<int> charStartColumns(std::string_view line) {
    std::vector<int> starts;
    starts.reserve(line.size());
    for (int i = 0; i < static_cast<int>(line.size()); i += charLengthAt(line, i)) starts.push_back(i + 1);
    return starts;
}

}  // namespace veyrin
