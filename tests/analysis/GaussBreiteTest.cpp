// A single Gauss curve measured by the Gauss estimate comes back with its own standard deviation
// and area, whether it is wide or only a few grid steps across, and whichever side of the peak
// the half-height search finds.
#include "QuellenFixture.h"

#include "core/KurvenTyp.h"

#include <numbers>

class GaussBreiteTest : public QuellenFixture {
protected:
    // h·exp(−(x − x0)²/2σ²) on n points of step dx from x = 0.
    static void Messen(int32_t n, double dx, double x0, double sigma, double h)
    {
        std::vector<float> y(static_cast<size_t>(n));
        for (int32_t i = 0; i < n; ++i)
            y[size_t(i)] = static_cast<float>(h * std::exp(-std::pow(i * dx - x0, 2) / (2 * sigma * sigma)));
        SetIK(y);
        MakeCurveMath();
        ASSERT_TRUE(gMath->CopyArrayFromCurve(KT_IK));
        gMath->setDelta_X(static_cast<float>(dx));
        gMath->Baseline_Berechnen();
        gGauss->Clear();
        gGauss->setKurve(0);
        gGauss->Hinzufuegen(static_cast<float>(x0), 0.0f, 0.0f, 0, 0.0f);
        gGauss->Berechnen();
    }
    // The area under the peak's Gauss curve, summed finely.
    static double Flaeche(double von, double bis)
    {
        const int32_t n = 20000;
        const double schritt = (bis - von) / n;
        double s = 0.0;
        for (int32_t i = 0; i < n; ++i) s += gGauss->Y_Gauss(static_cast<float>(von + (i + 0.5) * schritt), 1);
        return s * schritt;
    }
};

TEST_F(GaussBreiteTest, SingleGaussKeepsItsWidthAndArea)
{
    // Widths from 2.5 to 20 grid steps, centred on a grid point.
    for (const double sigma : {0.25, 0.4, 0.7, 1.0, 2.0}) {
        Messen(400, 0.1, 20.0, sigma, 3.0);
        ASSERT_EQ(gGauss->Anzahl(), 1) << sigma;
        EXPECT_NEAR(gGauss->W(1), sigma, 0.02 * sigma) << sigma;
        const double flaeche = 3.0 * sigma * std::sqrt(2.0 * std::numbers::pi);
        EXPECT_NEAR(Flaeche(0.0, 40.0), flaeche, 0.02 * flaeche) << sigma;
    }
}

TEST_F(GaussBreiteTest, PeakRisingAgainOnTheLeftIsMeasuredOnItsRightSide)
{
    // A higher peak close on the left stops the left search; the width comes from the right flank.
    std::vector<float> y(400);
    for (int32_t i = 0; i < 400; ++i) {
        const double x = i * 0.1;
        y[size_t(i)] = static_cast<float>(1.0 * std::exp(-std::pow(x - 20.0, 2) / (2 * 0.5 * 0.5)) +
                                          4.0 * std::exp(-std::pow(x - 19.0, 2) / (2 * 0.3 * 0.3)));
    }
    SetIK(y);
    MakeCurveMath();
    ASSERT_TRUE(gMath->CopyArrayFromCurve(KT_IK));
    gMath->setDelta_X(0.1f);
    gMath->Baseline_Berechnen();
    gGauss->Clear();
    gGauss->setKurve(0);
    gGauss->Hinzufuegen(20.0f, 0.0f, 0.0f, 0, 0.0f);
    gGauss->Berechnen();
    ASSERT_EQ(gGauss->Anzahl(), 1);
    EXPECT_NEAR(gGauss->W(1), 0.5, 0.01);
    EXPECT_NEAR(gGauss->X2(1) - 20.0f, 20.0f - gGauss->X1(1), 1e-4) << "the half-height points mirror about the peak";
}
