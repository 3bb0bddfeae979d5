// The way back from G(r): the back-transform with and without an I(K) and its weight, the
// direct back-transform of an r range, the truncation ripple left out of the transform, and the
// sum-rule density.
#include "AnalysisFixture.h"

#include "curves/clsCalc.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// K·I(K) of G(r) over points j1..j2 at K(k), by the rectangle rule.
double Sinussumme(int32_t j1, int32_t j2, int32_t k)
{
    double s = 0.0;
    for (int32_t j = j1; j <= j2; ++j) s += gGR->Y(j) * std::sin(double(gGR->R(j)) * gIK->x(k));
    return s * gOptions->Delta_r();
}

}

class IK_RTRTest : public AnalysisFixture {
protected:
    void SetUp() override
    {
        AnalysisFixture::SetUp();
        gCalc = std::make_unique<clsCalc>();
        gFFT->SetupFFT();
        gCommon->setEnable_Record(true);
    }
    void TearDown() override
    {
        gCalc.reset();
        AnalysisFixture::TearDown();
    }

    // An I(K) of two damped waves over 1500 points, all of it transformed, and its G(r).
    static void IKundGR()
    {
        std::vector<float> y(1500);
        for (int32_t i = 1; i <= 1500; ++i) {
            const double K = (i - 1) * 0.1;
            y[size_t(i - 1)] = static_cast<float>(std::exp(-K * K / 800.0) * (std::sin(0.28 * K) + 0.3 * std::cos(0.5 * K)));
        }
        SetIK(y);
        gIK->setFTR_Index(1500);
        ASSERT_TRUE(gGR->Berechnen());
    }

    // G(r) as a file gives it: no I(K), no forward transform since the set-up.
    static void GeladeneGR()
    {
        gGR->setPunkte(1000);
        for (int32_t i = 1; i <= 1000; ++i) gGR->Set_Y(i, static_cast<float>(std::exp(-std::pow((gGR->R(i) - 0.3) / 0.04, 2))));
    }
};

TEST_F(IK_RTRTest, SumRuleDensityOfMinusOne)
{
    EXPECT_EQ(gIK->Dichte_IK(), 0.0f);
    SetIK(std::vector<float>(100, -1.0f));
    gIK->setFTR_Index(100);
    gIK->setParabel_Index(2);
    ASSERT_EQ(gIK->Parabel_Index(), 2);
    double summe = 0.0;
    for (int32_t i = 1; i <= 100; ++i) summe += std::pow((i - 1) * 0.1, 2);
    EXPECT_NEAR(gIK->Dichte_IK(), 0.1 * summe / (2.0 * kPi * kPi), 1e-4);
    EXPECT_NEAR(gIK->Dichte_IK(), 16.634, 5e-4);
}

TEST_F(IK_RTRTest, WithoutIKTheBackTransformMakesOne)
{
    GeladeneGR();
    gIK->RTR_Berechnen();
    ASSERT_EQ(gIK->Punkte(), 1500);
    EXPECT_EQ(gIK->Wichtung(), 1.0f);
    EXPECT_EQ(gIK->FTR_Index(), 1500);
    EXPECT_EQ(gCalc->Maximum_X(), 150.0f);
    // A G(r) that no transform of this I(K) made is taken as the measurement.
    EXPECT_EQ(gIK->Y_RTR(1), 0.0f);
    for (const int32_t i : {2, 30, 700, 1500}) {
        EXPECT_EQ(gIK->Y_2(i), gIK->Y_RTR(i)) << i;
        EXPECT_NEAR(gIK->Y_RTR(i), Sinussumme(1, 1000, i) / gIK->x(i), 1e-4) << i;
    }
    EXPECT_FLOAT_EQ(gIK->Minimum(), -1.65f);  // −1.5 without form factors, widened
}

TEST_F(IK_RTRTest, TheWeightMovesTheMeasuredCurveTowardsTheBackTransform)
{
    gOptions->setiFTR_Bevorzugen(false);
    IKundGR();
    gIK->setWichtung(0.0f);
    const float gemessen = gIK->Y_2(300);
    gIK->RTR_Berechnen();
    gIK->RTR_Berechnen();
    EXPECT_EQ(gIK->Y_2(300), gemessen);
    EXPECT_NE(gIK->Y_RTR(300), gemessen);

    gIK->setWichtung(1.0f);
    gIK->RTR_Berechnen();
    for (const int32_t i : {2, 300, 1400}) EXPECT_EQ(gIK->Y_2(i), gIK->Y_RTR(i)) << i;
}

TEST_F(IK_RTRTest, AnRRangeIsTransformedAloneInEitherOrder)
{
    IKundGR();
    float r1 = 0.5f;
    float r2 = 0.2f;
    gIK->RTR_Berechnen_Extra(r1, r2);
    // The points nearest to the limits are taken, and their r come back.
    EXPECT_EQ(r1, gGR->R(53));
    EXPECT_EQ(r2, gGR->R(131));
    const float vorwaerts = gIK->Y_RTR(200);
    EXPECT_NEAR(vorwaerts, Sinussumme(53, 131, 200) / gIK->x(200), 1e-5);
    EXPECT_EQ(gIK->Y_RTR(1), 0.0f);

    r1 = 0.2f;
    r2 = 0.5f;
    gIK->RTR_Berechnen_Extra(r1, r2);
    EXPECT_EQ(gIK->Y_RTR(200), vorwaerts);

    r1 = 3.0f;
    r2 = 99.0f;
    gIK->RTR_Berechnen_Extra(r1, r2);
    EXPECT_EQ(r2, gGR->R(1000));
    EXPECT_NEAR(gIK->Y_RTR(200), Sinussumme(783, 1000, 200) / gIK->x(200), 1e-5);
}

TEST_F(IK_RTRTest, TheRippleIsLeftOutOnlyWhenComputedAndChosen)
{
    IKundGR();
    gGR->setDichte_Exp_Index(10);
    gIK->RTR_Berechnen();
    std::vector<float> ohne(1500);
    for (int32_t i = 1; i <= 1500; ++i) ohne[size_t(i - 1)] = gIK->Y_RTR(i);
    const size_t protokoll = seam_.logLines.size();
    EXPECT_GT(protokoll, 0u);  // the density line is logged

    // Chosen, but nothing computed: the same back-transform, and nothing logged.
    gIK->setAO_Weg(true);
    gIK->RTR_Berechnen();
    EXPECT_EQ(gIK->Y_RTR(300), ohne[299]);
    EXPECT_EQ(seam_.logLines.size(), protokoll);

    // Computed and chosen: the back-transform of G(r) less the ripple, the density line kept.
    gGR->AO_Berechnen(1.0f, 1.0f);
    const float g300 = gGR->Y(300);
    gIK->RTR_Berechnen();
    for (const int32_t k : {50, 300, 900}) {
        double s = 0.0;
        for (int32_t j = 12; j <= 1000; ++j) s += gGR->yt(j) * std::sin(double(gGR->R(j)) * gIK->x(k));
        const double erwartet = ohne[size_t(k - 1)] - s * gOptions->Delta_r() / gIK->x(k);
        EXPECT_NEAR(gIK->Y_RTR(k), erwartet, 1e-4) << k;
    }
    EXPECT_EQ(gGR->Y(300), g300);

    // Repeated passes take the ripple out once each, not once more each time.
    const float einmal = gIK->Y_RTR(300);
    gIK->RTR_Berechnen();
    EXPECT_EQ(gIK->Y_RTR(300), einmal);
}
