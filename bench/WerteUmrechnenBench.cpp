// "Werte umrechnen" on a working curve of 5000 points with a formula of 20 KB: a sum of 500 terms
// that call functions and take powers, or 10,000 plain additions of y.
#include "BenchUmgebung.h"
#include "core/clsError.h"
#include "curves/clsCalc.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

constexpr int32_t Points = 5000;
constexpr size_t FormulaBytes = 20000;

std::string Formula(bool plainSums)
{
    const std::string term = plainSums ? "y+" : "sin(y/7)*2.5+ln(abs(y)+1)-(y/3)^2*1e-6+";
    std::string formula = "(";
    while (formula.size() + term.size() < FormulaBytes - 10) formula += term;
    formula.back() = ')';
    return formula + "/1000";
}

void BM_ValuesByFormula(benchmark::State& state)
{
    BenchUmgebung umgebung;
    for (int32_t i = 1; i <= Points; ++i) gCalc->Punkte_Plus(0.01f * float(i), 0.0f);
    const std::string formula = Formula(state.range(0) == 1);
    for (auto _ : state) {
        for (int32_t i = 1; i <= Points; ++i) gCalc->setY(i, float(100.0 + 50.0 * std::sin(0.01 * i)));
        gCalc->WerteUmrechnen(formula, true);
        if (gError->Error()) state.SkipWithError("the formula failed");
        benchmark::DoNotOptimize(gCalc->Y(Points));
    }
    state.SetLabel(std::to_string(formula.size()) + " characters, " + std::to_string(Points) + " points");
}

}

BENCHMARK(BM_ValuesByFormula)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
