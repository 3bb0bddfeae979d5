#pragma once
// Look 5: a two-part vertical ramp in the back colour, warm yellow to orange ramps with a navy frame
// under the mouse and when pressed.
#include "widgets/ButtonLook.h"

class LookStil5 final : public ButtonLook {
public:
    void Paint(ButtonLookContext& context) const override;
};
