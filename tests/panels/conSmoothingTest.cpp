// The smoothing panel on the generated G(r): Chi by factors of two, the preview, and Cancel or OK.
#include "PanelFixture.h"

#include "core/KurvenTyp.h"
#include "panels/conSmoothing.h"
#include "widgets/fxbutton.h"

#include <QLabel>

class conSmoothingTest : public PanelFixture {
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        Auswertung();
        gGrafik->Zeichne_Kurve(KT_GR);
        Einsetzen(panel);
    }
    std::vector<float> GR() const
    {
        std::vector<float> werte;
        for (int32_t i = 1; i <= gGR->Punkte(); ++i) werte.push_back(gGR->Y(i));
        return werte;
    }

    conSmoothing panel;
};

TEST_F(conSmoothingTest, ChiDoublesAndHalves)
{
    panel.Start(KT_GR);
    for (int i = 0; i < 3; ++i) panel.cmdSmoothing[0]->Click();
    EXPECT_EQ(panel.Chi(), 80000.0f);
    EXPECT_EQ(panel.lblPunkte->text(), "80000");
    panel.cmdSmoothing[1]->Click();
    EXPECT_EQ(panel.lblPunkte->text(), "40000");
    Bilder("conSmoothing", [this] { panel.Start(KT_GR); });
}

TEST_F(conSmoothingTest, CancelLeavesTheCurveAndRemovesThePreview)
{
    const std::vector<float> vorher = GR();
    const QImage ohne = haupt.grab().toImage();
    const size_t zeilen = seam.logLines.size();
    panel.Start(KT_GR);
    EXPECT_NE(haupt.grab().toImage(), ohne) << "the preview is drawn";
    panel.Command1->Click();
    EXPECT_EQ(haupt.grab().toImage(), ohne);
    EXPECT_EQ(GR(), vorher);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(seam.logLines.size(), zeilen);
}

TEST_F(conSmoothingTest, OkTakesTheSmoothedGrAndLogsIt)
{
    gCommon->setEnable_Record(true);
    const std::vector<float> vorher = GR();
    int32_t geschlossen = 0;
    QObject::connect(&panel, &conSmoothing::Close, [&] { ++geschlossen; });
    panel.Start(KT_GR);
    panel.cmdOK->Click();
    EXPECT_NE(GR(), vorher);
    ASSERT_FALSE(seam.logLines.empty());
    EXPECT_TRUE(seam.logLines.back().ends_with(": G(r) geglättet, Chi = 10000")) << seam.logLines.back();
    EXPECT_EQ(geschlossen, 1);
}
