#pragma once
// Character boundaries in a GBK line. Columns are 1-based byte columns; column c stands before
// byte c. A lead byte (0x81-0xFE) and the byte after it form one character, counted from the line
// start, so boundaries are only known by scanning from there.

#include <string_view>

namespace veyrin {

// Length in bytes (1 or 2) of the character that starts at 0-based byte `index` (1 past the end).
int charLengthAt(std::string_view line, int index);

// Whether column `col` stands between the two bytes of a double-byte character.
bool isInsideChar(std::string_view line, int col);

// The boundary at or left of `col` (a column inside a character moves to its start).
int charBoundaryAtOrBefore(std::string_view line, int col);

// The start of the character before `col` (col 1 stays 1).
int previousCharCol(std::string_view line, int col);

// The column after the character at `col` (past the end it advances by one).
int nextCharCol(std::string_view line, int col);

}  // namespace veyrin

#include <vector>

namespace veyrin {

// 1-based columns at which the line's characters start, in order.
std::vector<int> charStartColumns(std::string_view line);

}  // namespace veyrin
