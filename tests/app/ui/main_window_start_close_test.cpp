// The main window's creation and close sequences against temporary working directories.

#include <QLineEdit>
#include <QtTest>
#include <sys/stat.h>

#include "app/model/settings_file.h"
#include "app/ui/main_window.h"
#include "controls/ui/flat_spin_edit.h"
#include "controls/ui/plain_memo.h"
#include "controls/ui/sui_check_box.h"
#include "controls/ui/sui_combo_box.h"
#include "controls/ui/sui_radio_button.h"
#include "support/test_workspace.h"
#include "support/veyrin_test_main.h"
#include "textview/ui/syn_editor.h"

using namespace veyrin;
using namespace veyrin::testing;

namespace {

std::string viewText(TForm1& form) { return form.memo3->Lines().GetTextStr(); }

struct Fixture {
    TestWorkspace workspace;
    FakeDialogs dialogs;
    RecordingBanner banner;
    Fixture() { workspace.writeStandardFiles(); }
    std::unique_ptr<TForm1> start() { return std::make_unique<TForm1>(workspace.paths()); }
};

}  // namespace

class MainWindowStartCloseTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartWithoutSettingsFile() {
        Fixture f;
        auto form = f.start();
        QVERIFY(f.dialogs.errors.isEmpty());
        QCOMPARE(f.banner.navigations.size(), 1);
        QCOMPARE(form->memo3->fontName(), gbk("新宋体"));
        QCOMPARE(form->memo3->fontSize(), 11);
        QCOMPARE(form->memo3->fontColor(), 0);
        QCOMPARE(form->memo3->color(), 0xFFFFFF);
        QCOMPARE(form->SpinEdit1->value(), 11);
        QVERIFY(form->n38->checked());
        QVERIFY(!form->n33->checked());
        QVERIFY(!form->n39->checked());
        QVERIFY(form->memo3->lineSpacingRule() == TLineSpacingRule::lsOneAndHalf);
        QVERIFY(!form->n44->checked());
        QVERIFY(!form->memo3->LineDivider().Visible());
        QVERIFY(form->n22->checked());
        QVERIFY(form->Memo1->isHidden());
        QVERIFY(form->Memo2->isHidden());
        QCOMPARE(form->memo3->height(), 409);
        QCOMPARE(form->listbox1->itemIndex(), 0);
        QCOMPARE(form->listbox1->items().size(), size_t(190));
        QCOMPARE(viewText(*form), std::string("welcome\r\nsecond line"));
    }

    void closeWritesFirstRunSettingsAndFiles() {
        Fixture f;
        std::string catalogue = f.workspace.read(f.workspace.dataDir() / "list.txt");
        auto form = f.start();
        QVERIFY(form->close());
        QVERIFY(f.dialogs.errors.isEmpty());
        TIniFile ini(f.workspace.settingsFile());
        QCOMPARE(ini.ReadString("Font", "font1", ""), gbk("新宋体"));
        QCOMPARE(ini.ReadInteger("Font", "size1", -1), 11);
        QCOMPARE(ini.ReadInteger("Temp", "check2", -1), 1);
        QCOMPARE(ini.ReadInteger("Temp", "check5", -1), 1);
        QCOMPARE(ini.ReadInteger("Temp", "item1", -5), 0);
        QCOMPARE(ini.ReadInteger("temp", "topline", -5), 1);
        QCOMPARE(ini.ReadInteger("Temp", "Height1", -5), 409);
        QCOMPARE(ini.ReadInteger("color", "color2", -5), 16777215);
        QCOMPARE(f.workspace.read(f.workspace.dataDir() / "list.txt"), catalogue);
        QCOMPARE(f.workspace.read(f.workspace.temDir() / "00.dat"), std::string("welcome\r\nsecond line"));
    }

    void storedStateComesBack() {
        Fixture f;
        {
            auto form = f.start();
            form->memo3->setFontColor(0x0000FF);
            form->memo3->setColor(0x00FFFF);
            form->n39->setChecked(true);
            form->n44->setChecked(true);
            form->n22->setChecked(false);
            form->n22->setChecked(true);
            form->listbox1->setItemIndex(37);
            form->Memo1->setPlainText(QStringLiteral("note one"));
            form->SpinEdit1->setValue(14);
            QVERIFY(form->close());
        }
        auto form = f.start();
        QCOMPARE(form->memo3->fontColor(), 0x0000FF);
        QCOMPARE(form->memo3->color(), 0x00FFFF);
        QCOMPARE(form->memo3->fontSize(), 14);
        QVERIFY(form->n39->checked());
        QVERIFY(form->memo3->lineSpacingRule() == TLineSpacingRule::lsDouble);
        QVERIFY(form->n44->checked());
        QVERIFY(form->memo3->LineDivider().Visible());
        QVERIFY(!form->Memo1->isHidden());
        QCOMPARE(form->memo3->height(), 265);
        QCOMPARE(form->listbox1->itemIndex(), 37);
        QCOMPARE(form->Memo1->toPlainText(), QStringLiteral("note one"));
    }

    void storedSizesAreClampedThroughTheSizeBox_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("40") << 40 << 24;
        QTest::newRow("5") << 5 << 9;
        QTest::newRow("16") << 16 << 16;
    }
    void storedSizesAreClampedThroughTheSizeBox() {
        QFETCH(int, stored);
        QFETCH(int, expected);
        Fixture f;
        f.workspace.writeSettings("[Font]\r\nsize1=" + std::to_string(stored) + "\r\n");
        auto form = f.start();
        QCOMPARE(form->memo3->fontSize(), expected);
        QCOMPARE(form->SpinEdit1->value(), expected);
    }

    void lineSpacingChoices_data() {
        QTest::addColumn<QString>("checks");
        QTest::addColumn<int>("checked");  // 0 n33, 1 n38, 2 n39, -1 none
        QTest::addColumn<int>("rule");
        QTest::newRow("1 1 0") << "check1=1\r\ncheck2=1\r\ncheck3=0" << 1 << int(TLineSpacingRule::lsOneAndHalf);
        QTest::newRow("0 0 0") << "check1=0\r\ncheck2=0\r\ncheck3=0" << -1 << int(TLineSpacingRule::lsDouble);
        QTest::newRow("1 0 0") << "check1=1\r\ncheck2=0\r\ncheck3=0" << 0 << int(TLineSpacingRule::lsSpecified);
        QTest::newRow("1 1 1") << "check1=1\r\ncheck2=1\r\ncheck3=1" << 2 << int(TLineSpacingRule::lsDouble);
    }
    void lineSpacingChoices() {
        QFETCH(QString, checks);
        QFETCH(int, checked);
        QFETCH(int, rule);
        Fixture f;
        f.workspace.writeSettings("[Temp]\r\n" + checks.toStdString() + "\r\n");
        auto form = f.start();
        QCOMPARE(form->n33->checked(), checked == 0);
        QCOMPARE(form->n38->checked(), checked == 1);
        QCOMPARE(form->n39->checked(), checked == 2);
        QCOMPARE(int(form->memo3->lineSpacingRule()), rule);
    }

    void storedIndexOutsideTheCatalogueSelectsNothing_data() {
        QTest::addColumn<int>("stored");
        QTest::newRow("-1") << -1;
        QTest::newRow("500") << 500;
    }
    void storedIndexOutsideTheCatalogueSelectsNothing() {
        QFETCH(int, stored);
        Fixture f;
        f.workspace.writeSettings("[Temp]\r\nitem1=" + std::to_string(stored) + "\r\n");
        auto form = f.start();
        QCOMPARE(form->listbox1->itemIndex(), -1);
        QCOMPARE(viewText(*form), std::string("welcome\r\nsecond line"));
    }

    void missingViewFileSkipsTheRestAndKeepsTheNotesOnDisk() {
        Fixture f;
        std::filesystem::remove(f.workspace.temDir() / "00.dat");
        f.workspace.writeTem("01.dat", "my first note");
        f.workspace.writeTem("02.dat", "my second note");
        f.workspace.writeSettings("[Temp]\r\ncheck4=1\r\nitem1=3\r\n");
        auto form = f.start();
        QCOMPARE(f.dialogs.errors, QStringList{QStringLiteral("Cannot open file Tem\\00.dat.")});
        QCOMPARE(form->listbox1->items().size(), size_t(190));
        QCOMPARE(viewText(*form), std::string());
        QVERIFY(form->Memo1->toPlainText().isEmpty());
        QVERIFY(!form->Memo1->isHidden());
        QVERIFY(!form->Memo2->isHidden());
        QCOMPARE(form->memo3->fontSize(), 9);
        QVERIFY(form->memo3->lineSpacingRule() == TLineSpacingRule::lsDouble);
        QVERIFY(form->memo3->LineDivider().Visible());
        QCOMPARE(form->memo3->height(), 265);
        QCOMPARE(form->listbox1->itemIndex(), -1);
        QVERIFY(!form->n33->checked() && !form->n38->checked() && !form->n39->checked());
        QVERIFY(!form->n44->checked() && !form->n22->checked());
        QCOMPARE(form->SpinEdit1->value(), 11);

        // The notes were never loaded and the reader did not touch them: they stay on disk.
        QVERIFY(form->close());
        QCOMPARE(f.workspace.read(f.workspace.temDir() / "01.dat"), std::string("my first note"));
        QCOMPARE(f.workspace.read(f.workspace.temDir() / "02.dat"), std::string("my second note"));
        QVERIFY(std::filesystem::exists(f.workspace.temDir() / "00.dat"));
    }

    void unloadedNoteTheReaderEditedIsWritten() {
        Fixture f;
        std::filesystem::remove(f.workspace.temDir() / "00.dat");
        f.workspace.writeTem("01.dat", "old note");
        auto form = f.start();
        form->Memo1->setPlainText(QStringLiteral("typed after a failed start"));
        QVERIFY(form->close());
        QCOMPARE(f.workspace.read(f.workspace.temDir() / "01.dat"), std::string("typed after a failed start"));
    }

    void noDataTreeReportsTheCatalogueAndCannotClose() {
        Fixture f;
        std::filesystem::remove_all(f.workspace.root() / "Data");
        auto form = f.start();
        QCOMPARE(f.dialogs.errors.size(), 1);
        QCOMPARE(f.dialogs.errors[0], QString::fromUtf8("Cannot open file Data\\唐诗鉴赏\\list.txt."));
        QVERIFY(form->listbox1->items().empty());
        QVERIFY(!form->close());
        QCOMPARE(f.dialogs.errors.size(), 2);
        QVERIFY(f.dialogs.errors[1].startsWith(QStringLiteral("Cannot create file Data\\")));
        QVERIFY(!std::filesystem::exists(f.workspace.settingsFile()));
        // The next close runs the whole sequence again.
        QVERIFY(!form->close());
        QCOMPARE(f.dialogs.errors.size(), 3);
    }

    void temMissingAtCloseAfterTheCatalogueWasWritten() {
        Fixture f;
        auto form = f.start();
        std::filesystem::remove_all(f.workspace.temDir());
        std::filesystem::remove(f.workspace.dataDir() / "list.txt");
        QVERIFY(!form->close());
        QCOMPARE(f.dialogs.errors, QStringList{QStringLiteral("Cannot create file Tem\\00.dat.")});
        QVERIFY(std::filesystem::exists(f.workspace.dataDir() / "list.txt"));
        QVERIFY(!std::filesystem::exists(f.workspace.settingsFile()));
    }

    void settingsFileThatCannotBeWrittenKeepsTheWindowOpen() {
        Fixture f;
        auto form = f.start();
        std::filesystem::create_directories(f.workspace.settingsFile());  // a directory in its place
        QVERIFY(!form->close());
        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY(f.dialogs.errors[0].startsWith(QStringLiteral("Unable to write to ")));
        QVERIFY(f.dialogs.errors[0].contains(QStringLiteral("Tcini.ini")));
    }

    // Permission bits decide, so the file stays as the reader kept it even for an administrator.
    void readOnlyFilesKeepTheWindowOpenWhoeverRunsTheProgram() {
        namespace fs = std::filesystem;
        Fixture f;
        f.workspace.writeSettings("[Font]\r\nsize1=12\r\n");
        auto form = f.start();
        const fs::path view = f.workspace.temDir() / "00.dat";
        const std::string viewBefore = f.workspace.read(view);
        form->memo3->Lines().SetTextStr("changed");
        fs::permissions(view, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        QVERIFY(!form->close());
        QCOMPARE(f.dialogs.errors, QStringList{QStringLiteral("Cannot create file Tem\\00.dat.")});
        QCOMPARE(f.workspace.read(view), viewBefore);

        fs::permissions(view, fs::perms::owner_read | fs::perms::owner_write);
        fs::permissions(f.workspace.settingsFile(), fs::perms::owner_read);
        QVERIFY(!form->close());
        QCOMPARE(f.dialogs.errors.size(), 2);
        QVERIFY(f.dialogs.errors[1].startsWith(QStringLiteral("Unable to write to ")));
        QCOMPARE(f.workspace.read(f.workspace.settingsFile()), std::string("[Font]\r\nsize1=12\r\n"));
    }

    void temDirectoryThatTakesNoNewFileStillSavesItsFiles() {
        namespace fs = std::filesystem;
        Fixture f;
        auto form = f.start();
        form->Memo1->setPlainText(QStringLiteral("note kept"));
        const fs::path note = f.workspace.temDir() / "01.dat";
        const auto fileIdentity = [&note] {
            struct stat st {};
            return ::stat(note.c_str(), &st) == 0 ? st.st_ino : ino_t{0};
        };
        const ino_t noteBefore = fileIdentity();
        fs::permissions(f.workspace.temDir(), fs::perms::owner_read | fs::perms::owner_exec);
        const bool closed = form->close();
        fs::permissions(f.workspace.temDir(), fs::perms::owner_all);
        QVERIFY(closed);
        QVERIFY(f.dialogs.errors.isEmpty());
        QCOMPARE(f.workspace.read(note), std::string("note kept"));
        QCOMPARE(fileIdentity(), noteBefore);  // written where it is, no new file beside it
    }
};

VEYRIN_TEST_MAIN(MainWindowStartCloseTest)
#include "main_window_start_close_test.moc"
