#pragma once
// The searches over a G(r) curve that its computation runs: the extremes and the first peak, the
// left edge of that peak, the density line below it, Il'inskii's radius and the maxima; and, for
// the Gauss view, where the shells begin and the average over a window that decides on them.
// G(i) is g[i − 1] and r(i) is r[i − 1]; values outside the curve count as 0.
#include <cstdint>
#include <numbers>
#include <span>
#include <vector>

struct GR_Extreme {
    float Minimum = 0.0f;  // never above 0
    float Maximum = 0.0f;  // never below 0
    // The point of the largest value from point 2 on; 0 when no value is above 0.
    int32_t Erster_Peak = 0;
};

// The extremes of G from point 2 on.
GR_Extreme Extreme_Suchen(std::span<const float> g);

// The first point left of peak where G stops falling towards r = 0; 2 when there is none.
int32_t Linker_Rand_Suchen(std::span<const float> g, int32_t peak);

struct Dichtegerade {
    int32_t Bis = 0;  // the last point of the fit
    float Anstieg = 0.0f;
    // The mean ratio of the smaller to the larger size of line and G over the points after the
    // origin: 1 for a perfect fit.
    float Verhaeltnis = 0.0f;

    // The number density ρ0 of the line G = −4πρ0·r, atoms per nm³.
    float Dichte() const { return static_cast<float>(-Anstieg / std::numbers::pi / 4.0); }
};

// The least-squares line G = Anstieg·r through the origin over points 1..bis, bis put into
// 2..size(g) first (2 when G has fewer points).
Dichtegerade Dichtegerade_Anpassen(std::span<const float> g, std::span<const float> r, int32_t bis);

// Il'inskii's radius R, where ∫₀^R r·G(r) dr first falls below −1 (where a sphere of the mean
// density holds one atom); 0 when it never does. The running integral C(i + 1) = C(i) + Δr²·i·G(i)
// is the integral up to r(i + 1) = i·Δr (the weight i·Δr, one point ahead of G's r, makes the sum
// exact for the line G = −4πρ·r below the first peak); R is interpolated between the two points
// that enclose the crossing, since the first point past it would lower the density by up to three
// grid steps over R.
float Ilinskii_Radius(std::span<const float> g, float deltaR);

// The points at which G starts falling (each maximum; a flat top at its last point), in order.
std::vector<int32_t> Maxima_Suchen(std::span<const float> g);

// Below its first coordination shell G follows the density line, G = −4πρ0·r, and its maxima there
// are ripples about that line (of the transform's cut-off and of the curve's errors), no shells.
struct Schalenbeginn {
    int32_t Dichteende = 0;  // the last point of the density line
    // The first maximum of G above zero beyond the density line; 0 when there is none.
    int32_t Erste_Schale = 0;

    // Whether a peak at point i lies below the shells: on the density line, or at or below zero
    // before the first shell.
    bool Darunter(std::span<const float> g, int32_t i) const;
};
Schalenbeginn Schalenbeginn_Suchen(std::span<const float> g, int32_t dichteEnde);

// The mean of g over a window `breite` points wide about each point. The points at the window's
// edges count by the share of them it covers; at the curve's ends it holds what the curve has.
std::vector<float> Gemittelt(std::span<const float> g, double breite);
