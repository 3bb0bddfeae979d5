#pragma once
// The project settings window "Projektdaten wählen", shown after a file was chosen: what the file
// is (project type, units, x-axis conversion, current correction), the alloy as one to five
// component rows with their form-factor tables for the chosen radiation, the accelerating voltage
// and the sample notes. OK applies everything and starts the project. Until then the choices stay
// the window's own, so that Cancel leaves the project type, the factor, the current correction, the
// alloy and the settings (the rows, their count and the x axis that the next opening shows) as they
// were.
#include "core/Einheitenwahl.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class clsXAchse;
class fxbutton;
struct Projekteinstellungen;

class frmSettings : public QDialog {
    Q_OBJECT
public:
    static constexpr int kZeilen = 5;
    static constexpr int kOptionen = 8;

    // Builds the window and runs its opening sequence from the settings and gCommon.
    explicit frmSettings(QWidget* owner);
    ~frmSettings() override;

    // What OK will apply.
    int32_t ProjektTyp() const { return projektTyp_; }
    float Faktor_X() const { return faktorX_; }
    int32_t Komponenten() const { return komponenten_; }
    // The unit lists' choice; a v(r) file takes its r unit from its own list.
    Einheitenwahl Einheiten() const;
    // Whether every visible row has a table and a share, so that OK may be pressed.
    bool CheckFMK() const;
    // The window sets up a project from a file in place of the open one: OK first reads the file
    // aside, and only when it can be read does aufgeben end the open project before the new one
    // starts. A file that cannot be read is told, and the window stays open for another choice or
    // Cancel, which both leave the open project as it was.
    void Projekt_Ersetzen(std::function<void()> aufgeben) { aufgeben_ = std::move(aufgeben); }

    QLabel* Label12;  // caption of the raw-data file
    QLabel* Label10;  // the raw-data file, shortened to fit
    QLabel* Label11;  // caption of the results folder
    QLineEdit* txtOrdner;
    fxbutton* cmdSave;

    QGroupBox* Frame4;  // project type
    std::array<QRadioButton*, kOptionen> optProjekt;
    std::array<QComboBox*, 3> cmbX;  // K unit, r unit, r unit of a potential
    QCheckBox* Check1;               // current correction

    QGroupBox* Frame3;  // alloy
    QLabel* Label6;  // caption of the component count
    QLabel* lblAnzahl;
    std::array<fxbutton*, 2> CmdKomponente;  // "+", "-"
    QLabel* Label5;  // column heading: component
    QLabel* Label2;  // column heading: share, at %
    QLabel* Label3;  // column heading: density, g/cm³
    QLabel* Label4;  // column heading: valence
    QLabel* Label7;  // column heading: form-factor table
    QComboBox* cmbFMKTyp;  // radiation kind
    std::array<QComboBox*, kZeilen> cmbElement;
    std::array<QLabel*, kZeilen> lblElement;
    std::array<QLineEdit*, kZeilen> txtProzent;
    std::array<QComboBox*, kZeilen> cmdDichte;  // density source
    std::array<QLineEdit*, kZeilen> txtDichte;
    std::array<QComboBox*, kZeilen> cmbValenz;  // valence source
    std::array<QLineEdit*, kZeilen> txtValenz;
    std::array<QLabel*, kZeilen> lblFMK;  // green with a table, red without
    std::array<QComboBox*, kZeilen> cmbFMK;

    QGroupBox* Frame1;  // x-axis conversion
    std::array<QRadioButton*, 2> Option1;  // known conversion, typed factor
    QComboBox* cmbTrafo;
    QLineEdit* Text1;
    QLabel* Label1;  // unit of the typed factor, SMP/nm
    QLabel* lblFaktor;

    QGroupBox* Frame2;  // sample
    QLabel* Label14;  // caption of the accelerating voltage
    QLineEdit* txtUH;  // accelerating voltage, kV, negative
    QLabel* Label15;  // unit of the voltage, kV
    QLabel* Label8;  // caption of the annealing temperature
    QLineEdit* txtTemper;
    QLabel* Label9;  // unit of the temperature, Kelvin
    QLabel* Label13;  // caption of the notes
    QPlainTextEdit* txtBem;

    fxbutton* cmdOK;
    fxbutton* cmdCancel;

private:
    // Window and layout (frmSettings.cpp).
    void Steuerelemente_Anordnen();
    void Ereignisse_Verbinden();
    void Form_Load();
    void Beschriftungen_Setzen();
    void Projekt_Auswaehlen();
    void optProjekt_Click(int Index);
    void cmdSave_Click();

    // Component rows (frmSettings_Komponenten.cpp).
    // The nine controls of a row, from left to right.
    std::array<QWidget*, 9> Zeile(size_t i) const;
    void Zeilen_Wiederherstellen();
    void Zeilenzahl_Wiederherstellen();
    void CmdKomponente_Click(int Index);
    void Zeilen_Zeigen();
    void cmbElement_Click(int Index);
    void Valenzliste_Fuellen(int Index);
    void cmdDichte_Click(int Index);
    void cmbValenz_Click(int Index);
    void FMK_Zuordnen(int Index, const QString& Symbol);
    void cmbFMK_Click(int Index);
    void txtProzent_Change(int Index);
    void Markieren(int Index, bool tabelle);
    void OK_Freigeben();

    // Radiation, tables and x axis (frmSettings_Strahlung.cpp).
    void Strahlungsarten_Auflisten();
    void cmbFMKTyp_Click();
    void XAchsen_Auflisten();
    // A factor the user typed under "anderer..." for the last project of the session is offered
    // again, chosen, instead of the list's; OK remembers the choice.
    void Getippten_Faktor_Anbieten();
    void Faktorwahl_Merken() const;
    void cmbTrafo_Click();
    void Option1_Click(int Index);
    void Text1_Change();
    void Faktor_Setzen(float faktor);

    // OK (frmSettings_OK.cpp).
    void cmdOK_Click();
    bool Eingaben_Pruefen();
    // "Komponente <element>: " and the text, as a message.
    void Komponente_Melden(size_t zeile, const std::string& text) const;
    // What OK hands to the model.
    Projekteinstellungen Einstellungen() const;

    bool geladen_ = false;  // the opening has finished
    int32_t projektTyp_ = 0;
    float faktorX_ = 0.0f;
    int32_t komponenten_ = 0;
    std::shared_ptr<clsXAchse> xAchse_;
    // "0" for a value from the element data or typed, the no-value marker's text for an unknown one.
    std::array<std::string, kZeilen> dichteTag_;
    // The element each row's density source was chosen for.
    std::array<std::string, kZeilen> dichteElement_;
    std::array<std::string, kZeilen> valenzTag_;
    std::array<bool, kZeilen> tabelle_{};  // the row has a table
    std::function<void()> aufgeben_;  // ends the open project; none when there is none to keep
};
