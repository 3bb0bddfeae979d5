#include "widgets/looks/LookStil9.h"

#include "widgets/ButtonColors.h"

using ButtonColors::ShiftColor;
using Direction = ButtonCanvas::Direction;

void LookStil9::Paint(ButtonLookContext& c) const
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    const QColor b = c.B();
    const int half = Nearest(h / 2.0);

    if (c.Enabled() && c.State() == ButtonDrawState::Pressed) {
        canvas.DrawGradient(0, 0, w, half, Qt::white, ShiftColor(b, -0.10f), Direction::TopToBottom);
        canvas.DrawGradient(0, half, w, h, ShiftColor(b, -0.10f), ShiftColor(b, -0.05f), Direction::TopToBottom);
        c.drawCaption();
        canvas.DrawRectangle(1, 1, w - 2, h, Qt::white);
        canvas.DrawRectangle(0, 0, w, h, ShiftColor(b, -0.23f));
        canvas.DrawCornerPixels(ShiftColor(b, -0.10f));
        canvas.DrawLine(2, h - 1, w - 2, h - 1, ShiftColor(b, -0.40f));
    } else {
        if (c.State() == ButtonDrawState::Normal)
            c.createRegion();
        canvas.DrawGradient(0, 0, w, half, Qt::white, b, Direction::TopToBottom);
        canvas.DrawGradient(0, half, w, h, b, b, Direction::TopToBottom);
        c.drawCaption();
        canvas.DrawRectangle(1, 1, w - 2, h, Qt::white);
        canvas.DrawRectangle(0, 0, w, h, ShiftColor(b, -0.20f));
        canvas.DrawLine(2, h - 1, w - 2, h - 1, ShiftColor(b, -0.25f));
        canvas.DrawCornerPixels(ShiftColor(b, 0.05f));
    }

    const ButtonDrawState& s = c.drawState;
    if (s.parentActive && c.properties.showFocusRect && (s.hasFocus || s.isDefault))
        canvas.DrawFocusRect(3, 3, w - 6, h - 6);
}
