#include "widgets/ButtonCanvas.h"

#include "widgets/ButtonColors.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <vector>

ButtonCanvas::ButtonCanvas(QImage& surface) : surface_(surface) {}

QColor ButtonCanvas::Pixel(int x, int y) const
{
    if (!surface_.rect().contains(x, y))
        return QColor();
    return QColor(surface_.pixel(x, y));
}

void ButtonCanvas::Clear(const QColor& colour)
{
    surface_.fill(colour.rgb());
}

void ButtonCanvas::FillRectangle(const QColor& colour, int x, int y, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    QPainter painter(&surface_);
    painter.fillRect(QRect(x, y, width, height), colour);
}

void ButtonCanvas::DrawRectangle(int x, int y, int width, int height, const QColor& colour)
{
    DrawBorder(x, y, width, height, colour, colour);
}

void ButtonCanvas::DrawBorder(int x, int y, int width, int height, const QColor& topLeft,
                              const QColor& bottomRight)
{
    if (width <= 0 || height <= 0)
        return;
    QPainter painter(&surface_);
    painter.fillRect(QRect(x, y, width - 1, 1), topLeft);
    painter.fillRect(QRect(x, y, 1, height - 1), topLeft);
    painter.fillRect(QRect(x, y + height - 1, width, 1), bottomRight);
    painter.fillRect(QRect(x + width - 1, y, 1, height), bottomRight);
}

void ButtonCanvas::DrawLine(int x1, int y1, int x2, int y2, const QColor& colour)
{
    QPainter painter(&surface_);
    if (y1 == y2)
        painter.fillRect(QRect(std::min(x1, x2 + 1), y1, std::abs(x2 - x1), 1), colour);
    else
        painter.fillRect(QRect(x1, std::min(y1, y2 + 1), 1, std::abs(y2 - y1)), colour);
}

void ButtonCanvas::DrawGradient(int x, int y, int width, int height, const QColor& colour1,
                                const QColor& colour2, Direction direction)
{
    if (width < 1 || height < 1)
        return;
    int count = width;
    if (direction == Direction::TopToBottom)
        count = height;
    else if (direction != Direction::LeftToRight)
        count = width + height - 1;

    std::vector<QRgb> ramp(count);
    const int r1 = colour1.red(), g1 = colour1.green(), b1 = colour1.blue();
    const int r2 = colour2.red(), g2 = colour2.green(), b2 = colour2.blue();
    if (count == 1) {
        ramp[0] = qRgb(r1 / 2 + r2 / 2, g1 / 2 + g2 / 2, b1 / 2 + b2 / 2);
    } else {
        for (int i = 0; i < count; ++i) {
            // Integer division truncates toward zero, as the original ramp does.
            ramp[i] = qRgb(r1 + (r2 - r1) * i / (count - 1), g1 + (g2 - g1) * i / (count - 1),
                           b1 + (b2 - b1) * i / (count - 1));
        }
    }

    QImage block(width, height, QImage::Format_RGB32);
    for (int row = 0; row < height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(block.scanLine(row));
        for (int column = 0; column < width; ++column) {
            switch (direction) {
            case Direction::LeftToRight: line[column] = ramp[column]; break;
            case Direction::TopToBottom: line[column] = ramp[row]; break;
            case Direction::TopLeftToBottomRight: line[column] = ramp[column + row]; break;
            case Direction::BottomLeftToTopRight: line[column] = ramp[column + height - 1 - row]; break;
            }
        }
    }
    QPainter painter(&surface_);
    painter.drawImage(x, y, block);
}

void ButtonCanvas::DrawCornerPixels(const QColor& colour)
{
    const int w = Width(), h = Height();
    QPainter painter(&surface_);
    for (const QPoint& corner : {QPoint(1, 1), QPoint(1, h - 2), QPoint(w - 2, 1), QPoint(w - 2, h - 2)})
        painter.fillRect(QRect(corner, QSize(1, 1)), colour);
}

void ButtonCanvas::DrawEdge(Edge edge, int x, int y, int width, int height)
{
    using namespace ButtonColors;
    switch (edge) {
    case Edge::Raised:
        DrawBorder(x, y, width, height, Light3D(), DarkShadow3D());
        DrawBorder(x + 1, y + 1, width - 2, height - 2, Highlight3D(), Shadow3D());
        break;
    case Edge::Sunken:
        DrawBorder(x, y, width, height, Shadow3D(), Highlight3D());
        DrawBorder(x + 1, y + 1, width - 2, height - 2, DarkShadow3D(), Light3D());
        break;
    case Edge::RaisedInner:
        DrawBorder(x, y, width, height, Highlight3D(), Shadow3D());
        break;
    }
}

void ButtonCanvas::DrawFocusRect(int x, int y, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    const auto invert = [this](int px, int py) {
        if (surface_.rect().contains(px, py))
            surface_.setPixel(px, py, surface_.pixel(px, py) ^ 0x00FFFFFFu);
    };
    // Walk the border once, clockwise, so that no pixel is inverted twice.
    int step = 0;
    const auto visit = [&](int px, int py) {
        if (step++ % 2 == 0)
            invert(px, py);
    };
    const int right = x + width - 1, bottom = y + height - 1;
    for (int px = x; px <= right; ++px)
        visit(px, y);
    for (int py = y + 1; py <= bottom; ++py)
        visit(right, py);
    if (bottom > y)
        for (int px = right - 1; px >= x; --px)
            visit(px, bottom);
    if (right > x)
        for (int py = bottom - 1; py > y; --py)
            visit(x, py);
}
