#include "core/clsError.h"

#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsLoader.h"

#include <algorithm>
#include <exception>
#include <utility>

CallStackFrame clsError::AddFunctionToCallStack(const std::string& Modul, const std::string& Funktion,
                                               bool AddAllways)
{
    Unberichtete_Verwerfen();
    const CallStackEntry& newest = ring_[static_cast<size_t>(ringIndex_)];
    if (!AddAllways && (newest.Funktion == Funktion || newest.Modul == Modul)) return {};
    const int32_t previousIndex = ringIndex_;
    ringIndex_ = ringIndex_ + 1 > RingSize - 1 ? 0 : ringIndex_ + 1;
    CallStackEntry& entry = ring_[static_cast<size_t>(ringIndex_)];
    // Deeper than the ring: the oldest entry is written over and comes back when this frame ends.
    CallStackEntry replaced = std::exchange(entry, CallStackEntry{rt::NowText(), Modul, Funktion});
    return {*this, ++tiefe_, previousIndex, std::move(replaced)};
}

void clsError::Frame_Beenden(Eintrag eintrag)
{
    Verlassene_Freigeben();
    Entfernen(std::move(eintrag));
}

void clsError::Frame_Verlassen(Eintrag eintrag)
{
    // A routine recorded while an error was on its way (a clean-up's call) may lie above older kept
    // entries when the error leaves it too: the list stays in the order of the ring.
    const auto stelle = std::find_if(verlassen_.begin(), verlassen_.end(),
                                     [&](const Eintrag& e) { return e.tiefe > eintrag.tiefe; });
    verlassen_.insert(stelle, std::move(eintrag));
}

void clsError::Verlassene_Freigeben()
{
    while (!verlassen_.empty() && verlassen_.back().tiefe == tiefe_) {
        Eintrag oben = std::move(verlassen_.back());
        verlassen_.pop_back();
        Entfernen(std::move(oben));
    }
}

void clsError::Unberichtete_Verwerfen()
{
    if (verlassen_.empty() || std::uncaught_exceptions() > 0 || std::current_exception()) return;
    Verlassene_Freigeben();
}

void clsError::Entfernen(Eintrag eintrag)
{
    ring_[static_cast<size_t>(ringIndex_)] = std::move(eintrag.replaced);
    ringIndex_ = eintrag.previousIndex;
    --tiefe_;
}

void clsError::ErrorMsg(const std::string& module, const std::string& procedure, bool silent, int32_t number,
                        const std::string& description)
{
    Unberichtete_Verwerfen();
    error_ = true;
    errorNumber_ = number;
    errorDescription_ = description;
    errorModul_ = module;
    errorFunction_ = procedure;
    if (!silent) {
        try {
            zelo::Ui().ShowErrorWindow();
        } catch (const std::exception& e) {
            ShowErrorMessage(rt::errInvalidCall, e.what(), "ErrorMsg", ModuleKind::Class, "clsError");
        }
    }
    // The routines this error left were listed for it and for no later one.
    Verlassene_Freigeben();
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
