#pragma once
// How the reader's face is drawn on a screen of a given density. At 1x the Song face is drawn
// unsmoothed: its hand-tuned bitmaps for the small sizes only show that way and read best. At 2x
// and 3x the glyphs are drawn at the device pixel size, where the face has no bitmaps; its outlines
// drawn unsmoothed come out ragged, so there they are smoothed. Metrics stay those of the 1x face,
// so cells and rows keep their design pixel sizes at every density.

#include <QFont>

class QPaintDevice;
class QWidget;

namespace veyrin {

// The whole number of device pixels per design pixel of a widget's screen or a paint device.
int densityOf(const QWidget& widget);
int densityOf(const QPaintDevice& device);

// `font` as it is drawn at `density`.
QFont fontForDensity(QFont font, int density);

}  // namespace veyrin
