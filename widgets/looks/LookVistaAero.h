#pragma once
// Look 3 "Vista Aero", the program's default: a light glassy face split at half height, blue under
// the mouse, deeper blue with an inner shadow when pressed.
#include "widgets/ButtonLook.h"

class LookVistaAero final : public ButtonLook {
public:
    void Paint(ButtonLookContext& context) const override;

private:
    static void PaintHot(ButtonLookContext& context);
    static void PaintPressed(ButtonLookContext& context);
    // The 5-pixel horizontal shading at both sides of the upper and lower halves.
    static void PaintSideShading(ButtonLookContext& context, const QColor& upperEdge, const QColor& upperInner,
                                 const QColor& lowerEdge, const QColor& lowerInner);
};
