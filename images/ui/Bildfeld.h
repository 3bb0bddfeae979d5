#pragma once
// The image box of the diffraction-image panel: shows the picture at its own size with a drawing
// layer of circles over it, and reports mouse presses and moves in image pixels.
#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>
#include <vector>

class Bildfeld : public QWidget {
public:
    explicit Bildfeld(QWidget* parent = nullptr);

    // Shows bild and sizes the box to it; the drawing layer is cleared.
    void setBild(const QImage& bild);
    const QImage& Bild() const { return bild_; }
    void Kreis(double x, double y, double radius, const QColor& farbe);
    void Zeichnung_Loeschen();

    std::function<void(double x, double y)> MausGedrueckt;
    std::function<void(double x, double y)> MausBewegt;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Kreisform {
        double x, y, r;
        QColor farbe;
    };
    QImage bild_;
    std::vector<Kreisform> kreise_;
};
