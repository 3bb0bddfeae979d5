#include "widgets/looks/LookVistaToolbar.h"

#include "widgets/ButtonColors.h"

using ButtonColors::Rgb;
using ButtonColors::ShiftColor;
using Direction = ButtonCanvas::Direction;

void LookVistaToolbar::Paint(ButtonLookContext& c) const
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();

    if (!c.Enabled()) {
        canvas.FillRectangle(c.B(), 0, 0, w, h);
        c.drawCaption();
        canvas.DrawCornerPixels(c.B());
        return;
    }
    switch (c.State()) {
    case ButtonDrawState::Normal:
        c.createRegion();
        canvas.FillRectangle(c.B(), 0, 0, w, h);
        c.drawCaption();
        return;
    case ButtonDrawState::Hot:
        canvas.DrawGradient(1, 1, w - 2, h - 2, Rgb(0xF1F9FD), Rgb(0xD0ECF8), Direction::TopToBottom);
        canvas.DrawGradient(1, Nearest(h / 1.7), w - 2, h - 2, Rgb(0xD0ECF8), Rgb(0xD0ECF8), Direction::TopToBottom);
        break;
    default:
        canvas.DrawGradient(1, 1, w - 2, h - 2, Rgb(0xB0DEF1), Rgb(0xDBF1F9), Direction::TopToBottom);
        break;
    }
    c.drawCaption();
    canvas.DrawRectangle(0, 0, w, h, Rgb(0x619ECA));
    canvas.DrawRectangle(1, 1, w - 2, h - 2, Qt::white);
    canvas.DrawCornerPixels(ShiftColor(Rgb(0x619ECA), 0.30f));
}
