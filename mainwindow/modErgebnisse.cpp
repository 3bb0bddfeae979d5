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

// True when nothing failed; vorhanden tells whether there was a file at least, written now or
// already up to date.
bool Ergebnisse_Speichern(bool& vorhanden, bool dichteHinweis)
{
    Ergebnisdatei::Vorgang vorgang;
    rt::Object(gUntergrund).Speichern();
    rt::Object(gIK).Speichern();
    clsGR& gr = rt::Object(gGR);
    if (gr.Punkte() > 0) {
        std::vector<float> g(static_cast<size_t>(gr.Punkte()));
        gr.CopyArray(g);
        rt::Object(gInput).SpeichereKurve(KT_GR, clsInput::kQuelleGR, g);
        gr.Speichern(dichteHinweis);
    }
    rt::Object(gFMK).Speichern();
    vorhanden = vorgang.Geschrieben() + vorgang.Aktuell() > 0;
    return vorgang.Melden();
}

}

bool Gespeichert_Setzen(bool dichteHinweis)
{
    try {
        if (rt::Object(gCommon).Dateiname().empty()) return true;
        bool vorhanden = false;
        const bool fehlerfrei = Ergebnisse_Speichern(vorhanden, dichteHinweis);
        if (fehlerfrei && vorhanden) gGespeichert = true;
        return fehlerfrei;
    } catch (const rt::RuntimeError& e) {
        gError->Report("modCommon", "Gespeichert_Setzen", e);
        return false;
    }
}
