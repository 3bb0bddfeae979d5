#include "analysis/clsFFT.h"

#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsPot.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "materials/clsMFE.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
// The sizes a transform may have; the options window offers 10 to 15 bits.
constexpr int32_t kMinBits = 2;
constexpr int32_t kMaxBits = 20;
// The period of the continuation's oscillation beyond the cut-off is 14 1/nm.
constexpr double kPiDurch7 = 0.44879895051282714;

}

void clsFFT::SetupFFT()
{
    const int32_t bits = gOptions->FFT_Bits();
    if (bits < kMinBits || bits > kMaxBits) rt::Raise(rt::errInvalidCall);
    bits_ = bits;
    n_ = rt::CLng(std::pow(2.0, bits));
    anzahlFFT_ = 0;
    truncationWarned_ = false;

    bitReverse_.resize(static_cast<size_t>(n_));
    for (int32_t i = 0; i < n_; ++i) bitReverse_[static_cast<size_t>(i)] = BitReverse(i, bits_);

    stages_.assign(static_cast<size_t>(2 * bits_), 0.0f);
    // The angles start from 2π held in single precision.
    const float zweiPi = static_cast<float>(2.0 * kPi);
    for (int32_t s = 1; s <= bits_; ++s) {
        const float theta = static_cast<float>(zweiPi / std::pow(2.0, s));
        const double halfSine = std::sin(theta / 2.0);
        stages_[static_cast<size_t>(2 * (s - 1))] = static_cast<float>(2.0 * halfSine * halfSine);
        stages_[static_cast<size_t>(2 * (s - 1) + 1)] = static_cast<float>(std::sin(double(theta)));
    }

    const auto size = static_cast<size_t>(n_) + 2;
    for (auto* values : {&fwdInRe_, &fwdInIm_, &fwdOutRe_, &fwdOutIm_, &invInRe_, &invInIm_, &invOutRe_, &invOutIm_})
        values->assign(size, 0.0f);
}

int32_t clsFFT::BitReverse(int32_t value, int32_t bits)
{
    int32_t result = 0;
    for (int32_t b = 0; b < bits; ++b) {
        result = 2 * result + (value & 1);
        value /= 2;
    }
    return result;
}

void clsFFT::Core(const std::vector<float>& inRe, const std::vector<float>& inIm, std::vector<float>& outRe,
                  std::vector<float>& outIm, float scale) const
{
    for (int32_t i = 0; i < n_; ++i) {
        const auto j = static_cast<size_t>(bitReverse_[static_cast<size_t>(i)]);
        outRe[j] = inRe[static_cast<size_t>(i)] * scale;
        outIm[j] = inIm[static_cast<size_t>(i)] * scale;
    }
    float* re = outRe.data();
    float* im = outIm.data();
    int32_t stage = 0;
    for (int32_t half = 1, size = 2; size <= n_; half = size, size *= 2, ++stage) {
        const float alpha = stages_[static_cast<size_t>(2 * stage)];
        const float beta = stages_[static_cast<size_t>(2 * stage + 1)];
        for (int32_t block = 0; block < n_; block += size) {
            float wr = 1.0f;
            float wi = 0.0f;
            for (int32_t m = 0; m < half; ++m) {
                const int32_t j = block + m;
                const int32_t p = j + half;
                const float tr = wr * re[p] - wi * im[p];
                const float ti = wi * re[p] + wr * im[p];
                im[p] = im[j] - ti;
                im[j] = im[j] + ti;
                re[p] = re[j] - tr;
                re[j] = re[j] + tr;
                // w := w · exp(iθ) without a fresh sine; α = 1 − cos θ keeps its precision for small θ.
                const float temp = wi * beta + wr * alpha;
                wi = wi - (alpha * wi - wr * beta);
                wr = wr - temp;
            }
        }
    }
}

void clsFFT::SetOdd(std::vector<float>& re, int32_t n, int32_t i, float v)
{
    re[static_cast<size_t>(i - 1)] = v;
    re[static_cast<size_t>(n - i + 1)] = -v;
}

void clsFFT::AddOdd(std::vector<float>& re, int32_t n, int32_t i, float v)
{
    re[static_cast<size_t>(i - 1)] += v;
    re[static_cast<size_t>(n - i + 1)] -= v;
}

void clsFFT::WarnTruncated()
{
    if (truncationWarned_) return;
    truncationWarned_ = true;
    zelo::Ui().MsgBox(gLanguage->Caption(437) + " " + rt::SingleText(gIK->x(LetzterKIndex())) + " 1/nm",
                      zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, gLoader->ApplicationName());
}

void clsFFT::FFT()
{
    if (n_ == 0) rt::Raise(rt::errSubscript);
    std::fill(fwdInRe_.begin(), fwdInRe_.end(), 0.0f);
    std::fill(fwdInIm_.begin(), fwdInIm_.end(), 0.0f);

    const int32_t F = gIK->FTR_Index();
    const int32_t S = gIK->FTR_Start_Index();
    const int32_t P = gIK->Parabel_Index();
    const bool hamming = gOptions->HammingWindow();
    // The window already brings I(K) down to the cut-off, so it replaces the continued tail.
    const bool fortsetzen = gOptions->Abbruchstelle_Daempfen() && !hamming;
    const int32_t letzter = LetzterKIndex();
    if ((fortsetzen ? std::max(F, gIK->Punkte()) : F) > letzter) WarnTruncated();

    const float kF = gIK->x(F);
    // Hamming's half window: 1 at K = 0, 0.08 at the cut-off.
    const auto fenster = [&](int32_t i) {
        return hamming && kF > 0.0f ? 0.54 + 0.46 * std::cos(kPi * gIK->x(i) / kF) : 1.0;
    };
    for (int32_t i = S; i <= std::min(F, letzter); ++i)
        SetOdd(fwdInRe_, n_, i, static_cast<float>(gIK->x(i) * gIK->Y_Wichtung(i) * fenster(i)));
    if (P > S) {
        for (int32_t i = S; i <= std::min(P, letzter); ++i)
            SetOdd(fwdInRe_, n_, i, static_cast<float>(gIK->x(i) * gIK->Y_Parabel(i) * fenster(i)));
    }
    // Beyond the cut-off I(K) goes on as a damped oscillation instead of ending in a step; at K = 0
    // (F = 1) it has no scale.
    if (fortsetzen && kF > 0.0f) {
        const int32_t ordnung = gOptions->Abbruchstelle_Ordnung();
        const double yF = gIK->Y(F);
        for (int32_t i = F; i <= std::min(gIK->Punkte(), letzter); ++i) {
            const float ratio = gIK->x(i) / kF;
            const double t = yF * std::cos(kPiDurch7 * gIK->x(i - F + 1)) / std::pow(double(ratio), ordnung);
            SetOdd(fwdInRe_, n_, i, static_cast<float>(gIK->x(i) * t));
        }
    }

    Core(fwdInRe_, fwdInIm_, fwdOutRe_, fwdOutIm_, 0.5f);
    ++anzahlFFT_;
}

void clsFFT::iFFT(std::span<const float> GKorrektur)
{
    if (n_ == 0) rt::Raise(rt::errSubscript);
    std::fill(invInRe_.begin(), invInRe_.end(), 0.0f);
    std::fill(invInIm_.begin(), invInIm_.end(), 0.0f);
    const double deltaK = gOptions->Delta_k();
    const int32_t letzter = GR_Grenze();
    // G(r) on the scale of the forward output.
    const double c = (1.0 / deltaK) / 2.0 * kPi;

    if (anzahlFFT_ == 0) {
        for (int32_t i = 1; i <= std::min(gGR->Punkte(), letzter); ++i)
            SetOdd(invInRe_, n_, i, static_cast<float>(gGR->Y(i) * c));
    } else {
        std::copy_n(fwdOutIm_.begin(), n_, invInRe_.begin());
        if (gOptions->FFT_Richtig()) std::copy_n(fwdOutRe_.begin(), n_, invInIm_.begin());
    }
    const auto korrigiert = std::min(static_cast<int32_t>(GKorrektur.size()), letzter);
    for (int32_t i = 1; i <= korrigiert; ++i)
        AddOdd(invInRe_, n_, i, static_cast<float>(GKorrektur[static_cast<size_t>(i - 1)] * c));
    if (anzahlFFT_ != 0) {
        // Below the first peak G(r) is replaced by its density line.
        const double cLinie = kPi * gGR->Dichte_Anstieg() / (2.0 * deltaK);
        for (int32_t i = 1; i <= std::min(gGR->Dichte_Exp_Index() + 1, letzter); ++i)
            SetOdd(invInRe_, n_, i, static_cast<float>(cLinie * gGR->R(i)));
    }
    Core(invInRe_, invInIm_, invOutRe_, invOutIm_, 1.0f);
    ScaleInverse();
}

void clsFFT::iFFT_Pot()
{
    if (n_ == 0) rt::Raise(rt::errSubscript);
    std::fill(invInRe_.begin(), invInRe_.end(), 0.0f);
    std::fill(invInIm_.begin(), invInIm_.end(), 0.0f);
    const double c = ((4.0 * kPi / gOptions->Delta_k()) / 2.0) * kPi * (gMFE->Dichte_Theoretisch() * 1E-27);
    for (int32_t i = 1; i <= std::min(gPot->Punkte_R(), GR_Grenze()); ++i)
        SetOdd(invInRe_, n_, i, static_cast<float>(gPot->Y_r(i) * c));
    Core(invInRe_, invInIm_, invOutRe_, invOutIm_, 1.0f);
    ScaleInverse();
}

void clsFFT::ScaleInverse()
{
    for (int32_t k = 0; k <= n_; ++k)
        invOutIm_[static_cast<size_t>(k)] = static_cast<float>(2.0 * invOutIm_[static_cast<size_t>(k)] / n_);
}

float clsFFT::ReadOut(const std::vector<float>& values, int32_t Index)
{
    if (Index < 1 || static_cast<size_t>(Index) > values.size()) rt::Raise(rt::errSubscript);
    return values[static_cast<size_t>(Index - 1)];
}

float clsFFT::G(int32_t Index) const
{
    return static_cast<float>(2.0 * ReadOut(fwdOutIm_, Index) / kPi * gOptions->Delta_k());
}

float clsFFT::Gr_Imag(int32_t Index) const
{
    return static_cast<float>(2.0 * ReadOut(fwdOutRe_, Index) / kPi * gOptions->Delta_k());
}

float clsFFT::IK(int32_t Index) const
{
    const float value = ReadOut(invOutIm_, Index);
    return Index == 1 ? 0.0f : static_cast<float>(value / (double(gOptions->Delta_k()) * (Index - 1)));
}

float clsFFT::IK_Imag(int32_t Index) const
{
    const float value = ReadOut(invOutRe_, Index);
    return Index == 1 ? 0.0f : static_cast<float>(value / (double(gOptions->Delta_k()) * (Index - 1)));
}

int32_t clsFFT::GR_Punkte() const { return std::min(1000, GR_Grenze()); }
