// The other sources of I(K): generated test curves, the demonstration curve, curve files, the
// stage store, and the conversions that replace its values as a whole (formula and smoothing).
#include "analysis/clsIK.h"

#include "analysis/DemoWerte.h"
#include "analysis/MittelRegel.h"
#include "analysis/clsMath.h"
#include "core/FormulaValues.h"
#include "core/KurvenTyp.h"
#include "core/Resources.h"
#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"
#include "curves/clsSSC.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

constexpr const char* kModul = "clsIK";
// The generated curves end here; the rectangle and the Lorch function reach K = 100.
constexpr int32_t kTestPunkte = 1800;
constexpr int32_t kLorchPunkte = 1500;
constexpr int32_t kBisK100 = 1000;
constexpr float kTestMaximum = 1.5f;
constexpr float kTestMinimum = -1.0f;
constexpr float kDemoMaximum = 2.0f;

}

std::vector<float> Demo_Werte(std::span<const std::uint8_t> daten)
{
    constexpr size_t kopf = 4;
    if (daten.size() < kopf) return {};
    int32_t anzahl = 0;
    std::memcpy(&anzahl, daten.data(), kopf);
    if (anzahl < 1 || static_cast<size_t>(anzahl) > (daten.size() - kopf) / sizeof(float)) return {};
    std::vector<float> werte(static_cast<size_t>(anzahl));
    for (size_t i = 0; i < werte.size(); ++i) {
        uint32_t bits = 0;
        std::memcpy(&bits, daten.data() + kopf + sizeof(float) * i, sizeof bits);
        werte[i] = std::bit_cast<float>(bits);
    }
    return werte;
}

void clsIK::Kurve_Uebernehmen(std::vector<float> y0, float minimum, float maximum)
{
    n_ = static_cast<int32_t>(y0.size());
    rt::Object(gCalc).setPunkte(n_);
    Ungedaempft_Setzen(std::move(y0));
    mittelwert_ = Mittelwert_Nach_Regel(y_, 1);
    minimum_ = minimum;
    maximum_ = maximum;
    userScale_ = false;
    parabelIndex_ = 0;
    ftrIndex_ = n_;
    ftrStartIndex_ = 1;
}

bool clsIK::Rechteck()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Rechteck");
    std::vector<float> y0(kTestPunkte, 0.0f);
    std::fill_n(y0.begin(), kBisK100, 1.0f);
    Kurve_Uebernehmen(std::move(y0), kTestMinimum, kTestMaximum);
    return true;
}

bool clsIK::Lorch_100()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Lorch_100");
    std::vector<float> y0(kLorchPunkte, 0.0f);
    for (int32_t i = 2; i <= kBisK100; ++i) {
        const double u = std::numbers::pi / 100.0 * x(i);
        y0[static_cast<size_t>(i - 1)] = static_cast<float>(std::sin(u) / u);
    }
    Kurve_Uebernehmen(std::move(y0), kTestMinimum, kTestMaximum);
    return true;
}

bool clsIK::PeakTest()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "PeakTest");
    Kurve_Uebernehmen(std::vector<float>(kTestPunkte, 0.0f), kTestMinimum, kTestMaximum);
    return true;
}

bool clsIK::Demo_IK()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Demo_IK");
    std::vector<float> y0 = Demo_Werte(zelo::Resource("DEMO_101"));
    if (y0.empty()) return false;
    Kurve_Uebernehmen(std::move(y0), kTestMinimum, kDemoMaximum);
    return true;
}

bool clsIK::Einlesen()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Einlesen");
    try {
        const clsCommon& common = rt::Object(gCommon);
        clsInput& input = rt::Object(gInput);
        if (!input.Datei_Oeffnen(common.Einheiten())) return false;
        // Everything is built aside, so that a curve refused below keeps the previous I(K).
        const int32_t n = input.Punkte();
        std::vector<float> y(static_cast<size_t>(n));
        input.CopyArray(y);
        float maximum = input.Maximum_Y();
        float minimum = input.Minimum_Y();
        if (maximum == minimum) {
            gError->ErrorMsg(kModul, "Einlesen", false, rt::errInvalidCall, "The curve is flat: every value is " +
                                                                               rt::SingleText(maximum));
            return false;
        }

        // A ".ikk" file holds K·I(K); the point at K = 0 keeps its value.
        if (common.Datei_Extension(common.Dateiname_Rohdaten()) == ".ikk") {
            for (int32_t i = 2; i <= n; ++i) {
                float& wert = y[static_cast<size_t>(i - 1)];
                wert = static_cast<float>(rt::Divide(wert, x(i)));
                maximum = std::max(maximum, wert);
                minimum = std::min(minimum, wert);
            }
        }
        float mittelwert = Mittelwert_Nach_Regel(y, 2);

        // A curve that swings about 1 rather than 0 is a structure factor S(K) = I(K) + 1.
        if (mittelwert > 0.1f) {
            const auto antwort =
                zelo::Ui().MsgBox(gLanguage->Caption(253), zelo::MsgButtons::YesNo, zelo::MsgIcon::Question,
                                  rt::Object(gLoader).ApplicationName() + " - S(K)");
            if (antwort == zelo::MsgResult::Yes) {
                for (float& wert : y) wert -= 1.0f;
                mittelwert -= 1.0f;
                maximum -= 1.0f;
                minimum -= 1.0f;
            }
        }

        clsCalc& calc = rt::Object(gCalc);
        calc.setMaximum_X(input.Maximum_X());
        calc.setMinimum_X(input.Minimum_X());
        calc.setSchrittweite(gOptions->Delta_k());
        Kurve_Uebernehmen(std::move(y), minimum, maximum);
        mittelwert_ = mittelwert;
        w_ = 0.0f;
        ftrIndex_ = std::max(n - 1, std::min(n, 2));
        return true;
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "Einlesen", error);
        return false;
    }
}

void clsIK::WerteUmrechnen(const std::string& Formel)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "WerteUmrechnen");
    try {
        std::vector<float> k(y0_.size());
        for (int32_t i = 1; i <= n_; ++i) k[static_cast<size_t>(i - 1)] = x(i);
        // On the undamped curve: a damped one taken for undamped would be damped once more.
        Neu_Gedaempft_Setzen(FormulaValues::ValuesByFormula_Ungeschuetzt(Formel, y0_, k));
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "WerteUmrechnen", error);
    }
}

void clsIK::Glaetten_Uebernehmen()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Glaetten_Uebernehmen");
    try {
        std::vector<float> geglaettet(y_.size());
        if (!rt::Object(gMath).CopyArray_Smooth(geglaettet)) return;
        // Damped once, by the damping in force.
        Neu_Gedaempft_Setzen(std::move(geglaettet));
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "Glaetten_Uebernehmen", error);
    }
}

bool clsIK::Sicherheit_Zurueck()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Sicherheit_Zurueck");
    return Guarded(kModul, "Sicherheit_Zurueck", [&] {
        const clsSSC& store = rt::Object(gSSC);
        const int32_t n = store.Kurve_Zurueck_Punkte();
        if (n < 1) return false;
        std::vector<float> y(static_cast<size_t>(n));
        for (int32_t i = 1; i <= n; ++i) y[static_cast<size_t>(i - 1)] = store.Kurve_Zurueck_Y(i);
        const auto [tiefster, hoechster] = std::minmax_element(y.begin(), y.end());
        const float minimum = *tiefster;
        const float maximum = *hoechster;
        Kurve_Uebernehmen(std::move(y), minimum, maximum);

        clsCalc& calc = rt::Object(gCalc);
        calc.setMaximum_X(x(n));
        calc.setMinimum_X(0.0f);
        calc.setSchrittweite(gOptions->Delta_k());
        w_ = 0.0f;
        ftrIndex_ = std::max(n - 1, std::min(n, 2));
        Protokoll(rt::TimeText() + ": " + gLanguage->Caption(251) + ": " + Kurven_Titel(KT_IK));
        return true;
    });
}
