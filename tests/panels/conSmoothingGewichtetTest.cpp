// The smoothing panel started on the weighted I(K) that the diagram shows after a return from G(r)
// (kind 10): OK takes the smoothed curve over into I(K) and logs it, as on I(K) itself.
#include "PanelFixture.h"

#include "core/KurvenTyp.h"
#include "panels/conSmoothing.h"
#include "widgets/fxbutton.h"

class conSmoothingGewichtetTest : public PanelFixture {
protected:
    static std::vector<float> IK()
    {
        std::vector<float> werte;
        for (int32_t i = 1; i <= gIK->Punkte(); ++i) werte.push_back(gIK->Y(i));
        return werte;
    }

    conSmoothing panel;
};

TEST_F(conSmoothingGewichtetTest, OkOnTheWeightedIKTakesTheSmoothedCurveOver)
{
    Auswertung();
    gGrafik->Zeichne_Kurve(KT_IK_Wichtung);
    Einsetzen(panel);
    gCommon->setEnable_Record(true);
    int32_t geschlossen = 0;
    QObject::connect(&panel, &conSmoothing::Close, [&] { ++geschlossen; });

    const std::vector<float> vorher = IK();
    panel.Start(KT_IK_Wichtung);
    for (int i = 0; i < 4; ++i) panel.cmdSmoothing[0]->Click();  // Chi 160000: visibly smoother
    panel.cmdOK->Click();

    const std::vector<float> nachher = IK();
    ASSERT_EQ(nachher.size(), vorher.size());
    EXPECT_NE(nachher, vorher) << "OK took nothing over";
    // Smoothed: the mean square second difference falls.
    const auto rauheit = [](const std::vector<float>& y) {
        double s = 0.0;
        for (size_t i = 1; i + 1 < y.size(); ++i) s += std::pow(double(y[i - 1]) - 2.0 * y[i] + y[i + 1], 2);
        return s;
    };
    EXPECT_LT(rauheit(nachher), rauheit(vorher));
    ASSERT_FALSE(seam.logLines.empty());
    EXPECT_TRUE(seam.logLines.back().ends_with(": I(K) geglättet, Chi = 160000")) << seam.logLines.back();
    EXPECT_EQ(geschlossen, 1);
}
