#include "analysis/clsFFT.h"

#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsPot.h"
#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/KGitter.h"
#include "materials/clsMFE.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

}

void clsFFT::SetupFFT()
{
    Guarded("clsFFT", "SetupFFT", [this] { SetupFFT_Ungeschuetzt(); });
}

void clsFFT::FFT()
{
    Guarded("clsFFT", "FFT", [this] { FFT_Ungeschuetzt(); });
}

void clsFFT::iFFT(std::span<const float> GKorrektur)
{
    Guarded("clsFFT", "iFFT", [&] { iFFT_Ungeschuetzt(GKorrektur); });
}

void clsFFT::iFFT_Pot()
{
    Guarded("clsFFT", "iFFT_Pot", [this] { iFFT_Pot_Ungeschuetzt(); });
}

void clsFFT::SetupFFT_Ungeschuetzt()
{
    plan_ = FFT_Plan::FFT_Planen_Ungeschuetzt(gOptions->FFT_Bits());
    n_ = plan_.N;
    anzahlFFT_ = 0;
    truncationWarned_ = false;

    const auto size = static_cast<size_t>(n_) + 2;
    for (auto* values : {&fwdOutRe_, &fwdOutIm_, &invInRe_, &invInIm_, &invOutRe_, &invOutIm_})
        values->assign(size, 0.0f);
}

void clsFFT::Ungerade_Addieren(std::vector<float>& re, int32_t n, int32_t i, float v)
{
    re[static_cast<size_t>(i - 1)] += v;
    re[static_cast<size_t>(n - i + 1)] -= v;
}

void clsFFT::Abschneiden_Melden()
{
    if (truncationWarned_) return;
    truncationWarned_ = true;
    zelo::Ui().MsgBox(gLanguage->Caption(437) + " " + rt::SingleText(gIK->x(Letzter_K_Index(plan_))) + " 1/nm",
                      zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, gLoader->ApplicationName());
}

std::vector<float> clsFFT::Eingabekurve(int32_t letzter)
{
    const int32_t F = gIK->FTR_Index();
    const int32_t S = gIK->FTR_Start_Index();
    const int32_t P = gIK->Parabel_Index();
    std::vector<float> y(static_cast<size_t>(std::clamp(std::max(F, P), 0, letzter)), 0.0f);
    for (int32_t i = std::max(S, 1); i <= std::min(F, letzter); ++i) y[static_cast<size_t>(i - 1)] = gIK->Y_Wichtung(i);
    if (P > S) {
        for (int32_t i = std::max(S, 1); i <= std::min(P, letzter); ++i) y[static_cast<size_t>(i - 1)] = gIK->Y_Parabel(i);
    }
    return y;
}

Sinus_Vorgaben clsFFT::Vorgaben()
{
    Sinus_Vorgaben v;
    v.DeltaK = gOptions->Delta_k();
    v.Start = gIK->FTR_Start_Index();
    v.Abbruch = gIK->FTR_Index();
    v.Hamming = gOptions->HammingWindow();
    // The window already brings I(K) down to the cut-off, so it replaces the continued tail.
    v.Fortsetzen = gOptions->Abbruchstelle_Daempfen() && !v.Hamming;
    v.Ordnung = gOptions->Abbruchstelle_Ordnung();
    v.Fortsetzen_Bis = gIK->Punkte();
    if (v.Fortsetzen && K_Gitter(v.Abbruch, v.DeltaK) > 0.0f) v.Y_Abbruch = gIK->Y(v.Abbruch);
    return v;
}

void clsFFT::FFT_Ungeschuetzt()
{
    if (n_ == 0) rt::Raise(rt::errSubscript);
    const Sinus_Vorgaben v = Vorgaben();
    if ((v.Fortsetzen ? std::max(v.Abbruch, v.Fortsetzen_Bis) : v.Abbruch) > Letzter_K_Index(plan_)) Abschneiden_Melden();

    auto ergebnis = Sinustransformation(plan_, Eingabekurve(Letzter_K_Index(plan_)), v);
    fwdOutRe_ = std::move(ergebnis.Re);
    fwdOutIm_ = std::move(ergebnis.Im);
    // The whole odd result, as the inverse transform takes it.
    for (int32_t k = 1; k < n_ / 2; ++k)
        fwdOutIm_[static_cast<size_t>(n_ - k)] = -fwdOutIm_[static_cast<size_t>(k)];
    ++anzahlFFT_;
}

void clsFFT::iFFT_Ungeschuetzt(std::span<const float> GKorrektur)
{
    if (n_ == 0) rt::Raise(rt::errSubscript);
    std::fill(invInRe_.begin(), invInRe_.end(), 0.0f);
    std::fill(invInIm_.begin(), invInIm_.end(), 0.0f);
    const double deltaK = gOptions->Delta_k();
    const int32_t letzter = GR_Grenze();
    // G(r) on the scale of the forward output.
    const double c = (1.0 / deltaK) / 2.0 * kPi;

    if (anzahlFFT_ == 0) {
        for (int32_t i = 1; i <= std::min(gGR->Punkte(), letzter); ++i)
            Ungerade_Setzen(invInRe_, n_, i, static_cast<float>(gGR->Y(i) * c));
    } else {
        std::copy_n(fwdOutIm_.begin(), n_, invInRe_.begin());
        if (gOptions->FFT_Richtig()) std::copy_n(fwdOutRe_.begin(), n_, invInIm_.begin());
    }
    const auto korrigiert = std::min(static_cast<int32_t>(GKorrektur.size()), letzter);
    for (int32_t i = 1; i <= korrigiert; ++i)
        Ungerade_Addieren(invInRe_, n_, i, static_cast<float>(GKorrektur[static_cast<size_t>(i - 1)] * c));
    if (anzahlFFT_ != 0) {
        // Below the first peak G(r) is replaced by its density line: exactly at the points the line
        // was fitted to. A point beyond them lies on the rising flank, and the line forced there
        // would tilt the next line and so feed itself pass after pass.
        const double cLinie = kPi * gGR->Dichte_Anstieg() / (2.0 * deltaK);
        for (int32_t i = 1; i <= std::min(gGR->Dichte_Exp_Index(), letzter); ++i)
            Ungerade_Setzen(invInRe_, n_, i, static_cast<float>(cLinie * gGR->R(i)));
    }
    Komplexe_FFT(plan_, invInRe_, invInIm_, invOutRe_, invOutIm_, 1.0f);
    Invers_Skalieren();
}

void clsFFT::iFFT_Pot_Ungeschuetzt()
{
    if (n_ == 0) rt::Raise(rt::errSubscript);
    std::fill(invInRe_.begin(), invInRe_.end(), 0.0f);
    std::fill(invInIm_.begin(), invInIm_.end(), 0.0f);
    // v(K) = (4πρ/K)·∫ v(r)·r·sin(Kr) dr, the three-dimensional transform of a pair potential: the
    // sine transform takes r·v(r); IK divides by K. The density is already per nm³, the unit of the
    // r grid: no conversion from per m³ belongs here.
    const double c = ((4.0 * kPi / gOptions->Delta_k()) / 2.0) * kPi * gMFE->Dichte_Theoretisch();
    for (int32_t i = 1; i <= std::min(gPot->Punkte_R(), GR_Grenze()); ++i)
        Ungerade_Setzen(invInRe_, n_, i, static_cast<float>(double(gPot->Y_r(i)) * gPot->R(i) * c));
    Komplexe_FFT(plan_, invInRe_, invInIm_, invOutRe_, invOutIm_, 1.0f);
    Invers_Skalieren();
}

void clsFFT::Invers_Skalieren()
{
    for (int32_t k = 0; k <= n_; ++k)
        invOutIm_[static_cast<size_t>(k)] = static_cast<float>(2.0 * invOutIm_[static_cast<size_t>(k)] / n_);
}

float clsFFT::Auslesen(const std::vector<float>& values, int32_t Index)
{
    if (Index < 1 || static_cast<size_t>(Index) > values.size()) rt::Raise(rt::errSubscript);
    return values[static_cast<size_t>(Index - 1)];
}

float clsFFT::G(int32_t Index) const
{
    return Guarded("clsFFT", "G", [&] {
        return static_cast<float>(2.0 * Auslesen(fwdOutIm_, Index) / kPi * gOptions->Delta_k());
    });
}

float clsFFT::Gr_Imag(int32_t Index) const
{
    return Guarded("clsFFT", "Gr_Imag", [&] {
        return static_cast<float>(2.0 * Auslesen(fwdOutRe_, Index) / kPi * gOptions->Delta_k());
    });
}

float clsFFT::IK(int32_t Index) const
{
    return Guarded("clsFFT", "IK", [&] {
        const float value = Auslesen(invOutIm_, Index);
        return Index == 1 ? 0.0f : static_cast<float>(value / (double(gOptions->Delta_k()) * (Index - 1)));
    });
}

float clsFFT::IK_Imag(int32_t Index) const
{
    return Guarded("clsFFT", "IK_Imag", [&] {
        const float value = Auslesen(invOutRe_, Index);
        return Index == 1 ? 0.0f : static_cast<float>(value / (double(gOptions->Delta_k()) * (Index - 1)));
    });
}

int32_t clsFFT::GR_Punkte() const { return std::min(1000, GR_Grenze()); }
