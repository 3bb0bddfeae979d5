#pragma once
// One routine's entry in the error reporter's call-stack ring, held for as long as the routine
// runs: when it goes out of scope (a return, an early exit, an exception) the ring is put back as
// it was before the routine recorded itself, so an error window lists only the calls that are
// still running, never those of minutes before.
#include <cstdint>
#include <string>

struct CallStackEntry {
    std::string Zeit;
    std::string Modul;
    std::string Funktion;
};

class clsError;

class [[nodiscard]] CallStackFrame {
public:
    // A frame that recorded nothing (the call repeated the newest entry's module or procedure).
    CallStackFrame() = default;
    // A recorded call: index is where it was written, replaced the entry it wrote over.
    CallStackFrame(clsError& owner, int32_t previousIndex, CallStackEntry replaced);
    ~CallStackFrame();
    // Frames end in the order they began: one is never copied nor moved out of its scope.
    CallStackFrame(const CallStackFrame&) = delete;
    CallStackFrame& operator=(const CallStackFrame&) = delete;

private:
    clsError* owner_ = nullptr;
    int32_t previousIndex_ = 0;
    CallStackEntry replaced_;
};
