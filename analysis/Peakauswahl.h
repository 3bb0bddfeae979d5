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

// The top of glatt that the way uphill from point i reaches.
int32_t Gipfel_Von(std::span<const float> glatt, int32_t i);

// The height of the top at point i over the lowest point on the easier way to higher ground; the
// highest top of all over the higher of the lowest points on either side.
double Prominenz(std::span<const float> glatt, int32_t i);

// The tops of glatt (kurve averaged over `fenster` points) that the maxima lead up to, each once,
// in order, where they stand out of the curve's noise: more prominent than four times the spread of
// kurve about glatt within ten windows of the top (or over the whole curve from the first maximum
// on, where that is more). The list runs from the most prominent top outward and ends on either
// side where no top stands out within 1.6 times the widest spacing of the list on that side, once
// it has two spacings there. A top within half a window of either end
// (averaged on one side only) is none. On a curve too short to tell its noise (under eight windows)
// every top stands out.
std::vector<int32_t> Herausragende_Gipfel(std::span<const float> kurve, std::span<const float> glatt,
                                          std::span<const int32_t> maxima, double fenster);

// One maximum of kurve for each top of glatt that stands out (Herausragende_Gipfel): the highest of
// the maxima that lead up to it, in order.
std::vector<int32_t> Herausragende_Maxima(std::span<const float> kurve, std::span<const float> glatt,
                                          std::span<const int32_t> maxima, double fenster);
