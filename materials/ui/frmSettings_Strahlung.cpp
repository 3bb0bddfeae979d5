// The radiation kind with the form-factor tables it offers the component rows, and the x-axis
// conversion of the project settings window.
#include "materials/ui/frmSettings.h"

#include "core/clsOptions.h"
#include "core/modString.h"
#include "core/ui/UiGuard.h"
#include "materials/clsFMK.h"
#include "materials/modElementDatabase.h"
#include "materials/ui/frmSettings_Intern.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <utility>
#include <vector>

using einstellungen::Getippter_Faktor;
using einstellungen::Text;

void frmSettings::Strahlungsarten_Auflisten()
{
    cmbFMKTyp->addItem(Text(349), FT_Elektronen);
    cmbFMKTyp->addItem(Text(350), FT_Roentgen);
    cmbFMKTyp->addItem(Text(351), FT_Neutronen);
}

void frmSettings::cmbFMKTyp_Click()
{
    const int32_t art = cmbFMKTyp->currentData().toInt();
    std::vector<std::pair<QString, int32_t>> tabellen;
    for (int32_t j = 1; j <= gFMK->FMK_Anzahl(); ++j)
        if (gFMK->Formfaktor_Typ(j) == art)
            tabellen.emplace_back(QString::fromStdString(gFMK->Formfaktor_Information(j)), j);
    for (QComboBox* liste : cmbFMK) {
        liste->clear();
        liste->addItem(einstellungen::kKeineTabelle, 0);
        for (const auto& [text, j] : tabellen) einstellungen::Sortiert_Einfuegen(liste, text, j);
        liste->setCurrentIndex(-1);
    }
    for (int i = 0; i < kZeilen; ++i) {
        const QString symbol = cmbElement[static_cast<size_t>(i)]->currentText();
        if (!symbol.isEmpty()) FMK_Zuordnen(i, symbol);
    }
}

void frmSettings::XAchsen_Auflisten()
{
    const std::string gespeichert = gOptions->Reg_X_Achse();
    int gemerkt = 0;
    int32_t k = 0;
    for (const auto& eintrag : colXAchsen) {
        cmbTrafo->addItem(QString::fromStdString(eintrag.second->name()), ++k);
        if (eintrag.second->Key() == gespeichert) gemerkt = cmbTrafo->count() - 1;
    }
    if (cmbTrafo->count() == 0) return;
    cmbTrafo->setCurrentIndex(gespeichert.empty() ? 0 : gemerkt);
    cmbTrafo_Click();
}

namespace {
// The text of the factor typed under "anderer..." at the last OK of this session; empty when the
// list's conversion was chosen.
QString gGetippterFaktor;
}

void frmSettings::Getippten_Faktor_Anbieten()
{
    if (gGetippterFaktor.isEmpty()) return;
    Text1->setText(gGetippterFaktor);
    Option1[1]->setChecked(true);
    Option1_Click(1);
}

void frmSettings::Faktorwahl_Merken() const { gGetippterFaktor = Option1[1]->isChecked() ? Text1->text() : QString(); }

void frmSettings::cmbTrafo_Click()
{
    UiGuard("frmSettings", "cmbTrafo_Click", [this] {
        const auto achse = colXAchsen.Item(static_cast<int32_t>(cmbTrafo->currentData().toInt()));
        Faktor_Setzen(achse->Faktor());
        xAchse_ = achse;
    });
}

void frmSettings::Option1_Click(int Index)
{
    cmbTrafo->setEnabled(Index == 0);
    lblFaktor->setEnabled(Index == 0);
    Text1->setEnabled(Index == 1);
    if (Index == 1) UiGuard("frmSettings", "Option1_Click", [this] { Faktor_Setzen(Getippter_Faktor(Text1)); });
    // Back to the list: the factor in use is the one the list shows, never the typed one unseen.
    if (Index == 0 && cmbTrafo->count() > 0) cmbTrafo_Click();
}

void frmSettings::Text1_Change()
{
    // The factor is typed after its option was chosen, so each edit that gives a number counts.
    if (!Option1[1]->isChecked()) return;
    try {
        Faktor_Setzen(Getippter_Faktor(Text1));
    } catch (const rt::RuntimeError&) {
        // Half typed: the factor stays until the text is a number again; OK insists on one.
    }
}

void frmSettings::Faktor_Setzen(float faktor)
{
    faktorX_ = faktor;
    lblFaktor->setText(QString::fromStdString("1/nm = " + rt::SingleText(faktor) + " XAE"));
}
