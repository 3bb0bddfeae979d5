#include "widgets/looks/LookStil5.h"

#include "widgets/ButtonColors.h"

using ButtonColors::BlendColors;
using ButtonColors::Rgb;
using ButtonColors::ShiftColor;
using Direction = ButtonCanvas::Direction;

void LookStil5::Paint(ButtonLookContext& c) const
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    const QColor b = c.B();
    const QColor navy = Rgb(0x000080);

    const bool normal = !c.Enabled() || (c.State() == ButtonDrawState::Normal && !c.properties.IsOn());
    if (normal) {
        c.createRegion();
        const int half = Nearest(h / 2.0);
        canvas.DrawGradient(0, 0, w, half, BlendColors(Qt::white, ShiftColor(b, 0.08f)), b, Direction::TopToBottom);
        canvas.DrawGradient(0, half, w, Nearest(h / 2.0 + 1), b, ShiftColor(b, -0.15f), Direction::TopToBottom);
        c.drawCaption();
        return;
    }

    if (c.properties.IsOn() && !c.drawState.mouseOver)
        canvas.DrawGradient(0, 0, w, h, Rgb(0xFFD58C), Rgb(0xFFAD55), Direction::TopToBottom);
    else if (c.State() == ButtonDrawState::Hot && !c.properties.IsOn())
        canvas.DrawGradient(0, 0, w, h, Rgb(0xFFF4CC), Rgb(0xFFD091), Direction::TopToBottom);
    else
        canvas.DrawGradient(0, 0, w, h, Rgb(0xFE914E), Rgb(0xFFD38E), Direction::TopToBottom);
    c.drawCaption();
    canvas.DrawRectangle(0, 0, w, h, navy);
}
