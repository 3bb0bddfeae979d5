#include "analysis/clsGR.h"

#include "analysis/GR_Suche.h"
#include "analysis/clsFFT.h"
#include "analysis/clsIK.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "curves/KGitter.h"
#include "curves/Ergebnisdatei.h"

#include <algorithm>

namespace {

constexpr const char* kModul = "clsGR";

}

float clsGR::R(int32_t Index) const { return R_Gitter(Index, gOptions->FFT_Points(), gOptions->Delta_k()); }

std::vector<float> clsGR::R_Werte() const
{
    std::vector<float> r(static_cast<size_t>(std::max(Punkte(), 2)));
    for (size_t i = 0; i < r.size(); ++i) r[i] = R(static_cast<int32_t>(i + 1));
    return r;
}

void clsGR::Set_Y(int32_t Index, float YY)
{
    if (Index < 1 || Index > Punkte()) return;
    gGespeichert = false;
    g_[static_cast<size_t>(Index - 1)] = YY;
    if (YY > maximum_) maximum_ = YY;
    minimum_ = -maximum_;
}

void clsGR::CopyArray(std::span<float> ToArray) const
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack("cGr", "CopyArray");
    if (ToArray.size() < g_.size()) {
        gError->ErrorMsg("cGr", "CopyArray", false, rt::errSubscript, rt::ErrorDescription(rt::errSubscript));
        return;
    }
    std::copy(g_.begin(), g_.end(), ToArray.begin());
}

float clsGR::Minimum() const
{
    return static_cast<float>(minimum_ < 0.0f ? minimum_ + 0.1 * minimum_ : minimum_ - 0.1 * minimum_);
}

void clsGR::Clear()
{
    minimum_ = 0.0f;
    maximum_ = 0.0f;
    anzahlFFT_ = 0;
}

float clsGR::R_Erster_Peak() const { return firstPeakIndex_ >= 1 ? R(firstPeakIndex_) : 0.0f; }

int32_t clsGR::Linker_Rand_Erster_Peak() const { return Linker_Rand_Suchen(g_, firstPeakIndex_); }

void clsGR::setKZ_r1(float value)
{
    if (value != kzR1_) gGespeichert = false;
    kzR1_ = value;
}

void clsGR::setKZ_r2(float value)
{
    if (value != kzR2_) gGespeichert = false;
    kzR2_ = value;
}

bool clsGR::Berechnen()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Berechnen");
    try {
        // Without an I(K) there is nothing to transform: the G(r) there is (one read from a file or
        // built from test peaks) stays as it is, and so does the transform that a back-transform reads.
        if (rt::Object(gIK).Punkte() == 0 && Punkte() > 0) return false;
        // A new G(r) is not the one written.
        gGespeichert = false;
        clsFFT& fft = rt::Object(gFFT);
        fft.FFT_Ungeschuetzt();
        const int32_t n = fft.GR_Punkte();
        std::vector<float> g(static_cast<size_t>(n));
        for (int32_t i = 1; i <= n; ++i) g[static_cast<size_t>(i - 1)] = fft.G(i);

        // Everything derived from an earlier G(r) goes with it.
        g_ = std::move(g);
        ao_.clear();
        aoZustand_ = kAO_Unberuehrt;
        veraltet_ = false;
        const GR_Extreme extreme = Extreme_Suchen(g_);
        minimum_ = extreme.Minimum;
        maximum_ = extreme.Maximum;
        firstPeakIndex_ = extreme.Erster_Peak;
        ++anzahlFFT_;
        Dichte_Ilinskii();
        setDichte_Exp_Index(Linker_Rand_Erster_Peak());
        if (anzahlFFT_ == 1 && gOptions->KurveSpeichern(KT_GR_Erste)) Erste_GR_Speichern();
        return true;
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "Berechnen", error);
        return false;
    }
}

void clsGR::Erste_GR_Speichern() const
{
    std::vector<std::string> zeilen;
    for (int32_t i = 1; i <= Punkte(); ++i) zeilen.push_back(SingleToStr(R(i)) + "\t" + SingleToStr(Y(i)));
    // Logged only once the file is really written.
    const std::string pfad = Ergebnisdatei::Schreiben(".Gr0", zeilen);
    if (!pfad.empty()) rt::Object(gCommon).Record(rt::NowText() + ": " + gLanguage->Caption(241) + ": " + pfad);
}
