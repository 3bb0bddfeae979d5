#pragma once
// GR stands for G(r).
// The reduced radial distribution G(r) of the current evaluation on the r grid
// r(i) = 2π·(i − 1)/(FFT_Points·Delta_k) nm, and what is derived from it: the first peak, the
// density line below it, Il'inskii's density, the RDF and coordination numbers, the Friedel and
// truncation oscillations and the marking of its maxima; its files. Indices are 1-based.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class clsGR {
public:
    // --- G(r) and its grid ---
    // G(r) from the current I(K) through the forward transform, on as many points as the
    // transform carries (at most 1000), with its extremes, first peak, density line and Il'inskii's
    // density. The first G(r) after each I(K) is written to ".Gr0" when that curve's save option
    // is on. False after a reported error, and when there is no I(K) to transform while a G(r) is
    // there: that G(r) stays as it is.
    bool Berechnen();
    int32_t Punkte() const { return static_cast<int32_t>(g_.size()); }
    void setPunkte(int32_t value) { g_.resize(static_cast<size_t>(value > 0 ? value : 0), 0.0f); }
    // G(Index); 0 outside 1..Punkte.
    float Y(int32_t Index) const { return Index >= 1 && Index <= Punkte() ? g_[static_cast<size_t>(Index - 1)] : 0.0f; }
    // Sets G(Index) (nothing outside 1..Punkte); the display range widens to ±Maximum.
    void Set_Y(int32_t Index, float YY);
    // Copies G(1..Punkte) into ToArray from its first element on; a target too short is reported.
    void CopyArray(std::span<float> ToArray) const;
    // r(Index) in nm.
    float R(int32_t Index) const;
    float Maximum() const { return maximum_; }
    // The lowest value lowered by a tenth of its size.
    float Minimum() const;
    // Index of the largest value of G(r) (from point 2 on); 0 when no value is above 0.
    int32_t First_Peak_Index() const { return firstPeakIndex_; }
    // Transforms since the last I(K) computation.
    int32_t Anzahl_FFT() const { return anzahlFFT_; }
    void setAnzahl_FFT(int32_t value) { anzahlFFT_ = value; }
    // Extremes and transform count back to 0 (a new project).
    void Clear();
    // True once the transform size has changed after G(r) was made: its values belong to another
    // r grid until it is made again.
    bool Veraltet() const { return veraltet_; }
    void setVeraltet(bool value) { veraltet_ = value; }

    // --- The density line G = Dichte_Anstieg·r below the first peak, and Il'inskii's density ---
    // The last point of the line fit. Setting it (at least 2, at most Punkte) fits the line through
    // the origin by least squares and sets the experimental density of gMFE from its slope. A line
    // that would give a density that is not positive and finite is refused (false): the line and
    // the density stay as they were.
    int32_t Dichte_Exp_Index() const { return dichteExpIndex_; }
    bool setDichte_Exp_Index(int32_t value);
    float Dichte_Anstieg() const { return dichteAnstieg_; }
    // The line at r(Dichte_Exp_Index).
    float G_Ausgleich() const;
    // How far the line misses G(r) over the fit, in per cent.
    float Ausgleich_Abweichung() const;
    // −4π·ρ·r(Dichte_Exp_Index) for the experimental and the theoretical density, and for rho at
    // r(Index).
    float Dichte_Exp() const;
    float Dichte_Theo() const;
    float Dichte(int32_t Index, float rho) const;
    // The density from the running integral of r·G(r) (Il'inskii), 1/nm³; 0 when it never gets there.
    float Dichte_Exp_Hoyer() const { return dichteExpHoyer_; }
    // Logs the accepted line: its end and the experimental density.
    void Dichtegerade_Akzeptieren() const;

    // --- RDF and coordination numbers ---
    // 4π·r²·ρexp + r·G(r) at r(Index); 0 outside 1..Punkte.
    float RDF(int32_t Index) const;
    // The RDF of the mean density, 4π·r²·ρexp.
    float RDF_Parabel(int32_t Index) const;
    // Limits of the coordination shell in nm.
    float KZ_r1() const { return kzR1_; }
    // A changed limit changes the results: they count as unsaved.
    void setKZ_r1(float value);
    float KZ_r2() const { return kzR2_; }
    void setKZ_r2(float value);
    // The coordination number between the shell limits, by integration of the RDF (after the
    // Hoyer form). Limits are put in order and kept inside the G(r) range first.
    void KZ_Berechnen();
    // True while the coordination number holds: it was integrated on this G(r) with the density
    // and the limits in force now.
    bool KZ_Gilt() const;
    // The coordination number of the mean density between the shell limits.
    void KZ_Berechnen_Hoyer();
    float KZ_Wert() const { return kz_; }
    float KZ_Hoyer_Wert() const { return kzHoyer_; }
    // The two as display texts with three decimals.
    std::string KZ() const;
    std::string KZ_Hoyer() const;
    // Packing fraction in per cent: spheres of the first peak's radius at the experimental density.
    float Raumerfuellung() const;

    // --- Friedel and truncation oscillations ---
    // Friedel wavelengths in the G(r) range, less one; 0 while the wavelength is unknown or the
    // count cannot be formed (reported).
    int32_t Anzahl_Friedeloszillationen() const;
    // Period in r of the ripple that the cut-off K_F puts into G(r); 0 while K_F is 0.
    float Abbruchoszillationen() const;
    // The ripple of the first peak, amplitude factor a, position factor b (of the peak's r).
    void AO_Berechnen(float a, float b);
    // The ripple by model: 100 the low-K extrapolation's edge, 101 a peak at r = 0, 0 the sum over
    // the first peak and the maxima at Friedel wavelengths after it, k ≥ 1 peak k of those alone.
    void Abbruchoszillationen_Berechnen(int32_t Modus);
    // 0 subtracts the computed ripple from G(r), 1 adds it back; a repeat is refused with a message.
    void AO_Weg(uint8_t Modus);
    // The ripple at point Index; 0 outside or when none is computed.
    float yt(int32_t Index) const;
    // Whether a ripple is computed for this G(r), and whether G(r) holds it subtracted.
    bool AO_Berechnet() const { return !ao_.empty(); }
    bool AO_Abgezogen() const { return aoZustand_ == kAO_Abgezogen; }

    // --- Peaks ---
    // Lists the maxima of G(r) as peaks of gGauss; r0 becomes the highest one, r1 the next.
    void Peaks_Markieren();
    float r0() const { return r0_; }
    void setr0(float value) { r0_ = value; }
    float r1() const { return r1_; }
    void setr1(float value) { r1_ = value; }

    // --- Files, conversion by formula or smoothing, the empty test curve (clsGR_Dateien.cpp) ---
    // G(r) from the project's curve file, r in the project's unit; a g(r) or n(r) file is offered
    // for conversion. False, with the previous G(r) kept, when the file gives no curve.
    bool Einlesen();
    // Writes the RDF (".rdf"), g(r) (".g_r") and local density (".rho") files whose save options
    // are on; the three need an experimental density other than 0. The experimental density and,
    // while it holds, the coordination number are logged before the files written, when a file
    // was written or they differ from those the last save logged. True when at least one file
    // was written. Without the density a note says that the three are not written, unless the
    // caller says itself that the density is missing (dichteHinweis false).
    bool Speichern(bool dichteHinweis = true);
    // Replaces every value of G(r) and its extremes by a formula of y (the value); a formula that
    // fails at any of them is reported and changes nothing.
    void WerteUmrechnen(const std::string& Formel);
    // An empty G(r) of 1000 points for the test-peak panel.
    bool PeakTest();
    // Takes the smoothed curve of gMath into G(r).
    void Glaetten_Uebernehmen();

private:
    // The ripple state: subtracted, added back, or untouched since G(r) was made.
    static constexpr uint8_t kAO_Abgezogen = 0;
    static constexpr uint8_t kAO_Zurueck = 1;
    static constexpr uint8_t kAO_Unberuehrt = 255;

    // The count of Anzahl_Friedeloszillationen; a run-time error passes to the caller.
    int32_t Anzahl_Friedeloszillationen_Ungeschuetzt() const;

    // r(1..Punkte), at least two points.
    std::vector<float> R_Werte() const;
    // r of the first peak; 0 when there is none.
    float R_Erster_Peak() const;
    // The first point left of the first peak where G(r) stops falling towards r = 0; 2 when none.
    int32_t Linker_Rand_Erster_Peak() const;
    // Il'inskii's density and its radius from the running integral of r·G(r).
    void Dichte_Ilinskii();
    // Writes the first G(r) of an I(K) to ".Gr0".
    void Erste_GR_Speichern() const;
    // The amplitude of the ripple of a peak: −2/√(2π)·I(K_F)·K_F.
    float Ripple_Amplitude() const;
    // Puts a subtracted ripple back into G(r) before a new one replaces it.
    void AO_Zuruecknehmen();
    // The peaks of the model ripple: the first peak and the maxima near each Friedel wavelength after it.
    void Friedelpeaks_Markieren() const;
    // Makes g the whole G(r) with the stored extremes minimum and maximum (with the file members).
    void Kurve_Setzen(std::vector<float> g, float minimum, float maximum);
    // The log lines of the density and the coordination number as a save gives them, untimed.
    std::vector<std::string> Strukturwerte_Zeilen() const;

    // What a coordination number was integrated over.
    struct KZ_Grundlage {
        std::vector<float> g;
        float rho = 0.0f;
        float r1 = 0.0f;
        float r2 = 0.0f;
        bool operator==(const KZ_Grundlage&) const = default;
    };
    KZ_Grundlage Grundlage_Jetzt() const;

    std::vector<float> g_;
    std::vector<float> ao_;
    float minimum_ = 0.0f;
    float maximum_ = 0.0f;
    int32_t firstPeakIndex_ = 0;
    int32_t dichteExpIndex_ = 0;
    float dichteAnstieg_ = 0.0f;
    float ausgleichVerhaeltnis_ = 0.0f;
    float dichteExpHoyer_ = 0.0f;
    float kz_ = 0.0f;
    float kzHoyer_ = 0.0f;
    float kzR1_ = 0.0f;
    float kzR2_ = 0.0f;
    uint8_t aoZustand_ = kAO_Unberuehrt;
    int32_t anzahlFFT_ = 0;
    float r0_ = 0.0f;
    float r1_ = 0.0f;
    bool veraltet_ = false;
    std::optional<KZ_Grundlage> kzGrundlage_;
    // The structure values the last save logged.
    std::vector<std::string> protokolliert_;
};
