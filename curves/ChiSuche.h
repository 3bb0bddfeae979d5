#pragma once
// The automatic choice of a side fit's smoothing number chi.
#include <functional>
#include <span>

// What one fit of a side gave: whether the spline fitted, and its smoothness and deviation.
struct SeitenfitErgebnis {
    bool gelungen = false;
    float glattheit = 0.0f;
    float abweichung = 0.0f;
};

// The smoothing number that the counting noise of a side's values fills: the weighted residual
// Σ (y − fit)²/dy² with dy = 100/√y that a fit matching the noise leaves, c·Σ y²/10⁴ for a noise
// variance of c·y. c is estimated from the data's second differences (their median, which a few
// sharp features of the curve do not move): 1 for raw counts, 1/2 for the average of two halves,
// and whatever a scaling of the counts made of it. Negative when fewer than three values are given.
float Chi_Rauschen(std::span<const float> y);

// Fits with chi = start / 2, start / 4, ... until chi falls below 0.01 (at most 100 rounds) and
// keeps the chi of the fit that deviates least among the successful fits with a smoothness within
// 0.01 of 1 and a deviation between 0 and 1; start when none qualifies. Those figures reward the
// fit that follows the noise: when the noise's chi is known (chiRauschen ≥ 0) and the kept chi is
// not within a factor √2 of it, the noise's chi is taken instead. Ends with a fit at the kept chi,
// so that the side shows it, and returns that chi.
float Chi_Suchen(float start, const std::function<SeitenfitErgebnis(float chi)>& fitten, float chiRauschen = -1.0f);
