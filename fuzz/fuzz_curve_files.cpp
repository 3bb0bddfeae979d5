// The curve file reader under every curve kind's extension; the first byte picks the kind.
#include "FuzzWelt.h"

#include "core/KurvenTyp.h"
#include "core/clsCommon.h"
#include "core/modCommon.h"
#include "curves/clsInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const int32_t kind = data[0] % (KT_GR_Peaks + 1);
    const std::string name = "curve" + clsInput::ExtensionVonKurvenTyp(kind);
    const std::string path = FuzzWelt::Get().Datei(name, data + 1, size - 1);
    gCommon->Set_Dateiname(path);
    gInput->Datei_Oeffnen();
    return 0;
}
