#include <QAccessible>
#include <QtTest>

#include <memory>

#include "platform/model/gbk_text.h"
#include "platform/ui/font_faces.h"
#include "support/accessible_events.h"
#include "support/veyrin_test_main.h"
#include "textview/model/editor_commands.h"
#include "textview/ui/flat_scroll_bar.h"
#include "textview/ui/reader_design_values.h"
#include "textview/ui/syn_accessible.h"
#include "textview/ui/syn_editor.h"

using namespace veyrin;
using namespace veyrin::test;

namespace {

const QString kFirst = QStringLiteral("床前明月光，疑是地上霜。举头望明月，低头思故乡。");
const QString kSecond = QStringLiteral("李白");

}  // namespace

class SynAccessibleTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TSynEditor> view_;
    QAccessibleInterface* iface_ = nullptr;
    QAccessibleTextInterface* text_ = nullptr;

    QString lineAt(int offset, int* start, int* end) const {
        return text_->textAtOffset(offset, QAccessible::LineBoundary, start, end);
    }

private slots:
    void initTestCase() { installFontSubstitutions(); }

    // Twenty cells a row: ten Chinese characters, so the first line wraps into rows of ten, ten, four.
    void init() {
        startRecordingAccessibleEvents();
        view_ = std::make_unique<TSynEditor>();
        applyReaderDesignValues(*view_);
        view_->resize(2 + 20 * 6 + TSynFlatScrollBar::kThickness, 300);
        view_->Lines().LoadFromBytes(gbk::fromUtf8((kFirst + "\r\n" + kSecond).toStdString()));
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        QCOMPARE(view_->charsInWindow(), 20);
        iface_ = QAccessible::queryAccessibleInterface(view_.get());
        QVERIFY(iface_);
        text_ = iface_->textInterface();
        QVERIFY(text_);
        QVERIFY(iface_->editableTextInterface());
    }

    void cleanup() { view_.reset(); }

    void wholeTextCountsCharactersNotBytes() {
        QCOMPARE(iface_->role(), QAccessible::EditableText);
        QVERIFY(iface_->state().multiLine);
        QCOMPARE(text_->characterCount(), 24 + 1 + 2);
        QCOMPARE(text_->text(0, text_->characterCount()), kFirst + "\n" + kSecond);
        QCOMPARE(text_->text(25, 27), kSecond);
    }

    // A line for the reader is a display row: what the eye sees on one ruled line.
    void linesAreTheWrappedRows() {
        int start = -1, end = -1;
        QCOMPARE(lineAt(0, &start, &end), kFirst.left(10));
        QCOMPARE(start, 0);
        QCOMPARE(end, 10);
        QCOMPARE(lineAt(15, &start, &end), kFirst.mid(10, 10));
        QCOMPARE(lineAt(22, &start, &end), kFirst.mid(20) + "\n");
        QCOMPARE(end, 25);
        QCOMPARE(text_->textAfterOffset(22, QAccessible::LineBoundary, &start, &end), kSecond);
        QCOMPARE(start, 25);
        QCOMPARE(text_->textBeforeOffset(12, QAccessible::LineBoundary, &start, &end), kFirst.left(10));
        QCOMPARE(text_->textBeforeOffset(3, QAccessible::LineBoundary, &start, &end), QString());
        QCOMPARE(text_->textAtOffset(3, QAccessible::CharBoundary, &start, &end), kFirst.mid(3, 1));
        QCOMPARE(start, 3);
    }

    // A Chinese character covers two cells; the point in its middle finds it again.
    void extentsAndPointsAgree() {
        const QRect first = text_->characterRect(0);
        const QRect eleventh = text_->characterRect(10);  // first character of the second row
        QCOMPARE(first.width(), 2 * view_->charWidth());
        QCOMPARE(first.height(), view_->rowHeight());
        QCOMPARE(first.topLeft(), view_->viewport()->mapToGlobal(QPoint(view_->textLeft(), 0)));
        QCOMPARE(eleventh.left(), first.left());
        QCOMPARE(eleventh.top(), first.top() + view_->rowHeight());
        QCOMPARE(text_->offsetAtPoint(text_->characterRect(13).center()), 13);
        QCOMPARE(text_->offsetAtPoint(view_->viewport()->mapToGlobal(QPoint(-50, -50))), -1);
    }

    void caretAndSelectionInCharacters() {
        view_->setCaretXY({9, 1});  // after four characters
        QCOMPARE(text_->cursorPosition(), 4);
        auto moves = accessibleEventsOf(view_.get(), QAccessible::TextCaretMoved);
        QVERIFY(!moves.isEmpty());
        QCOMPARE(moves.last().offset, 4);

        text_->setSelection(0, 11, 26);
        int start = -1, end = -1;
        QCOMPARE(text_->selectionCount(), 1);
        text_->selection(0, &start, &end);
        QCOMPARE(start, 11);
        QCOMPARE(end, 26);
        QCOMPARE(view_->caretXY(), (TBufferCoord{3, 2}));  // after 李, two bytes in
        QVERIFY(!accessibleEventsOf(view_.get(), QAccessible::TextSelectionChanged).isEmpty());
        text_->setCursorPosition(25);
        QCOMPARE(view_->caretXY(), (TBufferCoord{1, 2}));
        QCOMPARE(text_->selectionCount(), 0);
    }

    // What is typed or deleted reaches the reader as the characters that went in or out.
    void editsAreAnnouncedAsText() {
        view_->setCaretXY({1, 2});
        view_->executeCommand(ecImeStr, gbk::fromUtf8("唐"));
        auto inserted = accessibleEventsOf(view_.get(), QAccessible::TextInserted);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.first().offset, 25);
        QCOMPARE(inserted.first().textInserted, QStringLiteral("唐"));

        iface_->editableTextInterface()->deleteText(0, 2);
        QCoreApplication::processEvents();
        auto removed = accessibleEventsOf(view_.get(), QAccessible::TextRemoved);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.first().textRemoved, kFirst.left(2));
        QCOMPARE(text_->text(0, 3), kFirst.mid(2, 3));

        iface_->editableTextInterface()->insertText(text_->characterCount(), QStringLiteral("诗"));
        QCOMPARE(text_->text(text_->characterCount() - 3, text_->characterCount()), QStringLiteral("李白诗"));
    }
};

VEYRIN_TEST_MAIN(SynAccessibleTest)
#include "syn_accessible_test.moc"
