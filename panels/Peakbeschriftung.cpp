#include "panels/Peakbeschriftung.h"

#include "core/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <optional>

std::string Peak_Text(float x, float faktor)
{
    const double wert = double(x) * faktor;
    if (wert == 0.0 || !std::isfinite(wert)) return FixedTextLocal(wert, 1);
    const int stellen = std::max(0, 2 - static_cast<int>(std::floor(std::log10(std::fabs(wert)))));
    return FixedTextLocal(wert, stellen);
}

std::vector<bool> Hochgesetzt(const std::vector<Etikettkanten>& kanten)
{
    std::vector<bool> hoch(kanten.size(), false);
    std::optional<Etikettkanten> unten;
    for (size_t j = 0; j < kanten.size(); ++j) {
        const Etikettkanten& k = kanten[j];
        hoch[j] = unten && k.links <= unten->rechts && k.rechts >= unten->links;
        if (!hoch[j]) unten = k;
    }
    return hoch;
}
