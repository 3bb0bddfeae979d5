#include "analysis/Untergrund_Aus_IK.h"

#include "core/Guarded.h"
#include "core/Runtime.h"

std::vector<float> Untergrund_Aus_IK(std::span<const float> J, std::span<const float> I, std::span<const float> fm2,
                                     std::span<const float> f2m, double A, double F)
{
    return Guarded("Untergrund_Aus_IK", "Untergrund_Aus_IK",
                   [&] { return Untergrundrechnung::Untergrund_Aus_IK_Ungeschuetzt(J, I, fm2, f2m, A, F); });
}

std::vector<float> Untergrundrechnung::Untergrund_Aus_IK_Ungeschuetzt(std::span<const float> J,
                                                                      std::span<const float> I,
                                                                      std::span<const float> fm2,
                                                                      std::span<const float> f2m, double A, double F)
{
    const double skala = rt::Divide(A, F);
    std::vector<float> u(I.size());
    for (size_t i = 0; i < I.size(); ++i) {
        const double streuung = I[i] * double(fm2[i]) + f2m[i];
        u[i] = static_cast<float>(J[i] - streuung * skala);
    }
    return u;
}
