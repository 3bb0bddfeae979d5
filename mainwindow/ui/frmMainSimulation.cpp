// The structure simulation in the main window: the simulation panel in place of the diagram and
// the panel frame, and the molecular-dynamics window. Both entries are on, since nothing else
// leads to them.
#include "mainwindow/ui/frmMain.h"

#include "core/ui/UiGuard.h"
#include "simulation/ui/conIMC.h"
#include "simulation/ui/frmMD.h"

#include <QAction>

namespace {
// The tool button "Weiter".
constexpr int32_t kWeiterKnopf = 23;
}

void frmMain::Simulation_Erstellen()
{
    conIMC1 = new conIMC(centralWidget());
    conIMC1->hide();
    mnuIMC->setEnabled(true);
    mnuMD->setEnabled(true);
    connect(mnuIMC, &QAction::triggered, this, GuardedSlot("frmMain", "mnuIMC_Click", [this] { mnuIMC_Click(); }));
    connect(mnuMD, &QAction::triggered, this, GuardedSlot("frmMain", "mnuMD_Click", [this] { mnuMD_Click(); }));
}

void frmMain::mnuIMC_Click()
{
    ResetControls();
    // "Weiter" belongs to the panel frame, which the simulation panel replaces: it must not stand
    // over the panel's labels.
    Werkzeuge.setVisible(kWeiterKnopf, false);
    Werkzeuge_Anzeigen();
    Frame1->hide();
    Form_Resize();
    conIMC1->show();
    conIMC1->raise();
}

void frmMain::mnuMD_Click()
{
    frmMD fenster(this);
    fenster.exec();
}

void frmMain::Simulation_Stoppen()
{
    if (conIMC1) conIMC1->Simulation_Stoppen();
}
