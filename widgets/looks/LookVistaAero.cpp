#include "widgets/looks/LookVistaAero.h"

#include "widgets/ButtonColors.h"

using ButtonColors::Rgb;
using ButtonColors::ShiftColor;
using Direction = ButtonCanvas::Direction;

void LookVistaAero::Paint(ButtonLookContext& c) const
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    const QColor b = c.B();

    if (!c.Enabled()) {
        c.createRegion();
        canvas.FillRectangle(ShiftColor(b, 0.03f), 0, 0, w, h);
        c.drawCaption();
        canvas.DrawRectangle(0, 0, w, h, ShiftColor(b, -0.25f));
        canvas.DrawRectangle(1, 1, w - 2, h - 2, ShiftColor(b, 0.25f));
        canvas.DrawCornerPixels(ShiftColor(b, -0.03f));
        return;
    }

    switch (c.State()) {
    case ButtonDrawState::Normal:
        c.createRegion();
        canvas.DrawGradient(1, 1, w - 1, h, ShiftColor(b, 0.05f), b, Direction::TopToBottom);
        // Only the upper half of this ramp lies on the surface.
        canvas.DrawGradient(1, Nearest(h / 2.0), w - 2, h - 2, ShiftColor(b, -0.02f), ShiftColor(b, -0.15f),
                            Direction::TopToBottom);
        c.drawCaption();
        canvas.DrawRectangle(0, 0, w, h, Rgb(0x707070));
        canvas.DrawRectangle(1, 1, w - 2, h - 2, Qt::white);
        break;
    case ButtonDrawState::Hot:
        PaintHot(c);
        break;
    default:
        PaintPressed(c);
        break;
    }

    const ButtonDrawState& s = c.drawState;
    if (s.parentActive) {
        if (s.state == ButtonDrawState::Normal && (s.hasFocus || s.isDefault)) {
            canvas.DrawRectangle(0, 0, w, h, Rgb(0x3275A7));
            canvas.DrawRectangle(1, 1, w - 2, h - 2, Rgb(0x48D8FB));
        }
        if (c.properties.showFocusRect && s.hasFocus)
            canvas.DrawFocusRect(2, 2, w - 4, h - 4);
    }
    canvas.DrawCornerPixels(Rgb(0x5F96BE));
}

void LookVistaAero::PaintHot(ButtonLookContext& c)
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    canvas.DrawGradient(1, 1, w - 2, Nearest(h / 2.0), Rgb(0xE4F7FF), Rgb(0xDAF3FF), Direction::TopToBottom);
    canvas.DrawGradient(1, Nearest(h / 2.0), w - 2, h - 2, Rgb(0xC1E9FF), Rgb(0xAEE1FD), Direction::TopToBottom);
    PaintSideShading(c, Rgb(0xCDEEFF), Rgb(0xE4F7FF), Rgb(0x8FD6FA), ShiftColor(Rgb(0xACE1FD), 0.01f));
    c.drawCaption();
    canvas.DrawRectangle(0, 0, w, h, Rgb(0x3275A7));
    canvas.DrawRectangle(1, 1, w - 2, h - 2, Qt::white);
}

void LookVistaAero::PaintPressed(ButtonLookContext& c)
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    canvas.DrawGradient(1, 1, w - 1, h, Rgb(0xC2E4F6), Rgb(0xC2E4F6), Direction::TopToBottom);
    canvas.DrawGradient(1, Nearest(h / 2.0), w - 2, h - 2, Rgb(0x9AD2F0), Rgb(0x9AD2F0), Direction::TopToBottom);
    canvas.DrawRectangle(0, 0, w, h, Rgb(0x1D415C));
    canvas.DrawLine(1, 1, w - 1, 1, Rgb(0x719CB3));
    canvas.DrawLine(1, 2, w - 1, 2, Rgb(0xA9C6D6));
    canvas.DrawLine(1, 3, w - 1, 3, Rgb(0xB9D9EC));
    canvas.DrawLine(1, 1, 1, Nearest(h / 2.0 - 1), Rgb(0x73B0CF));
    PaintSideShading(c, ShiftColor(Rgb(0x91C8E6), 0.02f), ShiftColor(Rgb(0xC2E4F6), -0.01f),
                     ShiftColor(Rgb(0x4EABDC), 0.02f), ShiftColor(Rgb(0x9AD2F0), -0.01f));
    c.drawCaption();
}

void LookVistaAero::PaintSideShading(ButtonLookContext& c, const QColor& upperEdge, const QColor& upperInner,
                                     const QColor& lowerEdge, const QColor& lowerInner)
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    const int half = Nearest(h / 2.0);
    const int upperHeight = Nearest(h / 2.0 - 2);
    const int lowerHeight = Nearest(h - h / 2.0 - 1);
    canvas.DrawGradient(1, 3, 5, upperHeight, upperEdge, upperInner, Direction::LeftToRight);
    canvas.DrawGradient(1, half, 5, lowerHeight, lowerEdge, lowerInner, Direction::LeftToRight);
    canvas.DrawGradient(w - 6, 3, 5, upperHeight, upperInner, upperEdge, Direction::LeftToRight);
    canvas.DrawGradient(w - 6, half, 5, lowerHeight, lowerInner, lowerEdge, Direction::LeftToRight);
}
