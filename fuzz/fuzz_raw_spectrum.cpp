// The raw spectrum reader and the working curve's start on it: header lines and "x time counts"
// rows, or under ".elb" also the "x y" rows of an edited spectrum. The first byte picks the
// extension (even ".dat", odd ".elb").
#include "FuzzWelt.h"

#include "core/clsCommon.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const std::string name = data[0] % 2 == 0 ? "spectrum.dat" : "spectrum.elb";
    const std::string path = FuzzWelt::Get().Datei(name, data + 1, size - 1);
    gCommon->Set_Dateiname(path);
    gCalc->Beugung_oeffnen();
    return 0;
}
