#pragma once
// Look 8: a face in two ramps split at a third of the height with a darker square frame; warm
// yellow under the mouse, orange when pressed.
#include "widgets/ButtonLook.h"

class LookStil8 final : public ButtonLook {
public:
    void Paint(ButtonLookContext& context) const override;
};
