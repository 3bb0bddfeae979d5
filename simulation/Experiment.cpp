#include "simulation/Experiment.h"

#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979;
}

std::vector<float> G_Exp(std::span<const float> iK, float dK, float rho, int32_t nbins, double dr, Abbruch abbruch)
{
    std::vector<float> g(static_cast<size_t>(nbins + 1), 0.0f);
    if (!(rho > 0)) return g;
    for (int32_t k = 1; k <= nbins; ++k) {
        if (Abgebrochen(abbruch)) return {};
        const double r = k * dr;
        double summe = 0;
        for (size_t j = 0; j < iK.size(); ++j) {
            const double K = static_cast<double>(j) * dK;
            summe += iK[j] * K * std::sin(K * r);
        }
        g[static_cast<size_t>(k)] = static_cast<float>(1.0 + 2.0 / kPi * dK * summe / (4 * kPi * r * rho));
    }
    return g;
}

std::vector<float> S_K(std::span<const float> g, float dK, float rho, double dr, int32_t punkte)
{
    std::vector<float> s(static_cast<size_t>(std::max(punkte, 0)), 0.0f);
    for (int32_t k = 1; k <= punkte; ++k) {
        double summe = 0;
        for (size_t j = 2; j < g.size(); ++j) {
            const double r = static_cast<double>(j - 1) * dr;
            summe += (g[j] - 1.0) * r * std::sin(r * (k - 1) * dK);
        }
        s[static_cast<size_t>(k - 1)] = static_cast<float>(4 * kPi * rho / (k * dK) * dr * summe);
    }
    return s;
}
