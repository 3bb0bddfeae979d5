// One redraw of the main diagram at a typical window size: three fresh layers of 1200 × 700
// pixels, scaling, a curve of 2000 points and two reference lines drawn into them, and the AND
// merge with the axes. One frame at 60 Hz is 16 ms.
#include "BenchAnwendung.h"
#include "BenchUmgebung.h"
#include "core/KurvenTyp.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void BM_DiagramRedrawWithThreeLayers(benchmark::State& state)
{
    Bench_Anwendung();
    BenchUmgebung umgebung;
    gGrafik = std::make_unique<clsGrafik>();
    {
        conDisplay display;
        display.resize(1200, 700);
        display.show();
        gGrafik->setDisplay(0, &display);
        constexpr int32_t kPunkte = 2000;
        for (auto _ : state) {
            gGrafik->LoadLayer(3, 0, true);
            gGrafik->Skalieren(0, 150, -200, 1000, 0, 1, 3, KT_JK);
            gGrafik->SetLayerForeColor(1, 0);
            for (int32_t i = 0; i < kPunkte; ++i) {
                const float k = i * 0.075f;
                const float y = 900 * std::exp(-k / 20) * std::cos(k / 2) + 100;
                if (i == 0)
                    gGrafik->DrawPoint(1, k, y);
                else
                    gGrafik->DrawLineTo(1, k, y);
            }
            gGrafik->SetLayerForeColor(2, 65280);
            gGrafik->DrawLineVertical(2, 75);
            gGrafik->SetLayerForeColor(3, 0xC0C0C0);
            gGrafik->DrawLineHorizontal(3, 0);
            gGrafik->MergeLayer();
        }
    }
    gGrafik.reset();
}
BENCHMARK(BM_DiagramRedrawWithThreeLayers)->Unit(benchmark::kMillisecond);

}
