// The radial average of a diffraction image, with the progress report letting window events through,
// against a plain double-precision loop over a grey buffer that does the same binning.
#include "core/UiSeam.h"
#include "images/Radialmittel.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// Rings of grey about the picture's middle.
uint8_t Grau(int32_t x, int32_t y, int32_t w)
{
    const double r = std::hypot(x - w / 2.0, y - w / 2.0);
    return static_cast<uint8_t>(100 + 80 * std::cos(r / 7.0));
}

void BM_Radialmittel(benchmark::State& state)
{
    const auto w = static_cast<int32_t>(state.range(0));
    const int32_t pitch = (3 * w + 3) / 4 * 4;
    std::vector<uint8_t> bits(static_cast<size_t>(pitch) * w);
    for (int32_t y = 0; y < w; ++y)
        for (int32_t x = 0; x < w; ++x)
            for (int32_t k = 0; k < 3; ++k) bits[static_cast<size_t>(y) * pitch + 3 * x + k] = Grau(x, y, w);
    const Bildzeilen bild{bits.data(), w, w, pitch};
    int64_t meldungen = 0;
    const Fortschritt fortschritt = [&meldungen](double) {
        ++meldungen;
        zelo::Ui().DoEvents();
    };
    for (auto _ : state) {
        Radialkurve kurve;
        Radialmittel_Berechnen(bild, w / 2.0f, w / 2.0f, 0.187239f, fortschritt, kurve);
        benchmark::DoNotOptimize(kurve.Y.data());
    }
    state.counters["events"] = benchmark::Counter(static_cast<double>(meldungen), benchmark::Counter::kAvgIterations);
    state.SetComplexityN(static_cast<int64_t>(w) * w);
    state.SetItemsProcessed(state.iterations() * w * w);
}

void BM_Referenz(benchmark::State& state)
{
    const auto w = static_cast<int32_t>(state.range(0));
    std::vector<uint8_t> grau(static_cast<size_t>(w) * w);
    for (int32_t y = 0; y < w; ++y)
        for (int32_t x = 0; x < w; ++x) grau[static_cast<size_t>(y) * w + x] = Grau(x, y, w);
    const double m = w / 2.0;
    for (auto _ : state) {
        std::vector<double> summe(static_cast<size_t>(w) + 101);
        std::vector<double> anzahl(summe.size());
        for (int32_t y = 0; y < w; ++y)
            for (int32_t x = 0; x < w; ++x) {
                const int32_t g = grau[static_cast<size_t>(y) * w + x];
                if (g < 12 || g >= 255) continue;
                const double dx = x - m;
                const double dy = y - m;
                const auto b = static_cast<size_t>(std::nearbyint(std::sqrt(dx * dx + dy * dy)));
                if (b >= summe.size()) continue;
                summe[b] += 65793.0 * g;
                anzahl[b] += 1;
            }
        for (size_t b = 0; b < summe.size(); ++b) summe[b] /= anzahl[b] + 1;
        benchmark::DoNotOptimize(summe.data());
    }
    state.SetComplexityN(static_cast<int64_t>(w) * w);
    state.SetItemsProcessed(state.iterations() * w * w);
}

}

BENCHMARK(BM_Radialmittel)->RangeMultiplier(2)->Range(512, 4096)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_Referenz)->RangeMultiplier(2)->Range(512, 4096)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
