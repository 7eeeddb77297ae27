// 朗读 and 导出 in the reading window: the read-aloud action follows what the speech engine answers
// (disabled with the reason as its hint, a toggle while it reads) and never waits for it; export
// writes a PDF whose text extracts back, a PNG as wide as the view and as tall as the text, and
// leaves no file behind when it cannot write.

#include <QPlainTextEdit>
#include <QProcess>
#include <QToolBar>
#include <QtTest>

#include <filesystem>

#include "platform/model/app_error.h"
#include "platform/model/gbk_text.h"
#include "platform/ui/qt_color.h"
#include "support/temp_dir.h"
#include "support/veyrin_test_main.h"
#include "textview/ui/reader_design_values.h"
#include "textview/ui/syn_editor.h"
#include "windows/model/export_layout.h"
#include "windows/ui/reading_room_output.h"
#include "windows/ui/reading_window.h"
#include "windows/ui/speech_engine.h"
#include "windows/ui/text_export.h"

using namespace veyrin;

namespace {

const std::vector<std::string> kPoem = {"静夜思", "李白", "床前明月光，疑是地上霜。", "举头望明月，低头思故乡。"};

std::vector<std::string> gbkLines(const std::vector<std::string>& utf8Lines) {
    std::vector<std::string> lines;
    for (const std::string& line : utf8Lines) lines.push_back(gbk::fromUtf8(line));
    return lines;
}

// An engine that answers what the test tells it to.
class ScriptedSpeech : public SpeechEngine {
public:
    TSpeechAvailability availability() const override { return availability_; }
    bool isSpeaking() const override { return speaking_; }
    void probe() override { ++probes; }
    void say(const QString& text) override {
        said << text;
        answerSpeaking(true);
    }
    void stop() override {
        ++stops;
        answerSpeaking(false);
    }

    void answer(TSpeechAvailability availability) {
        availability_ = availability;
        emit availabilityChanged(availability);
    }
    void answerSpeaking(bool speaking) {
        speaking_ = speaking;
        emit speakingChanged(speaking);
    }

    int probes = 0;
    int stops = 0;
    QStringList said;

private:
    TSpeechAvailability availability_ = TSpeechAvailability::Probing;
    bool speaking_ = false;
};

// A text box that claims every key chord for itself, as the platform's editing keys let a note box
// claim Ctrl+E (end of line) on X11.
class ClaimingBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return QPlainTextEdit::event(event);
        event->accept();
        return true;
    }
};

QString hintOf(TSpeechAvailability availability, bool speaking) {
    return QString::fromStdString(readAloudHint(availability, speaking));
}

// A reading view on its own, laid out as the reading window lays out its view.
struct PoemView {
    QWidget window;
    TSynEditor* view = new TSynEditor(&window);
    explicit PoemView(const std::vector<std::string>& utf8Lines, QSize size = QSize(600, 400)) {
        applyReaderDesignValues(*view);
        view->setFontSize(11);
        view->Lines().Assign(gbkLines(utf8Lines));
        view->setGeometry(QRect(QPoint(0, 0), size));
        window.resize(size);
    }
};

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pathIn(const veyrin::test::TempDir& dir, const char* name) {
    return QString::fromStdString((dir.path() / name).string());
}

}  // namespace

class ReadingRoomOutputTest : public QObject {
    Q_OBJECT
private slots:
    void readAloudFollowsTheEngine() {
        ScriptedSpeech speech;
        PoemView poem(kPoem);
        ReadingRoomOutput output(poem.window, *poem.view, speech);
        QAction* read = output.ReadAloud1;
        QVERIFY(!read->isEnabled());
        QCOMPARE(read->toolTip(), hintOf(TSpeechAvailability::Probing, false));
        QCOMPARE(speech.probes, 0);  // the hidden window made at start asks nothing

        poem.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&poem.window));
        QCOMPARE(speech.probes, 1);

        for (auto reason : {TSpeechAvailability::NoEngine, TSpeechAvailability::EngineFailed,
                            TSpeechAvailability::NotAnswering, TSpeechAvailability::NoChineseVoice}) {
            speech.answer(reason);
            QVERIFY(!read->isEnabled());
            QCOMPARE(read->toolTip(), hintOf(reason, false));
        }

        speech.answer(TSpeechAvailability::Ready);
        QVERIFY(read->isEnabled());
        QCOMPARE(read->toolTip(), hintOf(TSpeechAvailability::Ready, false));
        poem.view->setCaretXY(TBufferCoord{1, 4});
        poem.window.activateWindow();
        QTest::keyClick(&poem.window, Qt::Key_F8);
        QCOMPARE(speech.said, QStringList{QString::fromUtf8("举头望明月，低头思故乡。")});
        QVERIFY(read->isChecked());
        QCOMPARE(read->toolTip(), hintOf(TSpeechAvailability::Ready, true));

        QTest::keyClick(&poem.window, Qt::Key_F8);
        QCOMPARE(speech.stops, 1);
        QCOMPARE(speech.said.size(), 1);
        QVERIFY(!read->isChecked());

        // The selection is read instead; the engine finishing clears the button.
        poem.view->setSelection(TBufferCoord{1, 1}, TBufferCoord{7, 1});
        read->trigger();
        QCOMPARE(speech.said.last(), QString::fromUtf8("静夜思"));
        speech.answerSpeaking(false);
        QVERIFY(!read->isChecked());

        // An engine that fails while reading leaves the action disabled, saying why.
        read->trigger();
        speech.answerSpeaking(false);
        speech.answer(TSpeechAvailability::EngineFailed);
        QVERIFY(!read->isEnabled());
        QVERIFY(!read->isChecked());
        QCOMPARE(read->toolTip(), hintOf(TSpeechAvailability::EngineFailed, false));
    }

    // In the reading window both keys reach their actions from any control, even one that claims
    // them, and go on to the control while the action is disabled.
    void keysWinOverTheFocusedTextBox() {
        ScriptedSpeech speech;
        PoemView poem(kPoem);
        auto* note = new ClaimingBox(&poem.window);
        ReadingRoomOutput output(poem.window, *poem.view, speech);
        auto overridden = [note](QKeyCombination key) {
            QKeyEvent event(QEvent::ShortcutOverride, key.key(), key.keyboardModifiers());
            event.ignore();
            QApplication::sendEvent(note, &event);
            return event.isAccepted();
        };
        QVERIFY2(overridden(Qt::CTRL | Qt::Key_Home), "the box keeps its own keys");
        const bool boxClaimsCtrlE = overridden(Qt::CTRL | Qt::Key_E) == false && [&] {
            output.Export1->setEnabled(false);
            const bool claimed = overridden(Qt::CTRL | Qt::Key_E);
            output.Export1->setEnabled(true);
            return claimed;
        }();
        QVERIFY2(boxClaimsCtrlE, "Ctrl+E must reach 导出 while it is enabled, and the box otherwise");

        speech.answer(TSpeechAvailability::Ready);
        poem.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&poem.window));
        poem.window.activateWindow();
        note->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), note);
        QTest::keyClick(note, Qt::Key_F8);
        QCOMPARE(speech.said.size(), 1);
    }

    void closingTheWindowWhileReadingStopsIt() {
        ScriptedSpeech speech;
        speech.answer(TSpeechAvailability::Ready);
        {
            PoemView poem(kPoem);
            ReadingRoomOutput output(poem.window, *poem.view, speech);
            output.ReadAloud1->trigger();
            QVERIFY(speech.isSpeaking());
        }
        QCOMPARE(speech.stops, 1);
    }

    void buttonsComeAfterTheEditingButtons() {
        ScriptedSpeech speech;
        // Put back whatever engine was installed even when a check below fails and returns early:
        // a stale pointer to this stack object would crash the tests that follow.
        struct Restore {
            SpeechEngine* previous;
            ~Restore() { installSpeechEngine(previous); }
        } restore{installSpeechEngine(&speech)};
        ReadingSnapshot snapshot;
        snapshot.lines = gbkLines(kPoem);
        TForm3 reading(snapshot);
        const QList<QAction*> bar = reading.ToolBar2->actions();
        auto named = [&bar](const char* text) {
            for (QAction* action : bar)
                if (action->text() == QString::fromUtf8(text)) return action;
            return static_cast<QAction*>(nullptr);
        };
        QAction* readAloud = named("朗读");
        QAction* exportText = named("导出");
        QVERIFY(readAloud != nullptr && exportText != nullptr);
        QCOMPARE(bar.indexOf(exportText), bar.indexOf(readAloud) + 1);
        QVERIFY(bar.indexOf(reading.EditDelete1) < bar.indexOf(readAloud));
        QCOMPARE(readAloud->shortcut(), QKeySequence(Qt::Key_F8));
        QCOMPARE(exportText->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
        QVERIFY(exportText->isEnabled());
        QVERIFY(!exportText->icon().isNull() && !readAloud->icon().isNull());
        // The skinned hint shows the button's tool-tip: the reason while reading is impossible.
        speech.answer(TSpeechAvailability::NoChineseVoice);
        QCOMPARE(reading.ToolBar2->widgetForAction(readAloud)->toolTip(), hintOf(TSpeechAvailability::NoChineseVoice, false));
    }

    // The engine of this machine, whatever it has: the window stays responsive while it is asked,
    // and the action settles either usable or disabled with its reason. No sound card is needed.
    void realEngineSettlesWithoutBlocking() {
        PoemView poem(kPoem);
        ReadingRoomOutput output(poem.window, *poem.view, speechEngine());
        QAction* read = output.ReadAloud1;
        poem.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&poem.window));
        QTRY_VERIFY_WITH_TIMEOUT(speechEngine().availability() != TSpeechAvailability::Probing, 60000);
        const TSpeechAvailability answer = speechEngine().availability();
        QCOMPARE(read->isEnabled(), answer == TSpeechAvailability::Ready);
        QCOMPARE(read->toolTip(), hintOf(answer, false));
        if (answer != TSpeechAvailability::Ready) return;
        read->trigger();
        QVERIFY(read->isChecked() || !read->isEnabled());
        read->trigger();
        QTRY_VERIFY(!read->isChecked());
    }

    void pdfTextExtractsBackOnA5Pages() {
        std::vector<std::string> lines = kPoem;
        for (int i = 0; i < 40; ++i) lines.push_back("第" + std::to_string(i + 1) + "行：白日依山尽，黄河入海流。");
        PoemView poem(lines);
        veyrin::test::TempDir dir;
        const QString file = pathIn(dir, "静夜思.pdf");
        exportViewToFile(*poem.view, file);

        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), file,
                                                              QStringLiteral("-")});
        for (const char* line : {"床前明月光，疑是地上霜。", "举头望明月，低头思故乡。", "第40行：白日依山尽，黄河入海流。"})
            QVERIFY2(text.contains(QString::fromUtf8(line)), qPrintable(text.left(400)));

        const QString info = run(QStringLiteral("pdfinfo"), {file});
        QVERIFY2(info.contains(QStringLiteral("(A5)")), qPrintable(info));
        const TExportGrid grid{poem.view->charWidth(), poem.view->textHeight(), poem.view->rowHeight()};
        const int rows = static_cast<int>(lines.size());  // every line fits one row of an A5 page
        const int perPage = layoutPages(TTypesetRows{}, grid, a5Paper()).rowsPerPage;
        const int pages = (rows + perPage - 1) / perPage;
        QVERIFY2(pages > 1, "the text should need more than one page");
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))), qPrintable(info));

        const QString fonts = run(QStringLiteral("pdffonts"), {file});
        QVERIFY2(fonts.contains(QStringLiteral(" yes ")), qPrintable(fonts));  // embedded
    }

    void pictureIsAsWideAsTheViewAndAsTallAsTheText() {
        std::vector<std::string> lines = kPoem;
        lines.push_back(std::string(30, 'x') + "白日依山尽，黄河入海流。欲穷千里目，更上一层楼。");
        PoemView poem(lines, QSize(300, 200));
        poem.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&poem.window));
        QVERIFY(poem.view->rowCount() > static_cast<int>(lines.size()));  // the long line wraps

        veyrin::test::TempDir dir;
        const QString file = pathIn(dir, "poem.PNG");
        exportViewToFile(*poem.view, file);
        QImage picture(file);
        // Set afresh for the sheet, so its rows are not the view's.
        const TExportGrid grid{poem.view->charWidth(), poem.view->textHeight(), poem.view->rowHeight()};
        const int width = poem.view->viewport()->width();
        const TTypesetRows set = typesetForExport(gbkLines(lines), sheetColumns(grid, width, poem.view->textLeft()));
        const int rows = static_cast<int>(set.size());
        QCOMPARE(picture.size(), QSize(width, rows * poem.view->rowHeight()));

        // Ruled letter paper: the silver rule on each row's bottom pixel row, paper above it.
        const int x = picture.width() - 1;
        const QRgb rule = toQColor(poem.view->LineDivider().Color()).rgb();
        const QRgb paper = toQColor(poem.view->color()).rgb();
        const int rh = poem.view->rowHeight();
        for (int row = 0; row < rows; ++row) {
            QCOMPARE(picture.pixel(x, row * rh + rh - 1), rule);
            QCOMPARE(picture.pixel(x, row * rh + rh - 2), paper);
        }
    }

    void failedWritesLeaveNoFile() {
        PoemView poem(kPoem);
        veyrin::test::TempDir dir;
        const auto locked = dir.path() / "locked";
        std::filesystem::create_directory(locked);
        std::filesystem::permissions(locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        const QString targets[] = {QString::fromStdString((locked / "poem.pdf").string()),
                                   QString::fromStdString((dir.path() / "missing" / "poem.png").string())};
        for (const QString& target : targets) {
            try {
                exportViewToFile(*poem.view, target);
                QFAIL(qPrintable(QStringLiteral("no error for ") + target));
            } catch (const AppError& error) {
                QCOMPARE(QString::fromStdString(gbk::toUtf8(error.what())), QStringLiteral("Cannot create file ") + target);
            }
        }
        QVERIFY(std::filesystem::is_empty(locked));
        QVERIFY(!std::filesystem::exists(dir.path() / "missing"));

        const QString wrongKind = pathIn(dir, "poem.txt");
        QVERIFY_THROWS_EXCEPTION(AppError, exportViewToFile(*poem.view, wrongKind));
        QVERIFY(!QFile::exists(wrongKind));
    }
};

VEYRIN_TEST_MAIN(ReadingRoomOutputTest)
#include "reading_room_output_test.moc"
