// The free sine transform against a direct O(N²) sine sum, with the window, the first point taken
// and the continuation beyond the cut-off; no global object is involved but the error reporter.
#include "DirekteSinussumme.h"

#include "analysis/Sinustransformation.h"
#include "core/Runtime.h"
#include "curves/KGitter.h"
#include "support/Gemeldet.h"

#include <gtest/gtest.h>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr float kDeltaK = 0.1f;

// The transform's G against the direct sum of the reference input.
double Abweichung(const Transformierte& t, const std::vector<double>& input, int32_t N)
{
    return RelativeError([&t](size_t k) { return 2.0 / kPi * kDeltaK * t.Im[k]; }, DirectG(input, N, kDeltaK));
}

double K(int32_t i) { return K_Gitter(i, kDeltaK); }

}

TEST(Sinustransformation, MatchesTheDirectSineSumWithTheWindowTheFirstPointAndTheContinuation)
{
    std::vector<float> einPunkt(1500, 0.0f);
    einPunkt[37] = 2.5f / 3.7f;  // K·I(K) = 2.5 at K = 3.7
    const std::vector<std::pair<int32_t, std::vector<float>>> faelle = {
        {14, einPunkt}, {10, RandomCurve(511, 17u)}, {12, RandomCurve(1500, 19u)}, {14, RandomCurve(1500, 21u)}};
    for (const auto& [bits, y] : faelle) {
        const FFT_Plan plan = FFT_Planen(bits);
        Sinus_Vorgaben v;
        v.Abbruch = static_cast<int32_t>(y.size());
        std::vector<double> reference(y.size());
        for (size_t n = 0; n < y.size(); ++n) reference[n] = K(int32_t(n + 1)) * y[n];
        const Transformierte t = Sinustransformation(plan, y, v);
        ASSERT_EQ(t.Im.size(), size_t(plan.N + 2));
        EXPECT_LT(Abweichung(t, reference, plan.N), 1e-5) << bits << " bits";
    }

    const FFT_Plan plan = FFT_Planen(12);
    const std::vector<float> y = RandomCurve(600, 3u);
    Sinus_Vorgaben v;
    v.Start = 20;
    v.Abbruch = 500;
    const double kF = K(v.Abbruch);

    // Hamming's half window over points Start..size(y); nothing below Start.
    v.Hamming = true;
    std::vector<double> reference(y.size(), 0.0);
    for (int32_t i = v.Start; i <= int32_t(y.size()); ++i)
        reference[size_t(i - 1)] = K(i) * y[size_t(i - 1)] * (0.54 + 0.46 * std::cos(kPi * K(i) / kF));
    EXPECT_LT(Abweichung(Sinustransformation(plan, y, v), reference, plan.N), 1e-5);

    // The damped oscillation replaces the curve from the cut-off on and stops at the mirror.
    v.Hamming = false;
    v.Fortsetzen = true;
    v.Ordnung = 3;
    v.Fortsetzen_Bis = 5000;
    v.Y_Abbruch = 0.7f;
    const int32_t letzter = Letzter_K_Index(plan);
    reference.assign(size_t(letzter), 0.0);
    for (int32_t i = v.Start; i < v.Abbruch; ++i) reference[size_t(i - 1)] = K(i) * y[size_t(i - 1)];
    for (int32_t i = v.Abbruch; i <= letzter; ++i)
        reference[size_t(i - 1)] = K(i) * 0.7 * std::cos(kPi / 7.0 * (K(i) - kF)) / std::pow(K(i) / kF, 3);
    EXPECT_LT(Abweichung(Sinustransformation(plan, y, v), reference, plan.N), 1e-5);
}

TEST(Sinustransformation, SineSumOfAnOddInputAgreesWithTheFullTransformAtEverySize)
{
    // From the smallest plan (summed directly) over one split to many, up to the largest.
    for (const int32_t bits : {2, 3, 4, 5, 6, 9, 14, 17, 20}) {
        const FFT_Plan plan = FFT_Planen(bits);
        const auto n = static_cast<size_t>(plan.N);
        const std::vector<float> y = RandomCurve(plan.N / 2 - 1, 23u + unsigned(bits));
        std::vector<float> in(n + 2, 0.0f);
        for (int32_t i = 2; i <= plan.N / 2; ++i) Ungerade_Setzen(in, plan.N, i, y[size_t(i - 2)]);
        std::vector<float> re(n + 2), im(n + 2), sinus(n + 2, 7.0f);
        Reelle_FFT(plan, in, re, im, 0.5f);
        Sinus_FFT(plan, in, sinus, 0.5f);
        std::vector<double> full(n / 2 + 1);
        for (size_t k = 0; k <= n / 2; ++k) full[k] = im[k];
        EXPECT_LT(RelativeError([&](size_t k) { return sinus[k]; }, full), 1e-6) << bits << " bits";
        EXPECT_EQ(sinus[0], 0.0f);
        EXPECT_EQ(sinus[n / 2], 0.0f);
    }
}

TEST(Sinustransformation, PlansOnlyTwoToTwentyBits)
{
    EXPECT_EQ(FFT_Planen(2).N, 4);
    EXPECT_EQ(FFT_Planen(20).N, 1 << 20);
    gError = std::make_unique<clsError>();
    for (const int32_t bits : {1, 21})
        EXPECT_EQ(Gemeldet([bits] { EXPECT_EQ(FFT_Planen(bits).N, 0); }), "Sinustransformation.FFT_Planen 5") << bits;
    gError.reset();
}
