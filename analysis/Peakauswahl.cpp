#include "analysis/Peakauswahl.h"

#include "analysis/GR_Suche.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace {

// A top stands out of the noise when its prominence on the averaged curve exceeds this many times
// the noise measured about it.
constexpr double kRauschabstand = 4.0;
// The noise about a top is measured over this many windows on either side of it.
constexpr double kRauschFenster = 10.0;
// Once the list's rhythm is known, a top nearer than this share of its mean spacing to the shell
// before it is none of its own, and the tops that near to each other compete: a shell is listed
// where it is more than 1 / kVorrang times as prominent as every other top that near, and where
// none is, the shells have faded into the noise there.
constexpr double kNaehe = 0.5;
constexpr double kVorrang = 2.0;
// Once the rhythm is known, the shells fade outward gradually: a top less prominent than this share
// of the shell before it is the noise's. And a top nearer to the curve's end than this share of the
// mean spacing cannot be told from the cut: its peak may lie beyond the end.
constexpr double kAbklingen = 0.25;
constexpr double kEndabstand = 0.25;
// Windows a curve must span to tell its noise.
constexpr double kMindestFenster = 8.0;

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
    return Robuste_Streuung(std::move(abstand));
}

// The tops of the averaged curve in order, each with its prominence, walked outward from one of
// them as the list of shells.
class Auflistung {
public:
    Auflistung(std::vector<int32_t> gipfel, std::span<const float> glatt, std::function<double(int32_t)> rauschen)
        : gipfel_(std::move(gipfel)), punkte_(Punkte(glatt)), rauschen_(std::move(rauschen))
    {
        for (const int32_t i : gipfel_) prominenz_.push_back(Prominenz(glatt, i));
    }

    // The most prominent top.
    size_t Hoechster() const
    {
        return static_cast<size_t>(std::max_element(prominenz_.begin(), prominenz_.end()) - prominenz_.begin());
    }

    // The tops listed from top k outward in direction schritt, k not among them.
    std::vector<int32_t> Seite(size_t k, int schritt) const
    {
        std::vector<size_t> seite{k};
        int32_t weitester = 0;  // the widest spacing on this side so far
        for (auto j = static_cast<std::ptrdiff_t>(k) + schritt; j >= 0 && j < std::ssize(gipfel_); j += schritt) {
            const size_t kandidat = static_cast<size_t>(j), letzter = seite.back();
            const int32_t abstand = std::abs(gipfel_[kandidat] - gipfel_[letzter]);
            const auto abstaende = static_cast<int32_t>(seite.size()) - 1;
            if (Hinter_Luecke(abstand, weitester, abstaende)) break;
            const double p = prominenz_[kandidat];
            if (!(p > rauschen_(gipfel_[kandidat])) || Ueberragt(kandidat, schritt, abstand)) continue;
            if (abstaende >= kMindestAbstaende) {
                const double mittel = std::abs(gipfel_[letzter] - gipfel_[k]) / double(abstaende);
                const int32_t zumEnde = std::min(gipfel_[kandidat] - 1, punkte_ - gipfel_[kandidat]);
                if (p < kAbklingen * prominenz_[letzter] || zumEnde < kEndabstand * mittel || abstand < kNaehe * mittel)
                    continue;
                const double naechster = Nachbar(kandidat, kNaehe * mittel);
                if (naechster > p) continue;
                if (naechster * kVorrang > p) break;
            }
            weitester = std::max(weitester, abstand);
            seite.push_back(kandidat);
        }
        std::vector<int32_t> liste;
        for (size_t m = 1; m < seite.size(); ++m) liste.push_back(gipfel_[seite[m]]);
        return liste;
    }

private:
    // Whether a top that follows top j nearer than abstand is more than kVorrang times as
    // prominent: j is then the noise's, in the valley before that shell.
    bool Ueberragt(size_t j, int schritt, int32_t abstand) const
    {
        for (auto m = static_cast<std::ptrdiff_t>(j) + schritt;
             m >= 0 && m < std::ssize(gipfel_) && std::abs(gipfel_[size_t(m)] - gipfel_[j]) < abstand; m += schritt)
            if (prominenz_[size_t(m)] > kVorrang * prominenz_[j]) return true;
        return false;
    }

    // The prominence of the most prominent other top nearer than abstand to top j.
    double Nachbar(size_t j, double abstand) const
    {
        double p = 0.0;
        for (size_t m = 0; m < gipfel_.size(); ++m)
            if (m != j && std::abs(gipfel_[m] - gipfel_[j]) < abstand) p = std::max(p, prominenz_[m]);
        return p;
    }

    std::vector<int32_t> gipfel_;
    std::vector<double> prominenz_;
    int32_t punkte_;
    std::function<double(int32_t)> rauschen_;
};

}

double Robuste_Streuung(std::vector<double> abstaende)
{
    if (abstaende.empty()) return 0.0;
    const auto mitte = abstaende.begin() + static_cast<std::ptrdiff_t>(abstaende.size() / 2);
    std::nth_element(abstaende.begin(), mitte, abstaende.end());
    // A normal spread is 1.4826 median absolute deviations.
    return 1.4826 * *mitte;
}

bool Hinter_Luecke(double abstand, double weitester, int32_t abstaende)
{
    return abstaende >= kMindestAbstaende && abstand > kLueckenfaktor * weitester;
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
    // The lowest point on either side before higher ground or the curve's end.
    const auto tiefster = [&](int32_t schritt) {
        double t = h;
        for (int32_t j = i + schritt; j >= 1 && j <= Punkte(glatt) && Wert(glatt, j) <= h; j += schritt)
            t = std::min(t, double(Wert(glatt, j)));
        return t;
    };
    const double links = tiefster(-1), rechts = tiefster(+1);
    // A top must fall off on both sides: where the curve ends before higher ground, the fall to
    // its end counts, so that a curve cut off on a rising flank makes no peak at the cut.
    return h - std::max(links, rechts);
}

std::vector<int32_t> Herausragende_Gipfel(std::span<const float> kurve, std::span<const float> glatt,
                                          std::span<const int32_t> maxima, double fenster)
{
    const int32_t n = Punkte(glatt);
    const int32_t rand = static_cast<int32_t>(std::ceil(fenster / 2.0));
    std::vector<int32_t> gipfel;
    for (const int32_t i : maxima)
        if (i >= 1 && i <= n) gipfel.push_back(Gipfel_Von(glatt, i));
    // On a wide top the noise wears small tops of the average side by side, and the way uphill
    // from each maximum may end on one of them: a top of the average within half a window of a
    // maximum is a top too, so that the highest one is never missed.
    std::vector<int32_t> sortiert(maxima.begin(), maxima.end());
    std::sort(sortiert.begin(), sortiert.end());
    for (const int32_t t : Maxima_Suchen(glatt)) {
        const auto naechstes = std::lower_bound(sortiert.begin(), sortiert.end(), t - rand);
        if (naechstes != sortiert.end() && *naechstes <= t + rand) gipfel.push_back(t);
    }
    std::sort(gipfel.begin(), gipfel.end());
    gipfel.erase(std::unique(gipfel.begin(), gipfel.end()), gipfel.end());
    if (gipfel.empty() || n < kMindestFenster * fenster) return gipfel;

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
    const Auflistung auflistung(gipfel, glatt, rauschen);
    const size_t k = auflistung.Hoechster();
    std::vector<int32_t> liste{gipfel[k]};
    for (const int schritt : {+1, -1}) {
        const std::vector<int32_t> seite = auflistung.Seite(k, schritt);
        liste.insert(liste.end(), seite.begin(), seite.end());
    }
    std::sort(liste.begin(), liste.end());
    return liste;
}

std::vector<int32_t> Herausragende_Maxima(std::span<const float> kurve, std::span<const float> glatt,
                                          std::span<const int32_t> maxima, double fenster)
{
    const std::vector<int32_t> gipfel = Herausragende_Gipfel(kurve, glatt, maxima, fenster);
    std::vector<int32_t> liste;
    for (size_t k = 0; k < gipfel.size(); ++k) {
        // The peak under a top reaches down to half its prominence, but not past the valley
        // towards a listed neighbour: the noise wears tops of its own on it, whose maxima are the
        // peak's too.
        const int32_t t = gipfel[k];
        const double schwelle = Wert(glatt, t) - Prominenz(glatt, t) / 2.0;
        const auto tal = [&](int32_t a, int32_t b) {
            int32_t tiefster = a;
            for (int32_t i = a; i <= b; ++i)
                if (Wert(glatt, i) < Wert(glatt, tiefster)) tiefster = i;
            return tiefster;
        };
        const int32_t grenzeLinks = k > 0 ? tal(gipfel[k - 1], t) : 1;
        const int32_t grenzeRechts = k + 1 < gipfel.size() ? tal(t, gipfel[k + 1]) : Punkte(glatt);
        int32_t von = t, bis = t;
        while (von > grenzeLinks && Wert(glatt, von - 1) >= schwelle) --von;
        while (bis < grenzeRechts && Wert(glatt, bis + 1) >= schwelle) ++bis;
        int32_t hoechstes = 0;
        const auto nehmen = [&](auto gehoert) {
            for (const int32_t i : maxima)
                if (gehoert(i) && (hoechstes == 0 || Wert(kurve, i) > Wert(kurve, hoechstes))) hoechstes = i;
        };
        nehmen([&](int32_t i) { return i >= von && i <= bis; });
        // Without a maximum on that stretch, the highest of those that lead up to the top.
        if (hoechstes == 0) nehmen([&](int32_t i) { return i >= 1 && i <= Punkte(glatt) && Gipfel_Von(glatt, i) == t; });
        if (hoechstes != 0) liste.push_back(hoechstes);
    }
    return liste;
}
