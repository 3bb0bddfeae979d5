#include "widgets/looks/LookGel.h"

#include "widgets/ButtonColors.h"

using ButtonColors::BlendColors;
using ButtonColors::ShiftColor;
using Direction = ButtonCanvas::Direction;

void LookGel::Paint(ButtonLookContext& c) const
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    const QColor b = c.B();
    const QColor shine = BlendColors(b, Qt::white);

    // Per state: fill, gloss brightening, body start and end, frame.
    QColor fill = ShiftColor(b, -0.03f);
    float gloss = 0.10f;
    QColor bodyTop = ShiftColor(b, -0.05f);
    QColor bodyBottom = BlendColors(Qt::white, ShiftColor(b, 0.10f));
    QColor frame = ShiftColor(b, -0.33f);
    if (!c.Enabled()) {
        fill = b;
        gloss = 0.05f;
        bodyTop = ShiftColor(b, -0.02f);
        bodyBottom = BlendColors(Qt::white, ShiftColor(b, 0.08f));
        frame = ShiftColor(b, -0.20f);
    } else if (c.State() == ButtonDrawState::Normal) {
        c.createRegion();
    } else if (c.State() == ButtonDrawState::Hot) {
        gloss = 0.15f;
        bodyBottom = BlendColors(Qt::white, ShiftColor(b, 0.20f));
    } else {
        bodyTop = ShiftColor(b, -0.08f);
        bodyBottom = BlendColors(Qt::white, ShiftColor(b, 0.05f));
        frame = ShiftColor(b, -0.36f);
    }

    // Row 5 between the gloss and the body keeps the fill colour.
    canvas.FillRectangle(fill, 0, 0, w, h);
    canvas.DrawGradient(0, 0, w, 5, ShiftColor(shine, gloss), b, Direction::TopToBottom);
    canvas.DrawGradient(0, 6, w, h - 1, bodyTop, bodyBottom, Direction::TopToBottom);
    c.drawCaption();
    canvas.DrawRectangle(0, 0, w, h, frame);
    canvas.DrawCornerPixels(c.Enabled() ? ShiftColor(b, -0.36f) : ShiftColor(b, -0.23f));
}
