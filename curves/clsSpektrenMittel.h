#pragma once
// Further measured spectra of the same sample, added one by one to be averaged with the working
// spectrum of gCalc. Each keeps its own x offset X_Start, which the user slides until its features
// lie over those of the working spectrum; averaging then replaces every point of gCalc by the mean
// of itself and the added spectra that cover it. Spectra are numbered from 1 in the order added.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class clsInput;

class clsSpektrenMittel {
public:
    clsSpektrenMittel();
    ~clsSpektrenMittel();
    clsSpektrenMittel(const clsSpektrenMittel&) = delete;
    clsSpektrenMittel& operator=(const clsSpektrenMittel&) = delete;

    enum class Hinzufuegen_Ergebnis { Hinzugefuegt, Schon_Vorhanden, Nicht_Lesbar };
    // Reads the raw spectrum at pfad and appends it with its middle point where the working
    // spectrum's middle point lies, so that its points lie on the working spectrum's points: the
    // same spectrum point on point, a measurement over a shorter or longer range on the same x; an
    // edited spectrum at the x it was written with. A file already held is not read again. The
    // project's folder and names stay as they are. A file that cannot be used shows no window:
    // gError's description says why.
    Hinzufuegen_Ergebnis Hinzufuegen(const std::string& pfad);
    // Removes the spectrum of that file name; false when none has it.
    bool Entfernen(const std::string& dateiname);
    void Leeren();

    int32_t Anzahl() const { return static_cast<int32_t>(kurven_.size()); }
    // Spectrum Index; another Index is reported as "Subscript out of range" and gets a spectrum
    // without points that belongs to no average.
    clsInput& Spektrum(int32_t Index) const;

    // The step of an added spectrum on the working curve's x axis: its own step over Faktor_X, as
    // the working spectrum was read (an edited spectrum's own step). 0 while Faktor_X is 0, and
    // without settings (reported).
    static float Schritt(const clsInput& s);
    // x of point i of an added spectrum, its offset included.
    static float X(const clsInput& s, int32_t i);
    // The sum of the added spectra's mean measuring times per point, ms.
    float Messzeit() const;

    // Averages every point of gCalc with the added spectra whose grid covers it, at the point of
    // each nearest to it on the x axis as drawn, and writes the result as the edited raw data
    // (when spectra were added and that save option is on); then empties the store and logs the
    // summed measuring time. An error is reported and keeps the points averaged so far.
    void Mitteln();

private:
    static float Schritt_Ungeschuetzt(const clsInput& s);
    static void Auf_Arbeitsspektrum_Legen(clsInput& s);

    std::vector<std::unique_ptr<clsInput>> kurven_;
    // What a bad index gets, made at the first one.
    mutable std::unique_ptr<clsInput> leer_;
};
