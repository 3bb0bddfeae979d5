#pragma once
// Look 10 "Gel": a glossy strip over a body ramp that brightens towards the bottom, in a rounded frame.
#include "widgets/ButtonLook.h"

class LookGel final : public ButtonLook {
public:
    void Paint(ButtonLookContext& context) const override;
};
