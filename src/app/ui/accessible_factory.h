#pragma once
// Registers the program's accessible interfaces with Qt: the custom-drawn controls and the text
// view. Installed once at start-up, before any window exists; installing again does nothing.

namespace veyrin {

void installAccessibleFactory();

}  // namespace veyrin
