// The analysis members that meet a run-time error report it through gError and give their neutral
// value, where the run that calls them internally still ends at the error.
#include "AnalysisFixture.h"
#include "support/Gemeldet.h"
#include "analysis/Modelllinien.h"
#include "analysis/TransformGroesse.h"
#include "analysis/clsFT_AI.h"
#include "analysis/clsMath.h"

class AnalyseFehlerTest : public AnalysisFixture {};

TEST_F(AnalyseFehlerTest, PublicMembersReportInsteadOfThrowing)
{
    int32_t anzahl = -1;
    EXPECT_EQ(Gemeldet_Ohne(gMFE, [&] { anzahl = gGR->Anzahl_Friedeloszillationen(); }),
              "clsGR.Anzahl_Friedeloszillationen 91");
    EXPECT_EQ(anzahl, 0);
    clsMath math;
    EXPECT_EQ(Gemeldet_Ohne(gGauss, [&] { math.Search_Peaks(0, 0.0f); }), "clsMath.Search_Peaks 91");
    EXPECT_EQ(Gemeldet_Ohne(gIK, [] { clsFT_AI::Abbruchstelle_Anpassen(); }), "clsFT_AI.Abbruchstelle_Anpassen 91");
    std::string text = "-";
    EXPECT_EQ(Gemeldet_Ohne(gMFE, [&] { text = clsFT_AI().Info_Text(); }), "clsFT_AI.Info_Text 91");
    EXPECT_EQ(text, "");

    float lambda = -1.0f;
    EXPECT_EQ(Gemeldet([&] { lambda = Friedel_Wellenlaenge(0.0f, 60.0f); }), "Modelllinien.Friedel_Wellenlaenge 11");
    EXPECT_TRUE(Friedel_Linien(lambda, 0.25f).empty());

    const int32_t bits = gOptions->FFT_Bits();
    EXPECT_EQ(Gemeldet([] { FFT_Bits_Setzen(25); }), "TransformGroesse.FFT_Bits_Setzen 5");
    EXPECT_EQ(gOptions->FFT_Bits(), bits);
}
