// The main window's menu entries beyond the file start: the special curves, the diagram copy and
// export, the curve menu, the extras entry, the options and calculator windows, the help document
// and the update window.
#include "mainwindow/ui/frmMain.h"

#include "analysis/clsGR.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modShell.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "curves/ui/frmCalcWerte.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"
#include "mainwindow/modErgebnisse.h"
#include "mainwindow/modProjektStart.h"
#include "mainwindow/modSpezielleKurven.h"
#include "mainwindow/ui/frmOptions.h"
#include "mainwindow/ui/frmParser.h"
#include "materials/ui/frmSettings.h"
#include "panels/conAddCurves.h"
#include "panels/conFTR.h"
#include "panels/conFit.h"
#include "panels/conSmoothing.h"
#include "update/ui/frmUpdate.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

void frmMain::Speziell_Menue_Erstellen()
{
    mnuSpeziell = mnuDatei->addMenu(QString());
    struct Eintrag {
        QAction** action;
        const char* literal;
        int32_t typ;
        int32_t spezial;
    };
    const Eintrag eintraege[] = {{&mnuDEMOJK, "DEMO J(K) AlCr", PT_ELMI, PTS_Demo_JK},
                                 {&mnuDemoIK, "DEMO I(K) AgSn", PT_IK, PTS_Demo_IK},
                                 {&mnuRechteckIK, "", PT_IK, PTS_Rechteck_IK},
                                 {&mnuLorch100, "", PT_IK, PTS_Lorch_IK},
                                 {&mnuPeakTest, "Peak Builder I(K)", PT_IK, PTS_Testpeaks_IK},
                                 {&mnuPeakBuilderGr, "Peak Builder G(r)", PT_GR, PTS_Testpeaks_GR}};
    for (const Eintrag& e : eintraege) {
        *e.action = mnuSpeziell->addAction(QString::fromUtf8(e.literal));
        const int32_t typ = e.typ;
        const int32_t spezial = e.spezial;
        connect(*e.action, &QAction::triggered, this, GuardedSlot("frmMain", "mnuSpeziell_Click", [this, typ, spezial] {
                    Spezielle_Kurve_Starten(typ, spezial);
                }));
    }
}

void frmMain::Spezielle_Kurve_Starten(int32_t typ, int32_t spezial)
{
    if (!Ergebnisse_Verwerfen_Bestaetigt()) return;
    Fehler_Reset();
    // The peak builders need the project settings and start from their OK; Cancel keeps the open
    // project.
    if (spezial == PTS_Testpeaks_IK || spezial == PTS_Testpeaks_GR) {
        const clsCommon offen = *gCommon;
        if (!Spezielle_Kurve_Beschreiben(typ, spezial)) {
            *gCommon = offen;
            return;
        }
        frmSettings fenster(this);
        fenster.Projekt_Ersetzen([this, typ, spezial] {
            Projekt_Aufgeben();
            Spezielle_Kurve_Beschreiben(typ, spezial);
            gCalc->setPunkte(1500);
        });
        if (fenster.exec() != QDialog::Accepted) *gCommon = offen;
        return;
    }
    Projekt_Aufgeben();
    if (!Spezielle_Kurve_Beschreiben(typ, spezial)) return;
    // The demonstration spectrum shows the project settings beside it.
    if (spezial == PTS_Demo_JK) {
        auto* fenster = new frmSettings(this);
        fenster->setAttribute(Qt::WA_DeleteOnClose);
        fenster->show();
    }
    Datei_Einlesen_Endgueltig();
}

bool frmMain::Ergebnisse_Verwerfen_Bestaetigt()
{
    if (!::Ergebnisse_Ungesichert()) return true;
    const std::string text = gLanguage->Caption(191) + "\r\n" + gLanguage->Caption(192);
    const zelo::MsgResult antwort = zelo::Ui().MsgBox(text, zelo::MsgButtons::YesNoCancel, zelo::MsgIcon::Question,
                                                      gLoader->ApplicationName());
    if (antwort == zelo::MsgResult::Cancel) return false;
    // A save that failed has said why; the evaluation stays, as after Abbrechen.
    return antwort != zelo::MsgResult::Yes || ::Gespeichert_Setzen();
}

void frmMain::Diagramm_Menue_Erstellen()
{
    mnuDiagramm = mnuDatei->addMenu(QString());
    mnuDiagrammCopy = mnuDiagramm->addAction(QString());
    mnuDiagrammCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuDiagrammCopy->setEnabled(false);
    connect(mnuDiagrammCopy, &QAction::triggered, this, GuardedSlot("frmMain", "mnuDiagrammCopy_Click", [this] {
                conDisplay[0]->DiagrammZwischenablage();
                // The clipboard ends with the upper diagram.
                if (gOptions->Ansicht_2_Fenster()) conDisplay[1]->DiagrammZwischenablage();
            }));
    mnuExport = mnuDiagramm->addAction(QString());
    mnuExport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuExport->setEnabled(false);
    connect(mnuExport, &QAction::triggered, this, GuardedSlot("frmMain", "mnuExport_Click", [this] {
                conDisplay[0]->DiagrammSpeichern();
                if (gOptions->Ansicht_2_Fenster()) conDisplay[1]->DiagrammSpeichern();
            }));
}

void frmMain::Kurve_Menue_Erstellen()
{
    mnuKurve = menuBar()->addMenu(QString());
    mnuKurve->menuAction()->setVisible(false);
    mnuWerteUmrechnen = mnuKurve->addAction(QString());
    mnuWerteUmrechnen->setShortcut(Qt::Key_F5);
    connect(mnuWerteUmrechnen, &QAction::triggered, this, GuardedSlot("frmMain", "mnuWerteUmrechnen_Click", [this] {
                frmCalcWerte fenster(this);
                fenster.exec();
                conFTR1->Daempfung_Erneuern();
                gGrafik->Zeichne(true);
                Werte_Erneuern();
            }));
    mnuKurveGlaetten = mnuKurve->addAction(QString());
    mnuKurveGlaetten->setEnabled(false);
    connect(mnuKurveGlaetten, &QAction::triggered, this, GuardedSlot("frmMain", "mnuKurveGlaetten_Click", [this] {
                Ueberlagern(conSmoothing1);
                conSmoothing1->Start(gGrafik->LetzteKurve());
            }));
    mnuSprung = mnuKurve->addAction(QString());
    connect(mnuSprung, &QAction::triggered, this,
            GuardedSlot("frmMain", "mnuSprung_Click", [] { gCalc->Sprunganalyse(); }));
    mnuMitteln = mnuKurve->addAction(QString());
    connect(mnuMitteln, &QAction::triggered, this, GuardedSlot("frmMain", "mnuMitteln_Click", [this] {
                Ueberlagern(conAddCurves1);
                conAddCurves1->Init();
            }));
}

void frmMain::Extras_Menue_Erstellen()
{
    mnuGoToExtras = mnuOptions->addAction(QString());
    mnuGoToExtras->setShortcut(Qt::Key_F7);
    mnuGoToExtras->setVisible(false);
    connect(mnuGoToExtras, &QAction::triggered, this, GuardedSlot("frmMain", "mnuGoToExtras_Click", [this] {
                Schritte().Extras_Zeigen();
                Werkzeuge_Anzeigen();
            }));
}

void frmMain::Einstellungen_Menue_Erstellen()
{
    mnuSettings = mnuOptions->addAction(QString());
    mnuSettings->setShortcut(Qt::Key_F4);
    connect(mnuSettings, &QAction::triggered, this,
            GuardedSlot("frmMain", "mnuSettings_Click", [this] { mnuSettings_Click(); }));
}

void frmMain::Rechner_Menue_Erstellen()
{
    mnuOptions->addSeparator();
    mnuParser = mnuOptions->addAction(QString());
    connect(mnuParser, &QAction::triggered, this,
            GuardedSlot("frmMain", "mnuParser_Click", [this] { mnuParser_Click(); }));
}

void frmMain::mnuSettings_Click()
{
    const int32_t sprache = gOptions->Sprache();
    const bool einheitNM = gOptions->Einheit_NM();
    {
        frmOptions fenster(this);
        fenster.exec();
    }
    if (gOptions->Sprache() != sprache) mnuLang_Click(gOptions->Sprache());
    // A G(r) on screen that was made with another transform size is made again on the new grid.
    if (gGR->Veraltet() && (gSchritt == ST_GR || gSchritt == ST_KZ))
        Schritt_Waehlen(kSchritt_GR, Werkzeuge);
    else if (gOptions->Einheit_NM() != einheitNM && conDisplay[0]->isVisible())
        gGrafik->Zeichne(true);
}

void frmMain::mnuParser_Click()
{
    if (!frmParser_) frmParser_ = new frmParser(this);
    frmParser_->show();
    frmParser_->raise();
    frmParser_->activateWindow();
}

void frmMain::Hilfe_Menue_Erstellen()
{
    mnuHilfe = mnuHelp->addAction(QString());
    connect(mnuHilfe, &QAction::triggered, this, [] { mnuHilfe_Click(); });
    mnuHelp->addSeparator();
    mnuInternet = mnuHelp->addAction("Internet");
    connect(mnuInternet, &QAction::triggered, this, [] { Datei_Oeffnen_Shell(clsLoader::kMakerWebPage); });
    mnuMail = mnuHelp->addAction(QString());
    connect(mnuMail, &QAction::triggered, this,
            [] { Datei_Oeffnen_Shell(QString("mailto:") + clsLoader::kMakerMail); });
    mnuUpdate = mnuHelp->addAction(QString());
    connect(mnuUpdate, &QAction::triggered, this, GuardedSlot("frmMain", "mnuUpdate_Click", [this] {
                auto* fenster = new frmUpdate(this);
                fenster->setAttribute(Qt::WA_DeleteOnClose);
                fenster->show();
            }));
}

void frmMain::mnuHilfe_Click()
{
    const QString ordner = QString::fromStdString(gLoader->ApplicationPath());
    // A missing help document is not reported; one that the desktop cannot open is, with its place.
    for (const QString& pfad : {ordner + "hilfe.pdf", ordner + "Hilfe/hilfe.pdf"}) {
        if (QFileInfo::exists(pfad)) {
            if (!QDesktopServices::openUrl(QUrl::fromLocalFile(pfad)))
                zelo::Ui().MsgBox(gLanguage->Caption(580) + "\r\n" + QDir::toNativeSeparators(pfad).toStdString(),
                                  zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, gLoader->ApplicationName());
            return;
        }
    }
}

void frmMain::Menues_Sprache_Setzen()
{
    mnuSpeziell->setTitle(Text(3));
    mnuRechteckIK->setText(Text(4));
    mnuLorch100->setText(Text(5));
    mnuDiagramm->setTitle(Text(7));
    mnuDiagrammCopy->setText(Text(8));
    mnuExport->setText(Text(9));
    mnuKurve->setTitle(Text(11));
    mnuWerteUmrechnen->setText(Text(12));
    mnuKurveGlaetten->setText(Text(13));
    mnuSprung->setText(Text(14));
    mnuMitteln->setText(Text(15));
    mnuGoToExtras->setText(Text(20));
    mnuSettings->setText(Text(21));
    mnuParser->setText(Text(23));
    mnuHilfe->setText(Text(24));
    mnuMail->setText(Text(25));
    mnuUpdate->setText(Text(426));
}
