#include "controls/model/speed_button_look.h"

namespace veyrin {

std::optional<TColor> speedButtonBackground(TTransparentMode mode, SpeedButtonState state, bool mouseInside,
                                            const SpeedButtonColors& colors) {
    switch (mode) {
        case TTransparentMode::tmAlways:
            return std::nullopt;
        case TTransparentMode::tmNotFocused:
            if (!mouseInside) return std::nullopt;
            switch (state) {
                case SpeedButtonState::Up: return colors.colorFocused;
                case SpeedButtonState::Disabled: return colors.color;
                case SpeedButtonState::Pressed: return colors.colorDown;
                case SpeedButtonState::Latched: return colors.colorFocused;
            }
            break;
        case TTransparentMode::tmNone:
            switch (state) {
                case SpeedButtonState::Up: return mouseInside ? colors.colorFocused : colors.color;
                case SpeedButtonState::Disabled: return colors.color;
                case SpeedButtonState::Pressed: return colors.colorDown;
                case SpeedButtonState::Latched: return mouseInside ? colors.colorFocused : colors.colorDown;
            }
            break;
    }
    return std::nullopt;
}

SpeedButtonBorder speedButtonBorder(SpeedButtonState state, bool mouseInside) {
    switch (state) {
        case SpeedButtonState::Up: return mouseInside ? SpeedButtonBorder::Raised : SpeedButtonBorder::Flat;
        case SpeedButtonState::Disabled: return SpeedButtonBorder::Flat;
        case SpeedButtonState::Pressed:
        case SpeedButtonState::Latched: return SpeedButtonBorder::Sunken;
    }
    return SpeedButtonBorder::Flat;
}

int glyphIndexForState(int numGlyphs, SpeedButtonState state) {
    switch (numGlyphs) {
        case 2: return state == SpeedButtonState::Disabled ? 1 : 0;
        case 3:
            if (state == SpeedButtonState::Disabled) return 1;
            return (state == SpeedButtonState::Pressed || state == SpeedButtonState::Latched) ? 2 : 0;
        case 4:
            switch (state) {
                case SpeedButtonState::Up: return 0;
                case SpeedButtonState::Disabled: return 1;
                case SpeedButtonState::Pressed: return 2;
                case SpeedButtonState::Latched: return 3;
            }
            break;
        default: break;
    }
    return 0;
}

int numGlyphsForStrip(int width, int height, int currentNumGlyphs) {
    if (width <= 0 || height <= 0 || width % height != 0) return currentNumGlyphs;
    int count = width / height;
    return count > 4 ? 1 : count;
}

bool isPointOnSpeedButton(int x, int y, int width, int height) {
    return x >= 0 && x < width && y >= 0 && y <= height;
}

SpeedButtonState stateWhileDragging(bool onButton, bool down) {
    if (down) return SpeedButtonState::Latched;
    return onButton ? SpeedButtonState::Pressed : SpeedButtonState::Up;
}

SpeedButtonState settledState(SpeedButtonState current, bool enabled, bool down, int groupIndex) {
    if (!enabled) return SpeedButtonState::Disabled;
    if (current != SpeedButtonState::Disabled) return current;
    return (down && groupIndex != 0) ? SpeedButtonState::Latched : SpeedButtonState::Up;
}

}  // namespace veyrin
