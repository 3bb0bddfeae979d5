// The density line that G(r) follows below its first peak, G = −4πρ0·r, and Il'inskii's density
// from the running integral of r·G(r).
#include "analysis/clsGR.h"

#include "analysis/GR_Suche.h"
#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "materials/clsMFE.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kVierPi = 4.0 * std::numbers::pi;

}

bool clsGR::setDichte_Exp_Index(int32_t value)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack("clsGR", "Dichte_Exp_Index");
    try {
        const Dichtegerade gerade = Dichtegerade_Anpassen(g_, R_Werte(), value);
        const float dichte = gerade.Dichte();
        // A line that reaches into the first peak rises: no density, and nothing may be derived from it.
        if (!clsMFE::Dichte_Gueltig(dichte)) return false;
        // The density and the values that follow from it change: unsaved, and the previews follow.
        gGespeichert = false;
        dichteExpIndex_ = gerade.Bis;
        dichteAnstieg_ = gerade.Anstieg;
        rt::Object(gMFE).setDichte_Experimentell(dichte);
        ausgleichVerhaeltnis_ = gerade.Verhaeltnis;
        zelo::Ui().ShowWindowPreview();
        return true;
    } catch (const rt::RuntimeError& error) {
        gError->Report("clsGR", "Dichte_Exp_Index", error);
        return false;
    }
}

float clsGR::G_Ausgleich() const { return R(dichteExpIndex_) * dichteAnstieg_; }

float clsGR::Ausgleich_Abweichung() const { return static_cast<float>((1.0 - ausgleichVerhaeltnis_) * 100.0); }

float clsGR::Dichte(int32_t Index, float rho) const { return static_cast<float>(-kVierPi * rho * R(Index)); }

float clsGR::Dichte_Exp() const
{
    return Guarded("clsGR", "Dichte_Exp", [this] {
        return Dichte(dichteExpIndex_, rt::Object(gMFE).Dichte_Experimentell());
    });
}

float clsGR::Dichte_Theo() const
{
    return Guarded("clsGR", "Dichte_Theo", [this] {
        return Dichte(dichteExpIndex_, rt::Object(gMFE).Dichte_Theoretisch());
    });
}

void clsGR::Dichtegerade_Akzeptieren() const
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack("clsGR", "Dichtegerade_Akzeptieren");
    try {
        const clsCommon& common = rt::Object(gCommon);
        common.Record(rt::NowText() + ": " + gLanguage->Caption(249) + " r = " + rt::SingleText(R(dichteExpIndex_)) +
                      " nm");
        common.Record(rt::NowText() + ": " + gLanguage->Caption(250) + ": " +
                      rt::SingleText(rt::Object(gMFE).Dichte_Experimentell()) + " 1/nm³");
    } catch (const rt::RuntimeError& error) {
        gError->Report("clsGR", "Dichtegerade_Akzeptieren", error);
    }
}

void clsGR::Dichte_Ilinskii()
{
    const float radius = Ilinskii_Radius(g_, gOptions->Delta_r());
    if (radius == 0.0f) {
        dichteExpHoyer_ = 0.0f;
        return;
    }
    dichteExpHoyer_ = static_cast<float>(1.0 / (4.0 / 3.0 * std::numbers::pi * std::pow(double(radius), 3.0)));
    rt::Object(gCommon).Record(Woerter(gLanguage->Caption(240), rt::SingleText(dichteExpHoyer_)) + " 1/nm³");
    kzR1_ = radius;
}
