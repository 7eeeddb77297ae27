#pragma once
// How a character stands in a vertical column. Full-width punctuation takes its vertical
// presentation form (the comma and full stop move to the upper right of their square, brackets
// open downwards, dashes and ellipses run down the column); curly quotation marks become corner
// brackets, as vertical Chinese print sets them. Half-width characters (Latin letters, digits,
// ASCII signs) and the few full-width signs that have no vertical form but lie along the line
// (wave dash, full-width hyphen) are turned a quarter clockwise, so a Latin word reads downwards.

namespace veyrin {

enum class TVerticalTurn { Upright, Sideways };

// The character shown in a column for `code`; `code` itself when it has no vertical form.
char32_t verticalFormOf(char32_t code);

// Closing punctuation (，。、：；！？ and closing brackets and quotes) never heads a column: where a
// column ends just before one, it hangs below the column's last character instead.
bool hangsAtColumnEnd(char32_t code);

// Whether a character of `cells` cells (1 for a single byte, 2 for a double-byte character) is
// drawn turned a quarter clockwise.
TVerticalTurn verticalTurnOf(char32_t code, int cells);

}  // namespace veyrin
