#include "analysis/Sinustransformation.h"

#include "core/Runtime.h"
#include "curves/KGitter.h"

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

int32_t BitReverse(int32_t value, int32_t bits)
{
    int32_t result = 0;
    for (int32_t b = 0; b < bits; ++b) {
        result = 2 * result + (value & 1);
        value /= 2;
    }
    return result;
}

}

void Ungerade_Setzen(std::vector<float>& re, int32_t n, int32_t i, float v)
{
    re[static_cast<size_t>(i - 1)] = v;
    re[static_cast<size_t>(n - i + 1)] = -v;
}

FFT_Plan FFT_Planen(int32_t bits)
{
    if (bits < kMinBits || bits > kMaxBits) rt::Raise(rt::errInvalidCall);
    FFT_Plan plan;
    plan.Bits = bits;
    plan.N = rt::CLng(std::pow(2.0, bits));
    plan.BitReverse.resize(static_cast<size_t>(plan.N));
    for (int32_t i = 0; i < plan.N; ++i) plan.BitReverse[static_cast<size_t>(i)] = BitReverse(i, bits);

    plan.Stufen.assign(static_cast<size_t>(2 * bits), 0.0f);
    // The angles start from 2π held in single precision.
    const float zweiPi = static_cast<float>(2.0 * kPi);
    for (int32_t s = 1; s <= bits; ++s) {
        const float theta = static_cast<float>(zweiPi / std::pow(2.0, s));
        const double halfSine = std::sin(theta / 2.0);
        plan.Stufen[static_cast<size_t>(2 * (s - 1))] = static_cast<float>(2.0 * halfSine * halfSine);
        plan.Stufen[static_cast<size_t>(2 * (s - 1) + 1)] = static_cast<float>(std::sin(double(theta)));
    }
    return plan;
}

void Komplexe_FFT(const FFT_Plan& plan, std::span<const float> inRe, std::span<const float> inIm,
                  std::span<float> outRe, std::span<float> outIm, float scale)
{
    const int32_t n = plan.N;
    for (int32_t i = 0; i < n; ++i) {
        const auto j = static_cast<size_t>(plan.BitReverse[static_cast<size_t>(i)]);
        outRe[j] = inRe[static_cast<size_t>(i)] * scale;
        outIm[j] = inIm[static_cast<size_t>(i)] * scale;
    }
    float* re = outRe.data();
    float* im = outIm.data();
    int32_t stage = 0;
    for (int32_t half = 1, size = 2; size <= n; half = size, size *= 2, ++stage) {
        const float alpha = plan.Stufen[static_cast<size_t>(2 * stage)];
        const float beta = plan.Stufen[static_cast<size_t>(2 * stage + 1)];
        for (int32_t block = 0; block < n; block += size) {
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

Transformierte Sinustransformation(const FFT_Plan& plan, std::span<const float> y, const Sinus_Vorgaben& v)
{
    const int32_t n = plan.N;
    const auto size = static_cast<size_t>(n) + 2;
    std::vector<float> inRe(size, 0.0f);
    const std::vector<float> inIm(size, 0.0f);
    const int32_t letzter = Letzter_K_Index(plan);
    const auto K = [&](int32_t i) { return K_Gitter(i, v.DeltaK); };

    const int32_t F = v.Abbruch;
    const float kF = K(F);
    const auto fenster = [&](int32_t i) {
        return v.Hamming && kF > 0.0f ? 0.54 + 0.46 * std::cos(kPi * K(i) / kF) : 1.0;
    };
    const int32_t bis = std::min(static_cast<int32_t>(y.size()), letzter);
    for (int32_t i = std::max(v.Start, 1); i <= bis; ++i)
        Ungerade_Setzen(inRe, n, i, static_cast<float>(K(i) * y[static_cast<size_t>(i - 1)] * fenster(i)));
    // At K = 0 (F = 1) the continuation has no scale.
    if (v.Fortsetzen && kF > 0.0f) {
        for (int32_t i = F; i <= std::min(v.Fortsetzen_Bis, letzter); ++i) {
            const float ratio = K(i) / kF;
            const double t = double(v.Y_Abbruch) * std::cos(kPiDurch7 * K(i - F + 1)) / std::pow(double(ratio), v.Ordnung);
            Ungerade_Setzen(inRe, n, i, static_cast<float>(K(i) * t));
        }
    }

    Transformierte out{std::vector<float>(size, 0.0f), std::vector<float>(size, 0.0f)};
    Komplexe_FFT(plan, inRe, inIm, out.Re, out.Im, 0.5f);
    return out;
}
