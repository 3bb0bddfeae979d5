#include "analysis/FT_AI_Regeln.h"

#include <algorithm>
#include <cmath>

namespace {

float Punkt(std::span<const float> werte, int32_t i) { return werte[static_cast<size_t>(i - 1)]; }

}

int32_t Abbruchstelle_Suchen(std::span<const float> ik, int32_t F)
{
    const auto N = static_cast<int32_t>(ik.size());
    if (F >= N - 2) return F;
    for (int32_t i = std::max(F, 1); i <= N - 1; ++i)
        if (std::fabs(Punkt(ik, i)) < 0.0001f) return i;
    return N;
}

int32_t Dichtegerade_Suchen(std::span<const float> gr, int32_t regel, int32_t peakIndex, int32_t anker)
{
    const auto n = static_cast<int32_t>(gr.size());
    if (regel == DR_Vor_Hauptmaximum) {
        int32_t i = std::min(peakIndex, n) - 1;
        while (i >= 1 && Punkt(gr, i) <= Punkt(gr, i + 1)) --i;
        return i + 1;
    }
    if (regel == DR_Nach_Anker) {
        int32_t i = std::max(anker, 1) + 1;
        while (i <= n - 1 && Punkt(gr, i) <= Punkt(gr, i - 1)) ++i;
        if (i > n - 1 || i >= n - 2) return 0;
        return i - 1;
    }
    return 0;
}
