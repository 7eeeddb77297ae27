#include "controls/model/color_shading.h"

#include <algorithm>
#include <cmath>

namespace veyrin {
namespace {

struct Hsl {
    double hue;         // 0..6 (sextants)
    double saturation;  // 0..1
    double luminance;   // 0..1
};

Hsl toHsl(std::uint32_t bgr) {
    double r = redOf(bgr) / 255.0, g = greenOf(bgr) / 255.0, b = blueOf(bgr) / 255.0;
    double maxC = std::max({r, g, b}), minC = std::min({r, g, b});
    double l = (maxC + minC) / 2;
    double delta = maxC - minC;
    if (delta == 0) return {0, 0, l};
    double s = l <= 0.5 ? delta / (maxC + minC) : delta / (2 - maxC - minC);
    double h = maxC == r ? (g - b) / delta : maxC == g ? 2 + (b - r) / delta : 4 + (r - g) / delta;
    if (h < 0) h += 6;
    return {h, s, l};
}

double hueToChannel(double m1, double m2, double h) {
    if (h < 0) h += 6;
    if (h >= 6) h -= 6;
    if (h < 1) return m1 + (m2 - m1) * h;
    if (h < 3) return m2;
    if (h < 4) return m1 + (m2 - m1) * (4 - h);
    return m1;
}

int toByte(double channel) { return static_cast<int>(std::lround(std::clamp(channel, 0.0, 1.0) * 255)); }

TColor fromHsl(const Hsl& c) {
    double m2 = c.luminance <= 0.5 ? c.luminance * (1 + c.saturation)
                                   : c.luminance + c.saturation - c.luminance * c.saturation;
    double m1 = 2 * c.luminance - m2;
    int r = toByte(hueToChannel(m1, m2, c.hue + 2));
    int g = toByte(hueToChannel(m1, m2, c.hue));
    int b = toByte(hueToChannel(m1, m2, c.hue - 2));
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}

TColor shade(TColor color, int percent, double target) {
    std::uint32_t bgr = colorToRgb(color);
    if (percent == 0) return static_cast<TColor>(bgr);
    Hsl hsl = toHsl(bgr);
    double step = std::clamp(percent, 0, 100) / 100.0;
    hsl.luminance += (target - hsl.luminance) * step;
    return fromHsl(hsl);
}

}  // namespace

TColor lighterShade(TColor color, int percent) { return shade(color, percent, 1.0); }

TColor darkerShade(TColor color, int percent) { return shade(color, percent, 0.0); }

}  // namespace veyrin
