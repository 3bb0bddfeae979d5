#include "analysis/Analysestufe.h"

#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsSSC.h"

#include <algorithm>
#include <functional>
#include <new>
#include <vector>

namespace {

std::vector<float> Werte(int32_t anzahl, const std::function<float(int32_t)>& wert)
{
    std::vector<float> y(static_cast<size_t>(std::max(anzahl, 0)));
    for (size_t i = 0; i < y.size(); ++i) y[i] = wert(static_cast<int32_t>(i + 1));
    return y;
}

}

void Analysestufe_Sichern(int32_t TypKurve)
{
    try {
        clsSSC& store = rt::Object(gSSC);
        switch (TypKurve) {
        case 5: {
            const clsUntergrund& untergrund = rt::Object(gUntergrund);
            store.Kurve_Sichern(TypKurve, rt::Object(gOptions).Delta_k(), 0.0f,
                                Werte(untergrund.Anzahl_Fit(), [&](int32_t i) { return untergrund.Y(i); }));
            break;
        }
        case 6: {
            const clsIK& ik = rt::Object(gIK);
            store.Kurve_Sichern(TypKurve, rt::Object(gOptions).Delta_k(), 0.0f, Werte(ik.Punkte(), [&](int32_t i) { return ik.Y(i); }));
            break;
        }
        case 7: {
            const clsGR& gr = rt::Object(gGR);
            store.Kurve_Sichern(TypKurve, rt::Object(gOptions).Delta_r(), 0.0f, Werte(gr.Punkte(), [&](int32_t i) { return gr.Y(i); }));
            break;
        }
        default:
            store.Kurve_Sichern(TypKurve);
        }
    } catch (const rt::RuntimeError& e) {
        gError->Report("clsSSC", "Kurve_Sichern", e);
    } catch (const std::bad_alloc&) {
        gError->ErrorMsg("clsSSC", "Kurve_Sichern", false, rt::errOutOfMemory, rt::ErrorDescription(rt::errOutOfMemory));
    }
}
