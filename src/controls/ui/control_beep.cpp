#include "controls/ui/control_beep.h"

#include <QApplication>

namespace veyrin {
namespace {

std::function<void()>& beepHandler() {
    static std::function<void()> handler;
    return handler;
}

}  // namespace

void controlBeep() {
    if (beepHandler()) {
        beepHandler()();
    } else {
        QApplication::beep();
    }
}

std::function<void()> setControlBeepHandler(std::function<void()> handler) {
    return std::exchange(beepHandler(), std::move(handler));
}

}  // namespace veyrin
