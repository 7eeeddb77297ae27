#pragma once
// Line breaking as a printed Chinese page does it, for text laid out afresh on paper: no closing
// mark (。，、；：？！…）」』”’》〉】 and their kin) starts a row and no opening mark (（「『“‘《〈【)
// ends one, a dash pair —— or an ellipsis stays whole, and a run of Latin letters, digits and
// signs is not cut where a blank could take the break. A closing mark that would start the next
// row hangs in the margin past the last column instead; where that is not enough (two closing
// marks in a row, an opening mark at the end) the characters before the break are carried over.
// Text is tab-expanded GBK; every byte is one cell and a character is never split.

#include <string_view>
#include <vector>

namespace veyrin {

// Cells a row may reach past its last column: one full-width closing mark hung in the margin.
constexpr int kHangingCells = 2;

// The character at `pos` (one or two bytes) is a closing or an opening mark.
bool isClosingMarkAt(std::string_view text, std::size_t pos);
bool isOpeningMarkAt(std::string_view text, std::size_t pos);

// A row may end at byte `pos` (0 < pos < size, on a character boundary) by these rules.
bool mayBreakAt(std::string_view text, std::size_t pos);

enum class TBreakStyle {
    Prose,  // as many characters a row as the rules allow
    Verse,  // a line that does not fit breaks at its last pause (after ，。、；：？！) that fits
};

// The byte length of each row; at least one row, an empty text one of length 0. A row holds at
// most `columns` cells plus one hanging closing mark (and blanks, which hang too); when no break
// is allowed anywhere in a row, it breaks hard at `columns` so nothing runs off the paper.
std::vector<int> breakIntoRows(std::string_view text, int columns, TBreakStyle style = TBreakStyle::Prose);

}  // namespace veyrin
