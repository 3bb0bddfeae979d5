// The side fits of a measured spectrum: a two-sided spectrum of 2000 points is folded and its
// halves averaged (once); each iteration then sets a separation point, searches chi on both sides
// from the panel's start values and takes the joined fit over, writing the ".fit" file.
#include "BenchUmgebung.h"
#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

constexpr int32_t Points = 2000;
constexpr float Step = 0.05f;

// Counts at distance K (1/nm) from the primary beam: a falling background, two diffraction rings
// and counting noise.
void AddTwoSidedSpectrum(clsCalc& calc)
{
    std::mt19937 random(2024);
    std::normal_distribution<double> noise(0.0, 1.0);
    for (int32_t i = 1; i <= Points; ++i) {
        const double K = std::fabs((i - Points / 2) * double(Step));
        const double counts = 300.0 + 8000.0 * std::exp(-K / 3.0) + 1500.0 * std::exp(-(K - 14.0) * (K - 14.0) / 2.0) +
                              800.0 * std::exp(-(K - 25.0) * (K - 25.0) / 6.0);
        calc.Punkte_Plus(0.0f, float(counts + std::sqrt(counts) * noise(random)));
    }
    calc.setSchrittweite(Step);
}

void BM_SideFitSearchAndTakeOver(benchmark::State& state)
{
    BenchUmgebung umgebung;
    gCommon->Set_Dateiname(umgebung.Folder() + "/bench.dat");
    gOptions->setDelta_k(Step);
    gOptions->setKurveSpeichern(4, true);

    AddTwoSidedSpectrum(*gCalc);
    gCalc->Falten();
    if (!gCalc->Mitteln(2)) state.SkipWithError("the halves were not averaged");
    const clsCalc averaged = *gCalc;

    for (auto _ : state) {
        *gCalc = averaged;
        gCalc->setTrennstelle(300);
        gCalc->setChi_Links(1e6f);
        gCalc->setChi_Rechts(1e4f);
        gCalc->Best_Fit_L();
        gCalc->Best_Fit_R();
        if (!gCalc->FitUebernehmen()) state.SkipWithError("the fit was not taken over");
    }
    state.counters["averaged points"] = averaged.Punkte();
    state.counters["fitted points"] = gCalc->Punkte();
}

}

BENCHMARK(BM_SideFitSearchAndTakeOver)->Unit(benchmark::kMillisecond);
