#pragma once
// The design values of the main window's text view (memo3), which the reading window copies.

namespace veyrin {

class TSynEditor;

// 新宋体 9 pt (12 px), window-text colour on white; silver solid ruled lines shown; active line
// 0xE8F9FD / 0x1C6F80; double spacing with spacing value 0; word wrap at the client width; right edge
// and gutter hidden; scroll hint 0xEFEFEF; file format CR as the starting value.
void applyReaderDesignValues(TSynEditor& view);

}  // namespace veyrin
