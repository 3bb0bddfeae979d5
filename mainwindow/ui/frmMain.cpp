#include "mainwindow/ui/frmMain.h"

#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/QtTranslation.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/UiGuard.h"
#include "core/ui/frmAbout.h"
#include "core/ui/frmRecord.h"
#include "core/ui/modStartup.h"
#include "core/ui/modUiGlobals.h"
#include "mainwindow/modErgebnisse.h"
#include "mainwindow/ui/frmParser.h"
#include "materials/ui/frmDaten.h"
#include "panels/conFTR.h"
#include "panels/conPeakTest.h"
#include "widgets/fxbutton.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>

#include <algorithm>

frmMain::frmMain() : Werkzeuge(Schritte().Werkzeuge)
{
    // A new window starts with the tools as it creates them and no step labels.
    Schritte_Zuruecksetzen();
    resize(1000, 700);
}

frmMain::~frmMain() { RemoveMainView(this); }

void frmMain::Form_Load()
{
    Diagramme_Erstellen();
    Werkzeuge_Erstellen();
    Panels_Erstellen();
    mnuDatei = menuBar()->addMenu(QString());
    Neues_Projekt_Menue_Erstellen();
    Speziell_Menue_Erstellen();
    Zuletzt_Menue_Erstellen();
    mnuSave = mnuDatei->addAction(QString());
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSave->setEnabled(false);
    connect(mnuSave, &QAction::triggered, this, [this] { Gespeichert_Setzen(); });
    Diagramm_Menue_Erstellen();
    // The log can be shown once a project has started and logs.
    mnuRecord = mnuDatei->addAction("Record File");
    mnuRecord->setShortcut(Qt::Key_F2);
    mnuRecord->setEnabled(false);
    connect(mnuRecord, &QAction::triggered, this,
            GuardedSlot("frmMain", "mnuRecord_Click", [this] { mnuRecord_Click(); }));
    mnuIMC = mnuDatei->addAction("RMC");
    mnuIMC->setShortcut(Qt::Key_F12);
    mnuIMC->setEnabled(false);
    mnuMD = mnuDatei->addAction("MD");
    mnuMD->setEnabled(false);
    Simulation_Erstellen();
    mnuDatei->addSeparator();
    mnuExit = mnuDatei->addAction(QString());
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    Kurve_Menue_Erstellen();
    Legierung_Menue_Erstellen();

    mnuOptions = menuBar()->addMenu(QString());
    Extras_Menue_Erstellen();
    mnuDaten = mnuOptions->addAction(QString());
    mnuDaten->setShortcut(Qt::Key_F9);
    connect(mnuDaten, &QAction::triggered, this,
            GuardedSlot("frmMain", "mnuDaten_Click", [this] { mnuDaten_Click(); }));
    Einstellungen_Menue_Erstellen();
    mnuLanguage = mnuOptions->addMenu(QString());
    auto* languages = new QActionGroup(this);
    for (int offset = 0; offset <= 9; ++offset) {
        const std::string name = gLanguage->GetLanguageName(offset);
        if (name.empty()) continue;
        QAction* entry = mnuLanguage->addAction(QString::fromStdString(name));
        entry->setData(offset);
        entry->setCheckable(true);
        entry->setActionGroup(languages);
        connect(entry, &QAction::triggered, this,
                GuardedSlot("frmMain", "mnuLang_Click", [this, offset] { mnuLang_Click(offset); }));
        mnuLang.push_back(entry);
    }
    Stil_Menue_Erstellen();
    Rechner_Menue_Erstellen();

    mnuHelp = menuBar()->addMenu("?");
    Hilfe_Menue_Erstellen();
    mnuInfo = mnuHelp->addAction("Info");
    connect(mnuInfo, &QAction::triggered, this, GuardedSlot("frmMain", "mnuInfo_Click", [this] { mnuInfo_Click(); }));
    Sprache_Setzen();
    Tasten_Erstellen();
    Mindestgroesse_Setzen();
    Werkzeuge.setBereit(true);
    // With its menus in place the window shows the projects that start.
    SetMainView(this);
}

void frmMain::Mindestgroesse_Setzen()
{
    // Across: the tool rows and room for the value label beside them, and the widest step panel
    // beside "Weiter". Down: the tool band, a diagram that still shows a curve, and the panel frame.
    constexpr int kWertanzeigeBreite = 200;
    constexpr int kDiagrammHoehe = 200;
    int breite = lblSS->x() + kWertanzeigeBreite;
    const int rahmen = 2 * (Frame1->contentsMargins().left() + 4);
    // A panel with placed controls needs the room its controls cover.
    for (QWidget* panel : Frame1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const int noetig = std::max(panel->minimumSizeHint().width(), panel->childrenRect().right() + 1);
        breite = std::max(breite, Frame1->x() + noetig + rahmen);
    }
    centralWidget()->setMinimumSize(breite, lblSS->height() + kDiagrammHoehe + Frame1->height());
}

void frmMain::Stil_Menue_Erstellen()
{
    mnuStyle = mnuOptions->addMenu("Style");
    // Each entry selects the button style of its number.
    const std::pair<const char*, int32_t> stile[] = {{"Windows 95/98", 0}, {"Windows XP", 2}, {"Vista Aero", 3},
                                                     {"Vista Toolbar", 7}, {"Flat", 1},       {"3D Hover", 11},
                                                     {"Gel", 10}};
    // The style in use carries the menu's check mark.
    auto* gruppe = new QActionGroup(this);
    for (const auto& [name, style] : stile) {
        QAction* entry = mnuStyle->addAction(name);
        entry->setData(style);
        entry->setCheckable(true);
        entry->setActionGroup(gruppe);
        entry->setChecked(style == gOptions->ButtonStyle());
        connect(entry, &QAction::triggered, this, [this, style] { mnuButtonStyle_Click(style); });
        mnuButtonStyle.push_back(entry);
    }
}

void frmMain::mnuButtonStyle_Click(int32_t style)
{
    gOptions->setButtonStyle(style);
    Tools_Style_Setzen();
    Panels_Stil_Setzen();
}

void frmMain::Sprache_Setzen()
{
    mnuDatei->setTitle(Text(1));
    mnuNeuesProjekt->setText(Text(2));
    mnuLegierung->setTitle(Text(16));
    mnuZuletzt->setTitle(Text(431));
    mnuSave->setText(Text(6));
    mnuExit->setText(Text(10));
    mnuOptions->setTitle(Text(19));
    mnuDaten->setText(Text(22));
    if (frmDaten_) frmDaten_->SpracheUmstellen();
    if (frmParser_) frmParser_->SpracheUmstellen();
    if (gfrmRecord) gfrmRecord->SpracheUmstellen();
    Panels_Sprache_Setzen();
    mnuLanguage->setTitle(Text(26));
    for (QAction* entry : mnuLang) entry->setChecked(entry->data().toInt() == gOptions->Sprache());
    // Literal captions stay; tooltips keep the language the buttons were made in.
    for (const Werkzeug& w : Werkzeugtabelle())
        if (w.Caption != kLiteralText) cmdTool[static_cast<size_t>(w.Index)]->setCaption(Text(w.Caption));
    Label2->setText(Text(284));
    Menues_Sprache_Setzen();
    Schritte().StepLabels();
    Werte_Sprache_Setzen();
}

bool frmMain::Gespeichert_Setzen()
{
    return UiGuard("frmMain", "Gespeichert_Setzen", [] { return ::Gespeichert_Setzen(); });
}

void frmMain::mnuLang_Click(int offset)
{
    gOptions->setSprache(offset);
    gLanguage->OpenLanguageEx(offset);
    Qt_Sprache_Setzen();
    Sprache_Setzen();
}

void frmMain::mnuRecord_Click()
{
    if (gfrmRecord) gfrmRecord->setVisible(true);
}

void frmMain::mnuInfo_Click()
{
    frmAbout window(this);
    window.exec();
}

void frmMain::mnuDaten_Click()
{
    if (!frmDaten_) frmDaten_ = new frmDaten(this);
    frmDaten_->show();
    frmDaten_->raise();
    frmDaten_->activateWindow();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // The element table asks about its unsaved edits first; a cancel there keeps the program.
    if (frmDaten_ && frmDaten_->isVisible() && !frmDaten_->close()) {
        event->ignore();
        return;
    }
    if (Programm_Beenden())
        event->accept();
    else
        event->ignore();
}
