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
#include "mainwindow/Stille_Ausgabe.h"
#include "materials/clsFMK.h"

#include <vector>

namespace {

// Hands every result file of the project to the running Ergebnisdatei::Vorgang; dichteHinweis
// false leaves the density's note to a caller that asks for the density itself.
void Ergebnisse_Durchgehen(bool dichteHinweis)
{
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
}

// True when nothing failed; vorhanden tells whether there was a file at least, written now or
// already up to date.
bool Ergebnisse_Speichern(bool& vorhanden, bool dichteHinweis)
{
    Ergebnisdatei::Vorgang vorgang;
    Ergebnisse_Durchgehen(dichteHinweis);
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

bool Ergebnisse_Ungesichert()
{
    if (gGespeichert) return false;
    try {
        if (rt::Object(gCommon).Dateiname().empty()) return false;
        // Weighed in silence: no message (a G(r) file without a density), no error window, no log line.
        const Stille_Ausgabe stille;
        const Ergebnisdatei::Vorgang vorgang(Ergebnisdatei::Vorgang::Zweck::Pruefen);
        Ergebnisse_Durchgehen(false);
        return vorgang.Zu_Schreiben() > 0;
    } catch (const rt::RuntimeError& e) {
        gError->Report("modCommon", "Ergebnisse_Ungesichert", e);
        // What cannot be weighed is asked about: the work stays unless the user lets it go.
        return true;
    }
}

void Ausgangsstand_Merken()
{
    try {
        const Stille_Ausgabe stille;
        const Ergebnisdatei::Vorgang vorgang(Ergebnisdatei::Vorgang::Zweck::Ausgangsstand);
        Ergebnisse_Durchgehen(false);
    } catch (const rt::RuntimeError& e) {
        gError->Report("modCommon", "Ausgangsstand_Merken", e);
    }
}
