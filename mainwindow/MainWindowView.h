#pragma once
// What the project start and the step machine show in the main window. The window installs itself
// when it is built; without it (tests, benchmarks) a project runs headless and nothing is shown.
#include <cstdint>
#include <string>
#include <vector>

// The panels of the frame under the diagram, and the frame and diagram themselves.
enum class Panel { Fit, UG, FTR, FT_AI, AddCurves, Extras, Smoothing, Gauss, PeakTest, IMC, Beugung, Frame1, Diagramm };

// What the step machine asks of a panel.
enum class Panelaufruf {
    Fit_NeueTrennstelle,
    UG_Init,
    UG_Aktualisieren,
    UG_SS_Speichern,
    FTR_Zeigen,  // with the curve kind
    FTR_Daempfen,  // a freshly computed I(K) takes the damping the panel's list shows
    FTR_ShowPeakBuilder,
    PeakTest_Init,  // with the curve kind
    PeakTest_Clear,
    Beugung_Clear,
    FT_AI_Clear,  // the previous project's run leaves no status
    Extras_Init,
};

// The menu entries that follow the project and the step.
enum class Menue { Mitteln, DiagrammCopy, Export, Kurve, KurveGlaetten, Legierung, Sprung, Save, Record };

class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    virtual void SetTitle(const std::string& title) = 0;
    // Rewrites the alloy menu: one entry per caption, in order; the further entries are hidden.
    virtual void SetAlloyMenu(const std::vector<std::string>& captions) = 0;
    // A project has started: the processing-log entry can be chosen, and the alloy menu is shown
    // or hidden.
    virtual void ShowProjectMenus(bool alloyMenu) = 0;
    // Shows the diagram and draws a new curve kind in it, which ends any zoom.
    virtual void DrawCurve(int32_t kurvenTyp) = 0;
    // The tool buttons of range, move, height and width show their gModus_* flags.
    virtual void GUI_SET_TOOLS() = 0;

    // The tool buttons and step-back entries take the state of the step machine's tools.
    virtual void ToolsChanged() {}
    virtual void ShowPanel(Panel, bool) {}
    virtual void CallPanel(Panelaufruf, int32_t = 0) {}
    virtual void ShowMenu(Menue, bool) {}
    virtual void EnableMenu(Menue, bool) {}
    // The captions of the current and the next task.
    virtual void SetStepLabels(const std::string&, const std::string&) {}
    // What the step waits for from the user in the diagram; "" when nothing.
    virtual void SetStepHint(const std::string&) {}
    // Shows or hides the step box and "Weiter"'s frame.
    virtual void ShowStepBox(bool) {}
    // The diagram's value label.
    virtual void ClearValueLabel() {}
    // The diagram's information handler for display and kind.
    virtual void InfoChange(int32_t, int32_t) {}
    virtual void RedrawPreviews() {}
    // The preview windows close: they belong to the project that ended.
    virtual void ClosePreviews() {}
    // One or two diagrams as gOptions' Ansicht_2_Fenster says.
    virtual void Toggle_2Fenster() {}
    // The modal averaging dialog on the folded curve.
    virtual void Mitteln_Dialog() {}
    // The modal dialog that inserts copied points.
    virtual void Einfuegen_Dialog() {}
};

// The installed view; without one, a view that shows nothing.
MainWindowView& MainView();
// Installs a view (not owned); nullptr returns to the one that shows nothing.
void SetMainView(MainWindowView* view);
// Removes view if it is the installed one, so that a window going away cannot uninstall another.
void RemoveMainView(const MainWindowView* view);
