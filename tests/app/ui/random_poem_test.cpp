// 随机 (Ctrl+R) over a main window on test files: it chooses a poem's entry as the catalogue does,
// so back and forward step on from it, and shows the poem's title line at the top with the caret
// on it; a screen reader finds the command among the window's actions.

#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "controls/ui/sui_combo_box.h"
#include "support/main_window_fixture.h"
#include "support/veyrin_test_main.h"
#include "textview/ui/syn_editor.h"
#include "windows/ui/search_index_loader.h"
#include "windows/ui/search_window.h"

using namespace veyrin;
using namespace veyrin::testing;

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

// An entry whose one poem has its title on `titleLine` and more verse than the view holds, so the
// title can go to the top of the view.
std::string entryWithPoemAt(int titleLine, const char* title) {
    std::string text = "诗人\r\n盛唐\r\n";
    for (int line = 3; line < titleLine; ++line) text += "简介：生平。\r\n";
    text += std::string("【") + title + "】\r\n";
    for (int line = 0; line < 60; ++line) text += "白日依山尽，黄河入海流。\r\n";
    return gbk(text.c_str());
}

// Entries 3 and 7 (catalogue indexes 2 and 6) hold the anthology's only poems.
constexpr int kFirstPoemEntry = 2, kFirstTitleLine = 4, kSecondPoemEntry = 6, kSecondTitleLine = 9;

int expectedTitleLine(int catalogueIndex) {
    return catalogueIndex == kFirstPoemEntry ? kFirstTitleLine : kSecondTitleLine;
}

// Presses Ctrl+R in the view and waits for the catalogue to leave `shownIndex`.
bool pressRandomKey(TForm1& form, int shownIndex) {
    QTest::keyClick(form.memo3, Qt::Key_R, Qt::ControlModifier);
    return QTest::qWaitFor([&] { return form.listbox1->itemIndex() != shownIndex; }, 20000);
}

void verifyTitleAtTopWithCaret(TForm1& form) {
    const int index = form.listbox1->itemIndex();
    QVERIFY2(index == kFirstPoemEntry || index == kSecondPoemEntry, qPrintable(QString::number(index)));
    const int titleLine = expectedTitleLine(index);
    QCOMPARE(form.memo3->caretXY(), (TBufferCoord{1, titleLine}));
    QVERIFY(form.memo3->Lines().GetView(titleLine - 1).starts_with(gbk("【")));
    QCOMPARE(form.memo3->topLine(), form.memo3->caretRow());
    QVERIFY(form.memo3->topLine() > 1);
}

}  // namespace

class RandomPoemTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlRChoosesAPoemsEntryWithItsTitleAtTheTopAndBackStepsOn() {
        MainWindowFixture f;
        f.workspace.writeEntry(kFirstPoemEntry, entryWithPoemAt(kFirstTitleLine, "登鹳雀楼"));
        f.workspace.writeEntry(kSecondPoemEntry, entryWithPoemAt(kSecondTitleLine, "凉州词"));
        f.form->show();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QCOMPARE(f.form->listbox1->itemIndex(), 0);

        QVERIFY(pressRandomKey(*f.form, 0));
        verifyTitleAtTopWithCaret(*f.form);
        // With two poems the next press must show the other one.
        const int first = f.form->listbox1->itemIndex();
        QVERIFY(pressRandomKey(*f.form, first));
        verifyTitleAtTopWithCaret(*f.form);
        const int second = f.form->listbox1->itemIndex();

        f.form->FlatSpeedButton58Click();
        QCOMPARE(f.form->listbox1->itemIndex(), second - 1);
        QCOMPARE(QString::fromStdString(std::string(f.form->memo3->Lines().GetView(0))),
                 QStringLiteral("entry %1").arg(second));
        f.form->FlatSpeedButton59Click();
        QCOMPARE(f.form->listbox1->itemIndex(), second);
        QCOMPARE(f.form->memo3->caretXY(), (TBufferCoord{1, 1}));
        QVERIFY(f.dialogs.errors.isEmpty());

        // The search window opened afterwards has the anthology 随机 read, not a second reading.
        f.form->openSearchWindow();
        f.form->searchWindow()->QueryEdit->setText(QStringLiteral("凉州词"));
        QCOMPARE(f.form->searchWindow()->ResultList->count(), 1);  // at once: nothing left to read
        QCOMPARE(f.form->findChildren<SearchIndexLoader*>().size(), 1);
    }

    void aScreenReaderListsTheCommandWithItsKeyAndRunsIt() {
        MainWindowFixture f;
        f.workspace.writeEntry(kSecondPoemEntry, entryWithPoemAt(kSecondTitleLine, "凉州词"));
        f.form->show();
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(f.form.get());
        QVERIFY(window && window->actionInterface());
        QAccessibleActionInterface* actions = window->actionInterface();
        QVERIFY(actions->actionNames().contains(u8("随机")));
        QCOMPARE(actions->keyBindingsForAction(u8("随机")), QStringList{u8("Ctrl+R")});
        actions->doAction(u8("随机"));
        QTRY_COMPARE_WITH_TIMEOUT(f.form->listbox1->itemIndex(), kSecondPoemEntry, 20000);
        verifyTitleAtTopWithCaret(*f.form);
    }
};

VEYRIN_TEST_MAIN(RandomPoemTest)
#include "random_poem_test.moc"
