#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <string>

#include "platform/model/gbk_text.h"
#include "platform/ui/font_faces.h"
#include "platform/ui/gbk_qt.h"
#include "textview/model/editor_engine.h"
#include "textview/model/key_strokes.h"
#include "textview/ui/flat_scroll_bar.h"
#include "textview/ui/key_translation.h"
#include "textview/ui/reader_design_values.h"
#include "textview/ui/syn_clipboard.h"
#include "textview/ui/syn_composition_window.h"
#include "textview/ui/syn_editor.h"

using namespace veyrin;

namespace {

std::string g(const char* utf8) { return gbk::fromUtf8(utf8); }

QByteArray bytes(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, buttons, modifiers);
    QCoreApplication::sendEvent(target, &event);
}

void commitInputMethod(QWidget* target, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(target, &event);
}

}  // namespace

class SynEditorEditingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TSynEditor> makeView(const std::string& text, int width = 300, int height = 10 * 26) {
        auto view = std::make_unique<TSynEditor>();
        applyReaderDesignValues(*view);
        view->resize(width + TSynFlatScrollBar::kThickness, height);
        view->Lines().LoadFromBytes(text);
        view->show();
        view->activateWindow();
        view->setFocus();
        if (!QTest::qWaitForWindowExposed(view.get())) return nullptr;
        return view;
    }

    // The viewport point at the left edge of a cell (1-based display column and row).
    QPoint cellPoint(const TSynEditor& view, int column, int row) const {
        return {view.textLeft() + (column - 1) * view.charWidth(), (row - view.topLine()) * view.rowHeight() + view.rowHeight() / 2};
    }

    void press(TSynEditor& view, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&view, static_cast<Qt::Key>(key), modifiers);
    }

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init() { QGuiApplication::clipboard()->clear(); }

    // --- Keys -----------------------------------------------------------------------------------

    void keysRunTheirBoundCommands() {
        auto view = makeView("abc\r\ndef");
        QVERIFY(view);
        press(*view, Qt::Key_End);
        QCOMPARE(view->caretXY(), (TBufferCoord{4, 1}));
        press(*view, Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(view->selectedText(), std::string("abc"));
        press(*view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("abc"));
        press(*view, Qt::Key_Down, Qt::ShiftModifier | Qt::ControlModifier);  // unbound: nothing happens
        QCOMPARE(view->selectedText(), std::string("abc"));
        press(*view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(view->caretXY(), (TBufferCoord{4, 2}));
        press(*view, Qt::Key_Backspace);
        press(*view, Qt::Key_Return);
        QCOMPARE(view->text(), std::string("abc\r\nde\r\n"));
        press(*view, Qt::Key_A, Qt::ControlModifier);
        press(*view, Qt::Key_Delete);
        QCOMPARE(view->text(), std::string());
    }

    void unmatchedCharactersAreTypedAndTabIsNot() {
        auto view = makeView("xy");
        QVERIFY(view);
        QTest::keyClicks(view.get(), "ab");
        press(*view, Qt::Key_Tab);
        QCOMPARE(view->text(), std::string("abxy"));
        QTest::keyClicks(view.get(), "A");  // shifted letters are text too
        QCOMPARE(view->text(), std::string("abAxy"));
        press(*view, Qt::Key_Q, Qt::ControlModifier);  // unbound chords type nothing
        press(*view, Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(view->text(), std::string("abAxy"));
    }

    void upDownAndHomeWorkOnWrappedRows() {
        // 20 cells per row: a line of 15 Chinese characters wraps into rows of 20 and 10 bytes;
        // "a" + 15 characters wraps after 19 bytes, never between the two bytes of a character.
        auto view = makeView(g("床前明月光疑是地上霜举头望明月") + "\r\na" + g("床前明月光疑是地上霜举头望明月"), 2 + 20 * 6);
        QVERIFY(view);
        QCOMPARE(view->charsInWindow(), 20);
        QCOMPARE(view->rowCount(), 4);
        view->setCaretXY({7, 1});
        press(*view, Qt::Key_Down);  // row 2, display column 7: byte 27 of line 1
        QCOMPARE(view->caretXY(), (TBufferCoord{27, 1}));
        press(*view, Qt::Key_Down);  // row 3 starts "a": column 7 is a trail byte, so back to 6
        QCOMPARE(view->caretXY(), (TBufferCoord{6, 2}));
        press(*view, Qt::Key_Down);  // row 4 starts at byte 20 of line 2
        QCOMPARE(view->caretXY(), (TBufferCoord{26, 2}));
        press(*view, Qt::Key_Home);
        QCOMPARE(view->caretXY(), (TBufferCoord{20, 2}));
        press(*view, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(view->selectedText(), "a" + g("床前明月光疑是地上"));
    }

    // Every bound command, the inert ones included, keeps the caret on the text, and undo takes the
    // text back to where it was.
    void everyDefaultBindingLeavesAConsistentView() {
        const std::string original = g("床前明月光，疑是地上霜。") + "\r\n(ab) [cd]\r\n\r\nlast line";
        auto view = makeView("", 2 + 20 * 6);
        QVERIFY(view);
        const QList<int> qtKeys = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp,
                                   Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End, Qt::Key_Insert, Qt::Key_Delete,
                                   Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Tab, Qt::Key_F1};
        auto qtKeyFor = [&](int virtualKey) {
            for (int key : qtKeys)
                if (virtualKeyFor(key) == virtualKey) return key;
            return virtualKey;  // digits and letters share their codes
        };
        const auto strokes = view->keyStrokes().items();
        for (const TSynEditKeyStroke& stroke : strokes) {
            const QByteArray name = QByteArray::number(stroke.command);
            view->setText(original);
            view->setSelection({3, 1}, {2, 2});
            Qt::KeyboardModifiers modifiers;
            if (stroke.first.shift & ssShift) modifiers |= Qt::ShiftModifier;
            if (stroke.first.shift & ssCtrl) modifiers |= Qt::ControlModifier;
            if (stroke.first.shift & ssAlt) modifiers |= Qt::AltModifier;
            press(*view, qtKeyFor(stroke.first.key), modifiers);
            const TBufferCoord caret = view->caretXY();
            QVERIFY2(caret.Line >= 1 && caret.Line <= std::max(1, view->Lines().Count()), name);
            QVERIFY2(caret.Char >= 1 && caret.Char <= static_cast<int>(view->Lines().GetView(caret.Line - 1).size()) + 1,
                     name);
            QVERIFY2(view->topLine() >= 1, name);
            while (view->canUndo()) view->undo();
            QVERIFY2(view->text() == original, name);
        }
    }

    void insertKeyTogglesOverwriteAndTheBlockCaret() {
        auto view = makeView(g("床前") + "ab");
        QVERIFY(view);
        const int barWidth = view->inputMethodQuery(Qt::ImCursorRectangle).toRect().width();
        press(*view, Qt::Key_Insert);
        QVERIFY(!view->insertMode());
        QCOMPARE(view->inputMethodQuery(Qt::ImCursorRectangle).toRect().width(), view->charWidth());
        QVERIFY(barWidth < view->charWidth());
        QTest::keyClicks(view.get(), "xy");  // each replaces one whole character
        QCOMPARE(view->text(), std::string("xyab"));
        press(*view, Qt::Key_Insert);
        QVERIFY(view->insertMode());
    }

    void undoAndRedoByKey() {
        auto view = makeView("");
        QVERIFY(view);
        QTest::keyClicks(view.get(), "hello");
        press(*view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(view->text(), std::string());
        press(*view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(view->text(), std::string("hello"));
        press(*view, Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(view->text(), std::string());
    }

    // --- Input method -----------------------------------------------------------------------

    void inputMethodCommitIsOneUndoStep() {
        auto view = makeView("ab");
        QVERIFY(view);
        press(*view, Qt::Key_End);
        commitInputMethod(view.get(), QString::fromUtf8("床前明月"));
        commitInputMethod(view.get(), QString::fromUtf8("光"));
        QCOMPARE(view->text(), "ab" + g("床前明月光"));
        QCOMPARE(view->caretXY(), (TBufferCoord{13, 1}));
        view->undo();
        QCOMPARE(view->text(), "ab" + g("床前明月"));
        view->undo();
        QCOMPARE(view->text(), std::string("ab"));
        QVERIFY(!view->canUndo());
    }

    void compositionShowsAtTheCaretUntilCommitted() {
        auto view = makeView("abcdef");
        QVERIFY(view);
        view->setCaretXY({4, 1});
        QInputMethodEvent composing(QString::fromUtf8("chuang"), {});
        QCoreApplication::sendEvent(view.get(), &composing);
        QCOMPARE(view->compositionText(), QString::fromUtf8("chuang"));
        QCOMPARE(view->text(), std::string("abcdef"));  // nothing enters the text while composing
        const auto* window = view->viewport()->findChild<TSynCompositionWindow*>();
        QVERIFY(window && window->isVisible());
        QVERIFY(qAbs(window->x() - (view->textLeft() + 3 * view->charWidth())) <= 3);
        commitInputMethod(view.get(), QString::fromUtf8("床"));
        QVERIFY(view->compositionText().isEmpty());
        QVERIFY(!window->isVisible());
        QCOMPARE(view->text(), "abc" + g("床") + "def");
    }

    void inputMethodQueriesFollowTheCaretAndFont() {
        auto view = makeView("abcdef");
        QVERIFY(view);
        view->setCaretXY({4, 1});
        const QRect rect = view->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QVERIFY(qAbs(rect.left() - (view->viewport()->x() + view->textLeft() + 3 * view->charWidth())) <= 2);
        QCOMPARE(view->inputMethodQuery(Qt::ImFont).value<QFont>(), view->textFont());
    }

    // --- Mouse ------------------------------------------------------------------------------

    void clickPlacesTheCaretAndShiftClickExtends() {
        auto view = makeView("abcdefgh\r\nijkl");
        QVERIFY(view);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellPoint(*view, 3, 1));
        QCOMPARE(view->caretXY(), (TBufferCoord{3, 1}));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, cellPoint(*view, 3, 2));
        QCOMPARE(view->selectedText(), std::string("cdefgh\r\nij"));
    }

    void rightButtonLeavesTheCaret() {
        auto view = makeView("abcdefgh");
        QVERIFY(view);
        view->setCaretXY({2, 1});
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, cellPoint(*view, 6, 1));
        QCOMPARE(view->caretXY(), (TBufferCoord{2, 1}));
    }

    void draggingSelectsAndScrollsOutsideTheTextArea() {
        std::string text;
        for (int i = 0; i < 40; ++i) text += "line" + std::to_string(i) + "\r\n";
        auto view = makeView(text);
        QVERIFY(view);
        QWidget* vp = view->viewport();
        sendMouse(vp, QEvent::MouseButtonPress, cellPoint(*view, 1, 1), Qt::LeftButton, Qt::LeftButton);
        sendMouse(vp, QEvent::MouseMove, cellPoint(*view, 3, 2), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(view->selectedText(), std::string("line0\r\nli"));
        QCOMPARE(view->topLine(), 1);
        // Below the view: the timer scrolls, 100 ms a step.
        sendMouse(vp, QEvent::MouseMove, QPoint(20, vp->height() + 5), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(view->topLine(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(view->topLine() >= 3, 2000);
        QVERIFY(view->caretXY().Line >= view->topLine() + view->linesInWindow() - 1);
        sendMouse(vp, QEvent::MouseButtonRelease, QPoint(20, vp->height() + 5), Qt::LeftButton, Qt::NoButton);
        const int top = view->topLine();
        QTest::qWait(300);
        QCOMPARE(view->topLine(), top);
        QCOMPARE(view->selection().anchor(), (TBufferCoord{1, 1}));
    }

    // 1.5 spacing at 11 points leaves part of a row under the last whole one at this height.
    void draggingIntoThePartlyShownBottomRowSelectsIntoItAndScrollsOneRow() {
        std::string text;
        for (int i = 0; i < 40; ++i) text += "line" + std::to_string(i) + "\r\n";
        auto view = makeView(text, 300, 409);
        QVERIFY(view);
        view->setFontSize(11);
        view->setLineSpacingRule(lsOneAndHalf);
        QWidget* vp = view->viewport();
        const int wholeRowsBottom = view->linesInWindow() * view->rowHeight();
        QVERIFY(wholeRowsBottom < vp->height());
        sendMouse(vp, QEvent::MouseButtonPress, cellPoint(*view, 1, 1), Qt::LeftButton, Qt::LeftButton);
        sendMouse(vp, QEvent::MouseMove, QPoint(cellPoint(*view, 3, 1).x(), wholeRowsBottom + 1), Qt::NoButton,
                  Qt::LeftButton);
        QCOMPARE(view->caretXY().Line, view->linesInWindow() + 1);
        QCOMPARE(view->topLine(), 2);
        sendMouse(vp, QEvent::MouseButtonRelease, QPoint(20, wholeRowsBottom + 1), Qt::LeftButton, Qt::NoButton);
    }

    void doubleClickSelectsTheChineseClauseThenSignals() {
        auto view = makeView(g("床前明月光，疑是地上霜。"));
        QVERIFY(view);
        QSignalSpy spy(view.get(), &TSynEditor::dblClicked);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cellPoint(*view, 16, 1));
        QCOMPARE(view->selectedText(), g("疑是地上霜"));
        QCOMPARE(spy.count(), 1);
    }

    void doubleClickInTheMarginOnlySignals() {
        auto view = makeView("word another");
        QVERIFY(view);
        view->setCaretXY({3, 1});
        QSignalSpy spy(view.get(), &TSynEditor::dblClicked);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(0, 5), view->viewport()->mapToGlobal(QPointF(0, 5)),
                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view->viewport(), &dbl);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!view->hasSelection());
    }

    void draggingTheSelectionMovesItAsOneUndoStep() {
        auto view = makeView("abc def ghi");
        QVERIFY(view);
        view->setSelection({1, 1}, {4, 1});
        QWidget* vp = view->viewport();
        sendMouse(vp, QEvent::MouseButtonPress, cellPoint(*view, 2, 1), Qt::LeftButton, Qt::LeftButton);
        sendMouse(vp, QEvent::MouseMove, cellPoint(*view, 6, 1), Qt::NoButton, Qt::LeftButton);
        sendMouse(vp, QEvent::MouseButtonRelease, cellPoint(*view, 8, 1), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(view->text(), std::string(" defabc ghi"));
        view->undo();
        QCOMPARE(view->text(), std::string("abc def ghi"));
        QCOMPARE(view->selectedText(), std::string("abc"));
    }

    void ctrlDropCopiesAndDropInsideDoesNothing() {
        auto view = makeView("abc def");
        QVERIFY(view);
        QWidget* vp = view->viewport();
        view->setSelection({5, 1}, {8, 1});
        sendMouse(vp, QEvent::MouseButtonPress, cellPoint(*view, 6, 1), Qt::LeftButton, Qt::LeftButton);
        sendMouse(vp, QEvent::MouseMove, cellPoint(*view, 1, 1), Qt::NoButton, Qt::LeftButton);
        sendMouse(vp, QEvent::MouseButtonRelease, cellPoint(*view, 6, 1), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(view->text(), std::string("abc def"));
        view->setSelection({5, 1}, {8, 1});
        sendMouse(vp, QEvent::MouseButtonPress, cellPoint(*view, 6, 1), Qt::LeftButton, Qt::LeftButton);
        sendMouse(vp, QEvent::MouseMove, cellPoint(*view, 1, 1), Qt::NoButton, Qt::LeftButton);
        sendMouse(vp, QEvent::MouseButtonRelease, cellPoint(*view, 1, 1), Qt::LeftButton, Qt::NoButton,
                  Qt::ControlModifier);
        QCOMPARE(view->text(), std::string("defabc def"));
    }

    void dragIntoAnotherViewCopiesOrMovesWithShift() {
        QWidget window;
        window.resize(620, 200);
        auto* source = new TSynEditor(&window);
        auto* target = new TSynEditor(&window);
        for (TSynEditor* view : {source, target}) applyReaderDesignValues(*view);
        source->setGeometry(0, 0, 300, 200);
        target->setGeometry(310, 0, 300, 200);
        source->Lines().LoadFromBytes("abc def");
        target->Lines().LoadFromBytes("xyz");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto dragTo = [&](Qt::KeyboardModifiers modifiers) {
            source->setSelection({1, 1}, {4, 1});
            QWidget* vp = source->viewport();
            const QPoint into = vp->mapFromGlobal(target->viewport()->mapToGlobal(cellPoint(*target, 2, 1)));
            sendMouse(vp, QEvent::MouseButtonPress, cellPoint(*source, 2, 1), Qt::LeftButton, Qt::LeftButton);
            sendMouse(vp, QEvent::MouseMove, into, Qt::NoButton, Qt::LeftButton);
            sendMouse(vp, QEvent::MouseButtonRelease, into, Qt::LeftButton, Qt::NoButton, modifiers);
        };
        dragTo(Qt::NoModifier);
        QCOMPARE(target->text(), std::string("xabcyz"));
        QCOMPARE(source->text(), std::string("abc def"));
        dragTo(Qt::ShiftModifier);
        QCOMPARE(target->text(), std::string("xabcabcyz"));
        QCOMPARE(source->text(), std::string(" def"));
        target->undo();
        QCOMPARE(target->text(), std::string("xabcyz"));
    }

    void clickInsideTheSelectionWithoutDraggingCollapsesIt() {
        auto view = makeView("abc def");
        QVERIFY(view);
        view->setSelection({1, 1}, {8, 1});
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellPoint(*view, 3, 1));
        QVERIFY(!view->hasSelection());
        QCOMPARE(view->caretXY(), (TBufferCoord{3, 1}));
    }

    // --- Clipboard --------------------------------------------------------------------------

    void copyWritesCrLfTextAndThePrivateBlock() {
        auto view = makeView("first\nsecond\nthird");  // LF breaks in the file
        QVERIFY(view);
        view->setSelection({1, 1}, {7, 2});
        view->copyToClipboard();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        QCOMPARE(data->text(), QString("first\r\nsecond"));
        QCOMPARE(data->data(synEditBlockMimeType()), bytes(std::string("\0first\r\nsecond\0", 15)));
    }

    void copyWithoutSelectionLeavesTheClipboard() {
        auto view = makeView("abc");
        QVERIFY(view);
        QGuiApplication::clipboard()->setText("kept");
        view->copyToClipboard();
        view->cutToClipboard();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("kept"));
        QCOMPARE(view->text(), std::string("abc"));
    }

    void roundTripsThroughThePrivateBlock() {
        auto view = makeView(g("床前\r\n明月光") + "\x81\x20");  // a byte pair with no Unicode form survives
        QVERIFY(view);
        view->selectAll();
        view->copyToClipboard();
        view->setText("");
        view->pasteFromClipboard();
        QCOMPARE(view->text(), g("床前\r\n明月光") + "\x81\x20");
    }

    void pastePrefersThePrivateBlockOverPlainText() {
        auto view = makeView("");
        QVERIFY(view);
        auto* data = new QMimeData;
        data->setText("plain");
        data->setData(synEditBlockMimeType(), bytes(std::string("\0block\0", 7)));
        QGuiApplication::clipboard()->setMimeData(data);
        QVERIFY(view->canPaste());
        view->pasteFromClipboard();
        QCOMPARE(view->text(), std::string("block"));
    }

    void pasteOfForeignTextReplacesTheSelectionInGbk() {
        auto view = makeView("one two");
        QVERIFY(view);
        QGuiApplication::clipboard()->setText(QString::fromUtf8("诗\U0001F600x"));
        view->setSelection({5, 1}, {8, 1});
        view->pasteFromClipboard();
        QCOMPARE(view->text(), "one " + g("诗") + "?x");
        QCOMPARE(view->caretXY(), (TBufferCoord{9, 1}));
        view->undo();
        QCOMPARE(view->text(), std::string("one two"));
    }

    void cutThenUndoRestoresTextAndSelection() {
        auto view = makeView("keep this\r\nand that");
        QVERIFY(view);
        view->setSelection({6, 1}, {4, 2});
        view->cutToClipboard();
        QCOMPARE(view->text(), std::string("keep  that"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("this\r\nand"));
        view->undo();
        QCOMPARE(view->text(), std::string("keep this\r\nand that"));
        QCOMPARE(view->selectedText(), std::string("this\r\nand"));
    }

    void selectAllOnAnEmptyViewSelectsNothing() {
        auto view = makeView("");
        QVERIFY(view);
        view->selectAll();
        QVERIFY(!view->hasSelection());
        QCOMPARE(view->caretXY(), (TBufferCoord{1, 1}));
    }

    void loadingEmptiesUndo() {
        auto view = makeView("abc");
        QVERIFY(view);
        QTest::keyClicks(view.get(), "x");
        QVERIFY(view->canUndo());
        view->Lines().LoadFromBytes("other");
        QVERIFY(!view->canUndo());
        QCOMPARE(view->caretXY(), (TBufferCoord{1, 1}));
    }
};

QTEST_MAIN(SynEditorEditingTest)
#include "syn_editor_editing_test.moc"
