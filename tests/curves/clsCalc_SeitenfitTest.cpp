#include "CurvesTest.h"
#include "curves/clsSpline.h"

#include <cmath>
#include <limits>
#include <random>

namespace {

class SideFitTest : public CurvesTest {
protected:
    void SetUp() override
    {
        CurvesTest::SetUp();
        OpenProject("probe.dat", "");
    }
    // An averaged curve of n points from K = 0, step 0.1: a falling background with a damped
    // oscillation, and counting noise when noisy.
    static void LoadSpectrum(int32_t n, bool noisy = false)
    {
        std::mt19937 random(4711);
        std::normal_distribution<double> noise(0.0, 1.0);
        std::vector<float> values;
        for (int32_t i = 1; i <= n; ++i) {
            const double K = 0.1 * (i - 1);
            const double value = 200.0 + 5000.0 * std::exp(-K / 4.0) + 300.0 * std::sin(K) * std::exp(-K / 20.0);
            values.push_back(float(noisy ? value + std::sqrt(value) * noise(random) : value));
        }
        Load(0.0f, 0.1f, values);
    }
    std::string FitPath() const { return gCommon->Ordner() + gCommon->Dateiname() + ".fit"; }
};

TEST_F(SideFitTest, SeparationPointSizesBothSides)
{
    LoadSpectrum(1000);
    gCalc->setTrennstelle(200);
    // The overlap on the fit grid, the curve points of each side and the fit points of each side.
    const auto sides = [] {
        return std::tuple{gOptions->Fit_Ueberlapp_k(), gCalc->Daten_Links(), gCalc->Daten_Rechts(),
                          gCalc->Fit_Punkte_Links(), gCalc->Fit_Punkte_Rechts()};
    };
    EXPECT_EQ(sides(), std::tuple(5, 205, 805, 204, 796));
    EXPECT_TRUE(gCalc->Trennstelle_OK());
    gOptions->setDelta_k(0.05f);
    gCalc->setTrennstelle(200);
    EXPECT_EQ(sides(), std::tuple(10, 205, 805, 408, 1592)) << "on a finer fit grid the overlap spans 10 fit points";
}

TEST_F(SideFitTest, SearchKeepsASmoothFitItFittedLastOrElseTheStartChi)
{
    // Which chi wins is the search's own affair; here the side's state must be that of the kept fit.
    LoadSpectrum(1000, true);
    gCalc->setTrennstelle(200);
    gCalc->setChi_Links(1e6f);
    gCalc->Best_Fit_L();
    ASSERT_LT(gCalc->Chi_Links(), 1e6f) << "some round qualifies";
    // The kept chi is a qualifying round's or the counting noise's: a smooth fit either way, never
    // the last and roughest round of the search.
    EXPECT_NEAR(gCalc->Glattheit_Links(), 1.0f, 0.05f);
    clsCalc probe = *gCalc;
    probe.setChi_Links(gCalc->Chi_Links());
    EXPECT_EQ(probe.Abweichung_Links(), gCalc->Abweichung_Links());

    gCalc->setTrennstelle(-3);  // two curve points for the left side: the spline cannot fit them
    gCalc->setChi_Links(1e6f);
    gCalc->Best_Fit_L();
    EXPECT_EQ(gCalc->Chi_Links(), 1e6f);
}

TEST_F(SideFitTest, EachSideFitsItsOwnPartWithValuesItCannotTakeReplacedOnlyInItsInput)
{
    LoadSpectrum(1000);
    gCalc->setY(10, -4.0f);
    gCalc->setY(500, -4.0f);
    gCalc->setY(600, 0.0f);
    gCalc->setTrennstelle(200);
    gCalc->setChi_Links(0.0f);  // without smoothing the spline runs through the points it was given
    gCalc->setChi_Rechts(0.0f);
    EXPECT_NEAR(gCalc->Y_Fit_L(100), gCalc->Y(100), 1e-3 * gCalc->Y(100));
    EXPECT_NEAR(gCalc->Y_Fit_R(300), gCalc->Y(494), 1e-3 * gCalc->Y(494)) << "the right part starts at point 195";
    EXPECT_EQ(std::vector<float>({gCalc->Y(10), gCalc->Y(500), gCalc->Y(600)}), std::vector<float>({-4, -4, 0}));
    // The left fit takes 1 for a value at or below zero; the right one the magnitude, 0.1 for zero.
    EXPECT_NEAR(gCalc->Y_Fit_L(10), 1.0f, 1e-2f);
    EXPECT_NEAR(gCalc->Y_Fit_R(500 - 194), 4.0f, 1e-2f);
    EXPECT_NEAR(gCalc->Y_Fit_R(600 - 194), 0.1f, 1e-2f);
}

TEST_F(SideFitTest, ZeroCountInTheLeftPartCannotPutNonsenseIntoTheCurve)
{
    // The zero becomes 1 with a weight far below its neighbours'; every searched fit must stay a fit
    // of the data, and so must the curve taken over.
    LoadSpectrum(1000, true);
    for (int32_t i = 1; i <= gCalc->Punkte(); ++i) gCalc->setY(i, 1000.0f * gCalc->Y(i));  // high counts: small dy
    gCalc->setY(51, 0.0f);
    float tiefster = std::numeric_limits<float>::max();
    float hoechster = 0.0f;
    for (int32_t i = 1; i <= gCalc->Punkte(); ++i) {
        tiefster = std::min(tiefster, std::max(gCalc->Y(i), 1.0f));
        hoechster = std::max(hoechster, gCalc->Y(i));
    }
    gCalc->setTrennstelle(200);
    gCalc->setChi_Links(1e6f);
    gCalc->setChi_Rechts(1e4f);
    gCalc->Best_Fit_L();
    gCalc->Best_Fit_R();
    EXPECT_GE(gCalc->Abweichung_Links(), 0.0f);
    EXPECT_LE(gCalc->Abweichung_Links(), 1.0f);
    ASSERT_TRUE(gCalc->FitUebernehmen());
    for (int32_t i = 1; i <= gCalc->Punkte(); ++i) {
        ASSERT_GE(gCalc->Y(i), tiefster) << "K = " << gCalc->x(i);
        ASSERT_LE(gCalc->Y(i), hoechster) << "K = " << gCalc->x(i);
    }
}

TEST_F(SideFitTest, TakingOverJoinsTheFitsOnTheFitGridOnceBothSidesAreFitted)
{
    // A new user's options write the fit: no option is set here.
    LoadSpectrum(601);  // separation point 96 on 601 points up to K = 60: 100 left and 500 right fit points
    const std::vector<float> gemessen = Values();
    gCalc->setMaximum_X(60.0f);
    gCalc->setTrennstelle(96);
    ASSERT_EQ(gCalc->Fit_Punkte_Links() * 1000 + gCalc->Fit_Punkte_Rechts(), 100500);
    EXPECT_FALSE(gCalc->FitUebernehmen());
    gCalc->setChi_Links(1000.0f);
    EXPECT_FALSE(gCalc->FitUebernehmen()) << "the right side is not fitted yet";
    EXPECT_TRUE(seam.logLines.empty());
    gCalc->setChi_Rechts(100.0f);

    ASSERT_TRUE(gCalc->FitUebernehmen());
    // Both fits end 2 x 5 points before the measured end and overlap by 10 fit points.
    ASSERT_EQ(gCalc->Punkte(), 590);
    EXPECT_EQ(gCalc->Schrittweite(), gOptions->Delta_k());
    EXPECT_EQ(gCalc->Maximum_X(), gCalc->x(590));
    // The curve taken over stays as close to the measurement as the two smoothing numbers allow
    // (the blend over the overlap cannot add to it), joint included: sum ((Y - J) / dJ)^2 with the
    // fits' dJ = 100 / sqrt(J) is at most 1000 + 100; a curve put together out of place is far off.
    double chi = 0.0;
    for (int32_t i = 1; i <= 590; ++i) {
        ASSERT_FLOAT_EQ(gCalc->x(i), 0.1f * float(i - 1));
        const double J = gemessen[size_t(i - 1)];
        chi += std::pow((gCalc->Y(i) - J) * std::sqrt(J) / 100.0, 2);
    }
    EXPECT_LT(chi, 1100.0);
    EXPECT_GT(chi, 1.0) << "smoothed, not interpolated";

    // The file carries the curve under its extension, one point per line.
    std::istringstream file(ReadFile(FitPath()));
    int32_t lines = 0;
    for (std::string line; std::getline(file, line); ++lines) {
        ASSERT_LT(lines, 590);
        std::istringstream paar(line);
        float x = 0.0f, y = 0.0f;
        ASSERT_TRUE(paar >> x >> y) << line;
        ASSERT_FLOAT_EQ(x, gCalc->x(lines + 1));
        ASSERT_FLOAT_EQ(y, gCalc->Y(lines + 1));
    }
    EXPECT_EQ(lines, 590);
    EXPECT_TRUE(Logged("Trennstelle für Spline-Fit: 9.5 1/nm"));
    EXPECT_TRUE(LoggedPart(": Fit gespeichert " + FitPath()));
    EXPECT_FALSE(gCalc->FitUebernehmen()) << "the fits belonged to the curve they replaced";

    // Where the two fits lie far apart (the left one smoothed far beyond the data, some 300 counts
    // below the right one at the joint), the curve passes from one to the other over the overlap
    // without a jump: no step there is much larger than the curve's steps just beside it.
    LoadSpectrum(601);
    gCalc->setTrennstelle(96);
    gCalc->setChi_Links(1e6f);
    gCalc->setChi_Rechts(100.0f);
    ASSERT_TRUE(gCalc->FitUebernehmen());
    const auto schritt = [](int32_t i) { return std::fabs(gCalc->Y(i + 1) - gCalc->Y(i)); };
    float daneben = 0.0f;
    for (int32_t i = 80; i <= 110; ++i)
        if (i < 89 || i > 101) daneben = std::max(daneben, schritt(i));
    for (int32_t i = 89; i <= 101; ++i) EXPECT_LE(schritt(i), 1.5f * daneben) << "step after point " << i;

    gOptions->setKurveSpeichern(4, false);
    std::filesystem::remove(FitPath());
    seam.logLines.clear();
    LoadSpectrum(601);
    gCalc->setTrennstelle(96);
    gCalc->setChi_Links(1000.0f);
    gCalc->setChi_Rechts(100.0f);
    ASSERT_TRUE(gCalc->FitUebernehmen());
    EXPECT_FALSE(std::filesystem::exists(FitPath()));
    EXPECT_FALSE(LoggedPart("Fit gespeichert")) << "only a written file is logged";
}

}
