#include "curves/cls_Y.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/modCommon.h"
#include "curves/clsInput.h"

void cls_Y::CopyArrayFromInput()
{
    Guarded("cls_Y", "CopyArrayFromInput", [this] { CopyArrayFromInput_Ungeschuetzt(); });
}

void cls_Y::CopyArrayFromInput_Ungeschuetzt()
{
    const clsInput& input = rt::Object(gInput);
    if (input.Punkte() > Anzahl()) rt::Raise(rt::errSubscript);
    input.CopyArray(y_);
}

void cls_Y::setAnzahl(int32_t value)
{
    if (value < 0) return;
    y_.assign(static_cast<size_t>(value), 0.0f);
}

float cls_Y::Y(int32_t Index) const
{
    if (Index < 1 || Index > Anzahl()) return 0.0f;
    return y_[static_cast<size_t>(Index - 1)];
}

void cls_Y::setY(int32_t Index, float Value)
{
    if (Index < 1 || Index > Anzahl()) return;
    y_[static_cast<size_t>(Index - 1)] = Value;
}
