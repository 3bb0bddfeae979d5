// The I(K), K·I(K), G(r) and v(r) project files; the first byte picks the kind.
#include "FuzzWelt.h"

#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsPot.h"
#include "core/KurvenTyp.h"
#include "core/clsCommon.h"
#include "core/modCommon.h"
#include "curves/clsInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    static constexpr int32_t kKinds[] = {KT_IK, KT_KIK, KT_GR, KT_v_r};
    const int32_t kind = kKinds[data[0] % 4];
    const std::string path = FuzzWelt::Get().Datei("structure" + clsInput::ExtensionVonKurvenTyp(kind), data + 1, size - 1);
    gCommon->Set_Dateiname(path);
    if (kind == KT_GR) gGR->Einlesen();
    else if (kind == KT_v_r) gPot->Einlesen_R_Raum();
    else gIK->Einlesen();
    return 0;
}
