#include "analysis/clsPot.h"

#include "analysis/clsFFT.h"
#include "analysis/clsGauss.h"
#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kModul = "clsPot";
// v(K) and the working grid of a v(r) project reach this K in 1/nm.
constexpr float kK_Ende = 150.0f;
constexpr double kPi = 3.14159265358979;

int32_t K_Punkte() { return rt::CLng(rt::Divide(kK_Ende, gOptions->Delta_k())); }

}

float clsPot::R(int32_t i) const
{
    const double deltaK = gOptions->Delta_k();
    if (deltaK == 0.0) return 0.0f;
    return static_cast<float>(2.0 * (i - 1) * kPi / gOptions->FFT_Points() / deltaK);
}

float clsPot::k(int32_t i) const { return static_cast<float>((i - 1) * double(gOptions->Delta_k())); }

bool clsPot::Einlesen_R_Raum()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Einlesen_R_Raum");
    try {
        clsInput& input = rt::Object(gInput);
        if (!input.Datei_Oeffnen(rt::Object(gCommon).Einheiten())) return false;
        std::vector<float> werte(static_cast<size_t>(input.Punkte()));
        input.CopyArray(werte);
        const int32_t kPunkte = K_Punkte();
        yR_ = std::move(werte);
        maximumR_ = input.Maximum_Y();
        minimumR_ = input.Minimum_Y();
        clsCalc& calc = rt::Object(gCalc);
        calc.setPunkte(kPunkte);
        calc.setMaximum_X(kK_Ende);
        return true;
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "Einlesen_R_Raum", error);
        return false;
    }
}

void clsPot::Berechne_v_K()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Berechne_v_K");
    Guarded(kModul, "Berechne_v_K", [this] {
        if (yK_.empty()) yK_.assign(static_cast<size_t>(K_Punkte()), 0.0f);
        clsFFT& fft = rt::Object(gFFT);
        fft.iFFT_Pot_Ungeschuetzt();
        for (int32_t i = 1; i <= Punkte_K(); ++i) yK_[static_cast<size_t>(i - 1)] = fft.IK(i);
        const auto [tiefster, hoechster] = std::minmax_element(yK_.begin(), yK_.end());
        minimumK_ = yK_.empty() ? 0.0f : *tiefster;
        maximumK_ = yK_.empty() ? 0.0f : *hoechster;
    });
}

void clsPot::Peaks_Markieren_r()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Peaks_Markieren_r");
    Guarded(kModul, "Peaks_Markieren_r", [this] {
        clsGauss& peaks = rt::Object(gGauss);
        peaks.Clear();
        bool fallend = true;
        for (int32_t i = 2; i <= Punkte_R(); ++i) {
            if (Y_r(i) > Y_r(i - 1) && fallend) {
                peaks.Hinzufuegen(R(i - 1), 0.0f, Y_r(i - 1), 0, 0.0f);
                fallend = false;
            }
            if (Y_r(i) < Y_r(i - 1) && !fallend) fallend = true;
        }
    });
}
