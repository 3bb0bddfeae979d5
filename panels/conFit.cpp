#include "panels/conFit.h"

#include "core/NumberFormat.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "curves/clsSSC.h"
#include "graphics/clsGrafik.h"
#include "mainwindow/ui/WerkzeugBilder.h"
#include "widgets/fxbutton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <functional>

namespace {

constexpr const char* kName = "conFit";
constexpr int32_t kZoomBild = 103;
constexpr int32_t kAktionBreite = 170;

// Enter in a box calls back; every other key only edits the text.
class EnterFilter : public QObject {
public:
    EnterFilter(QObject* parent, std::function<void()> enter) : QObject(parent), enter_(std::move(enter)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                enter_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> enter_;
};

}

conFit::conFit(QWidget* parent) : QWidget(parent)
{
    Label1 = new QLabel(this);
    Label1->setGeometry(4, 2, 110, 18);
    lblTrennstelle = new QLabel(this);
    lblTrennstelle->setGeometry(4, 22, 110, 36);
    lblTrennstelle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdFit[0] = new fxbutton("...", this);
    cmdFit[0]->setGeometry(4, 64, 40, 24);
    // The two side columns: heading, Chi box with "+" and "-" on its right, zoom at the top right.
    for (int32_t seite = 0; seite < 2; ++seite) {
        const int32_t links = 124 + seite * 170;
        const int32_t erster = 1 + seite * 3;
        Label2[seite] = new QLabel(this);
        Label2[seite]->setGeometry(links, 2, 120, 18);
        txtParam[seite] = new QLineEdit(this);
        txtParam[seite]->setGeometry(links, 30, 84, 24);
        txtParam[seite]->installEventFilter(new EnterFilter(
            txtParam[seite], [this, seite] { UiGuard(kName, "txtParam_KeyDown", [&] { txtParam_Enter(seite); }); }));
        cmdFit[erster] = new fxbutton("+", this);
        cmdFit[erster]->setGeometry(links + 88, 30, 28, 24);
        cmdFit[erster + 1] = new fxbutton("-", this);
        cmdFit[erster + 1]->setGeometry(links + 120, 30, 28, 24);
        cmdFit[erster + 2] = new fxbutton(this);
        cmdFit[erster + 2]->setGeometry(links + 124, 0, 24, 24);
        cmdFit[erster + 2]->setPictureNormal(Werkzeug_Bild(kZoomBild));
    }
    Label3 = new QLabel(this);
    Label3->setGeometry(464, 2, 200, 18);
    Label5 = new QLabel(this);
    Label5->setGeometry(464, 22, 200, 80);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5->setWordWrap(true);
    cmdFit[7] = new fxbutton(this);
    cmdFit[8] = new fxbutton(this);
    for (int32_t i = 0; i < static_cast<int32_t>(cmdFit.size()); ++i)
        connect(cmdFit[i], &fxbutton::Click, this, GuardedSlot(kName, "cmdFit_Click", [this, i] { cmdFit_Click(i); }));
    StyleUmstellen();
    SpracheUmstellen();
    PanelPlatz<SeitenfitPanel>::Set(this);
}

conFit::~conFit()
{
    if (&PanelPlatz<SeitenfitPanel>::Get() == this) PanelPlatz<SeitenfitPanel>::Set(nullptr);
}

void conFit::resizeEvent(QResizeEvent* /*event*/)
{
    const int32_t links = std::max(width() - kAktionBreite - 4, 670);
    cmdFit[7]->setGeometry(links, 4, kAktionBreite, 30);
    cmdFit[8]->setGeometry(links, 40, kAktionBreite, 30);
}

void conFit::StyleUmstellen()
{
    for (fxbutton* knopf : cmdFit) knopf->setButtonStyle(gOptions->ButtonStyle());
}

void conFit::SpracheUmstellen()
{
    Label1->setText(Text(393));
    Label2[0]->setText(Text(394));
    Label2[1]->setText(Text(395));
    cmdFit[7]->setCaption(Text(396));
    cmdFit[8]->setCaption(Text(397));
    Label3->setText(Text(398));
}

void conFit::NeueTrennstelle()
{
    UiGuard(kName, "NeueTrennstelle", [&] {
        clsCalc& calc = *gCalc;
        const int32_t T = calc.Trennstelle();
        lblTrennstelle->setText(QString::fromStdString("Index: " + std::to_string(T) + "\r\n" +
                                                       FixedText(calc.x(T), 1) + " 1/nm"));
        gModus_Fit = false;
        calc.setChi_Links(1000.0f);
        calc.setChi_Rechts(100.0f);
        Werte_Anzeigen();
        show();
        gGrafik->Zeichne(true);
    });
}

void conFit::Werte_Anzeigen()
{
    txtParam[0]->setText(QString::fromStdString(ScientificText(gCalc->Chi_Links())));
    txtParam[1]->setText(QString::fromStdString(ScientificText(gCalc->Chi_Rechts())));
    Label5->setText(QString::fromStdString(gCalc->Fit_Guete()));
}

void conFit::cmdFit_Click(int32_t index)
{
    clsCalc& calc = *gCalc;
    switch (index) {
    case 0:
        gModus_Fit = true;
        calc.setTrennstelle_OK(false);
        gSchritt = 9;
        return;
    case 1: calc.setChi_Links(2.0f * calc.Chi_Links()); break;
    case 2: calc.setChi_Links(calc.Chi_Links() / 2.0f); break;
    case 4: calc.setChi_Rechts(2.0f * calc.Chi_Rechts()); break;
    case 5: calc.setChi_Rechts(calc.Chi_Rechts() / 2.0f); break;
    case 3: Seite_Zoomen(-1); return;
    case 6: Seite_Zoomen(+1); return;
    case 7: Automatisch_Suchen(); return;
    case 8: Fit_Uebernehmen(); return;
    default: return;
    }
    Werte_Anzeigen();
    gGrafik->Zeichne(true);
}

void conFit::Seite_Zoomen(int32_t seite)
{
    clsCalc& calc = *gCalc;
    if (calc.Punkte() < 1) return;
    // The overlap may reach past either end of the curve.
    const int32_t i = std::clamp(calc.Trennstelle() - seite * gOptions->Fit_Ueberlapp_k(), 1, calc.Punkte());
    if (seite < 0)
        gGrafik->Zoomen(calc.Minimum_X(), calc.x(i), calc.Maximum_Y(), calc.Y(i), true, false);
    else
        gGrafik->Zoomen(calc.x(i), calc.Maximum_X(), calc.Y(i), calc.Minimum_Y(), true, false);
    gGrafik->Zeichne(false);
}

void conFit::Automatisch_Suchen()
{
    clsCalc& calc = *gCalc;
    calc.setChi_Links(1e6f);
    calc.setChi_Rechts(1e4f);
    calc.Best_Fit_L();
    calc.Best_Fit_R();
    Werte_Anzeigen();
    gGrafik->Zeichne(true);
}

void conFit::Fit_Uebernehmen()
{
    gSchritt = 15;
    gSSC->Kurve_Sichern(3);
    gCalc->FitUebernehmen();
    gSSC->Kurve_Sichern(4);
    gGrafik->Zeichne_Kurve(1);
    hide();
    emit Uebernommen();
}

void conFit::txtParam_Enter(int32_t index)
{
    const float wert = StrToSingle(txtParam[index]->text().toStdString());
    if (wert == Kein_Wert) return;
    if (index == 0)
        gCalc->setChi_Links(wert);
    else
        gCalc->setChi_Rechts(wert);
    Werte_Anzeigen();
    gGrafik->Zeichne(true);
}
