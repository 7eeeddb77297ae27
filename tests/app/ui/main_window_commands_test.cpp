// The main window's handlers: catalogue, back and forward, author lookup, the size box, spacing,
// ruled lines, note boxes, font and colour dialogs and the clipboard buttons.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QtTest>

#include "anthology/model/author_table.h"
#include "app/ui/main_window.h"
#include "controls/ui/flat_speed_button.h"
#include "controls/ui/flat_spin_edit.h"
#include "controls/ui/plain_memo.h"
#include "controls/ui/sui_button.h"
#include "controls/ui/sui_check_box.h"
#include "controls/ui/sui_combo_box.h"
#include "controls/ui/sui_radio_button.h"
#include "support/test_workspace.h"
#include "support/veyrin_test_main.h"
#include "textview/ui/syn_editor.h"
#include "windows/ui/web_banner.h"

using namespace veyrin;
using namespace veyrin::testing;

namespace {

std::string viewText(TForm1& form) { return form.memo3->Lines().GetTextStr(); }
std::string entryText(int index) { return "entry " + std::to_string(index + 1) + "\r\n" + authorName(index); }

struct Fixture {
    TestWorkspace workspace;
    FakeDialogs dialogs;
    RecordingBanner banner;
    std::unique_ptr<TForm1> form;
    explicit Fixture(int catalogueSize = 190) {
        workspace.writeCatalogue(catalogueSize);
        workspace.writeEntries(190);
        workspace.writeTem("00.dat", "start text");
        workspace.writeTem("01.dat", "");
        workspace.writeTem("02.dat", "");
        form = std::make_unique<TForm1>(workspace.paths());
    }
};

}  // namespace

class MainWindowCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void backAndForwardAtBothEnds() {
        Fixture f;
        TForm1& form = *f.form;
        form.listbox1->setItemIndex(0);
        form.FlatSpeedButton58Click();  // back on the first entry
        QCOMPARE(form.listbox1->itemIndex(), -1);
        QCOMPARE(viewText(form), std::string("start text"));
        form.FlatSpeedButton58Click();
        QCOMPARE(form.listbox1->itemIndex(), -1);
        form.FlatSpeedButton59Click();  // forward with no selection loads the first entry
        QCOMPARE(form.listbox1->itemIndex(), 0);
        QCOMPARE(viewText(form), entryText(0));

        form.listbox1->setItemIndex(189);
        form.FlatSpeedButton59Click();  // forward on the last entry empties the selection
        QCOMPARE(form.listbox1->itemIndex(), -1);
        QCOMPARE(viewText(form), entryText(0));
        form.FlatSpeedButton59Click();
        QCOMPARE(form.listbox1->itemIndex(), 0);

        form.listbox1->setItemIndex(98);
        form.FlatSpeedButton59Click();
        QCOMPARE(viewText(form), entryText(99));  // 100.txt
        form.listbox1->setItemIndex(9);
        form.FlatSpeedButton58Click();
        QCOMPARE(viewText(form), entryText(8));  // 09.txt
    }

    void shortAndLongCatalogues() {
        Fixture shortOne(50);
        shortOne.form->listbox1->setItemIndex(49);
        std::string before = viewText(*shortOne.form);
        shortOne.form->FlatSpeedButton59Click();
        QCOMPARE(shortOne.form->listbox1->itemIndex(), -1);
        QCOMPARE(viewText(*shortOne.form), before);

        Fixture longOne(200);
        longOne.form->listbox1->setItemIndex(195);
        longOne.form->ListBox1Click();
        QCOMPARE(viewText(*longOne.form), std::string("start text"));
    }

    void choosingAnEntryResetsTheView() {
        Fixture f;
        f.form->memo3->setTopLine(3);
        f.form->listbox1->setItemIndex(11);
        f.form->ListBox1Click();
        QCOMPARE(viewText(*f.form), entryText(11));
        QCOMPARE(f.form->memo3->topLine(), 1);
        QVERIFY(!f.form->memo3->canUndo());
    }

    void missingEntryFileKeepsTheTextAndTheNewSelection() {
        Fixture f;
        std::filesystem::remove(f.workspace.dataDir() / "38.txt");
        f.form->listbox1->setItemIndex(37);
        // Through the event dispatch, as a user's choice arrives, so the error box reports it.
        QMetaObject::invokeMethod(f.form->Button1, "click", Qt::QueuedConnection);
        QTRY_COMPARE(f.dialogs.errors.size(), 1);
        QCOMPARE(f.dialogs.errors, QStringList{QString::fromUtf8("Cannot open file data\\唐诗鉴赏\\38.txt.")});
        QCOMPARE(f.form->listbox1->itemIndex(), 37);
        QCOMPARE(viewText(*f.form), std::string("start text"));
    }

    void authorLookup_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("李白") << QString::fromUtf8("李白") << 37;
        QTest::newRow("虞世南") << QString::fromUtf8("虞世南") << 0;
        QTest::newRow("孟宾于") << QString::fromUtf8("孟宾于") << 189;
        QTest::newRow("花蕊夫人徐氏") << QString::fromUtf8("花蕊夫人徐氏") << 184;
    }
    void authorLookup() {
        QFETCH(QString, name);
        QFETCH(int, index);
        Fixture f;
        f.form->Edit4->setText(name);
        f.form->FlatButton1Click();
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.form->listbox1->itemIndex(), index);
        QCOMPARE(viewText(*f.form), entryText(index));
        QCOMPARE(f.form->Edit4->text(), name);
    }

    void authorLookupMessages_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString notFound = QString::fromUtf8("您所输入的作者没有在Veyrin中收录！");
        QTest::newRow("empty") << QString() << QString::fromUtf8("请输入查找作者的姓名");
        QTest::newRow("blanks only") << QStringLiteral("   ") << notFound;
        QTest::newRow("leading blank") << QString::fromUtf8(" 李白") << notFound;
        QTest::newRow("trailing blank") << QString::fromUtf8("李白 ") << notFound;
        QTest::newRow("inner blank") << QString::fromUtf8("李 白") << notFound;
        QTest::newRow("part of a name") << QString::fromUtf8("花蕊夫人") << notFound;
    }
    void authorLookupMessages() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        Fixture f;
        f.form->Edit4->setText(text);
        f.form->FlatButton1Click();
        QCOMPARE(f.dialogs.messages, QStringList{message});
        QCOMPARE(f.form->listbox1->itemIndex(), 0);
        QCOMPARE(viewText(*f.form), std::string("start text"));
    }

    void lookupWithAnEmptyCatalogueStillLoadsTheEntry() {
        Fixture f(0);
        f.form->Edit4->setText(QString::fromUtf8("李白"));
        f.form->FlatButton1Click();
        QCOMPARE(f.form->listbox1->itemIndex(), -1);
        QCOMPARE(viewText(*f.form), entryText(37));
    }

    void enterInTheNameBoxRunsTheLookupAndLeavesTheFocusOnTheButton() {
        Fixture f;
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        f.form->activateWindow();
        f.form->Edit4->setFocus();
        QTest::keyClick(f.form->Edit4, Qt::Key_Return);
        QCOMPARE(f.dialogs.messages, QStringList{QString::fromUtf8("请输入查找作者的姓名")});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.form->FlatButton1));
        QVERIFY(f.form->Edit4->text().isEmpty());
    }

    void sizeBoxAndFontDialogClamping() {
        Fixture f;
        TForm1& form = *f.form;
        ChosenFont big;
        big.face = QString::fromUtf8("宋体");
        big.points = 36;
        f.dialogs.fontAnswer = big;
        form.FlatSpeedButton12Click();
        QCOMPARE(f.dialogs.fontRequests.back().points, 11);  // the dialog's own font at first
        QCOMPARE(form.SpinEdit1->value(), 24);
        QCOMPARE(form.memo3->fontSize(), 24);
        form.FlatSpeedButton12Click();
        QCOMPARE(f.dialogs.fontRequests.back().points, 36);  // then the last font chosen
        QCOMPARE(form.memo3->fontSize(), 36);
        QCOMPARE(form.SpinEdit1->value(), 24);
        QCOMPARE(form.memo3->fontName(), gbk("宋体"));

        f.dialogs.fontAnswer.reset();
        form.FlatSpeedButton12Click();  // cancelled: nothing changes
        QCOMPARE(form.memo3->fontSize(), 36);
    }

    void colourDialogs() {
        Fixture f;
        f.dialogs.colorAnswer = 0x0000FF;
        f.form->FlatSpeedButton13Click();
        QCOMPARE(f.dialogs.colorRequests.front(), clBlack);
        QCOMPARE(f.form->memo3->fontColor(), 0x0000FF);
        f.dialogs.colorAnswer = 0x00FFFF;
        f.form->FlatSpeedButton1Click();
        QCOMPARE(f.form->memo3->color(), 0x00FFFF);
        f.dialogs.colorAnswer.reset();
        f.form->FlatSpeedButton1Click();
        QCOMPARE(f.form->memo3->color(), 0x00FFFF);
    }

    void spacingRadioButtons() {
        Fixture f;
        TForm1& form = *f.form;
        form.n39->setChecked(true);
        QVERIFY(form.memo3->lineSpacingRule() == TLineSpacingRule::lsDouble);
        int doubleRow = form.memo3->rowHeight();
        form.n33->setChecked(true);
        QVERIFY(!form.n39->checked());
        QVERIFY(form.memo3->lineSpacingRule() == TLineSpacingRule::lsSpecified);
        QVERIFY(form.memo3->rowHeight() < doubleRow);
        QCOMPARE(form.memo3->rowHeight(), form.memo3->textHeight());
    }

    void noteBoxToggle() {
        Fixture f;
        TForm1& form = *f.form;
        form.Memo1->setPlainText(QStringLiteral("kept"));
        form.n22->setChecked(false);
        QVERIFY(form.Memo1->isHidden() && form.Memo2->isHidden());
        QCOMPARE(form.memo3->height(), 409);
        form.n22->setChecked(true);
        QVERIFY(!form.Memo1->isHidden() && !form.Memo2->isHidden());
        QCOMPARE(form.memo3->height(), 265);
        QCOMPARE(form.Memo1->toPlainText(), QStringLiteral("kept"));
    }

    void ruledLinesFollowTheCheckBox() {
        Fixture f;
        f.form->n44->setChecked(true);
        QVERIFY(f.form->memo3->LineDivider().Visible());
        f.form->n44->setChecked(false);
        QVERIFY(!f.form->memo3->LineDivider().Visible());
    }

    void cutTakesEachSelectionAndTheClipboardEndsWithTheLast() {
        Fixture f;
        TForm1& form = *f.form;
        form.memo3->setSelection({1, 1}, {6, 1});  // "start"
        form.Memo1->setPlainText(QStringLiteral("note text"));
        QTextCursor cursor = form.Memo1->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(4, QTextCursor::KeepAnchor);
        form.Memo1->setTextCursor(cursor);
        form.FlatSpeedButton9Click();
        QCOMPARE(viewText(form), std::string(" text"));
        QCOMPARE(form.Memo1->toPlainText(), QStringLiteral(" text"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("note"));
    }

    void copyEndsWithTheLastControlThatHasASelection() {
        Fixture f;
        TForm1& form = *f.form;
        form.memo3->setSelection({1, 1}, {6, 1});
        form.Memo2->setPlainText(QStringLiteral("hidden note"));
        form.Memo2->selectAll();
        form.n22->setChecked(false);  // hidden boxes keep their selections and take part
        form.FlatSpeedButton10Click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("hidden note"));
        QCOMPARE(viewText(form), std::string("start text"));

        QApplication::clipboard()->setText(QStringLiteral("unchanged"));
        form.memo3->setCaretXY({1, 1});
        form.Memo2->moveCursor(QTextCursor::End);
        form.FlatSpeedButton10Click();  // no selection anywhere: the clipboard stays
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("unchanged"));
    }

    void pastePutsTheClipboardIntoTheFocusedTextControl() {
        Fixture f;
        TForm1& form = *f.form;
        form.n22->setChecked(false);
        form.n22->setChecked(true);  // show the note boxes
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.activateWindow();
        form.Memo2->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.Memo2));
        QApplication::clipboard()->setText(QString::fromUtf8("粘贴的字"));
        form.FlatSpeedButton11Click();
        QCOMPARE(form.Memo2->toPlainText(), QString::fromUtf8("粘贴的字"));
        QCOMPARE(viewText(form), std::string("start text"));

        form.memo3->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.memo3));
        form.memo3->setSelection({1, 1}, {6, 1});
        QTest::mouseClick(form.FlatSpeedButton11, Qt::LeftButton);  // the button never takes the focus
        QCOMPARE(viewText(form), gbk("粘贴的字") + " text");
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.memo3));
        form.memo3->undo();  // one undo step
        QCOMPARE(viewText(form), std::string("start text"));

        QApplication::clipboard()->clear();
        form.FlatSpeedButton11Click();  // nothing on the clipboard: nothing happens
        QCOMPARE(viewText(form), std::string("start text"));
    }

    void bannerTimerRefreshesThePageOnEveryTick() {
        {
            Fixture f;
            QCOMPARE(f.form->Timer1->interval(), 60000);
            QVERIFY(f.form->Timer1->isActive());
        }
        // The same timer, shortened so its ticks come within the test; nothing calls the handler
        // but the timer itself.
        setBannerRefreshInterval(20);
        Fixture f;
        setBannerRefreshInterval(60000);
        QTRY_VERIFY_WITH_TIMEOUT(f.banner.refreshes >= 2, 5000);
    }
};

VEYRIN_TEST_MAIN(MainWindowCommandsTest)
#include "main_window_commands_test.moc"
