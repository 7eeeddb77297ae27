#include "controls/ui/parent_color.h"

#include "platform/ui/qt_color.h"

namespace veyrin {

TColor parentBackgroundColor(const QWidget* widget, TColor fallback) {
    const QWidget* parent = widget->parentWidget();
    if (parent == nullptr) return fallback;
    return fromQColor(parent->palette().color(parent->backgroundRole()));
}

}  // namespace veyrin
