#pragma once
// Disabled text is drawn embossed, as every disabled caption of the program: the text in the
// button-highlight colour one pixel right and down, then in the button-shadow colour in place.

#include <QRect>
#include <QString>

class QPainter;

namespace veyrin {

void drawEmbossedText(QPainter& painter, const QRect& rect, int flags, const QString& text);

}  // namespace veyrin
