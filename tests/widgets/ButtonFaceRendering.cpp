#include "widgets/ButtonFaceRendering.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <cstdlib>

namespace ButtonFaceRendering {

QString Name(Showing showing)
{
    static const char* const names[] = {"normal", "hover", "pressed", "disabled"};
    return names[static_cast<int>(showing)];
}

Stage::Stage(int32_t style, const QSize& size, const QString& caption)
    : window(std::make_unique<QWidget>()), button(new fxbutton(caption, window.get()))
{
    window->resize(size + QSize(20, 20));
    button->setGeometry(QRect(QPoint(10, 10), size));
    button->setButtonStyle(style);
}

void Show(fxbutton& button, Showing showing)
{
    const QPointF centre(button.width() / 2.0, button.height() / 2.0);
    const QPointF global = button.mapToGlobal(centre);
    switch (showing) {
    case Showing::Normal:
        break;
    case Showing::Hover: {
        QMouseEvent move(QEvent::MouseMove, centre, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&button, &move);
        break;
    }
    case Showing::Pressed: {
        QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&button, &press);
        break;
    }
    case Showing::Disabled:
        button.setEnabled(false);
        break;
    }
}

QImage Render(int32_t style, Showing showing, const QSize& size)
{
    Stage stage(style, size);
    Show(*stage.button, showing);
    return stage.button->Face().copy();
}

QImage AsShown(const fxbutton& button)
{
    QImage shown(button.size(), QImage::Format_RGB32);
    shown.fill(button.palette().color(QPalette::Window));
    QPainter painter(&shown);
    if (!button.mask().isEmpty())
        painter.setClipRegion(button.mask());
    painter.drawImage(0, 0, button.Face());
    return shown;
}

QRect PixelsNear(const QImage& image, const QColor& colour, int tolerance)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel(image.pixel(x, y));
            if (std::abs(pixel.red() - colour.red()) <= tolerance &&
                std::abs(pixel.green() - colour.green()) <= tolerance &&
                std::abs(pixel.blue() - colour.blue()) <= tolerance)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

}
