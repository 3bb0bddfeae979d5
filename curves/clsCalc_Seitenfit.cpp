// The side fits of the averaged curve: a smoothing spline left and right of the separation point on
// the Delta_k grid, their quality figures, the blend over the overlap, the automatic choice of chi,
// the taking-over of the joined fit, and the marking of turning points.
#include "curves/clsCalc.h"

#include "core/KurvenTyp.h"
#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/ChiSuche.h"
#include "curves/clsInput.h"
#include "curves/clsSpline.h"

#include <algorithm>
#include <cmath>

namespace {

// What a pending side reports as its chi: the panel's start values.
constexpr float Chi_Links_Ausstehend = 1000.0f;
constexpr float Chi_Rechts_Ausstehend = 100.0f;

std::string Text(int32_t nummer) { return gLanguage->Caption(nummer); }

float Wert(const std::vector<float>& werte, int32_t Index)
{
    if (Index < 1 || Index > static_cast<int32_t>(werte.size())) return 0.0f;
    return werte[static_cast<size_t>(Index - 1)];
}

float Delta_k() { return rt::Object(gOptions).Delta_k(); }

int32_t Ueberlapp() { return rt::Object(gOptions).Fit_Ueberlapp(); }

// What a curve value enters the left fit with: the fit takes no values at or below zero.
float Fitwert_Links(float y) { return y <= 0.0f ? 1.0f : y; }
// ... and the right fit: zero becomes 0.1; the fit takes the magnitude of a negative value.
float Fitwert_Rechts(float y) { return y == 0.0f ? 0.1f : y; }

// The weight of a point falls with its value: counting statistics.
float Standardabweichung(float y) { return static_cast<float>(100.0 / std::sqrt(double(y))); }

std::vector<float> Nullen(int32_t anzahl)
{
    if (anzahl < 0) rt::Raise(rt::errSubscript);
    return std::vector<float>(static_cast<size_t>(anzahl), 0.0f);
}

struct Guete {
    float glattheit;
    float abweichung;
};

}

void clsCalc::setTrennstelle(int32_t value)
{
    Guarded("clsCalc", "Trennstelle (Let)", [&] {
        trennstelle_ = value;
        fitLinksVorhanden_ = false;
        fitRechtsVorhanden_ = false;
        const double dk = Delta_k();
        const int32_t ueberlapp = Ueberlapp();
        // The overlap of curve points expressed in fit points.
        rt::Object(gOptions).setFit_Ueberlapp_k(rt::CLng(rt::Divide(double(schrittweite_) * ueberlapp, dk)));
        datenLinks_ = rt::CLng(double(value) + ueberlapp);
        datenRechts_ = rt::CLng(double(punkte_) - value + ueberlapp);
        yFitL_ = Nullen(rt::CLng(rt::Divide(x(datenLinks_), dk)));
        yFitR_ = Nullen(rt::CLng(rt::Divide(double(maximumX_) - x(datenLinks_), dk)));
        fitLinksAusstehend_ = true;
        fitRechtsAusstehend_ = true;
        trennstelleOK_ = true;
    });
}

float clsCalc::Chi_Links() const { return fitLinksAusstehend_ ? Chi_Links_Ausstehend : chiLinks_; }

void clsCalc::setChi_Links(float value) { Fit_Links(value); }

float clsCalc::Chi_Rechts() const { return fitRechtsAusstehend_ ? Chi_Rechts_Ausstehend : chiRechts_; }

void clsCalc::setChi_Rechts(float value) { Fit_Rechts(value); }

namespace {

// Smoothness: how far each fit point lies from the mean of its neighbours; deviation: how far the
// fit lies from the curve point at its position, as the ratio of the smaller to the larger value.
// The fit's point i lies at x0 + (i - 1) Delta_k; fitwert gives the value a curve point entered
// the fit with.
template <class Fitwert>
Guete Guete_Berechnen(const clsCalc& kurve, const std::vector<float>& fit, float x0, Fitwert fitwert)
{
    const auto anzahl = static_cast<int32_t>(fit.size());
    const double dk = Delta_k();
    double glatt = 0.0;
    double nah = 0.0;
    for (int32_t i = 2; i <= anzahl - 1; ++i) {
        const double f = Wert(fit, i);
        const double mitte = (double(Wert(fit, i - 1)) + Wert(fit, i + 1)) / 2.0;
        glatt += std::fabs(rt::Divide(f, mitte));
        int32_t j = kurve.Index(static_cast<float>(x0 + i * dk)) - 1;
        if (j == 0) j = 1;
        const double y = fitwert(kurve.Y(j));
        nah += std::fabs(y <= f ? rt::Divide(y, f) : rt::Divide(f, y));
    }
    const double innere = anzahl - 2;
    return {static_cast<float>(1.0 - (1.0 - rt::Divide(glatt, innere)) * 100.0),
            static_cast<float>(1.0 - rt::Divide(nah, innere))};
}

}

bool clsCalc::Fit_Links(float chi)
{
    chiLinks_ = chi;
    fitLinksAusstehend_ = false;
    bool gelungen = false;
    Guarded("clsCalc", "Chi_Links (Let)", [&] {
        gSpline = std::make_unique<clsSpline>();
        for (int32_t i = 1; i <= datenLinks_; ++i) {
            const float y = Fitwert_Links(Y(i));
            gSpline->AddPoint(x(i), y, Standardabweichung(y));
        }
        if (!gSpline->Fitten(Delta_k(), chi, Fit_Punkte_Links())) return;
        std::vector<float> fit(yFitL_.size());
        gSpline->CopyArray(fit);
        const Guete guete = Guete_Berechnen(*this, fit, 0.0f, Fitwert_Links);
        yFitL_ = std::move(fit);
        glattheitLinks_ = guete.glattheit;
        abweichungLinks_ = guete.abweichung;
        fitLinksVorhanden_ = true;
        gelungen = true;
        Berechne_Fit_Ueberlapp();
    });
    return gelungen;
}

bool clsCalc::Fit_Rechts(float chi)
{
    chiRechts_ = chi;
    fitRechtsAusstehend_ = false;
    bool gelungen = false;
    Guarded("clsCalc", "Chi_Rechts (Let)", [&] {
        const double dk = Delta_k();
        const int32_t ueberlapp = Ueberlapp();
        // The curve's end has moved since the separation point was set.
        const int32_t anzahl = rt::CLng(rt::Divide(double(maximumX_) - x(datenLinks_), dk));
        if (anzahl != Fit_Punkte_Rechts()) {
            datenRechts_ = rt::CLng(double(punkte_) - trennstelle_ + ueberlapp);
            yFitR_ = Nullen(anzahl);
            fitRechtsVorhanden_ = false;
            Protokoll(rt::TimeText() + ": " + Text(221));
        }
        clsSpline& spline = rt::Object(gSpline);
        spline.Clear();
        const int32_t erster = trennstelle_ - ueberlapp;
        for (int32_t i = 0; i <= datenRechts_; ++i) {
            const float y = std::fabs(Fitwert_Rechts(Y(erster + i)));
            spline.AddPoint(x(erster + i), y, Standardabweichung(y));
        }
        if (!spline.Fitten(static_cast<float>(dk), chi, Fit_Punkte_Rechts())) return;
        std::vector<float> fit(yFitR_.size());
        spline.CopyArray(fit);
        const Guete guete = Guete_Berechnen(*this, fit, x(erster), Fitwert_Rechts);
        yFitR_ = std::move(fit);
        glattheitRechts_ = guete.glattheit;
        abweichungRechts_ = guete.abweichung;
        fitRechtsVorhanden_ = true;
        gelungen = true;
        Berechne_Fit_Ueberlapp();
    });
    return gelungen;
}

// The last 2 ov left fit points and the first 2 ov right fit points lie at the same K; the blend
// moves linearly from the left fit to the right one, reaching it at the last point.
void clsCalc::Berechne_Fit_Ueberlapp()
{
    Guarded("clsCalc", "Berechne_Fit_Ueberlapp", [this] {
        const int32_t breite = 2 * rt::Object(gOptions).Fit_Ueberlapp_k();
        yu_ = Nullen(breite);
        if (!fitLinksVorhanden_ || !fitRechtsVorhanden_) return;
        for (int32_t i = 1; i <= breite; ++i) {
            const double w = double(i) / breite;
            yu_[static_cast<size_t>(i - 1)] =
                static_cast<float>((1.0 - w) * Y_Fit_L(Fit_Punkte_Links() - breite + i) + w * Y_Fit_R(i));
        }
    });
}

void clsCalc::Best_Fit_L()
{
    std::vector<float> werte;
    for (int32_t i = 1; i <= datenLinks_; ++i) werte.push_back(Fitwert_Links(Y(i)));
    Chi_Suchen(
        Chi_Links(),
        [this](float chi) {
            const bool gelungen = Fit_Links(chi);
            return SeitenfitErgebnis{gelungen, glattheitLinks_, abweichungLinks_};
        },
        Chi_Rauschen(werte));
}

void clsCalc::Best_Fit_R()
{
    std::vector<float> werte;
    for (int32_t i = 0; i <= datenRechts_; ++i) werte.push_back(std::fabs(Fitwert_Rechts(Y(trennstelle_ - Ueberlapp() + i))));
    Chi_Suchen(
        Chi_Rechts(),
        [this](float chi) {
            const bool gelungen = Fit_Rechts(chi);
            return SeitenfitErgebnis{gelungen, glattheitRechts_, abweichungRechts_};
        },
        Chi_Rauschen(werte));
}

float clsCalc::X_Fit(int32_t i) const { return static_cast<float>((i - 1.0) * Delta_k()); }

float clsCalc::Y_Fit_L(int32_t Index) const { return Wert(yFitL_, Index); }

float clsCalc::Y_Fit_R(int32_t Index) const { return Wert(yFitR_, Index); }

bool clsCalc::FitUebernehmen()
{
    if (!fitLinksVorhanden_ || !fitRechtsVorhanden_) return false;
    return Guarded("clsCalc", "Fit_Uebernehmen", [this] {
        Protokoll(rt::TimeText() + ": " + Text(403));
        Protokoll(Text(404) + ": " + rt::SingleText(x(trennstelle_)) + " 1/nm");
        Protokoll("Chi " + Text(405) + ": " + rt::SingleText(chiLinks_));
        Protokoll("Chi " + Text(406) + ": " + rt::SingleText(chiRechts_));

        const int32_t ueberlapp = rt::Object(gOptions).Fit_Ueberlapp_k();
        const int32_t links = Fit_Punkte_Links() - ueberlapp;
        const int32_t rechts = Fit_Punkte_Rechts() - ueberlapp;
        if (links < 0 || rechts < 0 || links + rechts < 1) rt::Raise(rt::errSubscript);
        std::vector<float> werte(static_cast<size_t>(links + rechts));
        for (int32_t i = 1; i <= links; ++i) werte[static_cast<size_t>(i - 1)] = Y_Fit_L(i);
        for (int32_t j = 1; j <= rechts; ++j) werte[static_cast<size_t>(links + j - 1)] = Y_Fit_R(ueberlapp + j);
        // The blend replaces the ov points on either side of the joint.
        for (int32_t i = 1; i <= 2 * ueberlapp; ++i) {
            const int32_t ziel = links - ueberlapp + i;
            if (ziel >= 1 && ziel <= links + rechts) werte[static_cast<size_t>(ziel - 1)] = YU(i);
        }

        schrittweite_ = Delta_k();
        y_ = std::move(werte);
        punkte_ = static_cast<int32_t>(y_.size());
        const bool geschrieben = rt::Object(gInput).SpeichereKurve(KT_Fit, clsInput::kQuelleIK, y_);
        const clsCommon& common = rt::Object(gCommon);
        Protokoll(Text(219) + ": " + std::to_string(punkte_));
        if (geschrieben)
            Protokoll(rt::TimeText() + ": " + Text(220) + " " + common.Ordner() + common.Dateiname() +
                      clsInput::ExtensionVonKurvenTyp(KT_Fit));
        minimumX_ = 0.0f;
        maximumX_ = x(punkte_);
        // The top of the scale follows the fitted curve, not the spectrum it replaced.
        maximumY_ = *std::max_element(y_.begin(), y_.end());
        trennstelleOK_ = false;
        // The fits belong to the curve they replaced.
        fitLinksVorhanden_ = false;
        fitRechtsVorhanden_ = false;
        return true;
    });
}

void clsCalc::Minima_Markieren()
{
    peakX_.clear();
    peakY_.clear();
    Guarded("clsCalc", "Minima_Markieren", [this] {
        if (punkte_ < 2) return;
        std::vector<double> steigung(static_cast<size_t>(punkte_) + 1, 0.0);
        for (int32_t i = 1; i <= punkte_ - 1; ++i)
            steigung[static_cast<size_t>(i)] = rt::Divide(double(Y(i + 1)) - Y(i), double(x(i + 1)) - x(i));
        bool steigend = steigung[1] >= 0.0;
        for (int32_t i = 2; i <= punkte_; ++i) {
            const double s = steigung[static_cast<size_t>(i)];
            // A minimum where the curve turns upwards, a maximum where it turns downwards.
            if ((s > 0.0 && !steigend) || (s < 0.0 && steigend)) {
                peakX_.push_back(x(i));
                peakY_.push_back(Y(i));
                steigend = s > 0.0;
            }
        }
    });
}

float clsCalc::Peak_X(int32_t Index) const { return Wert(peakX_, Index); }

float clsCalc::Peak_Y(int32_t Index) const { return Wert(peakY_, Index); }
