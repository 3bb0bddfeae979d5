#include "analysis/TiefK_Modell.h"

#include "core/Runtime.h"
#include "curves/KGitter.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

namespace {

constexpr double kPi = std::numbers::pi;

// The unit-area peak profiles of full width W at half height.
double Lorentz(double x, double W) { return (2.0 * W / kPi) / (W * W + 4.0 * x * x); }

double Gauss(double x, double W)
{
    const double ln2x4 = 4.0 * std::log(2.0);
    return std::sqrt(ln2x4 / kPi) / W * std::exp(-ln2x4 * x * x / (W * W));
}

// Pseudo-Voigt: equal parts of both.
double Voigt(double x, double W)
{
    constexpr double eta = 0.5;
    return eta * Lorentz(x, W) + (1.0 - eta) * Gauss(x, W);
}

class Modell {
public:
    Modell(const std::vector<float>& yw, int32_t P, float dK, std::vector<float>& E) : yw_(yw), P_(P), dK_(dK), E_(E) {}

    double Yw(int32_t i) const { return yw_[static_cast<size_t>(i - 1)]; }
    double K(int32_t i) const { return K_Gitter(i, dK_); }
    void Setzen(int32_t i, double v) { E_[static_cast<size_t>(i - 1)] = static_cast<float>(v); }
    double Anstieg() const { return (Yw(P_ + 1) - Yw(P_ - 1)) / (2.0 * dK_); }

    bool Polynom()
    {
        const double kP = K(P_);
        const double a3 = (kP * Anstieg() - 2.0 * (Yw(P_) + 1.0)) / (kP * kP * kP);
        const double a2 = (Anstieg() - 3.0 * a3 * kP * kP) / (2.0 * kP);
        for (int32_t i = 1; i <= P_; ++i) Setzen(i, a3 * K(i) * K(i) * K(i) + a2 * K(i) * K(i) - 1.0);
        return true;
    }

    bool Parabel()
    {
        const double a = std::fabs((Yw(P_) + 1.0) / (K(P_) * K(P_)));
        for (int32_t i = 1; i <= P_; ++i) Setzen(i, a * K(i) * K(i) - 1.0);
        return true;
    }

    // -1 up to K0, from there the parabola with value and slope of yw at P.
    bool ParabelAnstieg()
    {
        const double s = Anstieg();
        if (s == 0.0) return false;
        const double k0 = K(P_) - 2.0 * (Yw(P_) + 1.0) / s;
        const double a = (Yw(P_) + 1.0) / ((K(P_) - k0) * (K(P_) - k0));
        const double start = k0 / dK_;
        if (!std::isfinite(start) || start > P_ + 1.0) return false;
        // A vertex left of the first point leaves the parabola on the whole range.
        const int32_t j0 = start < 0.0 ? 1 : std::max(1, rt::CLng(start));
        if (j0 > P_) return false;
        for (int32_t i = 1; i <= j0; ++i) Setzen(i, -1.0);
        for (int32_t i = j0; i <= P_; ++i) Setzen(i, a * (K(i) - k0) * (K(i) - k0) - 1.0);
        return true;
    }

    bool Peak(const std::function<double(double, double)>& profil)
    {
        std::optional<int32_t> halbeHoehe;
        for (int32_t j = P_; j >= 1 && !halbeHoehe; --j) {
            const double unten = Yw(j) - Yw(1);
            if (unten != 0.0 && (Yw(P_) - Yw(1)) / unten >= 2.0) halbeHoehe = j;
        }
        if (!halbeHoehe) return false;
        const double W = 2.0 * (K(P_) - K(*halbeHoehe));
        double summe = 0.0;
        for (int32_t i = *halbeHoehe + 1; i <= P_; ++i) summe += (Yw(i) + 1.0) / profil(K(i) - K(P_), W);
        const double A = summe / (P_ - *halbeHoehe);
        for (int32_t i = 1; i <= P_; ++i) Setzen(i, A * profil(K(i) - K(P_), W) - 1.0);
        Setzen(P_, Yw(P_));
        return true;
    }

private:
    const std::vector<float>& yw_;
    int32_t P_;
    float dK_;
    std::vector<float>& E_;
};

bool Berechne(Modell& m, int32_t modell)
{
    switch (modell) {
    case LM_Polynom: return m.Polynom();
    case LM_Parabel: return m.Parabel();
    case LM_Parabel_Anstieg: return m.ParabelAnstieg();
    case LM_Voigt: return m.Peak(Voigt);
    case LM_Lorentz: return m.Peak(Lorentz);
    case LM_Gauss: return m.Peak(Gauss);
    default: return false;
    }
}

}

bool TiefK_Modell(int32_t modell, const std::vector<float>& yw, int32_t P, float dK, std::vector<float>& E)
{
    E.assign(static_cast<size_t>(P), 0.0f);
    Modell m(yw, P, dK, E);
    bool ok = Berechne(m, modell);
    for (int32_t i = 1; ok && i <= P; ++i) ok = std::isfinite(E[static_cast<size_t>(i - 1)]);
    if (!ok) E.assign(yw.begin(), yw.begin() + P);
    return ok;
}
