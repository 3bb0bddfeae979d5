// A single Gauss curve measured by the Gauss estimate comes back with its own standard deviation
// and area, whether it is wide or only a few grid steps across, whether its centre lies on a grid
// point or between two, and whichever side of the peak the half-height search finds.
#include "QuellenFixture.h"

#include "core/KurvenTyp.h"

#include <numbers>

namespace {

// The full width at half height of a Gauss curve over its standard deviation.
constexpr double kHalbwertsBreite = 2.3548200450309493;

}

class GaussBreiteTest : public QuellenFixture {
protected:
    // Measures the peak at x0 on the curve y (step dx from x = 0).
    static void Messen(const std::vector<float>& y, double dx, double x0)
    {
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
    // h·exp(−(x − x0)²/2σ²) on n points of step dx from x = 0.
    static std::vector<float> Gauss(int32_t n, double dx, double x0, double sigma, double h)
    {
        std::vector<float> y(static_cast<size_t>(n));
        for (int32_t i = 0; i < n; ++i)
            y[size_t(i)] = static_cast<float>(h * std::exp(-std::pow(i * dx - x0, 2) / (2 * sigma * sigma)));
        return y;
    }
    static void Messen(int32_t n, double dx, double x0, double sigma, double h) { Messen(Gauss(n, dx, x0, sigma, h), dx, x0); }
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
    Messen(y, 0.1, 20.0);
    ASSERT_EQ(gGauss->Anzahl(), 1);
    EXPECT_NEAR(gGauss->W(1), 0.5, 0.01);
    EXPECT_NEAR(gGauss->X2(1) - 20.0f, 20.0f - gGauss->X1(1), 1e-4) << "the half-height points mirror about the peak";
}

TEST_F(GaussBreiteTest, CentreBetweenGridPointsKeepsTheWidthFromBothFlanks)
{
    // Widths from 2.5 to 20 grid steps (step 0.1), centres a quarter, half and three quarters of a
    // step beside a grid point: the one-sided measurement from the nearest grid point was off by up
    // to a sixth here.
    for (const double sigma : {0.25, 0.26, 0.33, 0.5, 0.8, 1.3, 2.0}) {
        for (const double versatz : {0.0, 0.25, 0.5, 0.75}) {
            const double x0 = 20.0 + versatz * 0.1;
            Messen(400, 0.1, x0, sigma, 3.0);
            SCOPED_TRACE(testing::Message() << "sigma " << sigma << ", centre " << x0);
            ASSERT_EQ(gGauss->Anzahl(), 1);
            const double breite = gGauss->X2(1) - gGauss->X1(1);
            EXPECT_NEAR(breite, kHalbwertsBreite * sigma, 0.02 * kHalbwertsBreite * sigma);
            EXPECT_NEAR((gGauss->X1(1) + gGauss->X2(1)) / 2, x0, 0.01 * sigma) << "the crossings lie about the centre";
            EXPECT_NEAR(gGauss->W(1), breite / kHalbwertsBreite, 1e-5) << "W is the standard deviation";
            EXPECT_NEAR(gGauss->Y_Gauss(static_cast<float>(x0), 1), 3.0, 0.01 * 3.0) << "the curve's own height";
        }
    }
}

TEST_F(GaussBreiteTest, BlockedFlankOnEitherSideGivesTheMirroredWidth)
{
    // A higher, narrower peak one unit to the left or to the right: the curve rises again before it
    // falls to half height on that side, so the other flank, mirrored about the peak, gives the width.
    for (const double seite : {-1.0, 1.0}) {
        for (const double versatz : {0.0, 0.5, 0.75}) {
            const double x0 = 20.0 + versatz * 0.1;
            std::vector<float> y = Gauss(400, 0.1, x0, 0.5, 1.0);
            const std::vector<float> nachbar = Gauss(400, 0.1, x0 + seite, 0.3, 4.0);
            for (size_t i = 0; i < y.size(); ++i) y[i] += nachbar[i];
            Messen(y, 0.1, x0);
            SCOPED_TRACE(testing::Message() << "neighbour on side " << seite << ", centre " << x0);
            ASSERT_EQ(gGauss->Anzahl(), 1);
            EXPECT_NEAR(gGauss->W(1), 0.5, 0.02 * 0.5);
            EXPECT_NEAR(gGauss->X2(1) - x0, x0 - gGauss->X1(1), 1e-4) << "mirrored about the peak";
        }
    }
}
