#pragma once
// MFE stands for "Modell freier Elektronen", the free-electron model.
// The alloy under study and the free-electron values derived from it: mean valence Z, number
// density n, 2kF, the Friedel wavelength and minima, plasmon and Fermi energy, Hall coefficient
// and thermopower. Values that cannot be known (a component without density or valence) are the
// no-value marker.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

// Density sources of Element_Dichte.
enum Dichte_Quelle : int32_t { DQ_Amorph = 0, DQ_Fluessig = 1, DQ_Kristallin = 2 };
// The source of Element_Valenz that gives the element's valence.
inline constexpr int32_t kValenz_Element = 3;

class clsMFE {
public:
    // Mean density of the alloy, g/cm³.
    float Dichte() const { return mittlereDichte_; }
    float Valenz() const { return z_; }
    void setValenz(float value);
    // Number density in 1/nm³; 0 while it is unknown.
    float Dichte_Theoretisch() const;
    void setDichte_Theoretisch(float value);
    float kF2() const { return kF2_; }
    void setKF2(float value) { kF2_ = value; }
    // 2 pi / 2kF in nm; 0 when Z or n is 0.
    float Friedelwellenlaenge() const;
    // Position of Friedel minimum k, (k + 5/4) wavelengths.
    float Friedelminima(int32_t k) const;
    // m³ per atom.
    float Atomvolumen() const;
    // Conduction electrons per nm³.
    float Elektrondichte() const;
    int32_t Komponenten() const { return komponenten_; }
    // Makes n empty components; 0 keeps the former ones, a negative n is reported.
    void setKomponenten(int32_t n);
    // Sets component Index (1..Komponenten; another is reported as "Subscript out of range" and
    // sets nothing); the mass comes from the element Symbol of the element list.
    void Komponente(int32_t Index, const std::string& Symbol, float Prozent, float Dichte, float Valenz);
    // A component's values; another Index is reported and gives "" or 0.
    std::string Komponente_Symbol(int32_t Index) const;
    float Komponente_Konzentration(int32_t Index) const;
    float Komponente_Dichte(int32_t Index) const;
    float Komponente_Valenz(int32_t Index) const;
    float Komponente_Masse(int32_t Index) const;
    // Computes n, Z and 2kF; with WriteToRecord they go to the processing log.
    void Berechne(bool WriteToRecord = false);
    float Dichte_Experimentell() const { return dichteExperimentell_; }
    void setDichte_Experimentell(float value) { dichteExperimentell_ = value; }
    // Whether a density (the alloy's, an element's, the experimental one) is one at all: positive
    // and finite; 0 stands for a density never found, the no-value marker for an unknown one.
    static bool Dichte_Gueltig(float dichte) { return std::isfinite(dichte) && dichte > 0.0f; }
    // Density of an element by source (Dichte_Quelle), valence by kValenz_Element; the
    // no-value marker for another source, 0 for an unknown symbol.
    float Element_Dichte(const std::string& Symbol, int32_t Auswahl) const;
    float Element_Valenz(const std::string& Symbol, int32_t Auswahl) const;
    // Plasmon energy (eV), Fermi energy (eV), Hall coefficient (m³/C), thermopower.
    float Plasmonresonanz() const;
    float Fermienergie() const;
    float HallKoeffizient() const;
    float Thermokraft() const;

private:
    size_t Platz(int32_t Index) const;
    void Valenz_Berechnen();
    void Dichte_Berechnen();
    // 2kF from Z and n, or the marker when either is unknown.
    void KF2_Berechnen();
    bool Bekannt() const;
    // Conduction electrons per m³.
    double Zn() const { return double(z_) * double(teilchenzahldichte_); }

    std::vector<float> valenz_;
    std::vector<float> dichte_;
    std::vector<float> prozent_;
    std::vector<float> masse_;
    std::vector<std::string> symbol_;
    int32_t komponenten_ = 0;
    float teilchenzahldichte_ = 0.0f;  // 1/m³
    float z_ = 0.0f;
    float mittlereDichte_ = 0.0f;
    float dichteExperimentell_ = 0.0f;
    float kF2_ = 0.0f;
};
