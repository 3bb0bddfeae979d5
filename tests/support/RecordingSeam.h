#pragma once
// A ui seam for tests: records every call and answers message boxes from a script.
#include "core/UiSeam.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct RecordedMessage {
    std::string text;
    zelo::MsgButtons buttons;
    zelo::MsgIcon icon;
    std::string title;
};

enum class DialogKind { Open, Save, Folder };

struct RecordedDialog {
    DialogKind kind;
    std::string title;
    std::vector<zelo::FileFilter> filters;
    std::string startFolder;
};

class RecordingSeam : public zelo::UiSeam {
public:
    RecordingSeam();
    ~RecordingSeam() override;

    // Answers for the next message boxes, in order; when they run out, the first button is taken.
    std::deque<zelo::MsgResult> answers;
    std::vector<RecordedMessage> messages;
    int errorWindows = 0;
    int redraws = 0;
    // Whether the last redraw kept the y scaling.
    bool redrawKeptYScaling = false;
    int events = 0;
    // Answers for the next file and folder dialogs, in order; when they run out, the dialog is cancelled ("").
    std::deque<std::string> dialogAnswers;
    std::vector<RecordedDialog> dialogs;
    std::vector<std::string> logLines;
    // Requests to redraw the open previews; a window test passes them on to the real windows.
    int previewRedraws = 0;
    std::function<void()> previews;

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

private:
    std::string AnswerDialog(RecordedDialog dialog);
};
