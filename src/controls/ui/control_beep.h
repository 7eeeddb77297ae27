#pragma once
// The platform's default beep for refused input, behind one hook so tests can hear it.

#include <functional>

namespace veyrin {

void controlBeep();

// Replaces the beep; returns the previous handler. An empty handler restores the platform beep.
std::function<void()> setControlBeepHandler(std::function<void()> handler);

}  // namespace veyrin
