#include "graphics/frmSmall.h"

#include "analysis/GR_Vorschau.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "materials/clsMFE.h"
#include "graphics/Vorschau.h"
#include "graphics/Zeichenhilfen.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"

#include <QCloseEvent>
#include <QComboBox>

namespace {

// The kinds a preview offers, in the order of its list.
constexpr int32_t kVorschauKurven[] = {KT_GR, KT_RDF, KT_IK_Wichtung, KT_UG};
// The design size: wide enough for the axis numbers beside the unit.
constexpr int32_t kBreite = 480;
constexpr int32_t kHoehe = 320;

// A curve from its first value at x = 0 on, through points 2..n.
template <class X, class Y>
void Vorschaukurve(conDisplay& d, uint32_t f, int32_t n, X x, Y y)
{
    if (n < 1) return;
    d.Zeichne_Punkt(0, y(1), f);
    for (int32_t i = 2; i <= n; ++i) d.Zeichne_LinieZu(x(i), y(i), f);
}

QString Titel(int32_t kurve) { return QString::fromStdString(Kurven_Titel(kurve)); }

}

frmSmall::frmSmall(const std::string& tag, QWidget* owner)
    : QWidget(owner, owner ? Qt::Tool : Qt::Window), tag_(tag)
{
    setAttribute(Qt::WA_DeleteOnClose);
    resize(kBreite, kHoehe);
    cmbkRaum = new QComboBox(this);
    cmbkRaum->move(0, 0);
    for (const int32_t kurve : kVorschauKurven) cmbkRaum->addItem(Titel(kurve), kurve);
    cmbkRaum->setCurrentIndex(0);
    conDisplay1 = new conDisplay(this);
    conDisplay1->setIsPreview(true);
    connect(cmbkRaum, &QComboBox::currentIndexChanged, this, [this] { Zeichne_Preview(); });
}

void frmSmall::ShowPreview(int32_t KurvenTyp)
{
    for (int32_t i = 0; i < cmbkRaum->count(); ++i) {
        if (cmbkRaum->itemData(i).toInt() != KurvenTyp) continue;
        cmbkRaum->setCurrentIndex(i);
        return;
    }
}

void frmSmall::Zeichne_Preview()
{
    try {
        const int32_t k = cmbkRaum->currentData().toInt();
        conDisplay1->Display_CLS();
        setWindowTitle(Titel(k) + " Vorschau");
        switch (k) {
        case KT_GR: Zeichne_GR(); break;
        case KT_RDF: Zeichne_RDF(); break;
        case KT_IK_Wichtung: Zeichne_IK(); break;
        case KT_UG: Zeichne_UG(); break;
        default: break;
        }
    } catch (const rt::RuntimeError& e) {
        clsError::ReportByMessage(ModuleKind::Form, "frmSmall", "Zeichne_Preview", e);
    } catch (const std::exception& e) {
        clsError::ReportByMessage(ModuleKind::Form, "frmSmall", "Zeichne_Preview", zelo::AsRuntimeError(e));
    }
}

void frmSmall::Zeichne_GR()
{
    const clsGR& gr = rt::Object(gGR);
    GR_Vorschau g;
    // While the main diagram shows I(K), G(r) is what that I(K) gives, computed aside.
    const int32_t haupt = gGrafik ? gGrafik->LetzteKurve() : 0;
    if (haupt == KT_IK || haupt == KT_IK_Wichtung) {
        g = GR_Vorschau_Aktuell();
    } else {
        for (int32_t i = 1; i <= gr.Punkte(); ++i) {
            g.R.push_back(gr.R(i));
            g.G.push_back(gr.Y(i));
        }
        g.Minimum = gr.Minimum();
        g.Maximum = gr.Maximum();
        g.Dichte_Experimentell = rt::Object(gMFE).Dichte_Experimentell();
    }
    conDisplay& d = *conDisplay1;
    d.AllowScaling(false, false);
    d.Skalieren(1, 0, g.Maximum, g.Minimum, KT_GR);
    d.Zeichne_Achsen();
    Vorschaukurve(d, farbe::Schwarz, static_cast<int32_t>(g.G.size()), [&](int32_t i) { return g.R[size_t(i - 1)]; },
                  [&](int32_t i) { return g.G[size_t(i - 1)]; });
    d.Zeichne_Punkt(0, 0, farbe::Rot);
    d.Zeichne_LinieZu(1, 0, farbe::Rot);
    setWindowTitle(Titel(KT_GR) + " Vorschau, n=" + QString::fromStdString(rt::SingleText(g.Dichte_Experimentell)));
}

void frmSmall::Zeichne_RDF()
{
    const clsGR& gr = rt::Object(gGR);
    conDisplay& d = *conDisplay1;
    d.AllowScaling(false, false);
    d.Skalieren(1, 0, gr.Maximum(), -1, KT_RDF);
    d.Zeichne_Achsen();
    const auto r = [&](int32_t i) { return gr.R(i); };
    Vorschaukurve(d, farbe::Schwarz, gr.Punkte(), r, [&](int32_t i) { return gr.RDF(i); });
    Vorschaukurve(d, farbe::Rot, gr.Punkte(), r, [&](int32_t i) { return gr.RDF_Parabel(i); });
}

void frmSmall::Zeichne_IK()
{
    // The I(K) as it stands: recomputing it here would change the user's evaluation.
    const clsIK& ik = rt::Object(gIK);
    const int32_t n = ik.Punkte();
    // Before there is an I(K) the diagram stays empty: its K axis would end below 0.
    if (n < 2) return;
    conDisplay& d = *conDisplay1;
    d.AllowScaling(false, false);
    d.Skalieren(ik.x(n), 0, ik.Maximum(), ik.Minimum(), KT_IK_Wichtung);
    d.Zeichne_Achsen();
    Vorschaukurve(d, farbe::Schwarz, n, [&](int32_t i) { return ik.x(i); }, [&](int32_t i) { return ik.Y_Wichtung(i); });
    d.Zeichne_Punkt(0, 0, farbe::Rot);
    d.Zeichne_LinieZu(ik.x(n), 0, farbe::Rot);
}

void frmSmall::Zeichne_UG()
{
    // The background that the current I(K) implies, in blue over the support points' background.
    const clsCalc& calc = rt::Object(gCalc);
    clsUntergrund& ug = rt::Object(gUntergrund);
    // It needs an I(K) and the density that G(r) gave; without them there is no blue curve.
    const bool ableitbar = gIK && gIK->Punkte() >= 2 && gMFE && gMFE->Dichte_Experimentell() > 0.0f;
    if (ableitbar) ug.Untergrund_Endberechnen_Still();
    const int32_t n = calc.Punkte();
    conDisplay& d = *conDisplay1;
    d.AllowScaling(false, true);
    d.Skalieren(calc.x(n), 0, calc.Maximum_Y(), 0, KT_UG);
    d.Zeichne_Achsen();
    const auto x = [&](int32_t i) { return calc.x(i); };
    if (ableitbar) Vorschaukurve(d, farbe::Blau, std::min(n, ug.Punkte_UGE()), x, [&](int32_t i) { return ug.UGE(i); });
    Vorschaukurve(d, farbe::Rot, n, x, [&](int32_t i) { return ug.Y(i); });
    Vorschaukurve(d, farbe::Schwarz, n, x, [&](int32_t i) { return calc.Y(i); });
}

void frmSmall::resizeEvent(QResizeEvent*)
{
    const int32_t oben = cmbkRaum->sizeHint().height();
    cmbkRaum->resize(cmbkRaum->sizeHint().width(), oben);
    conDisplay1->setGeometry(0, oben, width(), std::max(height() - oben, 1));
    Zeichne_Preview();
}

void frmSmall::showEvent(QShowEvent*)
{
    // The diagram takes its size only now that it is shown, which clears it.
    Zeichne_Preview();
}

void frmSmall::closeEvent(QCloseEvent* event)
{
    ClosePreviewWindow(tag_);
    event->accept();
}
