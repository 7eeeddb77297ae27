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
};

QTEST_MAIN(GbkQtTest)
#include "gbk_qt_test.moc"
