#include "curves/ChiSuche.h"

#include <limits>

namespace {

constexpr int MaxRunden = 100;
constexpr float KleinstesChi = 0.01f;
// Below this smoothness a fit follows the noise.
constexpr float MindestGlattheit = 0.99f;

}

float Chi_Suchen(float start, const std::function<SeitenfitErgebnis(float chi)>& fitten)
{
    float bestesChi = start;
    float kleinsteAbweichung = std::numeric_limits<float>::infinity();
    float chi = start;
    for (int runde = 0; runde < MaxRunden; ++runde) {
        chi /= 2.0f;
        const SeitenfitErgebnis ergebnis = fitten(chi);
        if (ergebnis.gelungen && ergebnis.glattheit >= MindestGlattheit && ergebnis.abweichung < kleinsteAbweichung) {
            kleinsteAbweichung = ergebnis.abweichung;
            bestesChi = chi;
        }
        if (chi < KleinstesChi) break;
    }
    fitten(bestesChi);
    return bestesChi;
}
