// The search window over a main window on test files: typing finds, by characters or pinyin,
// Enter opens what was found in the view as a catalogue choice would, Esc closes; Ctrl+D marks favourites, which the second tab
// lists and the close stores; what a screen reader is told about the list and the tabs.

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "anthology/model/search_index.h"
#include "controls/ui/sui_combo_box.h"
#include "skin/ui/skin_hint.h"
#include "skin/ui/skin_hint_window.h"
#include "skin/ui/skin_window_components.h"
#include "support/main_window_fixture.h"
#include "support/veyrin_test_main.h"
#include "textview/ui/syn_editor.h"
#include "windows/ui/search_result_delegate.h"
#include "windows/ui/search_tab_bar.h"
#include "windows/ui/search_window.h"

using namespace veyrin;
using namespace veyrin::testing;

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

// Entry 3 (catalogue index 2) holds a long poem whose line 64 of 104 is "举头望明月，低头思故乡。",
// far below the first page of the view.
void writeSearchableEntries(TestWorkspace& workspace) {
    workspace.writeEntry(0, gbk("杜甫\r\n盛唐\r\n\r\n【梦李白】\r\n故人入我梦，明我长相忆。\r\n"));
    workspace.writeEntry(1, gbk("王维\r\n盛唐\r\n\r\n【山居秋暝】\r\n明月松间照，清泉石上流。\r\n"));
    std::string poem = "李白\r\n盛唐\r\n\r\n【静夜思】\r\n";
    for (int line = 5; line < 64; ++line) poem += "床前光，疑是地上霜。\r\n";
    poem += "举头望明月，低头思故乡。\r\n";
    for (int line = 65; line < 105; ++line) poem += "床前光，疑是地上霜。\r\n";
    workspace.writeEntry(2, gbk(poem.c_str()));
}

// The search window once its index is built; null when it never shows or the index never comes.
TSearchWindow* openedSearch(TForm1& form) {
    form.openSearchWindow();
    TSearchWindow* window = form.searchWindow();
    if (!window) return nullptr;
    return QTest::qWaitFor([window] { return window->indexReady(); }, 20000) ? window : nullptr;
}

// Key presses carrying Chinese text, one character each, as an input method commits them.
void typeText(QWidget* widget, const QString& text) {
    for (QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

void pressFavouriteKey(QWidget* focused) { QTest::keyClick(focused, Qt::Key_D, Qt::ControlModifier); }

}  // namespace

class SearchAndFavouritesTest : public QObject {
    Q_OBJECT
private slots:
    void typingFindsAndEnterOpensTheFirstResultOnItsLine() {
        MainWindowFixture f;
        writeSearchableEntries(f.workspace);
        f.form->show();
        TSearchWindow* search = openedSearch(*f.form);
        QVERIFY(search && search->isVisible());
        QCOMPARE(search->StatusLine->text(), u8("输入诗人、诗题或诗句"));

        typeText(search->QueryEdit, u8("舉頭"));
        QCOMPARE(search->ResultList->count(), 1);
        QCOMPARE(search->StatusLine->text().left(6), u8("找到 1 处"));
        QTest::keyClick(search->QueryEdit, Qt::Key_Backspace);
        QTest::keyClick(search->QueryEdit, Qt::Key_Backspace);
        typeText(search->QueryEdit, u8("明月"));
        QCOMPARE(search->ResultList->count(), 2);

        QTest::keyClick(search->QueryEdit, Qt::Key_Return);
        QCOMPARE(f.form->listbox1->itemIndex(), 1);
        QCOMPARE(f.form->memo3->Lines().Count(), 5);
        QCOMPARE(f.form->memo3->caretXY(), (TBufferCoord{1, 5}));

        // Down walks from the opened first result to the second, in the long poem.
        QTest::keyClick(search->QueryEdit, Qt::Key_Down);
        QTest::keyClick(search->QueryEdit, Qt::Key_Return);
        QCOMPARE(f.form->listbox1->itemIndex(), 2);
        QCOMPARE(f.form->memo3->caretXY(), (TBufferCoord{7, 64}));
        // The found line shows two rows below the top, with the rest of its poem under it.
        QCOMPARE(f.form->memo3->topLine(), f.form->memo3->caretRow() - 2);

        QTest::keyClick(search->QueryEdit, Qt::Key_Escape);
        QVERIFY(!search->isVisible());
        QVERIFY(f.dialogs.errors.isEmpty());
    }

    void typedPinyinListsThePoetAndMarksHisNameAsCharactersWould() {
        MainWindowFixture f;
        writeSearchableEntries(f.workspace);
        TSearchWindow* search = openedSearch(*f.form);
        QVERIFY(search);
        QTest::keyClicks(search->QueryEdit, QStringLiteral("libai"));
        QCOMPARE(search->ResultList->count(), 2);
        QCOMPARE(search->StatusLine->text().left(6), u8("找到 2 处"));
        struct Mark {
            int catalogueIndex, column, start, length;
        };
        // The poet, then 梦李白 in 杜甫's entry: the same marks as the query 李白 gives.
        const Mark expected[] = {{2, 0, 0, 2}, {0, 1, 1, 2}};
        for (int row = 0; row < 2; ++row) {
            const QListWidgetItem* item = search->ResultList->item(row);
            QCOMPARE(item->data(kCatalogueIndexRole).toInt(), expected[row].catalogueIndex);
            QCOMPARE(item->data(kMarkColumnRole).toInt(), expected[row].column);
            QCOMPARE(item->data(kMarkStartRole).toInt(), expected[row].start);
            QCOMPARE(item->data(kMarkLengthRole).toInt(), expected[row].length);
        }
        QCOMPARE(search->ResultList->item(0)->data(kPoetRole).toString(), u8("李白"));
    }

    void missingEntriesAreNamedInTheStatusLine() {
        MainWindowFixture f;
        writeSearchableEntries(f.workspace);
        std::filesystem::remove(f.workspace.dataDir() / "07.txt");
        TSearchWindow* search = openedSearch(*f.form);
        QVERIFY(search);
        QVERIFY(search->StatusLine->text().contains(u8("07.txt")));
        QVERIFY(f.dialogs.errors.isEmpty());
    }

    void ctrlDMarksTheChosenEntryAndTheCloseStoresIt() {
        MainWindowFixture f;
        writeSearchableEntries(f.workspace);
        f.form->show();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        f.form->listbox1->setItemIndex(2);
        pressFavouriteKey(f.form->memo3);
        QVERIFY(f.form->favourites().contains(2));
        const QString hint = f.form->skinComponents().hint->hintWindow().text();
        QVERIFY2(hint.startsWith(u8("已收藏")), qPrintable(hint));
        f.form->listbox1->setItemIndex(0);
        pressFavouriteKey(f.form->memo3);

        TSearchWindow* search = openedSearch(*f.form);
        QVERIFY(search);
        search->TabBar->setCurrentIndex(TSearchWindow::FavouritesTab);
        QCOMPARE(search->ResultList->count(), 2);
        QCOMPARE(search->ResultList->item(0)->data(Qt::DisplayRole).toString(), u8("杜甫　梦李白"));
        QCOMPARE(search->ResultList->item(1)->data(Qt::DisplayRole).toString(), u8("李白　静夜思"));
        // The key works from the search window too, and unmarking updates the open tab.
        QVERIFY(QTest::qWaitForWindowActive(search));
        pressFavouriteKey(search->ResultList);
        QCOMPARE(search->ResultList->count(), 1);
        QTest::keyClick(search->ResultList, Qt::Key_Return);
        QCOMPARE(f.form->listbox1->itemIndex(), 2);

        f.form->FormClose();
        const std::string ini = f.workspace.read(f.workspace.settingsFile());
        QVERIFY2(ini.ends_with("color2=16777215\r\n[Favourites]\r\nlist=3\r\n"), ini.c_str());
    }

    void aRunThatNeverMarksWritesNoFavouritesAndABadListIsIgnored() {
        MainWindowFixture f;
        f.workspace.writeSettings("[Favourites]\r\nlist=3,x\r\n");
        MainWindowFixture g;  // a fresh settings file
        TForm1 reread(f.workspace.paths());
        QVERIFY(reread.favourites().catalogueIndexes().empty());
        reread.FormClose();
        QVERIFY(f.workspace.read(f.workspace.settingsFile()).find("list=3,x") != std::string::npos);
        g.form->FormClose();
        QVERIFY(g.workspace.read(g.workspace.settingsFile()).find("Favourites") == std::string::npos);
    }

    void screenReaderSeesTheListRowsAndTheTabs() {
        MainWindowFixture f;
        writeSearchableEntries(f.workspace);
        TSearchWindow* search = openedSearch(*f.form);
        QVERIFY(search);
        search->QueryEdit->setText(u8("李白"));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(search->ResultList);
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->text(QAccessible::Name), u8("查找结果"));
        QCOMPARE(list->childCount(), 2);
        QAccessibleInterface* first = list->child(0);
        QCOMPARE(first->role(), QAccessible::ListItem);
        QCOMPARE(first->text(QAccessible::Name), u8("李白　静夜思"));
        QVERIFY(!first->state().selected);
        search->ResultList->setCurrentRow(0);
        QVERIFY(first->state().selected);

        QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(search->TabBar);
        QVERIFY(tabs);
        QCOMPARE(tabs->role(), QAccessible::PageTabList);
        QCOMPARE(tabs->childCount(), 2);
        QAccessibleInterface* pageTabs[] = {tabs->child(0), tabs->child(1)};
        QCOMPARE(pageTabs[1]->role(), QAccessible::PageTab);
        QCOMPARE(tabs->indexOfChild(pageTabs[1]), 1);
        QCOMPARE(pageTabs[1]->text(QAccessible::Name), u8("收藏"));
        QVERIFY(pageTabs[0]->state().selected);
        search->TabBar->setCurrentIndex(TSearchWindow::FavouritesTab);
        QVERIFY(pageTabs[1]->state().selected);
        QVERIFY(!pageTabs[0]->state().selected);
        QVERIFY(!search->QueryEdit->isEnabled());
        pageTabs[0]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(search->TabBar->currentIndex(), int(TSearchWindow::SearchTab));
    }
};

VEYRIN_TEST_MAIN(SearchAndFavouritesTest)
#include "search_and_favourites_test.moc"
