#pragma once
// Tabs are expanded for layout and painting only; the stored text keeps them. Stops lie at every
// multiple of the tab width. With a power-of-two width the fillers are tab bytes (painted as blanks,
// and they let a caret column be mapped back onto the tab); with width 1 or another width they are
// spaces.

#include <string>
#include <string_view>

namespace veyrin {

using TConvertTabsProc = std::string (*)(std::string_view line, int tabWidth);

TConvertTabsProc bestTabConverter(int tabWidth);

// Length of the line once expanded, without building it.
int expandedLength(std::string_view line, int tabWidth);

// The 1-based expanded column of a 1-based byte column (a column past the end counts on as bytes).
int byteToExpandedColumn(std::string_view line, int byteColumn, int tabWidth);

// The reverse: the byte column whose expansion holds the expanded column (a column inside a tab's
// fillers maps to the tab itself).
int expandedToByteColumn(std::string_view line, int expandedColumn, int tabWidth);

}  // namespace veyrin
