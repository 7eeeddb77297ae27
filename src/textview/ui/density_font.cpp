#include "textview/ui/density_font.h"

#include <QPaintDevice>
#include <QWidget>

#include "platform/model/screen_scale.h"

namespace veyrin {

int densityOf(const QWidget& widget) { return wholeScale(widget.devicePixelRatioF()); }

int densityOf(const QPaintDevice& device) { return wholeScale(device.devicePixelRatioF()); }

QFont fontForDensity(QFont font, int density) {
    font.setStyleStrategy(density > 1 ? QFont::PreferAntialias : QFont::NoAntialias);
    return font;
}

}  // namespace veyrin
