#include "textview/model/line_spacing.h"

namespace veyrin {

int halfRoundedToEven(int n) {
    int half = n / 2;
    bool exactlyHalfway = n % 2 != 0;
    if (exactlyHalfway && half % 2 != 0) half += n > 0 ? 1 : -1;
    return half;
}

int extraSpacingFor(TLineSpacingRule rule, int textHeight, int lineSpacing) {
    switch (rule) {
        case lsSingle: return 2;
        case lsOneAndHalf: return halfRoundedToEven(textHeight) + 2;
        case lsDouble: return textHeight + 2;
        case lsSpecified: break;
    }
    return lineSpacing;
}

int textOffsetInRow(int rowHeight, int textHeight, int annotationBand) {
    return annotationBand + (rowHeight - annotationBand - textHeight) / 2;
}

}  // namespace veyrin
