#include "images/Radialmittel.h"

#include "core/Runtime.h"

#include <chrono>
#include <cmath>

namespace {

constexpr int32_t kDunkel = 12;
constexpr int32_t kGesaettigt = 255;

struct Bins {
    std::vector<double> summe;
    std::vector<int64_t> anzahl;
};

// Adds the kept pixels of one row; y is counted from the top.
void Zeile_Sammeln(const uint8_t* zeile, int32_t breite, double mx, double dy2, int64_t letzterBin, Bins& bins)
{
    for (int32_t x = 0; x < breite; ++x, zeile += 3) {
        const int32_t blau = zeile[0];
        const int32_t gruen = zeile[1];
        const int32_t rot = zeile[2];
        const int32_t grau = Grauwert(blau, gruen, rot);
        if (grau < kDunkel || grau >= kGesaettigt) continue;
        const double dx = x - mx;
        const auto bin = static_cast<int64_t>(std::nearbyint(std::sqrt(dx * dx + dy2)));
        if (bin > letzterBin) continue;
        ++bins.anzahl[static_cast<size_t>(bin)];
        bins.summe[static_cast<size_t>(bin)] += blau | (gruen << 8) | (rot << 16);
    }
}

}

bool Radialmittel_Berechnen(const Bildzeilen& bild, float mx, float my, float cf, const Fortschritt& fortschritt,
                            Radialkurve& kurve)
{
    const int32_t breite = bild.bits ? bild.breite : 0;
    const double punkte = rt::RoundHalfEven(static_cast<double>(breite) + 100.0 - mx - 1.0);
    const int64_t letzterBin = static_cast<int64_t>(breite) + 100;
    if (!std::isfinite(punkte) || punkte < 2.0 || punkte > 2.0 * static_cast<double>(letzterBin + 1) ||
        !std::isfinite(my) || !std::isfinite(cf))
        return false;
    Bins bins{std::vector<double>(static_cast<size_t>(letzterBin + 1)), std::vector<int64_t>(static_cast<size_t>(letzterBin + 1))};

    using Uhr = std::chrono::steady_clock;
    auto gemeldet = Uhr::now();
    for (int32_t y = 0; bild.bits && y < bild.hoehe; ++y) {
        const double dy = y - static_cast<double>(my);
        Zeile_Sammeln(bild.Zeile(y), breite, mx, dy * dy, letzterBin, bins);
        if (fortschritt && Uhr::now() - gemeldet >= std::chrono::milliseconds(kFortschrittMs)) {
            fortschritt(static_cast<double>(y + 1) / bild.hoehe);
            gemeldet = Uhr::now();
        }
    }
    if (fortschritt) fortschritt(1.0);

    const auto n = static_cast<size_t>(punkte);
    Radialkurve neu{std::vector<float>(n), std::vector<float>(n)};
    float maximum = 0.0f;
    float minimum = 0.0f;
    size_t maxIndex = 0;
    bool maxGefunden = false;
    for (size_t i = 0; i < n; ++i) {
        neu.X[i] = static_cast<float>(static_cast<double>(i) * cf);
        // A centre left of the picture asks for bins beyond the last: they are empty.
        if (i < bins.summe.size()) neu.Y[i] = static_cast<float>(bins.summe[i] / static_cast<double>(bins.anzahl[i] + 1));
        if (neu.Y[i] > maximum) {
            maximum = neu.Y[i];
            maxIndex = i;
            maxGefunden = true;
        }
        minimum = std::min(minimum, neu.Y[i]);
    }
    if (maxGefunden)
        for (size_t i = 0; i <= maxIndex; ++i) neu.Y[i] = maximum;
    if (minimum < 0.0f)
        for (float& y : neu.Y) y += 2.0f * std::abs(minimum);
    kurve = std::move(neu);
    return true;
}
