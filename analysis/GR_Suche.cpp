#include "analysis/GR_Suche.h"

#include <algorithm>
#include <cmath>

namespace {

float Wert(std::span<const float> values, int32_t i)
{
    return i >= 1 && static_cast<size_t>(i) <= values.size() ? values[static_cast<size_t>(i - 1)] : 0.0f;
}

int32_t Punkte(std::span<const float> g) { return static_cast<int32_t>(g.size()); }

}

GR_Extreme Extreme_Suchen(std::span<const float> g)
{
    GR_Extreme e;
    for (int32_t i = 2; i <= Punkte(g); ++i) {
        const float y = Wert(g, i);
        if (y < e.Minimum) e.Minimum = y;
        if (y > e.Maximum) {
            e.Maximum = y;
            e.Erster_Peak = i;
        }
    }
    return e;
}

int32_t Linker_Rand_Suchen(std::span<const float> g, int32_t peak)
{
    for (int32_t j = peak; j >= 2; --j)
        if (Wert(g, j - 1) > Wert(g, j)) return j;
    return 2;
}

Dichtegerade Dichtegerade_Anpassen(std::span<const float> g, std::span<const float> r, int32_t bis)
{
    Dichtegerade d;
    d.Bis = std::max(2, std::min(bis, Punkte(g)));
    float s1 = 0.0f;
    float s2 = 0.0f;
    for (int32_t i = 1; i <= d.Bis; ++i) {
        const float ri = Wert(r, i);
        s1 = static_cast<float>(s1 + double(ri) * Wert(g, i));
        s2 = static_cast<float>(s2 + std::pow(double(ri), 2.0));
    }
    d.Anstieg = s1 / s2;

    double summe = 0.0;
    for (int32_t i = 2; i <= d.Bis; ++i) {
        const double gerade = std::fabs(double(Wert(r, i)) * d.Anstieg);
        const double y = std::fabs(Wert(g, i));
        summe += gerade == y ? 1.0 : std::min(gerade, y) / std::max(gerade, y);
    }
    d.Verhaeltnis = static_cast<float>(summe / (d.Bis - 1));
    return d;
}

float Ilinskii_Radius(std::span<const float> g, float deltaR)
{
    const float h = deltaR * deltaR;
    float c = 0.0f;
    for (int32_t i = 1; i < Punkte(g); ++i) {
        const float vorher = c;
        c = static_cast<float>(c + double(h) * i * Wert(g, i));
        if (c < -1.0f) {
            // C(i) at r(i) = (i − 1)·Δr and C(i + 1) at i·Δr enclose the crossing.
            const double anteil = (-1.0 - vorher) / (double(c) - vorher);
            return static_cast<float>((i - 1 + anteil) * deltaR);
        }
    }
    return 0.0f;
}

std::vector<int32_t> Maxima_Suchen(std::span<const float> g)
{
    std::vector<int32_t> maxima;
    bool steigend = true;
    for (int32_t i = 2; i <= Punkte(g); ++i) {
        if (Wert(g, i) < Wert(g, i - 1) && steigend) {
            maxima.push_back(i - 1);
            steigend = false;
        }
        if (Wert(g, i) > Wert(g, i - 1) && !steigend) steigend = true;
    }
    return maxima;
}

Schalenbeginn Schalenbeginn_Suchen(std::span<const float> g, int32_t dichteEnde)
{
    Schalenbeginn beginn{dichteEnde, 0};
    for (const int32_t i : Maxima_Suchen(g)) {
        if (i > dichteEnde && Wert(g, i) > 0.0f) {
            beginn.Erste_Schale = i;
            break;
        }
    }
    return beginn;
}

bool Schalenbeginn::Darunter(std::span<const float> g, int32_t i) const
{
    if (i <= Dichteende) return true;
    return (Erste_Schale == 0 || i < Erste_Schale) && !(Wert(g, i) > 0.0f);
}

std::vector<float> Gemittelt(std::span<const float> g, double breite)
{
    std::vector<float> mittel(g.size());
    for (int32_t i = 1; i <= Punkte(g); ++i) {
        const double von = i - breite / 2.0, bis = i + breite / 2.0;
        double summe = 0.0, gewicht = 0.0;
        const int32_t erster = std::max(1, static_cast<int32_t>(std::floor(von + 0.5)));
        const int32_t letzter = std::min(Punkte(g), static_cast<int32_t>(std::ceil(bis - 0.5)));
        for (int32_t j = erster; j <= letzter; ++j) {
            // Point j stands for the stretch j ± 1/2.
            const double anteil = std::min(j + 0.5, bis) - std::max(j - 0.5, von);
            summe += anteil * Wert(g, j);
            gewicht += anteil;
        }
        mittel[size_t(i - 1)] = gewicht > 0.0 ? static_cast<float>(summe / gewicht) : Wert(g, i);
    }
    return mittel;
}
