// G(r) computed aside for a preview: it is what the G(r) step would make, and nothing of the
// evaluation changes.
#include "AnalysisFixture.h"

#include "analysis/GR_Vorschau.h"

TEST_F(AnalysisFixture, PreviewGrMatchesTheStepAndLeavesTheEvaluationAlone)
{
    gCommon->setEnable_Record(true);
    WellenpaketIK(10.0);
    gMFE->setDichte_Experimentell(12.5f);
    const GR_Vorschau vorschau = GR_Vorschau_Aktuell();
    EXPECT_EQ(gGR->Punkte(), 0);
    EXPECT_EQ(gGR->Anzahl_FFT(), 0);
    EXPECT_EQ(gFFT->Anzahl_FFT(), 0);
    EXPECT_EQ(gMFE->Dichte_Experimentell(), 12.5f);
    EXPECT_TRUE(seam.logLines.empty());

    ASSERT_TRUE(gGR->Berechnen());
    ASSERT_EQ(static_cast<int32_t>(vorschau.G.size()), gGR->Punkte());
    for (int32_t i = 1; i <= gGR->Punkte(); ++i) {
        ASSERT_EQ(vorschau.G[size_t(i - 1)], gGR->Y(i)) << i;
        ASSERT_EQ(vorschau.R[size_t(i - 1)], gGR->R(i)) << i;
    }
    EXPECT_EQ(vorschau.Minimum, gGR->Minimum());
    EXPECT_EQ(vorschau.Maximum, gGR->Maximum());
    EXPECT_EQ(vorschau.Dichte_Experimentell, gMFE->Dichte_Experimentell());
    EXPECT_NE(vorschau.Dichte_Experimentell, 0.0f);
}
