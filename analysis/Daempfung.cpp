#include "analysis/Daempfung.h"

#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "curves/KGitter.h"

#include <cmath>
#include <numbers>

namespace {

double Spaltfunktion(double u) { return u == 0.0 ? 1.0 : std::sin(u) / u; }

}

bool Daempfe(int32_t Art, const std::vector<float>& y0, int32_t F, float dK, std::vector<float>& y, double& b)
{
    const auto n = static_cast<int32_t>(y0.size());
    if (F < 1 || F > n || y.size() != y0.size()) return false;
    const auto Y0 = [&](int32_t i) { return static_cast<double>(y0[static_cast<size_t>(i - 1)]); };
    const auto K = [&](int32_t i) { return static_cast<double>(K_Gitter(i, dK)); };
    const auto set = [&](int32_t i, double v) { y[static_cast<size_t>(i - 1)] = static_cast<float>(v); };
    const double kF = K(F);

    switch (Art) {
    case DA_Keine:
        y = y0;
        return true;
    case DA_Lorch:
        for (int32_t i = 2; i <= F; ++i) set(i, Y0(i) * Spaltfunktion(std::numbers::pi * K(i) / kF));
        break;
    case DA_Lorch_Shifted: {
        const int32_t start = F - kLorchShiftedPunkte;
        if (start < 2) return false;
        const double kStart = K(start);
        for (int32_t i = 2; i < start; ++i) set(i, Y0(i));
        for (int32_t i = start; i <= F; ++i)
            set(i, Y0(i) * Spaltfunktion(std::numbers::pi * (K(i) - kStart) / (kF - kStart)));
        break;
    }
    case DA_Exp: {
        if (Y0(F) == 0.0 || kF == 0.0) return false;
        const double c = 0.001 / kF / Y0(F);
        // c ≥ 1 would make the factor grow with K instead of damping.
        if (c < 0.0 || c >= 1.0) return false;
        b = -std::log(c) / (kF * kF);
        for (int32_t i = 2; i <= F; ++i) set(i, Y0(i) * std::exp(-b * K(i) * K(i)));
        break;
    }
    default:
        return false;
    }
    for (int32_t i = F + 1; i <= n; ++i) set(i, 0.0);
    return true;
}

int32_t Daempfung_Hindernis(int32_t Art)
{
    switch (Art) {
    case DA_Exp: return 600;
    case DA_Lorch_Shifted: return 601;
    default: return 0;
    }
}

std::string Daempfung_Listentext(int32_t Art)
{
    switch (Art) {
    case DA_Keine: return gLanguage->Caption(427);
    case DA_Lorch: return gLanguage->Caption(428);
    case DA_Lorch_Shifted: return gLanguage->Caption(428) + gLanguage->Caption(429);
    case DA_Exp: return gLanguage->Caption(430);
    default: return {};
    }
}
