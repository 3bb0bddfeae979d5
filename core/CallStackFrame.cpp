#include "core/CallStackFrame.h"

#include "core/clsError.h"

#include <utility>

CallStackFrame::CallStackFrame(clsError& owner, int32_t depth, int32_t previousIndex, CallStackEntry replaced)
    : owner_(&owner), depth_(depth), previousIndex_(previousIndex), replaced_(std::move(replaced))
{
}

CallStackFrame::~CallStackFrame()
{
    if (!owner_) return;
    clsError::Eintrag ende{depth_, previousIndex_, std::move(replaced_)};
    if (std::uncaught_exceptions() > uncaught_)
        owner_->Frame_Verlassen(std::move(ende));
    else
        owner_->Frame_Beenden(std::move(ende));
}
