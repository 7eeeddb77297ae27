#include <QAbstractItemView>
#include <QtTest>

#include "controls/ui/sui_combo_box.h"
#include "platform/ui/font_faces.h"
#include "platform/ui/gbk_qt.h"

using namespace veyrin;

namespace {

std::vector<std::string> catalogue(int count) {
    std::vector<std::string> items;
    for (int i = 1; i <= count; ++i) items.push_back("\xCC\xC6 " + std::to_string(i));  // "唐 n"
    return items;
}

struct Catalogue {
    QWidget window;
    TsuiComboBox* box = new TsuiComboBox(&window);
    QSignalSpy userSelections{box, &TsuiComboBox::userSelected};

    explicit Catalogue(int count = 10) {
        box->setGeometry(32, 10, 217, 20);
        box->setUIStyle(TsuiUIStyle::MacOS);
        box->setDropDownCount(20);
        box->setItems(catalogue(count));
        window.resize(300, 300);
    }
};

}  // namespace

class SuiComboBoxTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void itemsKeepTheirBytes() {
        TsuiComboBox box;
        const std::vector<std::string> items = {"\xCC\xC6\xCA\xAB", "\x81\x20odd", ""};
        box.setItems(items);
        QCOMPARE(box.items(), items);
        QCOMPARE(box.itemIndex(), -1);
        box.setItemIndex(1);
        QCOMPARE(box.selectedText(), items[1]);
        QCOMPARE(box.currentText(), gbkToQString(items[1]));
        box.appendItem("x");
        QCOMPARE(box.itemIndex(), 1);
        box.clearItems();
        QCOMPARE(box.itemCount(), 0);
        QCOMPARE(box.itemIndex(), -1);
    }

    void itemIndexFromCodeNeverNotifies() {
        Catalogue c;
        QSignalSpy anyChange(c.box, &QComboBox::currentIndexChanged);
        c.box->setItemIndex(3);
        QCOMPARE(c.box->itemIndex(), 3);
        QCOMPARE(c.box->currentText(), gbkToQString("\xCC\xC6 4"));
        c.box->setItemIndex(3);
        QCOMPARE(anyChange.count(), 1);
        for (int outOfRange : {-1, -7, 10, 500}) {
            c.box->setItemIndex(4);
            c.box->setItemIndex(outOfRange);
            QCOMPARE(c.box->itemIndex(), -1);
            QVERIFY(c.box->currentText().isEmpty());
            QVERIFY(c.box->selectedText().empty());
        }
        QCOMPARE(c.userSelections.count(), 0);
    }

    void arrowKeysOnClosedBoxAreUserSelections() {
        Catalogue c;
        c.window.show();
        c.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&c.window));
        c.box->setFocus();
        c.box->setItemIndex(2);
        QTest::keyClick(c.box, Qt::Key_Down);
        QCOMPARE(c.box->itemIndex(), 3);
        QCOMPARE(c.userSelections.count(), 1);
        QTest::keyClick(c.box, Qt::Key_Up);
        QCOMPARE(c.box->itemIndex(), 2);
        QCOMPARE(c.userSelections.count(), 2);
    }

    void choosingInTheOpenListIsAUserSelection() {
        Catalogue c(40);
        c.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c.window));
        int indexWhenNotified = -2;
        connect(c.box, &TsuiComboBox::userSelected, c.box, [&] { indexWhenNotified = c.box->itemIndex(); });
        c.box->showPopup();
        QAbstractItemView* list = c.box->view();
        QTRY_VERIFY(list->isVisible());
        const QModelIndex twelfth = list->model()->index(11, 0);
        list->scrollTo(twelfth);
        const QPoint at = list->visualRect(twelfth).center();
        QTest::mouseMove(list->viewport(), at);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(c.box->itemIndex(), 11);
        QCOMPARE(c.userSelections.count(), 1);
        QCOMPARE(indexWhenNotified, 11);
    }

    void openListShowsTwentyRowsOfItemHeight() {
        Catalogue c(40);
        c.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c.window));
        c.box->showPopup();
        QAbstractItemView* list = c.box->view();
        QTRY_VERIFY(list->isVisible());
        QCOMPARE(list->visualRect(list->model()->index(0, 0)).height(), 12);
        QVERIFY(list->viewport()->height() >= 20 * 12);
        QVERIFY(list->viewport()->height() < 21 * 12);
        c.box->hidePopup();
    }
};

QTEST_MAIN(SuiComboBoxTest)
#include "sui_combo_box_test.moc"
