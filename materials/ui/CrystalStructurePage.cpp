#include "materials/ui/CrystalStructurePage.h"

#include "core/Runtime.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "core/ui/Sprachtext.h"
#include "materials/clsElement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString NumberText(float value) { return QString::fromStdString(rt::SingleText(value)); }
float Number(const QLineEdit* box) { return StrToSingle(box->text().toStdString()); }

// Index 0 of both lists is "unknown" in the selected language.
constexpr std::array<const char*, 7> kBasis = {"", "simple", "face centered", "body centered", "Diamand",
                                               "base centered", "hcp"};
constexpr std::array<const char*, 8> kSystem = {"", "cubic", "hexagonal", "tetragonal", "rhombohedral",
                                                "orthorhombic", "monoklin", "triklin"};

// The option pressed in a frame, or -1.
template <size_t N>
int Pressed(const std::array<QRadioButton*, N>& options)
{
    for (size_t i = 0; i < N; ++i)
        if (options[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

// Presses option index; a value outside the frame releases them all.
template <size_t N>
void Press(const std::array<QRadioButton*, N>& options, int32_t index)
{
    if (index >= 0 && index < static_cast<int32_t>(N)) {
        options[static_cast<size_t>(index)]->setChecked(true);
        return;
    }
    // An exclusive option cannot be released by itself.
    for (QRadioButton* option : options) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

}

CrystalStructurePage::CrystalStructurePage(QWidget* parent)
    : QWidget(parent), Frame2(new QGroupBox(this)), Frame3(new QGroupBox(this))
{
    auto* basis = new QVBoxLayout(Frame2);
    for (size_t i = 0; i < Option1.size(); ++i) {
        Option1[i] = new QRadioButton(kBasis[i], Frame2);
        basis->addWidget(Option1[i]);
        connect(Option1[i], &QRadioButton::toggled, this, &CrystalStructurePage::Bearbeitet);
    }
    basis->addStretch();
    auto* system = new QVBoxLayout(Frame3);
    for (size_t i = 0; i < Option2.size(); ++i) {
        Option2[i] = new QRadioButton(kSystem[i], Frame3);
        system->addWidget(Option2[i]);
        connect(Option2[i], &QRadioButton::toggled, this, &CrystalStructurePage::Bearbeitet);
    }
    system->addStretch();

    auto* lattice = new QGridLayout();
    for (size_t i = 0; i < txt_a.size(); ++i) {
        lbl_a[i] = new QLabel(QString(QChar('a' + static_cast<int>(i))) + " [nm]", this);
        txt_a[i] = new QLineEdit(this);
        lattice->addWidget(lbl_a[i], static_cast<int>(i), 0);
        lattice->addWidget(txt_a[i], static_cast<int>(i), 1);
        connect(txt_a[i], &QLineEdit::textChanged, this, &CrystalStructurePage::Bearbeitet);
    }
    lattice->setColumnStretch(2, 1);

    auto* frames = new QHBoxLayout();
    frames->addWidget(Frame2);
    frames->addWidget(Frame3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(frames);
    layout->addLayout(lattice);
    layout->addStretch();
    SpracheUmstellen();
}

void CrystalStructurePage::SpracheUmstellen()
{
    Frame2->setTitle(Text(106));
    Frame3->setTitle(Text(108));
    Option1[0]->setText(Text(107));
    Option2[0]->setText(Text(107));
}

void CrystalStructurePage::Anzeigen(const clsElement& element)
{
    Press(Option1, element.Struktur_Basis());
    Press(Option2, element.Struktur_System());
    txt_a[0]->setText(NumberText(element.Struktur_a()));
    txt_a[1]->setText(NumberText(element.Struktur_b()));
    txt_a[2]->setText(NumberText(element.Struktur_c()));
}

void CrystalStructurePage::Speichern(clsElement& element) const
{
    // A value outside the frames (from another program's file) stays as it was.
    if (const int basis = Pressed(Option1); basis >= 0) element.setStruktur_Basis(basis);
    if (const int system = Pressed(Option2); system >= 0) element.setStruktur_System(system);
    element.setStruktur_a(Number(txt_a[0]));
    element.setStruktur_b(Number(txt_a[1]));
    element.setStruktur_c(Number(txt_a[2]));
}
