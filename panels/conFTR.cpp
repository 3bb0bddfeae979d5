#include "panels/conFTR.h"

#include "analysis/Daempfung.h"
#include "analysis/Testkurve.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsMath.h"
#include "core/KurvenTyp.h"
#include "core/RegionalFormat.h"
#include "core/Runtime.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/Vorschau.h"
#include "graphics/Zeichenhilfen.h"
#include "panels/PanelZahlen.h"
#include "widgets/fxbutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {

constexpr const char* kFenster = "conFTR";
constexpr uint32_t kCyan = 0xFFFF00;
constexpr int32_t kGruppeLinks = 4;
constexpr int32_t kZeile = 24;

QCheckBox* Kaestchen(QWidget* gruppe, int32_t x, int32_t y, int32_t breite, const QString& text)
{
    auto* box = new QCheckBox(text, gruppe);
    box->setGeometry(x, y, breite, 20);
    return box;
}

fxbutton* Knopf(QWidget* gruppe, int32_t x, int32_t y, int32_t breite, const QString& text)
{
    auto* knopf = new fxbutton(text, gruppe);
    knopf->setGeometry(x, y, breite, 22);
    return knopf;
}

QScrollBar* Schieber(QWidget* gruppe, int32_t x, int32_t y, int32_t breite, int32_t maximum, int32_t wert)
{
    auto* schieber = new QScrollBar(Qt::Horizontal, gruppe);
    schieber->setGeometry(x, y, breite, 18);
    schieber->setRange(0, maximum);
    schieber->setValue(wert);
    return schieber;
}

void Vorschau_Und_Extras()
{
    if (gGrafik) gGrafik->Update_Grafik();
    ShowWindowPreview();
}

conDisplay* Hauptdiagramm()
{
    return gGrafik ? gGrafik->Display(0) : nullptr;
}

}

conFTR::conFTR(QWidget* parent) : QWidget(parent)
{
    I_K_Gruppe_Erstellen();
    G_r_Gruppe_Erstellen();
    lblIK = new QLabel(this);
    lblIK->setGeometry(724, 4, 166, 54);
    lblIK->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SpracheUmstellen();
    PanelPlatz<FourierPanel>::Set(this);
}

conFTR::~conFTR()
{
    if (&PanelPlatz<FourierPanel>::Get() == this) PanelPlatz<FourierPanel>::Set(nullptr);
}

void conFTR::I_K_Gruppe_Erstellen()
{
    picTool_IK1 = new QWidget(this);
    picTool_IK1->setGeometry(kGruppeLinks, 0, 750, 118);
    QWidget* g = picTool_IK1;

    cmbDaempfung = new QComboBox(g);
    cmbDaempfung->setGeometry(0, 2, 160, 22);
    chkAbbruch = Kaestchen(g, 0, 2 + kZeile, 160, "Abbruch dämpfen");
    cmbOrdnung = new QComboBox(g);
    cmbOrdnung->setGeometry(0, 2 + 2 * kZeile, 60, 22);
    Check1 = Kaestchen(g, 0, 2 + 3 * kZeile, 160, "vordere Parabel");

    chkFFTImag = Kaestchen(g, 168, 2, 216, "FFT Imag anzeigen");
    chkGas = Kaestchen(g, 168, 2 + kZeile, 216, "Gas anzeigen");
    chkUG = Kaestchen(g, 168, 2 + 2 * kZeile, 216, "Untergrund anzeigen");
    Check2 = Kaestchen(g, 168, 2 + 3 * kZeile, 216, "");

    lblWichtung = new QLabel(g);
    lblWichtung->setGeometry(386, 2, 110, 34);
    lblWichtung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdWichtung[0] = Knopf(g, 386, 40, 30, "+");
    cmdWichtung[1] = Knopf(g, 420, 40, 30, "-");

    Label3 = new QLabel(g);
    Label3->setGeometry(500, 2, 60, 20);
    lblChi = new QLabel("Chi = 10000", g);
    lblChi->setGeometry(560, 2, 150, 20);
    cmdChi[0] = Knopf(g, 500, 2 + kZeile, 30, "+");
    cmdChi[1] = Knopf(g, 534, 2 + kZeile, 30, "-");
    for (size_t i = 0; i < 2; ++i) {
        const int32_t y = 2 + (2 + static_cast<int32_t>(i)) * kZeile;
        chkAbleitung[i] = Kaestchen(g, 500, y, 170, "");
        scrScale[i] = Schieber(g, 672, y + 1, 46, 100, 10);
    }

    connect(cmbDaempfung, &QComboBox::currentIndexChanged, this,
            [this] { UiGuard(kFenster, "cmbDaempfung_Click", [this] { cmbDaempfung_Click(); }); });
    connect(chkAbbruch, &QCheckBox::clicked, this, [this] {
        UiGuard(kFenster, "chkAbbruch_Click", [this] {
            rt::Object(gOptions).setAbbruchstelle_Daempfen(chkAbbruch->isChecked());
            Vorschau_Und_Extras();
        });
    });
    connect(cmbOrdnung, &QComboBox::textActivated, this, [this](const QString& text) {
        UiGuard(kFenster, "cmbOrdnung_Click", [&] {
            rt::Object(gOptions).setAbbruchstelle_Ordnung(text.toInt());
            Vorschau_Und_Extras();
        });
    });
    // The readers of these two options live in the model, which cannot ask the panel.
    connect(Check1, &QCheckBox::toggled, this, [](bool an) { if (gIK) gIK->setParabel_Vorn(an); });
    for (QCheckBox* box : {chkFFTImag, chkGas, chkUG})
        connect(box, &QCheckBox::clicked, this, [] {
            UiGuard(kFenster, "Ansicht_Click", [] { if (gGrafik) gGrafik->Zeichne(true); });
        });
    connect(Check2, &QCheckBox::clicked, this,
            [this] { UiGuard(kFenster, "Check2_Click", [this] { Peakabstaende_Zeichnen(); }); });
    for (int32_t i = 0; i < 2; ++i) {
        const auto s = static_cast<size_t>(i);
        connect(cmdWichtung[s], &fxbutton::Click, this,
                [this, i] { UiGuard(kFenster, "cmdWichtung_Click", [&] { cmdWichtung_Click(i); }); });
        connect(cmdChi[s], &fxbutton::Click, this,
                [this, i] { UiGuard(kFenster, "cmdChi_Click", [&] { cmdChi_Click(i); }); });
        connect(chkAbleitung[s], &QCheckBox::clicked, this,
                [this] { UiGuard(kFenster, "chkAbleitung_Click", [this] { Ableitungen_Zeichnen(); }); });
        connect(scrScale[s], &QScrollBar::valueChanged, this,
                [this] { UiGuard(kFenster, "scrScale_Change", [this] { Ableitungen_Zeichnen(); }); });
    }
}

void conFTR::G_r_Gruppe_Erstellen()
{
    picTool_Gr = new QWidget(this);
    picTool_Gr->setGeometry(kGruppeLinks, 0, 750, 118);
    picTool_Gr->hide();
    QWidget* g = picTool_Gr;

    Label1 = new QLabel("A = ", g);
    Label1->setGeometry(0, 4, 30, 20);
    txtA = new QLineEdit("0,5", g);
    txtA->setGeometry(32, 2, 70, 22);
    Label2 = new QLabel("C = 1,000", g);
    Label2->setGeometry(0, 2 + kZeile, 102, 20);
    scrC = Schieber(g, 0, 2 + 2 * kZeile, 200, 3000, 1000);
    chkAOShow = Kaestchen(g, 220, 2, 200, "AO anzeigen");
    chkAOWeg = Kaestchen(g, 220, 2 + kZeile, 200, "AO entfernen");
    cmdPBGr = Knopf(g, 220, 2 + 3 * kZeile, 140, "PeakBuilder G(r)");

    const auto ao = [this] { UiGuard(kFenster, "AO_Anzeigen", [this] { AO_Anzeigen(); }); };
    connect(chkAOShow, &QCheckBox::clicked, this, ao);
    connect(txtA, &QLineEdit::textChanged, this, ao);
    connect(scrC, &QScrollBar::valueChanged, this, ao);
    connect(chkAOWeg, &QCheckBox::toggled, this, [](bool an) { if (gIK) gIK->setAO_Weg(an); });
    connect(cmdPBGr, &fxbutton::Click, this, [this] {
        hide();
        emit PeakBuilder();
    });
}

void conFTR::Zeigen(int32_t Kurve)
{
    gMath = std::make_unique<clsMath>();
    clsIK& ik = rt::Object(gIK);
    ik.setParabel_Vorn(Check1->isChecked());
    ik.setAO_Weg(chkAOWeg->isChecked());
    const clsOptions& options = rt::Object(gOptions);
    cmbOrdnung->clear();
    for (int32_t i = 1; i <= 30; ++i) cmbOrdnung->addItem(QString::number(i));
    cmbOrdnung->setCurrentText(QString::number(options.Abbruchstelle_Ordnung()));
    chkAbbruch->setChecked(options.Abbruchstelle_Daempfen());
    chi_ = 10000.0f;
    geglaettet_ = false;
    lblChi->setText("Chi = 10000");
    if (Kurve == KT_IK) {
        // An I(K) a project starts from is shown undamped, with the low-K model that every damping fits.
        const QSignalBlocker still(cmbDaempfung);
        cmbDaempfung->setCurrentIndex(0);
        daempfung_ = DA_Keine;
        ik.Daempfen(DA_Keine);
    } else {
        // Setting the list applies the damping only when the selection changes. An I(K) that was
        // not computed from the background (the back-transform of a G(r) the project started from)
        // keeps the damping it has; the list names that one.
        cmbDaempfung->setCurrentIndex(daempfung_);
        Daempfung_Erneuern();
    }

    const bool ikSchritt = Kurve == KT_IK_Wichtung;
    for (QWidget* w : {static_cast<QWidget*>(lblWichtung), static_cast<QWidget*>(cmdWichtung[0]),
                       static_cast<QWidget*>(cmdWichtung[1]), static_cast<QWidget*>(chkFFTImag)})
        w->setVisible(ikSchritt);
    cmbDaempfung->setVisible(Kurve == KT_IK || ikSchritt);
    lblIK->setText(Text(419) + "\n" + Text(420) + "\n" + Text(421));
    show();
    switch (Kurve) {
    case KT_IK:
        gMath->CopyArrayFromCurve(KT_IK);
        picTool_IK1->show();
        lblIK->hide();
        picTool_Gr->hide();
        break;
    case KT_GR:
        gMath->CopyArrayFromCurve(KT_GR);
        picTool_Gr->show();
        picTool_IK1->hide();
        lblIK->hide();
        break;
    case KT_IK_Wichtung:
        picTool_IK1->show();
        lblIK->show();
        picTool_Gr->hide();
        Wichtung_Anzeigen(true);
        gMath->CopyArrayFromCurve(KT_IK_Wichtung);
        break;
    default:
        hide();
    }
}

void conFTR::Daempfung_Anwenden()
{
    // "nicht gedämpft" too: a damping of any kind also fits the low-K model, which the computation
    // leaves at no index at all.
    Daempfen(daempfung_);
}

void conFTR::Daempfen(int32_t Art)
{
    rt::Object(gIK).Daempfen(Art);
    Daempfung_Erneuern();
}

void conFTR::Daempfung_Erneuern()
{
    const clsIK& ik = rt::Object(gIK);
    if (ik.Punkte() == 0 || ik.Daempfung() == daempfung_) return;
    const QSignalBlocker still(cmbDaempfung);
    daempfung_ = ik.Daempfung();
    cmbDaempfung->setCurrentIndex(daempfung_);
}

void conFTR::ShowPeakBuilder(bool ShowIt)
{
    cmdPBGr->setVisible(ShowIt);
}

void conFTR::StyleUmstellen()
{
    const int32_t stil = rt::Object(gOptions).ButtonStyle();
    for (fxbutton* knopf : {cmdWichtung[0], cmdWichtung[1], cmdChi[0], cmdChi[1], cmdPBGr}) knopf->setButtonStyle(stil);
}

void conFTR::SpracheUmstellen()
{
    if (!gLanguage) return;
    Label3->setText(Text(13) + ":");
    chkAbleitung[0]->setText(Text(293) + " (magenta)");
    chkAbleitung[1]->setText(Text(294) + " (cyan)");
    if (gIK) Wichtung_Anzeigen(false);
    lblIK->setText(Text(419) + "\n" + Text(420) + "\n" + Text(421));
    chkAbbruch->setText(Text(413));
    Check1->setText(Text(414));
    chkFFTImag->setText("FFT Imag " + Text(415));
    chkAOShow->setText("AO " + Text(415));
    chkAOWeg->setText("AO " + Text(416));
    chkGas->setText("Gas " + Text(415) + " " + Text(432));
    chkUG->setText(Text(321) + " " + Text(415) + " " + Text(432));
    // The peak distances of G(r) have no entry in the text table.
    Check2->setText(gLanguage->Offset() == 0 ? "Peakabstände (magenta)" : "Peak distances (magenta)");
    Daempfungsliste_Fuellen();
}

void conFTR::Daempfungsliste_Fuellen()
{
    // Refilling is no choice of the user: the remembered kind stays selected and is not applied again.
    const QSignalBlocker still(cmbDaempfung);
    cmbDaempfung->clear();
    for (const int32_t art : {DA_Keine, DA_Lorch, DA_Lorch_Shifted, DA_Exp})
        cmbDaempfung->addItem(QString::fromStdString(Daempfung_Listentext(art)), art);
    cmbDaempfung->setCurrentIndex(daempfung_);
}

bool conFTR::Parabel_Vorn() const { return Check1->isChecked(); }
bool conFTR::ShowUG() const { return chkUG->isChecked(); }
bool conFTR::ShowGas() const { return chkGas->isChecked(); }
bool conFTR::ShowFFTImag() const { return chkFFTImag->isChecked(); }
bool conFTR::AO_Weg() const { return chkAOWeg->isChecked(); }
bool conFTR::ShowOszi() const { return chkAOShow->isChecked(); }

void conFTR::Wichtung_Anzeigen(bool mitDoppelpunkt)
{
    const int32_t prozent = Ganze_Prozent(rt::Object(gIK).Wichtung());
    lblWichtung->setText(Text(412) + (mitDoppelpunkt ? ":" : "") + "\n" + QString::number(prozent) + " %");
}

void conFTR::cmbDaempfung_Click()
{
    if (cmbDaempfung->currentIndex() < 0) return;
    daempfung_ = cmbDaempfung->currentData().toInt();
    Daempfen(daempfung_);
    ShowWindowPreview();
    if (gGrafik) gGrafik->Zeichne(true);
    emit IK_Geaendert();
}

void conFTR::Wichtung_Erneuern() { Wichtung_Anzeigen(false); }

void conFTR::cmdWichtung_Click(int32_t Index)
{
    clsIK& ik = rt::Object(gIK);
    const double schritt = Index == 0 ? 0.05 : -0.05;
    ik.setWichtung(static_cast<float>(ik.Wichtung() + schritt));
    Wichtung_Anzeigen(false);
    Vorschau_Und_Extras();
    emit IK_Geaendert();
}

void conFTR::cmdChi_Click(int32_t Index)
{
    chi_ = Index == 0 ? chi_ * 2.0f : chi_ / 2.0f;
    geglaettet_ = true;
    lblChi->setText("Chi = " + QString::fromStdString(Lokale_Zahl(chi_)));
    rt::Object(gMath).Glaetten(chi_);
    Ableitungen_Zeichnen();
}

void conFTR::Ableitungen_Zeichnen()
{
    clsMath& math = rt::Object(gMath);
    if (!math.Ableitungen_Berechnen(false, geglaettet_)) return;
    conDisplay* display = Hauptdiagramm();
    if (!display) return;
    display->Display_CLS();
    for (size_t k = 0; k < 2; ++k) {
        if (!chkAbleitung[k]->isChecked()) continue;
        const uint32_t farbe = k == 0 ? farbe::Magenta : kCyan;
        const float skala = scrScale[k]->value() / 10.0f;
        display->Zeichne_Punkt(math.x(1), 0.0f, farbe);
        for (int32_t i = 2; i <= math.Punkte() - 1; ++i)
            display->Zeichne_LinieZu(math.x(i), skala * (k == 0 ? math.Y_Ableitung_1(i) : math.Y_Ableitung_2(i)), farbe);
    }
}

void conFTR::Peakabstaende_Zeichnen()
{
    const std::vector<float> abstaende = Peakabstaende_K();
    conDisplay* display = Hauptdiagramm();
    if (abstaende.empty() || !display) return;
    display->Display_CLS();
    const float maximum = rt::Object(gIK).Maximum();
    for (const float K : abstaende) {
        display->Zeichne_Punkt(K, maximum, farbe::Magenta);
        display->Zeichne_LinieZu(K, maximum - maximum / 10.0f, farbe::Magenta);
    }
}

void conFTR::AO_Anzeigen()
{
    if (!chkAOShow->isChecked()) {
        if (gGrafik) gGrafik->Update_Grafik();
        return;
    }
    const std::optional<float> A = Feld_Zahl(txtA->text().toStdString());
    if (!A) return;
    const float C = static_cast<float>(scrC->value() / 1000.0);
    Label2->setText(QString::fromStdString(zelo::FormatNumber(C, 3)));
    rt::Object(gGR).AO_Berechnen(*A, C);
    if (gGrafik) gGrafik->Update_Grafik();
}

void conFTR::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (QWidget* gruppe : {picTool_IK1, picTool_Gr}) {
        const int32_t breite = width() - 2 * gruppe->x();
        if (breite >= 0) gruppe->resize(breite, gruppe->height());
    }
}
