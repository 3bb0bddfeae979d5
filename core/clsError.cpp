#include "core/clsError.h"

#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsLoader.h"

#include <utility>

CallStackFrame clsError::AddFunctionToCallStack(const std::string& Modul, const std::string& Funktion,
                                               bool AddAllways)
{
    const CallStackEntry& newest = ring_[static_cast<size_t>(ringIndex_)];
    if (!AddAllways && (newest.Funktion == Funktion || newest.Modul == Modul)) return {};
    const int32_t previousIndex = ringIndex_;
    ringIndex_ = ringIndex_ + 1 > RingSize - 1 ? 0 : ringIndex_ + 1;
    CallStackEntry& entry = ring_[static_cast<size_t>(ringIndex_)];
    // Deeper than the ring: the oldest entry is written over and comes back when this frame ends.
    CallStackEntry replaced = std::exchange(entry, CallStackEntry{rt::NowText(), Modul, Funktion});
    return {*this, previousIndex, std::move(replaced)};
}

void clsError::Frame_Beenden(int32_t previousIndex, CallStackEntry replaced)
{
    ring_[static_cast<size_t>(ringIndex_)] = std::move(replaced);
    ringIndex_ = previousIndex;
}

void clsError::ErrorMsg(const std::string& module, const std::string& procedure, bool silent, int32_t number,
                        const std::string& description)
{
    error_ = true;
    errorNumber_ = number;
    errorDescription_ = description;
    errorModul_ = module;
    errorFunction_ = procedure;
    if (silent) return;
    try {
        zelo::Ui().ShowErrorWindow();
    } catch (const std::exception& e) {
        ShowErrorMessage(rt::errInvalidCall, e.what(), "ErrorMsg", ModuleKind::Class, "clsError");
    }
}

void clsError::Report(const std::string& module, const std::string& procedure, const rt::RuntimeError& error,
                      bool silent)
{
    ErrorMsg(module, procedure, silent, error.Number(), error.Description());
}

void clsError::ReportByMessage(const std::string& kind, const std::string& module, const std::string& procedure,
                               const rt::RuntimeError& error)
{
    ShowErrorMessage(error.Number(), error.Description(), procedure, kind, module);
}

bool clsError::Error()
{
    const bool was = error_;
    error_ = false;
    return was;
}

std::string clsError::GetCallStack(int32_t Items) const
{
    std::string text;
    for (int32_t i = ringIndex_; i >= ringIndex_ - Items && i >= 0; --i) {
        if (i >= RingSize) continue;
        const CallStackEntry& entry = ring_[static_cast<size_t>(i)];
        text += std::to_string(i) + ": [" + entry.Zeit + "] " + entry.Modul + " - " + entry.Funktion + "\r\n";
    }
    return text;
}

std::string ErrorMessageText(int32_t number, const std::string& description, const std::string& procedure,
                             const std::string& kind, const std::string& module)
{
    return "Error " + std::to_string(number) + " (" + description + ") in procedure " + procedure + " of " + kind +
           " " + module;
}

void ShowErrorMessage(int32_t number, const std::string& description, const std::string& procedure,
                      const std::string& kind, const std::string& module)
{
    zelo::Ui().MsgBox(ErrorMessageText(number, description, procedure, kind, module), zelo::MsgButtons::OK,
                      zelo::MsgIcon::None, clsLoader::kApplicationName);
}
