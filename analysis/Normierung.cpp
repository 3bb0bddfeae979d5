#include "analysis/Normierung.h"

#include "curves/KGitter.h"

#include <numbers>

double Integral_K2(int32_t n, float dK, const std::function<double(int32_t)>& y)
{
    const auto summand = [&](int32_t i) {
        const double k = K_Gitter(i, dK);
        return k * k * y(i);
    };
    const double h = static_cast<double>(K_Gitter(n, dK)) / (n - 1);
    double innen = 0.0;
    for (int32_t i = 2; i <= n - 1; ++i) innen += summand(i);
    return h / 2.0 * (summand(1) + summand(n)) + h * innen;
}

Normierungsintegrale Normierung(std::span<const float> d, std::span<const float> f2m, std::span<const float> fm2,
                                float dK, float rho)
{
    const auto n = static_cast<int32_t>(d.size());
    const auto at = [](std::span<const float> v, int32_t i) { return double(v[size_t(i - 1)]); };
    Normierungsintegrale ergebnis;
    ergebnis.formfaktoren = Integral_K2(n, dK, [&](int32_t i) { return at(f2m, i) / at(fm2, i); }) -
                            2.0 * std::numbers::pi * std::numbers::pi * rho;
    ergebnis.messung = Integral_K2(n, dK, [&](int32_t i) { return at(d, i) / at(fm2, i); });
    return ergebnis;
}
