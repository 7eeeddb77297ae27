#pragma once
// The program's own top-level windows as the window manager sees them: minimising the program
// means iconifying each of them, hiding it in the tray means withdrawing each of them.

#include <QList>
#include <QPointer>
#include <QWidget>

namespace veyrin {

// The visible windows of the program, without menus, tool tips and other transient popups.
QList<QPointer<QWidget>> visibleApplicationWindows();

// Iconifies every visible window; the task bar or an activation brings each one back.
void minimiseApplication();

// Qt ends the program when its last visible window closes, but a window closed while withdrawn was
// not visible and ends nothing; this ends the program as if it had been.
void endIfLastWindowClosed(const QWidget& closed);

}  // namespace veyrin
