#include "widgets/looks/LookStil4.h"

#include "widgets/ButtonColors.h"

using ButtonColors::Rgb;
using ButtonColors::ShiftColor;

void LookStil4::Paint(ButtonLookContext& c) const
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    const QColor b = c.B();

    QColor light = b;
    QColor border = ShiftColor(b, -0.12f);
    switch (c.properties.colorScheme) {
    case 0: light = Rgb(0xC1D2EE); border = Rgb(0x316AC5); break;
    case 1: light = Rgb(0xD4D6BA); border = Rgb(0x93A070); break;
    case 2: light = Rgb(0xE0DFE3); border = Rgb(0xB2B4BF); break;
    default: break;
    }

    if (!c.Enabled() || (c.State() == ButtonDrawState::Normal && !c.properties.IsOn())) {
        canvas.FillRectangle(b, 0, 0, w, h);
    } else if (c.properties.IsOn()) {
        canvas.FillRectangle(ShiftColor(light, c.drawState.mouseOver ? -0.01f : -0.05f), 0, 0, w, h);
        canvas.DrawRectangle(0, 0, w, h, border);
    } else if (c.State() == ButtonDrawState::Hot) {
        canvas.FillRectangle(ShiftColor(light, 0.03f), 0, 0, w, h);
        canvas.DrawRectangle(0, 0, w, h, border);
    } else {
        canvas.FillRectangle(ShiftColor(light, -0.08f), 0, 0, w, h);
        canvas.DrawRectangle(0, 0, w, h, border);
    }
    c.drawCaption();
}
