#pragma once
// The model's view of the user interface, answered with Qt's message boxes, file dialogs, the
// error window and the processing-log window.
#include "core/UiSeam.h"

#include <QStringList>

class QtUiSeam final : public zelo::UiSeam {
public:
    zelo::MsgResult MsgBox(const std::string& text, zelo::MsgButtons buttons, zelo::MsgIcon icon,
                           const std::string& title) override;
    void ShowErrorWindow() override;
    void Redraw(bool keepYScaling) override;
    void DoEvents() override;
    std::string OpenFileDialog(const std::string& title, const std::vector<zelo::FileFilter>& filters,
                               const std::string& startFolder) override;
    std::string SaveFileDialog(const std::string& title, const std::vector<zelo::FileFilter>& filters,
                               const std::string& startFolder) override;
    std::string FolderDialog(const std::string& title) override;
    void AppendLogLine(const std::string& line) override;
    void ShowWindowPreview() override;
};

// The filter entries as Qt name filters: "name (*.a *.b)", with the patterns after the name so that
// the dialog shows the name as it stands; "*.*" becomes "*", which also matches names without a dot.
QStringList QtNameFilters(const std::vector<zelo::FileFilter>& filters);
