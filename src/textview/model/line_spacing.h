#pragma once
// Row height = text height + the extra spacing of the line-spacing rule. The main window's "single"
// is lsSpecified with a spacing of 0, so its rows are exactly the text height.

namespace veyrin {

enum TLineSpacingRule { lsSingle, lsOneAndHalf, lsDouble, lsSpecified };

// Half of n, a .5 going to the even neighbour (6.5 -> 6, 7.5 -> 8).
int halfRoundedToEven(int n);

int extraSpacingFor(TLineSpacingRule rule, int textHeight, int lineSpacing);

}  // namespace veyrin
