#pragma once
// The background that a finished I(K) implies: what is left of the averaged spectrum J(K) once the
// scattering I(K)·<f>² + <f²> is taken out on the scale of the normalisation.
#include <span>
#include <vector>

// U(i) = J(i) − (I(i)·fm2(i) + f2m(i))·A/F for the points of I (J, fm2 and f2m hold at least as
// many). A/F is 1/β of the normalisation: A the integral over the measurement, F the one over the
// form factors (Normierung); F = 0 reports "Division by zero" and gives no values.
std::vector<float> Untergrund_Aus_IK(std::span<const float> J, std::span<const float> I, std::span<const float> fm2,
                                     std::span<const float> f2m, double A, double F);

// The throwing form, for the background step that reports a failure under its own name.
class Untergrundrechnung {
    friend class clsUntergrund;
    friend std::vector<float> Untergrund_Aus_IK(std::span<const float> J, std::span<const float> I,
                                                std::span<const float> fm2, std::span<const float> f2m, double A,
                                                double F);

    static std::vector<float> Untergrund_Aus_IK_Ungeschuetzt(std::span<const float> J, std::span<const float> I,
                                                             std::span<const float> fm2, std::span<const float> f2m,
                                                             double A, double F);
};
