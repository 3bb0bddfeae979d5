// The main window's entries that start a project from a file, and what it shows of the project.
#include "mainwindow/ui/frmMain.h"

#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "core/ui/UiGuard.h"
#include "mainwindow/modProjektStart.h"
#include "materials/ui/frmChangeLeg.h"
#include "materials/ui/frmSettings.h"

#include <QMenu>
#include <QMenuBar>

void frmMain::Neues_Projekt_Menue_Erstellen()
{
    mnuNeuesProjekt = mnuDatei->addAction(QString());
    mnuNeuesProjekt->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(mnuNeuesProjekt, &QAction::triggered, this,
            GuardedSlot("frmMain", "mnuNeuesProjekt_Click", [this] { mnuNeuesProjekt_Click(); }));
}

void frmMain::Legierung_Menue_Erstellen()
{
    mnuLegierung = menuBar()->addMenu(QString());
    mnuLegierung->menuAction()->setVisible(false);
    for (size_t k = 0; k < mnuKomponente.size(); ++k) {
        QAction* eintrag = mnuLegierung->addAction(QString());
        eintrag->setVisible(false);
        connect(eintrag, &QAction::triggered, this, GuardedSlot("frmMain", "mnuKomponente_Click", [this, k] {
                    Komponente_Aendern(this, static_cast<int32_t>(k) + 1, mnuKomponente[k]);
                }));
        mnuKomponente[k] = eintrag;
    }
}

void frmMain::SetTitle(const std::string& title) { setWindowTitle(QString::fromStdString(title)); }

void frmMain::SetAlloyMenu(const std::vector<std::string>& captions)
{
    for (size_t i = 0; i < mnuKomponente.size(); ++i) {
        const bool belegt = i < captions.size();
        if (belegt) mnuKomponente[i]->setText(QString::fromStdString(captions[i]));
        mnuKomponente[i]->setVisible(belegt);
    }
}

void frmMain::ShowProjectMenus(bool alloyMenu)
{
    mnuLegierung->menuAction()->setVisible(alloyMenu);
    mnuRecord->setEnabled(true);
}

void frmMain::mnuNeuesProjekt_Click()
{
    // The current evaluation stays until its results may go and a file was chosen.
    if (!Ergebnisse_Verwerfen_Bestaetigt()) return;
    Fehler_Reset();
    gError->Error();
    const clsCommon offen = *gCommon;
    if (!gCommon->ShowOpen(true)) return;
    Gewaehlte_Datei_Oeffnen(offen);
}

void frmMain::Gewaehlte_Datei_Oeffnen(const clsCommon& offen)
{
    // Pictures are read by the image panel, not through the settings window, which would take the
    // curve of a picture the panel has not read.
    if (gCommon->ProjektTyp() == PT_Bild_Digitalisieren || gCommon->ProjektTyp() == PT_ELMI_Bild)
        Bild_Oeffnen(offen);
    else
        Projekt_Einstellen(offen);
}

void frmMain::Projekt_Einstellen(const clsCommon& offen)
{
    // The chosen file is an ordinary project, whatever the open one was.
    gCommon->setProjektTyp_Spezial(PTS_Keiner);
    frmSettings fenster(this);
    fenster.Projekt_Ersetzen([this] { Projekt_Aufgeben(); });
    // Cancel, or a file that could not be read: the open project goes on as it was.
    if (fenster.exec() != QDialog::Accepted) *gCommon = offen;
}

void frmMain::Projekt_Aufgeben()
{
    ResetControls();
    Neues_Projekt_Reset();
    // Until the next project starts the window shows none.
    Ruhezustand_Zeigen();
}
