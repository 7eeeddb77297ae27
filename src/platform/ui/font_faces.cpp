#include "platform/ui/font_faces.h"

#include <QFontMetrics>
#include <QStringList>

namespace veyrin {

void installFontSubstitutions() {
    const QString song = QStringLiteral("AR PL UMing CN");
    QFont::insertSubstitutions(QString::fromUtf8("新宋体"), {song});
    QFont::insertSubstitutions(QString::fromUtf8("宋体"), {song});
    QFont::insertSubstitutions(QStringLiteral("NSimSun"), {song});
    QFont::insertSubstitutions(QStringLiteral("SimSun"), {song});
    QFont::insertSubstitutions(QString::fromUtf8("黑体"), {QStringLiteral("WenQuanYi Zen Hei")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans")});
}

int pointsToPixels(int points) {
    // MulDiv(points, 96, 72), rounding halves away from zero.
    int numerator = points * 96;
    return numerator >= 0 ? (numerator + 36) / 72 : -((-numerator + 36) / 72);
}

QFont fontWithPixelSize(const QString& face, int pixels) {
    QFont font(face);
    font.setPixelSize(pixels);
    return font;
}

void setFontHeight(QFont& font, int height) {
    if (height < 0) font.setPixelSize(-height);
    if (height <= 0) return;
    // The face's cell is taller than its characters, so the search starts at the cell height and
    // shrinks; faces with a larger leading need a few more steps, never many.
    for (int pixels = height; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() <= height) return;
    }
    font.setPixelSize(1);
}

}  // namespace veyrin
