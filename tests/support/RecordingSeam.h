#pragma once
// A ui seam for tests: records every call and answers message boxes from a script.
#include "core/UiSeam.h"

#include <deque>
#include <string>
#include <vector>

struct RecordedMessage {
    std::string text;
    zelo::MsgButtons buttons;
    zelo::MsgIcon icon;
    std::string title;
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
    int events = 0;

    zelo::MsgResult MsgBox(const std::string& text, zelo::MsgButtons buttons, zelo::MsgIcon icon,
                           const std::string& title) override;
    void ShowErrorWindow() override;
    void Redraw(bool keepYScaling) override;
    void DoEvents() override;
};
