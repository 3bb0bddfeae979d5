// I(K) apart from its computation: the rules of the index and weight settings, the display range
// and the mean, the damping kinds at their edges, and the low-K extrapolation as the mouse action,
// the front parabola and the deviation text choose it.
#include "AnalysisFixture.h"

#include "analysis/Daempfung.h"
#include "analysis/TiefK_Modell.h"
#include "core/Runtime.h"

#include <cmath>
#include <numbers>

namespace {

std::vector<float> Konstant(int32_t n, float value) { return std::vector<float>(static_cast<size_t>(n), value); }

// An I(K) that rises from -1 like a parabola: -1 + 0.01·K².
std::vector<float> Parabel(int32_t n)
{
    std::vector<float> y(static_cast<size_t>(n));
    for (int32_t i = 1; i <= n; ++i) y[size_t(i - 1)] = static_cast<float>(0.01 * std::pow(0.1 * (i - 1), 2) - 1.0);
    return y;
}

}

class IKTest : public AnalysisFixture {
protected:
    void SetUp() override
    {
        AnalysisFixture::SetUp();
        gCommon->setEnable_Record(true);
    }
};

TEST_F(IKTest, IndexSettingsStayInsideTheCurve)
{
    SetIK(Konstant(500, 0.5f));
    gIK->setFTR_Index(800);
    EXPECT_EQ(gIK->FTR_Index(), 500);
    gIK->setFTR_Index(1);
    EXPECT_EQ(gIK->FTR_Index(), 2);
    gIK->setFTR_Index(300);

    gIK->setFTR_Start_Index(400);
    EXPECT_EQ(gIK->FTR_Start_Index(), 299);
    gIK->setFTR_Start_Index(0);
    EXPECT_EQ(gIK->FTR_Start_Index(), 1);
    gIK->setFTR_Start_Index(20);
    EXPECT_EQ(gIK->FTR_Start_Index(), 20);

    gIK->setParabel_Index(0);
    EXPECT_EQ(gIK->Parabel_Index(), 2);
    gIK->setParabel_Index(1);
    EXPECT_EQ(gIK->Parabel_Index(), 2);
    gIK->setParabel_Index(450);
    EXPECT_EQ(gIK->Parabel_Index(), 299);
}

TEST_F(IKTest, WeightWrapsAtBothEnds)
{
    SetIK(Konstant(100, 0.5f));
    gIK->setWichtung(1.2f);
    EXPECT_EQ(gIK->Wichtung(), 0.0f);
    gIK->setWichtung(-0.1f);
    EXPECT_EQ(gIK->Wichtung(), 1.0f);
    gIK->setWichtung(0.0f);
    EXPECT_EQ(gIK->Wichtung(), 0.0f);
    gIK->setWichtung(1.0f);
    EXPECT_EQ(gIK->Wichtung(), 1.0f);
}

TEST_F(IKTest, WithoutWeightTheWeightedCurveIsTheCurve)
{
    SetIK(Parabel(300));
    for (const bool bevorzugen : {true, false}) {
        gOptions->setiFTR_Bevorzugen(bevorzugen);
        for (int32_t i = 1; i <= 300; ++i) ASSERT_EQ(gIK->Y_Wichtung(i), gIK->Y(i)) << i;
    }
}

TEST_F(IKTest, DisplayRangeIsWidenedByATenth)
{
    gIK->UserSetScale(2.0f, 5.0f);
    EXPECT_FLOAT_EQ(gIK->Minimum(), 1.8f);
    EXPECT_FLOAT_EQ(gIK->Maximum(), 5.5f);
    gIK->UserSetScale(-2.0f, 5.0f);
    EXPECT_FLOAT_EQ(gIK->Minimum(), -2.2f);

    // Set_Y below the maximum still sets the minimum to minus the maximum.
    gIK = std::make_unique<clsIK>();
    SetIK(Konstant(10, 0.0f));
    gIK->Set_Y(3, 4.0f);
    gIK->Set_Y(4, 1.0f);
    EXPECT_FLOAT_EQ(gIK->Maximum(), 4.4f);
    EXPECT_FLOAT_EQ(gIK->Minimum(), -4.4f);
    EXPECT_THROW(gIK->Set_Y(11, 1.0f), rt::RuntimeError);
    EXPECT_THROW(gIK->Y(0), rt::RuntimeError);
}

TEST_F(IKTest, MeanStartsAtTheFirstPositiveValue)
{
    std::vector<float> y = Konstant(20, -1.0f);
    for (size_t i = 10; i < 20; ++i) y[i] = 1.0f;
    SetIK(y);
    gIK->setFTR_Index(20);
    gIK->Daempfen(DA_Keine);
    EXPECT_FLOAT_EQ(gIK->Mittelwert(), 10.0f / 20.0f);
}

TEST_F(IKTest, LorchDampingOfAConstant)
{
    SetIK(Konstant(300, 1.0f));
    gIK->setFTR_Index(101);  // K(F) = 10
    gIK->Daempfen(DA_Lorch);
    EXPECT_NEAR(gIK->Y(51), 2.0 / std::numbers::pi, 1e-6);  // K = 5
    EXPECT_NEAR(gIK->Y(101), 0.0, 1e-6);
    for (int32_t i = 102; i <= 300; ++i) ASSERT_EQ(gIK->Y(i), 0.0f);
    EXPECT_EQ(gIK->Y(1), 1.0f);
    // Damping copies the curve into the measured and the back-transformed forms.
    EXPECT_EQ(gIK->Y_2(51), gIK->Y(51));
    EXPECT_EQ(gIK->Y_RTR(51), gIK->Y(51));
    ASSERT_EQ(seam_.logLines.size(), 1u);
    EXPECT_NE(seam_.logLines[0].find(": Lorch - Dämpfung"), std::string::npos);

    // The undamped curve stays, so no damping brings it back.
    gIK->Daempfen(DA_Keine);
    EXPECT_EQ(gIK->Y(200), 1.0f);
}

TEST_F(IKTest, ShiftedLorchDampsOnlyTheLastHundredPoints)
{
    SetIK(Konstant(400, 1.0f));
    gIK->setFTR_Index(301);
    gIK->Daempfen(DA_Lorch_Shifted);
    for (int32_t i = 1; i <= 201; ++i) ASSERT_EQ(gIK->Y(i), 1.0f) << i;
    EXPECT_NEAR(gIK->Y(251), 2.0 / std::numbers::pi, 1e-6);
    EXPECT_NEAR(gIK->Y(301), 0.0, 1e-6);
    EXPECT_EQ(gIK->Y(302), 0.0f);

    // Without a hundred points before the cut-off there is nothing to taper.
    SetIK(Konstant(400, 1.0f));
    gIK->setFTR_Index(101);
    seam_.logLines.clear();
    gIK->Daempfen(DA_Lorch_Shifted);
    EXPECT_EQ(gIK->Y(300), 1.0f);
    EXPECT_TRUE(seam_.logLines.empty());
}

TEST_F(IKTest, ExponentialDampingEndsAtAThousandthOfK)
{
    SetIK(Konstant(200, 0.01f));
    gIK->setFTR_Index(101);
    gIK->Daempfen(DA_Exp);
    const double b = std::log(100.0) / 100.0;
    EXPECT_NEAR(gIK->Y(101), 0.0001, 1e-9);
    EXPECT_NEAR(gIK->Y(51), 0.01 * std::exp(-b * 25.0), 1e-9);
    EXPECT_EQ(gIK->Y(150), 0.0f);
    ASSERT_EQ(seam_.logLines.size(), 2u);
    EXPECT_NE(seam_.logLines[0].find(": Exponentielle Dämpfung"), std::string::npos);
    EXPECT_EQ(seam_.logLines[1], "Dämpfungsfaktor: " + rt::SingleText(static_cast<float>(b)));
}

TEST_F(IKTest, ExponentialDampingThatWouldNotDampChangesNothing)
{
    // End values 0, negative, and below 0.001/K(F), where the factor would grow with K.
    for (const float end : {0.0f, -0.5f, 0.00001f}) {
        SetIK(Konstant(200, 0.3f));
        gIK->Set_Y(101, end);
        gIK->setFTR_Index(101);
        seam_.logLines.clear();
        gIK->Daempfen(DA_Exp);
        EXPECT_EQ(gIK->Y(150), 0.3f) << end;
        EXPECT_TRUE(seam_.logLines.empty());
    }
    // At K = 0 there is no cut-off to damp towards.
    std::vector<float> y = Konstant(10, 0.3f);
    double b = 0.0;
    EXPECT_FALSE(Daempfe(DA_Exp, Konstant(10, 0.5f), 1, 0.1f, y, b));
    EXPECT_EQ(y, Konstant(10, 0.3f));
}

TEST_F(IKTest, TheCtrlKeyChoosesTheModelOfItsMouseAction)
{
    SetIK(Parabel(400));
    gIK->setFTR_Index(400);
    gOptions->LM_IK_Set(0, 7);
    gOptions->LM_IK_Set(1, LM_Parabel);
    gIK->setParabel_Index(101);
    // An unknown model takes I(K) itself.
    EXPECT_EQ(gIK->Parabel_Abweichung(), "100.0 %");
    EXPECT_EQ(gIK->Y_Parabel(1), gIK->Y(1));

    gIK->setMausTaste(2);
    gIK->setParabel_Index(101);
    EXPECT_EQ(gIK->Parabel_Abweichung(), "0.0 %");
    for (int32_t i = 1; i <= 101; ++i) ASSERT_NEAR(gIK->Y_Parabel(i), gIK->Y(i), 1e-6) << i;
}

TEST_F(IKTest, FrontParabolaRunsFromZeroToTheBackTransformAtPointTwenty)
{
    SetIK(Parabel(400));
    gIK->setFTR_Index(400);
    gOptions->LM_IK_Set(0, LM_Parabel);
    gIK->setParabel_Vorn(true);
    gIK->setParabel_Index(60);
    EXPECT_EQ(gIK->Y_Parabel(1), 0.0f);
    EXPECT_FLOAT_EQ(gIK->Y_Parabel(20), gIK->Y_RTR(20));
    EXPECT_NEAR(gIK->Y_Parabel(10), gIK->Y_RTR(20) * (1.0 - std::pow(1.0 / 1.9, 2)), 1e-6);
    EXPECT_NEAR(gIK->Y_Parabel(40), gIK->Y(40), 1e-6);

    // Below point 20 it has no room: the extrapolation is I(K) itself.
    gIK->setParabel_Index(10);
    for (int32_t i = 1; i <= 10; ++i) EXPECT_EQ(gIK->Y_Parabel(i), gIK->Y_Wichtung(i));
    EXPECT_EQ(gIK->Parabel_Abweichung(), "100.0 %");
}

TEST_F(IKTest, DegenerateModelsFallBackToTheCurve)
{
    // A flat I(K) has no half-height point and no slope.
    SetIK(Konstant(200, 0.2f));
    gIK->setFTR_Index(200);
    for (const int32_t modell : {LM_Parabel_Anstieg, LM_Voigt, LM_Lorentz, LM_Gauss}) {
        gOptions->LM_IK_Set(0, modell);
        gIK->setParabel_Index(50);
        for (int32_t i = 1; i <= 50; ++i) ASSERT_EQ(gIK->Y_Parabel(i), 0.2f) << modell;
        EXPECT_EQ(gIK->Parabel_Abweichung(), "100.0 %");
    }
    // Too short a curve for any model: no extrapolation at all.
    SetIK(Konstant(2, 0.2f));
    gIK->setWichtung(0.5f);
    EXPECT_EQ(gIK->Parabel_Index(), 0);
}
