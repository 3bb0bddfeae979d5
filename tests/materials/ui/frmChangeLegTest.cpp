#include "ElementWindowFixture.h"

#include "core/clsCommon.h"
#include "curves/modString.h"
#include "materials/clsMFE.h"
#include "materials/modLegierung.h"
#include "materials/ui/frmChangeLeg.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace {

class AlloyComponentDialog : public ElementWindowFixture {
protected:
    void SetUp() override
    {
        ElementWindowFixture::SetUp();
        gMFE->setKomponenten(2);
        gMFE->Komponente(1, "C", 73, 2.26f, 4);
        gMFE->Komponente(2, "B", 27, 2.34f, 3);
        gMFE->Berechne(false);
        gCommon->setEnable_Record(true);
        entry = new QAction(QString::fromStdString(Komponente_Menuetext(1)), gfrmMain);
    }
    // Opens the dialog for component Index; answer runs while it is shown.
    void Change(int32_t Index, const std::function<void(frmChangeLeg*)>& answer)
    {
        OnModal([answer](QWidget* modal) {
            auto* dialog = qobject_cast<frmChangeLeg*>(modal);
            if (dialog) answer(dialog);
            if (dialog && dialog->isVisible()) dialog->reject();
        });
        Komponente_Aendern(gfrmMain, Index, entry);
    }
    QAction* entry = nullptr;
};

}

TEST_F(AlloyComponentDialog, ShowsTheComponentAndRecomputesOnOK)
{
    EXPECT_EQ(entry->text(), "C: 73at%, 2.26 g/cm³, 4 e/a");
    const float before = gMFE->Dichte_Theoretisch();
    bool modal = false;
    Change(1, [&](frmChangeLeg* dialog) {
        modal = dialog->isModal() && dialog->parentWidget() == gfrmMain.data();
        EXPECT_EQ(dialog->windowTitle(), "Legierungsdaten ändern");
        EXPECT_EQ(dialog->Label1->text(), "C - Kohlenstoff");
        EXPECT_EQ(dialog->Label2->text(), "Konzentration73 at%");
        EXPECT_EQ(dialog->Label3->text(), "Dichte (g/cm³)");
        EXPECT_EQ(dialog->Text2->text(), "2.26");
        EXPECT_EQ(dialog->Text3->text(), "4");
        dialog->Text2->setText("3,5");
        dialog->Text3->setText("2");
        Click(dialog->Command1);
    });
    EXPECT_TRUE(modal);
    EXPECT_FLOAT_EQ(gMFE->Komponente_Dichte(1), 3.5f);
    EXPECT_FLOAT_EQ(gMFE->Komponente_Valenz(1), 2.0f);
    EXPECT_EQ(gMFE->Komponente_Symbol(1), "C");
    EXPECT_FLOAT_EQ(gMFE->Komponente_Konzentration(1), 73.0f);
    EXPECT_GT(gMFE->Dichte_Theoretisch(), before);
    EXPECT_FLOAT_EQ(gMFE->Valenz(), 0.73f * 2 + 0.27f * 3);
    EXPECT_EQ(seam.logLines.size(), 4u) << "the model's lines";
    EXPECT_EQ(entry->text(), "C: 73at%, 3.5 g/cm³, 2 e/a");
}

TEST_F(AlloyComponentDialog, CancelChangesNothing)
{
    const float density = gMFE->Dichte_Theoretisch();
    Change(2, [&](frmChangeLeg* dialog) {
        EXPECT_EQ(dialog->Label1->text(), "B - Bor");
        dialog->Text2->setText("9");
        Click(dialog->Command2);
    });
    EXPECT_FLOAT_EQ(gMFE->Komponente_Dichte(2), 2.34f);
    EXPECT_EQ(gMFE->Dichte_Theoretisch(), density);
    EXPECT_TRUE(seam.logLines.empty());
    EXPECT_EQ(entry->text(), "C: 73at%, 2.26 g/cm³, 4 e/a");
}

TEST_F(AlloyComponentDialog, DeletedElementAndBadIndexes)
{
    colElemente.Remove("B");
    Change(2, [&](frmChangeLeg* dialog) {
        EXPECT_EQ(dialog->Label1->text(), "B");
        dialog->Text3->setText("abc");
        Click(dialog->Command1);
    });
    EXPECT_EQ(gMFE->Komponente_Valenz(2), Kein_Wert);
    EXPECT_EQ(entry->text(), "B: 27at%, 2.34 g/cm³, <unbekannt> e/a") << "an unknown valence is named, not shown as a number";

    bool opened = false;
    for (int32_t bad : {0, 3}) Change(bad, [&](frmChangeLeg*) { opened = true; });
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
}
