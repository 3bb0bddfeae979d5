#include "analysis/Modelllinien.h"

#include "core/Guarded.h"
#include "core/NumberFormat.h"
#include "core/Runtime.h"
#include "materials/clsElement.h"

#include <array>
#include <cmath>

namespace {

constexpr double kZweiPi = 6.28318530717958;

struct Index {
    int32_t h, k, l;
};
constexpr std::array<Index, 18> kReflexe{{{1, 1, 1}, {0, 0, 2}, {0, 2, 2}, {1, 1, 3}, {2, 2, 2}, {0, 0, 4},
                                          {1, 3, 3}, {0, 2, 4}, {2, 2, 4}, {3, 3, 3}, {0, 4, 4}, {1, 3, 5},
                                          {2, 4, 4}, {3, 3, 5}, {4, 4, 4}, {1, 5, 5}, {3, 5, 5}, {5, 5, 5}}};

std::vector<float> Reihe(float erste, float abstand, float grenze)
{
    std::vector<float> linien;
    for (int32_t n = 1; n <= 5; ++n) {
        const float x = (erste + static_cast<float>(n)) * abstand;
        if (grenze > 0.0f && x > grenze) break;
        linien.push_back(x);
    }
    return linien;
}

}

float Fermi_Durchmesser(float Z, float rho) { return static_cast<float>(6.18733545 * std::cbrt(double(Z) * rho)); }

float Friedel_Wellenlaenge(float Z, float rho)
{
    return Guarded("Modelllinien", "Friedel_Wellenlaenge",
                   [&] { return static_cast<float>(rt::Divide(1.015491298, std::cbrt(double(Z) * rho))); });
}

std::vector<float> Fermi_Linien(float zweiKF, float grenze) { return Reihe(0.0f, zweiKF, grenze); }

std::vector<float> Friedel_Linien(float lambdaF, float shift, float grenze)
{
    if (!(lambdaF > 0.0f)) return {};
    return Reihe(shift, lambdaF, grenze);
}

std::vector<Kristallreflex> Kristallreflexe(const clsElement& element)
{
    std::vector<Kristallreflex> reflexe;
    if (element.Struktur_System() != 1) return reflexe;
    for (const auto& [h, k, l] : kReflexe) {
        const float d = element.Ebenenabstand(h, k, l);
        if (!(d > 0.0f)) continue;
        reflexe.push_back({d, static_cast<float>(kZweiPi / d),
                           "(" + std::to_string(h) + ", " + std::to_string(k) + ", " + std::to_string(l) + ")"});
    }
    return reflexe;
}

std::optional<std::string> Abstand_Text(float d)
{
    if (d == 0.0f) return std::nullopt;
    return "d = " + FixedTextLocal(d, 3) + " nm\nK = " + FixedTextLocal(kZweiPi / d, 3) + " 1/nm";
}
