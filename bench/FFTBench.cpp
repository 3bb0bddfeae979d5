// One forward sine transform at the default size (14 bits, N = 16384) of an I(K) of 1500 points
// with its continued tail, alone and together with the set-up of the tables.
#include "BenchUmgebung.h"
#include "analysis/clsFFT.h"
#include "analysis/clsIK.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

constexpr int32_t kPunkte = 1500;

void IK_Anlegen()
{
    gOptions->setFFT_Bits(14);
    gIK = std::make_unique<clsIK>();
    gFFT = std::make_unique<clsFFT>();
    gIK->setPunkte(kPunkte);
    for (int32_t i = 1; i <= kPunkte; ++i) {
        const double k = (i - 1) * 0.1;
        gIK->Set_Y(i, static_cast<float>(std::exp(-k / 40.0) * std::sin(2.9 * k) - std::exp(-k * k)));
    }
    gIK->setFTR_Index(kPunkte - 1);
    gFFT->SetupFFT();
}

void BM_FFT_14Bit(benchmark::State& state)
{
    BenchUmgebung umgebung;
    IK_Anlegen();
    for (auto _ : state) {
        gFFT->FFT();
        benchmark::DoNotOptimize(gFFT->G(100));
    }
}
BENCHMARK(BM_FFT_14Bit)->Unit(benchmark::kMicrosecond);

void BM_SetupFFT_und_FFT_14Bit(benchmark::State& state)
{
    BenchUmgebung umgebung;
    IK_Anlegen();
    for (auto _ : state) {
        gFFT->SetupFFT();
        gFFT->FFT();
        benchmark::DoNotOptimize(gFFT->G(100));
    }
}
BENCHMARK(BM_SetupFFT_und_FFT_14Bit)->Unit(benchmark::kMicrosecond);

}
