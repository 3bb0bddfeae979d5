// The save behind Nc and Extras on a project with every result option on: the first save writes
// and syncs each file; a save with nothing changed since finds them up to date and writes none.
// And the weighing of whether a save would write anything, which the question about unsaved
// results waits for.
#include "BenchGR.h"
#include "BenchUmgebung.h"
#include "core/KurvenTyp.h"
#include "curves/Ergebnisdatei.h"
#include "mainwindow/modErgebnisse.h"
#include "materials/clsMFE.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int32_t kPunkte = 1500;

// A project in the bench's folder with every result's save option on and a G(r) with a density.
void Projekt_Mit_GR(const BenchUmgebung& umgebung, benchmark::State& state)
{
    gCommon->Set_Dateiname(umgebung.Folder() + "/probe.dat");
    for (int32_t kurve = KT_JK_Bearbeitet; kurve <= KT_KIK; ++kurve) gOptions->setKurveSpeichern(kurve, true);
    if (!Fluessigmetall_GR(kPunkte) || !clsMFE::Dichte_Gueltig(gMFE->Dichte_Experimentell()))
        state.SkipWithError("no G(r) with a density");
}

void BM_Ergebnisse_Speichern(benchmark::State& state)
{
    BenchUmgebung umgebung;
    Projekt_Mit_GR(umgebung, state);
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

// The weighing behind the question before a new project and at the end, on the same project after
// its save with one result changed since: what a save would write, with nothing written.
void BM_Ergebnisse_Ungesichert(benchmark::State& state)
{
    BenchUmgebung umgebung;
    Projekt_Mit_GR(umgebung, state);
    Gespeichert_Setzen();
    gGR->Set_Y(kPunkte / 2, gGR->Y(kPunkte / 2) + 1.0f);
    for (auto _ : state)
        if (!Ergebnisse_Ungesichert()) state.SkipWithError("the change was not found");
}
BENCHMARK(BM_Ergebnisse_Ungesichert)->Unit(benchmark::kMillisecond)->UseRealTime();

}
