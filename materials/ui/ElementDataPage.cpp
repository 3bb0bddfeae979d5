#include "materials/ui/ElementDataPage.h"

#include "core/Runtime.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "core/ui/Sprachtext.h"
#include "materials/clsElement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <limits>

namespace {

QString NumberText(float value) { return QString::fromStdString(rt::SingleText(value)); }
float Number(const QLineEdit* box) { return StrToSingle(box->text().toStdString()); }

// The boxes from top to bottom.
constexpr std::array<int, ElementDataPage::BoxCount> kRowOrder = {1, 0, 11, 2, 3, 7, 8, 9, 10, 4, 5, 6, 12};
constexpr std::array<const char*, ElementDataPage::OrbitalCount> kOrbitals = {
    "1s", "2s", "2p", "3s", "3p", "4s", "3d", "4p", "5s", "4d", "5p", "6s", "4f", "5d", "6p", "7s", "5f", "6d"};
constexpr int kOrbitalColumns = 3;

int RowOf(int box)
{
    for (size_t row = 0; row < kRowOrder.size(); ++row)
        if (kRowOrder[row] == box) return static_cast<int>(row);
    return 0;
}

// The run time's error that storing the text as a whole number from 0 to maximum raises; 0 when
// it fits.
int32_t WholeNumberError(const QString& text, qint64 maximum)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok) return rt::errTypeMismatch;
    return value < 0 || value > maximum ? rt::errOverflow : 0;
}

// An empty box stores the no-value marker; a density of exactly 0 would divide by zero later.
float Density(const QLineEdit* box)
{
    const float value = Number(box);
    return value == 0.0f ? 0.001f : value;
}

int32_t Remark(const QComboBox* box, int32_t stored)
{
    // A remark outside the list (from another program's file) stays as it was.
    return box->currentIndex() < 0 ? stored : box->currentIndex();
}

}

ElementDataPage::ElementDataPage(QWidget* parent) : QWidget(parent), Frame1(new QGroupBox(this))
{
    auto* boxes = new QGridLayout();
    boxes->setVerticalSpacing(2);
    for (int row = 0; row < BoxCount; ++row) {
        const int index = kRowOrder[static_cast<size_t>(row)];
        lblInfo[index] = new QLabel(this);
        txtInfo[index] = new QLineEdit(this);
        boxes->addWidget(lblInfo[index], row, 0);
        boxes->addWidget(txtInfo[index], row, 1);
        connect(txtInfo[index], &QLineEdit::textChanged, this, &ElementDataPage::Bearbeitet);
    }
    for (int i = 0; i < 3; ++i) {
        cmbDichte[i] = new QComboBox(this);
        cmbDichte[i]->addItems({"unbekannt", "atomar", "molekular"});
        boxes->addWidget(cmbDichte[i], RowOf(DichteFluessig + i), 2);
        connect(cmbDichte[i], &QComboBox::currentIndexChanged, this, &ElementDataPage::Bearbeitet);
    }
    txtInfo[Symbol]->setEnabled(false);
    txtInfo[OZ]->setEnabled(false);

    auto* orbitals = new QGridLayout(Frame1);
    orbitals->setVerticalSpacing(2);
    for (int i = 0; i < OrbitalCount; ++i) {
        chkOrbital[i] = new QCheckBox(kOrbitals[static_cast<size_t>(i)], Frame1);
        txtElektronen[i] = new QLineEdit(Frame1);
        txtElektronen[i]->setMaximumWidth(40);
        const int row = i / kOrbitalColumns, column = 2 * (i % kOrbitalColumns);
        orbitals->addWidget(chkOrbital[i], row, column);
        orbitals->addWidget(txtElektronen[i], row, column + 1);
        connect(chkOrbital[i], &QCheckBox::toggled, this, [this, i](bool checked) { chkOrbital_Click(i, checked); });
        connect(chkOrbital[i], &QCheckBox::clicked, this, [this, i](bool checked) {
            if (checked) txtElektronen[i]->setFocus();
        });
        connect(txtElektronen[i], &QLineEdit::textChanged, this, &ElementDataPage::Bearbeitet);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(boxes);
    layout->addWidget(Frame1);
    layout->addStretch();
    SpracheUmstellen();
}

void ElementDataPage::SpracheUmstellen()
{
    const QString density = " " + Text(118) + " [g/cm³]";
    lblInfo[Name]->setText("Name");
    lblInfo[Symbol]->setText("Symbol");
    lblInfo[Masse]->setText(Text(109) + " [amu]");
    lblInfo[Valenz]->setText(Text(110));
    lblInfo[DichteFluessig]->setText(Text(115) + density);
    lblInfo[DichteKristallin]->setText(Text(116) + density);
    lblInfo[DichteAmorph]->setText(Text(117) + density);
    lblInfo[Atomradius]->setText(Text(111) + " [pm]");
    lblInfo[Elektronegativitaet]->setText(Text(112));
    lblInfo[Schmelztemperatur]->setText(Text(113) + " [K]");
    lblInfo[Siedetemperatur]->setText(Text(114) + " [K]");
    lblInfo[OZ]->setText("OZ");
    lblInfo[Q0]->setText("q0");
    Frame1->setTitle(Text(119));
}

void ElementDataPage::Anzeigen(const clsElement& element)
{
    txtInfo[Symbol]->setText(QString::fromStdString(element.Symbol()));
    txtInfo[Name]->setText(QString::fromStdString(element.name()));
    txtInfo[Masse]->setText(NumberText(element.Masse()));
    txtInfo[Valenz]->setText(NumberText(element.Valenz()));
    txtInfo[DichteFluessig]->setText(NumberText(element.Dichte_Fluessig()));
    txtInfo[DichteKristallin]->setText(NumberText(element.Dichte_Kristallin()));
    txtInfo[DichteAmorph]->setText(NumberText(element.Dichte_Amorph()));
    txtInfo[Atomradius]->setText(NumberText(element.Atomradius()));
    txtInfo[Elektronegativitaet]->setText(NumberText(element.Elektronegativitaet()));
    txtInfo[Schmelztemperatur]->setText(NumberText(element.Schmelztemperatur()));
    txtInfo[Siedetemperatur]->setText(NumberText(element.Siedetemperatur()));
    txtInfo[OZ]->setText(QString::number(element.OZ()));
    txtInfo[Q0]->setText(NumberText(element.q0()));
    cmbDichte[0]->setCurrentIndex(element.Dichte_Bemerkung_Fluessig());
    cmbDichte[1]->setCurrentIndex(element.Dichte_Bemerkung_Kristallin());
    cmbDichte[2]->setCurrentIndex(element.Dichte_Bemerkung_Amorph());
    for (int i = 0; i < OrbitalCount; ++i) {
        const uint8_t count = element.Elektronen(i);
        chkOrbital[i]->setChecked(count != 0);
        txtElektronen[i]->setText(count != 0 ? QString::number(count) : QString());
        txtElektronen[i]->setEnabled(count != 0);
    }
}

void ElementDataPage::Neu()
{
    for (int i = Name; i <= DichteAmorph; ++i) txtInfo[i]->clear();
    txtInfo[Symbol]->setEnabled(true);
    txtInfo[Symbol]->setFocus();
}

std::optional<ElementDataPage::Fault> ElementDataPage::WholeNumberFault() const
{
    if (const int32_t error = WholeNumberError(txtInfo[OZ]->text(), std::numeric_limits<int32_t>::max()))
        return Fault{txtInfo[OZ], lblInfo[OZ]->text(), error};
    for (int i = 0; i < OrbitalCount; ++i) {
        if (!chkOrbital[i]->isChecked()) continue;
        if (const int32_t error = WholeNumberError(txtElektronen[i]->text(), std::numeric_limits<uint8_t>::max()))
            return Fault{txtElektronen[i], chkOrbital[i]->text(), error};
    }
    return std::nullopt;
}

void ElementDataPage::Speichern(clsElement& element) const
{
    element.setName(txtInfo[Name]->text().toStdString());
    element.setMasse(Number(txtInfo[Masse]));
    element.setValenz(Number(txtInfo[Valenz]));
    element.setOZ(txtInfo[OZ]->text().trimmed().toInt());
    element.setQ0(Number(txtInfo[Q0]));
    element.setDichte_Fluessig(Density(txtInfo[DichteFluessig]));
    element.setDichte_Kristallin(Density(txtInfo[DichteKristallin]));
    element.setDichte_Amorph(Density(txtInfo[DichteAmorph]));
    element.setAtomradius(Number(txtInfo[Atomradius]));
    element.setElektronegativitaet(Number(txtInfo[Elektronegativitaet]));
    element.setSchmelztemperatur(Number(txtInfo[Schmelztemperatur]));
    element.setSiedetemperatur(Number(txtInfo[Siedetemperatur]));
    element.setDichte_Bemerkung_Fluessig(Remark(cmbDichte[0], element.Dichte_Bemerkung_Fluessig()));
    element.setDichte_Bemerkung_Kristallin(Remark(cmbDichte[1], element.Dichte_Bemerkung_Kristallin()));
    element.setDichte_Bemerkung_Amorph(Remark(cmbDichte[2], element.Dichte_Bemerkung_Amorph()));
    for (int i = 0; i < OrbitalCount; ++i) {
        const int count = chkOrbital[i]->isChecked() ? txtElektronen[i]->text().trimmed().toInt() : 0;
        element.setElektronen(i, static_cast<uint8_t>(count));
    }
}

void ElementDataPage::chkOrbital_Click(int index, bool checked)
{
    txtElektronen[index]->setEnabled(checked);
    if (!checked) txtElektronen[index]->clear();
    emit Bearbeitet();
}
