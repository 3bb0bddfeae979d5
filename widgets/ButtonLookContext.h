#pragma once
// What a look needs to paint one face: the surface, the properties, the drawing state and the two
// services of the control that a look calls at its own moment (caption and picture, window region).
#include "widgets/ButtonCanvas.h"
#include "widgets/ButtonDrawState.h"
#include "widgets/ButtonProperties.h"

#include <QColor>
#include <functional>

class QWidget;

struct ButtonLookContext {
    ButtonCanvas& canvas;
    // Not const: one look switches the caption colour itself.
    ButtonProperties& properties;
    const ButtonDrawState& drawState;
    std::function<void()> drawCaption;
    std::function<void()> createRegion;
    // The control's widget, for the looks drawn with the platform style.
    QWidget* widget = nullptr;

    int W() const { return canvas.Width(); }
    int H() const { return canvas.Height(); }
    QColor B() const { return properties.backColor; }
    int32_t State() const { return drawState.state; }
    bool Enabled() const { return drawState.enabled; }
};
