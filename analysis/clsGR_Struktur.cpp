// What G(r) tells of the structure: the radial distribution function, coordination numbers, the
// packing fraction and the positions of its maxima.
#include "analysis/clsGR.h"

#include "analysis/clsGauss.h"
#include "core/RegionalFormat.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "materials/clsMFE.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

constexpr double kVierPi = 12.56637061435916;

double RhoExp() { return rt::Object(gMFE).Dichte_Experimentell(); }

}

float clsGR::RDF(int32_t Index) const
{
    if (Index < 1 || Index > Punkte()) return 0.0f;
    const double r = R(Index);
    return static_cast<float>(std::pow(r, 2.0) * (kVierPi * RhoExp()) + r * Y(Index));
}

float clsGR::RDF_Parabel(int32_t Index) const
{
    const double r = R(Index);
    return static_cast<float>(r * kVierPi * r * RhoExp());
}

void clsGR::KZ_Berechnen_Hoyer()
{
    if (kzR2_ < kzR1_) std::swap(kzR1_, kzR2_);
    kzHoyer_ = static_cast<float>((std::pow(double(kzR2_), 3.0) - std::pow(double(kzR1_), 3.0)) *
                                  (4.0 / 3.0 * std::numbers::pi * RhoExp()));
}

void clsGR::KZ_Berechnen()
{
    kz_ = 0.0f;
    try {
        const int32_t n = Punkte();
        // The shell is integrated where G(r) is known.
        if (n >= 2) {
            kzR1_ = std::clamp(kzR1_, 0.0f, R(n));
            kzR2_ = std::clamp(kzR2_, 0.0f, R(n));
        }
        KZ_Berechnen_Hoyer();
        if (n < 2) return;

        // The last point at or below r, short of the last one, which the interpolation needs.
        const auto punktBis = [this, n](float r) {
            int32_t i = 1;
            while (i < n - 1 && R(i + 1) <= r) ++i;
            return i;
        };
        const int32_t i1 = punktBis(kzR1_);
        const int32_t i2 = punktBis(kzR2_);
        const float deltaR = gOptions->Delta_r();
        float kz = 0.0f;
        for (int32_t i = i1; i <= i2; ++i) kz = static_cast<float>(kz + double(RDF(i)) * deltaR);
        // The rest up to KZ_r2 with the RDF interpolated there.
        const double rest = double(kzR2_) - R(i2);
        const double y = (double(RDF(i2 + 1)) - RDF(i2)) * rest / deltaR + RDF(i2);
        kz_ = static_cast<float>(kz + rest * y);
    } catch (const rt::RuntimeError&) {
        kz_ = 0.0f;
    }
}

std::string clsGR::KZ() const { return zelo::FormatNumber(kz_, 3); }

std::string clsGR::KZ_Hoyer() const { return zelo::FormatNumber(kzHoyer_, 3); }

float clsGR::Raumerfuellung() const
{
    return static_cast<float>(std::pow(double(R_Erster_Peak()), 3.0) * RhoExp() * std::numbers::pi / 6.0 * 100.0);
}

void clsGR::Peaks_Markieren()
{
    gError->AddFunctionToCallStack("clsGR", "Peaks_Markieren");
    try {
        clsGauss& gauss = rt::Object(gGauss);
        gauss.Clear();
        bool steigend = true;
        for (int32_t i = 2; i <= Punkte(); ++i) {
            if (Y(i) < Y(i - 1) && steigend) {
                gauss.Hinzufuegen(R(i - 1), 0.0f, Y(i - 1), 0, 0.0f);
                steigend = false;
            }
            if (Y(i) > Y(i - 1) && !steigend) steigend = true;
        }
        // The highest peak and the one after it; 0 where there is none.
        int32_t hoechster = 0;
        float hoehe = 0.0f;
        for (int32_t k = 1; k <= gauss.Anzahl(); ++k) {
            if (gauss.A(k) > hoehe) {
                hoehe = gauss.A(k);
                hoechster = k;
            }
        }
        r0_ = gauss.x(hoechster);
        r1_ = hoechster >= 1 ? gauss.x(hoechster + 1) : 0.0f;
    } catch (const rt::RuntimeError& error) {
        gError->Report("clsGR", "Peaks_Markieren", error);
    }
}
