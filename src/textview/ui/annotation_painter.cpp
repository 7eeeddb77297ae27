#include "textview/ui/annotation_painter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace veyrin {
namespace {

// Smaller than this the tone marks can no longer be told apart.
constexpr int kSmallestFacePixels = 7;

}  // namespace

QFont annotationFace(int textHeight) {
    // A plain sans face: the reader's Song face has no tone-marked letters of its own.
    QFont face = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    face.setPixelSize(std::max(kSmallestFacePixels, textHeight * 5 / 9));
    face.setKerning(false);
    return face;
}

int annotationBandOf(const QFont& face) { return QFontMetrics(face).height(); }

void drawAnnotation(QPainter& painter, const QFont& face, const QString& text, const QRectF& box, const QColor& color) {
    const QFontMetricsF metrics(face);
    const qreal width = metrics.horizontalAdvance(text);
    if (width <= 0 || box.width() <= 0) return;
    const qreal squeeze = std::min<qreal>(1.0, box.width() / width);
    painter.save();
    painter.setFont(face);
    painter.setPen(color);
    painter.translate(box.center().x(), box.bottom() - metrics.descent());
    painter.scale(squeeze, 1.0);
    painter.drawText(QPointF(-width / 2, 0), text);
    painter.restore();
}

void drawRowAnnotations(QPainter& painter, const QFont& face, const TAnnotatedRow& row, qreal firstCellX,
                        int cellWidth, int bandTop, int bandHeight, const QColor& color) {
    if (row.annotations == nullptr) return;
    for (const TSynAnnotation& annotation : *row.annotations) {
        if (annotation.byteIndex < row.from || annotation.byteIndex >= row.end) continue;
        const qreal left = firstCellX + static_cast<qreal>(annotation.byteIndex - row.from) * cellWidth;
        drawAnnotation(painter, face, QString::fromStdString(annotation.text),
                       QRectF(left, bandTop, 2.0 * cellWidth, bandHeight), color);
    }
}

}  // namespace veyrin
