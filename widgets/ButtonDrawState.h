#pragma once
// The run-time state of the button that decides how its face is drawn.
#include <cstdint>

struct ButtonDrawState {
    enum : int32_t { Normal = 0, Hot = 1, Pressed = 2 };

    int32_t state = Normal;
    bool enabled = true;
    bool mouseOver = false;
    bool mousePressed = false;
    bool spaceDown = false;
    bool hasFocus = false;
    // The window shows this button as its default button.
    bool isDefault = false;
    // The window holding the button is the active window.
    bool parentActive = false;
};
