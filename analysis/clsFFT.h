#pragma once
// The Fourier sine transforms between K·I(K) and G(r), carried out by one radix-2 complex
// transform of N = 2^FFT_Bits points: the real input is laid out with odd symmetry about index 0,
// so that the imaginary part of the result is the sine sum. Everything is stored in single
// precision; the arrays are sized once per SetupFFT and reused by every transform.
#include <cstdint>
#include <span>
#include <vector>

class clsFFT {
public:
    // Forward transforms since the last SetupFFT.
    int32_t Anzahl_FFT() const { return anzahlFFT_; }
    // Sizes the arrays for gOptions->FFT_Bits() (2 to 20, else "Invalid procedure call") and fills
    // the bit-reversal and stage tables; resets the count and the warning about a long I(K).
    void SetupFFT();
    // G(r) from K times the weighted, extrapolated and continued I(K) of gIK.
    void FFT();
    // K·I(K) from G(r): from the last forward result, or from gGR while there has been none since
    // the set-up (a G(r) read from a file). GKorrektur (points from r(1) on) is added to G(r)
    // before the density line replaces its low-r part.
    void iFFT(std::span<const float> GKorrektur = {});
    // v(K) from the pair potential v(r) of gPot.
    void iFFT_Pot();

    // Read-outs at 1-based grid indices (1 to N + 2; others raise "Subscript out of range").
    // G(r) at r(Index) and the real part of the same transform.
    float G(int32_t Index) const;
    float Gr_Imag(int32_t Index) const;
    // The inverse result divided by K(Index), and its real part likewise; 0 at K = 0.
    float IK(int32_t Index) const;
    float IK_Imag(int32_t Index) const;

    // The number of G(r) points that a transform of this size carries: the points above N/2 are
    // the mirror of those below.
    int32_t GR_Punkte() const;

private:
    static int32_t BitReverse(int32_t value, int32_t bits);
    // One complex transform in place on the output: out(k) = scale · Σn in(n) · exp(+2πi·n·k/N),
    // decimation in time with the twiddle advanced by a recurrence from the stage table.
    void Core(const std::vector<float>& inRe, const std::vector<float>& inIm, std::vector<float>& outRe,
              std::vector<float>& outIm, float scale) const;
    // The last 1-based K point that a forward transform takes; beyond it I(K) meets its mirror.
    int32_t LetzterKIndex() const { return n_ / 2 - 1; }
    // The last 1-based r point that an inverse transform takes: points beyond N/2 lie past the
    // highest r that the K grid resolves.
    int32_t GR_Grenze() const { return n_ / 2; }
    // Writes v at grid point i and -v at its mirror.
    static void SetOdd(std::vector<float>& re, int32_t n, int32_t i, float v);
    // Adds v at grid point i and -v at its mirror.
    static void AddOdd(std::vector<float>& re, int32_t n, int32_t i, float v);
    // Tells the user once per set-up that I(K) reaches beyond the transformable range.
    void WarnTruncated();
    // Scales the imaginary inverse result to K·I(K).
    void ScaleInverse();
    static float ReadOut(const std::vector<float>& values, int32_t Index);

    int32_t bits_ = 0;
    int32_t n_ = 0;
    std::vector<int32_t> bitReverse_;
    // For stage s = 1..bits: [2(s-1)] = 2 sin²(θ/2) and [2(s-1)+1] = sin θ with θ = 2π / 2^s.
    std::vector<float> stages_;
    std::vector<float> fwdInRe_, fwdInIm_, fwdOutRe_, fwdOutIm_;
    std::vector<float> invInRe_, invInIm_, invOutRe_, invOutIm_;
    int32_t anzahlFFT_ = 0;
    bool truncationWarned_ = false;
};
