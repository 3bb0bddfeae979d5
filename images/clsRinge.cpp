#include "images/clsRinge.h"

#include <cmath>

clsRinge::Klick clsRinge::Klicken(float x, float y)
{
    if (ringAnzahl_ >= MaxRinge) return Klick::Voll;
    klickX_[static_cast<size_t>(klickAnzahl_)] = x;
    klickY_[static_cast<size_t>(klickAnzahl_)] = y;
    if (++klickAnzahl_ < 3) return Klick::Gemerkt;
    klickAnzahl_ = 0;

    // The circle through three points: the crossing of the perpendicular bisectors of two chords.
    const double x0 = klickX_[0], y0 = klickY_[0];
    const double x1 = klickX_[1], y1 = klickY_[1];
    const double x2 = klickX_[2], y2 = klickY_[2];
    const double d = 2.0 * (x0 * (y1 - y2) + x1 * (y2 - y0) + x2 * (y0 - y1));
    const double q0 = x0 * x0 + y0 * y0, q1 = x1 * x1 + y1 * y1, q2 = x2 * x2 + y2 * y2;
    const double mx = (q0 * (y1 - y2) + q1 * (y2 - y0) + q2 * (y0 - y1)) / d;
    const double my = (q0 * (x2 - x1) + q1 * (x0 - x2) + q2 * (x1 - x0)) / d;
    // Points on one line (or repeated) have no circle, and a nearly straight arc none worth using.
    const double r = std::hypot(mx - x0, my - y0);
    if (d == 0.0 || !std::isfinite(r) || r > 1e7) return Klick::Entartet;

    const auto k = static_cast<size_t>(ringAnzahl_++);
    ringX_[k] = static_cast<float>(mx);
    ringY_[k] = static_cast<float>(my);
    ringR_[k] = static_cast<float>(r);
    Mittelpunkt_Berechnen();
    return Klick::Ring;
}

void clsRinge::Mittelpunkt_Berechnen()
{
    double sx = 0.0;
    double sy = 0.0;
    for (int32_t k = 0; k < ringAnzahl_; ++k) {
        sx += ringX_[static_cast<size_t>(k)];
        sy += ringY_[static_cast<size_t>(k)];
    }
    mittelX_ = static_cast<float>(sx / ringAnzahl_);
    mittelY_ = static_cast<float>(sy / ringAnzahl_);
}

void clsRinge::Clear() { *this = clsRinge(); }
