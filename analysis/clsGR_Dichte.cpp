// The density line that G(r) follows below its first peak, G = −4πρ0·r, and Il'inskii's density
// from the running integral of r·G(r).
#include "analysis/clsGR.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "materials/clsMFE.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kVierPi = 4.0 * std::numbers::pi;

}

void clsGR::setDichte_Exp_Index(int32_t value)
{
    gError->AddFunctionToCallStack("clsGR", "Dichte_Exp_Index");
    try {
        dichteExpIndex_ = std::max(2, std::min(value, Punkte()));
        float s1 = 0.0f;
        float s2 = 0.0f;
        for (int32_t i = 1; i <= dichteExpIndex_; ++i) {
            const float r = R(i);
            s1 = static_cast<float>(s1 + double(r) * Y(i));
            s2 = static_cast<float>(s2 + std::pow(double(r), 2.0));
        }
        dichteAnstieg_ = s1 / s2;
        rt::Object(gMFE).setDichte_Experimentell(static_cast<float>(-dichteAnstieg_ / std::numbers::pi / 4.0));

        // The mean ratio of the smaller to the larger size of line and G(r) over the points after
        // the origin: 1 for a perfect fit.
        double summe = 0.0;
        for (int32_t i = 2; i <= dichteExpIndex_; ++i) {
            const double gerade = std::fabs(double(R(i)) * dichteAnstieg_);
            const double y = std::fabs(Y(i));
            summe += gerade == y ? 1.0 : std::min(gerade, y) / std::max(gerade, y);
        }
        ausgleichVerhaeltnis_ = static_cast<float>(summe / (dichteExpIndex_ - 1));
    } catch (const rt::RuntimeError& error) {
        gError->Report("clsGR", "Dichte_Exp_Index", error);
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
    gError->AddFunctionToCallStack("clsGR", "Dichtegerade_Akzeptieren");
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
    // C(i + 1) = C(i) + Δr²·i·G(i): the integral of r·G(r) up to r(i + 1). It falls below −1 where a
    // sphere of the mean density holds one atom.
    const float h = gOptions->Delta_r() * gOptions->Delta_r();
    float c = 0.0f;
    for (int32_t i = 1; i < Punkte(); ++i) {
        c = static_cast<float>(c + double(h) * i * Y(i));
        if (c < -1.0f) {
            const float radius = R(i + 1);
            dichteExpHoyer_ = static_cast<float>(1.0 / (4.0 / 3.0 * std::numbers::pi * std::pow(double(radius), 3.0)));
            rt::Object(gCommon).Record(gLanguage->Caption(240) + rt::SingleText(dichteExpHoyer_) + " nm³");
            kzR1_ = radius;
            return;
        }
    }
    dichteExpHoyer_ = 0.0f;
}
