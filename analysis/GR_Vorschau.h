#pragma once
// G(r) of the current I(K) computed aside, for a window that only shows it: the same transform,
// extremes and density line as the G(r) step, but nothing of gGR, gFFT or gMFE is written, no
// counter moves and no file or log line is made.
#include "analysis/Sinustransformation.h"

#include <cstdint>
#include <span>
#include <vector>

struct GR_Vorschau {
    std::vector<float> R;  // nm
    std::vector<float> G;
    // The display range as the G(r) step gives it: the lowest value lowered by a tenth of its size.
    float Minimum = 0.0f;
    float Maximum = 0.0f;
    // The density of the line below the first peak, atoms per nm³.
    float Dichte_Experimentell = 0.0f;
};

// From the curve the transform takes (point i at eingabe[i − 1]) on the transform of plan with K
// step v.DeltaK. Raises as the transform does.
GR_Vorschau GR_Vorschau_Berechnen(std::span<const float> eingabe, const Sinus_Vorgaben& v, const FFT_Plan& plan);

// The same from gIK and the options; empty after a reported error.
GR_Vorschau GR_Vorschau_Aktuell();
