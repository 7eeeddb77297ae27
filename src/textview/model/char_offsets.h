#pragma once
// Positions in the text counted in characters, as assistive technology counts them: a GBK
// double-byte character is one character, a stray byte is one, and every line break between two
// lines is one. The view holds byte positions; this turns one into the other.

#include <string_view>
#include <vector>

#include "textview/model/buffer_coord.h"

namespace veyrin {

class TSynEditStringList;

// Characters in a run of GBK bytes.
int gbkCharCount(std::string_view bytes);
// Characters before byte `byteIndex` (0-based); a byte index inside a pair counts that pair.
int gbkCharsBefore(std::string_view bytes, int byteIndex);
// The 0-based byte where character `charIndex` starts; past the end gives the length.
int gbkByteOfChar(std::string_view bytes, int charIndex);

class TSynCharOffsets {
public:
    explicit TSynCharOffsets(const TSynEditStringList& lines);

    // Characters of the whole text, line breaks included (none after the last line).
    int length() const { return length_; }
    int lineCount() const { return static_cast<int>(lineStarts_.size()); }
    // Offset of a buffer position (1-based line and byte column), held to the text.
    int offsetOf(TBufferCoord pos) const;
    // The buffer position of an offset, held to the text; an offset on a line break is the end of
    // its line.
    TBufferCoord coordOf(int offset) const;

private:
    const TSynEditStringList& lines_;
    std::vector<int> lineStarts_;
    int length_ = 0;
};

}  // namespace veyrin
