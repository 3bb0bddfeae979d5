// The Fourier transform panel and the test-curve panel it hands over to, both in the panel frame.
#include "mainwindow/ui/frmMain.h"

#include "panels/conFTR.h"
#include "panels/conFT_AI.h"
#include "panels/conPeakTest.h"

void frmMain::Fourier_Panels_Erstellen()
{
    conFTR1 = new conFTR(Frame1);
    conFTR1->hide();
    conPeakTest1 = new conPeakTest(Frame1);
    conPeakTest1->hide();
    connect(conFTR1, &conFTR::PeakBuilder, this, [this] { Rahmen_Zeigen(conPeakTest1); });
    connect(conFTR1, &conFTR::IK_Geaendert, this, [this] { Werte_Erneuern(); });
    conFT_AI1 = new conFT_AI(Frame1);
    conFT_AI1->hide();
    connect(conFT_AI1, &conFT_AI::Gelaufen, this, [this] {
        // The run set the weighting; the Fourier panel below shows it when the run's panel closes.
        conFTR1->Wichtung_Erneuern();
        Werte_Erneuern();
    });
}

void frmMain::FT_AI_Zeigen(bool zeigen)
{
    Werkzeuge.setValue(kWerkzeug_AutoFTR, zeigen);
    if (!zeigen) {
        conFT_AI1->hide();
        return;
    }
    Ueberlagern(conFT_AI1);
    conFT_AI1->Init();
}
