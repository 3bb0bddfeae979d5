#pragma once
// Looks 0 "Windows 95/98", 1 "Flat", 11 "3D Hover" and 12: the classic three-dimensional edges.
#include "widgets/ButtonLook.h"

class LookStandard final : public ButtonLook {
public:
    void Paint(ButtonLookContext& context) const override;

private:
    static void PaintFocus(ButtonLookContext& context);
};
