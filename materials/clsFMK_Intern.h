#pragma once
// FMK stands for "Formfaktoren", form factors; "Intern" marks one table of the collection clsFMK.
// One atomic form-factor table: a fit of five Gauss terms and a constant kept in the element
// database, or a table point by point in a "*.fmk" file that is read when it is used.
#include <array>
#include <cstdint>
#include <string>

// Radiation kinds of a table.
enum FMK_Typ : int32_t { FT_Elektronen = 0, FT_Roentgen = 1, FT_Neutronen = 2, FT_Unbekannt = 100 };
// Kinds of table: a fit held in the database, or a file.
enum Daten_Typ : int32_t { DT_Fit = 2, DT_Datei = 3 };

class clsFMK_Intern {
public:
    int32_t Daten_Typ() const { return datenTyp_; }
    void setDaten_Typ(int32_t value) { datenTyp_ = value; }
    std::string Dateiname() const { return dateiname_; }
    // Stores the path of a "*.fmk" file and takes symbol, info and radiation kind from it:
    // <program folder>/<fmk|fmk_e|fmk_x|fmk_n>/<Symbol>[_<Info>].<anything>.
    void setDateiname(const std::string& name);
    std::string Symbol() const { return symbol_; }
    void setSymbol(const std::string& value) { symbol_ = value; }
    int32_t FMK_Typ() const { return fmkTyp_; }
    void setFMK_Typ(int32_t value) { fmkTyp_ = value; }
    // Gauss amplitudes and widths (1/Angström squared), Index 1..5; another index is reported
    // in a message box, the get then gives 0 and the set stores nothing.
    float A(int32_t Index) const;
    void setA(int32_t Index, float value);
    float B(int32_t Index) const;
    void setB(int32_t Index, float value);
    float c() const { return c_; }
    void setC(float value) { c_ = value; }
    std::string Info() const { return info_; }

    // One line describing the table, e.g. "C - Elektronenbeugung, Fit".
    std::string Info_2() const;

    int32_t Dateinummer() const { return dateinummer_; }
    void setDateinummer(int32_t value) { dateinummer_ = value; }
    // Read or write the table record at the current position of database file Dateinummer; the
    // parameter block only for a fit. A failure is reported.
    void Daten_Lesen();
    void Daten_Speichern() const;

    // The fitted form factor at the scattering vector K (1/nm).
    float Y(float K) const;

private:
    friend class ElementDatenbankZugriff;
    void Daten_Lesen_Ungeschuetzt();
    void Daten_Speichern_Ungeschuetzt() const;

    std::string symbol_;
    int32_t fmkTyp_ = 0;
    int32_t datenTyp_ = 0;
    std::string info_;
    std::array<std::string, 3> reservedTexts_;
    std::array<uint8_t, 40> reserved_{};
    std::array<float, 5> a_{};
    std::array<float, 5> b_{};
    float c_ = 0.0f;
    std::array<uint8_t, 44> reservedParameters_{};
    int32_t dateinummer_ = 0;
    std::string dateiname_;
};
