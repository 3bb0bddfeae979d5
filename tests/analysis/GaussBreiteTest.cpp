// A single Gauss curve measured by the Gauss estimate comes back with its own standard deviation
// and area, whether it is wide or only a few grid steps across, whether its centre lies on a grid
// point or between two, and whichever side of the peak the half-height search finds; beside
// neighbours, listed or not, and on noisy curves each peak keeps its width.
#include "QuellenFixture.h"

#include "analysis/Peakabstaende.h"
#include "analysis/SynthetischeStruktur.h"
#include "core/KurvenTyp.h"

#include <numbers>
#include <random>

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
    // Finds and measures the peaks of the curve y (step dx from x = 0) as the Gauss view does, with
    // the pruning rules of the curve kind.
    static void Suchen(const std::vector<float>& y, double dx, int32_t kurve = 0)
    {
        SetIK(y);
        MakeCurveMath();
        ASSERT_TRUE(gMath->CopyArrayFromCurve(KT_IK));
        gMath->setDelta_X(static_cast<float>(dx));
        gGauss->setKurve(kurve);
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
    static std::vector<float> Summe(std::vector<float> a, const std::vector<float>& b)
    {
        for (size_t i = 0; i < a.size(); ++i) a[i] += b[i];
        return a;
    }
    // y with normal noise of spread rauschen on every point.
    static std::vector<float> Verrauscht(std::vector<float> y, double rauschen, std::mt19937_64& zufall)
    {
        std::normal_distribution<double> normal(0.0, rauschen);
        for (float& wert : y) wert = static_cast<float>(wert + normal(zufall));
        return y;
    }
    // The listed peak with a width nearest to x within sigma; 0 when there is none.
    static int32_t Gemessen_Bei(double x, double sigma)
    {
        int32_t naechster = 0;
        for (int32_t j = 1; j <= gGauss->Anzahl(); ++j) {
            const double d = std::fabs(gGauss->x(j) - x);
            const bool naeher = naechster == 0 || d < std::fabs(gGauss->x(naechster) - x);
            if (gGauss->W(j) > 0.0f && d < sigma && naeher) naechster = j;
        }
        return naechster;
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
    // curve's top, gives each peak its own width. At 3 standard deviations the neighbour's tail lifts
    // and shifts the visible top of the peak: an equal neighbour leaves it 3.2 %, a half-height
    // one 7.1 % off.
    for (const double schritte : {3.0, 5.0, 8.0}) {
        for (const double zweite : {1.0, 0.5}) {
            for (const double abstand : {3.0, 4.0, 4.5, 6.0}) {
                for (const double versatz : {0.3, 0.5, 0.8}) {
                    const double sigma = schritte * 0.1;
                    const double x0 = 15.0 + versatz * 0.1;
                    const double x1 = x0 + abstand * sigma;
                    Suchen(Summe(Gauss(400, 0.1, x0, sigma, 2.0), Gauss(400, 0.1, x1, sigma, 2.0 * zweite)), 0.1);
                    SCOPED_TRACE(testing::Message() << "sigma " << schritte << " steps, second peak " << zweite
                                                    << " as high, " << abstand << " sigma apart, centre " << x0);
                    ASSERT_EQ(gGauss->Anzahl(), 2);
                    const double grenze = (abstand > 3.0 ? 0.0075 : zweite < 1.0 ? 0.072 : 0.035) * sigma;
                    EXPECT_NEAR(gGauss->W(1), sigma, grenze);
                    EXPECT_NEAR(gGauss->W(2), sigma, grenze);
                }
            }
        }
    }
}

TEST_F(GaussBreiteTest, PeakBetweenTwoListedNeighboursKeepsItsNarrowerFlank)
{
    // The middle one of three peaks of equal height, 5 grid steps wide, with neighbours 3.5 and 4.5
    // standard deviations away, on either side, without noise and in 100 curves with noise of 1 % of
    // the height. Between the peaks the curve falls below half height, and each neighbour holds up
    // the flank on its side, the nearer one more: the flank towards the farther one gives the width,
    // mirrored (the other one would make it 15 % wider). With noise the middle peak is measured in
    // every curve, within 15 % in nearly all and within 4 % on average (bounds that hold for any
    // seed tried, 30).
    std::mt19937_64 zufall(58);
    const double sigma = 0.5;
    const double x0 = 20.03;
    for (const double seite : {-1.0, 1.0}) {
        std::vector<float> y = Gauss(400, 0.1, x0, sigma, 2.0);
        y = Summe(y, Gauss(400, 0.1, x0 - seite * 3.5 * sigma, sigma, 2.0));
        y = Summe(y, Gauss(400, 0.1, x0 + seite * 4.5 * sigma, sigma, 2.0));
        Suchen(y, 0.1, KT_GR);
        ASSERT_EQ(gGauss->Anzahl(), 3);
        EXPECT_NEAR(gGauss->W(2), sigma, 0.015 * sigma) << "nearer neighbour on side " << -seite;

        int32_t gemessen = 0, genau = 0;
        double summe = 0.0;
        for (int32_t kurve = 0; kurve < 100; ++kurve) {
            Suchen(Verrauscht(y, 0.02, zufall), 0.1, KT_GR);
            const int32_t mitte = Gemessen_Bei(x0, sigma);
            if (mitte == 0) continue;
            ++gemessen;
            genau += std::fabs(gGauss->W(mitte) / sigma - 1.0) < 0.15;
            summe += gGauss->W(mitte) / sigma - 1.0;
        }
        SCOPED_TRACE(testing::Message() << "nearer neighbour on side " << -seite << ", with noise");
        EXPECT_EQ(gemessen, 100);
        EXPECT_GE(genau, 97);
        EXPECT_NEAR(summe / 100.0, 0.0, 0.04);
    }
}

TEST_F(GaussBreiteTest, LowerNeighbourNotListedLendsThePeakNoFlank)
{
    // A peak measured alone beside an unlisted neighbour 0.7 times as high, 3 standard deviations
    // away: between them the curve stays above the peak's half height, and the neighbour's far flank
    // would make the peak twice as wide. The curve rising towards the neighbour gives that flank up,
    // without noise and with noise of 0.5 to 2 % of the height: in nearly all of 100 curves within
    // a third, on average within 8 % (bounds that hold for any seed tried, 30).
    std::mt19937_64 zufall(58);
    const double sigma = 0.5;
    const double x0 = 20.04;
    for (const double seite : {-1.0, 1.0}) {
        const std::vector<float> y =
            Summe(Gauss(400, 0.1, x0, sigma, 2.0), Gauss(400, 0.1, x0 + seite * 3.0 * sigma, sigma, 1.4));
        Messen(y, 0.1, x0);
        EXPECT_NEAR(gGauss->W(1), sigma, 0.02 * sigma) << "neighbour on side " << seite;
        for (const double rauschen : {0.005, 0.01, 0.02}) {
            int32_t genau = 0;
            double summe = 0.0;
            for (int32_t kurve = 0; kurve < 100; ++kurve) {
                Messen(Verrauscht(y, rauschen * 2.0, zufall), 0.1, x0);
                genau += std::fabs(gGauss->W(1) / sigma - 1.0) < 0.35;
                summe += gGauss->W(1) / sigma - 1.0;
            }
            SCOPED_TRACE(testing::Message() << "neighbour on side " << seite << ", noise " << rauschen);
            EXPECT_GE(genau, 97);
            EXPECT_NEAR(summe / 100.0, 0.0, 0.08);
        }
    }
}

TEST_F(GaussBreiteTest, NoisyCurvesKeepBothPeaksWithTheirWidths)
{
    // Two peaks, the second lower, with normal noise of 0.5 to 2 % of the first one's height, 100
    // curves a noise: wide peaks on the grid of I(K) and narrow ones on the grid of G(r), each with
    // its curve kind's pruning. Noise lifts single points near the flat top of a wide peak, and the
    // search would list the maxima of the noise too: neither may cost a peak its width, nor may the
    // small tops the noise wears on a wide peak's average hide its highest one. Both peaks are
    // measured in nearly all curves of a hundred, within a third (G(r)) or 60 % (I(K)), and on
    // average within 6 % (bounds that hold for any seed tried, 30).
    struct Peak {
        double x, sigma, h;
    };
    struct Fall {
        int32_t kurve;
        double dx;
        int32_t punkte;
        Peak peaks[2];
    };
    const Fall faelle[] = {
        {KT_IK, 0.1, 1500, {{30.0, 3.0, 2.0}, {50.0, 4.0, 1.4}}},
        {KT_GR, 0.003835, 1000, {{0.25, 0.02, 40.0}, {0.45, 0.03, 15.0}}},
    };
    std::mt19937_64 zufall(58);
    constexpr int32_t kKurven = 100;
    for (const Fall& fall : faelle) {
        for (const double rauschen : {0.005, 0.01, 0.02}) {
            int32_t beide = 0;
            int32_t genau[2] = {0, 0};
            double fehler[2] = {0.0, 0.0};
            for (int32_t kurve = 0; kurve < kKurven; ++kurve) {
                std::vector<float> y(static_cast<size_t>(fall.punkte), 0.0f);
                for (const Peak& p : fall.peaks) y = Summe(y, Gauss(fall.punkte, fall.dx, p.x, p.sigma, p.h));
                Suchen(Verrauscht(y, rauschen * fall.peaks[0].h, zufall), fall.dx, fall.kurve);
                int32_t gemessen = 0;
                for (size_t k = 0; k < 2; ++k) {
                    const Peak& p = fall.peaks[k];
                    const int32_t j = Gemessen_Bei(p.x, p.sigma);
                    if (j == 0) continue;
                    ++gemessen;
                    const double relativ = gGauss->W(j) / p.sigma - 1.0;
                    fehler[k] += relativ;
                    genau[k] += std::fabs(relativ) < (fall.kurve == KT_GR ? 0.35 : 0.6);
                }
                beide += gemessen == 2;
            }
            SCOPED_TRACE(testing::Message() << "kind " << fall.kurve << ", noise " << rauschen);
            EXPECT_GE(beide, kKurven - 3);
            for (size_t k = 0; k < 2; ++k) {
                EXPECT_GE(genau[k], kKurven - 3) << "peak " << k + 1;
                EXPECT_NEAR(fehler[k] / kKurven, 0.0, 0.06) << "peak " << k + 1;
            }
        }
    }
}

TEST_F(GaussBreiteTest, APeakAfterAFlatStretchBelowZeroStandsOnTheLowPointsBesideIt)
{
    // As I(K) of a light element: from a low point at 3 a flat stretch just above it to the main
    // peak at 36 (σ 3), then a trough at 52 and a small second peak. The baseline through the low
    // points stays within their heights, where a spline through them alone swings far below the
    // flat stretch and lifts the main peak on a hump four times its width. A bump of that stretch
    // below zero at 15 is no peak: the list begins at the main peak.
    std::vector<float> y(800);
    for (int32_t i = 0; i < 800; ++i) {
        const double K = 0.1 * i;
        const auto g = [K](double x0, double s) { return std::exp(-(K - x0) * (K - x0) / (2.0 * s * s)); };
        y[size_t(i)] = static_cast<float>(-1.0 + 0.7 * std::exp(-K) - 0.25 * g(3.0, 1.0) + 1.0 / (1.0 + std::exp(-(K - 40.0) / 3.0)) +
                                          2.5 * g(36.0, 3.0) - 0.3 * g(52.0, 4.0) + 0.4 * g(68.0, 4.0) + 0.15 * g(15.0, 2.0));
    }
    Suchen(y, 0.1, KT_IK);
    float baseline = 0.0f;
    for (int32_t i = 1; i <= 520; ++i) baseline = std::min(baseline, gMath->Baseline(i));
    EXPECT_GE(baseline, *std::min_element(y.begin(), y.begin() + 100));
    const int32_t haupt = Gemessen_Bei(36.0, 3.0);
    ASSERT_EQ(haupt, 1);
    EXPECT_NEAR(gGauss->W(haupt), 3.0, 0.6);
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

TEST_F(GaussBreiteTest, ANarrowMainPeakOfIkStaysListedBesideTheNoiseOnItsFlanks)
{
    // A narrow main peak (σ 1.0 to 1.5 1/nm) and a wide second one, with normal noise of 0.05 to
    // 2 % of the main peak's height, 100 curves each: a maximum of the noise on the main peak's
    // flank, nearer than 2 1/nm, does not cost the peak its top (the old pruning dropped it in up to
    // half the curves), nor does the noise narrowing it under the width that the pruning removes,
    // and the wide second peak is listed in nearly all.
    std::mt19937_64 zufall(63);  // the bounds hold for any seed tried (30)
    for (const double sigma : {1.0, 1.2, 1.5}) {
        const std::vector<float> y = Summe(Gauss(1500, 0.1, 30.03, sigma, 2.0), Gauss(1500, 0.1, 55.0, 4.0, 0.6));
        for (const double rauschen : {0.0005, 0.01, 0.02}) {
            int32_t hauptpeak = 0, zweiter = 0;
            for (int32_t kurve = 0; kurve < 100; ++kurve) {
                Suchen(Verrauscht(y, rauschen * 2.0, zufall), 0.1, KT_IK);
                hauptpeak += Gemessen_Bei(30.03, sigma) > 0;
                zweiter += Gemessen_Bei(55.0, 4.0) > 0;
            }
            EXPECT_GE(hauptpeak, 95) << "sigma " << sigma << ", noise " << rauschen;
            EXPECT_GE(zweiter, 97) << "sigma " << sigma << ", noise " << rauschen;
        }
    }
}


TEST_F(GaussBreiteTest, TheIkViewMeasuresANoisyCurvesPeaksWhereTheSmoothCurveHasThem)
{
    // I(K) of hard-sphere liquids (Percus–Yevick) as of a metallic glass (packing 0.5, main peak at
    // 29 1/nm, thermally damped) and of a light element (packing 0.45, main peak at 36, a broad
    // second one), with noise growing with K as counting noise does: 1 to 2 % and 2 to 5 % of the
    // main peak's height, 100 curves each. A dip of the noise ended a flank, and the noise's highest
    // point set a broad peak's top: ΔK and a_K within 5 % of the smooth curve's listing in 18–31
    // and 46–59 of 100 curves, the second peak lost in up to 19, 36–51 needles. Now in at least 96
    // and 90 (97 and 94 over the 40 seeds tried), the first two peaks in every curve, no measured
    // peak two grid steps wide or less. The smooth curves keep their listing: positions within a
    // grid step, widths within 1 %.
    struct Fall {
        double packung, durchmesser, thermisch, rauschenVon, rauschenBis;
        int32_t mindestens;
        std::vector<std::pair<double, double>> glatt;  // the smooth curve's peaks: position, W
    };
    const Fall faelle[] = {
        {0.5, 0.242, 0.01, 0.01, 0.02, 96, {{28.9, 1.798}, {52.8, 4.063}, {78.1, 4.816}, {103.8, 5.113}, {129.6, 5.255}}},
        {0.45, 0.19, 0.0, 0.02, 0.05, 90, {{35.8, 2.925}, {66.7, 5.59}, {99.3, 6.403}, {132.3, 6.672}}},
    };
    constexpr int32_t kPunkte = 1500;
    constexpr double kSchritt = 0.1;
    std::mt19937_64 zufall(68);
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(testing::Message() << "packing " << fall.packung);
        std::vector<float> y(kPunkte);
        for (int32_t i = 0; i < kPunkte; ++i) {
            const double K = i * kSchritt;
            const double S = synthetisch::S_PercusYevick(K, fall.packung, fall.durchmesser);
            y[size_t(i)] = static_cast<float>((S - 1.0) * std::exp(-K * K * fall.thermisch * fall.thermisch / 2.0));
        }
        Suchen(y, kSchritt, KT_IK);
        ASSERT_EQ(gGauss->Anzahl(), static_cast<int32_t>(fall.glatt.size()));
        for (int32_t j = 1; j <= gGauss->Anzahl(); ++j) {
            EXPECT_NEAR(gGauss->x(j), fall.glatt[size_t(j - 1)].first, 1.01 * kSchritt) << "peak " << j;
            EXPECT_NEAR(gGauss->W(j), fall.glatt[size_t(j - 1)].second, 0.01 * fall.glatt[size_t(j - 1)].second) << "peak " << j;
        }
        const double deltaK = Peakabstaende_Berechnen(*gGauss).Delta, aK = gGauss->x(1) / deltaK;
        const float haupt = *std::max_element(y.begin(), y.end());
        int32_t gleich = 0, ersteZwei = 0, nadeln = 0;
        for (int32_t kurve = 0; kurve < 100; ++kurve) {
            std::vector<float> verrauscht = y;
            for (int32_t i = 0; i < kPunkte; ++i) {
                const double anteil = fall.rauschenVon + (fall.rauschenBis - fall.rauschenVon) * i / kPunkte;
                verrauscht[size_t(i)] += static_cast<float>(std::normal_distribution<double>(0.0, anteil * haupt)(zufall));
            }
            Suchen(verrauscht, kSchritt, KT_IK);
            const double delta = Peakabstaende_Berechnen(*gGauss).Delta;
            gleich += std::fabs(delta / deltaK - 1.0) <= 0.05 && std::fabs(gGauss->x(1) / delta / aK - 1.0) <= 0.05;
            ersteZwei += Gemessen_Bei(fall.glatt[0].first, 2.0) > 0 && Gemessen_Bei(fall.glatt[1].first, 4.0) > 0;
            for (int32_t j = 1; j <= gGauss->Anzahl(); ++j) nadeln += gGauss->W(j) > 0.0f && gGauss->X2(j) - gGauss->X1(j) <= 2.0 * kSchritt;
        }
        EXPECT_GE(gleich, fall.mindestens);
        EXPECT_EQ(ersteZwei, 100);
        EXPECT_EQ(nadeln, 0);
    }
}
