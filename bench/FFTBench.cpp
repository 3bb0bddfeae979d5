// One forward sine transform at the default size (14 bits, N = 16384) of an I(K) of 1500 points
// with its continued tail, alone and together with the set-up of the tables; and the bare sine
// transform at 10 to 16 bits beside FFTW's, when FFTW is there.
#include "BenchUmgebung.h"
#include "analysis/clsFFT.h"
#include "analysis/clsIK.h"
#include "analysis/Sinustransformation.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#ifdef ZELO_BENCH_FFTW
#include <fftw3.h>
#endif

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

namespace {

// The sine transform alone at 10 to 16 bits, on N/2 − 1 values laid out with odd symmetry.
void BM_Sinustransformation(benchmark::State& state)
{
    const FFT_Plan plan = FFT_Planen(static_cast<int32_t>(state.range(0)));
    const auto n = static_cast<size_t>(plan.N);
    std::vector<float> in(n + 2, 0.0f), im(n + 2);
    for (int32_t i = 2; i <= plan.N / 2; ++i) Ungerade_Setzen(in, plan.N, i, std::sin(0.01f * static_cast<float>(i)));
    for (auto _ : state) {
        Sinus_FFT(plan, in, im, 0.5f);
        benchmark::DoNotOptimize(im.data());
    }
}
BENCHMARK(BM_Sinustransformation)->DenseRange(10, 16)->Unit(benchmark::kMicrosecond);

#ifdef ZELO_BENCH_FFTW
// The same sine sum by FFTW's DST-I (RODFT00) on the N/2 − 1 values, single precision, planned
// before the timing.
void BM_FFTW_RODFT00(benchmark::State& state)
{
    const int n = (1 << state.range(0)) / 2 - 1;
    float* in = fftwf_alloc_real(static_cast<size_t>(n));
    float* out = fftwf_alloc_real(static_cast<size_t>(n));
    const fftwf_plan plan = fftwf_plan_r2r_1d(n, in, out, FFTW_RODFT00, FFTW_MEASURE);
    for (int i = 0; i < n; ++i) in[i] = std::sin(0.01f * static_cast<float>(i + 1));
    for (auto _ : state) {
        fftwf_execute(plan);
        benchmark::DoNotOptimize(out);
    }
    fftwf_destroy_plan(plan);
    fftwf_free(in);
    fftwf_free(out);
}
BENCHMARK(BM_FFTW_RODFT00)->DenseRange(10, 16)->Unit(benchmark::kMicrosecond);
#endif

}
