#include "simulation/SavitzkyGolay.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>

namespace {

struct Tabelle {
    std::array<std::array<int32_t, kSG_MaxM + 1>, kSG_MaxM + 1> w{};
    std::array<int32_t, kSG_MaxM + 1> q{};
};

const Tabelle& Gewichte()
{
    static const Tabelle tabelle = [] {
        Tabelle t;
        for (int32_t m = kSG_MinM; m <= kSG_MaxM; ++m) {
            int32_t teiler = 0;
            for (int32_t j = 0; j <= m; ++j) {
                t.w[m][j] = 3 * m * m + 3 * m - 1 - 5 * j * j;
                teiler = std::gcd(teiler, std::abs(t.w[m][j]));
            }
            int32_t summe = 0;
            for (int32_t j = 0; j <= m; ++j) {
                t.w[m][j] /= teiler;
                summe += j == 0 ? t.w[m][j] : 2 * t.w[m][j];
            }
            t.q[m] = summe;
        }
        return t;
    }();
    return tabelle;
}

int32_t Begrenzt(int32_t m) { return std::clamp(m, kSG_MinM, kSG_MaxM); }

}

int32_t SG_Gewicht(int32_t m, int32_t j) { return Gewichte().w[Begrenzt(m)][std::min(std::abs(j), Begrenzt(m))]; }

int32_t SG_Norm(int32_t m) { return Gewichte().q[Begrenzt(m)]; }

void SG_Glaetten(std::span<const float> ein, std::span<float> aus, int32_t m)
{
    m = Begrenzt(m);
    const auto n = static_cast<int32_t>(std::min(ein.size(), aus.size()));
    const auto& w = Gewichte().w[m];
    const float q = static_cast<float>(Gewichte().q[m]);
    for (int32_t k = m; k < n - m; ++k) {
        float summe = 0;
        for (int32_t j = -m; j <= m; ++j) summe += static_cast<float>(w[std::abs(j)]) * ein[k + j];
        aus[k] = summe / q;
    }
}
