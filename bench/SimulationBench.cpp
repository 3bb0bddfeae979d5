// One refinement cycle of the structure simulation on the demonstration experiment: every atom
// moved once, g(r), its smoothing, the potential and chi², without drawing or waiting. And the
// simulation window with a box of 32,000 atoms (20 cells per direction): the longest pause of the
// window's event loop while the worker sets the box up and while it runs (the window should answer
// within 200 ms), and how long Stop takes (the user should see it at once, well under a second).
#include "BenchAnwendung.h"
#include "BenchUmgebung.h"
#include "Pausenmesser.h"
#include "analysis/DemoWerte.h"
#include "core/Resources.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/clsGrafik.h"
#include "simulation/Simulationslauf.h"
#include "simulation/clsVerfeinerung.h"
#include "simulation/ui/conIMC.h"
#include "widgets/fxbutton.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <thread>

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

// A stop of the worker a tenth of a second into the set-up of a box of 32,000 atoms.
static void BM_Simulationslauf_StoppImAufbau(benchmark::State& state)
{
    clsVerfeinerung v(5);
    Simulationslauf lauf(v);
    for (auto _ : state) {
        state.PauseTiming();
        lauf.Laden({Demo_Werte(zelo::Resource("DEMO_101")), 0.1f, 46.0f, 0.015f}, 20, Startgitter::fcc, false);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        state.ResumeTiming();
        lauf.Stoppen();
    }
}
BENCHMARK(BM_Simulationslauf_StoppImAufbau)->Iterations(5)->Unit(benchmark::kMillisecond);

namespace {

// The simulation window with its globals, shown at a typical size.
class Simulationsfenster {
public:
    Simulationsfenster()
    {
        Bench_Anwendung();
        gGrafik = std::make_unique<clsGrafik>();
        panel_ = std::make_unique<conIMC>();
        panel_->resize(1000, 640);
        panel_->show();
    }
    ~Simulationsfenster()
    {
        panel_.reset();
        gGrafik.reset();
    }
    conIMC& Panel() { return *panel_; }
    // Sets up the box of 20 cells per direction, the window's loop running; the longest pause of it.
    qint64 Laden()
    {
        Pausenmesser messer;
        panel_->txtAtome->setText("20");
        panel_->cmdIKladen_Click(0);
        messer.Laufen_Lassen(120000, [this] { return !panel_->Beschaeftigt(); });
        return messer.Laengste();
    }
    void Starten()
    {
        panel_->HScroll1->setValue(0);
        panel_->Command2->Click();
    }

private:
    BenchUmgebung umgebung_;
    std::unique_ptr<conIMC> panel_;
};

// The time of each iteration is the longest pause of the window while the box is set up.
void BM_Simulationsfenster_PauseBeimLaden(benchmark::State& state)
{
    Simulationsfenster fenster;
    for (auto _ : state) state.SetIterationTime(fenster.Laden() / 1000.0);
}
BENCHMARK(BM_Simulationsfenster_PauseBeimLaden)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

// The time of each iteration is the longest pause of the window in a second of the run.
void BM_Simulationsfenster_PauseImLauf(benchmark::State& state)
{
    Simulationsfenster fenster;
    fenster.Laden();
    fenster.Starten();
    Pausenmesser messer;
    for (auto _ : state) {
        messer.Zuruecksetzen();
        messer.Laufen_Lassen(1000);
        state.SetIterationTime(messer.Laengste() / 1000.0);
    }
    fenster.Panel().Command3->Click();
}
BENCHMARK(BM_Simulationsfenster_PauseImLauf)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The time of each iteration is one Stop in the middle of a cycle, a third of a second into the run.
void BM_Simulationsfenster_Stopp(benchmark::State& state)
{
    Simulationsfenster fenster;
    fenster.Laden();
    Pausenmesser messer;
    for (auto _ : state) {
        fenster.Starten();
        messer.Laufen_Lassen(300);
        QElapsedTimer uhr;
        uhr.start();
        fenster.Panel().Command3->Click();
        state.SetIterationTime(uhr.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_Simulationsfenster_Stopp)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}
