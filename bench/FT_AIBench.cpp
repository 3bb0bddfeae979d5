// One pass of the automatic transform on an I(K) of 1500 points with a transform of 14 bits:
// back-transform, cut-off to the next zero, forward transform and the density line by rule 2.
#include "BenchGR.h"
#include "BenchUmgebung.h"
#include "analysis/FT_AI_Regeln.h"
#include "analysis/clsFFT.h"
#include "analysis/clsFT_AI.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int32_t kPunkte = 1500;

void BM_FT_AI_Durchlauf(benchmark::State& state)
{
    BenchUmgebung umgebung;
    gOptions->setFFT_Bits(14);
    if (!Fluessigmetall_GR(kPunkte)) state.SkipWithError("no G(r)");
    clsFT_AI lauf;

    for (auto _ : state) {
        gIK->RTR_Berechnen();
        gIK->setWichtung(0.1f);
        clsFT_AI::Abbruchstelle_Anpassen();
        gGR->Berechnen();
        lauf.Dichtegerade_Anpassen();
        benchmark::DoNotOptimize(gGR->Dichte_Exp_Index());
    }
}
BENCHMARK(BM_FT_AI_Durchlauf)->Unit(benchmark::kMillisecond);

}
