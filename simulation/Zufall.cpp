#include "simulation/Zufall.h"

#include <chrono>

void Zufall::SeedFromClock()
{
    Seed(static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

float Zufall::Rnd()
{
    // 24 random bits fill a float's mantissa exactly, so the result never rounds up to 1.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}
