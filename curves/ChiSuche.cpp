#include "curves/ChiSuche.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int MaxRunden = 100;
constexpr float KleinstesChi = 0.01f;
// A smooth fit has a smoothness of 1: further below it follows the noise, further above it
// oscillates between neighbours.
constexpr float GlattheitToleranz = 0.01f;
// The median of the square of a standard normal variable.
constexpr double MedianChiQuadrat1 = 0.45493642311957283;
// How far the searched chi may lie from the noise's and still count as a fit of the noise.
const float RauschenFaktor = std::sqrt(2.0f);

// Only a fit of the data can win: its deviation is a fraction between 0 and 1.
bool Brauchbar(const SeitenfitErgebnis& e)
{
    return e.gelungen && std::fabs(e.glattheit - 1.0f) <= GlattheitToleranz && e.abweichung >= 0.0f &&
           e.abweichung <= 1.0f;
}

}

float Chi_Rauschen(std::span<const float> y)
{
    if (y.size() < 3) return -1.0f;
    // y(i−1) − 2y(i) + y(i+1) has the variance c·(y(i−1) + 4y(i) + y(i+1)) where the curve is smooth.
    std::vector<double> q;
    q.reserve(y.size() - 2);
    for (size_t i = 1; i + 1 < y.size(); ++i) {
        const double d = double(y[i - 1]) - 2.0 * y[i] + y[i + 1];
        const double v = double(y[i - 1]) + 4.0 * y[i] + y[i + 1];
        if (v > 0.0) q.push_back(d * d / v);
    }
    if (q.empty()) return -1.0f;
    const auto mitte = q.begin() + static_cast<std::ptrdiff_t>(q.size() / 2);
    std::nth_element(q.begin(), mitte, q.end());
    const double c = *mitte / MedianChiQuadrat1;
    double summe = 0.0;
    for (const float w : y) summe += double(w) * w;
    return static_cast<float>(c * summe / 1e4);
}

float Chi_Suchen(float start, const std::function<SeitenfitErgebnis(float chi)>& fitten, float chiRauschen)
{
    float bestesChi = start;
    float kleinsteAbweichung = std::numeric_limits<float>::infinity();
    float chi = start;
    for (int runde = 0; runde < MaxRunden; ++runde) {
        chi /= 2.0f;
        const SeitenfitErgebnis ergebnis = fitten(chi);
        if (Brauchbar(ergebnis) && ergebnis.abweichung < kleinsteAbweichung) {
            kleinsteAbweichung = ergebnis.abweichung;
            bestesChi = chi;
        }
        if (chi < KleinstesChi) break;
    }
    const bool rauschen = chiRauschen >= 0.0f && std::isfinite(chiRauschen);
    if (rauschen && !(bestesChi >= chiRauschen / RauschenFaktor && bestesChi <= chiRauschen * RauschenFaktor))
        bestesChi = chiRauschen;
    fitten(bestesChi);
    return bestesChi;
}
