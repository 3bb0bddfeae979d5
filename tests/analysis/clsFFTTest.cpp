// The transforms of the project's curves: the guard of short transforms (against a direct O(N²)
// sine sum), the round trip K·I(K) → G(r) → K·I(K) and the placement of v(r).
#include "AnalysisFixture.h"
#include "DirekteSinussumme.h"

class FFTTest : public AnalysisFixture {
protected:
    // A transform of 2^bits points on I(K) = y, all of it transformed.
    static void Setup(int32_t bits, const std::vector<float>& y)
    {
        gOptions->setFFT_Bits(bits);
        gFFT->SetupFFT();
        SetIK(y);
        gIK->setFTR_Index(gIK->Punkte());
        gIK->setFTR_Start_Index(1);
    }
};

TEST_F(FFTTest, ShortTransformsCutALongIKAtHalfTheirLengthAndWarnOncePerSetup)
{
    for (const int32_t bits : {10, 11}) {
        seam.messages.clear();
        Setup(bits, RandomCurve(1500, 11u));
        gIK->setFTR_Index(400);  // only the continuation reaches beyond the last point
        gFFT->FFT();
        gFFT->FFT();
        ASSERT_EQ(seam.messages.size(), 1u) << bits << " bits";
        EXPECT_NE(seam.messages[0].text.find("I(K)"), std::string::npos);

        // Nothing from beyond the last transformable point reaches the result.
        const int32_t last = (1 << bits) / 2 - 1;
        const double kF = gIK->x(400);
        std::vector<double> v(size_t(last), 0.0);
        for (int32_t i = 1; i <= last; ++i) {
            const double k = gIK->x(i);
            const double tail = gIK->Y(400) * std::cos(kPi / 7.0 * (k - kF)) / std::pow(k / kF, 4);
            v[size_t(i - 1)] = k * (i < 400 ? gIK->Y(i) : tail);
        }
        EXPECT_LT(RelativeError([](size_t k) { return gFFT->G(int32_t(k + 1)); }, DirectG(v, 1 << bits, 0.1)), 1e-5);
        EXPECT_EQ(gFFT->GR_Punkte(), std::min(1000, (1 << bits) / 2));
    }
}

TEST_F(FFTTest, ForwardThenBackGivesKTimesIKAgain)
{
    gOptions->setAbbruchstelle_Daempfen(false);
    for (const int32_t bits : {11, 14}) {
        const int32_t n = std::min(1500, (1 << bits) / 2 - 1);
        Setup(bits, RandomCurve(n, 5u));
        gFFT->FFT();
        gFFT->iFFT();
        EXPECT_EQ(gFFT->IK(1), 0.0f);
        for (int32_t i = 2; i <= n; ++i)
            ASSERT_NEAR(gIK->x(i) * gFFT->IK(i), gIK->x(i) * gIK->Y(i), 1e-5 * gIK->x(n)) << "i = " << i;
    }
}

TEST_F(FFTTest, TheDensityLineTakesThePlaceOfExactlyThePointsItWasFittedTo)
{
    // G(r) = −exp(−r²/8)·sin(25·r) starts as a line and bends away from it long before point 30.
    gOptions->setAbbruchstelle_Daempfen(false);
    gFFT->SetupFFT();
    WellenpaketIK(25.0);
    ASSERT_TRUE(gGR->Berechnen());
    constexpr int32_t kBis = 30;
    ASSERT_TRUE(gGR->setDichte_Exp_Index(kBis));
    const double a = gGR->Dichte_Anstieg();
    gFFT->iFFT();

    // The round trip gives K·I(K) back; the line changes it by Δr·Σ (a·r − G)·sin(K·r) over the
    // fitted points alone.
    const double dr = gOptions->Delta_r();
    const auto Beitrag = [&](int32_t j, double K) { return dr * (a * gGR->R(j) - gGR->Y(j)) * std::sin(K * gGR->R(j)); };
    for (int32_t i = 20; i <= 1500; i += 37) {
        const double K = gIK->x(i);
        double erwartet = K * gIK->Y(i);
        for (int32_t j = 1; j <= kBis; ++j) erwartet += Beitrag(j, K);
        ASSERT_NEAR(K * gFFT->IK(i), erwartet, 1e-4) << "K = " << K;
    }
    EXPECT_GT(std::fabs(Beitrag(kBis + 1, gIK->x(130))), 1e-3) << "the next point would show";
}

TEST_F(FFTTest, PotentialValuesSitAtTheirOwnR)
{
    gFFT->SetupFFT();
    const int32_t N = 1 << gOptions->FFT_Bits();
    std::vector<float> v(40, 0.0f);
    v[4] = 3.0f;  // v(r(5)), r(5) = 4·Δr
    gPot->Set_Y_r(v);
    gMFE->setDichte_Theoretisch(60.0f);
    gFFT->iFFT_Pot();

    // The transform takes v(r)·r: the value 3 enters as 3·r(5).
    const double amplitude = 4.0 * 3.0 * 2.0 * kPi * kPi * 60.0 / 0.1 / N * gPot->R(5);
    for (int32_t i = 2; i <= 200; ++i)
        ASSERT_NEAR(gIK->x(i) * gFFT->IK(i), amplitude * std::sin(2.0 * kPi * 4 * (i - 1) / N), 1e-5 * amplitude) << i;
}

TEST_F(FFTTest, CallsWithoutASetupOrOffTheGridReportOnceAndGiveZero)
{
    clsFFT unplanned;
    const std::vector<std::pair<const char*, std::function<float()>>> calls = {
        {"FFT", [&] { unplanned.FFT(); return 0.0f; }},
        {"iFFT", [&] { unplanned.iFFT(); return 0.0f; }},
        {"iFFT_Pot", [&] { unplanned.iFFT_Pot(); return 0.0f; }},
        {"G", [&] { return gFFT->G(0); }},
        {"IK", [&] { return gFFT->IK((1 << gOptions->FFT_Bits()) + 3); }},
    };
    for (const auto& [procedure, call] : calls) {
        gError->setError(false);
        EXPECT_EQ(call(), 0.0f) << procedure;
        EXPECT_TRUE(gError->Error()) << procedure;
        EXPECT_EQ(gError->ErrorFunction(), procedure);
        EXPECT_EQ(gError->ErrorNumber(), rt::errSubscript) << procedure;
    }
}
