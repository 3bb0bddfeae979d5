#pragma once
// The main window: the program's menus and, with the later steps, the diagram and its panels. It is
// the project start's view while it exists.
#include "mainwindow/MainWindowView.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <vector>

class QAction;
class QMenu;
class conDisplay;
class frmDaten;

class frmMain : public QMainWindow, public MainWindowView {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // Builds the menus; called once before the window is first shown.
    void Form_Load();
    // Puts the texts of the selected language on every caption.
    void Sprache_Setzen();
    // The save action: marks the results as saved.
    void Gespeichert_Setzen();
    // Switches the UI language to the given offset and re-captions the windows.
    void mnuLang_Click(int offset);
    // Shows the processing-log window.
    void mnuRecord_Click();
    // Shows the about window, modal.
    void mnuInfo_Click();
    // Shows the element table window, modeless; one instance.
    void mnuDaten_Click();

    // New project (frmMainProjekt.cpp): a file is chosen, then the project settings window, whose OK
    // starts the project.
    void mnuNeuesProjekt_Click();
    QAction* mnuNeuesProjekt = nullptr;
    // Recent files (frmMainZuletzt.cpp): one entry per stored file; choosing one opens the project
    // settings window for it. The submenu is off while no file is stored.
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
    // along the bottom holds the step panels.
    std::array<::conDisplay*, 2> conDisplay{};
    QWidget* Frame1 = nullptr;
    // Places the panel frame and the diagrams for the client size.
    void Form_Resize();
    // Applies Ansicht_2_Fenster to the diagrams and redraws.
    void Toggle_2Fenster();
    void DrawCurve(int32_t kurvenTyp) override;
    // The alloy menu, shown for projects from files, with one entry per component.
    QMenu* mnuLegierung = nullptr;
    std::array<QAction*, 5> mnuKomponente{};

    QMenu* mnuDatei = nullptr;
    QAction* mnuRecord = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuDaten = nullptr;
    QMenu* mnuLanguage = nullptr;
    // The language entries, each carrying its offset as data.
    std::vector<QAction*> mnuLang;
    QMenu* mnuHelp = nullptr;
    QAction* mnuInfo = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Diagramme_Erstellen();
    // One or two diagrams above the panel frame in a client area of the given size.
    void Diagramme_Platzieren(int32_t breite, int32_t hoehe);
    void Neues_Projekt_Menue_Erstellen();
    void Legierung_Menue_Erstellen();
    void Zuletzt_Menue_Erstellen();
    QPointer<frmDaten> frmDaten_;
};
