#pragma once
// Frame rectangles (right and bottom exclusive) and QRect (inclusive) meet here only.

#include <QRect>

#include "skin/model/frame_rect.h"

namespace veyrin {

inline QRect toQRect(const FrameRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }
inline FrameRect toFrameRect(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }

}  // namespace veyrin
