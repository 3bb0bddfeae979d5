#include "widgets/looks/LookStandard.h"

#include "widgets/ButtonColors.h"

using ButtonColors::ShiftColor;
using Edge = ButtonCanvas::Edge;

void LookStandard::Paint(ButtonLookContext& c) const
{
    ButtonCanvas& canvas = c.canvas;
    const int32_t look = c.properties.buttonStyle;
    const int w = c.W(), h = c.H();

    if (!c.Enabled()) {
        if (look == 0)
            canvas.DrawEdge(Edge::Raised, 0, 0, w, h);
        else if (look == 1)
            canvas.DrawEdge(Edge::RaisedInner, 0, 0, w, h);
        c.drawCaption();
        return;
    }

    if (c.properties.IsOn()) {
        canvas.FillRectangle(ShiftColor(c.B(), 0.02f), 0, 0, w, h);
        c.drawCaption();
        if (look == 12)
            return;
        canvas.DrawEdge(Edge::Sunken, 0, 0, w, h);
        if (look == 0 && c.properties.showFocusRect && c.drawState.hasFocus)
            canvas.DrawRectangle(4, 4, w - 7, h - 7, ButtonColors::AppWorkspace());
        return;
    }

    if (c.State() == ButtonDrawState::Normal)
        c.createRegion();
    canvas.FillRectangle(c.B(), 0, 0, w, h);
    c.drawCaption();
    switch (c.State()) {
    case ButtonDrawState::Normal:
        if (look == 0)
            canvas.DrawEdge(Edge::Raised, 0, 0, w, h);
        else if (look == 1)
            canvas.DrawEdge(Edge::RaisedInner, 0, 0, w, h);
        break;
    case ButtonDrawState::Hot:
        canvas.DrawEdge(look == 1 || look == 12 ? Edge::RaisedInner : Edge::Raised, 0, 0, w, h);
        break;
    case ButtonDrawState::Pressed:
        if (look == 0) {
            canvas.DrawRectangle(1, 1, w - 2, h - 2, ButtonColors::Rgb(0xACA899));
            canvas.DrawRectangle(0, 0, w, h, Qt::black);
        } else if (look == 11) {
            canvas.DrawEdge(Edge::Sunken, 0, 0, w, h);
        } else {
            // White first, then grey one pixel larger: grey shows at the top and left only.
            canvas.DrawRectangle(0, 0, w, h, Qt::white);
            canvas.DrawRectangle(0, 0, w + 1, h + 1, ButtonColors::GrayText());
        }
        break;
    }
    PaintFocus(c);
}

void LookStandard::PaintFocus(ButtonLookContext& c)
{
    const ButtonDrawState& s = c.drawState;
    if (!s.hasFocus && !s.isDefault)
        return;
    const int32_t look = c.properties.buttonStyle;
    const int w = c.W(), h = c.H();
    if (c.properties.showFocusRect && s.parentActive) {
        const int inset = look == 0 || look == 11 ? 4 : 3;
        c.canvas.DrawFocusRect(inset, inset, w - 2 * inset, h - 2 * inset);
    }
    if (look == 0 && s.state != ButtonDrawState::Pressed) {
        c.canvas.DrawEdge(Edge::Raised, 0, 0, w - 1, h - 1);
        c.canvas.DrawRectangle(0, 0, w - 1, h - 1, ButtonColors::AppWorkspace());
        c.canvas.DrawRectangle(0, 0, w, h, Qt::black);
    }
}
