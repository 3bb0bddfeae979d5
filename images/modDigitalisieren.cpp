#include "images/modDigitalisieren.h"

#include "images/clsImage.h"

#include <optional>
#include <utility>

namespace {

bool Dunkel(const Punktfarbe& farbe, int32_t x, int32_t y)
{
    const int32_t c = farbe(x, y);
    return c >= 0 && clsImage::Grey(c) <= kDunkelBis;
}

std::optional<std::pair<int32_t, int32_t>> Naechster_Dunkler(const Punktfarbe& farbe, int32_t x, int32_t y)
{
    for (int32_t d = 1; d <= 5; ++d)
        for (int32_t i = 0; i <= d; ++i)
            for (int32_t j = 0; j <= d; ++j)
                if ((i != 0 || j != 0) && Dunkel(farbe, x + i, y + j)) return std::make_pair(x + i, y + j);
    return std::nullopt;
}

}

void Kurve_Digitalisieren(const Punktfarbe& farbe, int32_t& x, int32_t& y, float zoom, std::vector<float>& X,
                          std::vector<float>& Y)
{
    do {
        const auto naechster = Naechster_Dunkler(farbe, x, y);
        if (!naechster) return;
        x = naechster->first;
        y = naechster->second;
        X.push_back(static_cast<float>(x) / zoom);
        Y.push_back(static_cast<float>(y) / zoom);
    } while (X.size() < static_cast<size_t>(kMaxDigitalpunkte));
}

bool Achsen_Umrechnen(const Achsenpunkte& achsen, std::vector<float>& X, std::vector<float>& Y)
{
    const auto& p = achsen.Pixel;
    const auto& w = achsen.Werte;
    if (achsen.Gesetzt < 2 || p[0] == p[2] || p[1] == p[3]) return false;
    const double sx = (static_cast<double>(w[2]) - w[0]) / (static_cast<double>(p[2]) - p[0]);
    const double sy = (static_cast<double>(w[3]) - w[1]) / (static_cast<double>(p[3]) - p[1]);
    for (float& x : X) x = static_cast<float>(w[0] + (x - p[0]) * sx);
    for (float& y : Y) y = static_cast<float>(w[1] + (y - p[1]) * sy);
    return true;
}
