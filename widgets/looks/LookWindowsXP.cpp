#include "widgets/looks/LookWindowsXP.h"

#include "widgets/ButtonColors.h"

using ButtonColors::BlendColors;
using ButtonColors::Rgb;
using ButtonColors::ShiftColor;
using Direction = ButtonCanvas::Direction;

void LookWindowsXP::Paint(ButtonLookContext& c) const
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    const int32_t scheme = c.properties.colorScheme;

    if (!c.Enabled()) {
        c.createRegion();
        const QColor fill = BlendColors(ButtonColors::ButtonFace(), ShiftColor(c.B(), 0.10f));
        canvas.FillRectangle(fill, 0, 0, w, h);
        c.drawCaption();
        canvas.DrawRectangle(0, 0, w, h, ShiftColor(fill, -0.10f));
        canvas.DrawCornerPixels(ShiftColor(fill, -0.10f));
        return;
    }

    switch (c.State()) {
    case ButtonDrawState::Normal:
        c.createRegion();
        PaintGradients(c);
        PaintShadedLines(c);
        if ((c.drawState.hasFocus || c.drawState.isDefault) && c.drawState.parentActive) {
            static const Glow blue{0xBCD4F6, 0xCEE7FF, 0x8EAFE6, 0xB8D1F4, 0x89ADE4, 0x6982EE};
            static const Glow green{0xC2D18F, 0xB1CB80, 0xA0C868, 0xA0C868, 0xA0C868, 0xA8A766};
            PaintGlow(c, scheme == 1 ? green : blue, scheme == 2);
        }
        break;
    case ButtonDrawState::Hot: {
        static const Glow orange{0xFDD889, 0xFFF0CF, 0xF9BD49, 0xFCD27A, 0xF8B330, 0xE59700};
        PaintGradients(c);
        PaintGlow(c, orange, false);
        break;
    }
    default:
        PaintPressed(c);
        break;
    }
    c.drawCaption();

    const ButtonDrawState& s = c.drawState;
    if (c.properties.showFocusRect && (s.hasFocus || s.isDefault) && s.parentActive)
        canvas.DrawFocusRect(2, 2, w - 4, h - 4);
    const QColor frame = Rgb(scheme == 1 ? 0x376206 : 0x003C74);
    canvas.DrawRectangle(0, 0, w, h, frame);
    canvas.DrawCornerPixels(ShiftColor(frame, 0.30f));
}

void LookWindowsXP::PaintGradients(ButtonLookContext& c)
{
    const int w = c.W(), h = c.H();
    const QColor b = c.B();
    if (c.properties.colorScheme == 2) {
        c.canvas.DrawGradient(0, 0, w, Nearest(h / 2.0), ShiftColor(b, 0.22f), b, Direction::TopToBottom);
        c.canvas.DrawGradient(0, Nearest(h / 2.0), w, Nearest(h / 2.0), ShiftColor(b, -0.01f), ShiftColor(b, -0.15f),
                              Direction::TopToBottom);
    } else {
        c.canvas.DrawGradient(0, 0, w, h, ShiftColor(b, 0.07f), b, Direction::TopToBottom);
        c.canvas.DrawGradient(0, 0, w, 4, ShiftColor(b, 0.10f), ShiftColor(b, 0.08f), Direction::TopToBottom);
    }
}

void LookWindowsXP::PaintShadedLines(ButtonLookContext& c)
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    const QColor b = c.B();
    if (c.properties.colorScheme == 2) {
        canvas.DrawLine(w - 2, 2, w - 2, h - 2, Qt::white);
        canvas.DrawLine(1, 1, 1, h - 2, Qt::white);
        return;
    }
    canvas.DrawLine(1, h - 2, w - 2, h - 2, ShiftColor(b, -0.09f));
    canvas.DrawLine(1, h - 3, w - 2, h - 3, ShiftColor(b, -0.05f));
    canvas.DrawLine(1, h - 4, w - 2, h - 4, ShiftColor(b, -0.01f));
    canvas.DrawLine(w - 2, 2, w - 2, h - 2, ShiftColor(b, -0.08f));
    canvas.DrawLine(1, 1, 1, h - 2, BlendColors(Qt::white, b));
}

void LookWindowsXP::PaintGlow(ButtonLookContext& c, const Glow& glow, bool whiteInnerSides)
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    const QColor inner = whiteInnerSides ? QColor(Qt::white) : Rgb(glow.innerSides);
    canvas.DrawLine(1, 2, w - 2, 2, Rgb(glow.row2));
    canvas.DrawLine(1, 1, w - 2, 1, Rgb(glow.row1));
    canvas.DrawLine(1, 1, 1, h - 2, Rgb(glow.sides));
    canvas.DrawLine(w - 2, 2, w - 2, h - 2, Rgb(glow.sides));
    canvas.DrawLine(2, 2, 2, h - 3, inner);
    canvas.DrawLine(w - 3, 3, w - 3, h - 3, inner);
    canvas.DrawLine(2, h - 3, w - 2, h - 3, Rgb(glow.rowHm3));
    canvas.DrawLine(2, h - 2, w - 2, h - 2, Rgb(glow.rowHm2));
}

void LookWindowsXP::PaintPressed(ButtonLookContext& c)
{
    ButtonCanvas& canvas = c.canvas;
    const int w = c.W(), h = c.H();
    const QColor b = c.B();
    if (c.properties.colorScheme == 2) {
        canvas.DrawGradient(0, 0, w, h - 6, ShiftColor(b, -0.20f), ShiftColor(b, 0.05f), Direction::TopToBottom);
        canvas.DrawGradient(0, h - 6, w, h - 1, ShiftColor(b, 0.08f), Qt::white, Direction::TopToBottom);
        canvas.DrawRectangle(1, 1, w - 2, h - 2, Qt::white);
        return;
    }
    canvas.FillRectangle(ShiftColor(b, -0.05f), 0, 0, w, h);
    canvas.DrawLine(1, 1, w - 2, 1, ShiftColor(b, -0.16f));
    canvas.DrawLine(1, 2, w - 2, 2, ShiftColor(b, -0.10f));
    canvas.DrawLine(1, h - 2, w - 2, h - 2, ShiftColor(b, 0.01f));
    canvas.DrawLine(1, 1, 1, h - 2, ShiftColor(b, -0.16f));
    canvas.DrawLine(2, 2, 2, h - 2, ShiftColor(b, -0.10f));
    canvas.DrawLine(w - 2, 2, w - 2, h - 2, ShiftColor(b, 0.04f));
}
