#include "mainwindow/MainWindowView.h"

namespace {

class NoView final : public MainWindowView {
public:
    void SetTitle(const std::string&) override {}
    void SetAlloyMenu(const std::vector<std::string>&) override {}
    void ShowProjectMenus(bool) override {}
    void DrawCurve(int32_t) override {}
    void GUI_SET_TOOLS() override {}
};

NoView noView;
MainWindowView* installed = nullptr;

}

MainWindowView& MainView() { return installed ? *installed : noView; }

void SetMainView(MainWindowView* view) { installed = view; }

void RemoveMainView(const MainWindowView* view)
{
    if (installed == view) installed = nullptr;
}
