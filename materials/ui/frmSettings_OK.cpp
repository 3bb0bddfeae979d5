// OK in the project settings window: the checks of what was typed, then what the window shows is
// handed to the model, which applies it and starts the project.
#include "materials/ui/frmSettings.h"

#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsLoader.h"
#include "core/modString.h"
#include "core/ui/UiGuard.h"
#include "mainwindow/modProjektEinstellungen.h"
#include "materials/clsMFE.h"
#include "materials/ui/frmSettings_Intern.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

// A density or valence box: its number, or Kein_Wert when it shows an unknown value or no number.
float Wert(const QLineEdit* box, const std::string& tag)
{
    return tag == "0" ? StrToSingle(box->text().toStdString()) : Kein_Wert;
}

// The projects whose road computes I(K) from a measured spectrum, with the alloy's density.
bool Braucht_Dichte(int32_t projektTyp)
{
    switch (projektTyp) {
    case PT_Beugung:
    case PT_ELMI:
    case PT_Fit:
    case PT_Mittel:
    case PT_Bild_Digitalisieren:
    case PT_ELMI_Bild: return true;
    default: return false;
    }
}

}

void frmSettings::cmdOK_Click()
{
    UiGuard("frmSettings", "OK", [this] {
        if (!Eingaben_Pruefen()) return;
        const Projekteinstellungen einstellungen = Einstellungen();
        if (aufgeben_) {
            if (!Projektdatei_Pruefen(einstellungen)) return;
            aufgeben_();
        }
        Faktorwahl_Merken();
        Projekteinstellungen_Uebernehmen(einstellungen);
        accept();
    });
}

bool frmSettings::Eingaben_Pruefen()
{
    for (size_t i = 0; i < static_cast<size_t>(komponenten_); ++i) {
        const std::string text = txtProzent[i]->text().toStdString();
        const float anteil = StrToSingle(text);
        if (anteil != Kein_Wert && anteil >= 0.0f) continue;
        Komponente_Melden(i, gLanguage->Caption(94) + " = \"" + text + "\" (0 - 100 at%)");
        txtProzent[i]->setFocus();
        return false;
    }
    // A component without a density would only be refused when I(K) is computed.
    for (size_t i = 0; Braucht_Dichte(projektTyp_) && i < static_cast<size_t>(komponenten_); ++i) {
        if (clsMFE::Dichte_Gueltig(Wert(txtDichte[i], dichteTag_[i]))) continue;
        Komponente_Melden(i, gLanguage->Caption(541));
        cmdDichte[i]->setFocus();
        return false;
    }
    // A typed factor that is no number is reported instead of silently using the last one.
    if (Option1[1]->isChecked()) Faktor_Setzen(einstellungen::Getippter_Faktor(Text1));
    return true;
}

void frmSettings::Komponente_Melden(size_t zeile, const std::string& text) const
{
    zelo::Ui().MsgBox(gLanguage->Caption(161) + " " + cmbElement[zeile]->currentText().toStdString() + ": " + text,
                      zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, gLoader->ApplicationName());
}

Projekteinstellungen frmSettings::Einstellungen() const
{
    Projekteinstellungen einstellungen;
    einstellungen.Ordner = txtOrdner->text().toStdString();
    einstellungen.ProjektTyp = projektTyp_;
    einstellungen.Einheiten = Einheiten();
    einstellungen.Faktor_X = faktorX_;
    einstellungen.XAchse = xAchse_;
    einstellungen.Strom_Korrektur = Check1->isChecked();
    for (size_t i = 0; i < static_cast<size_t>(komponenten_); ++i)
        einstellungen.Komponenten.push_back({cmbElement[i]->currentText().toStdString(),
                                             StrToSingle(txtProzent[i]->text().toStdString()),
                                             Wert(txtDichte[i], dichteTag_[i]), Wert(txtValenz[i], valenzTag_[i]),
                                             cmbFMK[i]->currentData().toInt()});
    einstellungen.Beschleunigungsspannung = StrToSingle(txtUH->text().toStdString());
    einstellungen.Temperatur = txtTemper->text().toStdString();
    einstellungen.Bemerkung = txtBem->toPlainText().toStdString();
    return einstellungen;
}
