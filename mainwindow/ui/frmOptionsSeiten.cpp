// The five pages of the options window and their controls, captioned in the current language.
#include "mainwindow/ui/frmOptions.h"

#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "core/ui/Sprachtext.h"
#include "widgets/fxbutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <iterator>

namespace {

// The pattern in front names the curve kind's file; the files themselves take the writer's extensions.
struct Speicheroption {
    int typ;
    const char* muster;
    int text;  // 0: the fixed caption after the pattern
    const char* fest;
};

const Speicheroption kSpeicheroptionen[] = {
    {2, "*.elb", 317, ""},  {3, "*.mit", 318, ""},  {4, "*.fit", 319, ""},
    {5, "*.ugs", 322, ""},  {6, "*.i_k", 0, "I(K)"}, {7, "*.G_r", 0, "G(r)"},
    {11, "*.gr", 0, "g(r)"}, {12, "*.rdf", 0, "RDF, D(r)"}, {13, "*.rho", 0, "rho(r), n(r)"},
    {14, "*.f_r", 0, ""},   {15, "*.ik0", 0, "1. I(K)"}, {16, "*.ug", 321, ""},
    {17, "*.uge", 411, ""}, {18, "*.ugf", -1, ""},  {19, "*.f2m", 0, "<f(k)^2>"},
    {20, "*.fm2", 0, "<f(k)>^2"}, {21, "*.fmk", 320, ""}, {22, "*.Gr0", 0, "1. G(r)"},
    {23, "*.ikk", 0, " I(K)*K"}};

QString Speicher_Beschriftung(const Speicheroption& o)
{
    QString inhalt = QString::fromUtf8(o.fest);
    if (o.text > 0) inhalt = Text(o.text);
    if (o.text < 0) inhalt = Text(323) + " " + Text(322);  // the error weights of the support points
    return QString(o.muster) + " (" + inhalt + ")";
}

QLabel* Fett(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}

QWidget* frmOptions::Seite_Berechnungen()
{
    auto* seite = new QWidget(this);
    auto* fft = new QGroupBox("Fast Fourier Transformation " + Text(329), seite);
    chkHamming = new QCheckBox(Text(333), fft);
    chkFFT = new QCheckBox(Text(332), fft);
    cmdFFTBits = new QComboBox(fft);
    for (int bits = 10; bits <= 15; ++bits) cmdFFTBits->addItem(QString::number(bits));
    lblPunkte = new QLabel(fft);
    auto* fftLayout = new QGridLayout(fft);
    fftLayout->addWidget(chkHamming, 0, 0, 1, 3);
    fftLayout->addWidget(chkFFT, 1, 0, 1, 3);
    fftLayout->addWidget(new QLabel(Text(330), fft), 2, 0);
    fftLayout->addWidget(cmdFFTBits, 2, 1);
    fftLayout->addWidget(lblPunkte, 3, 0, 1, 3);
    fftLayout->setColumnStretch(2, 1);

    auto* impuls = new QGroupBox(Text(334), seite);
    Check1 = new QCheckBox(Text(337) + ", " + Text(338), impuls);
    cmbOrdnung = new QComboBox(impuls);
    for (int ordnung = 1; ordnung <= 30; ++ordnung) cmbOrdnung->addItem(QString::number(ordnung));
    chkK = new QCheckBox(Text(336), impuls);
    Check2 = new QCheckBox(Text(335), impuls);
    auto* impulsLayout = new QGridLayout(impuls);
    impulsLayout->addWidget(Check1, 0, 0);
    impulsLayout->addWidget(cmbOrdnung, 0, 1);
    impulsLayout->addWidget(chkK, 1, 0, 1, 2);
    impulsLayout->addWidget(Check2, 2, 0, 1, 2);
    const QString maustasten[] = {"LM", "LM + 'STRG'", "LM + 'SHIFT'"};
    const QStringList modelle = {Text(343), Text(344), Text(344) + " + " + Text(345), Text(346), Text(347), Text(348)};
    for (int i = 0; i < 3; ++i) {
        cmbParabel[static_cast<size_t>(i)] = new QComboBox(impuls);
        cmbParabel[static_cast<size_t>(i)]->addItems(modelle);
        impulsLayout->addWidget(new QLabel(maustasten[i], impuls), 3 + i, 0, Qt::AlignRight);
        impulsLayout->addWidget(cmbParabel[static_cast<size_t>(i)], 3 + i, 1);
    }
    impulsLayout->setColumnStretch(2, 1);

    auto* orts = new QGroupBox(Text(339), seite);
    txtMaxR = new QLineEdit(orts);
    auto* ortsLayout = new QHBoxLayout(orts);
    ortsLayout->addWidget(new QLabel(Text(340) + " r=", orts));
    ortsLayout->addWidget(txtMaxR);
    ortsLayout->addWidget(new QLabel("nm", orts));

    auto* einheit = new QGroupBox("Einheit", seite);
    optEinheit = {new QRadioButton("K in 1/nm, S(K)", einheit), new QRadioButton(QString::fromUtf8("Q in 1/Å, S(Q)"), einheit)};
    auto* einheitLayout = new QVBoxLayout(einheit);
    for (QRadioButton* option : optEinheit) einheitLayout->addWidget(option);

    auto* layout = new QGridLayout(seite);
    layout->addWidget(fft, 0, 0);
    layout->addWidget(einheit, 0, 1);
    layout->addWidget(impuls, 1, 0, 1, 2);
    layout->addWidget(orts, 2, 0, 1, 2);
    layout->setRowStretch(3, 1);
    return seite;
}

QWidget* frmOptions::Seite_Speichern()
{
    auto* seite = new QWidget(this);
    auto* layout = new QGridLayout(seite);
    layout->addWidget(Fett(Text(316), seite), 0, 0, 1, 2);
    const int proSpalte = (static_cast<int>(std::size(kSpeicheroptionen)) + 1) / 2;
    int n = 0;
    for (const Speicheroption& o : kSpeicheroptionen) {
        auto* box = new QCheckBox(Speicher_Beschriftung(o), seite);
        chkSave[o.typ] = box;
        layout->addWidget(box, 1 + n % proSpalte, n / proSpalte);
        ++n;
    }
    layout->setRowStretch(proSpalte + 1, 1);
    return seite;
}

QWidget* frmOptions::Seite_XAchse()
{
    auto* seite = new QWidget(this);
    List1 = new QListWidget(seite);
    // The boxes and buttons only show: what editing a conversion here would mean is not settled.
    txtXName = new QLineEdit(seite);
    txtXName->setReadOnly(true);
    txtXFaktor = new QLineEdit(seite);
    txtXFaktor->setReadOnly(true);
    cmdXAchseNeu = new fxbutton(Text(328), seite);
    cmdXAchseLoeschen = new fxbutton(Text(327), seite);
    for (fxbutton* button : {cmdXAchseNeu, cmdXAchseLoeschen}) {
        button->setFixedSize(90, 25);
        button->setEnabled(false);
    }
    auto* layout = new QGridLayout(seite);
    layout->addWidget(new QLabel(Text(326), seite), 0, 0);
    layout->addWidget(List1, 1, 0, 6, 1);
    layout->addWidget(new QLabel("Name:", seite), 1, 1);
    layout->addWidget(txtXName, 2, 1);
    layout->addWidget(new QLabel(Text(325), seite), 3, 1);
    layout->addWidget(txtXFaktor, 4, 1);
    auto* knoepfe = new QHBoxLayout();
    knoepfe->addWidget(cmdXAchseNeu);
    knoepfe->addWidget(cmdXAchseLoeschen);
    knoepfe->addStretch();
    layout->addLayout(knoepfe, 5, 1);
    layout->setRowStretch(6, 1);
    return seite;
}

QWidget* frmOptions::Seite_Formfaktoren()
{
    auto* seite = new QWidget(this);
    txtOrdner = new QPlainTextEdit(seite);
    txtOrdner->setReadOnly(true);
    lblFMKAnzahl = new QLabel(seite);
    auto* layout = new QVBoxLayout(seite);
    layout->addWidget(new QLabel(Text(341), seite));
    layout->addWidget(txtOrdner);
    layout->addWidget(lblFMKAnzahl);
    return seite;
}

QWidget* frmOptions::Seite_Programm()
{
    auto* seite = new QWidget(this);
    cmbLang = new QComboBox(seite);
    // The button style is chosen in the main window's menu and updates are looked for from the
    // help menu: these controls only show.
    cmbStyle = new QComboBox(seite);
    for (const auto& [name, style] : {std::pair{"Windows XP", 2}, {"Vista Aero", 3}, {"Vista Toolbar", 7}, {"Flat", 1},
                                      {"3D Hover", 11}, {"Gel", 10}})
        cmbStyle->addItem(name, style);
    cmbStyle->setEnabled(false);
    chkUpdate = {new QCheckBox(Text(314), seite), new QCheckBox(Text(315), seite)};
    auto* layout = new QGridLayout(seite);
    layout->addWidget(new QLabel(Text(26), seite), 0, 0);
    layout->addWidget(cmbLang, 0, 1);
    layout->addWidget(new QLabel("Style:", seite), 1, 0);
    layout->addWidget(cmbStyle, 1, 1);
    layout->addWidget(new QLabel("Updates:", seite), 2, 0);
    for (size_t i = 0; i < chkUpdate.size(); ++i) {
        chkUpdate[i]->setEnabled(false);
        layout->addWidget(chkUpdate[i], 2 + static_cast<int>(i), 1);
    }
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(4, 1);
    return seite;
}
