#pragma once
// Damping of I(K) towards the cut-off K(F) before the transform, so that the step at the cut-off
// does not ripple through G(r). The kinds are the entries of the Fourier panel's damping list.
#include <cstdint>
#include <string>
#include <vector>

enum Daempfung : int32_t {
    DA_Keine = 0,
    DA_Lorch = 1,
    // Lorch over the last 100 points before the cut-off only.
    DA_Lorch_Shifted = 2,
    DA_Exp = 3,
};

// The points that shifted Lorch damping tapers.
inline constexpr int32_t kLorchShiftedPunkte = 100;

// Damps the undamped curve y0 (points 1..N at index 0..N-1, K(i) = (i - 1)·dK) with kind Art and
// cut-off F (1..N) into y: kind 0 copies y0; kinds 1 to 3 write points 2..F damped and 0 above F
// and leave point 1 as it was. b receives the exponential constant of kind 3. False, with y
// untouched, when the kind cannot damp this curve: shifted Lorch with F ≤ 101, exponential
// damping whose end value is 0, negative or already below 0.001 / K(F), or F = 1; any other kind.
bool Daempfe(int32_t Art, const std::vector<float>& y0, int32_t F, float dK, std::vector<float>& y, double& b);

// The number of the text that says why kind Art cannot damp a curve (exponential damping: K·I(K)
// at the cut-off not above 0.001; shifted Lorch: too few points before the cut-off); 0 for a kind
// that is no damping at all.
int32_t Daempfung_Hindernis(int32_t Art);

// Kind Art as the damping list names it, in the language chosen.
std::string Daempfung_Listentext(int32_t Art);
