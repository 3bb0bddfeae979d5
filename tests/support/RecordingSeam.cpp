#include "RecordingSeam.h"

RecordingSeam::RecordingSeam() { zelo::SetUi(this); }

RecordingSeam::~RecordingSeam() { zelo::SetUi(nullptr); }

zelo::MsgResult RecordingSeam::MsgBox(const std::string& text, zelo::MsgButtons buttons, zelo::MsgIcon icon,
                                      const std::string& title)
{
    messages.push_back({text, buttons, icon, title});
    if (!answers.empty()) {
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (buttons) {
    case zelo::MsgButtons::AbortRetryIgnore: return zelo::MsgResult::Abort;
    case zelo::MsgButtons::YesNoCancel:
    case zelo::MsgButtons::YesNo: return zelo::MsgResult::Yes;
    case zelo::MsgButtons::RetryCancel: return zelo::MsgResult::Retry;
    default: return zelo::MsgResult::OK;
    }
}

void RecordingSeam::ShowErrorWindow() { ++errorWindows; }
void RecordingSeam::ShowWindowPreview()
{
    ++previewRedraws;
    if (previews) previews();
}

void RecordingSeam::Redraw(bool keepYScaling)
{
    ++redraws;
    redrawKeptYScaling = keepYScaling;
}
void RecordingSeam::DoEvents() { ++events; }

std::string RecordingSeam::AnswerDialog(RecordedDialog dialog)
{
    dialogs.push_back(std::move(dialog));
    if (dialogAnswers.empty()) return "";
    std::string answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

std::string RecordingSeam::OpenFileDialog(const std::string& title, const std::vector<zelo::FileFilter>& filters,
                                          const std::string& startFolder)
{
    return AnswerDialog({DialogKind::Open, title, filters, startFolder});
}

std::string RecordingSeam::SaveFileDialog(const std::string& title, const std::vector<zelo::FileFilter>& filters,
                                          const std::string& startFolder)
{
    return AnswerDialog({DialogKind::Save, title, filters, startFolder});
}

std::string RecordingSeam::FolderDialog(const std::string& title) { return AnswerDialog({DialogKind::Folder, title, {}, ""}); }

void RecordingSeam::AppendLogLine(const std::string& line) { logLines.push_back(line); }
