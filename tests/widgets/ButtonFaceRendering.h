#pragma once
// Puts a button into one of its four showable states and returns its face, for the look tests.
#include "widgets/fxbutton.h"

#include <QImage>
#include <QString>
#include <memory>

namespace ButtonFaceRendering {

enum class Showing { Normal, Hover, Pressed, Disabled };
constexpr Showing kAllShowings[] = {Showing::Normal, Showing::Hover, Showing::Pressed, Showing::Disabled};

QString Name(Showing showing);

// A button of the look in a parent window of its own.
struct Stage {
    Stage(int32_t style, const QSize& size, const QString& caption = "Button");
    std::unique_ptr<QWidget> window;
    fxbutton* button;
};

void Show(fxbutton& button, Showing showing);
QImage Render(int32_t style, Showing showing, const QSize& size = QSize(96, 26));

// The face as a window shows it: outside the button's region the window's colour.
QImage AsShown(const fxbutton& button);

// The bounding box of the pixels whose colour is near the given one.
QRect PixelsNear(const QImage& image, const QColor& colour, int tolerance);

}
