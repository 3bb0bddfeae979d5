// A raw spectrum of the largest size the smoothing spline takes (5000 rows) read from its file
// into the working curve: the file, the header test, the resampling, the centring and the stage.
#include "BenchUmgebung.h"
#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "curves/clsSSC.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>

namespace {

void BM_RawSpectrumIntoWorkingCurve(benchmark::State& state)
{
    BenchUmgebung umgebung;
    const std::string path = umgebung.Folder() + "/spectrum.dat";
    {
        std::ofstream file(path, std::ios::binary);
        file << "T=293K HV=200kV Bemerkungen Benchmark\r\n";
        for (int32_t i = 0; i < 5000; ++i) {
            const double x = i - 2500;
            const double counts = 1000 + 5e5 * std::exp(-x * x / 2e4) + 300 * std::sin(x / 40);
            file << x << " 1000 " << std::lround(counts) << "\r\n";
        }
    }
    gSSC = std::make_unique<clsSSC>();
    gSSC->ESC_HEADER();
    gOptions->setFaktor_X(1.0f);
    gCommon->setDateiname_Rohdaten(path);

    for (auto _ : state)
        if (!gCalc->Beugung_oeffnen()) state.SkipWithError("the spectrum was not read");
    state.counters["points"] = gCalc->Punkte();
}

}

BENCHMARK(BM_RawSpectrumIntoWorkingCurve)->Unit(benchmark::kMillisecond);
