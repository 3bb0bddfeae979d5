// The main window as the step machine's view: panels, menus, step labels and dialogs that the
// transitions of clsSchritte ask for.
#include "mainwindow/ui/frmMain.h"

#include "core/clsError.h"
#include "core/ui/UiGuard.h"
#include "curves/ui/frmInsert.h"
#include "curves/ui/frmMittel.h"
#include "graphics/Vorschau.h"
#include "graphics/conDisplay.h"
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

#include <QLabel>
#include <QMenu>

#include <algorithm>

void frmMain::ToolsChanged() { Werkzeuge_Anzeigen(); }

void frmMain::ShowPanel(Panel panel, bool visible)
{
    QWidget* w = nullptr;
    switch (panel) {
    case Panel::Fit: w = conFit1; break;
    case Panel::UG: w = conUG1; break;
    case Panel::FTR: w = conFTR1; break;
    case Panel::Smoothing: w = conSmoothing1; break;
    case Panel::PeakTest: w = conPeakTest1; break;
    case Panel::Extras: w = conExtras1; break;
    case Panel::Gauss: w = conGauss1; break;
    case Panel::FT_AI: w = conFT_AI1; break;
    case Panel::AddCurves: w = conAddCurves1; break;
    case Panel::IMC: w = conIMC1; break;
    case Panel::Beugung: w = conBeugung1; break;
    case Panel::Frame1: w = Frame1; break;
    case Panel::Diagramm: w = conDisplay[0]; break;
    default: break;
    }
    const std::vector<QWidget*> rahmen = Rahmenpanels();
    if (w && std::find(rahmen.begin(), rahmen.end(), w) != rahmen.end()) {
        // The step decides what the frame shows; nothing covered comes back.
        verdeckt_ = nullptr;
        if (visible)
            Rahmen_Zeigen(w);
        else
            w->hide();
    } else if (w) {
        w->setVisible(visible);
    }
    // A project start decides about the simulation panel: what it covered belongs to the old project.
    if (panel == Panel::IMC) vorSimulation_.reset();
}

void frmMain::CallPanel(Panelaufruf aufruf, int32_t kurve)
{
    switch (aufruf) {
    case Panelaufruf::Fit_NeueTrennstelle: conFit1->NeueTrennstelle(); break;
    case Panelaufruf::UG_Init: conUG1->Init(); break;
    case Panelaufruf::UG_Aktualisieren: conUG1->Aktualisieren(); break;
    case Panelaufruf::UG_SS_Speichern: conUG1->UG_SS_Speichern(); break;
    case Panelaufruf::FTR_Zeigen:
        conFTR1->Zeigen(kurve);
        ShowPanel(Panel::FTR, true);
        break;
    case Panelaufruf::FTR_Daempfen: conFTR1->Daempfung_Anwenden(); break;
    case Panelaufruf::FTR_ShowPeakBuilder: conFTR1->ShowPeakBuilder(true); break;
    case Panelaufruf::PeakTest_Init: conPeakTest1->Init(kurve); break;
    case Panelaufruf::PeakTest_Clear: conPeakTest1->Clear(); break;
    case Panelaufruf::Extras_Init: conExtras1->Init(); break;
    case Panelaufruf::Beugung_Clear: conBeugung1->Clear(); break;
    case Panelaufruf::FT_AI_Clear: conFT_AI1->lblInfo->clear(); break;
    default: break;
    }
}

QAction* frmMain::Menue_Eintrag(Menue menue) const
{
    switch (menue) {
    case Menue::Mitteln: return mnuMitteln;
    case Menue::DiagrammCopy: return mnuDiagrammCopy;
    case Menue::Export: return mnuExport;
    case Menue::Kurve: return mnuKurve->menuAction();
    case Menue::KurveGlaetten: return mnuKurveGlaetten;
    case Menue::Legierung: return mnuLegierung->menuAction();
    case Menue::Sprung: return mnuSprung;
    case Menue::Save: return mnuSave;
    case Menue::Record: return mnuRecord;
    }
    return nullptr;
}

void frmMain::ShowMenu(Menue menue, bool visible) { Menue_Eintrag(menue)->setVisible(visible); }

void frmMain::EnableMenu(Menue menue, bool enabled) { Menue_Eintrag(menue)->setEnabled(enabled); }

void frmMain::SetStepLabels(const std::string& aktuell, const std::string& naechster)
{
    lblStep1->setText(QString::fromStdString(aktuell));
    lblStep2->setText(QString::fromStdString(naechster));
}

void frmMain::SetStepHint(const std::string& hinweis)
{
    lblHinweis->setText(QString::fromStdString(hinweis));
    lblHinweis->setVisible(!hinweis.empty());
    lblHinweis->raise();
}

void frmMain::ShowStepBox(bool visible) { lblStep->setVisible(visible); }

void frmMain::ClearValueLabel()
{
    lblSS->clear();
    letzteInfo_ = {0, 0};
}

void frmMain::InfoChange(int32_t display, int32_t kurve) { conDisplay_InfoChange(display, kurve); }

void frmMain::RedrawPreviews() { ShowWindowPreview(); }

void frmMain::ClosePreviews() { ClosePreviewWindows(); }

void frmMain::Mitteln_Dialog()
{
    frmMittel dialog(this);
    dialog.exec();
    Tasten_Ans_Diagramm();
}

void frmMain::Tasten_Ans_Diagramm()
{
    if (conDisplay[0]->isVisible()) conDisplay[0]->pic->setFocus(Qt::OtherFocusReason);
}

void frmMain::Einfuegen_Dialog()
{
    frmInsert dialog(this);
    dialog.exec();
}

void frmMain::Schritt_Waehlen(int32_t index, const clsWerkzeuge& vorher)
{
    if (!Schritte().OptionKurve_Click(static_cast<int16_t>(index))) Werkzeuge = vorher;
    Werkzeuge_Anzeigen();
}
