#pragma once
// The application object of the benchmarks that use windows or draw, on the offscreen
// platform unless another is asked for.
#include <QApplication>

#include <cstdlib>

inline QApplication& Bench_Anwendung()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "zelo_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
