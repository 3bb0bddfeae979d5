#pragma once
// The drawing primitives of the button looks on the button's drawing surface. Rectangles are given
// as x, y, width, height; anything outside the surface is clipped.
#include <QColor>
#include <QImage>
#include <QRect>

class ButtonCanvas {
public:
    enum class Direction { LeftToRight = 0, TopToBottom = 1, TopLeftToBottomRight = 2, BottomLeftToTopRight = 3 };
    // The three-dimensional edges of the classic looks, drawn around a rectangle.
    enum class Edge { Raised, Sunken, RaisedInner };

    explicit ButtonCanvas(QImage& surface);

    int Width() const { return surface_.width(); }
    int Height() const { return surface_.height(); }
    QImage& Surface() { return surface_; }
    QColor Pixel(int x, int y) const;

    void Clear(const QColor& colour);
    void FillRectangle(const QColor& colour, int x, int y, int width, int height);
    // A one-pixel frame just inside the rectangle.
    void DrawRectangle(int x, int y, int width, int height, const QColor& colour);
    // A line from (x1, y1) towards (x2, y2), the end point excluded; the looks draw only horizontal
    // and vertical lines, so a line is horizontal when y1 equals y2 and vertical otherwise.
    void DrawLine(int x1, int y1, int x2, int y2, const QColor& colour);
    // A linear ramp from colour1 to colour2; the integer steps match the original face exactly.
    void DrawGradient(int x, int y, int width, int height, const QColor& colour1, const QColor& colour2,
                      Direction direction);
    // The pixels one step inside each corner, which soften the rounded looks.
    void DrawCornerPixels(const QColor& colour);
    void DrawEdge(Edge edge, int x, int y, int width, int height);
    // The dotted focus frame, drawn by inverting every other pixel of the rectangle's border.
    void DrawFocusRect(int x, int y, int width, int height);

private:
    void DrawBorder(int x, int y, int width, int height, const QColor& topLeft, const QColor& bottomRight);

    QImage& surface_;
};
