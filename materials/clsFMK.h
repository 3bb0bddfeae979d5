#pragma once
// FMK stands for "Formfaktoren", form factors.
// The form-factor tables (fits from the element database and "*.fmk" files from the program
// folder) and the mixture form factors <f>, <f²>, <f>² of the alloy on the working curve's grid.
#include "materials/clsFMK_Intern.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class cls_Y;

class clsFMK {
public:
    // ---- the table list; a table's index is its position 1..FMK_Anzahl ----
    int32_t FMK_Intern_Anzahl() const { return FMK_Anzahl(); }
    // Access by index; an index outside the list is reported and gives "" or 0.
    std::string FMK_Intern_Symbol(int32_t i) const;
    std::string FMK_Intern_Info(int32_t i) const;
    std::string FMK_Intern_Typ(int32_t i) const;
    // Writes every table that is not a file table, in list order, to the open database file; a
    // failure is reported.
    void FMK_In_ZELO_Speichern(int32_t Dateinummer) const;
    // The number of tables FMK_In_ZELO_Speichern writes.
    int32_t FMK_Gespeichert_Anzahl() const;
    // Appends a fitted table; it reaches the database file with its next save.
    void FMK_Intern_Neu(const std::string& Symbol, int32_t FMK_Typ, const std::array<float, 5>& A,
                        const std::array<float, 5>& B, float c);
    // Replaces the list by the Anzahl stored tables read from the open database file, then adds
    // the file tables of the folders "fmk", "fmk_e", "fmk_x", "fmk_n" of the program folder.
    // A stored table cut short is reported (false); the list then holds what was read.
    bool FMK_Von_ZELO_Lesen(int32_t Dateinummer, int32_t Anzahl);
    // True when a component of the alloy uses table Index.
    bool FMK_In_Verwendung(int32_t Index) const;
    // Removes fitted table Index; the components' table numbers behind it move down by one, so
    // they keep their tables. A file table, a table in use or a bad index raises "Invalid
    // procedure call or argument" and removes nothing.
    void FMK_Intern_Loeschen(int32_t Index);
    bool Formfaktor_Vorhanden_2(const std::string& Symbol) const;
    std::string Formfaktor_Information(int32_t Index) const;
    // Writes fitted table Index as "fmk_test_<Symbol>.fmk" in the program folder (1500 lines of
    // s TAB f); nothing for a file table. A file that cannot be written raises the error.
    void Formfaktor_Export(int32_t Index) const;
    int32_t Formfaktor_Typ(int32_t Index) const;
    int32_t Formfaktor_Typ_Daten(int32_t Index) const;
    // The indexes of all tables of an element, in list order; returns their number.
    int32_t Formfaktor_Tabellen(const std::string& Symbol, std::vector<int32_t>& Tabellen) const;
    int32_t FMK_Anzahl() const { return static_cast<int32_t>(tabellen_.size()); }
    // Table i itself; an index outside the list is reported as "Subscript out of range" and gives
    // an empty table.
    const clsFMK_Intern& Tabelle(int32_t i) const;

    // ---- the mixture of the alloy ----
    // The normalisation term of I(K): the integral less 2 pi² x <f>²(1), x a number density in 1/nm³.
    float Formfaktor_IK_Faktor(float x) const;
    // <f²>, <f> and <f>² at grid point 1..Punkte + 10; 0 outside or before any computation.
    float f2m_Y(int32_t Index) const { return Wert(f2m_, Index); }
    float fmk_Y(int32_t Index) const { return Wert(fmk_, Index); }
    float fm2_Y(int32_t Index) const { return Wert(fm2_, Index); }
    // Computes the three mixture curves and the integral. False for the generated project kinds
    // (nothing changes) and, with the curves and the integral cleared so that no earlier alloy's
    // values stay in use, for an empty working curve, a table that cannot be read or a run-time
    // error (reported).
    bool Formfaktoren_Berechnen();
    // Writes <f>, <f²> and <f>² over the working curve's points as the result files of their curve
    // kinds (each when its save option is on); nothing before a computation or for a generated
    // project, whose mixture is not computed.
    void Speichern() const;
    int32_t Anzahl() const { return komponenten_; }
    // Clears, then makes n components with share 0 and table 0; a negative n is reported.
    void setAnzahl(int32_t n);
    // Component i (1..Anzahl) gets Prozent at% and table TabIndex; another i is reported as
    // "Subscript out of range" and sets nothing.
    void FMK_Einlesen(int32_t i, float Prozent, int32_t TabIndex);
    void Clear();
    float Beschleunigungsspannung() const { return beschleunigungsspannung_; }
    // The accelerating voltage in kV (entered negative); sets and logs the relativistic factor.
    void setBeschleunigungsspannung(float U);
    // 1 + e|U|/(m c²), the factor that electron tables are multiplied by.
    float Faktor_Relativistisch() const { return faktorRelativistisch_; }
    float Formfaktor_Integral() const { return formfaktorIntegral_; }

private:
    // The database reader and writer let a failed table fail the whole file.
    friend class ElementDatenbankZugriff;
    void FMK_In_ZELO_Speichern_Ungeschuetzt(int32_t Dateinummer) const;
    bool FMK_Von_ZELO_Lesen_Ungeschuetzt(int32_t Dateinummer, int32_t Anzahl);

    // Tabelle, letting "Subscript out of range" pass to the caller.
    const clsFMK_Intern& Tabelle_Ungeschuetzt(int32_t i) const;
    // The body of Formfaktoren_Berechnen; a run-time error passes to the caller.
    bool Mischung_Berechnen();
    // Whether the project starts from a generated I(K) (rectangle, Lorch, demonstration).
    static bool Generiertes_IK();
    void Formfaktorverzeichnisse_Einlesen(const std::string& Verzeichnis);
    // The form factor of component i on Punkte + 10 grid points, or false: reported, or told by the
    // reader when its file cannot be used.
    bool Lese_FMK(int32_t i, cls_Y& kurve);
    static float Wert(const std::vector<float>& curve, int32_t Index);
    void Mischung_Loeschen();

    std::vector<std::unique_ptr<clsFMK_Intern>> tabellen_;

    int32_t komponenten_ = 0;
    std::vector<float> anteil_;
    std::vector<int32_t> tabelle_;
    float formfaktorIntegral_ = 0.0f;
    float beschleunigungsspannung_ = 0.0f;
    float faktorRelativistisch_ = 1.0f;
    std::vector<float> fmk_;
    std::vector<float> f2m_;
    std::vector<float> fm2_;
};
