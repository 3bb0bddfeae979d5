#include "mainwindow/Werkzeugtabelle.h"

#include <algorithm>

namespace {

constexpr int32_t P = kModusPush;
constexpr int32_t T = kModusToggle;
constexpr int32_t O = kModusOption;
constexpr int32_t L = kLiteralText;
constexpr int32_t N = kOhneText;

constexpr std::array<Werkzeug, kWerkzeuge> kTabelle{{
    {1, 5, 0, 30, 30, P, N, 30, true, 101, ""},
    {2, 35, 0, 30, 30, P, N, 31, true, 102, ""},
    {3, 70, 0, 30, 30, T, N, 32, false, 103, ""},
    {4, 100, 0, 30, 30, P, 71, 33, false, 0, ""},
    {5, 135, 0, 30, 30, T, N, 34, false, 104, ""},
    {6, 165, 0, 30, 30, P, L, 35, false, 0, "OK"},
    {7, 200, 0, 30, 30, T, N, 36, false, 105, ""},
    {8, 230, 0, 30, 30, P, N, 37, false, 106, ""},
    {9, 265, 0, 30, 30, T, N, 38, false, 107, ""},
    {10, 295, 0, 30, 30, T, N, 39, false, 108, ""},
    {11, 330, 0, 30, 30, P, 73, 40, false, 0, ""},
    {12, 365, 0, 90, 30, P, 27, 41, false, 0, ""},
    {13, 5, 32, 50, 30, O, L, 42, false, 0, "J(K)"},
    {14, 65, 32, 50, 30, O, L, 43, false, 0, "U(K)"},
    {15, 125, 32, 50, 30, O, L, 44, false, 0, "I(K)"},
    {16, 185, 32, 50, 30, O, L, 45, false, 0, "G(r)"},
    {17, 245, 32, 50, 30, O, L, 46, false, 0, "Nc"},
    {19, 365, 32, 55, 30, P, 29, 49, false, 0, ""},
    {18, 305, 32, 55, 30, O, 28, 47, false, 0, ""},
    {20, 425, 32, 30, 30, T, L, 48, false, 0, "Auto\nFTR"},
    {21, 5, 32, 50, 30, O, L, 50, false, 0, "v(K)"},
    {22, 65, 32, 50, 30, O, L, 51, false, 0, "v(r)"},
    {23, 4, 4, 105, 40, P, 282, N, false, 0, ""},
    // The arrow that opens the step-back menu.
    {24, 40, 32, 15, 30, P, L, N, false, 0, "\u25BC"},
    {25, 365, 0, 90, 30, T, L, N, false, 0, "Gauss - Fit\nPeaks"},
}};

}

const std::array<Werkzeug, kWerkzeuge>& Werkzeugtabelle() { return kTabelle; }

const Werkzeug& Werkzeug_Daten(int32_t index)
{
    return *std::find_if(kTabelle.begin(), kTabelle.end(), [index](const Werkzeug& w) { return w.Index == index; });
}
