#include "textview/model/gbk_cells.h"

#include "platform/model/gbk_text.h"

namespace veyrin {

bool isTrailByteAt(std::string_view text, size_t from, size_t pos) {
    if (pos <= from || pos > text.size()) return false;
    size_t runStart = pos;
    while (runStart > from && gbk::isLeadByte(static_cast<unsigned char>(text[runStart - 1]))) --runStart;
    return (pos - runStart) % 2 == 1;
}

}  // namespace veyrin
