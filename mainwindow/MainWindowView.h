#pragma once
// What the project start shows in the main window. The window installs itself when it is built;
// without it (tests, benchmarks) a project starts headless and nothing is shown.
#include <cstdint>
#include <string>
#include <vector>

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
};

// The installed view; without one, a view that shows nothing.
MainWindowView& MainView();
// Installs a view (not owned); nullptr returns to the one that shows nothing.
void SetMainView(MainWindowView* view);
// Removes view if it is the installed one, so that a window going away cannot uninstall another.
void RemoveMainView(const MainWindowView* view);
