#pragma once
// The image box of the diffraction-image panel: shows the picture at its own size with a drawing
// layer of circles over it, and reports mouse presses and moves in image pixels. A picture whose
// rows are stored from the bottom up (the image library's, shown without a copy) is drawn turned over.
#include <QColor>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class Bildfeld : public QWidget {
public:
    explicit Bildfeld(QWidget* parent = nullptr);

    // Shows bild (its rows from the bottom up when vonUnten) and sizes the box to it; the drawing
    // layer is cleared.
    void setBild(const QImage& bild, bool vonUnten = false);
    const QImage& Bild() const { return bild_; }
    // The colour of the shown pixel (x, y), y from the top; -1 outside the picture.
    int64_t Farbe(int32_t x, int32_t y) const;
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
    bool vonUnten_ = false;
    std::vector<Kreisform> kreise_;
};
