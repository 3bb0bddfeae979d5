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

namespace {

// √(π/2): a Gauss curve of width W and height h has the amplitude h·W·√(π/2).
constexpr double kWurzelPiHalbe = 1.2533141373155;
// A Gauss curve's standard deviation W is its full width at half height over 2·√(2·ln 2).
constexpr double kHalbwertsBreite = 2.3548200450309493;
// The left search gives up where the curve is higher this many points further left.
constexpr int32_t kAnstiegAbstand = 10;
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

// Half the full width at half height: from the centre c to where the curve crosses half height
// between the found point and its inner neighbour, linearly interpolated, so that the width does
// not grow by up to a grid step on each side.
double Halbe_Breite(const clsMath& math, int32_t c, int32_t aussen, int32_t innen)
{
    const double halb = math.Y_ohne_Baseline(c) / 2.0;
    const double ya = math.Y_ohne_Baseline(aussen);
    const double yi = math.Y_ohne_Baseline(innen);
    double anteil = 0.0;  // of the step from the outer point towards the inner one
    if (aussen != c && yi > ya) anteil = std::clamp((halb - ya) / (yi - ya), 0.0, 1.0);
    const double schritt = std::fabs(double(math.x(innen)) - math.x(aussen));
    return std::fabs(double(math.x(aussen)) - math.x(c)) - anteil * schritt;
}

struct HalbeHoehe {
    int32_t links = 0;
    int32_t rechts = 0;
    double halbeBreite = 0.0;
};

// The left and right grid points where the curve has fallen to half the height at c, mirrored
// about c, and half the width there; false when it does not fall that far on either side.
bool Halbe_Hoehe(const clsMath& math, int32_t c, HalbeHoehe& h)
{
    const float halb = math.Y_ohne_Baseline(c) / 2.0f;
    for (int32_t j = c; j >= 1; --j) {
        const float y = math.Y_ohne_Baseline(j);
        if (y <= halb) {
            h = {j, 2 * c - j, Halbe_Breite(math, c, j, std::min(j + 1, c))};
            return true;
        }
        // Near the start of the curve there is nothing to look back on.
        if (j > kAnstiegAbstand && math.Y_ohne_Baseline(j - kAnstiegAbstand) > y) break;
    }
    for (int32_t j = c; j <= math.Punkte(); ++j) {
        if (math.Y_ohne_Baseline(j) <= halb) {
            h = {2 * c - j, j, Halbe_Breite(math, c, j, std::max(j - 1, c))};
            return true;
        }
    }
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

void clsGauss::Messen(GaussPeak& peak, const clsMath& math)
{
    const int32_t c = Gitterpunkt(math, peak.x);
    HalbeHoehe h;
    if (c < 1 || c > math.Punkte() || !Halbe_Hoehe(math, c, h)) {
        // Unmeasured: no Gauss curve, and pruned unless fixed.
        peak.W = 0.0f;
        peak.A = 0.0f;
        peak.X1 = peak.x;
        peak.X2 = peak.x;
        return;
    }
    peak.X1 = math.x(h.links);
    peak.X2 = math.x(h.rechts);
    peak.W = static_cast<float>(2.0 * h.halbeBreite / kHalbwertsBreite);
    peak.A = static_cast<float>(double(math.Y_ohne_Baseline(c)) * peak.W * kWurzelPiHalbe);
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
