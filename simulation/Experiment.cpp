#include "simulation/Experiment.h"

#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979;

// Σ w(m)·sin(m·θ) over m = 0..size − 1. The sines come from a rotation by θ, one sine and cosine
// for the whole sum: a sine per term of arguments up to thousands of radians costs a thousand
// times more and holds the caller for seconds at 32,000 atoms. In double precision the rotation's
// error grows by about one rounding per step, far below the single-precision results.
template <class Gewicht>
double Gedrehte_Sinussumme(size_t anzahl, double theta, Gewicht w)
{
    // The rotation in the form that stays accurate for small θ: α = 2·sin²(θ/2), β = sin θ.
    const double halb = std::sin(theta / 2);
    const double alpha = 2 * halb * halb;
    const double beta = std::sin(theta);
    double c = 1;
    double s = 0;
    double summe = 0;
    for (size_t m = 0; m < anzahl; ++m) {
        summe += w(m) * s;
        const double c_neu = c - (alpha * c + beta * s);
        s -= alpha * s - beta * c;
        c = c_neu;
    }
    return summe;
}
}

std::vector<float> G_Exp(std::span<const float> iK, float dK, float rho, int32_t nbins, double dr, Abbruch abbruch)
{
    std::vector<float> g(static_cast<size_t>(nbins + 1), 0.0f);
    if (!(rho > 0)) return g;
    for (int32_t k = 1; k <= nbins; ++k) {
        if (Abgebrochen(abbruch)) return {};
        const double r = k * dr;
        // iK_j·K_j·sin(K_j·r) with K_j = j·dK.
        const double summe =
            Gedrehte_Sinussumme(iK.size(), dK * r, [&](size_t j) { return iK[j] * (static_cast<double>(j) * dK); });
        g[static_cast<size_t>(k)] = static_cast<float>(1.0 + 2.0 / kPi * dK * summe / (4 * kPi * r * rho));
    }
    return g;
}

std::vector<float> S_K(std::span<const float> g, float dK, float rho, double dr, int32_t punkte)
{
    std::vector<float> s(static_cast<size_t>(std::max(punkte, 0)), 0.0f);
    for (int32_t k = 1; k <= punkte; ++k) {
        // (g_j − 1)·r·sin(r·K) with r = (j − 1)·dr for j = 2..: term m = j − 1.
        const double summe = g.size() < 2 ? 0.0 : Gedrehte_Sinussumme(g.size() - 1, dr * (k - 1) * dK, [&](size_t m) {
            return (g[m + 1] - 1.0) * (static_cast<double>(m) * dr);
        });
        s[static_cast<size_t>(k - 1)] = static_cast<float>(4 * kPi * rho / (k * dK) * dr * summe);
    }
    return s;
}
