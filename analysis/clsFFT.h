#pragma once
// The Fourier sine transforms between K·I(K) and G(r) of the current project, on N = 2^FFT_Bits
// points (see Sinustransformation): gathers the curves and options, keeps the results and reads
// them out on the r and K grids.
#include "analysis/Sinustransformation.h"

#include <cstdint>
#include <span>
#include <vector>

class clsFFT {
    // The transforms have no handler of their own: these callers take the unguarded forms, so that
    // a failure reaches their own handler as before.
    friend class clsGR;
    friend class clsIK;
    friend class clsPot;
    friend void FFT_Bits_Setzen(int32_t bits);
    friend void Neues_Projekt_Reset();

public:
    // Forward transforms since the last SetupFFT.
    int32_t Anzahl_FFT() const { return anzahlFFT_; }
    // Plans the transform for gOptions->FFT_Bits() (2 to 20, else "Invalid procedure call") and
    // sizes the arrays; resets the count and the warning about a long I(K).
    void SetupFFT();
    // G(r) from K times the weighted, extrapolated and continued I(K) of gIK.
    void FFT();
    // K·I(K) from G(r): from the last forward result, or from gGR while there has been none since
    // the set-up (a G(r) read from a file). GKorrektur (points from r(1) on) is added to G(r)
    // before the density line replaces its low-r part.
    void iFFT(std::span<const float> GKorrektur = {});
    // v(K) from the pair potential v(r) of gPot.
    void iFFT_Pot();

    // Read-outs at 1-based grid indices (1 to N + 2; others report "Subscript out of range" and give 0).
    // G(r) at r(Index) and the real part of the same transform.
    float G(int32_t Index) const;
    float Gr_Imag(int32_t Index) const;
    // The inverse result divided by K(Index), and its real part likewise; 0 at K = 0.
    float IK(int32_t Index) const;
    float IK_Imag(int32_t Index) const;

    // The number of G(r) points that a transform of this size carries: the points above N/2 are
    // the mirror of those below.
    int32_t GR_Punkte() const;
    // The curve the forward transform takes at points 1..: the weighted I(K) from FTR_Start_Index
    // to FTR_Index, its low-K extrapolation up to Parabel_Index; none beyond point letzter.
    static std::vector<float> Eingabekurve(int32_t letzter);
    // What the forward transform takes besides the curve, from gIK and the options.
    static Sinus_Vorgaben Vorgaben();

private:
    // The forms that let a run-time error pass to the caller; the public ones report it as "clsFFT".
    void SetupFFT_Ungeschuetzt();
    void FFT_Ungeschuetzt();
    void iFFT_Ungeschuetzt(std::span<const float> GKorrektur = {});
    void iFFT_Pot_Ungeschuetzt();

    // The last 1-based r point that an inverse transform takes: points beyond N/2 lie past the
    // highest r that the K grid resolves.
    int32_t GR_Grenze() const { return n_ / 2; }
    // Adds v at grid point i and -v at its mirror.
    static void Ungerade_Addieren(std::vector<float>& re, int32_t n, int32_t i, float v);
    // Tells the user once per set-up that I(K) reaches beyond the transformable range.
    void Abschneiden_Melden();
    // Scales the imaginary inverse result to K·I(K).
    void Invers_Skalieren();
    static float Auslesen(const std::vector<float>& values, int32_t Index);

    FFT_Plan plan_;
    int32_t n_ = 0;
    std::vector<float> fwdOutRe_, fwdOutIm_;
    std::vector<float> invInRe_, invInIm_, invOutRe_, invOutIm_;
    int32_t anzahlFFT_ = 0;
    bool truncationWarned_ = false;
};
