// One refinement cycle of the structure simulation on the demonstration experiment: every atom
// moved once, g(r), its smoothing, the potential and chi², without drawing or waiting.
#include "analysis/DemoWerte.h"
#include "core/Resources.h"
#include "simulation/clsVerfeinerung.h"

#include <benchmark/benchmark.h>

static void BM_Verfeinerungszyklus(benchmark::State& state)
{
    clsVerfeinerung v;
    const auto n = static_cast<int32_t>(state.range(0));
    v.Experiment_Laden({Demo_Werte(zelo::Resource("DEMO_101")), 0.1f, 46.0f, 0.015f}, n, Startgitter::fcc, false);
    v.Parameter_Setzen({});
    for (auto _ : state) v.Zyklus();
    state.counters["N"] = v.mc().N();
}
BENCHMARK(BM_Verfeinerungszyklus)->Arg(5)->Arg(8)->Unit(benchmark::kMillisecond);
