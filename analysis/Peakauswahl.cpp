#include "analysis/Peakauswahl.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// A top stands out of the noise when its prominence on the averaged curve exceeds this many times
// the noise measured about it.
constexpr double kRauschabstand = 4.0;
// The noise about a top is measured over this many windows on either side of it.
constexpr double kRauschFenster = 10.0;
// The list ends where no top stands out within this many times its widest spacing so far, once
// that many spacings tell the shells' rhythm.
constexpr double kLueckenfaktor = 1.6;
constexpr int32_t kMindestAbstaende = 2;
// Windows a curve must span to tell its noise.
constexpr double kMindestFenster = 8.0;
// A normal spread is this many median absolute deviations.
constexpr double kMadNormal = 1.4826;

float Wert(std::span<const float> values, int32_t i)
{
    return i >= 1 && static_cast<size_t>(i) <= values.size() ? values[static_cast<size_t>(i - 1)] : 0.0f;
}

int32_t Punkte(std::span<const float> g) { return static_cast<int32_t>(g.size()); }

// The spread of the curve about its average between points von and bis: the noise that the
// average smooths away, taken by the median so that the flanks of steep peaks do not count.
double Streuung(std::span<const float> kurve, std::span<const float> glatt, int32_t von, int32_t bis)
{
    std::vector<double> abstand;
    for (int32_t i = std::max(von, 1); i <= std::min(bis, Punkte(kurve)); ++i)
        abstand.push_back(std::fabs(double(Wert(kurve, i)) - Wert(glatt, i)));
    if (abstand.empty()) return 0.0;
    const auto mitte = abstand.begin() + static_cast<std::ptrdiff_t>(abstand.size() / 2);
    std::nth_element(abstand.begin(), mitte, abstand.end());
    return kMadNormal * *mitte;
}

}

int32_t Gipfel_Von(std::span<const float> glatt, int32_t i)
{
    while (true) {
        int32_t hoeher = i;
        if (i > 1 && Wert(glatt, i - 1) > Wert(glatt, hoeher)) hoeher = i - 1;
        if (i < Punkte(glatt) && Wert(glatt, i + 1) > Wert(glatt, hoeher)) hoeher = i + 1;
        if (hoeher == i) return i;
        i = hoeher;
    }
}

double Prominenz(std::span<const float> glatt, int32_t i)
{
    const double h = Wert(glatt, i);
    struct Seite {
        double tiefster;
        bool hoeher;  // whether higher ground follows
    };
    const auto seite = [&](int32_t schritt) {
        Seite s{h, false};
        for (int32_t j = i + schritt; j >= 1 && j <= Punkte(glatt) && !s.hoeher; j += schritt) {
            if (Wert(glatt, j) > h) s.hoeher = true;
            else s.tiefster = std::min(s.tiefster, double(Wert(glatt, j)));
        }
        return s;
    };
    const Seite links = seite(-1), rechts = seite(+1);
    if (links.hoeher != rechts.hoeher) return h - (links.hoeher ? links.tiefster : rechts.tiefster);
    return h - std::max(links.tiefster, rechts.tiefster);
}

std::vector<int32_t> Herausragende_Gipfel(std::span<const float> kurve, std::span<const float> glatt,
                                          std::span<const int32_t> maxima, double fenster)
{
    const int32_t n = Punkte(glatt);
    std::vector<int32_t> gipfel;
    for (const int32_t i : maxima)
        if (i >= 1 && i <= n) gipfel.push_back(Gipfel_Von(glatt, i));
    std::sort(gipfel.begin(), gipfel.end());
    gipfel.erase(std::unique(gipfel.begin(), gipfel.end()), gipfel.end());
    if (gipfel.empty() || n < kMindestFenster * fenster) return gipfel;

    const int32_t rand = static_cast<int32_t>(std::ceil(fenster / 2.0));
    std::erase_if(gipfel, [&](int32_t i) { return i <= rand || i > n - rand; });
    if (gipfel.empty()) return gipfel;
    // The noise of the whole curve from its first candidate on sets a floor, so that a stretch the
    // evaluation smoothed (a side fit's region) does not make its small bumps stand out.
    const int32_t beginn = std::max(1, maxima.front() - rand);
    const double grundrauschen = Streuung(kurve, glatt, beginn, n);
    const int32_t umkreis = static_cast<int32_t>(std::ceil(kRauschFenster * fenster));
    const auto rauschen = [&](int32_t i) {
        return kRauschabstand * std::max(grundrauschen, Streuung(kurve, glatt, std::max(beginn, i - umkreis), i + umkreis));
    };
    // From the most prominent top outward in both directions, as far as the tops that stand out
    // follow each other: the shells fade into the noise, and a top that stands out beyond a gap
    // wider than the list's spacings allow is noise that happens to.
    const auto hoechster = std::max_element(gipfel.begin(), gipfel.end(),
                                            [&](int32_t a, int32_t b) { return Prominenz(glatt, a) < Prominenz(glatt, b); });
    const auto k = static_cast<size_t>(hoechster - gipfel.begin());
    std::vector<int32_t> liste{gipfel[k]};
    for (const int schritt : {+1, -1}) {
        int32_t letzter = gipfel[k];
        int32_t abstand = 0;  // the widest spacing of the list on this side so far
        int32_t abstaende = 0;
        for (auto j = static_cast<std::ptrdiff_t>(k) + schritt; j >= 0 && j < std::ssize(gipfel); j += schritt) {
            const int32_t i = gipfel[size_t(j)];
            if (abstaende >= kMindestAbstaende && std::abs(i - letzter) > kLueckenfaktor * abstand) break;
            if (!(Prominenz(glatt, i) > rauschen(i))) continue;
            abstand = std::max(abstand, std::abs(i - letzter));
            ++abstaende;
            letzter = i;
            liste.push_back(i);
        }
    }
    std::sort(liste.begin(), liste.end());
    return liste;
}

std::vector<int32_t> Herausragende_Maxima(std::span<const float> kurve, std::span<const float> glatt,
                                          std::span<const int32_t> maxima, double fenster)
{
    std::map<int32_t, int32_t> hoechstes;  // top of glatt → the highest maximum of kurve under it
    for (const int32_t gipfel : Herausragende_Gipfel(kurve, glatt, maxima, fenster)) hoechstes[gipfel] = 0;
    for (const int32_t i : maxima) {
        if (i < 1 || i > Punkte(glatt)) continue;
        const auto eintrag = hoechstes.find(Gipfel_Von(glatt, i));
        if (eintrag == hoechstes.end()) continue;
        if (eintrag->second == 0 || Wert(kurve, i) > Wert(kurve, eintrag->second)) eintrag->second = i;
    }
    std::vector<int32_t> liste;
    for (const auto& [gipfel, maximum] : hoechstes) liste.push_back(maximum);
    return liste;
}
