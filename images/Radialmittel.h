#pragma once
// The radial average of a diffraction image: every pixel is sorted by its distance from the beam
// centre into a bin one pixel wide, the bins are averaged and their distances turned into K by the
// calibration factor, giving a spectrum over K.
#include "images/clsImage.h"

#include <functional>
#include <vector>

struct Radialkurve {
    std::vector<float> X;  // K in 1/nm, first point at K = 0
    std::vector<float> Y;  // mean packed colour of the ring
};

// Told the share of the picture scanned so far (0 to 1) at least every kFortschrittMs of scanning,
// so that the caller can let window events through and show the progress.
using Fortschritt = std::function<void(double anteil)>;
inline constexpr int kFortschrittMs = 10;

// Averages the pixels of bild about (mx, my) (pixels, y downwards) with grey level 12 to 254 into
// W + 101 bins, W the picture's width; a bin of k pixels is divided by k + 1. The curve has
// round(W + 99 - mx) points with X(i) = (i - 1)·cf; its values before the first maximum are raised
// to it, and a negative minimum lifts the whole curve. False, with the curve untouched, when the
// centre leaves fewer than two points or lies so far left that the curve would hold more than
// twice as many points as there are bins.
bool Radialmittel_Berechnen(const Bildzeilen& bild, float mx, float my, float cf, const Fortschritt& fortschritt,
                            Radialkurve& kurve);
