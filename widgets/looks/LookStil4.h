#pragma once
// Look 4: a flat face that lights up in the scheme's highlight colour with a thin border under the
// mouse, as office toolbars do.
#include "widgets/ButtonLook.h"

class LookStil4 final : public ButtonLook {
public:
    void Paint(ButtonLookContext& context) const override;
};
