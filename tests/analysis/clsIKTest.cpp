// I(K) apart from its computation: the rules of the index and weight settings, the damping kinds
// at their edges, and the low-K models that cannot describe the curve.
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

    // Without a hundred points before the cut-off there is nothing to taper: the cut-off does not
    // go there while the shifted Lorch damps, and the shifted Lorch is not taken there; each time
    // one message says why and what stays.
    const std::string zuWenige = gLanguage->Caption(601);
    seam.messages.clear();
    gIK->setFTR_Index(101);
    EXPECT_EQ(gIK->FTR_Index(), 301);
    EXPECT_NEAR(gIK->Y(251), 2.0 / kPi, 1e-6);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, zuWenige + "\r\n" + gLanguage->Caption(603));
    gIK->Daempfen(DA_Keine);
    gIK->setFTR_Index(101);
    seam.logLines.clear();
    seam.messages.clear();
    gIK->Daempfen(DA_Lorch_Shifted);
    EXPECT_EQ(gIK->Y(300), 1.0f);
    EXPECT_EQ(gIK->Daempfung(), DA_Keine);
    EXPECT_TRUE(seam.logLines.empty());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, zuWenige + "\r\n" + gLanguage->Caption(602));
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

TEST_F(IKTest, SettersKeepTheirValuesInsideTheirRanges)
{
    // 2 ≤ F ≤ N, 1 ≤ start < F, 2 ≤ parabola ≤ F − 1, and the weight wraps at both ends.
    SetIK(Konstant(500, 0.5f));
    const auto ftr = [](int32_t v) { return gIK->setFTR_Index(v), gIK->FTR_Index(); };
    const auto start = [](int32_t v) { return gIK->setFTR_Start_Index(v), gIK->FTR_Start_Index(); };
    const auto parabel = [](int32_t v) { return gIK->setParabel_Index(v), gIK->Parabel_Index(); };
    const auto wichtung = [](float v) { return gIK->setWichtung(v), gIK->Wichtung(); };
    EXPECT_EQ(ftr(800), 500);
    EXPECT_EQ(ftr(1), 2);
    EXPECT_EQ(ftr(300), 300);
    for (const auto& [v, e] : {std::pair{400, 299}, {0, 1}, {20, 20}}) EXPECT_EQ(start(v), e) << v;
    for (const auto& [v, e] : {std::pair{0, 2}, {1, 2}, {450, 299}}) EXPECT_EQ(parabel(v), e) << v;
    for (const auto& [v, e] : {std::pair{1.2f, 0.0f}, {-0.1f, 1.0f}, {0.0f, 0.0f}, {1.0f, 1.0f}})
        EXPECT_EQ(wichtung(v), e) << v;
}

TEST_F(IKTest, DegenerateModelsFallBackToTheCurve)
{
    // A flat I(K) has no half-height point and no slope.
    SetIK(Konstant(200, 0.2f));
    gIK->setFTR_Index(200);
    gOptions->LM_IK_Set(0, LM_Voigt);
    gIK->setParabel_Index(50);
    EXPECT_EQ(gIK->Y_Parabel(25), 0.2f);
    EXPECT_EQ(gIK->Parabel_Abweichung(), "100.0 %");
    // Too short a curve for any model: no extrapolation at all.
    SetIK(Konstant(2, 0.2f));
    gIK->setWichtung(0.5f);
    EXPECT_EQ(gIK->Parabel_Index(), 0);
}

TEST_F(IKTest, TheDampingInForceIsTheLastThatDampedAndEveryNewCurveStartsUndamped)
{
    // The smoothing take-over damps by the kind in force: a stale kind would damp a new, undamped curve.
    ASSERT_TRUE(gIK->Lorch_100());
    EXPECT_EQ(gIK->Daempfung(), DA_Keine);
    gIK->setFTR_Index(801);  // K(F) = 80
    gIK->Daempfen(DA_Lorch);
    EXPECT_EQ(gIK->Daempfung(), DA_Lorch);
    // The same damping for any undamped curve on the grid of I(K).
    const std::vector<float> eins = gIK->Wie_Gedaempft(Konstant(gIK->Punkte(), 1.0f));
    EXPECT_NEAR(eins[400], 2.0 / kPi, 1e-6) << "K = 40 of a cut-off at 80";
    EXPECT_EQ(eins[801], 0.0f);
    // Beyond K = 100 the curve is 0: exponential damping cannot end there and changes nothing.
    gIK->setFTR_Index(1201);
    const float gedaempft = gIK->Y(401);
    seam.messages.clear();
    gIK->Daempfen(DA_Exp);
    EXPECT_EQ(gIK->Daempfung(), DA_Lorch);
    EXPECT_EQ(gIK->Y(401), gedaempft);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(600) + "\r\n" + gLanguage->Caption(602));

    gIK->WerteUmrechnen("y");
    EXPECT_EQ(gIK->Daempfung(), DA_Lorch) << "the converted curve is damped anew by the damping in force";
    EXPECT_NEAR(gIK->Y(401), gedaempft, 1e-6);
    for (const auto neu : {&clsIK::Rechteck, &clsIK::PeakTest, &clsIK::Lorch_100}) {
        gIK->Daempfen(DA_Lorch);
        ASSERT_TRUE((*gIK.*neu)());
        EXPECT_EQ(gIK->Daempfung(), DA_Keine);
    }
}
