// The component rows of the project settings window: restoring them from the settings, the row
// count, each row's element, density, valence and form-factor table, the rule that keeps the
// shares at 100 and the check that allows OK.
#include "materials/ui/frmSettings.h"

#include "core/NumberFormat.h"
#include "core/clsOptions.h"
#include "core/modString.h"
#include "core/ui/UiGuard.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"
#include "materials/modElementDatabase.h"
#include "materials/ui/frmSettings_Intern.h"
#include "widgets/fxbutton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using einstellungen::Text;

namespace {

constexpr int kDichte_Andere = 3;
// The density source of each entry of the density list.
constexpr std::array<int32_t, 3> kDichteQuelle = {DQ_Fluessig, DQ_Kristallin, DQ_Amorph};
constexpr int kValenz_Andere = 1;

void Zeigen(QLineEdit* box, std::string& tag, float wert)
{
    const TextBoxWert angezeigt = TextBox_Wert(wert);
    box->setText(QString::fromStdString(angezeigt.Text));
    tag = angezeigt.Tag;
}

std::shared_ptr<clsElement> Element(const QString& symbol)
{
    auto element = colElemente.Item(symbol.toStdString());
    if (!element) rt::Raise(rt::errInvalidCall);
    return element;
}

// The first entry of the density list for which the element has a value; the first entry when it
// has none (the row then shows the unknown value and OK names it).
int Erste_Dichte_Mit_Wert(const std::string& symbol)
{
    for (size_t k = 0; k < kDichteQuelle.size(); ++k) {
        if (clsMFE::Dichte_Gueltig(gMFE->Element_Dichte(symbol, kDichteQuelle[k]))) return static_cast<int>(k);
    }
    return 0;
}

}

void frmSettings::Zeilen_Wiederherstellen()
{
    for (const auto& eintrag : colElemente)
        for (QComboBox* liste : cmbElement)
            einstellungen::Sortiert_Einfuegen(liste, QString::fromStdString(eintrag.second->Symbol()), {});
    for (int i = 0; i < kZeilen; ++i) {
        const auto z = static_cast<size_t>(i);
        cmbElement[z]->setCurrentIndex(-1);
        cmdDichte[z]->addItems({Text(182), Text(183), Text(184), Text(185)});
        cmbValenz[z]->addItems({"Standard", Text(185)});
        einstellungen::Uebersprungen([&] {
            const int gefunden =
                cmbElement[z]->findText(QString::fromStdString(gOptions->Element_Symbol(i)), Qt::MatchFixedString);
            txtProzent[z]->setText(QString::fromStdString(rt::SingleText(gOptions->Element_Konzentration(i))));
            if (gefunden < 0) return;
            cmbElement[z]->setCurrentIndex(gefunden);
            cmbElement_Click(i);
        });
    }
}

void frmSettings::Zeilenzahl_Wiederherstellen()
{
    // The stored value is one less than the rows; "+" shows the rows.
    komponenten_ = gOptions->Reg_Komponenten();
    CmdKomponente_Click(0);
}

void frmSettings::CmdKomponente_Click(int Index)
{
    UiGuard("frmSettings", "CmdKomponente_Click", [&] {
        int32_t n = komponenten_ + (Index == 0 ? 1 : -1);
        if (n > kZeilen) n = 1;
        if (n < 1) n = kZeilen;
        komponenten_ = n;
        Zeilen_Zeigen();
        if (n == 1) txtProzent[0]->setText("100");
        lblAnzahl->setText(QString::number(n));
        // A row that comes back takes its place in the shares at once.
        if (geladen_) txtProzent_Change(0);
    });
}

std::array<QWidget*, 9> frmSettings::Zeile(size_t i) const
{
    return {cmbElement[i], lblElement[i], txtProzent[i], cmdDichte[i], txtDichte[i],
            cmbValenz[i],  txtValenz[i],  lblFMK[i],     cmbFMK[i]};
}

void frmSettings::Zeilen_Zeigen()
{
    for (size_t i = 0; i < kZeilen; ++i)
        for (QWidget* w : Zeile(i)) w->setVisible(static_cast<int32_t>(i) < komponenten_);
}

void frmSettings::cmbElement_Click(int Index)
{
    const auto z = static_cast<size_t>(Index);
    UiGuard("frmSettings", "cmbElement_Click", [&] {
        const auto element = Element(cmbElement[z]->currentText());
        lblElement[z]->setText(QString::fromStdString(element->name()));
        Valenzliste_Fuellen(Index);
        // The row keeps the density the user chose for its element until the element changes.
        const bool neu = dichteElement_[z] != element->Symbol();
        if (neu) {
            cmdDichte[z]->setCurrentIndex(Erste_Dichte_Mit_Wert(element->Symbol()));
            dichteElement_[z] = element->Symbol();
        }
        cmbValenz[z]->setCurrentIndex(0);
        if (neu) cmdDichte_Click(Index);
        cmbValenz_Click(Index);
        FMK_Zuordnen(Index, cmbElement[z]->currentText());
        OK_Freigeben();
    });
}

void frmSettings::Valenzliste_Fuellen(int Index)
{
    QComboBox* liste = cmbValenz[static_cast<size_t>(Index)];
    const auto element = Element(cmbElement[static_cast<size_t>(Index)]->currentText());
    liste->clear();
    liste->addItem("Standard", -1);
    liste->addItem(Text(177), -1);
    for (int32_t L = 0; L <= 3; ++L)
        if (element->Orbital_L_Elektronen(L) > 0) liste->addItem(QString::fromStdString(Orbital_Text(L)), L);
}

void frmSettings::cmdDichte_Click(int Index)
{
    const auto z = static_cast<size_t>(Index);
    const int quelle = cmdDichte[z]->currentIndex();
    if (quelle < 0 || quelle == kDichte_Andere) {
        Zeigen(txtDichte[z], dichteTag_[z], 0.0f);
    } else {
        const std::string symbol = cmbElement[z]->currentText().toStdString();
        Zeigen(txtDichte[z], dichteTag_[z], gMFE->Element_Dichte(symbol, kDichteQuelle[static_cast<size_t>(quelle)]));
    }
    txtDichte[z]->setEnabled(quelle == kDichte_Andere);
}

void frmSettings::cmbValenz_Click(int Index)
{
    const auto z = static_cast<size_t>(Index);
    UiGuard("frmSettings", "cmbValenz_Click", [&] {
        const int quelle = cmbValenz[z]->currentIndex();
        if (quelle <= kValenz_Andere) {
            Zeigen(txtValenz[z], valenzTag_[z],
                   gMFE->Element_Valenz(cmbElement[z]->currentText().toStdString(), kValenz_Element));
        } else {
            const int32_t L = cmbValenz[z]->currentData().toInt();
            Zeigen(txtValenz[z], valenzTag_[z], Element(cmbElement[z]->currentText())->Orbital_L_Elektronen(L));
        }
        txtValenz[z]->setEnabled(quelle == kValenz_Andere);
    });
}

void frmSettings::FMK_Zuordnen(int Index, const QString& Symbol)
{
    QComboBox* liste = cmbFMK[static_cast<size_t>(Index)];
    // Only a table of the row's own element fits: a C row must not take a Ca or Co table.
    int gefunden = -1;
    for (int k = 0; k < liste->count() && gefunden < 0; ++k) {
        const int32_t tabelle = liste->itemData(k).toInt();
        if (tabelle > 0 &&
            QString::fromStdString(gFMK->FMK_Intern_Symbol(tabelle)).compare(Symbol, Qt::CaseInsensitive) == 0)
            gefunden = k;
    }
    if (gefunden < 0) gefunden = liste->findText(einstellungen::kKeineTabelle, Qt::MatchFixedString);
    liste->setCurrentIndex(gefunden);
    cmbFMK_Click(Index);
}

void frmSettings::cmbFMK_Click(int Index)
{
    QComboBox* liste = cmbFMK[static_cast<size_t>(Index)];
    Markieren(Index, liste->currentData().toInt() > 0);
    liste->setToolTip(liste->currentText());
    OK_Freigeben();
}

void frmSettings::Markieren(int Index, bool tabelle)
{
    QLabel* marke = lblFMK[static_cast<size_t>(Index)];
    tabelle_[static_cast<size_t>(Index)] = tabelle;
    QPalette farben = marke->palette();
    farben.setColor(QPalette::Window, tabelle ? QColor(0, 255, 0) : QColor(255, 0, 0));
    marke->setPalette(farben);
}

void frmSettings::txtProzent_Change(int /*Index*/)
{
    if (!geladen_) return;
    if (komponenten_ >= 2) {
        float summe = 0.0f;
        bool zahlen = true;
        for (size_t i = 0; i + 1 < static_cast<size_t>(komponenten_) && zahlen; ++i) {
            const float anteil = StrToSingle(txtProzent[i]->text().toStdString());
            zahlen = anteil != Kein_Wert;
            summe += anteil;
        }
        // A share that is no number leaves the last row as it is.
        if (zahlen)
            txtProzent[static_cast<size_t>(komponenten_ - 1)]->setText(
                QString::fromStdString(rt::SingleText(100.0f - summe)));
    }
    OK_Freigeben();
}

bool frmSettings::CheckFMK() const
{
    for (size_t i = 0; i < static_cast<size_t>(komponenten_); ++i)
        if (!tabelle_[i] || txtProzent[i]->text().isEmpty()) return false;
    return true;
}

void frmSettings::OK_Freigeben() { cmdOK->setEnabled(CheckFMK()); }
