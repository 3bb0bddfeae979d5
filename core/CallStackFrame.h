#pragma once
// One routine's entry in the error reporter's call-stack ring, held for as long as the routine
// runs. When the routine returns, its entry goes and the ring is as it was before the routine
// recorded itself, so an error window never lists calls of minutes before. When an error leaves
// the routine, its entry stays until that error is reported: the window of the error names the
// routine that raised it and every routine it passed through. A handler that ends without a report
// takes the entries with it, so that no later error lists them.
#include <cstdint>
#include <exception>
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
    // A recorded call at the given depth of the ring; replaced is the entry it wrote over.
    CallStackFrame(clsError& owner, int32_t depth, int32_t previousIndex, CallStackEntry replaced);
    ~CallStackFrame();
    // Frames end in the order they began: one is never copied nor moved out of its scope.
    CallStackFrame(const CallStackFrame&) = delete;
    CallStackFrame& operator=(const CallStackFrame&) = delete;

private:
    clsError* owner_ = nullptr;
    int32_t depth_ = 0;
    int32_t previousIndex_ = 0;
    CallStackEntry replaced_;
    // Errors on their way up when the routine began: one more when it ends means an error leaves it.
    int uncaught_ = std::uncaught_exceptions();
};
