// I(K) apart from its computation: the damping kinds at their edges (the low-K models:
// TiefK_ModellTest.cpp).
#include "AnalysisFixture.h"

#include "analysis/Daempfung.h"
#include "analysis/TiefK_Modell.h"
#include "core/Runtime.h"

class IKTest : public AnalysisFixture {
protected:
    void SetUp() override { gCommon->setEnable_Record(true); }
    static std::vector<float> Konstant(int32_t n, float value) { return std::vector<float>(size_t(n), value); }
};

TEST_F(IKTest, LorchDampingOfAConstantAndShiftedLorchOnlyOnTheLastHundredPoints)
{
    SetIK(Konstant(300, 1.0f));
    gIK->setFTR_Index(101);  // K(F) = 10
    gIK->Daempfen(DA_Lorch);
    EXPECT_NEAR(gIK->Y(51), 2.0 / kPi, 1e-6);  // K = 5
    EXPECT_NEAR(gIK->Y(101), 0.0, 1e-6);
    EXPECT_EQ(gIK->Y(102), 0.0f);
    // Damping copies the curve into the measured and the back-transformed forms.
    EXPECT_EQ(gIK->Y_RTR(51), gIK->Y(51));

    // The undamped curve stays, so no damping brings it back.
    gIK->Daempfen(DA_Keine);
    EXPECT_EQ(gIK->Y(200), 1.0f);
    SetIK(Konstant(400, 1.0f));
    gIK->setFTR_Index(301);
    gIK->Daempfen(DA_Lorch_Shifted);
    for (int32_t i = 1; i <= 201; ++i) ASSERT_EQ(gIK->Y(i), 1.0f) << i;
    EXPECT_NEAR(gIK->Y(251), 2.0 / kPi, 1e-6);
    EXPECT_EQ(gIK->Y(302), 0.0f);

    // Without a hundred points before the cut-off there is nothing to taper.
    SetIK(Konstant(400, 1.0f));
    gIK->setFTR_Index(101);
    seam.logLines.clear();
    gIK->Daempfen(DA_Lorch_Shifted);
    EXPECT_EQ(gIK->Y(300), 1.0f);
    EXPECT_TRUE(seam.logLines.empty());
}

TEST_F(IKTest, ExponentialDampingEndsAtAThousandthOfKOrNotAtAll)
{
    SetIK(Konstant(200, 0.01f));
    gIK->setFTR_Index(101);
    gIK->Daempfen(DA_Exp);
    const double b = std::log(100.0) / 100.0;  // from 0.01 down to 0.001/K(F) over K(F) = 10
    EXPECT_NEAR(gIK->Y(101), 0.0001, 1e-9);
    EXPECT_NEAR(gIK->Y(51), 0.01 * std::exp(-b * 25.0), 1e-9);
    EXPECT_EQ(gIK->Y(150), 0.0f);
    EXPECT_EQ(seam.logLines.back(), "Dämpfungsfaktor: " + rt::SingleText(static_cast<float>(b)));

    // End values 0, negative, and below 0.001/K(F), where the factor would grow with K.
    for (const float end : {0.0f, -0.5f, 0.00001f}) {
        SetIK(Konstant(200, 0.3f));
        gIK->Set_Y(101, end);
        gIK->setFTR_Index(101);
        seam.logLines.clear();
        gIK->Daempfen(DA_Exp);
        EXPECT_EQ(gIK->Y(150), 0.3f) << end;
        EXPECT_TRUE(seam.logLines.empty());
    }
    // At K = 0 there is no cut-off to damp towards.
    std::vector<float> y = Konstant(10, 0.3f);
    double faktor = 0.0;
    EXPECT_FALSE(Daempfe(DA_Exp, Konstant(10, 0.5f), 1, 0.1f, y, faktor));
    EXPECT_EQ(y, Konstant(10, 0.3f));
}

