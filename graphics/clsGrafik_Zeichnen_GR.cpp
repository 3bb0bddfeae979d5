// The real-space views: G(r) with its density lines and oscillations, the RDF, the pair potential
// v(r) and v(K), and the Gauss peak views that the Gauss panel draws.
#include "graphics/clsGrafik.h"

#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsMath.h"
#include "analysis/clsPot.h"
#include "core/Guarded.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "graphics/Zeichenhilfen.h"
#include "materials/clsMFE.h"
#include "panels/PanelInterfaces.h"

#include <cmath>

namespace {

constexpr int32_t kRandGR = 7;
// The top of the v(r) view: the potential's repulsive core would leave nothing else visible.
constexpr float kPotentialOben = 10.0f;

}

void clsGrafik::Zeichne_Gr()
{
    Guarded("clsGrafik", "Zeichne_Gr", [this] {
        const clsGR& gr = rt::Object(gGR);
        const clsOptions& optionen = rt::Object(gOptions);
        int32_t layer = 1;
        int32_t display = 0;
        if (optionen.Ansicht_2_Fenster()) {
            Zeichne_IK_RTR();
            LoadLayer(2, 1, false);
            layer = 2;
            display = 1;
        } else {
            LoadLayer(2, 0, true);
        }
        Skalieren_Ansicht({-optionen.Rand(kRandGR), optionen.Max_R(), gr.Minimum(), gr.Maximum()}, display, layer,
                          LayerAnzahl());
        const auto r = [&](int32_t i) { return gr.R(i); };
        SetLayerForeColor(layer, farbe::Gruen);
        DrawLineHorizontal(layer, 0);
        SetLayerForeColor(layer, farbe::Schwarz);
        Linienzug(*this, layer, 1, gr.Punkte(), r, [&](int32_t i) { return gr.Y(i); });
        if (PanelPlatz<FourierPanel>::Get().ShowFFTImag()) {
            const clsFFT& fft = rt::Object(gFFT);
            SetLayerForeColor(layer, farbe::Magenta);
            Linienzug(*this, layer, 1, gr.Punkte(), r, [&](int32_t i) { return fft.Gr_Imag(i); });
        }
    });
}

void clsGrafik::Zeichne_GR_Extra()
{
    const clsGR& gr = rt::Object(gGR);
    const bool zwei = rt::Object(gOptions).Ansicht_2_Fenster();
    conDisplay& display = Diagramm(zwei ? 1 : 0);
    display.Display_CLS();
    const float rDichte = gr.R(gr.Dichte_Exp_Index());
    // Without a theoretical density there is no line of it, not one along 0.
    const float theoretisch = rt::Object(gMFE).Dichte_Theoretisch();
    if (clsMFE::Dichte_Gueltig(theoretisch)) {
        display.Zeichne_Punkt(0, 0, farbe::Rot);
        display.Zeichne_LinieZu(rDichte, gr.Dichte_Theo(), farbe::Rot);
    }
    display.Zeichne_Punkt(0, 0, farbe::Blau);
    display.Zeichne_LinieZu(rDichte, gr.G_Ausgleich(), farbe::Blau);
    if (!PanelPlatz<FourierPanel>::Get().ShowOszi()) return;
    const auto r = [&](int32_t i) { return gr.R(i); };
    const auto oszillation = [&](int32_t i) { return gr.yt(i); };
    if (zwei) {
        Linienzug(display, farbe::Magenta, 1, gr.Punkte(), r, oszillation);
    } else {
        Linienzug(display, farbe::Blau, 1, gr.Punkte(), r, oszillation);
        Linienzug(display, farbe::Rot, 1, gr.Punkte(), r, [&](int32_t i) { return gr.Y(i) + gr.yt(i); });
    }
}

void clsGrafik::Zeichne_RDF()
{
    const clsGR& gr = rt::Object(gGR);
    LoadLayer(2, 0, true);
    // The RDF keeps its range when zoomed: it only makes sense from r = 0. The top is that of G(r),
    // so that the first shell, where the coordination limits are set, fills the height; the RDF
    // leaves the top at larger r.
    Skalieren(0, 1, -1, gr.Maximum(), 0, 1, 2);
    const auto r = [&](int32_t i) { return gr.R(i); };
    SetLayerForeColor(1, farbe::Schwarz);
    Linienzug(*this, 1, 1, gr.Punkte(), r, [&](int32_t i) { return gr.RDF(i); });
    SetLayerForeColor(1, farbe::Blau);
    Linienzug(*this, 1, 1, gr.Punkte(), r, [&](int32_t i) { return gr.RDF_Parabel(i); });
    MergeLayer();
    Extras();
}

void clsGrafik::Zeichne_Potential_R()
{
    const clsPot& pot = rt::Object(gPot);
    LoadLayer(2, 0, true);
    Skalieren_Ansicht({0, pot.R(pot.Punkte_R()), pot.Minimum_R(), kPotentialOben}, 0, 1, 2);
    SetLayerForeColor(1, farbe::Schwarz);
    Linienzug(*this, 1, 1, pot.Punkte_R(), [&](int32_t i) { return pot.R(i); }, [&](int32_t i) { return pot.Y_r(i); });
    MergeLayer();
    Extras();
}

void clsGrafik::Zeichne_Potential_K()
{
    const clsPot& pot = rt::Object(gPot);
    LoadLayer(2, 0, true);
    Skalieren_Ansicht({0, pot.k(pot.Punkte_K()), pot.Minimum_K(), pot.Maximum_K()}, 0, 1, 2);
    SetLayerForeColor(1, farbe::Schwarz);
    Linienzug(*this, 1, 1, pot.Punkte_K(), [&](int32_t i) { return pot.k(i); }, [&](int32_t i) { return pot.Y_K(i); });
    MergeLayer();
    Extras();
}

void clsGrafik::Zeichne_Gauss()
{
    // The Gauss panel draws on the diagram itself; the layers there are only cleared and scaled. The
    // diagram takes the kind and the range of the panel's curve, the whole curve as the panel first
    // showed it or the zoom window, with axes and limit boxes of that range under the panel's drawing.
    if (gMath && gMath->Punkte() >= 1) {
        const clsMath& math = *gMath;
        const Bereich ganz{0.0f, math.x(math.Punkte()), math.Minimum_Y(), math.Maximum_Y()};
        Skalieren_Ansicht(ganz, 0, 1, LayerAnzahl());
        const Bereich& b = zoom_ ? zoomFenster_ : ganz;
        conDisplay& diagramm = Diagramm(0);
        diagramm.Skalieren(b.x2, b.x1, b.y2, b.y1, math.Kurve());
        diagramm.Display_Loeschen();
        diagramm.Zeichne_Achsen();
        diagramm.Display_Background();
    }
    PanelPlatz<GaussPanel>::Get().Zeichne_Gausskurve();
}
