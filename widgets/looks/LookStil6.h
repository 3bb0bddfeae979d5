#pragma once
// Look 6: flat until the mouse comes, then a pale ramp with a thin grey frame; pressed it turns grey
// with white text. A check or option button that is on shows a white face with a blue-grey frame.
#include "widgets/ButtonLook.h"

class LookStil6 final : public ButtonLook {
public:
    void Paint(ButtonLookContext& context) const override;

private:
    static void PaintHot(ButtonLookContext& context);
    static void PaintPressed(ButtonLookContext& context);
    static void PaintOn(ButtonLookContext& context);
};
