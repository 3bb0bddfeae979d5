#include "analysis/Untergrund_Werkzeuge.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

constexpr int32_t kSchritt = 5;
// Slopes at or below this count as the steep front of the spectrum.
constexpr float kSteil = -300.0f;
// Without a fall, the scan only stops past this K (in 1/nm).
constexpr float kFlachAb = 5.0f;

float Anteil(double faktor, float y) { return static_cast<float>(faktor * static_cast<double>(y)); }

std::string Klein(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}

std::vector<Stuetzstelle> Stuetzstellen_Vorschlagen(std::span<const float> x, std::span<const float> y,
                                                    float schrittweite)
{
    std::vector<Stuetzstelle> punkte;
    const auto n = static_cast<int32_t>(std::min(x.size(), y.size()));
    if (schrittweite == 0.0f) return punkte;
    // 1-based point i of the spectrum.
    auto X = [&](int32_t i) { return x[static_cast<size_t>(i - 1)]; };
    auto Y = [&](int32_t i) { return y[static_cast<size_t>(i - 1)]; };
    int32_t m = 0;
    for (int32_t j = 2; j <= n - 100; j += kSchritt) {
        const float s = (Y(j + 1) - Y(j - 1)) / schrittweite / 2.0f;
        if (s >= 0.0f) {
            if (X(j) > kFlachAb) {
                m = j;
                break;
            }
        } else if (s <= kSteil) {
            punkte.push_back({X(j), Y(j)});
        } else {
            punkte.push_back({X(j + 10), Anteil(0.9, Y(j + 10))});
            punkte.push_back({X(j + 50), Anteil(0.85, Y(j + 50))});
            punkte.push_back({X(j + 100), Anteil(0.75, Y(j + 100))});
            m = j + 100;
            break;
        }
    }
    for (int32_t k = m + 200; k <= n - 101; k += 100) punkte.push_back({X(k), Anteil(0.7, Y(k))});
    return punkte;
}

std::vector<Stuetzstelle> Null_Untergrund(float xLetzter)
{
    const float d = xLetzter / 21.0f;
    std::vector<Stuetzstelle> punkte;
    for (int32_t k = 1; k <= 20; ++k) punkte.push_back({static_cast<float>(k) * d, 0.0f});
    return punkte;
}

std::string Erste_UG_Datei(const std::string& ordner, const std::string& projektname)
{
    namespace fs = std::filesystem;
    std::error_code fehler;
    std::vector<std::string> namen;
    std::vector<std::string> eigene;
    for (fs::directory_iterator it(ordner, fehler), ende; !fehler && it != ende; it.increment(fehler)) {
        const fs::path& pfad = it->path();
        if (Klein(pfad.extension().string()) != ".ugs" || !it->is_regular_file(fehler)) continue;
        namen.push_back(pfad.filename().string());
        if (!projektname.empty() && pfad.stem().string() == projektname) eigene.push_back(namen.back());
    }
    const std::vector<std::string>& wahl = eigene.empty() ? namen : eigene;
    if (wahl.empty()) return {};
    return *std::min_element(wahl.begin(), wahl.end(),
                             [](const std::string& a, const std::string& b) {
                                 // Names equal but for case still need a fixed order.
                                 return std::pair{Klein(a), a} < std::pair{Klein(b), b};
                             });
}
