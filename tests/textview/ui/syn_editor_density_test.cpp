// The text view on a screen of two device pixels a design pixel (the whole test runs with
// QT_SCALE_FACTOR=2): cells and rows keep their design sizes, ruled lines and the caret are full
// blocks of device pixels, and the glyphs are drawn at the device size, smoothed, not blown up.

#include <QPainter>
#include <QScreen>
#include <QSet>
#include <QtTest>

#include <memory>
#include <string>

#include "app/ui/veyrin_application.h"
#include "platform/ui/font_faces.h"
#include "textview/ui/flat_scroll_bar.h"
#include "textview/ui/reader_design_values.h"
#include "textview/ui/syn_editor.h"
#include "support/shown_reader_view.h"
#include "textview/ui/thin_pen.h"
#include "windows/ui/text_export.h"

using namespace veyrin;

namespace {

const QRgb kSilver = qRgb(0xC0, 0xC0, 0xC0);
constexpr int kScale = 2;

// Device rows, in one device column, that hold the given colour.
QList<int> rowsWithColor(const QImage& image, int x, QRgb color) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(x, y) == color) rows.append(y);
    }
    return rows;
}

// Every design row as the whole block of device rows it covers.
QList<int> deviceRows(const QList<int>& designRows) {
    QList<int> rows;
    for (int y : designRows) {
        for (int i = 0; i < kScale; ++i) rows.append(y * kScale + i);
    }
    return rows;
}

QRect boundsOfDarkPixels(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

int darkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    }
    return dark;
}

// Aligned 2x2 blocks of the area whose pixels are not all alike: none in a picture blown up from 1x.
int unevenBlocks(const QImage& image, const QRect& area) {
    int uneven = 0;
    for (int y = area.top() & ~1; y < area.bottom(); y += 2) {
        for (int x = area.left() & ~1; x < area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            uneven += (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p);
        }
    }
    return uneven;
}

int pixelsUnlike(const QImage& image, const QRect& area, QRgb paper) {
    int unlike = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) unlike += image.pixel(x, y) != paper ? 1 : 0;
    }
    return unlike;
}

// Unsmoothed glyphs have two colours, ink and paper; smoothed edges blend the two.
int colourCount(const QImage& image, const QRect& area) {
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) colours.insert(image.pixel(x, y));
    }
    return static_cast<int>(colours.size());
}

}  // namespace

class SynEditorDensityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TSynEditor> makeView(int width, int height, const std::string& text) {
        return test::makeShownReaderView(width, height, text);
    }

    static QImage paint(TSynEditor& view) {
        return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void initTestCase() {
        installFontSubstitutions();
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), qreal(kScale));
    }

    void ruledLinesAreOneDesignPixelAndCellsKeepTheirDesignSizes() {
        auto view = makeView(300, 12 * 26, "ab\r\ncd\r\n\r\nef\r\ngh\r\n");
        QVERIFY(view);
        QCOMPARE(view->charWidth(), 6);
        QCOMPARE(view->rowHeight(), 26);
        const QImage image = paint(*view);
        QCOMPARE(image.width(), (300) * kScale);
        QCOMPARE(rowsWithColor(image, 250 * kScale, kSilver), deviceRows({25, 51, 77, 103, 129}));
        QCOMPARE(rowsWithColor(image, 250 * kScale + 1, kSilver), deviceRows({25, 51, 77, 103, 129}));
        // The margin left of the text stays unruled, to the last device pixel.
        QVERIFY(rowsWithColor(image, 2 * kScale - 1, kSilver).isEmpty());
    }

    void theCaretIsAFullBlockOfDevicePixels() {
        std::string blanks;
        for (int i = 0; i < 4; ++i) blanks += std::string(30, ' ') + "\r\n";
        auto view = makeView(300, 4 * 26, blanks + "end");
        QVERIFY(view);
        view->activateWindow();
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2 + 6 * 6, 5));
        const QImage shown = paint(*view);
        const QRect caret = view->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QRect inDevicePixels(caret.topLeft() * kScale, caret.size() * kScale);
        QCOMPARE(boundsOfDarkPixels(shown), inDevicePixels);
        QCOMPARE(darkPixels(shown), inDevicePixels.width() * inDevicePixels.height());
    }

    void glyphsAreDrawnSmoothedAtTheDeviceSize() {
        // Six Song characters "唐诗三百首" + "诗" on the first row.
        auto view = makeView(300, 2 * 26, "\xCC\xC6\xCA\xAB\xC8\xFD\xB0\xD9\xCA\xD7\xCA\xAB\r\n");
        QVERIFY(view);
        view->clearFocus();
        const QImage image = paint(*view);
        const QRect firstRow(2 * kScale, 0, 12 * 6 * kScale, 25 * kScale);
        QVERIFY(pixelsUnlike(image, firstRow, image.pixel(firstRow.topLeft())) > 200);
        QVERIFY2(unevenBlocks(image, firstRow) > 50, "the glyphs are a 1x picture blown up");
        QVERIFY2(colourCount(image, firstRow) > 8, "the glyph outlines are not smoothed");
    }

    void thinLinesPointsAndOutlinesCoverWholeDesignPixels() {
        for (Qt::PenStyle style : {Qt::SolidLine, Qt::DotLine, Qt::DashLine}) {
            QImage image(QSize(20, 16) * kScale, QImage::Format_RGB32);
            image.setDevicePixelRatio(kScale);
            image.fill(Qt::white);
            const QRect outline(2, 3, 10, 6);
            {
                QPainter painter(&image);
                painter.setPen(QPen(Qt::black, 1, style));
                drawThinRect(painter, outline);
                drawThinLine(painter, QPoint(14, 1), QPoint(14, 12));
                drawThinPoint(painter, QPoint(17, 5));
            }
            QCOMPARE(unevenBlocks(image, image.rect()), 0);
            // Ink only on the outline's border, the line's column and the point.
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 20; ++x) {
                    const bool inked = qGray(image.pixel(x * kScale, y * kScale)) < 100;
                    const bool border = outline.contains(x, y) && !outline.adjusted(1, 1, -1, -1).contains(x, y);
                    const bool allowed = border || (x == 14 && y >= 1 && y <= 12) || (x == 17 && y == 5);
                    if (inked) QVERIFY2(allowed, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
                }
            }
            QVERIFY(qGray(image.pixel(17 * kScale, 5 * kScale)) < 100);
            QVERIFY(qGray(image.pixel(outline.left() * kScale, outline.top() * kScale)) < 100);
            QVERIFY(qGray(image.pixel(14 * kScale, 1 * kScale)) < 100);
        }
    }

    void anExportedPictureHasTheViewsDensity() {
        auto view = makeView(300, 4 * 26, "ab\r\ncd\r\n");
        QVERIFY(view);
        const QImage picture = exportPicture(*view).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.devicePixelRatio(), qreal(kScale));
        const QList<int> ruled = rowsWithColor(picture, picture.width() / 2, kSilver);
        QVERIFY(!ruled.isEmpty());
        QCOMPARE(ruled.size() % kScale, 0);
        for (qsizetype i = 0; i < ruled.size(); i += kScale) {
            QCOMPARE(ruled[i] % kScale, 0);
            QCOMPARE(ruled[i + 1], ruled[i] + 1);
        }
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    VeyrinApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    SynEditorDensityTest tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "syn_editor_density_test.moc"
