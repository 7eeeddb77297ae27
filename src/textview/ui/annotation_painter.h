#pragma once
// Writes syllables over characters in a small face: in the band above a row's characters on
// screen and on exported paper, and beside the characters of a vertical column. Each syllable is
// centred over its character's two cells and squeezed across when it is wider than them, so
// neighbouring syllables never run into each other.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include "textview/model/pinyin_annotations.h"

class QPainter;

namespace veyrin {

// The face syllables are written in beside text `textHeight` pixels high.
QFont annotationFace(int textHeight);
// The height of the band the face needs.
int annotationBandOf(const QFont& face);

// One syllable, its baseline on the box's bottom less the face's descent.
void drawAnnotation(QPainter& painter, const QFont& face, const QString& text, const QRectF& box, const QColor& color);

// The syllables over bytes [from, end) of a row: byte i of the line sits in the cell at
// firstCellX + (i - from) * cellWidth, and the band lies from bandTop to bandTop + bandHeight.
struct TAnnotatedRow {
    const TSynLineAnnotations* annotations = nullptr;
    size_t from = 0;
    size_t end = 0;
};
void drawRowAnnotations(QPainter& painter, const QFont& face, const TAnnotatedRow& row, qreal firstCellX,
                        int cellWidth, int bandTop, int bandHeight, const QColor& color);

}  // namespace veyrin
