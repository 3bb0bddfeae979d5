// The test curves of the test-curve panel and the peak distances of the Fourier panel.
#include "analysis/Testkurve.h"

#include "analysis/clsGR.h"
#include "analysis/clsGauss.h"
#include "analysis/clsIK.h"
#include "analysis/clsMath.h"
#include "core/Guarded.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/modCommon.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kModul = "Testkurve";
constexpr double kZweiPi = 6.28318530717958;
constexpr double kPi = 3.14159265358979;
constexpr double kVierPi = 12.56637061435916;

// (<f>² − <f²>) / <f>² at one point. <f> is squared in single precision like the stored <f>², so
// that a single element gives exactly 0.
double Gasterm(float f2m, float fmk, float fm2)
{
    if (fm2 == 0.0f) return 0.0;
    const float fmkQuadrat = fmk * fmk;
    return (double(fmkQuadrat) - f2m) / fm2;
}

}

std::optional<float> Sinus_Wellenzahl(float p)
{
    if (p == 0.0f || !std::isfinite(p)) return std::nullopt;
    return static_cast<float>(kZweiPi / ((double(p) / 5.0) * 4.0));
}

std::vector<float> Peaksumme(const clsGauss& peaks, std::span<const float> x)
{
    std::vector<float> y(x.size(), 0.0f);
    for (int32_t p = 1; p <= peaks.Anzahl(); ++p)
        for (size_t i = 0; i < x.size(); ++i) y[i] += peaks.Y_Gauss(x[i], p);
    return y;
}

std::vector<float> Gas_Basis(std::span<const float> f2m, std::span<const float> fmk, std::span<const float> fm2)
{
    const size_t n = std::min({f2m.size(), fmk.size(), fm2.size()});
    std::vector<float> g(n, 0.0f);
    if (n == 0) return g;
    double norm = -Gasterm(f2m[0], fmk[0], fm2[0]);
    if (std::fabs(norm) < 1e-12) norm = 1.0;
    for (size_t i = 0; i < n; ++i) g[i] = static_cast<float>(Gasterm(f2m[i], fmk[i], fm2[i]) / norm);
    return g;
}

std::vector<float> Test_GR(const clsGauss& peaks, std::span<const Sinusterm> sinus, std::span<const float> r,
                           double rho)
{
    std::vector<float> y = Peaksumme(peaks, r);
    if (y.empty()) return y;
    for (const Sinusterm& s : sinus)
        for (size_t i = 0; i < r.size(); ++i) y[i] = static_cast<float>(y[i] + s.A * std::sin(double(r[i]) * s.d));
    const double rN = r.back();
    for (size_t i = 0; i < r.size(); ++i) {
        // With a single point the whole range is its end.
        const double fenster = rN > 0.0 ? std::pow(std::cos(kPi * r[i] / rN) / 2.0 + 0.5, 20) : 0.0;
        y[i] = static_cast<float>(fenster * (r[i] * kVierPi * rho * y[i]));
    }
    return y;
}

void Testkurve_IK_Setzen(const clsGauss& peaks, bool gasBasis)
{
    Guarded(kModul, "Testkurve_IK_Setzen", [&] {
        clsIK& ik = rt::Object(gIK);
        const int32_t n = ik.Punkte();
        std::vector<float> K(static_cast<size_t>(n));
        for (int32_t i = 1; i <= n; ++i) K[static_cast<size_t>(i - 1)] = ik.x(i);
        std::vector<float> y = Peaksumme(peaks, K);
        if (gasBasis) {
            const clsFMK& fmk = rt::Object(gFMK);
            std::vector<float> f2m(K.size()), f(K.size()), fm2(K.size());
            for (int32_t i = 1; i <= n; ++i) {
                const auto j = static_cast<size_t>(i - 1);
                f2m[j] = fmk.f2m_Y(i);
                f[j] = fmk.fmk_Y(i);
                fm2[j] = fmk.fm2_Y(i);
            }
            const std::vector<float> gas = Gas_Basis(f2m, f, fm2);
            for (size_t j = 0; j < y.size(); ++j) y[j] += gas[j];
        }
        for (int32_t i = 1; i <= n; ++i) ik.Set_Y(i, y[static_cast<size_t>(i - 1)]);
    });
}

void Testkurve_GR_Setzen(const clsGauss& peaks, std::span<const Sinusterm> sinus)
{
    Guarded(kModul, "Testkurve_GR_Setzen", [&] {
        clsGR& gr = rt::Object(gGR);
        const int32_t n = gr.Punkte();
        gr.Clear();
        std::vector<float> r(static_cast<size_t>(n));
        for (int32_t i = 1; i <= n; ++i) r[static_cast<size_t>(i - 1)] = gr.R(i);
        const std::vector<float> y = Test_GR(peaks, sinus, r, rt::Object(gMFE).Dichte_Theoretisch());
        for (int32_t i = 1; i <= n; ++i) gr.Set_Y(i, y[static_cast<size_t>(i - 1)]);
    });
}

std::vector<float> Peakabstaende_K()
{
    return Guarded(kModul, "Peakabstaende_K", [] {
        std::vector<float> K;
        if (rt::Object(gGR).Anzahl_FFT() < 1) return K;
        if (!gMath) gMath = std::make_unique<clsMath>();
        clsMath& math = *gMath;
        clsGauss& gauss = rt::Object(gGauss);
        math.CopyArrayFromCurve(KT_GR);
        gauss.setKurve(KT_GR);
        math.Glaetten(1E+11f);
        math.Baseline_Berechnen();
        math.Ableitungen_Berechnen(false, true);
        math.Search_Peaks_Ungeschuetzt(0, 0.0f, false);
        for (int32_t i = 1; i < gauss.Anzahl(); ++i)
            K.push_back(static_cast<float>(kZweiPi / (double(gauss.x(i + 1)) - gauss.x(i))));
        return K;
    });
}
