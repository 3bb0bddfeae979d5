// The Gauss estimate: the half-height width of a known Gauss curve, peaks that cannot be measured,
// the close pair of I(K), shoulders, and the two shells of a synthetic G(r) found at their radii.
#include "QuellenFixture.h"
#include "SynthetischeStruktur.h"

#include "core/KurvenTyp.h"

namespace {

std::vector<float> Gauss(int32_t n, double dx, double x0, double sigma, double h)
{
    std::vector<float> y(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i)
        y[size_t(i)] = static_cast<float>(h * std::exp(-std::pow(i * dx - x0, 2) / (2 * sigma * sigma)));
    return y;
}

std::vector<float> Summe(std::vector<float> a, const std::vector<float>& b)
{
    for (size_t i = 0; i < a.size(); ++i) a[i] += b[i];
    return a;
}

}

class GaussBerechnenTest : public QuellenFixture {
protected:
    // Estimates the peaks at the grid points (or at the positions) on the curve with step dx.
    static void Schaetzen(const std::vector<float>& kurve, float dx, int32_t art, const std::vector<int32_t>& punkte,
                          const std::vector<float>& positionen = {}, uint8_t fixiert = 0)
    {
        SetIK(kurve);
        MakeCurveMath();
        ASSERT_TRUE(gMath->CopyArrayFromCurve(KT_IK));
        gMath->setDelta_X(dx);
        gMath->Baseline_Berechnen();
        gGauss->Clear();
        gGauss->setKurve(art);
        for (const int32_t c : punkte) gGauss->Hinzufuegen(gMath->x(c), 0.0f, 0.0f, 0, 0.0f);
        for (const float x : positionen) gGauss->Hinzufuegen(x, 0.0f, 0.0f, fixiert, 0.0f);
        gGauss->Berechnen();
    }
};

TEST_F(GaussBerechnenTest, UnitGaussIsMeasuredAtHalfHeight)
{
    Schaetzen(Gauss(200, 0.1, 5.0, 1.0, 1.0), 0.1f, 0, {51});
    ASSERT_EQ(gGauss->Anzahl(), 1);
    EXPECT_NEAR(gGauss->X1(1), 3.8, 1e-5);
    EXPECT_NEAR(gGauss->X2(1), 6.2, 1e-5);
    EXPECT_NEAR(gGauss->W(1), 0.9, 1e-6);
    EXPECT_NEAR(gGauss->A(1), 1.1279827, 1e-6);
    EXPECT_NEAR(gGauss->Y_Gauss(5.0f, 1), 1.0, 1e-6);  // the curve's height at its centre
}

TEST_F(GaussBerechnenTest, PeakThatNeverFallsToHalfHeightIsUnmeasured)
{
    // A plateau of 1 with a wide peak of 3 on it: at x = 5 the curve never falls to 0.5.
    const std::vector<float> kurve = Summe(Gauss(300, 0.1, 20.0, 1.5, 3.0), std::vector<float>(300, 1.0f));
    // Listed after the measurable peak, so that it would inherit its half-height points.
    Schaetzen(kurve, 0.1f, 0, {201, 51});
    ASSERT_EQ(gGauss->Anzahl(), 2);
    EXPECT_FLOAT_EQ(gGauss->x(1), 5.0f);
    EXPECT_EQ(gGauss->W(1), 0.0f);
    EXPECT_EQ(gGauss->A(1), 0.0f);

    Schaetzen(kurve, 0.1f, KT_IK, {201, 51});
    ASSERT_EQ(gGauss->Anzahl(), 1);
    EXPECT_FLOAT_EQ(gGauss->x(1), 20.0f);
    Schaetzen(kurve, 0.1f, KT_IK, {201}, {5.0f}, 1);
    EXPECT_EQ(gGauss->Anzahl(), 2);
}

TEST_F(GaussBerechnenTest, ClosePairInIKLosesItsRightPeakAtExactlyTwo)
{
    const std::vector<float> null(300, 0.0f);
    Schaetzen(null, 0.1f, KT_IK, {}, {12.0f, 10.0f});
    ASSERT_EQ(gGauss->Anzahl(), 1);
    EXPECT_EQ(gGauss->x(1), 10.0f);

    // A bit further apart the pair stays, and the narrow left peak goes by the width rule.
    Schaetzen(null, 0.1f, KT_IK, {}, {10.0f, std::nextafter(12.0f, 13.0f)});
    ASSERT_EQ(gGauss->Anzahl(), 1);
    EXPECT_EQ(gGauss->x(1), std::nextafter(12.0f, 13.0f));

    Schaetzen(null, 0.1f, KT_IK, {}, {10.0f, 12.0f}, 1);
    EXPECT_EQ(gGauss->Anzahl(), 2);
}

TEST_F(GaussBerechnenTest, OnlyALowerOverlappingRightNeighbourIsAShoulder)
{
    const std::vector<float> kurve = Summe(Gauss(300, 0.05, 5.0, 0.5, 1.0), Gauss(300, 0.05, 5.7, 0.4, 0.45));
    // Listed out of order: the list comes back sorted.
    Schaetzen(kurve, 0.05f, 0, {115, 101});
    ASSERT_EQ(gGauss->Anzahl(), 2);
    EXPECT_FLOAT_EQ(gGauss->x(1), 5.0f);
    EXPECT_EQ(gGauss->Schultern(), 1);
    EXPECT_FALSE(gGauss->IsSchulter(1));
    ASSERT_TRUE(gGauss->IsSchulter(2));
    EXPECT_GT(gGauss->X2(1), gGauss->X1(2));

    // Less the higher peak's Gauss curve the shoulder comes near the small peak's height 0.45, far
    // below the curve's 0.83 at its position; the higher peak's curve is narrower than the peak
    // itself (W = 0.375 of the full width) and leaves a little of its tail.
    EXPECT_GT(gGauss->Y_Gauss(5.7f, 2), 0.45f);
    EXPECT_LT(gGauss->Y_Gauss(5.7f, 2), 0.6f);

    // Overlapping equal or rising peaks make no shoulder; peaks far apart do not overlap at all.
    for (const double links : {1.0, 0.5}) {
        Schaetzen(Summe(Gauss(300, 0.05, 5.0, 0.5, links), Gauss(300, 0.05, 5.8, 0.5, 1.0)), 0.05f, 0, {101, 117});
        EXPECT_EQ(gGauss->Schultern(), 1) << links;
        EXPECT_FALSE(gGauss->IsSchulter(2)) << links;
    }
    Schaetzen(Gauss(300, 0.05, 5.0, 0.2, 1.0), 0.05f, 0, {101, 161});
    EXPECT_EQ(gGauss->Schultern(), 0);
}

TEST_F(GaussBerechnenTest, TwoShellsOfASyntheticGAreFoundAtTheirRadii)
{
    // The G(r) of the synthetic liquid that the end-to-end tests of I(K) use.
    gGR->setPunkte(1000);
    for (int32_t i = 1; i <= 1000; ++i) gGR->Set_Y(i, static_cast<float>(synthetisch::G_Modell(gGR->R(i))));
    MakeCurveMath();
    ASSERT_TRUE(gMath->CopyArrayFromCurve(KT_GR));
    gGauss->setKurve(KT_GR);
    gMath->Peaks_Schaetzen(5, 0.99f);

    ASSERT_EQ(gGauss->Anzahl(), 2);
    const double dr = gOptions->Delta_r();
    EXPECT_NEAR(gGauss->x(1), 0.28, 2 * dr);
    EXPECT_NEAR(gGauss->x(2), 0.50, 2 * dr);
    // The estimate measures the peaks the search found, which alone leaves every width zero.
    EXPECT_GT(gGauss->W(1), 0.0f);
    EXPECT_GT(gGauss->Y_Gauss(gGauss->x(2), 2), 0.0f);
}
