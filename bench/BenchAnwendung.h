#pragma once
// The program's application object for the benchmarks that use windows or draw, on the offscreen
// platform unless another is asked for.
#include "core/ui/Anwendung.h"

#include <cstdlib>

inline Anwendung& Bench_Anwendung()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "zelo_bench";
    static char* argv[] = {name, nullptr};
    static Anwendung app(argc, argv);
    return app;
}
