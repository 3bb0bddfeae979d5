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
    connect(conFTR1, &conFTR::PeakBuilder, conPeakTest1, &QWidget::show);
    conFT_AI1 = new conFT_AI(Frame1);
    conFT_AI1->hide();
    connect(conFT_AI1, &conFT_AI::Gelaufen, this, [this] { Werte_Nach_FT_AI(); });
}

void frmMain::FT_AI_Zeigen(bool zeigen)
{
    Werkzeuge.setValue(20, zeigen);
    conFT_AI1->setVisible(zeigen);
    if (!zeigen) return;
    conFT_AI1->raise();
    conFT_AI1->Init();
}
