#pragma once
// The key codes, shift states and mouse button numbers that the button's key and mouse events
// pass: Enter 13, Space 32, the arrows 37 to 40, letters as their capital's code; Shift 1, Ctrl 2,
// Alt 4; left button 1, right 2, middle 4.
#include <Qt>
#include <cstdint>

namespace InputCodes {

int16_t KeyCode(int qtKey);
int16_t ShiftState(Qt::KeyboardModifiers modifiers);
int16_t MouseButtons(Qt::MouseButtons buttons);

}
