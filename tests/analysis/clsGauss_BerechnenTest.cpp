// The Gauss estimate: the half-height width of a known Gauss curve, peaks that cannot be measured,
// the pruning rules of I(K) and G(r) exactly at their bounds and the gap a pruned shell leaves,
// shoulders, and the two shells of a synthetic G(r) found at their radii.
#include "QuellenFixture.h"
#include "SynthetischeStruktur.h"

#include "core/KurvenTyp.h"

namespace {

constexpr double kWurzelPiHalbe = 1.2533141373155;
// The full width at half height of a Gauss curve over its standard deviation.
constexpr double kHalbwertsBreite = 2.3548200450309493;

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

// A tent of height h at point c falling to h/2 at c ± m and to 0 beyond.
void Zelt(std::vector<float>& y, int32_t c, int32_t m, float h)
{
    for (int32_t k = -m; k <= m; ++k) {
        const int32_t i = c + k;
        if (i >= 1 && i <= static_cast<int32_t>(y.size()))
            y[size_t(i - 1)] += k == m || k == -m ? h / 2.0f : static_cast<float>(h * (1.0 - std::abs(k) / (2.0 * m)));
    }
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
    // Moves v by its last bit until gemessen(v) is exactly ziel; returns that v.
    static float Bis(float v, float ziel, const std::function<float(float)>& gemessen)
    {
        for (int versuch = 0; versuch < 16; ++versuch) {
            const float wert = gemessen(v);
            if (wert == ziel) return v;
            v = std::nextafter(v, wert < ziel ? 1E6f : 0.0f);
        }
        ADD_FAILURE() << "no value gives " << ziel;
        return v;
    }
};

TEST_F(GaussBerechnenTest, UnitGaussIsMeasuredAtHalfHeight)
{
    Schaetzen(Gauss(200, 0.1, 5.0, 1.0, 1.0), 0.1f, 0, {51});
    ASSERT_EQ(gGauss->Anzahl(), 1);
    // The half-height crossings, interpolated between grid points: 5 ∓ 1.1774.
    EXPECT_NEAR(gGauss->X1(1), 5.0 - kHalbwertsBreite / 2, 1e-3);
    EXPECT_NEAR(gGauss->X2(1), 5.0 + kHalbwertsBreite / 2, 1e-3);
    // The width is the standard deviation, from the half-height crossing between grid points.
    EXPECT_NEAR(gGauss->W(1), 1.0, 0.005);
    EXPECT_NEAR(gGauss->A(1), gGauss->W(1) * kWurzelPiHalbe, 1e-6);
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

    // On a curve the less prominent of the pair goes, on either side: a bump on the flank of a peak.
    for (const float beule : {21.9f, 18.1f}) {
        const std::vector<float> kurve = Summe(Gauss(400, 0.1, 20.0, 3.0, 2.0), Gauss(400, 0.1, beule, 0.3, 0.3));
        Schaetzen(kurve, 0.1f, KT_IK, {}, {20.0f, beule});
        ASSERT_EQ(gGauss->Anzahl(), 1) << "bump at " << beule;
        EXPECT_EQ(gGauss->x(1), 20.0f) << "bump at " << beule;
    }
}

TEST_F(GaussBerechnenTest, NarrowOrSmallIKPeaksGoAtTheirBounds)
{
    // A tent at point m + 1 falling to half height at point 1: W = 2m·dx/2.3548, which is 1 exactly
    // for m = 4 and the step found below. A wide second peak keeps it from being the last.
    const auto zelte = [](int32_t m, float h) {
        std::vector<float> kurve(300, 0.0f);
        Zelt(kurve, m + 1, m, h);
        Zelt(kurve, 150, 10, 1.0f);
        return kurve;
    };
    const auto bleiben = [&](int32_t art, int32_t m, float h, float dx) {
        Schaetzen(zelte(m, h), dx, art, {m + 1, 150});
        return gGauss->Anzahl();
    };
    const float dx = Bis(static_cast<float>(kHalbwertsBreite / 8.0), 1.0f,
                         [&](float schritt) { return bleiben(0, 4, 1.0f, schritt), gGauss->W(1); });
    ASSERT_EQ(gGauss->W(1), 1.0f);
    EXPECT_EQ(bleiben(KT_IK, 4, 1.0f, dx), 1);
    EXPECT_EQ(bleiben(KT_IK, 4, 1.0f, std::nextafter(dx, 1.0f)), 2);

    bleiben(0, 8, 1.0f, dx);
    const float w = gGauss->W(1);
    ASSERT_GT(w, 1.0f);
    const float h = Bis(static_cast<float>(0.004 / (w * kWurzelPiHalbe)), 0.004f,
                        [&](float hoehe) { return bleiben(0, 8, hoehe, dx), gGauss->A(1); });
    EXPECT_EQ(bleiben(KT_IK, 8, h, dx), 1);
    EXPECT_EQ(bleiben(KT_IK, 8, std::nextafter(h, 1.0f), dx), 2);
}

TEST_F(GaussBerechnenTest, NarrowOrSmallGRPeaksGoAtTheirBoundsButTheMostProminentStays)
{
    // The tested tent before a wider one twice as high, the curve's most prominent peak, which no
    // bound removes.
    const auto bleiben = [](int32_t art, float h, float dx) {
        std::vector<float> kurve(100, 0.0f);
        Zelt(kurve, 5, 4, h);
        Zelt(kurve, 50, 10, 2.0f * h);
        Schaetzen(kurve, dx, art, {5, 50});
        return gGauss->Anzahl();
    };
    // W = 8·dx/2.3548 = 0.001 with a height far above the amplitude bound.
    const float dx = Bis(static_cast<float>(0.001 * kHalbwertsBreite / 8.0), 0.001f,
                         [&](float schritt) { return bleiben(0, 100.0f, schritt), gGauss->W(1); });
    EXPECT_EQ(bleiben(KT_GR, 100.0f, dx), 1);
    // The next step that widens W past the bound (the division by 2.3548 may swallow one bit).
    float breiter = dx;
    do breiter = std::nextafter(breiter, 1.0f);
    while ((bleiben(0, 100.0f, breiter), gGauss->W(1)) <= 0.001f);
    EXPECT_EQ(bleiben(KT_GR, 100.0f, breiter), 2);

    // A = 0.09 at W = 0.08/2.3548.
    const float h = Bis(static_cast<float>(0.09 / (0.08 / kHalbwertsBreite * kWurzelPiHalbe)), 0.09f,
                        [&](float hoehe) { return bleiben(0, hoehe, 0.01f), gGauss->A(1); });
    EXPECT_EQ(bleiben(KT_GR, h, 0.01f), 1);
    EXPECT_EQ(bleiben(KT_GR, std::nextafter(h, 10.0f), 0.01f), 2);

    // Alone on the curve the tent is its most prominent peak and stays at any width.
    std::vector<float> allein(100, 0.0f);
    Zelt(allein, 5, 4, 100.0f);
    Schaetzen(allein, dx, KT_GR, {5});
    EXPECT_EQ(gGauss->Anzahl(), 1);
}

TEST_F(GaussBerechnenTest, AShellPrunedForItsAmplitudeEndsTheListOfGr)
{
    // Shells 0.2 nm apart fading outward, the fourth too small to keep (A < 0.09): the fifth beyond
    // the gap it leaves stands where the shells have faded, and goes with it. Without the fourth
    // in the list there is no gap the pruning left, and a list with a point beside each top (as
    // the extended search lists a shell's flanks) has no rhythm of shells: the fifth stays.
    constexpr double kSchritt = 0.004;
    const double hoehen[] = {40.0, 20.0, 8.0, 2.2, 6.0};
    std::vector<float> kurve(400, 0.0f);
    std::vector<float> schalen;
    for (size_t k = 0; k < std::size(hoehen); ++k) {
        schalen.push_back(static_cast<float>(0.25 + 0.2 * double(k)));
        kurve = Summe(kurve, Gauss(400, kSchritt, schalen.back(), 0.03, hoehen[k]));
    }
    std::vector<float> ohneVierte = schalen, mitFlanken = schalen;
    ohneVierte.erase(ohneVierte.begin() + 3);
    for (const float x : schalen) mitFlanken.push_back(x + 0.01f);
    for (const auto& [liste, anzahl, letzte] : {std::tuple{schalen, 3, 0.65}, {ohneVierte, 4, 1.05}, {mitFlanken, 8, 1.06}}) {
        Schaetzen(kurve, float(kSchritt), KT_GR, {}, liste);
        ASSERT_EQ(gGauss->Anzahl(), anzahl) << liste.size() << " listed";
        EXPECT_NEAR(gGauss->x(anzahl), letzte, kSchritt) << liste.size() << " listed";
    }
}

TEST_F(GaussBerechnenTest, LowerOverlappingRightNeighbourIsAShoulder)
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
    // below the curve's 0.83 at its position; the higher peak's curve, widened a little by the
    // shoulder at its half height, takes a little more than its own tail.
    EXPECT_GT(gGauss->Y_Gauss(5.7f, 2), 0.45f);
    EXPECT_LT(gGauss->Y_Gauss(5.7f, 2), 0.6f);
}

TEST_F(GaussBerechnenTest, OverlapOfEqualOrRisingPeaksMakesNoShoulder)
{
    for (const double links : {1.0, 0.5}) {
        Schaetzen(Summe(Gauss(300, 0.05, 5.0, 0.5, links), Gauss(300, 0.05, 5.8, 0.5, 1.0)), 0.05f, 0, {101, 117});
        EXPECT_EQ(gGauss->Schultern(), 1) << links;
        EXPECT_FALSE(gGauss->IsSchulter(2)) << links;
    }
    // Peaks far apart do not overlap at all.
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
