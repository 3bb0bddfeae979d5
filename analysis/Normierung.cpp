#include "analysis/Normierung.h"

#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/KGitter.h"
#include "materials/clsFMK.h"

#include <numbers>

double Integral_K2(int32_t n, const std::function<double(int32_t)>& y)
{
    const float dK = gOptions->Delta_k();
    const auto summand = [&](int32_t i) {
        const double k = K_Gitter(i, dK);
        return k * k * y(i);
    };
    const double h = static_cast<double>(K_Gitter(n, dK)) / (n - 1);
    double innen = 0.0;
    for (int32_t i = 2; i <= n - 1; ++i) innen += summand(i);
    return h / 2.0 * (summand(1) + summand(n)) + h * innen;
}

double Normierungsterm(int32_t n, float rho)
{
    const double integral = Integral_K2(n, [](int32_t i) { return gFMK->f2m_Y(i); });
    return integral - 2.0 * std::numbers::pi * std::numbers::pi * rho * gFMK->fm2_Y(1);
}
