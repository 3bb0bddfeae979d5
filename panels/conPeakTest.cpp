#include "panels/conPeakTest.h"

#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/Vorschau.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"
#include "panels/PanelZahlen.h"
#include "widgets/fxbutton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {

constexpr const char* kFenster = "conPeakTest";

QLabel* Beschriftung(QWidget* eltern, int32_t x, int32_t y, int32_t breite, const QString& text)
{
    auto* label = new QLabel(text, eltern);
    label->setGeometry(x, y, breite, 20);
    return label;
}

QLineEdit* Feld(QWidget* eltern, int32_t y)
{
    auto* feld = new QLineEdit("0", eltern);
    feld->setGeometry(40, y, 80, 22);
    return feld;
}

fxbutton* Knopf(QWidget* eltern, int32_t x, int32_t y, int32_t breite, const QString& text)
{
    auto* knopf = new fxbutton(text, eltern);
    knopf->setGeometry(x, y, breite, 24);
    return knopf;
}

QString Zahl(float wert)
{
    return QString::fromStdString(Lokale_Zahl(wert));
}

}

conPeakTest::conPeakTest(QWidget* parent) : QWidget(parent)
{
    Label4 = Beschriftung(this, 0, 0, 130, "");
    Label1 = Beschriftung(this, 0, 22, 40, "K =");
    txtK = Feld(this, 20);
    Label2 = Beschriftung(this, 0, 46, 40, "A =");
    txtA = Feld(this, 44);
    Label3 = Beschriftung(this, 0, 70, 40, "w = ");
    txtW = Feld(this, 68);
    chkUseGas = new QCheckBox("Gas als Basis verwenden", this);
    chkUseGas->setGeometry(0, 94, 176, 20);

    cmdNew = Knopf(this, 180, 4, 120, "als neuer Punkt");
    cmdClear = Knopf(this, 180, 34, 120, "Liste löschen");
    cmdApply = Knopf(this, 180, 64, 120, "Übernehmen");
    cmdApply->setEnabled(false);

    Frame1 = new QGroupBox("Sequenz", this);
    Frame1->setGeometry(308, 0, 122, 112);
    optSequenz[0] = new QRadioButton("5/4", Frame1);
    optSequenz[0]->setGeometry(8, 20, 110, 20);
    optSequenz[1] = new QRadioButton("anderes", Frame1);
    optSequenz[1]->setGeometry(8, 44, 110, 20);
    optSequenz[1]->setChecked(true);
    fxbutton1 = Knopf(Frame1, 6, 76, 110, "Create Sequenz");

    List1 = new QListWidget(this);
    List1->setGeometry(438, 0, 220, 112);
    Label6 = new QLabel("Testwerte:\nGauss G(r): r0=..., A=0,02, w=0,01\nGauss I(K): K=..., A=30, w=0,05\n"
                        "Sinus G(r): r0=..., A=3",
                        this);
    Label6->setGeometry(666, 0, 226, 70);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(cmdNew, &fxbutton::Click, this, [this] { UiGuard(kFenster, "cmdNew_Click", [this] { cmdNew_Click(); }); });
    connect(cmdClear, &fxbutton::Click, this, [this] {
        UiGuard(kFenster, "cmdClear_Click", [this] {
            Clear();
            if (gGrafik && gGrafik->Display(0)) gGrafik->Display(0)->Display_CLS();
        });
    });
    connect(fxbutton1, &fxbutton::Click, this, [this] {
        UiGuard(kFenster, "fxbutton1_Click", [this] {
            if (optSequenz[0]->isChecked()) Sinus_Hinzufuegen();
        });
    });
    connect(chkUseGas, &QCheckBox::clicked, this,
            [this] { UiGuard(kFenster, "chkUseGas_Click", [this] { Berechnen(); }); });
    PanelPlatz<TestkurvenPanel>::Set(this);
}

conPeakTest::~conPeakTest()
{
    if (&PanelPlatz<TestkurvenPanel>::Get() == this) PanelPlatz<TestkurvenPanel>::Set(nullptr);
}

void conPeakTest::StyleUmstellen()
{
    const int32_t stil = rt::Object(gOptions).ButtonStyle();
    for (fxbutton* knopf : {cmdClear, cmdNew, cmdApply, fxbutton1}) knopf->setButtonStyle(stil);
}

void conPeakTest::AddNewPoint(float x, float W, float A)
{
    txtK->setText(Zahl(x));
    txtW->setText(Zahl(W));
    txtA->setText(Zahl(A));
    UiGuard(kFenster, "AddNewPoint", [this] { cmdNew_Click(); });
}

void conPeakTest::AddNewSinus(float x, float W, float A)
{
    txtK->setText(Zahl(x));
    txtW->setText(Zahl(W));
    txtA->setText(Zahl(A));
    UiGuard(kFenster, "AddNewSinus", [this] { Sinus_Hinzufuegen(); });
}

void conPeakTest::Clear()
{
    testPeaks_.Clear();
    List1->clear();
    sinusterme_.clear();
}

void conPeakTest::Init(int32_t TypKurve)
{
    typKurve_ = TypKurve;
    const bool ik = TypKurve == KT_IK;
    Label4->setText(ik ? "Impulsraum" : "Ortsraum");
    Label1->setText(ik ? "K =" : "r =");
}

void conPeakTest::cmdNew_Click()
{
    const std::optional<float> K = Feld_Zahl(txtK->text().toStdString());
    const std::optional<float> W = Feld_Zahl(txtW->text().toStdString());
    const std::optional<float> A = Feld_Zahl(txtA->text().toStdString());
    // A box without a number would put the no-value marker into the curve.
    if (!K || !W || !A) return;
    testPeaks_.Hinzufuegen(*K, *W, *A, 0, 0.0f);
    const QString ort = typKurve_ == KT_IK ? "Km" : "r0";
    List1->addItem("Gausskurve: " + ort + " = " + txtK->text() + ", A = " + txtA->text() + ", w = " + txtW->text());
    Berechnen();
}

void conPeakTest::Sinus_Hinzufuegen()
{
    const std::optional<float> p = Feld_Zahl(txtK->text().toStdString());
    const std::optional<float> A = Feld_Zahl(txtA->text().toStdString());
    // No wave number at p = 0.
    const std::optional<float> d = p ? Sinus_Wellenzahl(*p) : std::nullopt;
    if (!d || !A) return;
    sinusterme_.push_back({*A, *d});
    List1->addItem(QString(typKurve_ == KT_IK ? "Sinus: dK = " : "Sinus: dr = ") + Zahl(*d) + ", y0 = " + txtA->text());
    Berechnen();
}

void conPeakTest::Berechnen()
{
    const int32_t kurve = typKurve_ == KT_IK ? KT_IK : KT_GR;
    if (kurve == KT_IK)
        Testkurve_IK_Setzen(testPeaks_, chkUseGas->isChecked());
    else
        Testkurve_GR_Setzen(testPeaks_, sinusterme_);
    if (gGrafik) gGrafik->Zeichne_Kurve(kurve);
    ShowWindowPreview();
}
