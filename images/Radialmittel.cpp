#include "images/Radialmittel.h"

#include "core/Runtime.h"

#include <chrono>
#include <cmath>

namespace {

// Pixels whose grey level is 12 to 254 are kept: halves go to the even neighbour, so the unrounded
// grey lies in [11.5, 254.5]. In hundredths the grey is the whole number 30·blue + 59·green + 11·red;
// it decides at once unless it is one of the two bounds, where only the grey in double precision can.
constexpr int32_t kDunkelHundertstel = 1150;
constexpr int32_t kGesaettigtHundertstel = 25450;
constexpr double kDunkelGrenze = 11.5;
constexpr double kGesaettigtGrenze = 254.5;

bool Behalten(int32_t blau, int32_t gruen, int32_t rot)
{
    const int32_t hundertstel = 30 * blau + 59 * gruen + 11 * rot;
    if (hundertstel > kDunkelHundertstel && hundertstel < kGesaettigtHundertstel) return true;
    if (hundertstel != kDunkelHundertstel && hundertstel != kGesaettigtHundertstel) return false;
    const double grau = Grauwert_Ungerundet(blau, gruen, rot);
    return grau >= kDunkelGrenze && grau <= kGesaettigtGrenze;
}

struct Bins {
    std::vector<double> summe;
    std::vector<int64_t> anzahl;
};

// r ≥ 0 rounded half to even: adding 2^52 leaves no bits for a fraction, so the sum is rounded in
// the default mode, without a call into the maths library per pixel.
int64_t Gerundet(double r)
{
    constexpr double kZwei52 = 4503599627370496.0;
    return static_cast<int64_t>((r + kZwei52) - kZwei52);
}

// Adds the kept pixels of one row; y is counted from the top.
void Zeile_Sammeln(const uint8_t* zeile, int32_t breite, double mx, double dy2, int64_t letzterBin, Bins& bins)
{
    for (int32_t x = 0; x < breite; ++x, zeile += 3) {
        const int32_t blau = zeile[0];
        const int32_t gruen = zeile[1];
        const int32_t rot = zeile[2];
        if (!Behalten(blau, gruen, rot)) continue;
        const double dx = x - mx;
        const int64_t bin = Gerundet(std::sqrt(dx * dx + dy2));
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
