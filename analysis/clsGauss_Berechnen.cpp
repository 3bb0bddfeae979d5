// The Gauss curve of a peak, and the Gauss estimate of the listed peaks on the baseline-free curve of
// gMath, the curve the view draws: each peak's width at half height, the list sorted by position,
// the peaks too close, too narrow or too small pruned, and the amplitudes of shoulders that overlap
// a higher neighbour.
#include "analysis/clsGauss.h"

#include "analysis/Peakauswahl.h"
#include "analysis/clsMath.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/modCommon.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// √(π/2): a Gauss curve of width W and height h has the amplitude h·W·√(π/2).
constexpr double kWurzelPiHalbe = 1.2533141373155;
// A Gauss curve's standard deviation W is its full width at half height over 2·√(2·ln 2).
constexpr double kHalbwertsBreite = 2.3548200450309493;
// A flank gives up where, before falling to half height, the curve rises again above its lowest
// point so far: another peak's flank. A wiggle of the noise or the cut-off's ripple is no rise: the
// curve is judged by its average over the window in which they fade (Y_Gemittelt), and it must rise
// by more than this share of the peak's height and by more than noise lifts such an average (this
// many times the noise of one average).
constexpr double kAnstieg = 0.05;
constexpr double kRauschAnstieg = 6.0;
// A listed neighbour nearer than this many half widths (of the peak's narrower flank) holds up the
// flank on its side with its own tail.
constexpr double kNachbarReichweite = 4.0;
// Pruning of I(K) peaks (1/nm) and of G(r) peaks (nm).
constexpr float kIK_Abstand = 2.0f;
constexpr float kIK_Breite = 1.0f;
constexpr float kIK_Amplitude = 0.004f;
constexpr float kGR_Breite = 0.001f;
constexpr float kGR_Amplitude = 0.09f;

// The grid point of position p on the curve of gMath; 0 (outside the curve) without a grid.
int32_t Gitterpunkt(const clsMath& math, float p)
{
    const double punkt = double(p) / math.Delta_X() + 1.0;
    if (math.Delta_X() == 0.0f || !std::isfinite(punkt) || std::fabs(punkt) > 2E9) return 0;
    return rt::CLng(punkt);
}

// The top of the curve near grid point c: position and height.
struct Gipfel {
    double x;
    double h;
};

// The parabola through c and its neighbours (through their logarithms when all three are positive,
// which a Gauss curve fits exactly) peaks at the curve's top, which lies within half a step of the
// grid point of the maximum. Where it does not (a shoulder on a neighbour's flank, the ends of the
// curve), the listed position p and the parabola's height there.
Gipfel Gipfel_Suchen(const clsMath& math, int32_t c, float p)
{
    const double y = math.Y_ohne_Baseline(c);
    if (c <= 1 || c >= math.Punkte() || math.Delta_X() == 0.0f) return {p, y};
    const double links = math.Y_ohne_Baseline(c - 1);
    const double rechts = math.Y_ohne_Baseline(c + 1);
    const bool logarithmisch = links > 0.0 && y > 0.0 && rechts > 0.0;
    const auto wert = [logarithmisch](double v) { return logarithmisch ? std::log(v) : v; };
    const double l = wert(links), m = wert(y), r = wert(rechts);
    const auto parabel = [&](double t) {
        const double v = m + t * (r - l) / 2.0 + t * t * (r + l - 2.0 * m) / 2.0;
        return logarithmisch ? std::exp(v) : v;
    };
    const double kruemmung = r + l - 2.0 * m;
    if (kruemmung < 0.0) {
        const double t = (l - r) / (2.0 * kruemmung);
        if (std::fabs(t) <= 0.5) return {math.x(c) + t * math.Delta_X(), parabel(t)};
    }
    return {p, parabel(double(p) / math.Delta_X() + 1.0 - c)};
}

// The noise of one point of the curve: the spread of its second differences, which a curve smooth
// over a few grid steps keeps small, taken by their median so that the peaks do not count.
double Rauschen(const clsMath& math)
{
    std::vector<double> d;
    for (int32_t i = 2; i < math.Punkte(); ++i) {
        const double zweite = double(math.Y_ohne_Baseline(i - 1)) - 2.0 * math.Y_ohne_Baseline(i) + math.Y_ohne_Baseline(i + 1);
        d.push_back(std::fabs(zweite));
    }
    if (d.empty()) return 0.0;
    const auto mitte = d.begin() + static_cast<std::ptrdiff_t>(d.size() / 2);
    std::nth_element(d.begin(), mitte, d.end());
    // A normal spread is 1.4826 median absolute values; a second difference spreads √6 points' noise.
    return 1.4826 * *mitte / std::sqrt(6.0);
}

// Where the curve, walking from grid point c in direction schritt (−1 left, +1 right), falls to
// halb: between the first point at or below it and its inner neighbour, linearly interpolated.
// None where that side is blocked: the curve rises again by more than anstieg (another peak's
// flank) before falling that far, or ends first.
std::optional<double> Flanke(const clsMath& math, int32_t c, int32_t schritt, double halb, double anstieg)
{
    double tiefster = math.Y_Gemittelt(c);
    for (int32_t j = c; j >= 1 && j <= math.Punkte(); j += schritt) {
        const double y = math.Y_ohne_Baseline(j);
        if (y <= halb) {
            if (j == c) return math.x(c);
            const double innen = math.Y_ohne_Baseline(j - schritt);
            const double anteil = innen > y ? std::clamp((halb - y) / (innen - y), 0.0, 1.0) : 0.0;
            return math.x(j) - schritt * anteil * math.Delta_X();
        }
        const double mittel = math.Y_Gemittelt(j);
        if (mittel > tiefster + anstieg) return std::nullopt;
        tiefster = std::min(tiefster, mittel);
    }
    return std::nullopt;
}

// Whether the listed neighbour at grid point n is a peak of its own beside the top at c: not where
// both are maxima of the noise on one top, as high as each other within anstieg and with no valley
// between them deeper than that.
bool Eigener_Gipfel(const clsMath& math, int32_t c, int32_t n, double anstieg)
{
    if (n < 1 || n > math.Punkte() || std::fabs(math.Y_Gemittelt(n) - math.Y_Gemittelt(c)) > anstieg) return true;
    const double tiefer = std::min(math.Y_Gemittelt(c), math.Y_Gemittelt(n));
    for (int32_t j = std::min(c, n); j <= std::max(c, n); ++j)
        if (math.Y_Gemittelt(j) < tiefer - anstieg) return true;
    return false;
}

}

float clsGauss::Y_Gauss(float x, int32_t Index) const
{
    const GaussPeak* peak = Peak(Index);
    if (!peak || peak->W == 0.0f) return 0.0f;
    const double d = double(x) - peak->x;
    const double versatz = y0_ != 0.0f ? y0_ : peak->y0_Peak;
    const double glocke = std::exp(-0.5 * d * d / peak->W / peak->W);
    return static_cast<float>(peak->A / (peak->W * kWurzelPiHalbe) * glocke + versatz);
}

void clsGauss::Messen(GaussPeak& peak, const clsMath& math, double rauschen, std::optional<float> nachbarLinks,
                      std::optional<float> nachbarRechts)
{
    // Unmeasured until both half-height positions are known: no Gauss curve, pruned unless fixed.
    peak.W = 0.0f;
    peak.A = 0.0f;
    peak.X1 = peak.x;
    peak.X2 = peak.x;
    const int32_t c = Gitterpunkt(math, peak.x);
    if (c < 1 || c > math.Punkte()) return;
    const Gipfel gipfel = Gipfel_Suchen(math, c, peak.x);
    const double h = gipfel.h;
    if (!(h > 0.0)) {
        // Nothing stands above the baseline: the width is 0 at the peak's grid point.
        peak.X1 = peak.X2 = math.x(c);
        return;
    }
    const double anstieg = std::max(kAnstieg * h, kRauschAnstieg * rauschen / std::sqrt(std::max(1.0f, math.Fenster())));
    std::optional<double> links = Flanke(math, c, -1, h / 2.0, anstieg);
    std::optional<double> rechts = Flanke(math, c, +1, h / 2.0, anstieg);
    if (links && rechts) {
        // A listed neighbour close by raises the flank on its side with its tail; the flank away
        // from it stands for both. A peak between two such neighbours keeps its narrower flank. A
        // single peak, skewed or not, keeps both, and so does a peak whose neighbour is only
        // another maximum of the noise on its top.
        const double reichweite = kNachbarReichweite * std::min(gipfel.x - *links, *rechts - gipfel.x);
        const auto haelt = [&](std::optional<float> nachbar, int32_t seite) {
            return nachbar && seite * (*nachbar - gipfel.x) < reichweite &&
                   Eigener_Gipfel(math, c, Gitterpunkt(math, *nachbar), anstieg);
        };
        const bool linksGehalten = haelt(nachbarLinks, -1);
        const bool rechtsGehalten = haelt(nachbarRechts, +1);
        const bool rechtsWeiter = *rechts - gipfel.x > gipfel.x - *links;
        if (linksGehalten && (!rechtsGehalten || !rechtsWeiter)) links.reset();
        else if (rechtsGehalten) rechts.reset();
    }
    // A given-up side mirrors the other about the curve's top.
    if (!links && rechts) links = 2.0 * gipfel.x - *rechts;
    if (!rechts && links) rechts = 2.0 * gipfel.x - *links;
    if (!links || !rechts) return;
    peak.X1 = static_cast<float>(*links);
    peak.X2 = static_cast<float>(*rechts);
    peak.W = static_cast<float>((*rechts - *links) / kHalbwertsBreite);
    peak.A = static_cast<float>(h * peak.W * kWurzelPiHalbe);
}

bool clsGauss::Ausduennen_Durchgang(const clsMath& math)
{
    const auto frei = [this](int32_t i) { return Peak(i)->Fixiert == 0; };
    // The curve's most prominent peak (the main peak of I(K), the first shell of G(r)) is never
    // noise, however narrow the noise measures it.
    const int32_t hauptpeak = Prominentester(math);
    const auto zu_klein = [&](int32_t i, float breite, float amplitude) {
        return frei(i) && i != hauptpeak && (Peak(i)->W <= breite || Peak(i)->A <= amplitude);
    };
    if (kurve_ == KT_IK) {
        // The last peak goes only as the close partner of its left neighbour.
        for (int32_t i = 1; Peak(i + 1); ++i) {
            if (Peak(i + 1)->x - Peak(i)->x <= kIK_Abstand && frei(i) && frei(i + 1))
                return Ausduennen_Entfernen(Weniger_Herausragend(math, i, i + 1));
            if (zu_klein(i, kIK_Breite, kIK_Amplitude)) return Ausduennen_Entfernen(i);
        }
    } else if (kurve_ == KT_GR) {
        for (int32_t i = 1; Peak(i); ++i)
            if (zu_klein(i, kGR_Breite, kGR_Amplitude)) return Ausduennen_Entfernen(i);
    }
    return Hinter_Luecke_Entfernen(hauptpeak);
}

int32_t clsGauss::Prominentester(const clsMath& math) const
{
    int32_t hoechster = 0;
    double prominenz = 0.0;
    for (int32_t i = 1; Peak(i); ++i) {
        const double p = math.Prominenz(Gitterpunkt(math, Peak(i)->x));
        if (p > prominenz) hoechster = i, prominenz = p;
    }
    return hoechster;
}

bool clsGauss::Hinter_Luecke_Entfernen(int32_t start)
{
    if (!schalentakt_ || !Peak(start)) return false;
    for (const int32_t schritt : {+1, -1}) {
        double letzter = Peak(start)->x, weitester = 0.0;
        int32_t abstaende = 0;
        for (int32_t i = start + schritt; Peak(i); i += schritt) {
            const double abstand = std::fabs(Peak(i)->x - letzter);
            const auto dazwischen = [&](float x) { return (x - letzter) * (x - Peak(i)->x) < 0.0; };
            if (Hinter_Luecke(abstand, weitester, abstaende) && Peak(i)->Fixiert == 0 &&
                std::any_of(entfernt_.begin(), entfernt_.end(), dazwischen))
                return Ausduennen_Entfernen(i);
            weitester = std::max(weitester, abstand);
            ++abstaende;
            letzter = Peak(i)->x;
        }
    }
    return false;
}

bool clsGauss::Ausduennen_Entfernen(int32_t Index)
{
    if (Peak(Index)) entfernt_.push_back(Peak(Index)->x);
    return Remove(Index);
}

void clsGauss::Schultern_Schaetzen(const clsMath& math)
{
    for (int32_t j = 1; Peak(j + 1); ++j) {
        const GaussPeak& hoeher = *Peak(j);
        GaussPeak& schulter = *Peak(j + 1);
        if (!(hoeher.X2 > schulter.X1)) continue;
        ++schultern_;
        if (!(math.Y_ohne_Baseline(Gitterpunkt(math, hoeher.x)) > math.Y_ohne_Baseline(Gitterpunkt(math, schulter.x))))
            continue;
        if (schulter.W == 0.0f) continue;
        // Each point of the shoulder's half-height range, less the higher peak's Gauss curve,
        // gives an amplitude of a Gauss curve at the shoulder's position.
        double summe = 0.0;
        int32_t anzahl = 0;
        for (int32_t k = Gitterpunkt(math, schulter.X1); k <= Gitterpunkt(math, schulter.X2); ++k) {
            const double rest = double(math.Y_ohne_Baseline(k)) - Y_Gauss(math.x(k), j);
            const double d = double(math.x(k)) - schulter.x;
            const double e = std::exp(-0.5 * d * d / schulter.W / schulter.W);
            if (e == 0.0) continue;
            summe += rest / e * schulter.W * kWurzelPiHalbe;
            ++anzahl;
        }
        if (anzahl == 0) continue;
        schulter.A = static_cast<float>(summe / anzahl);
        schulter.IsSchulter = true;
    }
}

int32_t clsGauss::Weniger_Herausragend(const clsMath& math, int32_t links, int32_t rechts) const
{
    // A maximum of the noise on the flank of a narrow peak lies close to its top: the top stays.
    const int32_t a = Gitterpunkt(math, Peak(links)->x), b = Gitterpunkt(math, Peak(rechts)->x);
    const double pa = math.Prominenz(a), pb = math.Prominenz(b);
    if (pa != pb) return pa < pb ? links : rechts;
    return math.Y_ohne_Baseline(a) < math.Y_ohne_Baseline(b) ? links : rechts;
}

bool clsGauss::Ausduennen(const clsMath& math)
{
    bool entfernt = false;
    while (Ausduennen_Durchgang(math)) entfernt = true;
    return entfernt;
}

void clsGauss::Messen_Alle(const clsMath& math, double rauschen, bool nebenNachbarn)
{
    for (int32_t i = 1; Peak(i); ++i) {
        // The nearest listed positions on either side.
        std::optional<float> links, rechts;
        const float x = Peak(i)->x;
        for (int32_t k = 1; nebenNachbarn && Peak(k); ++k) {
            const float xk = Peak(k)->x;
            if (xk < x && (!links || xk > *links)) links = xk;
            if (xk > x && (!rechts || xk < *rechts)) rechts = xk;
        }
        Messen(*Peak(i), math, rauschen, links, rechts);
    }
}

bool clsGauss::Berechnen()
{
    schultern_ = 0;
    entfernt_.clear();
    if (!gMath) return true;
    const clsMath& math = *gMath;
    const double rauschen = Rauschen(math);
    // Each peak alone first: the maxima of noise on a curve are neighbours only while they are listed,
    // and the pruning takes most of them. Then the peaks that stay are measured beside each other
    // until the pruning keeps them all.
    Messen_Alle(math, rauschen, false);
    int32_t n = 0;
    while (Peak(n + 1)) ++n;
    const auto links = [](const GaussPeak& a, const GaussPeak& b) { return a.x < b.x; };
    std::stable_sort(peaks_.begin(), peaks_.begin() + n, links);
    // Only a list of one peak a shell has a rhythm whose gaps tell where the shells fade.
    std::vector<int32_t> schalen;
    for (int32_t i = 1; i <= n; ++i) schalen.push_back(math.Gipfel(Gitterpunkt(math, Peak(i)->x)));
    schalentakt_ = std::adjacent_find(schalen.begin(), schalen.end()) == schalen.end();
    Ausduennen(math);
    do Messen_Alle(math, rauschen, true);
    while (Ausduennen(math));
    Schultern_Schaetzen(math);
    return true;
}
