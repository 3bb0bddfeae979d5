#include "widgets/looks/LookStil8.h"

#include "widgets/ButtonColors.h"

using ButtonColors::BlendColors;
using ButtonColors::Rgb;
using ButtonColors::ShiftColor;
using Direction = ButtonCanvas::Direction;

void LookStil8::Paint(ButtonLookContext& c) const
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    const QColor b = c.B();
    const int split = Nearest(h / 2.7);
    const int lowerHeight = Nearest(h - h / 2.7);
    const auto ramps = [&](const QColor& upper1, const QColor& upper2, const QColor& lower1, const QColor& lower2) {
        canvas.DrawGradient(0, 0, w, split, upper1, upper2, Direction::TopToBottom);
        canvas.DrawGradient(0, split, w, lowerHeight, lower1, lower2, Direction::TopToBottom);
    };

    const bool on = c.properties.IsOn() && c.Enabled();
    if (!c.Enabled() || (c.State() == ButtonDrawState::Normal && !on)) {
        canvas.FillRectangle(b, 0, 0, w, h);
        ramps(BlendColors(ShiftColor(b, 0.09f), Qt::white), BlendColors(ShiftColor(b, 0.07f), b), b,
              ShiftColor(b, 0.03f));
    } else if (on && !c.drawState.mouseOver) {
        ramps(Rgb(0xFFD9A9), Rgb(0xFFC06F), Rgb(0xFFAB3F), Rgb(0xFFE175));
    } else if (c.State() == ButtonDrawState::Hot && !on) {
        ramps(Rgb(0xFFFFE1), Rgb(0xFFEAAC), Rgb(0xFFD767), Rgb(0xFFE499));
    } else {
        ramps(Rgb(0xFFC158), Rgb(0xFFAF51), Rgb(0xFF8F46), Rgb(0xFFD35F));
    }
    // The on state paints its caption over the frame, the others under it.
    if (!on)
        c.drawCaption();
    canvas.DrawRectangle(0, 0, w, h, ShiftColor(b, -0.34f));
    if (on)
        c.drawCaption();
}
