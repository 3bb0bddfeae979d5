#pragma once
// Look 9: a white-topped ramp into the back colour with a soft rounded frame; it shows no change
// under the mouse.
#include "widgets/ButtonLook.h"

class LookStil9 final : public ButtonLook {
public:
    void Paint(ButtonLookContext& context) const override;
};
