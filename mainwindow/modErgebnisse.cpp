#include "mainwindow/modErgebnisse.h"

#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "curves/Ergebnisdatei.h"
#include "curves/clsInput.h"
#include "materials/clsFMK.h"

#include <vector>

namespace {

// True when every file is written or up to date, there was one at least, and nothing failed.
bool Ergebnisse_Speichern()
{
    Ergebnisdatei::Vorgang vorgang;
    rt::Object(gUntergrund).Speichern();
    rt::Object(gIK).Speichern();
    clsGR& gr = rt::Object(gGR);
    if (gr.Punkte() > 0) {
        std::vector<float> g(static_cast<size_t>(gr.Punkte()));
        gr.CopyArray(g);
        rt::Object(gInput).SpeichereKurve(KT_GR, clsInput::kQuelleGR, g);
        gr.Speichern();
    }
    rt::Object(gFMK).Speichern();
    return vorgang.Melden() && vorgang.Geschrieben() + vorgang.Aktuell() > 0;
}

}

void Gespeichert_Setzen()
{
    try {
        if (rt::Object(gCommon).Dateiname().empty()) return;
        if (Ergebnisse_Speichern()) gGespeichert = true;
    } catch (const rt::RuntimeError& e) {
        gError->Report("modCommon", "Gespeichert_Setzen", e);
    }
}
