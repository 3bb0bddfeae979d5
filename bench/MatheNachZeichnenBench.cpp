// The maths library on the window thread, timed alone, once right after the window has drawn
// (an image filled and painted, shown in a paint event) and once without drawing. Some processors
// make every call of the library slow after wide-register drawing code until the upper halves of
// those registers are cleared; a benchmark that never draws does not see it. The pair should agree.
#include "BenchAnwendung.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

namespace {

class Zeichenfenster : public QWidget {
public:
    int64_t gemalt = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QImage bild(size(), QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter p(&bild);
            p.setRenderHint(QPainter::Antialiasing);
            QPainterPath kurve;
            for (int i = 0; i < 2000; ++i) {
                const double x = i * width() / 2000.0;
                const double y = height() / 2.0 * (1 - std::exp(-i / 700.0) * std::cos(i / 40.0));
                if (i == 0)
                    kurve.moveTo(x, y);
                else
                    kurve.lineTo(x, y);
            }
            p.drawPath(kurve);
            for (int i = 0; i < 200; ++i) p.drawEllipse(QPointF(5.0 * i, 3.0 * i), 4, 4);
            p.drawText(20, 20, "g(r)");
        }
        QPainter(this).drawImage(0, 0, bild);
        ++gemalt;
    }
};

// Six functions of the library, 500 calls each.
double Mathe(int64_t runde)
{
    double summe = 0;
    for (int i = 0; i < 500; ++i) {
        const double x = 0.5 + 0.001 * static_cast<double>(i + runde % 7);
        summe += std::sin(37 * x) + std::cos(11 * x) + std::exp(-x) + std::log(x) + std::pow(x, 1.7) + std::atan(x);
    }
    return summe;
}

void Mathe_Messen(benchmark::State& state, bool zeichnen)
{
    Bench_Anwendung();
    Zeichenfenster fenster;
    fenster.resize(1000, 600);
    fenster.show();
    // Painting starts once the window system shows the window.
    QElapsedTimer warten;
    warten.start();
    while (!(fenster.windowHandle() && fenster.windowHandle()->isExposed()) && warten.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    int64_t runde = 0;
    for (auto _ : state) {
        if (zeichnen) fenster.repaint();
        const auto anfang = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(Mathe(++runde));
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count());
    }
    // One picture per timed round when drawing; the first shows of the window paint in both.
    state.counters["Bilder"] =
        benchmark::Counter(static_cast<double>(fenster.gemalt), benchmark::Counter::kAvgIterations);
}

void BM_Mathe_Nach_Zeichnen(benchmark::State& state) { Mathe_Messen(state, true); }
void BM_Mathe_Ohne_Zeichnen(benchmark::State& state) { Mathe_Messen(state, false); }

}

BENCHMARK(BM_Mathe_Nach_Zeichnen)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Mathe_Ohne_Zeichnen)->UseManualTime()->Unit(benchmark::kMicrosecond);
