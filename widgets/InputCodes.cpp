#include "widgets/InputCodes.h"

#include <map>

namespace InputCodes {

int16_t KeyCode(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<int16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<int16_t>(112 + (qtKey - Qt::Key_F1));
    static const std::map<int, int16_t> codes = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},      {Qt::Key_Backtab, 9},    {Qt::Key_Clear, 12},
        {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},   {Qt::Key_Shift, 16},     {Qt::Key_Control, 17},
        {Qt::Key_Alt, 18},      {Qt::Key_Pause, 19},   {Qt::Key_CapsLock, 20},  {Qt::Key_Escape, 27},
        {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33},  {Qt::Key_PageDown, 34},  {Qt::Key_End, 35},
        {Qt::Key_Home, 36},     {Qt::Key_Left, 37},    {Qt::Key_Up, 38},        {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},     {Qt::Key_Print, 42},   {Qt::Key_Insert, 45},    {Qt::Key_Delete, 46},
        {Qt::Key_Help, 47},
        {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
    };
    const auto it = codes.find(qtKey);
    return it == codes.end() ? 0 : it->second;
}

int16_t ShiftState(Qt::KeyboardModifiers modifiers)
{
    int16_t state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 1;
    if (modifiers & Qt::ControlModifier)
        state |= 2;
    if (modifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

int16_t MouseButtons(Qt::MouseButtons buttons)
{
    int16_t result = 0;
    if (buttons & Qt::LeftButton)
        result |= 1;
    if (buttons & Qt::RightButton)
        result |= 2;
    if (buttons & Qt::MiddleButton)
        result |= 4;
    return result;
}

}
