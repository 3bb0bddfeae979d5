#pragma once
// The forward sine transform from K·I(K) to G(r) as the transform of N = 2^Bits points: the real
// input is laid out with odd symmetry about index 0, so that the imaginary part of the result is
// the sine sum; radix-2 complex transforms carry it. Everything is held in single precision.
#include <cstdint>
#include <span>
#include <vector>

struct GR_Vorschau;

// The tables of a transform of N = 2^Bits points, made once per size. A real input of N points is
// carried by a complex transform of M = N/2 points on its even and odd points.
struct FFT_Plan {
    int32_t Bits = 0;
    int32_t N = 0;
    // Entry m: the bit reversal of m for M points, where the packed input is loaded.
    std::vector<int32_t> Umordnung;
    // The twiddles exp(+iπ·m/h) of the stage of half-length h (h = 1, 2, 4, … M) at [h − 1 + m]:
    // each stage reads its own in order. The last stage (h = M) untangles the packed result.
    std::vector<float> DrehRe, DrehIm;

private:
    // The throwing form of FFT_Planen, for the transforms that report a failure under their own name.
    friend class clsFFT;
    friend FFT_Plan FFT_Planen(int32_t bits);
    friend GR_Vorschau GR_Vorschau_Aktuell();
    static FFT_Plan FFT_Planen_Ungeschuetzt(int32_t bits);
};

// The tables for 2^bits points; bits outside 2 to 20 report "Invalid procedure call" and give an
// empty plan.
FFT_Plan FFT_Planen(int32_t bits);

// The transform of a real input: out(k) = scale · Σn in(n) · exp(+2πi·n·k/N) for k = 0..N-1, by a
// complex transform of N/2 points. in holds at least N values, the outputs N; out must not overlap in.
void Reelle_FFT(const FFT_Plan& plan, std::span<const float> in, std::span<float> outRe, std::span<float> outIm,
                float scale);

// The imaginary part of the same transform for an input of odd symmetry (in(N − n) = −in(n)), its
// sine sum: out(k) = scale · Σn in(n) · sin(2π·n·k/N) for k = 0..N/2; its real part vanishes. Reads
// in(1)..in(N/2 − 1) only. out holds at least N + 1 values; those above N/2 serve as working space.
void Sinus_FFT(const FFT_Plan& plan, std::span<const float> in, std::span<float> out, float scale);

// One complex transform: out(k) = scale · Σn in(n) · exp(+2πi·n·k/N) for k = 0..N-1. All four
// spans hold at least N values; out must not overlap in.
void Komplexe_FFT(const FFT_Plan& plan, std::span<const float> inRe, std::span<const float> inIm,
                  std::span<float> outRe, std::span<float> outIm, float scale);

// Writes v at 1-based grid point i (index i − 1) and −v at its mirror (index n − i + 1) of an input
// of n points, the odd layout whose transform is a sine sum.
void Ungerade_Setzen(std::vector<float>& re, int32_t n, int32_t i, float v);

// What the forward transform takes besides the curve.
struct Sinus_Vorgaben {
    float DeltaK = 0.1f;  // K(i) = (i − 1)·DeltaK
    int32_t Start = 1;    // the first 1-based point taken
    int32_t Abbruch = 1;  // the cut-off point F
    bool Hamming = false;  // Hamming's half window: 1 at K = 0, 0.08 at K(F)
    // From F to point Fortsetzen_Bis the curve goes on as the damped oscillation
    // Y_Abbruch·cos(π/7·(K − K(F))) / (K/K(F))^Ordnung instead of ending in a step.
    bool Fortsetzen = false;
    int32_t Ordnung = 0;
    int32_t Fortsetzen_Bis = 0;
    float Y_Abbruch = 0.0f;
};

// The complex result at indices 0..N+1: the sine sum in Im at 0..N/2, everything else 0 (the real
// part of an odd input's transform vanishes; the mirrored half Im(N − k) = −Im(k) is not kept).
struct Transformierte {
    std::vector<float> Re;
    std::vector<float> Im;
};

// The last 1-based K point a transform of this size takes; beyond it I(K) meets its mirror.
inline int32_t Letzter_K_Index(const FFT_Plan& plan) { return plan.N / 2 - 1; }

// The transform of K·y(K)·window, scaled by 1/2: points Start..size(y) (y[i − 1] is point i), at
// most up to Letzter_K_Index, enter with odd symmetry. G(r(k + 1)) = 2/π·Δk·Im[k].
Transformierte Sinustransformation(const FFT_Plan& plan, std::span<const float> y, const Sinus_Vorgaben& v);
