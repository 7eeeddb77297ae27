#include "skin/model/window_shape.h"

#include <algorithm>

namespace veyrin {
namespace {

// Which source pixel of a copy lands on a target coordinate along one axis.
int sourceCoordinate(PictureCopy::Mode mode, int sourceFrom, int sourceLength, int targetFrom, int targetLength, int t) {
    int offset = t - targetFrom;
    switch (mode) {
    case PictureCopy::Mode::Copy: return sourceFrom + offset;
    case PictureCopy::Mode::Tile: return sourceFrom + offset % sourceLength;
    case PictureCopy::Mode::Stretch: return sourceFrom + static_cast<int>(static_cast<long long>(offset) * sourceLength / targetLength);
    }
    return sourceFrom;
}

// The strip rendered as black/not black, then cut into runs per row.
void addStripRuns(const SkinBitmap& mask, const CompositionSource& layout, FrameStrip strip, int width, int height,
                  std::vector<FrameRect>& runs) {
    const FrameRect area = stripRect(layout, strip, width, height);
    if (area.isAbsent()) return;
    const int w = area.width(), h = area.height();
    std::vector<char> black(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    for (const PictureCopy& copy : stripCopies(layout, strip, width, height)) {
        const FrameRect& s = copy.source;
        const FrameRect& t = copy.target;
        for (int y = std::max(t.top, area.top); y < std::min(t.bottom, area.bottom); ++y) {
            int sy = sourceCoordinate(copy.mode, s.top, s.height(), t.top, t.height(), y);
            if (sy < 0 || sy >= mask.height) continue;
            for (int x = std::max(t.left, area.left); x < std::min(t.right, area.right); ++x) {
                int sx = sourceCoordinate(copy.mode, s.left, s.width(), t.left, t.width(), x);
                if (sx < 0 || sx >= mask.width) continue;
                black[static_cast<std::size_t>(y - area.top) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x - area.left)] =
                    mask.isBlack(sx, sy) ? 1 : 0;
            }
        }
    }
    int count = 0;
    for (int y = 0; y < h; ++y) {
        const char* row = &black[static_cast<std::size_t>(y) * static_cast<std::size_t>(w)];
        for (int x = 0; x < w;) {
            if (!row[x]) {
                ++x;
                continue;
            }
            int end = x;
            while (end < w && row[end]) ++end;
            if (count++ == WindowShape::kMaxRunsPerStrip) return;
            runs.push_back({area.left + x, area.top + y, area.left + end, area.top + y + 1});
            x = end;
        }
    }
}

}  // namespace

WindowShape::WindowShape(const SkinBitmap& mask, const CompositionSource& layout, const FrameRect& maskRectArea, int width,
                         int height)
    : maskRectArea_(maskRectArea) {
    if (mask.isEmpty()) return;
    for (FrameStrip strip : {FrameStrip::Top, FrameStrip::Left, FrameStrip::Right, FrameStrip::Bottom}) {
        addStripRuns(mask, layout, strip, width, height, runs_);
    }
}

bool WindowShape::contains(int x, int y) const {
    if (maskRectArea_.contains(x, y)) return true;
    return std::any_of(runs_.begin(), runs_.end(), [x, y](const FrameRect& r) { return r.contains(x, y); });
}

}  // namespace veyrin
