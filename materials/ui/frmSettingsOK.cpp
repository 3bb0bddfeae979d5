// OK in the project settings window: the checks of what was typed, then the alloy, the current
// correction and the voltage are applied, the project starts and the mixture form factors are
// computed on the loaded curve's grid.
#include "materials/ui/frmSettings.h"

#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "curves/modString.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/modProjektStart.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"
#include "materials/modElementDatabase.h"
#include "materials/modLegierung.h"
#include "materials/ui/frmSettingsIntern.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <algorithm>
#include <vector>


namespace {

// A density or valence box: its number, or Kein_Wert when it shows an unknown value or no number.
float Wert(const QLineEdit* box, const std::string& tag)
{
    return tag == "0" ? StrToSingle(box->text().toStdString()) : Kein_Wert;
}

}

void frmSettings::cmdOK_Click()
{
    UiGuard("frmSettings", "OK", [this] {
        if (!Eingaben_Pruefen()) return;
        clsCommon& common = rt::Object(gCommon);
        common.setOrdner(txtOrdner->text().toStdString());
        common.setProjektTyp(projektTyp_);
        common.setEinheiten(Einheiten());
        gOptions->setFaktor_X(faktorX_);
        if (xAchse_) gXAchse = xAchse_;
        common.setEnable_Record(true);
        Legierung_Uebernehmen();
        gOptions->setStrom_Korrektur(Check1->isChecked());
        rt::Object(gFMK).setBeschleunigungsspannung(StrToSingle(txtUH->text().toStdString()));
        Datei_Einlesen_Endgueltig();
        if (!gFMK->Formfaktoren_Berechnen()) common.Record(rt::TimeText() + ": " + gLanguage->Caption(255));
        accept();
    });
}

bool frmSettings::Eingaben_Pruefen()
{
    for (size_t i = 0; i < static_cast<size_t>(komponenten_); ++i) {
        const std::string text = txtProzent[i]->text().toStdString();
        const float anteil = StrToSingle(text);
        if (anteil != Kein_Wert && anteil >= 0.0f) continue;
        zelo::Ui().MsgBox(gLanguage->Caption(161) + " " + cmbElement[i]->currentText().toStdString() + ": " +
                              gLanguage->Caption(94) + " = \"" + text + "\" (0 - 100 at%)",
                          zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, gLoader->ApplicationName());
        txtProzent[i]->setFocus();
        return false;
    }
    // A typed factor that is no number is reported instead of silently using the last one.
    if (Option1[1]->isChecked()) Faktor_Setzen(einstellungen::Getippter_Faktor(Text1));
    return true;
}

void frmSettings::Legierung_Uebernehmen()
{
    std::vector<Legierungskomponente> komponenten;
    for (size_t i = 0; i < static_cast<size_t>(komponenten_); ++i)
        komponenten.push_back({cmbElement[i]->currentText().toStdString(),
                               StrToSingle(txtProzent[i]->text().toStdString()), Wert(txtDichte[i], dichteTag_[i]),
                               Wert(txtValenz[i], valenzTag_[i]), cmbFMK[i]->currentData().toInt()});
    ::Legierung_Uebernehmen(komponenten, txtTemper->text().toStdString(), txtBem->toPlainText().toStdString());

    if (!gfrmMain) return;
    const int32_t angewandt = std::min(komponenten_, gMFE->Komponenten());
    for (int32_t i = 0; i < kZeilen; ++i) {
        QAction* eintrag = gfrmMain->mnuKomponente[static_cast<size_t>(i)];
        if (i < angewandt) eintrag->setText(QString::fromStdString(Komponente_Menuetext(i + 1)));
        eintrag->setVisible(i < angewandt);
    }
}
