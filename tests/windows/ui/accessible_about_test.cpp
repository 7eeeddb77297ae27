#include <QAccessible>
#include <QtTest>

#include "support/veyrin_test_main.h"
#include "windows/ui/about_window.h"

using namespace veyrin;

class AccessibleAboutTest : public QObject {
    Q_OBJECT

private slots:
    // The maker's address is a link a reader can follow; the other texts are plain labels.
    void linkIsFollowedAndTextsAreLabels() {
        QList<QUrl> opened;
        TForm2::installUrlOpener([&opened](const QUrl& url) { opened << url; });
        TForm2 about;
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(about.Label7);
        QVERIFY(link);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), about.Label7->text());
        QVERIFY(link->state().linked);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(opened, QList<QUrl>{TForm2::makerAddress()});

        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(about.Label1);
        QCOMPARE(label->role(), QAccessible::StaticText);
        QCOMPARE(label->text(QAccessible::Name), about.Label1->text());
        QVERIFY(label->actionInterface()->actionNames().isEmpty());
        TForm2::installUrlOpener({});
    }
};

VEYRIN_TEST_MAIN(AccessibleAboutTest)
#include "accessible_about_test.moc"
