// The background support points of a ".ugs" file, fitted on a working curve.
#include "FuzzWelt.h"

#include "analysis/clsUntergrund.h"
#include "core/modCommon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool arbeitskurve = (FuzzWelt::Get(), FuzzWelt::Arbeitskurve(), true);
    (void)arbeitskurve;
    const std::string path = FuzzWelt::Get().Datei("background.ugs", data, size);
    gUntergrund->Untergrund_Einlesen(path);
    return 0;
}
