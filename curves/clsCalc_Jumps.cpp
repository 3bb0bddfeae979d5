// Repairs of a measured spectrum: the jump correction of a step in the counts, the clip level of
// the overdriven central peak with its outliers and centre, and the restore of a saved stage.
#include "curves/clsCalc.h"

#include "core/KurvenTyp.h"
#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "curves/clsSSC.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The first and the last index whose value reaches the clip level; 0 and 0 when none does.
std::pair<int32_t, int32_t> Geklippter_Bereich(const clsCalc& kurve)
{
    int32_t s = 0;
    int32_t e = 0;
    for (int32_t i = 1; i <= kurve.Punkte(); ++i) {
        if (kurve.Y(i) < kurve.Maximum_Y()) continue;
        if (s == 0) s = i;
        e = i;
    }
    return {s, e};
}

}

void clsCalc::Sprunganalyse()
{
    try {
        // Position 1 is the first jump, position 2 the last one found after it.
        std::array<int32_t, 3> position{};
        int32_t spruenge = 0;
        for (int32_t i = std::max(xStartIndex_, 1); i <= std::min(xStartIndexRechts_, punkte_ - 1); ++i) {
            const float a = Y(i);
            const float b = Y(i + 1);
            if (a == 0.0f || b == 0.0f) continue;
            const float verhaeltnis = a <= b ? a / b : b / a;
            if (verhaeltnis < 0.7f) {
                spruenge = std::min(spruenge + 1, 2);
                position[static_cast<size_t>(spruenge)] = i;
            }
        }
        if (spruenge == 0) return;
        const int32_t p1 = position[1];
        const float d = Y(p1) - Y(p1 + 1);
        const int32_t ende = spruenge == 2 ? position[2] : punkte_;
        for (int32_t j = p1 + 1; j <= ende; ++j) setY(j, std::max(Y(j) + d, 0.0f));
        zelo::Ui().Redraw(true);
    } catch (const rt::RuntimeError& e) {
        gError->Report("clsCalc", "Sprunganalyse", e);
    }
}

void clsCalc::Hoehe_Reduzieren(int32_t Wert)
{
    Guarded("clsCalc", "Hoehe_Reduzieren", [&] {
        if (maximumY_ < static_cast<float>(Wert))
            maximumY_ -= 1.0f;
        else
            maximumY_ = static_cast<float>(Wert);
        const int32_t projektTyp = gCommon ? gCommon->ProjektTyp() : -1;
        if (projektTyp == 0) {
            for (int32_t i = 1; i <= punkte_; ++i)
                if (Y(i) >= maximumY_) setY(i, maximumY_);
            Ausreiser();
            Mitte_suchen_Ungeschuetzt();
        } else if (projektTyp == 1) {
            // The central beam lies at point 1: everything up to the last point at the level, or
            // without counts, belongs to it.
            setY(1, maximumY_);
            int32_t letzter = 1;
            for (int32_t i = 2; i <= punkte_; ++i) {
                if (Y(i) < maximumY_ && Y(i) != 0.0f) continue;
                setY(i, maximumY_);
                letzter = i;
            }
            for (int32_t i = letzter; i >= 1; --i) setY(i, maximumY_);
        }
        if (gCommon) gCommon->Record("reduzierte Höhe: " + rt::SingleText(maximumY_));
    });
}

void clsCalc::Ausreiser()
{
    try {
        const auto [s, e] = Geklippter_Bereich(*this);
        if (s == 0) return;
        for (int32_t i = s; i <= e; ++i) setY(i, maximumY_);
        Protokoll(rt::TimeText() + ": " + gLanguage->Caption(210));
    } catch (const rt::RuntimeError& e) {
        gError->Report("clsCalc", "Ausreiser", e);
    }
}

void clsCalc::Mitte_suchen()
{
    Guarded("clsCalc", "Mitte_suchen", [this] { Mitte_suchen_Ungeschuetzt(); });
}

void clsCalc::Mitte_suchen_Ungeschuetzt()
{
    const auto [s, e] = Geklippter_Bereich(*this);
    if (s == 0) return;
    mitteIndex_ = rt::CLng(s + (e - s) / 2.0);
    mitte_ = x(mitteIndex_);
    minimumX_ -= mitte_;
    maximumX_ -= mitte_;
    mitte_ = 0.0f;
    if (gCommon)
        gCommon->Record(rt::TimeText() + ": " + gLanguage->Caption(211) + ": " + std::to_string(mitteIndex_) +
                        " (K = " + rt::SingleText(x(mitteIndex_)) + " 1/nm )");
}

bool clsCalc::Sicherheit_Zurueck()
{
    try {
        const clsSSC& store = rt::Object(gSSC);
        const int32_t punkte = store.Kurve_Zurueck_Punkte();
        // A store without a selected stage has nothing to give back.
        if (punkte < 1) rt::Raise(rt::errSubscript);
        std::vector<float> werte;
        for (int32_t i = 1; i <= punkte; ++i) werte.push_back(store.Kurve_Zurueck_Y(i));
        schrittweite_ = store.Kurve_Zurueck_Schrittweite();
        minimumX_ = store.Kurve_Zurueck_MinX();
        const auto [tiefster, hoechster] = std::minmax_element(werte.begin(), werte.end());
        const float tiefsterWert = *tiefster;
        const float hoechsterWert = *hoechster;
        Uebernehmen(std::move(werte), tiefsterWert, hoechsterWert);
        maximumX_ = x(punkte_);
        Protokoll(rt::TimeText() + gLanguage->Caption(204) + Kurven_Titel(KT_JK));
        switch (store.Kurve_Typ()) {
        case KT_JK:
        case KT_JK_Bearbeitet:
            istGefittet_ = false;
            istGefaltet_ = false;
            Mitte_suchen_Ungeschuetzt();
            break;
        case KT_JK_Gemittelt:
            istGefittet_ = false;
            istGefaltet_ = true;
            break;
        case KT_Fit:
            istGefittet_ = true;
            istGefaltet_ = true;
            break;
        default: break;
        }
        return true;
    } catch (const rt::RuntimeError& e) {
        gError->Report("clsCalc", "Sicherheit_Zurueck", e);
        return false;
    }
}
