#pragma once
// The simulations' uniform random source in [0, 1): seeded from the clock for a run, or from a
// fixed number so that a test repeats the same chain.
#include <cstdint>
#include <random>

class Zufall {
public:
    explicit Zufall(uint32_t seed = 1) : engine_(seed) {}
    void Seed(uint32_t seed) { engine_.seed(seed); }
    void SeedFromClock();
    float Rnd();

private:
    std::mt19937 engine_;
};
