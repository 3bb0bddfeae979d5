#pragma once
// The structure values of the extras step: what the four marked positions K_pe, K_pp (in I(K))
// and r0, r1 (in G(r)) give, and the marker lines drawn from them over the two diagrams.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The derived values and their label texts ("= 1,234", "n/a"). The wavelengths and ratios keep
// their last values when a position is 0, as the analysis lines read them.
struct Strukturwerte {
    float lambda_pe = 0.0f;
    float lambda_pp = 0.0f;
    // K_pe/K_pp, r1/r0, r0/r1.
    std::array<float, 3> tau{};

    std::string Kpe, Kpp, r0, r1;
    std::array<std::string, 2> Lambda;  // 2π/K_pe, 2π/K_pp
    std::string Verhaeltnis;            // K_pe/K_pp, empty while K_pp is 0
    std::array<std::string, 2> Tau;     // r1/r0, r0/r1
    std::array<std::string, 2> Winkel;  // 2·arcsin(τ/2) in degrees

    void Berechnen(float K_pe, float K_pp, float r0, float r1);
};

// Vertical marker lines: positions in the K diagram and in the r diagram.
struct Markerlinien {
    std::vector<float> K;
    std::vector<float> r;
};

// The structure lines at the mouse: K·i in I(K) and (5/4 + i)·r in G(r). With two diagrams both
// series, five K lines and r lines up to the first beyond maxR; with one diagram only the series
// of the curve shown (7 G(r): six r lines; 6 or 10 I(K): K lines as many as the r series allows).
Markerlinien Strukturlinien(float K, float r, float maxR, bool zweiDiagramme, int32_t letzteKurve);

// The analysis lines. SPO: i·K_pe (i = 0..5) and (5/4 + i)·λ_pe below maxR. ACO: the G(r) peaks
// below maxR, K_pe/τ for r1/r0 and r0/r1, and each peak scaled by K_pe/r0. A line whose
// divisor is 0 is left out.
struct Analyselinien {
    Markerlinien SPO;
    std::vector<float> r_Peaks;
    std::vector<float> K_Tau;
    std::vector<float> K_Peaks;
};
Analyselinien Analyselinien_Berechnen(const Strukturwerte& werte, float K_pe, float r0,
                                      const std::vector<float>& peaks, float maxR, bool spo, bool aco);
