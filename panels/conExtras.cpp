#include "panels/conExtras.h"

#include "analysis/Modelllinien.h"
#include "analysis/clsGR.h"
#include "analysis/clsGauss.h"
#include "analysis/clsIK.h"
#include "core/KeyedCollection.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "graphics/DiagrammMaus.h"
#include "graphics/Zeichenhilfen.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"
#include "mainwindow/clsSchritte.h"
#include "materials/clsElement.h"
#include "materials/clsMFE.h"
#include "panels/Formelzeichen.h"
#include "widgets/fxbutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

constexpr const char* kName = "conExtras";
constexpr double kZweiPi = 6.28318530717958;
constexpr uint32_t kNavy = 0x800000;
constexpr int32_t kZeile = 24;
constexpr int32_t kIK_Schritt = 15;
constexpr int32_t kGR_Schritt = 16;

QLabel* Wert(QWidget* eltern, int32_t x, int32_t zeile, int32_t breite = 76)
{
    auto* label = new QLabel("0,000", eltern);
    label->setGeometry(x, 2 + kZeile * zeile, breite, 20);
    return label;
}

Formelzeichen* Legende(QWidget* eltern, int32_t x)
{
    auto* legende = new Formelzeichen(eltern);
    legende->setGeometry(x, 0, 36, 4 * kZeile);
    return legende;
}

conDisplay* Diagramm(int32_t index) { return gGrafik ? gGrafik->Display(index) : nullptr; }

void Linien(conDisplay* d, const std::vector<float>& xs, uint32_t farbe)
{
    if (d)
        for (const float x : xs) d->Zeichne_Linie_X3(x, farbe);
}

void Loeschen()
{
    for (int32_t i = 0; i < 2; ++i)
        if (conDisplay* d = Diagramm(i)) d->Display_CLS();
}

}

conExtras::conExtras(QWidget* parent) : QWidget(parent)
{
    // Values: the positions, the wavelengths and K_pe/K_pp, the ratios and angles.
    for (int32_t i = 0; i < 4; ++i) {
        cmdPosition[i] = new fxbutton("\u25B6", this);
        cmdPosition[i]->setGeometry(0, 1 + kZeile * i, 22, 22);
        connect(cmdPosition[i], &fxbutton::Click, this,
                GuardedSlot(kName, "cmdPosition_Click", [this, i] { cmdPosition_Click(i); }));
    }
    pic[0] = Legende(this, 26);
    lblKpp = Wert(this, 64, 0);
    lblKpe = Wert(this, 64, 1);
    lblr0 = Wert(this, 64, 2);
    lblr1 = Wert(this, 64, 3);
    pic[1] = Legende(this, 146);
    lblLambda[1] = Wert(this, 184, 0);
    lblLambda[0] = Wert(this, 184, 1);
    Label2 = Wert(this, 184, 3);
    Label2->clear();
    pic[2] = Legende(this, 266);
    lbltau[0] = Wert(this, 302, 0);
    lbltau[1] = Wert(this, 302, 1);
    lblWinkel[0] = Wert(this, 302, 2, 90);
    lblWinkel[1] = Wert(this, 302, 3, 90);

    cmdZurueck = new fxbutton(this);
    cmdZurueck->setGeometry(884, 0, 110, 28);
    connect(cmdZurueck, &fxbutton::Click, this, [this] { emit Verlassen(); });

    Label1 = new QLabel("Anzeigen:", this);
    Label1->setGeometry(398, 0, 120, 16);
    for (int32_t i = 0; i < 3; ++i) {
        cmdCheck[i] = new fxbutton(this);
        cmdCheck[i]->setMode(fxbutton::ModeCheck);
        cmdCheck[i]->setGeometry(398, 18 + 34 * i, 124, 28);
    }
    for (int32_t i = 0; i < 2; ++i)
        connect(cmdCheck[i], &fxbutton::Click, this, GuardedSlot(kName, "MFE", [this] { MFE(); }));

    Frame2 = new QGroupBox(this);
    Frame2->setGeometry(528, 0, 124, 60);
    Frame4 = new QGroupBox("ACO", this);
    Frame4->setGeometry(528, 62, 124, 57);
    for (int32_t i = 0; i < 2; ++i) {
        optAnalyse[i] = new QRadioButton(Frame2);
        optAnalyse[i]->setGeometry(6, 16 + 20 * i, 116, 20);
        Check1[i] = new QCheckBox(i == 0 ? "SPO" : "ACO", Frame4);
        Check1[i]->setGeometry(6, 16 + 20 * i, 110, 20);
        connect(Check1[i], &QCheckBox::clicked, this, GuardedSlot(kName, "Check1_Click", [this] { Zeichne_Analyse(); }));
    }
    optAnalyse[0]->setChecked(true);

    Frame1 = new QGroupBox(this);
    Frame1->setGeometry(654, 0, 72, 60);
    for (int32_t i = 0; i < 2; ++i) {
        optR1[i] = new QRadioButton(i == 0 ? "5/4" : "6/5", Frame1);
        optR1[i]->setGeometry(6, 16 + 20 * i, 62, 20);
        connect(optR1[i], &QRadioButton::clicked, this, GuardedSlot(kName, "MFE", [this] { MFE(); }));
    }
    optR1[0]->setChecked(true);

    Frame3 = new QGroupBox(this);
    Frame3->setGeometry(730, 0, 150, 119);
    cmbElement = new QComboBox(Frame3);
    cmbElement->setGeometry(6, 18, 64, 22);
    connect(cmbElement, &QComboBox::activated, this, GuardedSlot(kName, "cmbElement_Click", [this] { cmbElement_Click(); }));
    for (int32_t i = 0; i < 3; ++i) {
        cmbIndex[i] = new QComboBox(Frame3);
        cmbIndex[i]->setGeometry(6 + 46 * i, 44, 44, 22);
        connect(cmbIndex[i], &QComboBox::activated, this, GuardedSlot(kName, "Zeige_Abstand", [this] { Zeige_Abstand(); }));
    }
    lblAbstand = new QLabel(Frame3);
    lblAbstand->setGeometry(6, 70, 140, 40);
    lblAbstand->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    StyleUmstellen();
    SpracheUmstellen();
    PanelPlatz<StrukturwertePanel>::Set(this);
}

conExtras::~conExtras()
{
    if (&PanelPlatz<StrukturwertePanel>::Get() == this) PanelPlatz<StrukturwertePanel>::Set(nullptr);
}

bool conExtras::Analyse_Peak_Position() const { return optAnalyse[0]->isChecked(); }

bool conExtras::Analyse_Peak_Range() const { return optAnalyse[1]->isChecked(); }

bool conExtras::StrukturWerteAnzeigen() const { return cmdCheck[2]->Value(); }

void conExtras::setStrukturWerteK(float K)
{
    // The cursor left of the axis' zero has no structure.
    if (!(K > 0.0f)) return;
    K_ = K;
    r_ = static_cast<float>(kZweiPi / K);
    Zeichne_Struktur();
}

void conExtras::setStrukturWerteR(float r)
{
    if (!(r > 0.0f)) return;
    // Stored at 4/5, so that the first r line (at 5/4 of it) lies under the cursor.
    r_ = r * 4.0f / 5.0f;
    K_ = static_cast<float>(kZweiPi / r_);
    Zeichne_Struktur();
}

void conExtras::Init()
{
    cmbElement->clear();
    for (const auto& [symbol, element] : colElemente) cmbElement->addItem(QString::fromStdString(element->Symbol()));
    for (QComboBox* liste : cmbIndex) {
        liste->clear();
        for (int32_t i = 0; i <= 10; ++i) liste->addItem(QString::number(i));
        liste->setCurrentIndex(0);
    }
    Zeichne_Legende();
    rt::Object(gGR).Peaks_Markieren();
    const clsGauss& gauss = rt::Object(gGauss);
    peaks_.clear();
    for (int32_t i = 1; i <= gauss.Anzahl(); ++i) peaks_.push_back(gauss.x(i));
    StyleUmstellen();
    SpracheUmstellen();
}

void conExtras::SpracheUmstellen()
{
    for (int32_t i = 0; i < 3; ++i) cmdCheck[i]->setCaption(Text(295 + i));
    cmdZurueck->setCaption(Text(492));
    Frame2->setTitle(Text(299));
    optAnalyse[0]->setText(Text(300));
    optAnalyse[1]->setText("G(r) " + Text(301));
    Frame1->setTitle("r1 " + Text(302) + "...");
    Frame3->setTitle(Text(303));
}

void conExtras::StyleUmstellen()
{
    for (fxbutton* knopf : cmdCheck) knopf->setButtonStyle(gOptions->ButtonStyle());
    for (fxbutton* knopf : cmdPosition) knopf->setButtonStyle(gOptions->ButtonStyle());
}

void conExtras::Berechnen()
{
    UiGuard(kName, "Berechnen", [this] {
        const clsIK& ik = rt::Object(gIK);
        const clsGR& gr = rt::Object(gGR);
        werte_.Berechnen(ik.K_pe(), ik.K_pp(), gr.r0(), gr.r1());
        const auto zeige = [](QLabel* label, const std::string& text) { label->setText(QString::fromStdString(text)); };
        zeige(Label2, werte_.Verhaeltnis);
        zeige(lblKpe, werte_.Kpe);
        zeige(lblKpp, werte_.Kpp);
        zeige(lblr0, werte_.r0);
        zeige(lblr1, werte_.r1);
        for (size_t i = 0; i < 2; ++i) {
            zeige(lblLambda[i], werte_.Lambda[i]);
            zeige(lbltau[i], werte_.Tau[i]);
            zeige(lblWinkel[i], werte_.Winkel[i]);
        }
        Zeichne_Analyse();
    });
}

void conExtras::cmdPosition_Click(int32_t index)
{
    conDisplay* d = Diagramm(index < 2 ? 0 : 1);
    if (!d || index < 0 || index > 3) return;
    DiagrammMaus& maus = *d->Maus;
    bool* flag[4] = {&maus.SetKpp, &maus.SetKpe, &maus.Set_r0, &maus.Set_r1};
    *flag[index] = true;
}

void conExtras::Zeichne_Struktur()
{
    if (!cmdCheck[2]->Value()) return;
    try {
        const clsOptions& optionen = rt::Object(gOptions);
        const bool zwei = optionen.Ansicht_2_Fenster();
        const Markerlinien linien = Strukturlinien(K_, r_, optionen.Max_R(), zwei, rt::Object(gGrafik).LetzteKurve());
        conDisplay* k = Diagramm(0);
        conDisplay* r = zwei ? Diagramm(1) : k;
        if (k) k->Display_CLS();
        Linien(k, linien.K, farbe::Gruen);
        if (zwei && r) r->Display_CLS();
        Linien(r, linien.r, farbe::Gruen);
    } catch (const rt::RuntimeError& e) {
        clsError::ReportByMessage("Benutzersteuerelement", kName, "Zeichne_Struktur", e);
    }
}

void conExtras::Zeichne_Analyse()
{
    Loeschen();
    const Analyselinien linien =
        Analyselinien_Berechnen(werte_, rt::Object(gIK).K_pe(), rt::Object(gGR).r0(), peaks_, rt::Object(gOptions).Max_R(),
                                Check1[0]->isChecked(), Check1[1]->isChecked());
    Linien(Diagramm(0), linien.SPO.K, farbe::Magenta);
    Linien(Diagramm(1), linien.SPO.r, farbe::Magenta);
    Linien(Diagramm(1), linien.r_Peaks, farbe::Rot);
    Linien(Diagramm(0), linien.K_Tau, farbe::Blau);
    Linien(Diagramm(0), linien.K_Peaks, farbe::Rot);
}

void conExtras::MFE()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kName, "MFE");
    try {
        const clsMFE& mfe = rt::Object(gMFE);
        const float Z = mfe.Valenz();
        const float shift = optR1[0]->isChecked() ? 5.0f / 4.0f - 1.0f : 6.0f / 5.0f - 1.0f;
        const std::array<bool, 2> an{cmdCheck[0]->Value(), cmdCheck[1]->Value()};
        const std::array<float, 2> rho{mfe.Dichte_Theoretisch(), mfe.Dichte_Experimentell()};
        const std::array<uint32_t, 2> farben{farbe::Rot, farbe::Blau};
        if (rt::Object(gOptions).Ansicht_2_Fenster()) {
            Loeschen();
            for (size_t s = 0; s < 2; ++s) {
                if (!an[s]) continue;
                const float zweiKF = Fermi_Durchmesser(Z, rho[s]);
                const auto lambdaF = static_cast<float>(rt::Divide(kZweiPi, zweiKF));
                Linien(Diagramm(0), Fermi_Linien(zweiKF), farben[s]);
                Linien(Diagramm(1), Friedel_Linien(lambdaF, shift), farben[s]);
            }
            return;
        }
        // One diagram: the lines of the curve shown go into the overlay layer.
        clsGrafik& grafik = rt::Object(gGrafik);
        const clsWerkzeuge& werkzeuge = Schritte().Werkzeuge;
        const auto ueberlagern = [&](const std::vector<float>& xs, uint32_t farbe) {
            grafik.SetLayerForeColor(2, farbe);
            for (const float x : xs) grafik.DrawLineVertical(2, x);
        };
        const auto zeigen = [&] {
            grafik.MergeLayer();
            if (conDisplay* d = Diagramm(0)) d->Display_Background();
        };
        if (werkzeuge.Value(kIK_Schritt)) {
            if (an[0]) {
                gCommon->Record("");
                gCommon->Record("theoretische Werte:");
                ueberlagern(Fermi_Linien(Fermi_Durchmesser(Z, rho[0])), farbe::Rot);
            }
            if (an[1]) ueberlagern(Fermi_Linien(Fermi_Durchmesser(Z, rho[1]), rt::Object(gCalc).Maximum_X()), farbe::Blau);
            zeigen();
        }
        if (werkzeuge.Value(kGR_Schritt)) {
            if (Z == 0.0f) rt::Raise(rt::errDivisionByZero);
            const clsGR& gr = rt::Object(gGR);
            for (size_t s = 0; s < 2; ++s)
                if (an[s]) ueberlagern(Friedel_Linien(Friedel_Wellenlaenge(Z, rho[s]), shift, gr.R(gr.Punkte())), farben[s]);
            zeigen();
        }
    } catch (const rt::RuntimeError& e) {
        gError->Report(kName, "MFE", e);
    }
}

void conExtras::cmbElement_Click()
{
    Loeschen();
    gElement = colElemente.Item(cmbElement->currentText().toStdString());
    if (!gElement) return;
    const float hoehe = rt::Object(gIK).Maximum();
    const std::vector<Kristallreflex> reflexe = Kristallreflexe(*gElement);
    for (size_t i = 0; i < reflexe.size(); ++i) {
        const Kristallreflex& reflex = reflexe[i];
        Linien(Diagramm(1), {reflex.d}, kNavy);
        if (conDisplay* k = Diagramm(0)) {
            k->Zeichne_Linie_X3(reflex.K, kNavy);
            // Neighbouring reflexes lie close at high K: their labels take three rows in turn.
            const DiagrammSkala& skala = k->Skala();
            const float zeile = 0.05f * (skala.ymax - skala.ymin) * static_cast<float>(i % 3);
            k->TextOut(reflex.K, hoehe - zeile, reflex.Text, kNavy, 0);
        }
    }
}

void conExtras::Zeige_Abstand()
{
    if (!gElement) return;
    const float d = gElement->Ebenenabstand(cmbIndex[0]->currentText().toInt(), cmbIndex[1]->currentText().toInt(),
                                            cmbIndex[2]->currentText().toInt());
    if (const auto text = Abstand_Text(d)) lblAbstand->setText(QString::fromStdString(*text));
}

void conExtras::Zeichne_Legende()
{
    pic[0]->setZeilen({{0, "K", "pp"}, {kZeile, "K", "pe"}, {2 * kZeile, "r", "0"}, {3 * kZeile, "r", "1"}});
    pic[1]->setZeilen({{0, "λ", "pp"}, {kZeile, "λ", "pe"}, {3 * kZeile, "σ", ""}});
    pic[2]->setZeilen({{0, "τ", "β"}, {kZeile, "τ", "γ"}, {2 * kZeile, "β", ""}, {3 * kZeile, "γ", ""}});
}
