// The side-fit panel on the generated evaluation: the separation point and the Chi boxes, typing,
// doubling, and taking the fit over into the stage store.
#include "PanelFixture.h"

#include "core/modCommon.h"
#include "curves/clsSSC.h"
#include "panels/conFit.h"
#include "widgets/fxbutton.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

class conFitTest : public PanelFixture {
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        Gemittelt();
        gCalc->setTrennstelle(121);
        ASSERT_TRUE(gCalc->Trennstelle_OK());
        Einsetzen(panel);
    }
    void Tippen(int32_t box, const QString& text)
    {
        panel.txtParam[box]->setText(text);
        QTest::keyClick(panel.txtParam[box], Qt::Key_Return);
    }

    conFit panel;
};

TEST_F(conFitTest, NewSeparationPointShowsItAndResetsBothFits)
{
    ASSERT_NEAR(gCalc->x(121), 12.0f, 0.01f);
    gCalc->setChi_Links(5e4f);
    panel.NeueTrennstelle();
    EXPECT_EQ(panel.lblTrennstelle->text(), "Index: 121\r\n12.0 1/nm");
    EXPECT_EQ(panel.txtParam[0]->text(), "1.00E+03");
    EXPECT_EQ(panel.txtParam[1]->text(), "1.00E+02");
    EXPECT_TRUE(panel.isVisible());
    Bilder("conFit", [this] { panel.SpracheUmstellen(); });
}

TEST_F(conFitTest, EnterTakesANumberWithEitherMarkAndIgnoresText)
{
    panel.NeueTrennstelle();
    Tippen(1, "2500");
    EXPECT_FLOAT_EQ(gCalc->Chi_Rechts(), 2500.0f);
    EXPECT_EQ(panel.txtParam[1]->text(), "2.50E+03");
    Tippen(1, "abc");
    EXPECT_EQ(panel.txtParam[1]->text(), "abc") << "the text stays as typed";
    EXPECT_FLOAT_EQ(gCalc->Chi_Rechts(), 2500.0f);
    Tippen(0, "2,5e3");
    EXPECT_FLOAT_EQ(gCalc->Chi_Links(), 2500.0f);
    // Any other key only edits the box.
    QTest::keyClicks(panel.txtParam[0], "9");
    EXPECT_FLOAT_EQ(gCalc->Chi_Links(), 2500.0f);
}

TEST_F(conFitTest, PlusAndMinusWorkFromTheReportedValue)
{
    panel.NeueTrennstelle();
    panel.cmdFit[1]->Click();
    EXPECT_FLOAT_EQ(gCalc->Chi_Links(), 2000.0f);
    EXPECT_EQ(panel.txtParam[0]->text(), "2.00E+03");
    panel.cmdFit[5]->Click();
    EXPECT_FLOAT_EQ(gCalc->Chi_Rechts(), 50.0f);
}

TEST_F(conFitTest, SideZoomsStayInsideTheCurveWhenTheOverlapReachesPastAnEnd)
{
    gOptions->setFit_Ueberlapp_k(gCalc->Punkte() + 50);
    panel.NeueTrennstelle();
    panel.cmdFit[3]->Click();
    panel.cmdFit[6]->Click();
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(conFitTest, TakingTheFitOverStoresTheAveragedHalvesThenTheFit)
{
    gSSC->ESC_HEADER();
    panel.NeueTrennstelle();
    const float gemittelt = gCalc->Y(10);
    int32_t uebernommen = 0;
    QObject::connect(&panel, &conFit::Uebernommen, [&] { ++uebernommen; });
    panel.cmdFit[8]->Click();
    EXPECT_EQ(gSchritt, 15);
    EXPECT_EQ(uebernommen, 1);
    EXPECT_FALSE(panel.isVisible());
    ASSERT_TRUE(gSSC->Kurve_Zurueck(0, 3));
    EXPECT_EQ(gSSC->Kurve_Zurueck_Y(10), gemittelt);
    ASSERT_TRUE(gSSC->Kurve_Zurueck(0, 4));
    EXPECT_EQ(gSSC->Kurve_Zurueck_Y(10), gCalc->Y(10));
    EXPECT_NE(gCalc->Y(10), gemittelt) << "the fit replaced the averaged curve";
}
