// What G(r) tells of the structure: the radial distribution function, coordination numbers, the
// packing fraction and the positions of its maxima.
#include "analysis/clsGR.h"

#include "analysis/GR_Suche.h"
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

double Rho_Experimentell() { return rt::Object(gMFE).Dichte_Experimentell(); }

}

float clsGR::RDF(int32_t Index) const
{
    if (Index < 1 || Index > Punkte()) return 0.0f;
    const double r = R(Index);
    return static_cast<float>(std::pow(r, 2.0) * (kVierPi * Rho_Experimentell()) + r * Y(Index));
}

float clsGR::RDF_Parabel(int32_t Index) const
{
    const double r = R(Index);
    return static_cast<float>(r * kVierPi * r * Rho_Experimentell());
}

void clsGR::KZ_Berechnen_Hoyer()
{
    if (kzR2_ < kzR1_) std::swap(kzR1_, kzR2_);
    kzHoyer_ = static_cast<float>((std::pow(double(kzR2_), 3.0) - std::pow(double(kzR1_), 3.0)) *
                                  (4.0 / 3.0 * std::numbers::pi * Rho_Experimentell()));
}

void clsGR::KZ_Berechnen()
{
    kz_ = 0.0f;
    kzGrundlage_.reset();
    try {
        const int32_t n = Punkte();
        // The shell is integrated where G(r) is known.
        if (n >= 2) {
            kzR1_ = std::clamp(kzR1_, 0.0f, R(n));
            kzR2_ = std::clamp(kzR2_, 0.0f, R(n));
        }
        KZ_Berechnen_Hoyer();
        if (n < 2) return;

        // The integral of the RDF, interpolated linearly between grid points, exactly from KZ_r1 to
        // KZ_r2: whole strips between the grid points inside, partial strips at both ends. The
        // integral over a shell is the number of neighbours in it; nothing is subtracted from it
        // (taking 1 off for the central atom would count a shell of the mean density, and every
        // measured shell, one neighbour short).
        const auto punktBis = [this, n](double r) {
            int32_t i = 1;
            while (i < n - 1 && R(i + 1) <= r) ++i;
            return i;
        };
        const auto rdfBei = [&](double r) {
            const int32_t i = punktBis(r);
            return RDF(i) + (double(RDF(i + 1)) - RDF(i)) * (r - R(i)) / (double(R(i + 1)) - R(i));
        };
        const auto trapez = [](double a, double b, double ya, double yb) { return (b - a) * (ya + yb) / 2.0; };
        const double r1 = kzR1_;
        const double r2 = kzR2_;
        const int32_t i1 = punktBis(r1);
        const int32_t i2 = punktBis(r2);
        double kz = 0.0;
        if (i1 == i2) {
            kz = trapez(r1, r2, rdfBei(r1), rdfBei(r2));
        } else {
            kz = trapez(r1, R(i1 + 1), rdfBei(r1), RDF(i1 + 1));
            for (int32_t i = i1 + 1; i < i2; ++i) kz += trapez(R(i), R(i + 1), RDF(i), RDF(i + 1));
            kz += trapez(R(i2), r2, RDF(i2), rdfBei(r2));
        }
        kz_ = static_cast<float>(kz);
        kzGrundlage_ = Grundlage_Jetzt();
    } catch (const rt::RuntimeError&) {
        kz_ = 0.0f;
    }
}

clsGR::KZ_Grundlage clsGR::Grundlage_Jetzt() const
{
    return {g_, static_cast<float>(Rho_Experimentell()), kzR1_, kzR2_};
}

bool clsGR::KZ_Gilt() const { return kzGrundlage_ && *kzGrundlage_ == Grundlage_Jetzt(); }

std::string clsGR::KZ() const { return zelo::FormatNumber(kz_, 3); }

std::string clsGR::KZ_Hoyer() const { return zelo::FormatNumber(kzHoyer_, 3); }

float clsGR::Raumerfuellung() const
{
    return static_cast<float>(std::pow(double(R_Erster_Peak()), 3.0) * Rho_Experimentell() * std::numbers::pi / 6.0 *
                              100.0);
}

void clsGR::Peaks_Markieren()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack("clsGR", "Peaks_Markieren");
    try {
        clsGauss& gauss = rt::Object(gGauss);
        gauss.Clear();
        for (const int32_t i : Maxima_Suchen(g_)) gauss.Hinzufuegen(R(i), 0.0f, Y(i), 0, 0.0f);
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
