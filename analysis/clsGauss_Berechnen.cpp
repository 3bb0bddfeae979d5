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
#include <utility>
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
// A flank has fallen to half height for good where the average lies this many times the noise of
// one average below it.
constexpr double kRauschSpiel = 3.0;
// The noise about a peak is measured over this many windows on either side of it.
constexpr double kRauschUmkreis = 10.0;
// A listed neighbour nearer than this many half widths (of the peak's narrower flank) holds up the
// flank on its side with its own tail.
constexpr double kNachbarReichweite = 4.0;
// Pruning of I(K) peaks (1/nm) and of G(r) peaks (nm).
constexpr float kIK_Abstand = 2.0f;
constexpr float kIK_Breite = 1.0f;
constexpr float kIK_Amplitude = 0.004f;
// An I(K) peak whose half-height points lie less than this many grid steps apart is the noise's.
constexpr float kNadelSchritte = 3.0f;
constexpr float kGR_Breite = 0.001f;
constexpr float kGR_Amplitude = 0.09f;

// The grid point of position p on the curve of gMath; 0 (outside the curve) without a grid.
int32_t Gitterpunkt(const clsMath& math, float p)
{
    const double punkt = double(p) / math.Delta_X() + 1.0;
    if (math.Delta_X() == 0.0f || !std::isfinite(punkt) || std::fabs(punkt) > 2E9) return 0;
    return rt::CLng(punkt);
}

// The height of point i on the curve a peak is measured on: the drawn one, or its average where
// the noise decides the drawn one's top and flanks.
double Hoehe(const clsMath& math, int32_t i, bool gemittelt)
{
    return gemittelt ? math.Y_Gemittelt(i) : math.Y_ohne_Baseline(i);
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
Gipfel Gipfel_Suchen(const clsMath& math, int32_t c, float p, bool gemittelt)
{
    const double y = Hoehe(math, c, gemittelt);
    if (c <= 1 || c >= math.Punkte() || math.Delta_X() == 0.0f) return {p, y};
    const double links = Hoehe(math, c - 1, gemittelt);
    const double rechts = Hoehe(math, c + 1, gemittelt);
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

// The noise of one point of the curve: the spread of its differences of the given order, which a
// curve smooth over a few grid steps keeps small, the more so the higher the order, taken by their
// median so that the peaks do not count.
double Rauschen(const clsMath& math, int32_t ordnung)
{
    std::vector<double> gewicht{1.0};  // the binomial weights of the difference, alternating
    for (int32_t k = 0; k < ordnung; ++k) {
        gewicht.push_back(0.0);
        for (size_t j = gewicht.size() - 1; j > 0; --j) gewicht[j] -= gewicht[j - 1];
    }
    double quadrate = 0.0;
    for (const double g : gewicht) quadrate += g * g;
    std::vector<double> d;
    for (int32_t i = 1; i + ordnung <= math.Punkte(); ++i) {
        double differenz = 0.0;
        for (int32_t j = 0; j <= ordnung; ++j) differenz += gewicht[size_t(j)] * math.Y_ohne_Baseline(i + j);
        d.push_back(std::fabs(differenz));
    }
    // A difference spreads the points' noise by the root of its weights' squares.
    return Robuste_Streuung(std::move(d)) / std::sqrt(quadrate);
}

// The noise of one point of the curve about grid point c: the spread of the curve about its average
// within ten windows, taken by its median so that the peaks do not count.
double Rauschen_Um(const clsMath& math, int32_t c)
{
    const int32_t umkreis = static_cast<int32_t>(std::ceil(kRauschUmkreis * math.Fenster()));
    std::vector<double> abstand;
    for (int32_t i = std::max(1, c - umkreis); i <= std::min(math.Punkte(), c + umkreis); ++i)
        abstand.push_back(std::fabs(double(math.Y_ohne_Baseline(i)) - math.Y_Gemittelt(i)));
    // The average holds a share 1/Fenster of the point itself.
    return Robuste_Streuung(std::move(abstand)) / std::sqrt(std::max(0.5, 1.0 - 1.0 / math.Fenster()));
}

// Where the curve, walking from grid point c in direction schritt (−1 left, +1 right), falls to
// halb for good: between the last point at or below it, before the curve lies more than spiel
// below it, and its inner neighbour, linearly interpolated (with spiel 0 the first point at or
// below it). None where that side is blocked: the curve rises again by more than anstieg (another
// peak's flank) before falling that far, or ends first.
std::optional<double> Flanke(const clsMath& math, int32_t c, int32_t schritt, double halb, double anstieg, bool gemittelt,
                             double spiel)
{
    double tiefster = math.Y_Gemittelt(c);
    std::optional<double> kreuzung;
    for (int32_t j = c; j >= 1 && j <= math.Punkte(); j += schritt) {
        const double y = Hoehe(math, j, gemittelt);
        if (y <= halb) {
            const double innen = Hoehe(math, j - schritt, gemittelt);
            if (j == c) kreuzung = math.x(c);
            else if (innen > halb) kreuzung = math.x(j) - schritt * std::clamp((halb - y) / (innen - y), 0.0, 1.0) * math.Delta_X();
            if (y <= halb - spiel) return kreuzung;
        }
        const double mittel = math.Y_Gemittelt(j);
        if (mittel > tiefster + anstieg) return kreuzung;
        tiefster = std::min(tiefster, mittel);
    }
    return kreuzung;
}

// How far the averaged curve must rise again to be another peak's flank beside a top of height h,
// on a curve whose points carry noise of spread rauschen.
double Anstieg(const clsMath& math, double h, double rauschen)
{
    return std::max(kAnstieg * h, kRauschAnstieg * rauschen / std::sqrt(std::max(1.0f, math.Fenster())));
}

// The top of the average that grid point c leads up to: the highest point of the stretch about
// the top that the way uphill reaches where the average stays within a rise (Anstieg) of it, and
// above half its height. On a broad noisy top the way uphill ends on a small top of the noise,
// which no valley parts from the higher ground beside it.
int32_t Top_Des_Mittels(const clsMath& math, int32_t c)
{
    while (c > 1 && math.Y_Gemittelt(c - 1) > math.Y_Gemittelt(c)) --c;
    while (c < math.Punkte() && math.Y_Gemittelt(c + 1) > math.Y_Gemittelt(c)) ++c;
    const double h = math.Y_Gemittelt(c);
    const double grenze = std::max(h - Anstieg(math, h, Rauschen_Um(math, c)), h / 2.0);
    int32_t hoechster = c;
    for (const int32_t schritt : {-1, +1})
        for (int32_t j = c; j >= 1 && j <= math.Punkte() && math.Y_Gemittelt(j) >= grenze; j += schritt)
            if (math.Y_Gemittelt(j) > math.Y_Gemittelt(hoechster)) hoechster = j;
    return hoechster;
}

// Where the drawn curve has its top between links and rechts, the half-height points of a peak whose
// highest point the noise decides: the vertex of the parabola fitted to it there by least squares,
// which all the points above half height pin down. None where the fit has no top in that range.
std::optional<double> Scheitel(const clsMath& math, double links, double rechts)
{
    const double mitte = (links + rechts) / 2.0;
    double s[5] = {}, t[3] = {};  // Σu^k and Σy·u^k about the middle, u in grid steps
    for (int32_t i = Gitterpunkt(math, static_cast<float>(links)); i <= Gitterpunkt(math, static_cast<float>(rechts)); ++i) {
        if (i < 1 || i > math.Punkte()) continue;
        const double u = (math.x(i) - mitte) / math.Delta_X(), y = math.Y(i);
        for (int k = 0; k < 5; ++k) s[k] += std::pow(u, k);
        for (int k = 0; k < 3; ++k) t[k] += y * std::pow(u, k);
    }
    // The normal equations of y = a + b·u + c·u², solved by Cramer's rule.
    const auto det = [](double a, double b, double c, double d, double e, double f, double g, double h, double i) {
        return a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
    };
    const double n = det(s[0], s[1], s[2], s[1], s[2], s[3], s[2], s[3], s[4]);
    if (s[0] < 5.0 || n == 0.0) return std::nullopt;
    const double b = det(s[0], t[0], s[2], s[1], t[1], s[3], s[2], t[2], s[4]) / n;
    const double c = det(s[0], s[1], t[0], s[1], s[2], t[1], s[2], s[3], t[2]) / n;
    if (!(c < 0.0)) return std::nullopt;
    const double scheitel = mitte - b / (2.0 * c) * math.Delta_X();
    if (scheitel < links || scheitel > rechts) return std::nullopt;
    return scheitel;
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

// A peak measured at grid point c: its top and where it falls to half height on either side (none
// where the side is blocked and the other one is too).
struct Messung {
    Gipfel gipfel;
    std::optional<double> links, rechts;
};

Messung Vermessen(const clsMath& math, int32_t c, float p, double rauschen, bool gemittelt,
                  std::optional<float> nachbarLinks, std::optional<float> nachbarRechts)
{
    Messung m{Gipfel_Suchen(math, c, p, gemittelt), std::nullopt, std::nullopt};
    const double h = m.gipfel.h;
    if (!(h > 0.0)) return m;
    // On the average, the noise about the peak: where counting noise grows along the curve, the
    // curve's median noise is less than the one here. A crossing that the average comes back from
    // is a dip of that noise.
    const double rauschenHier = gemittelt ? Rauschen_Um(math, c) : rauschen;
    const double anstieg = Anstieg(math, h, rauschenHier);
    std::optional<double>& links = m.links;
    std::optional<double>& rechts = m.rechts;
    const double spiel = gemittelt ? kRauschSpiel * rauschenHier / std::sqrt(std::max(1.0f, math.Fenster())) : 0.0;
    links = Flanke(math, c, -1, h / 2.0, anstieg, gemittelt, spiel);
    rechts = Flanke(math, c, +1, h / 2.0, anstieg, gemittelt, spiel);
    const double top = m.gipfel.x;
    if (links && rechts) {
        // A listed neighbour close by raises the flank on its side with its tail; the flank away
        // from it stands for both. A peak between two such neighbours keeps its narrower flank. A
        // single peak, skewed or not, keeps both, and so does a peak whose neighbour is only
        // another maximum of the noise on its top.
        const double reichweite = kNachbarReichweite * std::min(top - *links, *rechts - top);
        const auto haelt = [&](std::optional<float> nachbar, int32_t seite) {
            return nachbar && seite * (*nachbar - top) < reichweite &&
                   Eigener_Gipfel(math, c, Gitterpunkt(math, *nachbar), anstieg);
        };
        const bool linksGehalten = haelt(nachbarLinks, -1);
        const bool rechtsGehalten = haelt(nachbarRechts, +1);
        const bool rechtsWeiter = *rechts - top > top - *links;
        if (linksGehalten && (!rechtsGehalten || !rechtsWeiter)) links.reset();
        else if (rechtsGehalten) rechts.reset();
    }
    // A given-up side mirrors the other about the curve's top.
    if (!links && rechts) links = 2.0 * top - *rechts;
    if (!rechts && links) rechts = 2.0 * top - *links;
    return m;
}

// Takes the measurement m of a peak over where both half-height positions are known.
void Festhalten(GaussPeak& peak, const Messung& m)
{
    if (!m.links || !m.rechts) return;
    const double h = m.gipfel.h;
    peak.X1 = static_cast<float>(*m.links);
    peak.X2 = static_cast<float>(*m.rechts);
    peak.W = static_cast<float>((*m.rechts - *m.links) / kHalbwertsBreite);
    peak.A = static_cast<float>(h * peak.W * kWurzelPiHalbe);
}

// Whether the noise of a curve that carries it point by point decides where the peak m has its top
// and flanks on the drawn curve: it lifts a point near the top by more than the curve falls from its
// top over one grid step (and so dips a point on a flank below half height far inside the crossing).
bool Vom_Rauschen_Bestimmt(const clsMath& math, const Messung& m, double punktrauschen)
{
    if (!math.Punktweise_Verrauscht() || !m.links || !m.rechts || !(m.gipfel.h > 0.0)) return false;
    const double sigma = (*m.rechts - *m.links) / kHalbwertsBreite;
    if (!(sigma > 0.0)) return false;
    const double schritt = math.Delta_X() / sigma;
    return punktrauschen > m.gipfel.h * schritt * schritt / 2.0;
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

void clsGauss::Messen(GaussPeak& peak, const clsMath& math, Rauschpegel rauschen, std::optional<float> nachbarLinks,
                      std::optional<float> nachbarRechts)
{
    // Unmeasured until both half-height positions are known: no Gauss curve, pruned unless fixed.
    peak.W = 0.0f;
    peak.A = 0.0f;
    peak.X1 = peak.x;
    peak.X2 = peak.x;
    const int32_t c = Gitterpunkt(math, peak.x);
    if (c < 1 || c > math.Punkte()) return;
    Messung m = Vermessen(math, c, peak.x, rauschen.glatt, false, nachbarLinks, nachbarRechts);
    if (!(m.gipfel.h > 0.0)) {
        // Nothing stands above the baseline: the width is 0 at the peak's grid point.
        peak.X1 = peak.X2 = math.x(c);
        return;
    }
    // The average of the curve, in which the noise fades, tells whether the noise decides the
    // drawn peak's top and flanks; where it does, it has them, and the peak stands at its top, a
    // grid point whose prominence the pruning compares.
    const int32_t t = Top_Des_Mittels(math, c);
    const Messung gemittelt = Vermessen(math, t, math.x(t), rauschen.glatt, true, nachbarLinks, nachbarRechts);
    if (!Vom_Rauschen_Bestimmt(math, gemittelt, rauschen.punktweise)) return Festhalten(peak, m);
    peak.x = math.x(t);
    Festhalten(peak, gemittelt);
}

void clsGauss::Scheitel_Setzen(GaussPeak& peak, const clsMath& math, double punktrauschen)
{
    if (!(peak.W > 0.0f)) return;
    const Messung m{{peak.x, peak.A / (peak.W * kWurzelPiHalbe)}, peak.X1, peak.X2};
    if (Vom_Rauschen_Bestimmt(math, m, punktrauschen)) peak.x = static_cast<float>(Scheitel(math, peak.X1, peak.X2).value_or(peak.x));
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
        // The width and amplitude rules leave the last peak; it goes as the close partner of its
        // left neighbour, or measured a grid step or two wide: the noise's.
        int32_t i = 1;
        for (; Peak(i + 1); ++i) {
            if (Peak(i + 1)->x - Peak(i)->x <= kIK_Abstand && frei(i) && frei(i + 1))
                return Ausduennen_Entfernen(Weniger_Herausragend(math, i, i + 1));
            if (zu_klein(i, kIK_Breite, kIK_Amplitude)) return Ausduennen_Entfernen(i);
        }
        if (Peak(i) && frei(i) && i != hauptpeak && Peak(i)->W > 0.0f && Peak(i)->X2 - Peak(i)->X1 < kNadelSchritte * math.Delta_X())
            return Remove(i);
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

void clsGauss::Messen_Alle(const clsMath& math, Rauschpegel rauschen, bool nebenNachbarn)
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
    // The fourth differences tell the noise from a curve's bend over a few grid steps far better than
    // the second, on which the rises of the averaged curve have always been judged.
    const Rauschpegel rauschen{Rauschen(math, 2), Rauschen(math, 4)};
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
    // The peaks stay at the tops of the average, whose prominence the pruning compares, until the
    // list is settled.
    for (int32_t i = 1; Peak(i); ++i) Scheitel_Setzen(*Peak(i), math, rauschen.punktweise);
    Schultern_Schaetzen(math);
    return true;
}
