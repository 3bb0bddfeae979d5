// The ".fmk" form-factor table reader, resampling onto a working curve.
#include "FuzzWelt.h"

#include "core/modCommon.h"
#include "curves/clsInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool arbeitskurve = (FuzzWelt::Get(), FuzzWelt::Arbeitskurve(), true);
    (void)arbeitskurve;
    const std::string path = FuzzWelt::Get().Datei("table.fmk", data, size);
    gInput->FMK_Oeffnen(path);
    return 0;
}
