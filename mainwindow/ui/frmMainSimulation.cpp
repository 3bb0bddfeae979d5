// The structure simulation in the main window: the simulation panel in place of the diagram and
// the panel frame, and the molecular-dynamics window. Both entries are on, since nothing else
// leads to them.
#include "mainwindow/ui/frmMain.h"

#include "core/ui/UiGuard.h"
#include "simulation/ui/conIMC.h"
#include "simulation/ui/frmMD.h"
#include "core/clsCommon.h"
#include "core/modCommon.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"
#include "widgets/fxbutton.h"

#include <QLabel>

#include <QAction>

void frmMain::Simulation_Erstellen()
{
    conIMC1 = new conIMC(centralWidget());
    conIMC1->hide();
    mnuIMC->setEnabled(true);
    mnuMD->setEnabled(true);
    connect(mnuIMC, &QAction::triggered, this, GuardedSlot("frmMain", "mnuIMC_Click", [this] { mnuIMC_Click(); }));
    connect(mnuMD, &QAction::triggered, this, GuardedSlot("frmMain", "mnuMD_Click", [this] { mnuMD_Click(); }));
    // The panel has hidden itself: the window returns to the evaluation it left.
    connect(conIMC1->cmdClose, &fxbutton::Click, this,
            GuardedSlot("frmMain", "conIMC1_Geschlossen", [this] { Simulation_Verlassen(); }));
}

void frmMain::mnuIMC_Click()
{
    vorSimulation_ = {Werkzeuge, conDisplay[0]->isVisible(), lblStep->isVisible()};
    ResetControls();
    // "Weiter" belongs to the panel frame, which the simulation panel replaces: it must not stand
    // over the panel's labels.
    Werkzeuge.setVisible(kWerkzeug_Weiter, false);
    Werkzeuge_Anzeigen();
    Frame1->hide();
    Form_Resize();
    conIMC1->show();
    conIMC1->raise();
}

void frmMain::Simulation_Verlassen()
{
    bool zeigen = false;
    if (vorSimulation_) {
        const Fensterzustand vorher = *vorSimulation_;
        vorSimulation_.reset();
        Werkzeuge = vorher.Werkzeuge;
        lblStep->setVisible(vorher.Schrittfeld);
        // Without a project before the simulation the window stays empty, as it was.
        zeigen = vorher.Diagramm;
    } else if (gCommon->ProjektTyp_Spezial() == PTS_Simulation) {
        // The simulation handed over its I(K) or G(r): the step buttons lead on from it.
        Werkzeuge.setEnabled(kSchritt_IK, true);
        Werkzeuge.setEnabled(kSchritt_GR, true);
        lblStep->show();
        zeigen = true;
    }
    Werkzeuge_Anzeigen();
    if (!zeigen) return;
    Frame1->show();
    conDisplay[0]->show();
    Form_Resize();
    if (gGrafik) gGrafik->Zeichne(false);
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
