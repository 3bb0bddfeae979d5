// The test-curve panel: entries, their list lines, refused entries and the curves they build.
#include "PanelImRahmen.h"

#include "core/KurvenTyp.h"
#include "panels/conPeakTest.h"
#include "widgets/fxbutton.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {

class PeakTest : public PanelImRahmen<conPeakTest> {
protected:
    QString Zeile(int32_t i) const { return panel->List1->item(i)->text(); }
};

}

TEST_F(PeakTest, SineTermsByTheFiveFourthsRuleAndRefusedEntries)
{
    gGR->PeakTest();
    panel->Init(KT_GR);
    panel->AddNewSinus(5.0f, 0.02f, 3.0f);
    ASSERT_EQ(panel->List1->count(), 1);
    EXPECT_EQ(Zeile(0), "Sinus: dr = 1.570796, y0 = 3");

    panel->AddNewSinus(0.0f, 0.02f, 3.0f);
    panel->txtK->setText("x");
    emit panel->cmdNew->Click();
    panel->txtK->setText("1");
    panel->txtW->setText("");
    emit panel->cmdNew->Click();
    EXPECT_EQ(panel->List1->count(), 1) << "no wave number at 0, no peak from a box without a number";
    EXPECT_EQ(panel->Sinusterme().size(), 1u);
    EXPECT_EQ(panel->TestPeaks().Anzahl(), 0);

    panel->txtK->setText("2");
    emit panel->fxbutton1->Click();
    EXPECT_EQ(panel->Sinusterme().size(), 1u) << "\"anderes\" adds nothing";
    panel->optSequenz[0]->setChecked(true);
    emit panel->fxbutton1->Click();
    EXPECT_EQ(panel->Sinusterme().size(), 2u);
}

TEST_F(PeakTest, ASecondPeakAtThePositionIsListedButNotAdded)
{
    gIK->PeakTest();
    panel->Init(KT_IK);
    panel->AddNewPoint(30.0f, 0.5f, 30.0f);
    panel->AddNewPoint(30.0f, 0.5f, 60.0f);
    EXPECT_EQ(panel->TestPeaks().Anzahl(), 1);
    ASSERT_EQ(panel->List1->count(), 2);
    EXPECT_EQ(Zeile(1), "Gausskurve: Km = 30, A = 60, w = 0.5");
    const int32_t mitte = 301;
    const float hoehe = panel->TestPeaks().Y_Gauss(30.0f, 1);
    EXPECT_FLOAT_EQ(gIK->Y(mitte), hoehe);

    panel->AddNewSinus(5.0f, 0.02f, 0.01f);
    Bilder("conPeakTest_IK", [this] { panel->SpracheUmstellen(); });

    panel->Clear();
    EXPECT_EQ(panel->List1->count(), 0);
    EXPECT_FLOAT_EQ(gIK->Y(mitte), hoehe) << "Clear keeps the curve";
    panel->Init(KT_GR);
    Bilder("conPeakTest_GR", [this] { panel->SpracheUmstellen(); });
}
