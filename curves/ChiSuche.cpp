#include "curves/ChiSuche.h"

#include <cmath>
#include <limits>

namespace {

constexpr int MaxRunden = 100;
constexpr float KleinstesChi = 0.01f;
// A smooth fit has a smoothness of 1: further below it follows the noise, further above it
// oscillates between neighbours.
constexpr float GlattheitToleranz = 0.01f;

// Only a fit of the data can win: its deviation is a fraction between 0 and 1.
bool Brauchbar(const SeitenfitErgebnis& e)
{
    return e.gelungen && std::fabs(e.glattheit - 1.0f) <= GlattheitToleranz && e.abweichung >= 0.0f &&
           e.abweichung <= 1.0f;
}

}

float Chi_Suchen(float start, const std::function<SeitenfitErgebnis(float chi)>& fitten)
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
    fitten(bestesChi);
    return bestesChi;
}
