#include "analysis/clsMath.h"

#include "analysis/Daempfung.h"
#include "analysis/GR_Suche.h"
#include "analysis/Peakauswahl.h"
#include "analysis/clsGR.h"
#include "analysis/clsGauss.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsSpline.h"

#include <algorithm>

namespace {

constexpr const char* kModul = "clsMath";
// The baseline passes practically through its support points; the smoothing weighs every point alike.
constexpr float kBaselineFehler = 1E-06f;
constexpr float kBaselineSchranke = 0.0001f;
constexpr float kGlaettenFehler = 0.0001f;
// Without a cut-off's ripple to tell its period, the noise of single points fades over this many.
constexpr float kFensterPunkte = 5.0f;

}

float clsMath::Wert(const std::vector<float>& values, int32_t Index)
{
    return Index >= 1 && static_cast<size_t>(Index) <= values.size() ? values[static_cast<size_t>(Index - 1)] : 0.0f;
}

float clsMath::Teilen(double a, double b) { return b == 0.0 ? 0.0f : static_cast<float>(a / b); }

float clsMath::Y_Ableitung_1(int32_t Index) const { return Wert(ableitung1_, Index); }

float clsMath::Y_Ableitung_2(int32_t Index) const { return Wert(ableitung2_, Index); }

float clsMath::Y_ohne_Baseline(int32_t Index) const
{
    if (Index < 1 || static_cast<size_t>(Index) > baseline_.size()) return 0.0f;
    return Wert(y_, Index) - Wert(baseline_, Index);
}

float clsMath::Y_Gemittelt(int32_t Index) const
{
    if (gemittelt_.size() != static_cast<size_t>(punkte_)) return Y_ohne_Baseline(Index);
    return Wert(gemittelt_, Index);
}

double clsMath::Prominenz(int32_t Index) const
{
    if (Index < 1 || Index > punkte_) return 0.0;
    if (gemittelt_.size() != static_cast<size_t>(punkte_)) return 0.0;
    return ::Prominenz(gemittelt_, Gipfel_Von(gemittelt_, Index));
}

int32_t clsMath::Gipfel(int32_t Index) const
{
    if (Index < 1 || Index > punkte_ || gemittelt_.size() != static_cast<size_t>(punkte_)) return Index;
    return Gipfel_Von(gemittelt_, Index);
}

float clsMath::Baseline(int32_t Index) const { return Wert(baseline_, Index); }

float clsMath::x(int32_t Index) const { return static_cast<float>((Index - 1) * double(deltaX_)); }

float clsMath::Y(int32_t Index) const { return Wert(y_, Index); }

float clsMath::Y_G(int32_t Index) const { return Wert(yG_, Index); }

void clsMath::setPunkte(int32_t value)
{
    punkte_ = std::max(value, 0);
    y_.resize(static_cast<size_t>(punkte_), 0.0f);
}

bool clsMath::CopyArrayFromCurve(int32_t Kurve, bool Ungedaempft)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "CopyArrayFromCurve");
    return Guarded(kModul, "CopyArrayFromCurve", [&] {
        std::vector<float> werte;
        int32_t dichteEnde = 0;
        float abbruchperiode = 0.0f;
        float fenster = kFensterPunkte;
        float randOben = 0.0f;
        switch (Kurve) {
        case KT_IK:
        case KT_IK_Wichtung: {
            const clsIK& ik = rt::Object(gIK);
            werte.resize(static_cast<size_t>(ik.Punkte()));
            if (Ungedaempft) ik.CopyArray_Ungedaempft(werte);
            else ik.CopyArray(werte);
            deltaX_ = gOptions->Delta_k();
            minimumY_ = -0.1f;
            randOben = 0.5f;
            maximumY_ = ik.Maximum() + randOben;
            break;
        }
        case KT_GR: {
            const clsGR& gr = rt::Object(gGR);
            werte.resize(static_cast<size_t>(gr.Punkte()));
            gr.CopyArray(werte);
            deltaX_ = gOptions->Delta_r();
            minimumY_ = -10.0f;
            randOben = 10.0f;
            maximumY_ = gr.Maximum() + randOben;
            dichteEnde = gr.Dichte_Exp_Index();
            // Transformed from the I(K) in force: its noise and, undamped, the cut-off's ripple lie
            // at periods down to the ripple's.
            if (gr.Anzahl_FFT() >= 1 && deltaX_ > 0.0f && gr.Abbruchoszillationen() / deltaX_ >= 2.0f) {
                fenster = gr.Abbruchoszillationen() / deltaX_;
                if (rt::Object(gIK).Daempfung() == DA_Keine) abbruchperiode = fenster;
            }
            break;
        }
        case KT_UG: {
            const clsUntergrund& untergrund = rt::Object(gUntergrund);
            werte.resize(static_cast<size_t>(untergrund.Anzahl_Fit()));
            untergrund.CopyArray(werte);
            deltaX_ = gOptions->Delta_k();
            break;
        }
        default: return false;
        }
        y_ = std::move(werte);
        punkte_ = static_cast<int32_t>(y_.size());
        kurve_ = Kurve;
        dichteEnde_ = dichteEnde;
        abbruchperiode_ = abbruchperiode;
        fenster_ = fenster;
        punktweise_ = fenster == kFensterPunkte;
        randOben_ = randOben;
        // What was derived from the previous curve no longer belongs to this one.
        ableitung1_.clear();
        ableitung2_.clear();
        baseline_.clear();
        yG_.clear();
        gemittelt_.clear();
        return true;
    });
}

bool clsMath::Ableitungen_Berechnen(bool ohneBaseline, bool geglaettet)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Ableitungen_Berechnen");
    ableitung1_.assign(static_cast<size_t>(punkte_), 0.0f);
    ableitung2_.assign(static_cast<size_t>(punkte_), 0.0f);
    const auto wert = [&](int32_t i) {
        if (ohneBaseline) return Y_ohne_Baseline(i);
        return geglaettet ? Y_G(i) : Y(i);
    };
    for (int32_t i = 2; i <= punkte_ - 1; ++i)
        ableitung1_[static_cast<size_t>(i - 1)] = Teilen(double(wert(i)) - wert(i + 1), deltaX_);
    for (int32_t i = 2; i <= punkte_ - 1; ++i)
        ableitung2_[static_cast<size_t>(i - 1)] = Teilen(double(Y_Ableitung_1(i)) - Y_Ableitung_1(i + 1), deltaX_);
    return true;
}

void clsMath::Baseline_Berechnen()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Baseline_Berechnen");
    try {
        clsSpline spline;
        baseline_.assign(static_cast<size_t>(punkte_), 0.0f);
        gemittelt_.clear();
        if (punkte_ < 1) return;
        // Past the density line the troughs of the cut-off's ripple are no low points of the
        // curve: a baseline through them bends up under the shells between them. On the line they
        // keep the baseline on it.
        const bool mitAbbruch = Mit_Abbruchperiode();
        const std::vector<float> gemittelt = mitAbbruch ? Gemittelt(y_, abbruchperiode_) : y_;
        const auto T = [&](int32_t i) { return i > dichteEnde_ ? gemittelt[static_cast<size_t>(i - 1)] : Y(i); };
        std::vector<std::pair<int32_t, float>> stuetzen{{1, Y(1)}};
        spline.AddPoint(x(1), Y(1), kBaselineFehler);
        bool fallend = true;
        for (int32_t i = 2; i <= punkte_; ++i) {
            if (T(i) > T(i - 1) && fallend && T(i) < 0.0f) {
                spline.AddPoint(x(i), T(i), kBaselineFehler);
                stuetzen.emplace_back(i, T(i));
                fallend = false;
            }
            if (T(i) < T(i - 1) && !fallend) fallend = true;
        }
        // Too few low points for a fit leave the baseline at 0.
        if (spline.Stuetzstellen() >= clsSpline::MinPoints && spline.Fitten(deltaX_, kBaselineSchranke, punkte_)) {
            spline.CopyArray(baseline_);
            // Between two low points far apart (the flat stretch before the main peak of I(K)) the
            // spline swings far beyond them and lifts the peaks on a hump of its own: the baseline
            // stays within the heights of the low points on either side (past the last, its own).
            for (size_t k = 0; k < stuetzen.size(); ++k) {
                const bool letzte = k + 1 == stuetzen.size();
                const auto [von, a] = stuetzen[k];
                const auto [bis, b] = letzte ? std::pair{punkte_, a} : stuetzen[k + 1];
                for (int32_t i = von; i <= bis; ++i) {
                    float& wert = baseline_[static_cast<size_t>(i - 1)];
                    wert = std::clamp(wert, std::min(a, b), std::max(a, b));
                }
            }
        }
        const std::vector<float> ohneBaseline = Ohne_Baseline();
        // The view draws the curve less its baseline, whose first shell of G(r) stands higher than
        // the curve over its density line: the display range covers it.
        for (const float wert : ohneBaseline) maximumY_ = std::max(maximumY_, wert + randOben_);
        gemittelt_ = Gemittelt(ohneBaseline, fenster_);
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "Baseline_Berechnen", error);
    }
}

void clsMath::Glaetten(float Chi)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack("cMath", "Glaetten");
    try {
        clsSpline spline;
        yG_.assign(static_cast<size_t>(punkte_), 0.0f);
        for (int32_t i = 1; i <= punkte_; ++i) spline.AddPoint(x(i), Y(i), kGlaettenFehler);
        if (spline.Stuetzstellen() < clsSpline::MinPoints) return;
        if (spline.Fitten(deltaX_, Chi, punkte_)) spline.CopyArray(yG_);
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "Glaetten", error);
    }
}

bool clsMath::CopyArray_Smooth(std::span<float> ToArray) const
{
    if (ToArray.size() < static_cast<size_t>(punkte_) || yG_.size() < static_cast<size_t>(punkte_)) {
        gError->ErrorMsg("cMath", "CopyArray_Smooth", false, rt::errSubscript, rt::ErrorDescription(rt::errSubscript));
        return false;
    }
    std::copy_n(yG_.begin(), punkte_, ToArray.begin());
    return true;
}

void clsMath::Search_Peaks(int32_t Breite, float Hoehe, bool ExtSearch)
{
    Guarded(kModul, "Search_Peaks", [&] { Search_Peaks_Ungeschuetzt(Breite, Hoehe, ExtSearch); });
}

void clsMath::Search_Peaks_Ungeschuetzt(int32_t Breite, float Hoehe, bool ExtSearch)
{
    zelo::Ui().DoEvents();
    clsGauss& peaks = rt::Object(gGauss);
    peaks.Clear();
    peaks.sety0(0.0f);
    const std::vector<int32_t> maxima = Herausragende_Maxima_Suchen();
    if (!ExtSearch) {
        for (const int32_t i : maxima) peaks.Hinzufuegen(x(i), 0.0f, Y_ohne_Baseline(i), 0, 0.0f);
        return;
    }
    // The sliders choose among the points on the tops that stand out of the noise.
    std::vector<int32_t> gipfel;
    for (const int32_t i : maxima) gipfel.push_back(Gipfel_Von(gemittelt_, i));
    const auto herausragend = [&](int32_t i) {
        return std::find(gipfel.begin(), gipfel.end(), Gipfel_Von(gemittelt_, i)) != gipfel.end();
    };
    const Schalenbeginn schalen = Schalenbeginn_Der_Kopie();
    bool steigend = false;
    // The comparison point Breite further on must lie on the curve.
    for (int32_t i = 2; i <= punkte_ - Breite; ++i) {
        const float d2 = Y_Ableitung_2(i);
        if (d2 > Y_Ableitung_2(i - 1) && !steigend) {
            if (Teilen(Y_Ableitung_2(i + Breite), d2) < Hoehe && !schalen.Darunter(y_, i) && herausragend(i))
                peaks.Hinzufuegen(x(i), 0.0f, 0.0f, 0, 0.0f);
            steigend = true;
        }
        if (d2 < Y_Ableitung_2(i - 1) && steigend) steigend = false;
    }
}

Schalenbeginn clsMath::Schalenbeginn_Der_Kopie() const
{
    return Schalenbeginn_Suchen(y_, kurve_ == KT_GR ? dichteEnde_ : 0);
}

std::vector<float> clsMath::Ohne_Baseline() const
{
    std::vector<float> werte(static_cast<size_t>(punkte_));
    for (int32_t i = 1; i <= punkte_; ++i) werte[static_cast<size_t>(i - 1)] = Y_ohne_Baseline(i);
    return werte;
}

std::vector<int32_t> clsMath::Herausragende_Maxima_Suchen()
{
    const std::vector<float> ohneBaseline = Ohne_Baseline();
    if (gemittelt_.size() != ohneBaseline.size()) gemittelt_ = Gemittelt(ohneBaseline, fenster_);
    // The ripples of G(r) below its first shell are no peaks, nor the bumps of I(K) below zero
    // before its first peak, where the side fits smoothed the measurement.
    const Schalenbeginn schalen = Schalenbeginn_Der_Kopie();
    std::vector<int32_t> maxima;
    bool steigend = false;
    for (int32_t i = 2; i <= punkte_; ++i) {
        const float b = ohneBaseline[static_cast<size_t>(i - 1)];
        const float davor = ohneBaseline[static_cast<size_t>(i - 2)];
        if (b < davor && steigend) {
            if (!schalen.Darunter(y_, i - 1)) maxima.push_back(i - 1);
            steigend = false;
        }
        if (!steigend && b > davor) steigend = true;
    }
    // Which maxima stand out is told on the curve as drawn: a baseline through few low points
    // bends under a flat stretch and raises bumps there that the curve does not have.
    return Herausragende_Maxima(y_, Gemittelt(y_, fenster_), maxima, fenster_);
}

bool clsMath::Mit_Abbruchperiode() const
{
    // Two points at least in a period, and some periods in the curve, for the average to tell anything.
    return kurve_ == KT_GR && abbruchperiode_ >= 2.0f && punkte_ >= 8.0f * abbruchperiode_;
}

void clsMath::Peaks_Schaetzen(int32_t Breite, float Hoehe, bool ExtSearch)
{
    Guarded(kModul, "Peaks_Schaetzen", [&] {
        if (baseline_.size() != static_cast<size_t>(punkte_)) Baseline_Berechnen();
        Search_Peaks_Ungeschuetzt(Breite, Hoehe, ExtSearch);
        rt::Object(gGauss).Berechnen();
    });
}
