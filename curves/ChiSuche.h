#pragma once
// The automatic choice of a side fit's smoothing number chi.
#include <functional>

// What one fit of a side gave: whether the spline fitted, and its smoothness and deviation.
struct SeitenfitErgebnis {
    bool gelungen = false;
    float glattheit = 0.0f;
    float abweichung = 0.0f;
};

// Fits with chi = start / 2, start / 4, ... until chi falls below 0.01 (at most 100 rounds) and
// keeps the chi of the fit that deviates least among the successful fits with a smoothness within
// 0.01 of 1 and a deviation between 0 and 1; start when none qualifies. Ends with a fit at the kept chi, so that the side shows
// it, and returns that chi.
float Chi_Suchen(float start, const std::function<SeitenfitErgebnis(float chi)>& fitten);
