// The automatic transform panel on a generated evaluation: Esc pressed during a pass, an error
// during a run, and its pictures while it runs and after.
#include "PanelImRahmen.h"

#include "core/Runtime.h"
#include "panels/conFT_AI.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <functional>

namespace {

// The panel with a hook into its status: the test acts when pass `im` starts its forward transform.
class conFT_AI_Beobachtet : public conFT_AI {
public:
    using conFT_AI::conFT_AI;
    void Info_Anzeigen(const std::string& text) override
    {
        conFT_AI::Info_Anzeigen(text);
        if (Lauf().Anzahl_FTR() == im && Lauf().Anzahl_iFTR() == im && aktion) aktion();
    }
    int32_t im = 0;
    std::function<void()> aktion;
};

class FT_AI_Panel : public PanelImRahmen<conFT_AI_Beobachtet> {
protected:
    void SetUp() override
    {
        PanelImRahmen::SetUp();
        Auswertung();
        gCommon->setEnable_Record(true);
        panel->Init();
    }
};

}

TEST_F(FT_AI_Panel, EscDuringAPassStopsTheRunAfterIt)
{
    panel->Text1->setText("0");
    panel->im = 2;
    panel->aktion = [this] {
        if (panel->im == 2) {
            EXPECT_EQ(panel->cmdStart->Caption(), "STOP (ESC)");
            Bilder("conFT_AI_Lauf", [] {});
            panel->im = 3;
            return;
        }
        // Typed while the pass runs: waits in the queue, and only Esc gets through.
        QCoreApplication::postEvent(panel->Text2, new QKeyEvent(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7"));
        QCoreApplication::postEvent(panel, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    };
    emit panel->cmdStart->Click();
    EXPECT_EQ(panel->Lauf().Anzahl_iFTR(), 3);
    EXPECT_EQ(panel->Text2->text(), "50");
    EXPECT_EQ(panel->cmdStart->Caption(), "START");
    EXPECT_TRUE(panel->lblInfo->text().contains("3 FFT´s in "));
    panel->aktion = nullptr;
    Bilder("conFT_AI_Fertig", [this] { panel->Init(); });
}

TEST_F(FT_AI_Panel, AnErrorInAPassRestoresLogAndButton)
{
    panel->Text1->setText("0");
    panel->im = 2;
    panel->aktion = [] { rt::Raise(rt::errDivisionByZero); };
    emit panel->cmdStart->Click();
    EXPECT_FALSE(panel->Laeuft());
    EXPECT_EQ(panel->cmdStart->Caption(), "START");
    EXPECT_TRUE(gCommon->Enable_Record());
    ASSERT_FALSE(seam.messages.empty());
    EXPECT_NE(seam.messages.back().text.find("Error 11"), std::string::npos);
}

TEST_F(FT_AI_Panel, UntickedBoxesKeepTheirAnchors)
{
    panel->Check3->setChecked(false);
    EXPECT_FALSE(panel->Option1[0]->isEnabled());
    EXPECT_FALSE(panel->Option1[1]->isEnabled());
    const int32_t abbruch = gIK->FTR_Index();
    panel->Check2->setChecked(false);
    panel->Text2->setText("3");
    emit panel->cmdStart->Click();
    EXPECT_EQ(gIK->FTR_Index(), abbruch);
}
