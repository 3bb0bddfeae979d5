// The way back from G(r) to I(K): the back-transform that the iteration mixes into the measured
// I(K), the direct back-transform of an r range, and the density from the sum rule.
#include "analysis/clsIK.h"

#include "analysis/Normierung.h"
#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "materials/clsFMK.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

constexpr const char* kModul = "clsIK";
// Without an I(K) the back-transform makes one up to this K, in 1/nm.
constexpr double kK_Ohne_IK = 150.0;
// The display maximum looks at the back-transform from this point on, past its low-K rise.
constexpr int32_t kMaximumAb = 100;

// What the transform adds to G(r) so that it leaves out the truncation oscillations: nothing
// unless they are to be removed and are computed for this G(r), and nothing when the transform
// reads a G(r) that holds them removed already.
std::vector<float> AO_Korrektur(bool aoWeg)
{
    const clsGR& gr = rt::Object(gGR);
    const bool liestGR = rt::Object(gFFT).Anzahl_FFT() == 0;
    if (!aoWeg || !gr.AO_Berechnet() || (liestGR && gr.AO_Abgezogen())) return {};
    std::vector<float> korrektur(static_cast<size_t>(gr.Punkte()));
    for (int32_t i = 1; i <= gr.Punkte(); ++i) korrektur[static_cast<size_t>(i - 1)] = -gr.yt(i);
    return korrektur;
}

}

void clsIK::RTR_Berechnen()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "RTR_Berechnen");
    try {
        const clsGR& gr = rt::Object(gGR);
        // Without a G(r) there is nothing to transform back: the I(K) there is stays as it is.
        if (gr.Punkte() == 0 && n_ > 0) return;
        gGespeichert = false;
        if (!aoWeg_) gr.Dichtegerade_Akzeptieren();
        if (n_ == 0) {
            n_ = rt::CLng(kK_Ohne_IK / gOptions->Delta_k());
            maximum_ = 0.0f;
            w_ = 1.0f;
            rt::Object(gCalc).setMaximum_X(static_cast<float>(kK_Ohne_IK));
            Ungedaempft_Setzen(std::vector<float>(static_cast<size_t>(n_), 0.0f));
            parabel_.assign(2, 0.0f);
            ftrIndex_ = n_;
        }

        clsFFT& fft = rt::Object(gFFT);
        fft.iFFT_Ungeschuetzt(AO_Korrektur(aoWeg_));
        if (!userScale_) maximum_ = fft.IK(1);
        if (gr.Anzahl_FFT() >= 1) {
            // The measured curve moves by the weight towards the back-transform.
            for (int32_t i = 1; i <= n_; ++i) {
                yRTR_[static_cast<size_t>(i - 1)] = fft.IK(i);
                y2_[static_cast<size_t>(i - 1)] = Gewichtet(i);
            }
            // From now on the curve holds back-transformed values at small K: preferring them again
            // would take each later correction there in full but only by the weight elsewhere, and
            // that tilts the density line a little more with every pass.
            y2Gemessen_ = false;
        } else {
            // A G(r) that is no transform of this I(K) (one read from a file) gives a new I(K), which
            // the damping in force damps as it damps any new one: the undamped copy and the curve
            // the transform takes stay one curve for the cut-off and the sum rule.
            std::vector<float> ik(static_cast<size_t>(n_));
            for (int32_t i = 1; i <= n_; ++i) ik[static_cast<size_t>(i - 1)] = fft.IK(i);
            Neu_Gedaempft_Setzen(std::move(ik));
        }
        if (!userScale_) {
            for (int32_t i = kMaximumAb; i <= n_; ++i) maximum_ = std::max(maximum_, yRTR_[static_cast<size_t>(i - 1)]);
            // The value of I(K) where S(K) = 0 at the first point, a little lower.
            const clsFMK& fmk = rt::Object(gFMK);
            minimum_ = fmk.fm2_Y(1) == 0.0f ? -1.5f : static_cast<float>(-double(fmk.f2m_Y(1)) / fmk.fm2_Y(1) - 0.1);
        }
        Parabel_Berechnen();
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "RTR_Berechnen", error);
    }
}

void clsIK::RTR_Berechnen_Extra(float r1, float r2)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "RTR_Berechnen_Extra");
    try {
        yRTRExtra_.assign(static_cast<size_t>(n_), 0.0f);
        if (r2 < r1) std::swap(r1, r2);
        const clsGR& gr = rt::Object(gGR);
        const double deltaR = gOptions->Delta_r();
        const double deltaK = gOptions->Delta_k();
        // The grid points at r1 and r2: r(j) = (j − 1)·Δr.
        const int32_t j1 = std::max(1, rt::CLng(r1 / deltaR) + 1);
        const int32_t j2 = std::min(gr.Punkte(), rt::CLng(r2 / deltaR) + 1);
        if (j2 < j1) return;
        // Δr·Σ G(r)·sin(K·r) is K·I(K); at K = 0 it is 0.
        for (int32_t k = 2; k <= n_; ++k) {
            double s = 0.0;
            for (int32_t j = j1; j <= j2; ++j) s += gr.Y(j) * std::sin((j - 1) * (k - 1) * deltaR * deltaK);
            yRTRExtra_[static_cast<size_t>(k - 1)] = static_cast<float>(deltaR * s / x(k));
        }
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "RTR_Berechnen_Extra", error);
    }
}

float clsIK::Dichte_IK() const
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Dichte_IK");
    try {
        if (n_ < 2) return 0.0f;
        // The normalisation's own integral: the density it was given comes back, not one that weighs
        // the curve's last point, where K² is largest, twice as much.
        const double integral = Integral_K2(n_, gOptions->Delta_k(), [this](int32_t i) { return double(Wert(y0_, i)); });
        return static_cast<float>(-integral / (2.0 * std::numbers::pi * std::numbers::pi));
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "Dichte_IK", error);
        return 0.0f;
    }
}
