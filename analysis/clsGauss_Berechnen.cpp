// The Gauss curve of a peak, and the Gauss estimate of the listed peaks on the baseline-free curve
// of gMath: each peak's width at half height, the list sorted by position, the peaks too close,
// too narrow or too small pruned, and the amplitudes of shoulders that overlap a higher neighbour.
#include "analysis/clsGauss.h"

#include "analysis/clsMath.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/modCommon.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// √(π/2): a Gauss curve of width W and height h has the amplitude h·W·√(π/2).
constexpr double kWurzelPiHalbe = 1.2533141373155;
// A Gauss curve's standard deviation W is its full width at half height over 2·√(2·ln 2).
constexpr double kHalbwertsBreite = 2.3548200450309493;
// A half-height search gives up where the curve is higher this many points further out.
constexpr int32_t kAnstiegAbstand = 10;
// A flank whose half height lies this much further out than the other's is a neighbour's shoulder.
constexpr double kSchulterSpiel = 0.1;
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

// The curve's height at position p near grid point c: the parabola through c and its neighbours,
// so that a peak between grid points is measured at its own height (the grid point's value at the
// ends of the curve).
double Hoehe(const clsMath& math, int32_t c, float p)
{
    const double y = math.Y_ohne_Baseline(c);
    if (c <= 1 || c >= math.Punkte() || math.Delta_X() == 0.0f) return y;
    const double t = double(p) / math.Delta_X() + 1.0 - c;  // within half a step
    const double links = math.Y_ohne_Baseline(c - 1);
    const double rechts = math.Y_ohne_Baseline(c + 1);
    return y + t * (rechts - links) / 2.0 + t * t * (rechts + links - 2.0 * y) / 2.0;
}

// Where the curve, walking from grid point c in direction schritt (−1 left, +1 right), falls to
// halb: between the first point at or below it and its inner neighbour, linearly interpolated.
// None where that side is blocked: the curve rises again ten points further out (another peak's
// flank) before falling that far, or ends first.
std::optional<double> Flanke(const clsMath& math, int32_t c, int32_t schritt, double halb)
{
    for (int32_t j = c; j >= 1 && j <= math.Punkte(); j += schritt) {
        const double y = math.Y_ohne_Baseline(j);
        if (y <= halb) {
            if (j == c) return math.x(c);
            const double innen = math.Y_ohne_Baseline(j - schritt);
            const double anteil = innen > y ? std::clamp((halb - y) / (innen - y), 0.0, 1.0) : 0.0;
            return math.x(j) - schritt * anteil * math.Delta_X();
        }
        const int32_t weiter = j + schritt * kAnstiegAbstand;
        if (weiter >= 1 && weiter <= math.Punkte() && math.Y_ohne_Baseline(weiter) > y) return std::nullopt;
    }
    return std::nullopt;
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

void clsGauss::Messen(GaussPeak& peak, const clsMath& math)
{
    // Unmeasured until both half-height positions are known: no Gauss curve, pruned unless fixed.
    peak.W = 0.0f;
    peak.A = 0.0f;
    peak.X1 = peak.x;
    peak.X2 = peak.x;
    const int32_t c = Gitterpunkt(math, peak.x);
    if (c < 1 || c > math.Punkte()) return;
    const double h = Hoehe(math, c, peak.x);
    if (!(h > 0.0)) {
        // Nothing stands above the baseline: the width is 0 at the peak's grid point.
        peak.X1 = peak.X2 = math.x(c);
        return;
    }
    std::optional<double> links = Flanke(math, c, -1, h / 2.0);
    std::optional<double> rechts = Flanke(math, c, +1, h / 2.0);
    if (links && rechts) {
        // A flank that a neighbour holds up (a shoulder) reaches half height much further out than
        // the other one, which then stands for both. A grid step is allowed for a peak position
        // up to half a step beside the curve's top.
        const double naeher = std::min(peak.x - *links, *rechts - peak.x);
        const double spiel = math.Delta_X() + kSchulterSpiel * naeher;
        if (*rechts - peak.x > naeher + spiel) rechts.reset();
        else if (peak.x - *links > naeher + spiel) links.reset();
    }
    // A blocked side mirrors the other about the peak.
    if (!links && rechts) links = 2.0 * peak.x - *rechts;
    if (!rechts && links) rechts = 2.0 * peak.x - *links;
    if (!links || !rechts) return;
    peak.X1 = static_cast<float>(*links);
    peak.X2 = static_cast<float>(*rechts);
    peak.W = static_cast<float>((*rechts - *links) / kHalbwertsBreite);
    peak.A = static_cast<float>(h * peak.W * kWurzelPiHalbe);
}

bool clsGauss::Ausduennen_Durchgang()
{
    const auto frei = [this](int32_t i) { return Peak(i)->Fixiert == 0; };
    if (kurve_ == KT_IK) {
        // The last peak goes only as the close partner of its left neighbour.
        for (int32_t i = 1; Peak(i + 1); ++i) {
            if (Peak(i + 1)->x - Peak(i)->x <= kIK_Abstand && frei(i) && frei(i + 1)) return Remove(i + 1);
            if (Peak(i)->W <= kIK_Breite && frei(i)) return Remove(i);
            if (Peak(i)->A <= kIK_Amplitude && frei(i)) return Remove(i);
        }
    } else if (kurve_ == KT_GR) {
        for (int32_t i = 1; Peak(i); ++i) {
            if (Peak(i)->W <= kGR_Breite && frei(i)) return Remove(i);
            if (Peak(i)->A <= kGR_Amplitude && frei(i)) return Remove(i);
        }
    }
    return false;
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

bool clsGauss::Berechnen()
{
    schultern_ = 0;
    if (!gMath) return true;
    const clsMath& math = *gMath;
    // The listed peaks: those counted that have a record.
    int32_t n = 0;
    while (Peak(n + 1)) Messen(*Peak(++n), math);
    const auto links = [](const GaussPeak& a, const GaussPeak& b) { return a.x < b.x; };
    std::stable_sort(peaks_.begin(), peaks_.begin() + n, links);
    while (Ausduennen_Durchgang()) {
    }
    Schultern_Schaetzen(math);
    return true;
}
