#pragma once
// Digitising a curve from a picture of a plot: a tracer walks from a clicked dark pixel along dark
// pixels to the right and downwards and collects them; two axis reference points with their typed
// values turn the traced pixels into diagram values.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

inline constexpr int32_t kMaxDigitalpunkte = 1000;
// Grey levels up to this count as the dark curve.
inline constexpr int32_t kDunkelBis = 70;

// The colour of pixel (x, y) of the shown picture, red in the low byte; -1 outside the picture.
using Punktfarbe = std::function<int32_t(int32_t x, int32_t y)>;

// From (x, y) the next dark pixel is searched in squares of size 1 to 5 to the right and below; each
// one found becomes the current pixel and is appended as (x / zoom, y / zoom) while the curve holds
// fewer than kMaxDigitalpunkte points (one step at least). Pixels outside the picture are light.
void Kurve_Digitalisieren(const Punktfarbe& farbe, int32_t& x, int32_t& y, float zoom, std::vector<float>& X,
                          std::vector<float>& Y);

// Two axis reference points: their pixel positions (x1, y1, x2, y2) and the diagram values typed
// for them (X1, Y1, X2, Y2).
struct Achsenpunkte {
    std::array<float, 4> Pixel{};
    std::array<float, 4> Werte{};
    int32_t Gesetzt = 0;  // how many points have their values
};

// The traced points in diagram units, linear on both axes through the two reference points; false
// and nothing changed while fewer than two points are set or they share an x or a y pixel.
bool Achsen_Umrechnen(const Achsenpunkte& achsen, std::vector<float>& X, std::vector<float>& Y);
