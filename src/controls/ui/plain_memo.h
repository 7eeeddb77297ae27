#pragma once
// The plain multi-line edit boxes that hold the reader's notes (the scratch boxes). Their text is
// kept by Qt in Unicode; it enters and leaves as GBK bytes with CR LF between lines.

#include <QPlainTextEdit>

#include <string>

namespace veyrin {

class PlainMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PlainMemo(QWidget* parent = nullptr);

    // The whole text as GBK bytes, lines joined with CR LF, no break added at the end.
    std::string gbkText() const;
    // Replaces the whole text in one step; nothing happens when it equals the current text.
    void setGbkText(const std::string& gbkCrLfText);

    bool hasSelection() const { return textCursor().hasSelection(); }
    void deleteSelection() { textCursor().removeSelectedText(); }
};

}  // namespace veyrin
