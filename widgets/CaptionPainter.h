#pragma once
// Paints caption, picture and drop-down symbol on top of a face: picks the picture for the state,
// lays everything out, moves it one pixel in the pressed state of the looks that sink, and applies
// the picture and caption effects.
#include "widgets/ButtonCanvas.h"
#include "widgets/ButtonDrawState.h"
#include "widgets/ButtonProperties.h"
#include "widgets/CaptionLayout.h"
#include "widgets/PicturePainter.h"

class CaptionPainter {
public:
    CaptionPainter(ButtonCanvas& canvas, const ButtonProperties& properties, const ButtonDrawState& drawState);

    void Draw();

private:
    const QPixmap& CurrentPicture() const;
    CaptionLayout Layout(const QPixmap& picture) const;
    PicturePainter::Rendering PictureRendering() const;
    void DrawSeparator();
    void DrawPictureShadow(const QPixmap& picture, const QRect& target, const PicturePainter::Rendering& rendering);
    void DrawCaptionEffect(const QRect& rect);
    void DrawCaptionText(const QRect& rect, const QColor& colour, int dx, int dy);
    void DrawDropDownSymbol(const QRect& rect, const QColor& colour);
    int TextFlags() const;

    ButtonCanvas& canvas_;
    const ButtonProperties& p_;
    const ButtonDrawState& s_;
};
