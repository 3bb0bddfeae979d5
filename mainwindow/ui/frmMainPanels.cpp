// The step panels in the frame under the diagram. They are made hidden with the window; the step
// that needs one shows it.
#include "mainwindow/ui/frmMain.h"

#include "core/modCommon.h"
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

#include <QLabel>

#include <algorithm>

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
    for (QWidget* panel : Rahmenpanels()) {
        // A panel covers what lies under it in the frame.
        panel->setAutoFillBackground(true);
        if (Ist_Ueberlagerung(panel)) panel->installEventFilter(this);
    }
}

std::vector<QWidget*> frmMain::Rahmenpanels() const
{
    std::vector<QWidget*> panels;
    const std::initializer_list<QWidget*> alle{conFit1,      conUG1,    conSmoothing1, conAddCurves1, conFTR1,
                                                conPeakTest1, conFT_AI1, conExtras1,    conGauss1};
    for (QWidget* panel : alle)
        if (panel) panels.push_back(panel);
    return panels;
}

bool frmMain::Ist_Ueberlagerung(const QObject* panel) const
{
    const std::initializer_list<const QObject*> ueber{conSmoothing1, conAddCurves1, conFT_AI1, conGauss1};
    return panel && std::find(ueber.begin(), ueber.end(), panel) != ueber.end();
}

void frmMain::Rahmen_Zeigen(QWidget* panel)
{
    rahmenWechsel_ = true;
    for (QWidget* anderes : Rahmenpanels())
        if (anderes != panel) anderes->hide();
    rahmenWechsel_ = false;
    panel->show();
    panel->raise();
    if (!lblHinweis->isHidden()) lblHinweis->raise();
    Ueberlagerungsknoepfe_Abgleichen();
}

void frmMain::Ueberlagern(QWidget* panel)
{
    QWidget* offen = nullptr;
    for (QWidget* p : Rahmenpanels())
        if (!p->isHidden()) offen = p;
    // Over another panel that covers the step's own, the step's own is still the one to come back.
    if (!Ist_Ueberlagerung(offen)) verdeckt_ = offen;
    Rahmen_Zeigen(panel);
}

void frmMain::Ueberlagerung_Geschlossen()
{
    Ueberlagerungsknoepfe_Abgleichen();
    if (!verdeckt_) return;
    QWidget* zurueck = verdeckt_;
    verdeckt_ = nullptr;
    Rahmen_Zeigen(zurueck);
}

void frmMain::Ueberlagerungsknoepfe_Abgleichen()
{
    bool geaendert = false;
    if (conFT_AI1 && conFT_AI1->isHidden() && Werkzeuge.Value(kWerkzeug_AutoFTR)) {
        Werkzeuge.setValue(kWerkzeug_AutoFTR, false);
        geaendert = true;
    }
    if (conGauss1 && conGauss1->isHidden() && Werkzeuge.Value(kWerkzeug_Peaks)) {
        Werkzeuge.setValue(kWerkzeug_Peaks, false);
        gModus_Peaks = false;
        // Else the diagram would keep the peak view, the passes of an automatic transform would
        // redraw its old curve, and the tool pressed again would take the view for I(K)'s.
        Peakansicht_Verlassen();
        geaendert = true;
    }
    if (geaendert) Werkzeuge_Anzeigen();
}

void frmMain::conFit1_Uebernommen()
{
    conFit1->hide();
    Werkzeuge.setEnabled(kWerkzeug_Weiter, true);
    Werkzeuge.setEnabled(kSchritt_UG, true);
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
