#pragma once
// The main window: the program's menus, the tool buttons, the diagram and the panel frame below it.
// It is the project start's view while it exists.
#include "mainwindow/MainWindowView.h"
#include "mainwindow/clsSchritte.h"

#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class clsCommon;
class QLabel;
class QMenu;
class conDisplay;
class conFit;
class conSmoothing;
class conUG;
class conFTR;
class conFT_AI;
class conAddCurves;
class conPeakTest;
class conExtras;
class conGauss;
class conIMC;
class conBeugung;
class frmDaten;
class frmParser;
class fxbutton;

// The small face of the tool buttons and the step box.
QFont Werkzeug_Schrift(QFont schrift);

class frmMain : public QMainWindow, public MainWindowView {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // Builds the menus, the tool buttons and the diagrams; called once before the window is first
    // shown. Tool clicks count from its end.
    void Form_Load();
    // Puts the texts of the selected language on every caption.
    void Sprache_Setzen();
    // The save action: writes the results and marks them saved when something was written; false
    // when the save failed.
    bool Gespeichert_Setzen();
    // A running simulation ends before the window and the globals go.
    void Simulation_Stoppen();
    // Switches the UI language to the given offset and re-captions the windows.
    void mnuLang_Click(int offset);
    // Shows the processing-log window.
    void mnuRecord_Click();
    // Shows the about window, modal.
    void mnuInfo_Click();
    // Shows the element table window, modeless; one instance.
    void mnuDaten_Click();

    // New project (frmMainProjekt.cpp): a file is chosen, then the project settings window, whose OK
    // starts the project, or for a picture the image panel. The open project stays until the new one
    // has been read.
    void mnuNeuesProjekt_Click();
    QAction* mnuNeuesProjekt = nullptr;
    // The file gCommon now names goes to the image panel when it is a picture, else to the project
    // settings window; offen is the open project's description.
    void Gewaehlte_Datei_Oeffnen(const clsCommon& offen);
    // The project settings window for the file gCommon now names; its OK gives up the open project
    // once the file has been read aside, and Cancel, or a file that cannot be read, puts back offen,
    // the open project's description.
    void Projekt_Einstellen(const clsCommon& offen);
    // Ends the open project: tools, panels and diagrams idle, the model objects reset.
    void Projekt_Aufgeben();
    // Recent files (frmMainZuletzt.cpp): one entry per stored file; choosing one opens it as the new
    // project dialog does. The submenu is off while no file is stored.
    void Zuletzt_Menue_Aufbauen();
    void mnuLast_Click(const QString& datei);
    QMenu* mnuZuletzt = nullptr;
    std::vector<QAction*> mnuLast;
    // The view of a started project (frmMainProjekt.cpp).
    void SetTitle(const std::string& title) override;
    void SetAlloyMenu(const std::vector<std::string>& captions) override;
    void ShowProjectMenus(bool alloyMenu) override;
    // The diagrams (frmMainDiagramm.cpp): conDisplay[0] the main diagram, conDisplay[1] the second
    // view above it while Ansicht_2_Fenster is on; hidden until a project draws its curve. Frame1
    // along the bottom holds the step panels (its direct children), left of it "Weiter" (tool 23)
    // and the step box lblStep; lblSS at the top right takes the diagram's values.
    std::array<::conDisplay*, 2> conDisplay{};
    QWidget* Frame1 = nullptr;
    QWidget* lblStep = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblSS = nullptr;
    // The step panels in Frame1 (frmMainPanels.cpp), made hidden with the window.
    ::conFit* conFit1 = nullptr;
    ::conUG* conUG1 = nullptr;
    ::conSmoothing* conSmoothing1 = nullptr;
    // The side fit became the working curve: the background step opens.
    void conFit1_Uebernommen();
    // The Fourier transform and test-curve panels in Frame1 (frmMainFourier.cpp), hidden until shown.
    conFTR* conFTR1 = nullptr;
    conPeakTest* conPeakTest1 = nullptr;
    // The structure values panel of the extras step and the Gauss peak panel that tool 25 shows in
    // place of the Fourier panel (frmMainExtras.cpp).
    conExtras* conExtras1 = nullptr;
    conGauss* conGauss1 = nullptr;
    void Peaks_Zeigen(bool zeigen);
    // The peak view ends with its panel however that closes: the diagram shows the Fourier step's
    // curve of the view again (I(K) or G(r)).
    void Peakansicht_Verlassen();
    // The automatic transform over the Fourier panel (the Auto/FTR tool and the key F) and the
    // averaging of further spectra (the curve menu).
    conFT_AI* conFT_AI1 = nullptr;
    conAddCurves* conAddCurves1 = nullptr;
    void FT_AI_Zeigen(bool zeigen);
    // The diffraction-image panel (frmMainBild.cpp): a child of the window below the tool rows,
    // shown for a picture project until its curve starts the project.
    conBeugung* conBeugung1 = nullptr;
    // A picture chosen as the next project (gCommon names it and its type) is read by the image
    // panel first; gCommon goes back to offen, the open project's description, until the picture has
    // been read. Then the open project is given up and the panel shows the picture; a picture that
    // cannot be read leaves the open project as it was, with the panel's one message. The window
    // takes no input meanwhile.
    void Bild_Oeffnen(const clsCommon& offen);
    // Places the panel frame and the diagrams for the client size.
    void Form_Resize();
    // Applies Ansicht_2_Fenster to the diagrams and redraws.
    void Toggle_2Fenster() override;
    void DrawCurve(int32_t kurvenTyp) override;
    // The step machine's view (frmMainSchritte.cpp).
    void ToolsChanged() override;
    void ShowPanel(Panel panel, bool visible) override;
    void CallPanel(Panelaufruf aufruf, int32_t kurve) override;
    void ShowMenu(Menue menue, bool visible) override;
    void EnableMenu(Menue menue, bool enabled) override;
    void SetStepLabels(const std::string& aktuell, const std::string& naechster) override;
    // The hint in the panel frame while a step waits for a click in the diagram.
    void SetStepHint(const std::string& hinweis) override;
    QLabel* lblHinweis = nullptr;
    void ShowStepBox(bool visible) override;
    void ClearValueLabel() override;
    void InfoChange(int32_t display, int32_t kurve) override;
    void RedrawPreviews() override;
    void ClosePreviews() override;
    void Mitteln_Dialog() override;
    void Einfuegen_Dialog() override;
    // The step button index chosen by a click or key; a declined question restores the buttons.
    void Schritt_Waehlen(int32_t index, const clsWerkzeuge& vorher);
    QLabel* lblStep1 = nullptr;
    QLabel* lblStep2 = nullptr;
    // Rewrites lblSS for the information kind k that diagram Index (0 or 1) reports (frmMainWerte.cpp).
    void conDisplay_InfoChange(int32_t Index, int32_t k);
    // Writes lblSS again in the language selected now.
    void Werte_Sprache_Setzen();
    // After the automatic transform, a damping or a weighting: lblSS shows the values of the step's
    // curve as they now are.
    void Werte_Erneuern();
    // The alloy menu, shown for projects from files, with one entry per component.
    QMenu* mnuLegierung = nullptr;
    std::array<QAction*, 5> mnuKomponente{};

    QMenu* mnuDatei = nullptr;
    QAction* mnuRecord = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuDaten = nullptr;
    // The options window (F4, modal) and the calculator (modeless, one instance), frmMainMenue.cpp.
    QAction* mnuSettings = nullptr;
    QAction* mnuParser = nullptr;
    void mnuSettings_Click();
    void mnuParser_Click();
    QMenu* mnuLanguage = nullptr;
    // The language entries, each carrying its offset as data.
    std::vector<QAction*> mnuLang;
    // The button-style entries, each carrying its style number as data.
    QMenu* mnuStyle = nullptr;
    std::vector<QAction*> mnuButtonStyle;
    void mnuButtonStyle_Click(int32_t style);
    QMenu* mnuHelp = nullptr;
    QAction* mnuInfo = nullptr;
    // Never enabled: the results are marked saved by tool 2.
    QAction* mnuSave = nullptr;
    // The simulation panel and the molecular-dynamics window (frmMainSimulation.cpp).
    QAction* mnuIMC = nullptr;
    QAction* mnuMD = nullptr;
    ::conIMC* conIMC1 = nullptr;
    void mnuIMC_Click();
    void mnuMD_Click();
    // Closing the simulation panel brings back the tools, the diagram and the step box it covered.
    void Simulation_Verlassen();
    // The curve menu, shown with a project (frmMainMenue.cpp).
    QMenu* mnuKurve = nullptr;
    QAction* mnuWerteUmrechnen = nullptr;
    QAction* mnuMitteln = nullptr;
    QAction* mnuKurveGlaetten = nullptr;
    QAction* mnuSprung = nullptr;
    QMenu* mnuDiagramm = nullptr;
    QAction* mnuDiagrammCopy = nullptr;
    QAction* mnuExport = nullptr;
    // The special curves: generated and demonstration curves as projects.
    QMenu* mnuSpeziell = nullptr;
    QAction* mnuDEMOJK = nullptr;
    QAction* mnuDemoIK = nullptr;
    QAction* mnuRechteckIK = nullptr;
    QAction* mnuLorch100 = nullptr;
    QAction* mnuPeakTest = nullptr;
    QAction* mnuPeakBuilderGr = nullptr;
    void Spezielle_Kurve_Starten(int32_t typ, int32_t spezial);
    // Asks to save unsaved results before they are dropped; false when the user cancels or the save
    // after "Ja" failed.
    bool Ergebnisse_Verwerfen_Bestaetigt();
    QAction* mnuGoToExtras = nullptr;
    QAction* mnuHilfe = nullptr;
    QAction* mnuInternet = nullptr;
    QAction* mnuMail = nullptr;
    QAction* mnuUpdate = nullptr;
    // Opens hilfe.pdf from the program folder or its Hilfe folder; nothing when neither exists.
    static void mnuHilfe_Click();

    // The tool buttons (frmMainWerkzeuge.cpp): cmdTool[1..25] ([0] unused) show the state in
    // Werkzeuge, the step machine's tools, after every change.
    std::array<fxbutton*, kWerkzeuge + 1> cmdTool{};
    clsWerkzeuge& Werkzeuge;
    // Every button takes gOptions->ButtonStyle.
    void Tools_Style_Setzen();
    void cmdTool_Click(int32_t index);
    void Toggle_Zoom_Visible(bool visible);
    void Toggle_Tool_0_Enabled(bool enabled);
    void Toggle_Tool_0_Visible(bool visible);
    void Toggle_Tool_Kurve_Visible(bool visible);
    void Toggle_Tool_1_Visible(bool visible);
    void Toggle_Tool_2_Visible(bool visible);
    void GUI_SET_TOOLS_NICHTS();
    void GUI_SET_TOOLS() override;
    // Offers step back to stage index (J(K) narrowed, the arrow shown) or withdraws it.
    void Toggle_RohdatenSeperator(int32_t index, bool show = false);
    // The step-back popup under the J(K) button; its entries follow Toggle_RohdatenSeperator.
    QMenu* mnuSeperator_1 = nullptr;
    std::array<QAction*, 4> mnuSeperatorBack{};
    // Buttons, panels and diagrams back to idle before a project starts; one diagram.
    void ResetControls();
    // The keys N, X, Y, I, G, T, F (frmMainTasten.cpp); they act from anywhere in the window except
    // a text field, which keeps its letters.
    void Form_KeyUp(int32_t taste);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The smallest size at which the tool rows, the step box and the panel frame stay usable.
    void Mindestgroesse_Setzen();
    void Diagramme_Erstellen();
    void Panels_Erstellen();
    void Panels_Sprache_Setzen();
    void Panels_Stil_Setzen();
    void Fourier_Panels_Erstellen();
    void Extras_Panels_Erstellen();
    void Simulation_Erstellen();
    void Bild_Panel_Erstellen();
    void Bild_Panel_Platzieren(int32_t breite, int32_t hoehe);
    void Werkzeuge_Erstellen();
    void AddButton(const Werkzeug& werkzeug, int32_t style);
    // The buttons and the step-back entries take the state of Werkzeuge.
    void Werkzeuge_Anzeigen();
    // vorher: the tools before the click, restored when a step change is declined.
    void Befehl_Ausfuehren(const Werkzeugbefehl& befehl, const clsWerkzeuge& vorher);
    // The panels of the frame; it shows one at a time. A step shows its own panel (Rahmen_Zeigen);
    // smoothing, averaging, the automatic transform and the Gauss peaks open over it (Ueberlagern)
    // and, when they close, give the frame back to the panel they covered.
    std::vector<QWidget*> Rahmenpanels() const;
    void Rahmen_Zeigen(QWidget* panel);
    void Ueberlagern(QWidget* panel);
    bool Ist_Ueberlagerung(const QObject* panel) const;
    void Ueberlagerung_Geschlossen();
    // The tools of the automatic transform and the Gauss peaks are up while their panels are hidden.
    void Ueberlagerungsknoepfe_Abgleichen();
    QPointer<QWidget> verdeckt_;
    bool rahmenWechsel_ = false;
    // The keyboard goes to the main diagram, where the step keys work at once (a "Weiter" that
    // disables itself would hand it to a limit box).
    void Tasten_Ans_Diagramm();
    // A preview window of the curve kind; the preview tool, drawn pressed while it keeps the focus
    // of its click, is released when the window closes, and the diagram takes the focus.
    void Vorschau_Oeffnen(int32_t kurve);
    void Tasten_Erstellen();
    void Stil_Menue_Erstellen();
    // One or two diagrams above the panel frame in a client area of the given size.
    void Diagramme_Platzieren(int32_t breite, int32_t hoehe);
    void Neues_Projekt_Menue_Erstellen();
    void Legierung_Menue_Erstellen();
    void Zuletzt_Menue_Erstellen();
    void Kurve_Menue_Erstellen();
    void Speziell_Menue_Erstellen();
    void Diagramm_Menue_Erstellen();
    void Extras_Menue_Erstellen();
    void Einstellungen_Menue_Erstellen();
    void Rechner_Menue_Erstellen();
    void Hilfe_Menue_Erstellen();
    void Menues_Sprache_Setzen();
    QAction* Menue_Eintrag(Menue menue) const;
    struct Fensterzustand {
        clsWerkzeuge Werkzeuge;
        bool Diagramm = false;
        bool Schrittfeld = false;
    };
    // What the simulation panel covered while it is open.
    std::optional<Fensterzustand> vorSimulation_;
    // Held while a chosen picture is read; the window takes input again when the last holder lets go.
    std::weak_ptr<void> bildSperre_;
    QPointer<frmDaten> frmDaten_;
    QPointer<frmParser> frmParser_;
    // The diagram and the information kind lblSS shows.
    std::pair<int32_t, int32_t> letzteInfo_{0, 0};
};
