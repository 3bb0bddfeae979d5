#pragma once
// Model lines over the measured curves: the free-electron model (multiples of the Fermi sphere's
// diameter 2k_F in I(K), Friedel oscillation positions in G(r)) and the reflexes of a cubic
// crystal (plane spacings d in G(r), K = 2π/d in I(K)).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class clsElement;

// 2k_F = 6.18733545·(Z·ρ)^(1/3) in 1/nm, ρ in atoms per nm³.
float Fermi_Durchmesser(float Z, float rho);
// The Friedel wavelength λ_F = 2π/2k_F = 1.015491298/(Z·ρ)^(1/3) in nm; 0, reported as "Division
// by zero", when Z·ρ is 0.
float Friedel_Wellenlaenge(float Z, float rho);

// n·2k_F for n = 1..5; with a limit above 0 the series ends before the first line beyond it.
std::vector<float> Fermi_Linien(float zweiKF, float grenze = 0.0f);
// (shift + n)·λ_F for n = 1..5 (shift 0.25 for the first line at 5/4, 0.2 for 6/5), ending as above;
// none without a wavelength.
std::vector<float> Friedel_Linien(float lambdaF, float shift, float grenze = 0.0f);

struct Kristallreflex {
    float d = 0.0f;  // plane spacing, nm
    float K = 0.0f;  // 2π/d, 1/nm
    std::string Text;  // "(h, k, l)"
};
// The reflexes of the fixed (h, k, l) list that the element's lattice gives; none for a lattice
// that is not cubic.
std::vector<Kristallreflex> Kristallreflexe(const clsElement& element);
// "d = 0,204 nm" and "K = 30,755 1/nm" on two lines; none for d = 0.
std::optional<std::string> Abstand_Text(float d);
