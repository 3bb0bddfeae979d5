#include "ElementWindowFixture.h"

#include "core/clsCommon.h"
#include "core/modString.h"
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
        EXPECT_EQ(dialog->Label1->text(), "C - Kohlenstoff");
        EXPECT_EQ(dialog->Label2->text(), "Konzentration 73 at%");
        EXPECT_EQ(dialog->Text2->text(), "2.26");
        EXPECT_EQ(dialog->Text3->text(), "4");
        dialog->Text2->setText("3,5");
        dialog->Text3->setText("2");
        Click(dialog->Command1);
    });
    EXPECT_TRUE(modal);
    EXPECT_GT(gMFE->Dichte_Theoretisch(), before);
    EXPECT_FLOAT_EQ(gMFE->Valenz(), 0.73f * 2 + 0.27f * 3);
    EXPECT_EQ(entry->text(), "C: 73at%, 3.5 g/cm³, 2 e/a");
}
