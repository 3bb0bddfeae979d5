// The save behind Nc and Extras on a project with every result option on: the first save writes
// and syncs each file; a save with nothing changed since finds them up to date and writes none.
#include "BenchGR.h"
#include "BenchUmgebung.h"
#include "core/KurvenTyp.h"
#include "curves/Ergebnisdatei.h"
#include "mainwindow/modErgebnisse.h"
#include "materials/clsMFE.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int32_t kPunkte = 1500;

void BM_Ergebnisse_Speichern(benchmark::State& state)
{
    BenchUmgebung umgebung;
    gCommon->Set_Dateiname(umgebung.Folder() + "/probe.dat");
    for (int32_t kurve = KT_JK_Bearbeitet; kurve <= KT_KIK; ++kurve) gOptions->setKurveSpeichern(kurve, true);
    if (!Fluessigmetall_GR(kPunkte) || !clsMFE::Dichte_Gueltig(gMFE->Dichte_Experimentell()))
        state.SkipWithError("no G(r) with a density");
    const bool unveraendert = state.range(0) == 1;
    Gespeichert_Setzen();
    for (auto _ : state) {
        if (!unveraendert) Ergebnisdatei::Vergessen();
        gGespeichert = false;
        Gespeichert_Setzen();
        if (!gGespeichert) state.SkipWithError("not saved");
    }
    state.SetLabel(unveraendert ? "nothing changed since the last save" : "every file written");
}
BENCHMARK(BM_Ergebnisse_Speichern)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}
