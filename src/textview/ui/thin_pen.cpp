#include "textview/ui/thin_pen.h"

#include "platform/ui/qt_color.h"

namespace veyrin {
namespace {

Qt::PenStyle toQtPenStyle(TPenStyle style) {
    switch (style) {
        case psDash: return Qt::DashLine;
        case psDot: return Qt::DotLine;
        case psDashDot: return Qt::DashDotLine;
        case psDashDotDot: return Qt::DashDotDotLine;
        case psClear: return Qt::NoPen;
        case psSolid:
        case psInsideFrame: break;
    }
    return Qt::SolidLine;
}

}  // namespace

QPen thinPen(TColor color, TPenStyle style) {
    QPen pen(toQColor(color), 1, toQtPenStyle(style));
    pen.setCosmetic(true);
    return pen;
}

}  // namespace veyrin
