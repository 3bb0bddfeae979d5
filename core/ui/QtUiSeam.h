#pragma once
// The model's view of the user interface, answered with Qt's message boxes and the error window.
#include "core/UiSeam.h"

class QtUiSeam final : public zelo::UiSeam {
public:
    zelo::MsgResult MsgBox(const std::string& text, zelo::MsgButtons buttons, zelo::MsgIcon icon,
                           const std::string& title) override;
    void ShowErrorWindow() override;
    void Redraw(bool keepYScaling) override;
    void DoEvents() override;
};
