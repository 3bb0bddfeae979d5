// The way back from G(r): the truncation ripple left out of the back-transform, and the sum-rule
// density.
#include "AnalysisFixture.h"

#include "curves/clsCalc.h"

class IK_RTRTest : public AnalysisFixture {
protected:
    void SetUp() override
    {
        gCommon->setEnable_Record(true);
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
};

TEST_F(IK_RTRTest, TheRippleIsLeftOutOnlyWhenComputedAndChosen)
{
    IKundGR();
    gGR->setDichte_Exp_Index(10);
    gIK->RTR_Berechnen();
    std::vector<float> ohne(1500);
    for (int32_t i = 1; i <= 1500; ++i) ohne[size_t(i - 1)] = gIK->Y_RTR(i);
    const size_t protokoll = seam.logLines.size();
    EXPECT_GT(protokoll, 0u);  // the density line is logged

    // Chosen, but nothing computed: the same back-transform, and nothing logged.
    gIK->setAO_Weg(true);
    gIK->RTR_Berechnen();
    EXPECT_EQ(gIK->Y_RTR(300), ohne[299]);
    EXPECT_EQ(seam.logLines.size(), protokoll);

    // Computed and chosen: the back-transform of G(r) less the ripple, the density line kept at the
    // ten points it was fitted to.
    gGR->AO_Berechnen(1.0f, 1.0f);
    const float g300 = gGR->Y(300);
    gIK->RTR_Berechnen();
    for (const int32_t k : {50, 300, 900}) {
        double s = 0.0;
        for (int32_t j = 11; j <= 1000; ++j) s += gGR->yt(j) * std::sin(double(gGR->R(j)) * gIK->x(k));
        const double erwartet = ohne[size_t(k - 1)] - s * gOptions->Delta_r() / gIK->x(k);
        EXPECT_NEAR(gIK->Y_RTR(k), erwartet, 1e-4) << k;
    }
    EXPECT_EQ(gGR->Y(300), g300);

    // Repeated passes take the ripple out once each, not once more each time.
    const float einmal = gIK->Y_RTR(300);
    gIK->RTR_Berechnen();
    EXPECT_EQ(gIK->Y_RTR(300), einmal);
}

TEST_F(IK_RTRTest, SumRuleDensityOfMinusOne)
{
    EXPECT_EQ(gIK->Dichte_IK(), 0.0f);
    SetIK(std::vector<float>(100, -1.0f));
    gIK->setFTR_Index(100);
    gIK->setParabel_Index(2);
    ASSERT_EQ(gIK->Parabel_Index(), 2);
    // Δk·(Σ K(i)² − K(100)²/2)/(2π²): the trapezoid gives the last point half its weight.
    EXPECT_NEAR(gIK->Dichte_IK(), 16.386, 5e-4);
}

TEST_F(IK_RTRTest, WithoutAGrTheIKStaysAsItIs)
{
    // An I(K) that a project starts from, before any G(r): nothing to transform back.
    std::vector<float> y(800);
    for (int32_t i = 1; i <= 800; ++i) y[size_t(i - 1)] = static_cast<float>(std::sin(0.3 * i) / (1.0 + 0.01 * i));
    SetIK(y);
    gGR->setPunkte(0);
    gGespeichert = true;
    gIK->RTR_Berechnen();
    ASSERT_EQ(gIK->Punkte(), 800);
    for (const int32_t i : {1, 100, 500, 800}) {
        EXPECT_EQ(gIK->Y(i), y[size_t(i - 1)]) << i;
        EXPECT_EQ(gIK->Y_2(i), y[size_t(i - 1)]) << i;
    }
    EXPECT_TRUE(gGespeichert) << "nothing changed";
}
