#include "core/CallStackFrame.h"

#include "core/clsError.h"

#include <utility>

CallStackFrame::CallStackFrame(clsError& owner, int32_t previousIndex, CallStackEntry replaced)
    : owner_(&owner), previousIndex_(previousIndex), replaced_(std::move(replaced))
{
}

CallStackFrame::~CallStackFrame()
{
    if (owner_) owner_->Frame_Beenden(previousIndex_, std::move(replaced_));
}
