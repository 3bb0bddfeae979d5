#pragma once
// Look 2 "Windows XP", also look 13 where the platform has no themed button: a soft vertical ramp,
// an orange inner glow under the mouse and a dark blue (or green) rounded frame.
#include "widgets/ButtonLook.h"

class LookWindowsXP final : public ButtonLook {
public:
    void Paint(ButtonLookContext& context) const override;

private:
    // The colours of the six glow lines: top row 2, top row 1, outer sides, inner sides, row H - 3,
    // row H - 2.
    struct Glow {
        uint32_t row2, row1, sides, innerSides, rowHm3, rowHm2;
    };
    static void PaintGradients(ButtonLookContext& context);
    static void PaintShadedLines(ButtonLookContext& context);
    static void PaintGlow(ButtonLookContext& context, const Glow& glow, bool whiteInnerSides);
    static void PaintPressed(ButtonLookContext& context);
};
