#include "curves/clsCalc.h"

#include "core/Guarded.h"
#include "core/Prozent.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "curves/clsSSC.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace {

// The text of a fraction as per cent with two decimals; "n/a" where it means nothing.
std::string Prozent(float anteil)
{
    const double prozent = static_cast<double>(anteil) * 100.0;
    if (!Prozent_Sinnvoll(prozent)) return "n/a";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f %%", prozent);
    return text;
}

}

std::string clsCalc::Fit_Guete() const
{
    return "L: " + Prozent(glattheitLinks_) + " / " + Prozent(abweichungLinks_) + "\r\nR: " + Prozent(glattheitRechts_) +
           " / " + Prozent(abweichungRechts_);
}

float clsCalc::Glattheit() const
{
    return Guarded("clsCalc", "Glattheit", [this] {
        float summe = 0.0f;
        for (int32_t i = 2; i <= punkte_ - 1; ++i) {
            const auto steigung = static_cast<float>(rt::Divide(Y(i + 1) - Y(i - 1), 2.0 * schrittweite_));
            const auto achse = static_cast<float>(Y(i - 1) - static_cast<double>(x(i - 1)) * steigung);
            const auto gerade = static_cast<float>(static_cast<double>(x(i)) * steigung + achse);
            summe = static_cast<float>(summe + rt::Divide(Y(i) - gerade, Y(i)));
        }
        return static_cast<float>((summe + 1.0) * 100.0);
    });
}

bool clsCalc::IstPunkt(float X, float Toleranz)
{
    if (schrittweite_ == 0.0f) return false;
    const float p = (X - minimumX_) / schrittweite_ + 1.0f;
    // A position far off the grid (or not a number) hits nothing.
    if (!(std::fabs(p) < 2.0e9f)) return false;
    if (std::fabs(p - std::floor(p)) >= Toleranz) return false;
    aktuellerIndex_ = rt::CLng(p);
    return true;
}

float clsCalc::x(int32_t i) const
{
    return static_cast<float>((static_cast<double>(i) - 1.0) * schrittweite_ + minimumX_);
}

double clsCalc::Halbe_Mitte() const { return x(Mittlerer_Punkt(punkte_)); }

float clsCalc::X_Shifted(int32_t i, bool Links) const
{
    const double verschiebung = Links ? faltungVerschiebung_ : -faltungVerschiebung_;
    return static_cast<float>(x(i) + verschiebung - Halbe_Mitte());
}

int32_t clsCalc::X_Unshifted(float X, bool Links) const
{
    const double verschiebung = Links ? -faltungVerschiebung_ : faltungVerschiebung_;
    const double wert = Halbe_Mitte() + X + verschiebung;
    return rt::CLng(rt::Divide(wert - minimumX_, schrittweite_) + 1.0);
}

int32_t clsCalc::Index(float XX) const
{
    try {
        // In single precision, as callers pass single x: a point half-way on a 0.1 grid stays half-way.
        const auto schritte = static_cast<float>(rt::Divide(XX - minimumX_, schrittweite_));
        return rt::CLng(schritte + 1.0f);
    } catch (const rt::RuntimeError& e) {
        gError->Report("clsCalc", "Index (Get)", e);
        return 0;
    }
}

float clsCalc::Y(int32_t Index) const
{
    if (Index < 1 || Index > static_cast<int32_t>(y_.size())) return 0.0f;
    return y_[static_cast<size_t>(Index - 1)];
}

void clsCalc::setY(int32_t Index, float value)
{
    if (Index < 1 || Index > static_cast<int32_t>(y_.size())) return;
    y_[static_cast<size_t>(Index - 1)] = value;
}

void clsCalc::Punkte_Plus(float X, float Wert)
{
    ++punkte_;
    y_.resize(static_cast<size_t>(punkte_), 0.0f);
    y_.back() = Wert;
    if (punkte_ == 1) {
        minimumX_ = X;
        tiefsterWert_ = Wert;
        maximumY_ = Wert;
    } else if (punkte_ == 2) {
        schrittweite_ = std::fabs(X - minimumX_);
    } else {
        if (Wert < tiefsterWert_) tiefsterWert_ = Wert;
        if (Wert > maximumY_) maximumY_ = Wert;
    }
}

void clsCalc::Punkte_Loeschen()
{
    y_.clear();
    yl_.clear();
    yr_.clear();
    punkte_ = 0;
}

void clsCalc::Extremwerte_suchen()
{
    tiefsterWert_ = Y(1);
    maximumY_ = Y(1);
    for (int32_t i = 2; i <= punkte_; ++i) {
        if (Y(i) < tiefsterWert_) tiefsterWert_ = Y(i);
        if (Y(i) > maximumY_) maximumY_ = Y(i);
    }
}

void clsCalc::Uebernehmen(std::vector<float> werte, float tiefster, float hoechster)
{
    y_ = std::move(werte);
    punkte_ = static_cast<int32_t>(y_.size());
    tiefsterWert_ = tiefster;
    maximumY_ = hoechster;
}

void clsCalc::Stufe_Sichern(int32_t typ) const { rt::Object(gSSC).Kurve_Sichern(typ); }

void clsCalc::Protokoll(const std::string& zeile) { rt::Object(gCommon).Record(zeile); }
