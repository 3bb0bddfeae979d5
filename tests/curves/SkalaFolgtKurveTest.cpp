// The y scale of the views follows the working curve: after the halves are averaged and after a
// side fit is taken over, Maximum_Y is the new curve's highest value, so that the main peak is
// never cut off and "1:1" shows the whole curve.
#include "CurvesTest.h"

#include <algorithm>
#include <cmath>

namespace {

class SkalaFolgtKurveTest : public CurvesTest {
protected:
    void SetUp() override
    {
        CurvesTest::SetUp();
        OpenProject("probe.dat", "");
    }
    static float Hoechster()
    {
        const std::vector<float> y = Values();
        return *std::max_element(y.begin(), y.end());
    }
};

}

TEST_F(SkalaFolgtKurveTest, AveragedHalvesWhoseMainPeakStandsAboveTheCentre)
{
    // The primary beam is blocked: the centre is low, the main peak 3 1/nm off it is the highest.
    std::vector<float> werte;
    for (int32_t d = -500; d <= 500; ++d) {
        const double K = 0.1 * d;
        werte.push_back(float(300.0 + 2000.0 * std::exp(-(std::fabs(K) - 3.0) * (std::fabs(K) - 3.0))));
    }
    Load(0.0f, 0.1f, werte);
    gCalc->Falten();
    ASSERT_TRUE(gCalc->Mitteln(2));
    EXPECT_FLOAT_EQ(gCalc->Maximum_Y(), Hoechster());
    EXPECT_GT(gCalc->Maximum_Y(), 2.0f * gCalc->Y(1));
}

TEST_F(SkalaFolgtKurveTest, TakenOverSideFitSetsTheExtremesOfTheNewCurve)
{
    std::vector<float> werte;
    for (int32_t i = 1; i <= 601; ++i) {
        const double K = 0.1 * (i - 1);
        werte.push_back(float(200.0 + 5000.0 * std::exp(-K / 4.0) + 300.0 * std::sin(K) * std::exp(-K / 20.0)));
    }
    // A spike the fit smooths away: the raw curve's maximum is not the fitted curve's.
    werte[300] = 90000.0f;
    Load(0.0f, 0.1f, werte);
    gCalc->setMaximum_X(60.0f);
    gCalc->setTrennstelle(96);
    gCalc->setChi_Links(1000.0f);
    gCalc->setChi_Rechts(100.0f);
    ASSERT_TRUE(gCalc->FitUebernehmen());
    EXPECT_FLOAT_EQ(gCalc->Maximum_Y(), Hoechster());
    EXPECT_LT(gCalc->Maximum_Y(), 90000.0f);
}
