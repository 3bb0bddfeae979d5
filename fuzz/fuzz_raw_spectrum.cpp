// The raw spectrum reader: header lines and "x time counts" rows.
#include "FuzzWelt.h"

#include "core/clsCommon.h"
#include "core/modCommon.h"
#include "curves/clsInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = FuzzWelt::Get().Datei("spectrum.dat", data, size);
    gCommon->Set_Dateiname(path);
    gInput->Spektrum_Oeffnen();
    return 0;
}
