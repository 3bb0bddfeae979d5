#pragma once
// What the model asks of the user interface. The ui installs the real one at start-up; tests
// install one that records the calls and answers from a script.
#include <string>
#include <vector>

namespace zelo {

enum class MsgButtons { OK, OKCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
// The answers carry the run time's numbers (vbOK = 1 ... vbNo = 7).
enum class MsgResult { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

// One entry of a file dialog's filter: the name shown and its patterns, separated by ";".
struct FileFilter {
    std::string name;
    std::string patterns;
};

class UiSeam {
public:
    virtual ~UiSeam() = default;
    // A modal message box; returns the button the user chose.
    virtual MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) = 0;
    // The modal error window showing gError's last error and call stack.
    virtual void ShowErrorWindow() = 0;
    // Redraw the diagram for the curve kind last drawn; keepYScaling keeps the y axis.
    virtual void Redraw(bool keepYScaling) = 0;
    // Let pending window events through during a long loop.
    virtual void DoEvents() = 0;
    // The modal open-file dialog; the chosen path, or "" when the user cancels.
    virtual std::string OpenFileDialog(const std::string& title, const std::vector<FileFilter>& filters,
                                       const std::string& startFolder) = 0;
    // The modal save-file dialog; the chosen path, or "" when the user cancels.
    virtual std::string SaveFileDialog(const std::string& title, const std::vector<FileFilter>& filters,
                                       const std::string& startFolder) = 0;
    // The modal folder browser; the chosen folder, or "" when the user cancels.
    virtual std::string FolderDialog(const std::string& title) = 0;
    // Appends one line to the processing-log window.
    virtual void AppendLogLine(const std::string& line) = 0;
    // Redraws every open preview window, after a value they show has changed.
    virtual void ShowWindowPreview() {}
};

// The answer a message box gets when nobody is asked: Yes, Abort, Retry or OK, whichever the
// buttons offer first of these.
MsgResult Stille_Antwort(MsgButtons buttons);

// The installed seam; without one, a silent seam answers every message box with its first button,
// cancels every dialog and drops log lines.
UiSeam& Ui();
// Installs a seam (not owned); nullptr returns to the silent one.
void SetUi(UiSeam* seam);

}
