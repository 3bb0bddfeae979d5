#pragma once
// Program-wide settings. Stored settings live in the settings store (cRegistry): some are read
// once at creation, some at every get; each set of a stored setting writes it at once. A write
// that fails keeps the new value in memory for the rest of the run (every later get gives it), and
// the first such failure of a run tells the user in one plain message that the settings cannot be
// saved, naming the file and the reason. A stored value that cannot be read as its type gives the
// default.
#include "core/cRegistry.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>

class clsOptions {
public:
    static constexpr int32_t kMaxKurvenTyp = 50;
    static constexpr int32_t kRecentFiles = 10;

    // Reads the settings that are read once.
    clsOptions();

    // Whether a result curve of kind Typ (1 to 50) is written to its file when produced; other
    // kinds raise "Subscript out of range".
    bool KurveSpeichern(int32_t Typ) const;
    void setKurveSpeichern(int32_t Typ, bool value);

    int32_t FFT_Bits() const { return fftBits_; }
    void setFFT_Bits(int32_t value) { fftBits_ = value; }
    // 2 to the power FFT_Bits; 0, reported as "Overflow", for a power beyond the integer range.
    int32_t FFT_Points() const;

    // The low-K extrapolation model of mouse action Index (read at every call; Index when the
    // stored text is no number, 0 for a stored -1).
    int32_t LM_IK(int32_t Index) const;
    void LM_IK_Set(int32_t Index, int32_t Value);

    bool RTR_Anpassen() const { return rtrAnpassen_; }
    void setRTR_Anpassen(bool value);
    bool Einheit_NM() const { return einheitNM_; }
    void setEinheit_NM(bool value);

    float Rand(int32_t tk) const;

    float Faktor_X() const { return faktorX_; }
    void setFaktor_X(float value) { faktorX_ = value; }
    int32_t Fit_Ueberlapp_k() const { return fitUeberlappK_; }
    void setFit_Ueberlapp_k(int32_t value) { fitUeberlappK_ = value; }
    int32_t Fit_Ueberlapp() const { return 5; }

    float Max_R() const { return maxR_; }
    void setMax_R(float value);

    float Delta_k() const { return deltaK_; }
    void setDelta_k(float value) { deltaK_ = value; }
    // 2 pi / FFT_Points / Delta_k; 0, reported as "Division by zero", while Delta_k is 0.
    float Delta_r() const;

    // Read at every get: 0 when the stored text is no number.
    float Element_Konzentration(int32_t Index) const;
    void setElement_Konzentration(int32_t Index, float value);

    std::string Reg_X_Achse() const;
    void setReg_X_Achse(const std::string& value);
    int32_t Reg_Komponenten() const;
    void setReg_Komponenten(int32_t value);
    std::string Reg_Folder() const;
    void setReg_Folder(const std::string& value);
    // The address of the version file that the update window fetches (read at every get).
    std::string Update_URL() const;
    void setUpdate_URL(const std::string& value);

    bool Strom_Korrektur() const { return stromKorrektur_; }
    void setStrom_Korrektur(bool value) { stromKorrektur_ = value; }
    float Strom_Normierung() const { return 25.0f; }
    bool HammingWindow() const { return hammingWindow_; }
    void setHammingWindow(bool value) { hammingWindow_ = value; }
    // Read at creation; a set lasts until the program ends.
    bool FFT_Richtig() const { return fftRichtig_; }
    void setFFT_Richtig(bool value) { fftRichtig_ = value; }
    bool Ansicht_2_Fenster() const { return ansicht2Fenster_; }
    void setAnsicht_2_Fenster(bool value) { ansicht2Fenster_ = value; }
    bool iFTR_Bevorzugen() const { return iftrBevorzugen_; }
    void setiFTR_Bevorzugen(bool value);
    bool Abbruchstelle_Daempfen() const { return abbruchstelleDaempfen_; }
    void setAbbruchstelle_Daempfen(bool value);
    int32_t Abbruchstelle_Ordnung() const { return abbruchstelleOrdnung_; }
    void setAbbruchstelle_Ordnung(int32_t value);

    std::string Element_Symbol(int32_t Index) const;
    void setElement_Symbol(int32_t Index, const std::string& value);

    // Read at creation; a set lasts until the program ends.
    int32_t ButtonStyle() const { return buttonStyle_; }
    void setButtonStyle(int32_t value) { buttonStyle_ = value; }
    int32_t Sprache() const { return sprache_; }
    void setSprache(int32_t value);

    // Recent files: ten slots "MRU1".."MRU10" of the settings store.
    // True when any slot holds a file.
    bool MRU_Available() const;
    // The file of slot Index (1 to 10); "" when empty or outside.
    std::string MRU(int32_t Index) const;
    // Enters a file: -1 when it is already in a slot (letter case counts), else the slot written:
    // the one after the last filled slot, else the first empty one, and when all are filled the one
    // written longest ago.
    int32_t MRU_Set(const std::string& StrFile);

private:
    int32_t FFT_Points_Ungeschuetzt() const;

    // Writes one value; one that cannot be written is kept in memory (see the class comment).
    void Wert_Speichern(const std::string& name, int32_t type, const RegValue& value);
    void Flagge_Speichern(const std::string& name, bool value);
    // The value a get reads: the one kept in memory, else the stored one.
    RegValue Wert_Lesen(const std::string& name, int32_t type) const;
    bool Flagge_Lesen(const std::string& name, bool defaultValue) const;
    int32_t Ganzzahl_Lesen(const std::string& name, int32_t type, int32_t defaultValue) const;
    std::string Text_Lesen(const std::string& name, const std::string& defaultValue) const;
    float Zahl_Lesen(const std::string& name, float defaultValue) const;

    // Reading moves the store's current value, which is no state of the settings.
    mutable cRegistry registry_;
    // Values set in this run that the store could not take, by value name.
    std::map<std::string, RegValue> ungespeichert_;
    bool schreibfehlerGemeldet_ = false;
    std::array<bool, kMaxKurvenTyp> kurveSpeichern_{};
    int32_t fftBits_ = 14;
    bool rtrAnpassen_ = false;
    bool einheitNM_ = true;
    float faktorX_ = 0.0f;
    int32_t fitUeberlappK_ = 0;
    float maxR_ = 3.1415927f;
    float deltaK_ = 0.0f;
    bool stromKorrektur_ = false;
    bool hammingWindow_ = false;
    bool fftRichtig_ = true;
    bool ansicht2Fenster_ = false;
    bool iftrBevorzugen_ = true;
    bool abbruchstelleDaempfen_ = true;
    int32_t abbruchstelleOrdnung_ = 4;
    int32_t buttonStyle_ = 3;
    int32_t sprache_ = 0;
};
