#pragma once
// The desktop may ask for any scale (1.25, 1.5, 1.75 ...); the program takes it as a whole number
// of device pixels per design pixel, so every design pixel stays a whole block and nothing is
// resampled at odd ratios. Halves round up, as Qt's Round policy does for the windows themselves.

namespace veyrin {

// The whole scale for a desktop scale: nearest whole number, halves up, never below 1.
int wholeScale(double desktopScale);

// The whole scale limited to the densities the compiled-in pictures are drawn at (1, 2 or 3).
int pictureScale(double desktopScale);

}  // namespace veyrin
