#pragma once
// One off-screen drawing surface of the diagram: a picture of the diagram's size on which one curve
// is drawn in data units, linear or logarithmic in Y, clamped to the plot box (the picture less the
// diagram's 70-pixel left and 35-pixel bottom margins). The engine ANDs it onto the diagram at X = 70,
// so its white pixels leave the diagram as it is.
#include "graphics/Abbildung.h"

#include <QImage>

#include <cstdint>
#include <optional>

class clsLayer {
public:
    // (Re)creates the surface of breite × hoehe pixels for diagram control displayIndex, filled with
    // farbe (the engine passes white).
    void CreateCompatible(int32_t displayIndex, int32_t breite, int32_t hoehe, uint32_t farbe);
    // Releases the surface.
    void Clear();
    // Fills the whole surface with its colour.
    void ClearLayer();
    void Skalieren(float Xmax, float Xmin, float Ymax, float Ymin, bool KeepY);

    void SetForeColor(uint32_t Color);
    // Sets the pixel of the point (near-black RGB(4, 0, 0)) and makes it the last point.
    void DrawPixel(float x, float Y);
    // A line from the last point (or from the given start, in layer pixels) to the point.
    void DrawLine(float xTo, float yTo, std::optional<float> xFrom = std::nullopt,
                  std::optional<float> yFrom = std::nullopt);
    void DrawLineVertical(float x);
    void DrawLineHorizontal(float Y);
    // A circle of radius 4 pixels round the point; the last point stays.
    void DrawCircle(float x, float y);

    const QImage& Bild() const { return bild_; }
    const LayerSkala& Skala() const { return skala_; }
    int32_t DisplayIndex() const { return displayIndex_; }

    int32_t Y_Scaling() const { return yScaling_; }
    void setY_Scaling(int32_t value) { yScaling_ = value; }
    bool Y_Log() const { return skala_.log; }
    void setY_Log(bool value) { skala_.log = value; }
    int32_t Kurve() const { return kurve_; }
    void setKurve(int32_t value) { kurve_ = value; }
    bool Visible() const { return visible_; }
    void setVisible(bool value) { visible_ = value; }

private:
    // The point in layer pixels; reports through gError and gives none when it has no finite value.
    bool ConvertAxes(float& x, float& y, const char* procedure) const;

    QImage bild_;
    LayerSkala skala_;
    QRgb farbe_ = qRgb(255, 255, 255);
    QRgb stift_ = qRgb(0, 0, 0);
    float letzteX_ = 0, letzteY_ = 0;
    int32_t kurve_ = 0;
    int32_t displayIndex_ = 0;
    int32_t yScaling_ = 0;
    bool visible_ = false;
};
