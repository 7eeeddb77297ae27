#include <QStringDecoder>
#include <QtTest>

#include "platform/ui/gbk_qt.h"

class GbkQtTest : public QObject {
    Q_OBJECT
private slots:
    void convertsBothWays() {
        std::string gbk = "\xCC\xC6\xCA\xAB";  // 唐诗
        QCOMPARE(veyrin::gbkToQString(gbk), QString::fromUtf8("唐诗"));
        QCOMPARE(veyrin::qStringToGbk(QString::fromUtf8("唐诗")), gbk);
    }
    void unmappableCharactersBecomeQuestionMarks() {
        QCOMPARE(veyrin::qStringToGbk(QString::fromUtf8("a😀b")), std::string("a?b"));
        QVERIFY(veyrin::gbkToQString("\x81 ").contains(QChar(0xFFFD)));
    }
    // Conversions share one decoder: each text must read as it would alone, even right after a
    // text that ended in a lone lead byte.
    void eachTextReadsAsItWouldAlone() {
        const std::string texts[] = {"a\xCC", "\xC6\xCA", "\xCC", "x", "\xCC\xC6", ""};
        for (const std::string& text : texts) {
            QStringDecoder alone("GBK");
            QCOMPARE(veyrin::gbkToQString(text), alone.decode(QByteArrayView(text.data(), qsizetype(text.size()))));
        }
        QCOMPARE(veyrin::gbkToQString("\xCC\xC6"), QString::fromUtf8("唐"));
    }
};

QTEST_MAIN(GbkQtTest)
#include "gbk_qt_test.moc"
