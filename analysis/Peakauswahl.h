#pragma once
// Which maxima of a curve the Gauss view lists. A measured curve carries noise at short periods
// (and a G(r) transformed from an undamped I(K) the cut-off's ripple): on one top it raises maxima
// side by side, in the valleys and beyond the last shell maxima of its own. Averaged over a window
// as wide as those periods (glatt) they fade, while a peak some windows wide stays: the average
// decides which tops are peaks, the curve itself keeps its maxima, where the peaks are measured.
// Point i is kurve[i − 1]; values outside the curve count as 0.
#include <cstdint>
#include <span>
#include <vector>

// The list's rhythm: a shell follows the one before it within this many times the widest spacing
// of the list so far on that side, once that many spacings tell the rhythm.
constexpr double kLueckenfaktor = 1.6;
constexpr int32_t kMindestAbstaende = 2;
// Whether a shell abstand from the one before it lies beyond the gap that ends a list whose widest
// spacing so far on that side is weitester, with abstaende spacings there.
bool Hinter_Luecke(double abstand, double weitester, int32_t abstaende);

// The spread of normal noise whose absolute values are abstaende: 1.4826 times their median, so
// that the few large ones (a peak's steep flanks) do not count. 0 for none.
double Robuste_Streuung(std::vector<double> abstaende);

// The top of glatt that the way uphill from point i reaches.
int32_t Gipfel_Von(std::span<const float> glatt, int32_t i);

// The height of the top at point i over the higher of the lowest points on either side before
// higher ground or the curve's end: a top must fall off on both sides, and one that the curve's end
// cuts on a rising flank hardly does.
double Prominenz(std::span<const float> glatt, int32_t i);

// The tops of glatt (kurve averaged over `fenster` points) that the maxima lead up to, each once,
// in order, where they stand out as shells. The list runs from the most prominent top outward; on
// either side a top is listed where
// - it stands out of the curve's noise: more prominent than four times the spread of kurve about
//   glatt within ten windows of the top (or over the whole curve from the first maximum on, where
//   that is more),
// - no top that follows nearer than it lies from the last listed one is more than twice as
//   prominent (it would be a wiggle in the valley before that shell),
// and, once the list has two spacings on that side (its rhythm),
// - it is at least a quarter as prominent as the last listed one, lies at least half the mean
//   spacing from it and a quarter of it from the curve's end,
// - it is the most prominent top within half the mean spacing, more than twice as prominent as
//   any other there; where it is not, the shells have faded into the noise and the side ends,
// - it lies within 1.6 times the widest spacing so far (Hinter_Luecke); beyond, the side ends.
// A top within half a window of either end (averaged on one side only) is none. On a curve too
// short to tell its noise (under eight windows) every top stands out.
std::vector<int32_t> Herausragende_Gipfel(std::span<const float> kurve, std::span<const float> glatt,
                                          std::span<const int32_t> maxima, double fenster);

// One maximum of kurve for each top of glatt that stands out (Herausragende_Gipfel), in order: the
// highest of the maxima where glatt stays above half the top's prominence below it, short of the
// valley towards a listed neighbour (else the highest of those that lead up to it).
std::vector<int32_t> Herausragende_Maxima(std::span<const float> kurve, std::span<const float> glatt,
                                          std::span<const int32_t> maxima, double fenster);
