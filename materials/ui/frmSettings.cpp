// The project settings window: its controls, the opening sequence, the project options with the
// unit lists and the folder row.
#include "materials/ui/frmSettings.h"

#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "core/ui/Titelbreite.h"
#include "core/ui/UiGuard.h"
#include "materials/clsMFE.h"
#include "materials/clsXAchse.h"
#include "materials/ui/frmSettings_Intern.h"
#include "widgets/fxbutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

using einstellungen::Text;
using einstellungen::Uebersprungen;

namespace {

constexpr float kFaktor_Gefaltet = 37.74f;
constexpr int kPfadbreite = 380;

// The project type each option stands for.
constexpr std::array<int32_t, frmSettings::kOptionen> kOptionTyp = {
    PT_Beugung, PT_ELMI, PT_Fit, PT_IK, PT_GR, PT_Unbekannt, PT_Mittel, PT_Potential};
// The option whose unit list is in use: K for S(K) and I(K), r for G(r), r for v(r).
constexpr std::array<int, 3> kEinheitOption = {3, 4, 7};

// The option that belongs to a project type; -1 for v(K), which none describes.
int Option_Von_Typ(int32_t typ)
{
    switch (typ) {
    case PT_Beugung: return 0;
    case PT_ELMI:
    case PT_ELMI_Bild:
    case PT_Bild_Digitalisieren: return 1;
    case PT_IK: return 3;
    case PT_GR: return 4;
    case PT_Fit: return 2;
    case PT_Mittel: return 6;
    case PT_Potential: return 7;
    case PT_Potential_K: return -1;
    default: return 5;
    }
}

// The path shortened in its middle until it fits the label.
QString Kurzer_Pfad(const QLabel* label, const std::string& path)
{
    const QFontMetrics metrics(label->font());
    for (auto max = static_cast<int32_t>(QString::fromStdString(path).size()); max > 0; --max) {
        const QString text = QString::fromStdString(gCommon->CompactPath(path, max));
        if (metrics.horizontalAdvance(text) <= label->width()) return text;
    }
    return {};
}

}

frmSettings::frmSettings(QWidget* owner) : QDialog(owner)
{
    setModal(true);
    setWindowTitle("Projektdaten wählen");
    Steuerelemente_Anordnen();
    Form_Load();
    Ereignisse_Verbinden();
    Titelbreite_Halten(*this);
}

frmSettings::~frmSettings() = default;

Einheitenwahl frmSettings::Einheiten() const
{
    // An unselected list counts as its first entry.
    const QComboBox* r = optProjekt[7]->isChecked() ? cmbX[2] : cmbX[1];
    return {std::max(cmbX[0]->currentIndex(), 0), std::max(r->currentIndex(), 0)};
}

void frmSettings::Steuerelemente_Anordnen()
{
    Label12 = new QLabel(this);
    Label10 = new QLabel(this);
    Label10->setFixedWidth(kPfadbreite);
    Label11 = new QLabel(this);
    txtOrdner = new QLineEdit(this);
    cmdSave = new fxbutton("...", this);
    cmdSave->setFixedSize(30, 22);
    auto* oben = new QGridLayout();
    oben->addWidget(Label12, 0, 0);
    oben->addWidget(Label10, 0, 1, 1, 2);
    oben->addWidget(Label11, 1, 0);
    oben->addWidget(txtOrdner, 1, 1);
    oben->addWidget(cmdSave, 1, 2);

    Frame4 = new QGroupBox(this);
    auto* projekt = new QGridLayout(Frame4);
    for (int i = 0; i < kOptionen; ++i) {
        optProjekt[static_cast<size_t>(i)] = new QRadioButton(Frame4);
        projekt->addWidget(optProjekt[static_cast<size_t>(i)], i, 0);
    }
    optProjekt[3]->setText("S(K), I(K)");
    optProjekt[4]->setText("G(r)");
    optProjekt[7]->setText("Potential v(r)");
    for (size_t k = 0; k < cmbX.size(); ++k) {
        cmbX[k] = new QComboBox(Frame4);
        cmbX[k]->addItems(k == 0 ? QStringList{"K in 1/nm", "K in 1/A"} : QStringList{"r in nm", "r in A"});
        cmbX[k]->setCurrentIndex(-1);
        cmbX[k]->setEnabled(false);
        projekt->addWidget(cmbX[k], kEinheitOption[k], 1);
    }
    Check1 = new QCheckBox(Frame4);
    projekt->addWidget(Check1, kOptionen, 0, 1, 2);

    Frame1 = new QGroupBox(this);
    auto* achse = new QGridLayout(Frame1);
    Option1 = {new QRadioButton(Frame1), new QRadioButton(Frame1)};
    Option1[0]->setChecked(true);
    cmbTrafo = new QComboBox(Frame1);
    Text1 = new QLineEdit("37", Frame1);
    Text1->setEnabled(false);
    Label1 = new QLabel("SMP/nm", Frame1);
    lblFaktor = new QLabel(Frame1);
    achse->addWidget(Option1[0], 0, 0);
    achse->addWidget(cmbTrafo, 0, 1, 1, 2);
    achse->addWidget(Option1[1], 1, 0);
    achse->addWidget(Text1, 1, 1);
    achse->addWidget(Label1, 1, 2);
    achse->addWidget(lblFaktor, 2, 0, 1, 3);

    Frame3 = new QGroupBox(this);
    auto* legierung = new QGridLayout(Frame3);
    Label6 = new QLabel(Frame3);
    lblAnzahl = new QLabel(Frame3);
    CmdKomponente = {new fxbutton("+", Frame3), new fxbutton("-", Frame3)};
    cmbFMKTyp = new QComboBox(Frame3);
    auto* anzahl = new QHBoxLayout();
    anzahl->addWidget(Label6);
    anzahl->addWidget(lblAnzahl);
    for (fxbutton* knopf : CmdKomponente) {
        knopf->setFixedSize(24, 22);
        anzahl->addWidget(knopf);
    }
    anzahl->addStretch();
    anzahl->addWidget(cmbFMKTyp);
    legierung->addLayout(anzahl, 0, 0, 1, 9);
    Label5 = new QLabel(Frame3);
    Label2 = new QLabel("at %", Frame3);
    Label3 = new QLabel(Frame3);
    Label4 = new QLabel(Frame3);
    Label7 = new QLabel("FMK", Frame3);
    legierung->addWidget(Label5, 1, 0, 1, 2);
    legierung->addWidget(Label2, 1, 2);
    legierung->addWidget(Label3, 1, 3, 1, 2);
    legierung->addWidget(Label4, 1, 5, 1, 2);
    legierung->addWidget(Label7, 1, 7, 1, 2);
    for (size_t i = 0; i < kZeilen; ++i) {
        cmbElement[i] = new QComboBox(Frame3);
        lblElement[i] = new QLabel(Frame3);
        lblElement[i]->setMinimumWidth(90);
        txtProzent[i] = new QLineEdit(Frame3);
        txtProzent[i]->setFixedWidth(60);
        cmdDichte[i] = new QComboBox(Frame3);
        txtDichte[i] = new QLineEdit(Frame3);
        txtDichte[i]->setFixedWidth(80);
        cmbValenz[i] = new QComboBox(Frame3);
        txtValenz[i] = new QLineEdit(Frame3);
        txtValenz[i]->setFixedWidth(80);
        lblFMK[i] = new QLabel(Frame3);
        lblFMK[i]->setFixedSize(12, 20);
        lblFMK[i]->setAutoFillBackground(true);
        cmbFMK[i] = new QComboBox(Frame3);
        cmbFMK[i]->setMinimumWidth(200);
        int spalte = 0;
        for (QWidget* w : Zeile(i)) legierung->addWidget(w, static_cast<int>(i) + 2, spalte++);
        Markieren(static_cast<int>(i), false);
    }

    Frame2 = new QGroupBox(this);
    auto* probe = new QGridLayout(Frame2);
    Label14 = new QLabel(Frame2);
    txtUH = new QLineEdit(Frame2);
    Label15 = new QLabel("kV", Frame2);
    Label8 = new QLabel(Frame2);
    txtTemper = new QLineEdit(Frame2);
    Label9 = new QLabel("Kelvin", Frame2);
    Label13 = new QLabel(Frame2);
    txtBem = new QPlainTextEdit(Frame2);
    txtBem->setFixedHeight(60);
    probe->addWidget(Label14, 0, 0);
    probe->addWidget(txtUH, 0, 1);
    probe->addWidget(Label15, 0, 2);
    probe->addWidget(Label8, 1, 0);
    probe->addWidget(txtTemper, 1, 1);
    probe->addWidget(Label9, 1, 2);
    probe->addWidget(Label13, 2, 0, Qt::AlignTop);
    probe->addWidget(txtBem, 2, 1, 1, 2);

    cmdOK = new fxbutton("OK", this);
    cmdCancel = new fxbutton(this);
    cmdOK->setDefault(true);
    cmdCancel->setCancel(true);
    auto* knoepfe = new QHBoxLayout();
    knoepfe->addStretch();
    for (fxbutton* knopf : {cmdOK, cmdCancel}) {
        knopf->setFixedSize(90, 25);
        knoepfe->addWidget(knopf);
    }

    auto* links = new QVBoxLayout();
    links->addWidget(Frame4);
    links->addWidget(Frame1);
    links->addStretch();
    auto* rechts = new QVBoxLayout();
    rechts->addWidget(Frame3);
    rechts->addWidget(Frame2);
    auto* mitte = new QHBoxLayout();
    mitte->addLayout(links);
    mitte->addLayout(rechts);
    auto* fenster = new QVBoxLayout(this);
    fenster->addLayout(oben);
    fenster->addLayout(mitte);
    fenster->addLayout(knoepfe);
    fenster->setSizeConstraint(QLayout::SetFixedSize);
}

void frmSettings::Ereignisse_Verbinden()
{
    for (int i = 0; i < kOptionen; ++i)
        connect(optProjekt[static_cast<size_t>(i)], &QRadioButton::clicked, this,
                GuardedSlot("frmSettings", "optProjekt_Click", [this, i] { optProjekt_Click(i); }));
    connect(cmdSave, &fxbutton::Click, this, GuardedSlot("frmSettings", "cmdSave_Click", [this] { cmdSave_Click(); }));
    connect(cmdCancel, &fxbutton::Click, this, &QDialog::reject);
    connect(cmdOK, &fxbutton::Click, this, &frmSettings::cmdOK_Click);
    for (int k = 0; k < 2; ++k) {
        connect(CmdKomponente[static_cast<size_t>(k)], &fxbutton::Click, this, [this, k] { CmdKomponente_Click(k); });
        connect(Option1[static_cast<size_t>(k)], &QRadioButton::clicked, this, [this, k] { Option1_Click(k); });
    }
    for (int i = 0; i < kZeilen; ++i) {
        const auto z = static_cast<size_t>(i);
        connect(cmbElement[z], &QComboBox::activated, this, [this, i] { cmbElement_Click(i); });
        connect(cmdDichte[z], &QComboBox::activated, this,
                GuardedSlot("frmSettings", "cmdDichte_Click", [this, i] { cmdDichte_Click(i); }));
        connect(cmbValenz[z], &QComboBox::activated, this, [this, i] { cmbValenz_Click(i); });
        connect(cmbFMK[z], &QComboBox::activated, this,
                GuardedSlot("frmSettings", "cmbFMK_Click", [this, i] { cmbFMK_Click(i); }));
        connect(txtProzent[z], &QLineEdit::textChanged, this,
                GuardedSlot("frmSettings", "txtProzent_Change", [this, i] { txtProzent_Change(i); }));
    }
    connect(cmbFMKTyp, &QComboBox::activated, this,
            GuardedSlot("frmSettings", "cmbFMKTyp_Click", [this] { cmbFMKTyp_Click(); }));
    connect(cmbTrafo, &QComboBox::activated, this, &frmSettings::cmbTrafo_Click);
    connect(Text1, &QLineEdit::textChanged, this,
            GuardedSlot("frmSettings", "Text1_Change", [this] { Text1_Change(); }));
}

void frmSettings::Form_Load()
{
    geladen_ = false;
    projektTyp_ = gCommon->ProjektTyp();
    faktorX_ = gOptions->Faktor_X();
    komponenten_ = gMFE->Komponenten();

    Uebersprungen([this] { Beschriftungen_Setzen(); });
    Uebersprungen([this] { Strahlungsarten_Auflisten(); });
    for (fxbutton* knopf : {cmdOK, cmdCancel, cmdSave, CmdKomponente[0], CmdKomponente[1]})
        knopf->setButtonStyle(gOptions->ButtonStyle());
    for (QWidget* w : std::initializer_list<QWidget*>{Label11, txtOrdner, cmdSave}) w->setVisible(false);
    Zeilen_Wiederherstellen();
    Uebersprungen([this] { XAchsen_Auflisten(); });
    Getippten_Faktor_Anbieten();
    Uebersprungen([this] { Zeilenzahl_Wiederherstellen(); });
    cmbX[0]->setCurrentIndex(0);
    cmbX[1]->setCurrentIndex(0);
    Uebersprungen([this] {
        cmbFMKTyp->setCurrentIndex(0);
        cmbFMKTyp_Click();
    });
    Label10->setText(Kurzer_Pfad(Label10, gCommon->Dateiname_Rohdaten()));
    txtOrdner->setText(QString::fromStdString(gCommon->Ordner()));
    txtUH->setText("0");
    Uebersprungen([this] { Projekt_Auswaehlen(); });
    geladen_ = true;
    // Stored shares need not add up to 100 (the first start stores none): the last row takes the rest.
    txtProzent_Change(0);
}

void frmSettings::Beschriftungen_Setzen()
{
    cmdCancel->setCaption(Text(92));
    Label12->setText(Text(157));
    Label11->setText(Text(158));
    Frame3->setTitle(Text(159));
    Label6->setText(Text(160));
    Label5->setText(Text(161));
    Label3->setText(Text(162) + " [g/cm³]");
    Label4->setText(Text(163));
    Frame1->setTitle(Text(164));
    Option1[0]->setText(Text(165));
    Option1[1]->setText(Text(166));
    Label14->setText(Text(167));
    Frame2->setTitle(Text(168));
    Label8->setText(Text(169));
    Label13->setText(Text(170));
    Frame4->setTitle(Text(171));
    optProjekt[0]->setText(Text(172) + " (PHDS)");
    optProjekt[1]->setText(Text(172) + " (ELMI, [K]=1/°A)");
    optProjekt[2]->setText(Text(172) + " " + Text(175) + ", Fit ([K=1/nm])");
    optProjekt[5]->setText(Text(176));
    optProjekt[6]->setText(Text(172) + " " + Text(174) + " ([K=1/nm])");
    Check1->setText(Text(173));
}

void frmSettings::Projekt_Auswaehlen()
{
    const int32_t typ = gCommon->ProjektTyp();
    if (typ == PT_Beugung) txtUH->setText("-68");
    if (typ == PT_ELMI) txtUH->setText("-200");
    const int option = Option_Von_Typ(typ);
    if (option < 0) return;
    optProjekt[static_cast<size_t>(option)]->setChecked(true);
    optProjekt_Click(option);
}

void frmSettings::optProjekt_Click(int Index)
{
    // With test peaks in I(K) the test-curve panel owns the project type: the options leave it alone.
    if (gCommon->ProjektTyp_Spezial() == PTS_Testpeaks_IK) return;
    // A diffraction image or a digitised picture is read as a one-sided spectrum but keeps its own type.
    const bool bild = projektTyp_ == PT_ELMI_Bild || projektTyp_ == PT_Bild_Digitalisieren;
    if (Index != 1 || !bild) projektTyp_ = kOptionTyp[static_cast<size_t>(Index)];
    Frame1->setVisible(Index == 0 || Index == 5);
    if (Index == 6) Faktor_Setzen(kFaktor_Gefaltet);
    for (size_t k = 0; k < cmbX.size(); ++k) cmbX[k]->setEnabled(Index == kEinheitOption[k]);
}

void frmSettings::cmdSave_Click()
{
    if (gCommon->ShowFolder(gLanguage->Caption(181))) txtOrdner->setText(QString::fromStdString(gCommon->Ordner()));
}
