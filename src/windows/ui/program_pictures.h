#pragma once
// The compiled-in pictures of the main window's picture buttons, of the reading window's tool bar
// and the program's icon, looked up by what they show. They sit with the windows, below the
// program layer, so every window can use them without reaching up into the main window.

#include <QIcon>
#include <QImage>

namespace veyrin {

enum class MainPicture { Back, Forward, Cut, Copy, Paste, Font, FontColor, Background, About };

// At density 2 or 3 the picture drawn for it, with that device pixel ratio. The tool-bar
// pictures and the icon find their denser files by themselves (QIcon looks for NAME@2x).
QImage mainPicture(MainPicture picture, int density = 1);
// Tool-bar pictures by index: 0 cut, 1 copy, 2 paste, 3 undo, 5 delete.
QIcon toolBarPicture(int index);
// Tool-bar pictures of the reading window's later buttons, by name: "read_aloud", "stop_reading",
// "export".
QIcon namedToolBarPicture(const char* name);
QIcon windowIcon();

}  // namespace veyrin
