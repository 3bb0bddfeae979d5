#include "analysis/clsIK.h"

#include "analysis/Daempfung.h"
#include "analysis/MittelRegel.h"
#include "analysis/Normierung.h"
#include "analysis/TiefK_Modell.h"
#include "analysis/clsGR.h"
#include "analysis/clsUntergrund.h"
#include "core/Guarded.h"
#include "core/KurvenTyp.h"
#include "core/NumberFormat.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/KGitter.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr const char* kModul = "clsIK";
// The front parabola spans the first points up to this one.
constexpr int32_t kVorderePunkte = 20;
// I(K) ends this many points before the working curve.
constexpr int32_t kZusatzpunkte = 10;
// Source code of the curve writer for curves on the grid of I(K).
constexpr uint8_t kQuelleIK = 1;

// Tells the user why no I(K) was computed; the texts go on separate lines.
bool Ablehnen(std::initializer_list<int32_t> texte)
{
    std::string text;
    for (const int32_t t : texte) text += (text.empty() ? "" : "\r\n") + gLanguage->Caption(t);
    zelo::Ui().MsgBox(text, zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, gLoader->ApplicationName());
    return false;
}

// A damping kind as the processing log names it; shifted Lorch with the list's word for it.
std::string Daempfung_Protokollname(int32_t Art)
{
    switch (Art) {
    case DA_Lorch: return "Lorch - Dämpfung";
    case DA_Lorch_Shifted: return "Lorch - Dämpfung" + gLanguage->Caption(429);
    case DA_Exp: return "Exponentielle Dämpfung";
    default: return {};
    }
}

}

float& clsIK::Wert(std::vector<float>& values, int32_t Index)
{
    if (Index < 1 || static_cast<size_t>(Index) > values.size()) rt::Raise(rt::errSubscript);
    return values[static_cast<size_t>(Index - 1)];
}

float clsIK::Wert(const std::vector<float>& values, int32_t Index)
{
    if (Index < 1 || static_cast<size_t>(Index) > values.size()) rt::Raise(rt::errSubscript);
    return values[static_cast<size_t>(Index - 1)];
}

void clsIK::Protokoll(const std::string& text) const { gCommon->Record(text); }

void clsIK::Kopieren(const std::vector<float>& values, std::span<float> ToArray, const char* Prozedur) const
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, Prozedur);
    if (ToArray.size() < values.size()) {
        gError->Report(kModul, Prozedur, rt::RuntimeError(rt::errSubscript));
        return;
    }
    std::copy(values.begin(), values.end(), ToArray.begin());
}

void clsIK::CopyArray(std::span<float> ToArray) const { Kopieren(y_, ToArray, "CopyArray"); }

void clsIK::CopyArray_Ungedaempft(std::span<float> ToArray) const { Kopieren(y0_, ToArray, "CopyArray_Ungedaempft"); }

void clsIK::Set_Y(int32_t Index, float YY)
{
    Guarded(kModul, "Set_Y", [&] {
        gGespeichert = false;
        Wert(y_, Index) = YY;
        Wert(y0_, Index) = YY;
        Wert(y2_, Index) = YY;
        Wert(yRTR_, Index) = YY;
        // A value set into every form is measured again: no back-transform is mixed into it.
        y2Gemessen_ = true;
        if (YY > maximum_) maximum_ = YY;
        minimum_ = -maximum_;
    });
}

void clsIK::UserSetScale(float UserMin, float UserMax)
{
    minimum_ = UserMin;
    maximum_ = UserMax;
    userScale_ = true;
}

float clsIK::Parabel_Abweichung_Prozent() const
{
    // Adding 0 turns a rounded -0.0 into 0.0.
    return static_cast<float>(Runden((1.0 - abweichung_) * 100.0, 1) + 0.0);
}

std::string clsIK::Parabel_Abweichung() const
{
    const double prozent = Parabel_Abweichung_Prozent();
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, prozent, std::chars_format::fixed, 1);
    return std::string(buffer, written.ptr) + " %";
}

float clsIK::Y_Parabel(int32_t Index) const
{
    return Guarded(kModul, "Y_Parabel (Get)", [&] { return Wert(parabel_, Index); });
}

void clsIK::setPunkte(int32_t value)
{
    Guarded(kModul, "Punkte (Let)", [&] {
        if (value < 0) rt::Raise(rt::errInvalidCall);
        n_ = value;
        for (auto* values : {&y_, &y0_, &y2_, &yRTR_}) values->resize(static_cast<size_t>(n_), 0.0f);
    });
}

// Outside the curve 0, without a message.
float clsIK::Y(int32_t Index) const
{
    return Guarded(kModul, "Y (Get)", [&] { return Wert(y_, Index); }, true);
}

float clsIK::Maximum() const { return static_cast<float>(maximum_ + 0.1 * maximum_); }

float clsIK::Minimum() const
{
    return static_cast<float>(minimum_ < 0.0f ? minimum_ + 0.1 * minimum_ : minimum_ - 0.1 * minimum_);
}

void clsIK::Clear()
{
    n_ = 0;
    for (std::vector<float>* v : {&y_, &y0_, &y2_, &yRTR_, &parabel_, &yRTRExtra_}) v->clear();
    parabelIndex_ = ftrIndex_ = 0;
    ftrStartIndex_ = 1;
    daempfung_ = DA_Keine;
    y2Gemessen_ = true;
    mittelwert_ = minimum_ = maximum_ = abweichung_ = integrationK2Y_ = 0.0f;
    userScale_ = false;
    gGespeichert = false;
}

// A changed index changes I(K) and what follows from it: the results count as unsaved and the
// open previews are drawn again.
void clsIK::Index_Geaendert()
{
    gGespeichert = false;
    zelo::Ui().ShowWindowPreview();
}

void clsIK::setParabel_Index(int32_t value)
{
    // The slope at the index needs a point above it, and the model ends below the cut-off.
    parabelIndex_ = std::clamp(value, 2, std::max(2, ftrIndex_ - 1));
    Parabel_Berechnen();
    Index_Geaendert();
}

void clsIK::setFTR_Index(int32_t value)
{
    const int32_t F = std::clamp(value, std::min(2, n_), n_);
    if (F != ftrIndex_ && !Abbruchstelle_Nachfuehren(F)) {
        Ablehnen({Daempfung_Hindernis(daempfung_), 603});
        return;
    }
    Index_Geaendert();
}

void clsIK::setFTR_Start_Index(int32_t value)
{
    ftrStartIndex_ = std::clamp(value, 1, std::max(1, ftrIndex_ - 1));
    Index_Geaendert();
}

void clsIK::setWichtung(float value)
{
    if (std::isnan(value)) return;
    // Stepping past either end wraps to the other.
    if (value > 1.0f) value = 0.0f;
    if (value < 0.0f) value = 1.0f;
    w_ = value;
    Parabel_Berechnen();
}

float clsIK::Y_Wichtung(int32_t Index) const
{
    return Guarded(kModul, "Y_Wichtung (Get)", [&] { return Gewichtet(Index); });
}

float clsIK::Gewichtet(int32_t Index) const
{
    const double gemischt = (1.0 - w_) * Wert(y2_, Index) + double(w_) * Wert(yRTR_, Index);
    if (!gOptions->iFTR_Bevorzugen() || !y2Gemessen_) return static_cast<float>(gemischt);
    // Towards K = 0 the back-transform takes over from the measured values.
    return static_cast<float>(gemischt * Index / n_ + double(Wert(yRTR_, Index)) * (n_ - Index) / n_);
}

float clsIK::Y_RTR(int32_t Index) const
{
    return Guarded(kModul, "Y_RTR (Get)", [&] { return Wert(yRTR_, Index); });
}

float clsIK::Y_RTR_Extra(int32_t Index) const
{
    return Guarded(kModul, "Y_RTR_Extra (Get)", [&] { return Wert(yRTRExtra_, Index); });
}

float clsIK::Y_2(int32_t Index) const
{
    return Guarded(kModul, "Y_2 (Get)", [&] { return Wert(y2_, Index); });
}

float clsIK::x(int32_t Index) const { return K_Gitter(Index, gOptions->Delta_k()); }

void clsIK::Daempfen(int32_t Art)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Daempfen");
    gGespeichert = false;
    try {
        double b = 0.0;
        if (n_ == 0) return;
        const int32_t vorher = daempfung_;
        if (!Daempfung_Anwenden(Art, b)) {
            // A kind that is no damping at all has nothing to explain.
            if (Daempfung_Hindernis(Art) != 0) Ablehnen({Daempfung_Hindernis(Art), 602});
            return;
        }
        if (Art != DA_Keine)
            Daempfung_Protokollieren(b, false);
        else if (vorher != DA_Keine)
            Protokoll(rt::TimeText() + ": " + Daempfung_Listentext(DA_Keine));
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "Daempfen", error);
    }
}

void clsIK::Daempfung_Protokollieren(double b, bool neueAbbruchstelle) const
{
    // The line of a chosen damping is the fixed German one; a re-damping's line is in the language
    // chosen throughout and names the kind as the list does.
    if (neueAbbruchstelle)
        Protokoll(rt::TimeText() + ": " + Daempfung_Listentext(daempfung_) + ": " + gLanguage->Caption(604) + " " +
                  rt::SingleText(x(ftrIndex_)) + " 1/nm");
    else
        Protokoll(rt::TimeText() + ": " + Daempfung_Protokollname(daempfung_));
    if (daempfung_ == DA_Exp) Protokoll("Dämpfungsfaktor: " + rt::SingleText(static_cast<float>(b)));
}

void clsIK::Ungedaempft_Setzen(std::vector<float> y)
{
    // A new curve (smoothed, by formula, back-transformed) is not the one written.
    gGespeichert = false;
    y_ = y;
    y2_ = y;
    yRTR_ = y;
    y0_ = std::move(y);
    y2Gemessen_ = true;
    daempfung_ = DA_Keine;
}

void clsIK::Neu_Gedaempft_Setzen(std::vector<float> y)
{
    const int32_t art = daempfung_;
    Ungedaempft_Setzen(std::move(y));
    double b = 0.0;
    if (!Daempfung_Anwenden(art, b)) Daempfung_Anwenden(DA_Keine, b);
}

bool clsIK::Daempfung_Anwenden(int32_t Art, double& b)
{
    if (n_ == 0 || !Daempfe(Art, y0_, ftrIndex_, gOptions->Delta_k(), y_, b)) return false;
    daempfung_ = Art;
    y2_ = y_;
    yRTR_ = y_;
    y2Gemessen_ = true;
    Gedaempft_Nachrechnen();
    return true;
}

bool clsIK::Abbruchstelle_Nachfuehren(int32_t F)
{
    // Without a damping nothing depends on the cut-off.
    if (daempfung_ == DA_Keine) {
        ftrIndex_ = F;
        return true;
    }
    std::vector<float> gedaempft = y_;
    double b = 0.0;
    if (!Daempfe(daempfung_, y0_, F, gOptions->Delta_k(), gedaempft, b)) return false;
    ftrIndex_ = F;
    // The measured and the back-transformed forms change by what the damping changes, so that the
    // back-transforms' share in them stays.
    for (size_t k = 0; k < gedaempft.size(); ++k) {
        const double aenderung = double(gedaempft[k]) - y_[k];
        y2_[k] = static_cast<float>(y2_[k] + aenderung);
        yRTR_[k] = static_cast<float>(yRTR_[k] + aenderung);
    }
    y_ = std::move(gedaempft);
    Gedaempft_Nachrechnen();
    Daempfung_Protokollieren(b, true);
    return true;
}

void clsIK::Gedaempft_Nachrechnen()
{
    MittelRegel mittel;
    for (int32_t i = 2; i <= n_; ++i) mittel.Add(y_[static_cast<size_t>(i - 1)]);
    Parabel_Berechnen();
    // The damped kinds are averaged over the transformed range, which ends at the cut-off.
    mittelwert_ = static_cast<float>(mittel.Summe() / (daempfung_ == DA_Keine ? n_ : ftrIndex_));
}

std::vector<float> clsIK::Wie_Gedaempft(std::vector<float> y) const
{
    std::vector<float> gedaempft = y;
    double b = 0.0;
    // A kind that cannot damp this curve leaves it as it is.
    Daempfe(daempfung_, y, ftrIndex_, gOptions->Delta_k(), gedaempft, b);
    return gedaempft;
}

int32_t clsIK::MausAktion() const
{
    switch (mausTaste_) {
    case 2: return 1;
    case 1: return 2;
    default: return 0;
    }
}

void clsIK::Parabel_Berechnen()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Parabel_Berechnen");
    try {
        tiefKModell_ = gOptions->LM_IK(MausAktion());
        abweichung_ = 0.0f;
        // Every model needs the index and a point above it.
        if (n_ < 3) {
            parabelIndex_ = 0;
            parabel_.clear();
            return;
        }
        parabelIndex_ = std::clamp(parabelIndex_, 2, n_ - 1);
        const int32_t P = parabelIndex_;
        std::vector<float> yw(static_cast<size_t>(P + 1));
        for (int32_t i = 1; i <= P + 1; ++i) yw[static_cast<size_t>(i - 1)] = Gewichtet(i);
        const float vorne = parabelVorn_ && P >= kVorderePunkte ? Wert(yRTR_, kVorderePunkte) : 0.0f;
        if (Extrapolation(yw, vorne, parabel_)) abweichung_ = Abweichung();
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "Parabel_Berechnen", error);
    }
}

bool clsIK::Extrapolation(const std::vector<float>& yw, float vorne, std::vector<float>& E) const
{
    const int32_t P = parabelIndex_;
    if (!TiefK_Modell(tiefKModell_, yw, P, gOptions->Delta_k(), E)) return false;
    if (!parabelVorn_) return true;
    if (P < kVorderePunkte) {
        E.assign(yw.begin(), yw.begin() + P);
        return false;
    }
    const double k20 = x(kVorderePunkte);
    const double a = -vorne / (k20 * k20);
    for (int32_t i = 1; i <= kVorderePunkte; ++i)
        E[static_cast<size_t>(i - 1)] = static_cast<float>(a * (x(i) - k20) * (x(i) - k20) + vorne);
    return true;
}

float clsIK::Abweichung() const
{
    // The mean agreement of the extrapolation with I(K) by magnitude: 1 where they meet, 0 where
    // they differ by as much as the larger of the two, which they do on either side of 0. K = 0 is
    // left out: the measurement has no value there, and a back-transform puts a mere 0 there.
    double summe = 0.0;
    for (int32_t i = 2; i <= parabelIndex_; ++i) {
        const double e = parabel_[static_cast<size_t>(i - 1)];
        const double yw = Gewichtet(i);
        const double groesser = std::max(std::fabs(e), std::fabs(yw));
        summe += groesser == 0.0 ? 1.0 : 1.0 - std::min(1.0, std::fabs(e - yw) / groesser);
    }
    return static_cast<float>(summe / (parabelIndex_ - 1));
}

bool clsIK::Berechnen(float rho)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Berechnen");
    gGespeichert = false;
    try {
        // Everything is computed aside, so that a refusal keeps the previous I(K).
        const int32_t n = gCalc->Punkte() - kZusatzpunkte;
        if (n < 2) return Ablehnen({433});
        // The alloy model gives 0 for a density it does not know; the user is told where to set it.
        if (!clsMFE::Dichte_Gueltig(rho)) return Ablehnen({436, 540});
        if (!gUntergrund->Fit_OK() || gUntergrund->Anzahl_Fit() < n) return Ablehnen({434});
        std::vector<float> f2m(static_cast<size_t>(n));
        std::vector<float> fm2(static_cast<size_t>(n));
        for (int32_t i = 1; i <= n; ++i) {
            f2m[size_t(i - 1)] = gFMK->f2m_Y(i);
            fm2[size_t(i - 1)] = gFMK->fm2_Y(i);
            if (!(fm2[size_t(i - 1)] > 0.0f) || !std::isfinite(f2m[size_t(i - 1)]) || !std::isfinite(fm2[size_t(i - 1)]))
                return Ablehnen({435});
        }

        // D = J - U, and A its integral of K²·D (trapezoid rule).
        std::vector<float> d(static_cast<size_t>(n));
        for (int32_t i = 1; i <= n; ++i) d[size_t(i - 1)] = gCalc->Y(i) - gUntergrund->Y(i);
        const float dK = gOptions->Delta_k();
        const float A = static_cast<float>(Integral_K2(n, dK, [&d](int32_t i) { return d[size_t(i - 1)]; }));
        const Normierungsintegrale integrale = Normierung(d, f2m, fm2, dK, rho);
        const auto F = static_cast<float>(integrale.formfaktoren);
        const auto messung = static_cast<float>(integrale.messung);
        if (F == 0.0f || !std::isfinite(F)) return Ablehnen({254, 255});
        if (A == 0.0f || messung == 0.0f || !std::isfinite(messung)) return Ablehnen({256, 257});
        const float beta = F / messung;

        std::vector<float> y(static_cast<size_t>(n));
        MittelRegel mittel;
        for (int32_t i = 1; i <= n; ++i) {
            const double wert = (double(beta) * d[size_t(i - 1)] - f2m[size_t(i - 1)]) / fm2[size_t(i - 1)];
            if (!std::isfinite(static_cast<float>(wert))) rt::Raise(rt::errOverflow);
            y[size_t(i - 1)] = static_cast<float>(wert);
            mittel.Add(y[size_t(i - 1)]);
        }

        Protokoll("beta = 1/N? = " + rt::SingleText(1.0f / beta));
        n_ = n;
        Ungedaempft_Setzen(std::move(y));
        integrationK2Y_ = A;
        userScale_ = false;
        maximum_ = *std::max_element(y_.begin(), y_.end());
        // The value of I(K) where S(K) = 0 at the first point, a little lower.
        minimum_ = static_cast<float>(-double(gFMK->f2m_Y(1)) / gFMK->fm2_Y(1) - 0.2);
        parabelIndex_ = 0;
        w_ = 0.0f;
        ftrIndex_ = std::max(n - 1, 2);
        ftrStartIndex_ = 1;
        mittelwert_ = static_cast<float>(mittel.Summe() / n);
        gInput->SpeichereKurve(KT_IK_Auto, kQuelleIK, y_);
        gGR->setAnzahl_FFT(0);
        return true;
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "Berechnen", error);
        return false;
    }
}

void clsIK::Speichern() const
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Speichern");
    if (n_ < 1) return;
    gInput->SpeichereKurve(KT_IK, kQuelleIK, yRTR_);
    if (!gOptions->KurveSpeichern(KT_KIK)) return;
    std::vector<float> kik(yRTR_.size());
    for (int32_t i = 1; i <= n_; ++i) kik[size_t(i - 1)] = x(i) * yRTR_[size_t(i - 1)];
    gInput->SpeichereKurve(KT_KIK, kQuelleIK, kik);
}
