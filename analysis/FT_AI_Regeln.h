#pragma once
// The two searches of the automatic transform that move its anchors between passes: the cut-off
// of I(K) to the next zero, and the end of the density line to a minimum of G(r). They take the
// curve as a span (element 0 is point 1) and return 1-based indices.
#include <cstdint>
#include <span>

// The density line's end: 1 the minimum before the main maximum, 2 the minimum before the
// maximum after the last end.
enum DichteRegel : int32_t { DR_Vor_Hauptmaximum = 1, DR_Nach_Anker = 2 };

// The first point from F on whose |I(K)| is below 0.0001, up to the last but one point; the last
// point when none is; F itself when it lies within two points of the end.
int32_t Abbruchstelle_Suchen(std::span<const float> ik, int32_t F);

// The new end of the density line by regel, from the main peak (rule 1) or the present end (rule
// 2); 0 when it stays where it is (rule 2 without a minimum far enough from the end, or another
// rule). Equal neighbours continue a walk.
int32_t Dichtegerade_Suchen(std::span<const float> gr, int32_t regel, int32_t peakIndex, int32_t anker);

