// I(K) from a measured spectrum of 1500 points: background subtraction, the two integrals of the
// normalisation and the conversion of every point.
#include "BenchUmgebung.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "curves/clsCalc.h"
#include "materials/clsFMK.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

constexpr int32_t kPunkte = 1500;

void BM_IK_Berechnen(benchmark::State& state)
{
    BenchUmgebung umgebung;

    for (int32_t i = 1; i <= kPunkte; ++i) {
        const double k = (i - 1) * 0.1;
        gCalc->Punkte_Plus(float(k), float(5000.0 * (1.0 + std::exp(-k / 30.0) * std::sin(2.9 * k)) + 100.0));
    }
    gCalc->setMaximum_X(gCalc->x(kPunkte));
    gFMK->FMK_Intern_Neu("X", 1, {}, {}, 10.0f);
    gFMK->setAnzahl(1);
    gFMK->FMK_Einlesen(1, 100.0f, gFMK->FMK_Anzahl());
    gFMK->Formfaktoren_Berechnen();
    for (const float k : {5.0f, 25.0f, 45.0f, 65.0f, 85.0f, 105.0f, 125.0f, 145.0f}) gUntergrund->Plus_Punkt(k, 100.0f);

    for (auto _ : state) {
        if (!gIK->Berechnen(60.0f)) state.SkipWithError("refused");
        benchmark::DoNotOptimize(gIK->Y(kPunkte - 10));
    }
}
BENCHMARK(BM_IK_Berechnen)->Unit(benchmark::kMicrosecond);

}
