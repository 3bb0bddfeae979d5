#include "images/modBitmap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kEins = 1 << 20;

bool Gueltig(const AsmBmpPara& b) { return b.Quelle && b.Ziel && b.Breite >= 0 && b.Hoehe >= 0; }

template <class Abbildung>
bool Jeder_Pixel(const AsmBmpPara& b, Abbildung abbilden)
{
    if (!Gueltig(b)) return false;
    const int64_t anzahl = static_cast<int64_t>(b.Breite) * b.Hoehe;
    for (int64_t i = 0; i < anzahl; ++i) {
        const uint32_t p = b.Quelle[i];
        std::array<uint8_t, 3> bgr{static_cast<uint8_t>(p), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p >> 16)};
        abbilden(bgr);
        b.Ziel[i] = (p & 0xFF000000u) | bgr[0] | (bgr[1] << 8) | (static_cast<uint32_t>(bgr[2]) << 16);
    }
    return true;
}

bool Tabelle_Anwenden(const AsmBmpPara& b, const std::array<uint8_t, 256>& t)
{
    return Jeder_Pixel(b, [&t](std::array<uint8_t, 3>& bgr) {
        for (uint8_t& v : bgr) v = t[v];
    });
}

// Hue h in 0..1 of the circle to one colour channel.
double Kanal(double p, double q, double h)
{
    h -= std::floor(h);
    if (h < 1.0 / 6) return p + (q - p) * 6 * h;
    if (h < 0.5) return q;
    if (h < 2.0 / 3) return p + (q - p) * (2.0 / 3 - h) * 6;
    return p;
}

}

bool asmInvert(const AsmBmpPara& block)
{
    return Jeder_Pixel(block, [](std::array<uint8_t, 3>& bgr) {
        for (uint8_t& v : bgr) v = static_cast<uint8_t>(255 - v);
    });
}

bool asmBrightness(const AsmBmpPara& block, int32_t fct)
{
    if (std::abs(fct) >= 256) return false;
    std::array<uint8_t, 256> t{};
    // 8-bit fixed-point fraction: start·256 plus (255 - |fct|) per level.
    const int32_t start = (fct >= 0 ? fct : 1) << 8;
    for (int32_t k = 0; k < 256; ++k) t[static_cast<size_t>(k)] = static_cast<uint8_t>(std::min((start + k * (255 - std::abs(fct))) >> 8, 255));
    return Tabelle_Anwenden(block, t);
}

bool asmContrast(const AsmBmpPara& block, int32_t fct)
{
    const double a = std::exp(fct / 30.0) / 20.0 - 0.05;
    std::array<uint8_t, 256> t{};
    for (int32_t k = 0; k < 256; ++k)
        t[static_cast<size_t>(k)] = static_cast<uint8_t>(std::clamp(std::nearbyint(a * (k - 127)) + 127, 0.0, 255.0));
    return Tabelle_Anwenden(block, t);
}

bool asmChangeHSL(const AsmBmpPara& block, int32_t hue, int32_t lightness)
{
    return Jeder_Pixel(block, [hue, lightness](std::array<uint8_t, 3>& bgr) {
        const double r = bgr[2] / 255.0, g = bgr[1] / 255.0, b = bgr[0] / 255.0;
        const double hoch = std::max({r, g, b}), tief = std::min({r, g, b});
        double l = (hoch + tief) / 2;
        double s = 0.0, h = 0.0;
        if (hoch > tief) {
            const double d = hoch - tief;
            s = l > 0.5 ? d / (2 - hoch - tief) : d / (hoch + tief);
            h = hoch == r ? (g - b) / d + (g < b ? 6 : 0) : hoch == g ? (b - r) / d + 2 : (r - g) / d + 4;
            h /= 6;
        }
        if (hue >= 0) h = hue / kEins;
        if (lightness >= 0) l = std::min(l * (lightness / kEins), 1.0);
        const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
        const double p = 2 * l - q;
        const double neu[3] = {Kanal(p, q, h - 1.0 / 3), Kanal(p, q, h), Kanal(p, q, h + 1.0 / 3)};
        for (int i = 0; i < 3; ++i) bgr[static_cast<size_t>(i)] = static_cast<uint8_t>(std::min(std::nearbyint(neu[i] * 255), 255.0));
    });
}
