#include "graphics/Strichbeschriftung.h"

#include "core/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// More digits than a Single holds never bring a label closer to its tick.
constexpr int kMeisteStellen = 9;

bool Exponentform(float wert) { return std::fabs(std::log10(std::fabs(double(wert)))) > 3.0; }

// Zero, and a tick without a number or a spacing, keep the diagram's plain number text.
bool Gerundet(float wert, float abstand)
{
    return wert != 0.0f && std::isfinite(wert) && std::isfinite(abstand) && abstand != 0.0f;
}

// The tick's value with that many decimals, or mantissa decimals in the exponent form.
std::string Text(float wert, int stellen)
{
    return Exponentform(wert) ? ScientificText(wert, stellen) : FixedText(wert, stellen);
}

double Gelesen(const std::string& text)
{
    double wert = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), wert);
    return wert;
}

// The first count of digits from `ab` with which every tick of the form (fixed or exponent) reads
// within a twentieth of its spacing.
int Stellen(std::span<const float> werte, std::span<const float> abstaende, bool exponent, int ab)
{
    for (int stellen = ab; stellen < kMeisteStellen; ++stellen) {
        bool genau = true;
        for (size_t i = 0; i < werte.size() && genau; ++i) {
            if (!Gerundet(werte[i], abstaende[i]) || Exponentform(werte[i]) != exponent) continue;
            // A hair of slack for the Single's own rounding of the tick value.
            const double grenze = std::fabs(double(abstaende[i])) / 20.0 * (1.0 + 1e-4);
            genau = std::fabs(Gelesen(Text(werte[i], stellen)) - werte[i]) <= grenze;
        }
        if (genau) return stellen;
    }
    return kMeisteStellen;
}

}

std::vector<std::string> Strich_Texte(std::span<const float> werte, std::span<const float> abstaende)
{
    float kleinster = 0.0f;
    for (const float a : abstaende)
        if (std::isfinite(a) && a != 0.0f && (kleinster == 0.0f || std::fabs(a) < kleinster)) kleinster = std::fabs(a);
    // The decimals of the spacing itself: one for 0.108, two for 0.05.
    const int vorschlag =
        kleinster == 0.0f ? 1 : std::clamp(static_cast<int>(std::ceil(-std::log10(double(kleinster)) - 1e-6)), 1, 6);
    const int komma = Stellen(werte, abstaende, false, vorschlag);
    const int mantisse = Stellen(werte, abstaende, true, 2);
    std::vector<std::string> texte;
    texte.reserve(werte.size());
    for (size_t i = 0; i < werte.size(); ++i) {
        const float wert = werte[i];
        texte.push_back(Gerundet(wert, abstaende[i]) ? Text(wert, Exponentform(wert) ? mantisse : komma) : Zahl_Text(wert));
    }
    return texte;
}
