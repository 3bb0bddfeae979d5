#pragma once
// The error reporter: keeps the last reported error, a ring of the most recent registered calls,
// and shows the error window through the ui seam.
#include "core/CallStackFrame.h"
#include "core/Runtime.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class clsError {
public:
    static constexpr int32_t RingSize = 11;

    // Records a call unless its module or its procedure equals the newest entry's (or addAlways).
    // The caller keeps the frame for as long as it runs; the entry goes when the frame ends, or,
    // when an error ends it, once that error is reported or its handler ends without a report.
    CallStackFrame AddFunctionToCallStack(const std::string& Modul, const std::string& Funktion,
                                          bool AddAllways = false);
    // Stores the error and, unless silent, shows the modal error window; then the entries of the
    // routines the error left go.
    void ErrorMsg(const std::string& module, const std::string& procedure, bool silent, int32_t number,
                  const std::string& description);
    // The handler's report of a caught run-time error: stores it and, unless silent, shows the
    // error window.
    void Report(const std::string& module, const std::string& procedure, const rt::RuntimeError& error,
                bool silent = false);
    // The handler's message-box form for a caught run-time error; nothing is stored.
    static void ReportByMessage(const std::string& kind, const std::string& module, const std::string& procedure,
                                const rt::RuntimeError& error);

    std::string ErrorFunction() const { return errorFunction_; }
    std::string ErrorModul() const { return errorModul_; }
    int32_t ErrorNumber() const { return errorNumber_; }
    std::string ErrorDescription() const { return errorDescription_; }
    // Returns whether an error was reported and clears the flag.
    bool Error();
    void setError(bool value) { error_ = value; }

    // The newest Items + 1 entries, newest first, one "i: [time] module - procedure" line each;
    // the listing stops at index 0 and does not wrap.
    std::string GetCallStack(int32_t Items) const;

    // For tests and the error window: the ring as it stands.
    int32_t RingIndex() const { return ringIndex_; }
    const CallStackEntry& Entry(int32_t index) const { return ring_.at(static_cast<size_t>(index)); }

private:
    friend class CallStackFrame;
    // A recorded call as its frame hands it back: its depth in the ring, the index before it and
    // the entry it wrote over.
    struct Eintrag {
        int32_t tiefe;
        int32_t previousIndex;
        CallStackEntry replaced;
    };
    // A routine returned: the entries of the routines it called that an error left go (their error
    // is over, reported or not), then its own; the ring is as before the routine began.
    void Frame_Beenden(Eintrag eintrag);
    // An error leaves a routine: its entry stays in the ring until the error is reported.
    void Frame_Verlassen(Eintrag eintrag);
    // Takes the entries of routines that an error left off the top of the ring, down to the first
    // routine still running.
    void Verlassene_Freigeben();
    // Kept entries belong to an error on its way up or in a handler; with neither, a handler ended
    // without reporting it, and they go before they are listed for a later, unrelated error.
    void Unberichtete_Verwerfen();
    void Entfernen(Eintrag eintrag);

    std::string errorFunction_;
    std::string errorModul_;
    int32_t errorNumber_ = 0;
    std::string errorDescription_;
    bool error_ = false;
    std::array<CallStackEntry, RingSize> ring_{};
    int32_t ringIndex_ = 0;
    // Recorded entries in the ring, those kept for an error included.
    int32_t tiefe_ = 0;
    // The kept entries of routines an error left, the deepest last.
    std::vector<Eintrag> verlassen_;
};

// The kinds of module named in an error message box.
namespace ModuleKind {
inline constexpr const char* Class = "Klassenmodul";
inline constexpr const char* Form = "Formular";
inline constexpr const char* UserControl = "Benutzersteuerelement";
inline constexpr const char* Module = "Modul";
}

// The handler's message-box form: "Error n (d) in procedure P of K M", only OK, application title.
std::string ErrorMessageText(int32_t number, const std::string& description, const std::string& procedure,
                             const std::string& kind, const std::string& module);
void ShowErrorMessage(int32_t number, const std::string& description, const std::string& procedure,
                      const std::string& kind, const std::string& module);
