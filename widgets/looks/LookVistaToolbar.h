#pragma once
// Look 7 "Vista Toolbar": flat in the back colour until the mouse comes, then a light blue glassy
// face with a blue rounded frame.
#include "widgets/ButtonLook.h"

class LookVistaToolbar final : public ButtonLook {
public:
    void Paint(ButtonLookContext& context) const override;
};
