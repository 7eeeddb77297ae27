#include <QFile>
#include <QtTest>

namespace {

// Bits per pixel as the BMP header stores them.
int bmpBitsPerPixel(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    QByteArray header = file.read(30);
    if (header.size() < 30 || !header.startsWith("BM")) return -1;
    return quint8(header[28]) | (quint8(header[29]) << 8);
}

QRgb bottomLeft(const QImage& image) { return image.pixel(0, image.height() - 1) & 0xFFFFFF; }

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void buttonPictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("bits");
        QTest::newRow("back") << "back.bmp" << QSize(27, 28) << 24;
        QTest::newRow("forward") << "forward.bmp" << QSize(27, 28) << 24;
        QTest::newRow("cut") << "cut.bmp" << QSize(32, 32) << 32;
        QTest::newRow("copy") << "copy.bmp" << QSize(32, 32) << 32;
        QTest::newRow("paste") << "paste.bmp" << QSize(32, 32) << 32;
        QTest::newRow("font") << "font.bmp" << QSize(32, 32) << 32;
        QTest::newRow("text colour") << "text_color.bmp" << QSize(32, 34) << 24;
        QTest::newRow("background colour") << "back_color.bmp" << QSize(31, 32) << 24;
        QTest::newRow("about") << "about.bmp" << QSize(31, 32) << 24;
    }

    // Size, depth and see-through colour as the button row expects them; the picture must show
    // something besides its see-through colour.
    void buttonPictures() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(int, bits);
        const QString resource = ":/pictures/" + name;
        QImage image(resource);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), size);
        QCOMPARE(bmpBitsPerPixel(resource), bits);
        const QRgb key = bits == 32 ? 0xFF00FF : 0xFFFFFF;
        QCOMPARE(bottomLeft(image), key);
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) drawn += (image.pixel(x, y) & 0xFFFFFF) != key;
        QVERIFY2(drawn > image.width() * image.height() / 4, qPrintable(QString::number(drawn)));
    }

    void arrowGlyphsAreBlackOnOlive() {
        QImage up(":/pictures/flatup.bmp"), down(":/pictures/flatdown.bmp");
        QCOMPARE(up.size(), QSize(5, 5));
        QCOMPARE(down.size(), QSize(5, 5));
        const QRgb olive = 0x808000, black = 0;
        QCOMPARE(bottomLeft(up), olive);
        QCOMPARE(bottomLeft(down), olive);
        QCOMPARE(up.pixel(2, 1) & 0xFFFFFF, black);      // the tip points up
        QCOMPARE(up.pixel(0, 1) & 0xFFFFFF, olive);
        QCOMPARE(down.pixel(2, 3) & 0xFFFFFF, black);    // and down
        QCOMPARE(down.pixel(0, 3) & 0xFFFFFF, olive);
    }

    void toolbarPicturesAndIcon() {
        for (int index = 0; index <= 5; ++index) {
            QImage image(QString(":/pictures/imagelist4/%1.png").arg(index));
            QCOMPARE(image.size(), QSize(16, 16));
            QVERIFY(image.hasAlphaChannel());
        }
        QCOMPARE(QImage(":/pictures/veyrin_32.png").size(), QSize(32, 32));
        QCOMPARE(QImage(":/pictures/veyrin_16.png").size(), QSize(16, 16));
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
