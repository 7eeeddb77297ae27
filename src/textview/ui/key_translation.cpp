#include "textview/ui/key_translation.h"

namespace veyrin {

int virtualKeyFor(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;  // Qt uses the ASCII capitals too
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vk::F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
        case Qt::Key_Backspace: return vk::Back;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return vk::Tab;
        case Qt::Key_Return:
        case Qt::Key_Enter: return vk::Return;
        case Qt::Key_PageUp: return vk::Prior;
        case Qt::Key_PageDown: return vk::Next;
        case Qt::Key_End: return vk::End;
        case Qt::Key_Home: return vk::Home;
        case Qt::Key_Left: return vk::Left;
        case Qt::Key_Up: return vk::Up;
        case Qt::Key_Right: return vk::Right;
        case Qt::Key_Down: return vk::Down;
        case Qt::Key_Insert: return vk::Insert;
        case Qt::Key_Delete: return vk::Delete;
        default: return 0;
    }
}

TShiftState shiftStateFor(Qt::KeyboardModifiers modifiers) {
    TShiftState shift = ssNone;
    if (modifiers & Qt::ShiftModifier) shift |= ssShift;
    if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
    if (modifiers & Qt::AltModifier) shift |= ssAlt;
    return shift;
}

}  // namespace veyrin
