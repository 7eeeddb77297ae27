#pragma once
// Row height = annotation band + text height + the extra spacing of the line-spacing rule. The main
// window's "single" is lsSpecified with a spacing of 0, so its rows are exactly the text height. The
// band, empty unless syllables are written over the characters, is the top of the row, so the
// characters and the ruled line under them keep their places within what is left.

namespace veyrin {

enum TLineSpacingRule { lsSingle, lsOneAndHalf, lsDouble, lsSpecified };

// Half of n, a .5 going to the even neighbour (6.5 -> 6, 7.5 -> 8).
int halfRoundedToEven(int n);

int extraSpacingFor(TLineSpacingRule rule, int textHeight, int lineSpacing);

// Top of the text within a row: below the band, the rest of the spacing split evenly, the odd
// pixel going below.
int textOffsetInRow(int rowHeight, int textHeight, int annotationBand);

}  // namespace veyrin
