#include <algorithm>

#include <QPainter>
#include <QtTest>

#include "controls/ui/sui_button.h"
#include "platform/ui/qt_color.h"
#include "support/veyrin_test_main.h"
#include "windows/ui/about_window.h"

using namespace veyrin;

namespace {

bool isInk(QRgb pixel) { return qGray(pixel) < 0x80; }

// Rows, counted from the top, that hold any dark pixel.
int inkedRows(const QImage& image) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        bool inked = false;
        for (int x = 0; x < image.width() && !inked; ++x) inked = isInk(image.pixel(x, y));
        rows += inked ? 1 : 0;
    }
    return rows;
}

// The label's text drawn with nothing to clip it, as the reference for what must be seen.
QImage unclippedText(const QLabel& label) {
    QImage image(label.width(), label.height() * 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(label.font());
    p.setPen(Qt::black);
    p.drawText(image.rect(), static_cast<int>(label.alignment()), label.text());
    return image;
}

QImage shown(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void layoutAndTexts() {
        TForm2 about;
        QCOMPARE(about.caption(), QString::fromUtf8("关于"));
        QCOMPARE(about.client()->size(), QSize(274, 325));
        QCOMPARE(about.Label1->geometry().topLeft(), QPoint(64, 72));
        QCOMPARE(about.Label1->width(), 116);
        QVERIFY(about.Label1->height() >= 29);
        QCOMPARE(about.Label1->text(), QStringLiteral("Veyrin"));
        QCOMPARE(about.Label2->text(), QStringLiteral("Ver.1.1"));
        QCOMPARE(about.Label9->text(), QString::fromUtf8("网友可随意传播"));
        QCOMPARE(about.Label7->geometry(), QRect(68, 123, 148, 16));
        QVERIFY(about.Label7->font().underline());
        QCOMPARE(about.Label7->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!about.Label8->isEnabled());
        QCOMPARE(about.suiButton3->geometry(), QRect(152, 248, 80, 27));
    }

    void titleShowsWholeAndDisabledLineIsEmbossed() {
        TForm2 about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        // The descender of "y" must not be cut off by the label's bottom edge.
        QCOMPARE(inkedRows(shown(*about.Label1)), inkedRows(unclippedText(*about.Label1)));

        // Disabled text: grey, never darker than the shadow colour, with a highlight below it.
        QImage rights = shown(*about.Label8);
        int darkest = 0xFF, lightest = 0;
        for (int y = 0; y < rights.height(); ++y)
            for (int x = 0; x < rights.width(); ++x) {
                darkest = std::min(darkest, qGray(rights.pixel(x, y)));
                lightest = std::max(lightest, qGray(rights.pixel(x, y)));
            }
        QVERIFY2(darkest >= qGray(toQColor(clBtnShadow).rgb()), "disabled text drawn darker than grey");
        QVERIFY2(darkest < 0xB0, "the text is visible");
        QVERIFY2(lightest > 0xE1, "the highlight of the emboss shows above the label's background");
    }

    void onlyTheWebAddressOpensAnything() {
        QList<QUrl> opened;
        TForm2::installUrlOpener([&](const QUrl& url) { opened << url; });
        TForm2 about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.Label7, Qt::LeftButton);
        QTest::mouseClick(about.Label7, Qt::LeftButton);
        QTest::mouseClick(about.Label9, Qt::LeftButton);
        QTest::mouseClick(about.Label5, Qt::LeftButton);
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[0], TForm2::makerAddress());
        QVERIFY(about.isVisible());
        TForm2::installUrlOpener(nullptr);
    }

    void okClosesTheWindow() {
        TForm2 about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.suiButton3, Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }
};

VEYRIN_TEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
