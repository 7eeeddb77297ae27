#pragma once
// The input method's composition window: while a composition is under way, its text is shown at
// the caret in the view's font, on a small window of its own above the text, so the text itself is
// untouched until the composition is committed.

#include <QFont>
#include <QString>
#include <QWidget>

namespace veyrin {

class TSynCompositionWindow : public QWidget {
    Q_OBJECT
public:
    explicit TSynCompositionWindow(QWidget* parent);

    // Shows `text` with its top-left corner at `topLeft` (parent coordinates); empty text hides it.
    void showComposition(const QString& text, const QFont& font, QPoint topLeft, int cursorPosition);
    QString compositionText() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    int cursorPosition_ = -1;
};

}  // namespace veyrin
