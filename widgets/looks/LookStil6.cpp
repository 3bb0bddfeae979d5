#include "widgets/looks/LookStil6.h"

#include "widgets/ButtonColors.h"

using ButtonColors::Rgb;
using ButtonColors::ShiftColor;
using Direction = ButtonCanvas::Direction;

void LookStil6::Paint(ButtonLookContext& c) const
{
    const bool on = c.properties.IsOn();
    // This look keeps its on state out of the pressed state, except while the mouse holds it down.
    const bool pressed = c.Enabled() && c.State() == ButtonDrawState::Pressed && (!on || c.drawState.mousePressed);
    c.properties.foreColor = pressed ? QColor(Qt::white) : ButtonColors::ButtonText();

    if (pressed)
        PaintPressed(c);
    else if (c.Enabled() && on)
        PaintOn(c);
    else if (c.Enabled() && c.State() == ButtonDrawState::Hot)
        PaintHot(c);
    else {
        c.createRegion();
        c.canvas.FillRectangle(c.B(), 0, 0, c.W(), c.H());
        c.drawCaption();
    }
}

void LookStil6::PaintHot(ButtonLookContext& c)
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    const int half = Nearest(h / 2.0);
    canvas.DrawGradient(0, 0, w, half, Rgb(0xFEFEFD), Rgb(0xF4F4EE), Direction::TopToBottom);
    canvas.DrawGradient(0, half, w, half, Rgb(0xF4F4EE), Rgb(0xF1F1EA), Direction::TopToBottom);
    canvas.DrawLine(w - 2, 2, w - 2, h - 2, Rgb(0xEAE7E0));
    canvas.DrawLine(w - 3, 2, w - 3, h - 2, Rgb(0xF0F0EA));
    canvas.DrawLine(0, h - 4, w, h - 4, Rgb(0xEEEDE5));
    canvas.DrawLine(0, h - 3, w, h - 3, Rgb(0xE4E1D6));
    canvas.DrawLine(0, h - 2, w, h - 2, Rgb(0xD7D2C6));
    c.drawCaption();
    canvas.DrawRectangle(0, 0, w, h, Rgb(0xCECEC3));
    canvas.DrawCornerPixels(ShiftColor(Rgb(0xD4D4C9), -0.20f));
}

void LookStil6::PaintPressed(ButtonLookContext& c)
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    canvas.FillRectangle(Rgb(0xE5E4DD), 0, 0, w, h);
    canvas.DrawLine(1, 1, w - 2, 1, ShiftColor(Rgb(0xDCDAD1), -0.02f));
    canvas.DrawLine(1, 2, w - 2, 2, ShiftColor(Rgb(0xE3E1DA), -0.02f));
    canvas.DrawLine(1, h - 3, w - 2, h - 3, ShiftColor(Rgb(0xE6E5DE), 0.02f));
    canvas.DrawLine(1, h - 2, w - 2, h - 2, ShiftColor(Rgb(0xEBEAE5), 0.02f));
    c.drawCaption();
    canvas.DrawRectangle(0, 0, w, h, Rgb(0x9D9D92));
    canvas.DrawCornerPixels(ShiftColor(Rgb(0xB5B4AB), -0.20f));
}

void LookStil6::PaintOn(ButtonLookContext& c)
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    canvas.FillRectangle(Rgb(0xFEFEFE), 0, 0, w, h);
    if (c.State() == ButtonDrawState::Hot) {
        canvas.DrawLine(w - 2, 2, w - 2, h - 2, Rgb(0xF2F0ED));
        canvas.DrawLine(2, h - 2, w - 2, h - 2, Rgb(0xE4DED8));
        canvas.DrawLine(1, h - 3, w - 1, h - 3, Rgb(0xEFECE8));
        canvas.DrawLine(1, h - 4, w - 1, h - 4, Rgb(0xFAF9F8));
    }
    c.drawCaption();
    canvas.DrawRectangle(0, 0, w, h, Rgb(0x7A98AF));
    canvas.DrawCornerPixels(ShiftColor(Rgb(0xA0B3C1), -0.20f));
}
