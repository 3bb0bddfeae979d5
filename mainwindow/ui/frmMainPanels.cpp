// The step panels in the frame under the diagram. They are made hidden with the window; the step
// that needs one shows it.
#include "mainwindow/ui/frmMain.h"

#include "core/ui/UiGuard.h"
#include "images/ui/conBeugung.h"
#include "panels/conAddCurves.h"
#include "panels/conExtras.h"
#include "panels/conFTR.h"
#include "panels/conFT_AI.h"
#include "panels/conGauss.h"
#include "panels/conFit.h"
#include "panels/conPeakTest.h"
#include "panels/conSmoothing.h"
#include "panels/conUG.h"
#include "simulation/ui/conIMC.h"
#include "widgets/fxbutton.h"

namespace {
constexpr int32_t kWeiter = 23;
constexpr int32_t kUntergrundSchritt = 14;
}

void frmMain::Panels_Erstellen()
{
    conFit1 = new ::conFit(Frame1);
    conUG1 = new ::conUG(Frame1);
    conSmoothing1 = new ::conSmoothing(Frame1);
    for (QWidget* panel : std::initializer_list<QWidget*>{conFit1, conUG1, conSmoothing1}) panel->hide();
    connect(conFit1, &::conFit::Uebernommen, this,
            GuardedSlot("frmMain", "conFit1_Uebernommen", [this] { conFit1_Uebernommen(); }));
    connect(conSmoothing1, &::conSmoothing::Close, conSmoothing1, &QWidget::hide);
    conAddCurves1 = new ::conAddCurves(Frame1);
    conAddCurves1->hide();
}

void frmMain::conFit1_Uebernommen()
{
    conFit1->hide();
    Werkzeuge.setEnabled(kWeiter, true);
    Werkzeuge.setEnabled(kUntergrundSchritt, true);
    Werkzeuge_Anzeigen();
    Toggle_Tool_0_Enabled(true);
    Toggle_RohdatenSeperator(2, true);
    Toggle_RohdatenSeperator(3, true);
}

void frmMain::Panels_Sprache_Setzen()
{
    if (!conFit1) return;
    conFit1->SpracheUmstellen();
    conUG1->SpracheUmstellen();
    conSmoothing1->SpracheUmstellen();
    conAddCurves1->SpracheUmstellen();
    if (conFTR1) conFTR1->SpracheUmstellen();
    if (conFT_AI1) conFT_AI1->SpracheUmstellen();
    if (conPeakTest1) conPeakTest1->SpracheUmstellen();
    if (conExtras1) conExtras1->SpracheUmstellen();
    if (conGauss1) conGauss1->SpracheUmstellen();
    if (conBeugung1) conBeugung1->SpracheUmstellen();
    if (conIMC1) conIMC1->SpracheUmstellen();
}

void frmMain::Panels_Stil_Setzen()
{
    if (!conFit1) return;
    conFit1->StyleUmstellen();
    conUG1->StyleUmstellen();
    conSmoothing1->StyleUmstellen();
    conAddCurves1->StyleUmstellen();
    if (conFTR1) conFTR1->StyleUmstellen();
    if (conPeakTest1) conPeakTest1->StyleUmstellen();
    if (conExtras1) conExtras1->StyleUmstellen();
    if (conGauss1) conGauss1->StyleUmstellen();
    if (conBeugung1) conBeugung1->StyleUmstellen();
}
