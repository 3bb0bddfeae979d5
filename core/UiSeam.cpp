#include "core/UiSeam.h"

namespace zelo {

namespace {

class SilentSeam final : public UiSeam {
public:
    MsgResult MsgBox(const std::string&, MsgButtons buttons, MsgIcon, const std::string&) override
    {
        return Stille_Antwort(buttons);
    }
    void ShowErrorWindow() override {}
    void Redraw(bool) override {}
    void DoEvents() override {}
    std::string OpenFileDialog(const std::string&, const std::vector<FileFilter>&, const std::string&) override
    {
        return "";
    }
    std::string SaveFileDialog(const std::string&, const std::vector<FileFilter>&, const std::string&) override
    {
        return "";
    }
    std::string FolderDialog(const std::string&) override { return ""; }
    void AppendLogLine(const std::string&) override {}
};

SilentSeam silentSeam;
UiSeam* installed = nullptr;

}

MsgResult Stille_Antwort(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::AbortRetryIgnore: return MsgResult::Abort;
    case MsgButtons::YesNoCancel:
    case MsgButtons::YesNo: return MsgResult::Yes;
    case MsgButtons::RetryCancel: return MsgResult::Retry;
    default: return MsgResult::OK;
    }
}

UiSeam& Ui() { return installed ? *installed : silentSeam; }

void SetUi(UiSeam* seam) { installed = seam; }

}
