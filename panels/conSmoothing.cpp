#include "panels/conSmoothing.h"

#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsMath.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/Zeichenhilfen.h"
#include "graphics/clsGrafik.h"
#include "widgets/fxbutton.h"

#include <QLabel>

#include <vector>

namespace {

constexpr const char* kName = "conSmoothing";
constexpr float kStartChi = 10000.0f;

}

conSmoothing::conSmoothing(QWidget* parent) : QWidget(parent)
{
    Label1 = new QLabel("Chi:", this);
    Label1->setGeometry(4, 4, 30, 24);
    lblPunkte = new QLabel("10000", this);
    lblPunkte->setGeometry(36, 4, 90, 24);
    cmdSmoothing[0] = new fxbutton("+", this);
    cmdSmoothing[0]->setGeometry(130, 4, 28, 24);
    cmdSmoothing[1] = new fxbutton("-", this);
    cmdSmoothing[1]->setGeometry(162, 4, 28, 24);
    cmdOK = new fxbutton("OK", this);
    cmdOK->setGeometry(4, 40, 90, 28);
    Command1 = new fxbutton(this);
    Command1->setGeometry(100, 40, 90, 28);
    for (int32_t i = 0; i < 2; ++i)
        connect(cmdSmoothing[i], &fxbutton::Click, this,
                GuardedSlot(kName, "cmdSmoothing_Click", [this, i] { cmdSmoothing_Click(i); }));
    connect(cmdOK, &fxbutton::Click, this, GuardedSlot(kName, "cmdOK_Click", [this] { cmdOK_Click(); }));
    connect(Command1, &fxbutton::Click, this, GuardedSlot(kName, "Command1_Click", [this] { Command1_Click(); }));
    StyleUmstellen();
    SpracheUmstellen();
    PanelPlatz<GlaettenPanel>::Set(this);
}

conSmoothing::~conSmoothing()
{
    if (&PanelPlatz<GlaettenPanel>::Get() == this) PanelPlatz<GlaettenPanel>::Set(nullptr);
}

void conSmoothing::StyleUmstellen()
{
    for (fxbutton* knopf : {cmdOK, Command1, cmdSmoothing[0], cmdSmoothing[1]})
        knopf->setButtonStyle(gOptions->ButtonStyle());
}

void conSmoothing::SpracheUmstellen() { Command1->setCaption(QString::fromStdString(gLanguage->Caption(92))); }

void conSmoothing::Start(int32_t lngKurve)
{
    // A curve kind the copy does not know leaves the preview with whatever gMath holds.
    UiGuard(kName, "Start", [&] {
        StyleUmstellen();
        SpracheUmstellen();
        gMath = std::make_unique<clsMath>();
        kurve_ = lngKurve;
        chi_ = kStartChi;
        lblPunkte->setText(QString::fromStdString(rt::SingleText(chi_)));
        if (conDisplay* d = gGrafik->Display(0)) d->Display_Background();
        // I(K) is smoothed before its damping, which is applied to the smoothed curve once.
        gMath->CopyArrayFromCurve(lngKurve, true);
        gMath->Glaetten(chi_);
        Zeichne_Geglaettet();
    });
}

void conSmoothing::cmdSmoothing_Click(int32_t index)
{
    chi_ = index == 0 ? chi_ * 2.0f : chi_ / 2.0f;
    lblPunkte->setText(QString::fromStdString(rt::SingleText(chi_)));
    gMath->Glaetten(chi_);
    Zeichne_Geglaettet();
}

void conSmoothing::Zeichne_Geglaettet()
{
    conDisplay* d = gGrafik->Display(0);
    if (!d) return;
    d->Display_CLS();
    if (gMath->Punkte() < 1) return;
    std::vector<float> geglaettet(static_cast<size_t>(gMath->Punkte()));
    for (int32_t i = 1; i <= gMath->Punkte(); ++i) geglaettet[static_cast<size_t>(i - 1)] = gMath->Y_G(i);
    // The preview of I(K) shows what OK takes over: the smoothed curve damped as I(K) is.
    const int32_t kurve = gMath->Kurve();
    if ((kurve == KT_IK || kurve == KT_IK_Wichtung) && gIK) geglaettet = gIK->Wie_Gedaempft(std::move(geglaettet));
    // The first segment starts on the zero line.
    d->Zeichne_Punkt(gMath->x(1), 0, farbe::Magenta);
    for (int32_t i = 2; i <= gMath->Punkte() - 1; ++i)
        d->Zeichne_LinieZu(gMath->x(i), geglaettet[static_cast<size_t>(i - 1)], farbe::Rot);
}

void conSmoothing::cmdOK_Click()
{
    const int32_t kurve = gMath->Kurve();
    const std::string chi = rt::SingleText(chi_);
    // The weighted I(K) (kind 10, shown after a return from G(r)) is a view of I(K): the copy was
    // taken from I(K), so the smoothed copy replaces I(K) as well.
    if (kurve == KT_IK || kurve == KT_IK_Wichtung) {
        gCommon->Record(rt::TimeText() + ": I(K) geglättet, Chi = " + chi);
        gIK->Glaetten_Uebernehmen();
    } else if (kurve == KT_GR) {
        gCommon->Record(rt::TimeText() + ": G(r) geglättet, Chi = " + chi);
        gGR->Glaetten_Uebernehmen();
    }
    gGrafik->Zeichne_Kurve(kurve);
    emit Close();
}

void conSmoothing::Command1_Click()
{
    if (conDisplay* d = gGrafik->Display(0)) d->Display_CLS();
    hide();
}
