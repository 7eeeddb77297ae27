#pragma once
// Captions mark their accelerator letter with '&' ("&&" is a literal ampersand). A control that
// has one registers it with the window, so Alt+letter (or the letter alone where the window
// passes it on) reaches the control as a shortcut event.

#include <QString>

class QWidget;

namespace veyrin {

// The caption as shown, without the '&' marks.
QString captionWithoutMarks(const QString& caption);

class Accelerator {
public:
    // Registers the caption's accelerator for `owner`, replacing an earlier one.
    void update(QWidget& owner, const QString& caption);
    bool matches(int shortcutId) const { return m_id != 0 && shortcutId == m_id; }

private:
    int m_id = 0;
};

}  // namespace veyrin
