#pragma once
// The text view as a screen reader sees it: an editable multi-line text whose offsets count
// characters (a double-byte character is one) and whose lines are the display rows, so reading
// "the line" reads what the eye sees on that row of the paper.

#include <QAccessibleWidget>
#include <QObject>
#include <QString>

namespace veyrin {

class TSynEditor;
class TSynCharOffsets;

// The whole text as Unicode, one QChar per character of the view (bytes with no mapping: U+FFFD).
QString synAccessibleText(const TSynEditor& editor);

class TSynAccessible : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
public:
    explicit TSynAccessible(TSynEditor* editor);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // Text interface.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // Editable text interface.
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    TSynEditor* editor() const;
    // The display row (1-based) holding an offset and the offsets where that row starts and ends.
    struct RowSpan {
        int start = 0;
        int end = 0;
    };
    RowSpan rowSpan(const TSynCharOffsets& offsets, int row) const;
    int rowOfOffset(const TSynCharOffsets& offsets, int offset) const;
    QString rowText(int row, int* startOffset, int* endOffset) const;
};

// Tells assistive technology what changed in a text view: typed or removed text (found by
// comparing with the text last reported), caret moves and selection changes. It lives as a child
// of the view from the moment a screen reader first asks about it.
class TSynAccessibilityNotifier : public QObject {
    Q_OBJECT
public:
    explicit TSynAccessibilityNotifier(TSynEditor* editor);
    static void attachTo(TSynEditor* editor);

    // Reports the text change since the last report at once (also runs on the event loop's next turn).
    void flushTextChange();

private:
    void textMayHaveChanged();
    void caretMoved();

    TSynEditor* editor_;
    QString reported_;
    bool pending_ = false;
    int lastCursor_ = 0;
    bool hadSelection_ = false;
};

}  // namespace veyrin
