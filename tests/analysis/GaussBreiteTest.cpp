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
    // Finds and measures the peaks of the curve y (step dx from x = 0) as the Gauss view does.
    static void Suchen(const std::vector<float>& y, double dx)
    {
        SetIK(y);
        MakeCurveMath();
        ASSERT_TRUE(gMath->CopyArrayFromCurve(KT_IK));
        gMath->setDelta_X(static_cast<float>(dx));
        gGauss->setKurve(0);
        gMath->Peaks_Schaetzen(5, 0.99f);
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

TEST_F(GaussBreiteTest, NeighbourBesideLeavesEachPeakItsWidth)
{
    // Two peaks found by the peak search, both centres between grid points (step 0.1), the second
    // as high as the first or half as high, 3 to 6 standard deviations apart, 3, 5 and 8 grid steps
    // wide. The flank towards the neighbour stands on its tail; the other one, mirrored about the
    // curve's top, gives each peak its own width.
    for (const double schritte : {3.0, 5.0, 8.0}) {
        for (const double zweite : {1.0, 0.5}) {
            for (const double abstand : {3.0, 4.0, 4.5, 6.0}) {
                for (const double versatz : {0.3, 0.5, 0.8}) {
                    const double sigma = schritte * 0.1;
                    const double x0 = 15.0 + versatz * 0.1;
                    const double x1 = x0 + abstand * sigma + 0.37 * 0.1;
                    std::vector<float> y = Gauss(400, 0.1, x0, sigma, 2.0);
                    const std::vector<float> nachbar = Gauss(400, 0.1, x1, sigma, 2.0 * zweite);
                    for (size_t i = 0; i < y.size(); ++i) y[i] += nachbar[i];
                    Suchen(y, 0.1);
                    SCOPED_TRACE(testing::Message() << "sigma " << schritte << " steps, second peak " << zweite
                                                    << " as high, " << abstand << " sigma apart, centre " << x0);
                    ASSERT_EQ(gGauss->Anzahl(), 2);
                    const double grenze = (abstand < 4.0 ? 0.05 : 0.02) * sigma;
                    EXPECT_NEAR(gGauss->W(1), sigma, grenze);
                    EXPECT_NEAR(gGauss->W(2), sigma, grenze);
                }
            }
        }
    }
}

TEST_F(GaussBreiteTest, SkewedSinglePeakIsMeasuredFromBothCrossings)
{
    // A peak whose right half falls 1.1 to 1.5 times as slowly as its left half, centred between
    // grid points: the crossings on both sides give its full width at half height, which grows
    // steadily with the skew.
    const double links = 0.5;
    for (double verhaeltnis = 1.1; verhaeltnis < 1.5001; verhaeltnis += 0.05) {
        const double x0 = 20.04;
        std::vector<float> y(400);
        for (int32_t i = 0; i < 400; ++i) {
            const double d = i * 0.1 - x0;
            const double s = d < 0.0 ? links : links * verhaeltnis;
            y[size_t(i)] = static_cast<float>(3.0 * std::exp(-d * d / (2 * s * s)));
        }
        Suchen(y, 0.1);
        SCOPED_TRACE(testing::Message() << "right half " << verhaeltnis << " times as wide");
        ASSERT_EQ(gGauss->Anzahl(), 1);
        const double breite = kHalbwertsBreite / 2.0 * links * (1.0 + verhaeltnis);
        EXPECT_NEAR(gGauss->X2(1) - gGauss->X1(1), breite, 0.02 * breite);
        EXPECT_NEAR(gGauss->X1(1), x0 - kHalbwertsBreite / 2.0 * links, 0.01 * breite) << "the left crossing";
    }
}
