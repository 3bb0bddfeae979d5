// The spectrum averaging panel on a raw spectrum: adding through a plain file dialog, sliding,
// removing, averaging, and "+" without the project's x factor.
#include "PanelImRahmen.h"

#include "core/Runtime.h"
#include "curves/clsInput.h"
#include "panels/conAddCurves.h"
#include "widgets/fxbutton.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

namespace {

class AddCurves : public PanelImRahmen<conAddCurves> {
protected:
    void SetUp() override
    {
        PanelImRahmen::SetUp();
        Rohspektrum_Starten();
        panel->Init();
    }
    // Another measurement of the sample: the project's spectrum a little weaker.
    std::string Weitere(const std::string& name)
    {
        return Rohspektrum(name, 30.0, [](double K) { return 5e5 / (1.0 + K * K / 50.0) + 2e3; });
    }
    void Hinzufuegen(const std::string& pfad)
    {
        seam.dialogAnswers.push_back(pfad);
        emit panel->cmdPlusMinus[0]->Click();
    }
};

}

TEST_F(AddCurves, AddSlideRemoveAndAverage)
{
    EXPECT_EQ(panel->scrXStart->minimum(), rt::CLng(gCalc->Minimum_X() * 20.0));
    EXPECT_EQ(panel->scrXStart->maximum(), rt::CLng(gCalc->Maximum_X() * 20.0));
    const std::string a = Weitere("a.dat"), b = Weitere("b.dat");
    Hinzufuegen(a);
    Hinzufuegen(b);
    Hinzufuegen(a);
    seam.dialogAnswers.clear();
    emit panel->cmdPlusMinus[0]->Click();  // cancelled
    EXPECT_EQ(panel->List1->count(), 2);

    panel->List1->setCurrentRow(1);
    EXPECT_TRUE(panel->cmdPlusMinus[1]->isEnabled());
    panel->scrXStart->setValue(-155);
    EXPECT_FLOAT_EQ(panel->Spektren().Spektrum(2).X_Start(), -15.5f);
    EXPECT_TRUE(panel->Label1->text().startsWith("Position: -15"));
    Speichern(haupt, "conAddCurves_Diagramm.png");
    Bilder("conAddCurves", [] {});

    emit panel->cmdPlusMinus[1]->Click();
    EXPECT_EQ(panel->Kurve_Index(), 0);
    EXPECT_FALSE(panel->cmdPlusMinus[1]->isEnabled());
    ASSERT_EQ(panel->List1->count(), 1);
    EXPECT_EQ(panel->List1->item(0)->text().toStdString(), a);
    panel->scrXStart->setValue(30);
    EXPECT_FLOAT_EQ(panel->Spektren().Spektrum(1).X_Start(), 0.0f) << "nothing selected, nothing moves";

    const int32_t i = gCalc->Index(10.0f);
    const float vorher = gCalc->Y(i);
    emit panel->cmdMitteln->Click();
    EXPECT_LT(gCalc->Y(i), vorher);
    EXPECT_TRUE(panel->isHidden());
}

TEST_F(AddCurves, WithoutAnXFactorNothingCanBeAdded)
{
    gOptions->setFaktor_X(0.0f);
    panel->Init();
    EXPECT_FALSE(panel->cmdPlusMinus[0]->isEnabled());
    EXPECT_FALSE(panel->lblHinweis->text().isEmpty());
}
