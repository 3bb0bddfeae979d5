// The background support points of a ".ugs" file, fitted on a working curve.
#include "FuzzWelt.h"

#include "analysis/clsUntergrund.h"
#include "core/modCommon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool arbeitskurve = (FuzzWelt::Arbeitskurve(), true);
    (void)arbeitskurve;
    gUntergrund->Untergrund_Einlesen(FuzzWelt::Get().Datei("background.ugs", data, size));
    return 0;
}
