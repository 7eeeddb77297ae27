#include <QtTest>

#include "controls/ui/sui_button.h"
#include "support/veyrin_test_main.h"
#include "windows/ui/about_window.h"

using namespace veyrin;

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void layoutAndTexts() {
        TForm2 about;
        QCOMPARE(about.caption(), QString::fromUtf8("关于"));
        QCOMPARE(about.client()->size(), QSize(274, 325));
        QCOMPARE(about.Label1->geometry(), QRect(64, 72, 116, 29));
        QCOMPARE(about.Label1->text(), QStringLiteral("Veyrin"));
        QCOMPARE(about.Label2->text(), QStringLiteral("Ver.1.1"));
        QCOMPARE(about.Label9->text(), QString::fromUtf8("网友可随意传播"));
        QCOMPARE(about.Label7->geometry(), QRect(68, 123, 148, 16));
        QVERIFY(about.Label7->font().underline());
        QCOMPARE(about.Label7->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!about.Label8->isEnabled());
        QCOMPARE(about.suiButton3->geometry(), QRect(152, 248, 80, 27));
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
