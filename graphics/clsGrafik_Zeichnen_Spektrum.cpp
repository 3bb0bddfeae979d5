// The views of the measured spectrum: the raw spectrum by evaluation step (plain, folded, side
// fits) and the background support-point view.
#include "graphics/clsGrafik.h"

#include "core/Guarded.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "graphics/Zeichenhilfen.h"
#include "panels/PanelInterfaces.h"

#include <algorithm>

namespace {

constexpr int32_t kSchrittGefaltet = 4;
constexpr int32_t kSchrittSeitenfit = 9;

Bereich KurvenBereich(const clsCalc& calc)
{
    return {calc.Minimum_X(), calc.Maximum_X(), calc.Minimum_Y(), calc.Maximum_Y()};
}

}

void clsGrafik::Zeichne_Rohspektrum(bool NoChangeYScaling)
{
    letzteKurve_ = KT_JK;
    if (gSchritt == kSchrittGefaltet) {
        Zeichne_Kurve_Links();
        MergeLayer();
        Extras();
    } else if (gSchritt == kSchrittSeitenfit) {
        if (!NoChangeYScaling) Zeichne_Spektrum_Seitenfit();
        Zeichne_Fit_Links();
    } else {
        Zeichne_Spektrum_Einfach();
    }
}

void clsGrafik::Zeichne_Spektrum_Einfach()
{
    const clsCalc& calc = rt::Object(gCalc);
    LoadLayer(2, 0, true);
    SetLayerForeColor(1, farbe::Schwarz);
    Skalieren_Ansicht(KurvenBereich(calc), 0, 1, 2);
    int32_t erster = 0, letzter = 0;
    Sichtbarer_Bereich(erster, letzter);
    const auto x = [&](int32_t i) { return calc.x(i); };
    const auto y = [&](int32_t i) { return calc.Y(i); };
    Linienzug(*this, 1, erster, letzter, x, y);
    // Zoomed in, every measured point gets a circle.
    if (zoom_)
        for (int32_t i = erster; i <= letzter; ++i) DrawCircle(1, calc.x(i), calc.Y(i));
    SetLayerForeColor(2, farbe::Gruen);
    DrawLineVertical(2, calc.Mitte());
    MergeLayer();
    Extras();
}

void clsGrafik::Zeichne_Spektrum_Seitenfit()
{
    const clsCalc& calc = rt::Object(gCalc);
    Layer_Sicherstellen();
    Skalieren_Ansicht(KurvenBereich(calc), 0, 1, 2);
    int32_t erster = 0, letzter = 0;
    Sichtbarer_Bereich(erster, letzter);
    ClearLayer(1);
    SetLayerForeColor(1, farbe::Schwarz);
    Linienzug(*this, 1, erster, letzter, [&](int32_t i) { return calc.x(i); }, [&](int32_t i) { return calc.Y(i); });
    MergeLayer();
}

void clsGrafik::Sichtbarer_Bereich(int32_t& first, int32_t& last) const
{
    const clsCalc& calc = rt::Object(gCalc);
    first = 1;
    last = calc.Punkte();
    if (!zoom_) return;
    // A zoom window beyond the curve must not reach outside its points.
    first = std::max(first, calc.Index(zoomFenster_.x1));
    last = std::min(last, calc.Index(zoomFenster_.x2));
}

void clsGrafik::Zeichne_Kurve_Links()
{
    Guarded("cGrafik", "Zeichne_Kurve_Links", [this] {
        const clsCalc& calc = rt::Object(gCalc);
        Layer_Sicherstellen();
        ClearLayer(1);
        SetLayerForeColor(1, farbe::Schwarz);
        ClearLayer(2);
        SetLayerForeColor(2, farbe::Rot);
        Skalieren(calc.x(1), calc.x(calc.Punkte()), calc.Minimum_Y(), calc.Maximum_Y(), 0, 1, 2);
        DrawPoint(1, 0, calc.Y(calc.X_StartIndex_Rechts()));
        for (int32_t i = 1; i <= calc.Punkte(); ++i) DrawLineTo(1, calc.X_Shifted(i, false), calc.Y(i));
        DrawPoint(2, 0, calc.Y(calc.X_StartIndex()));
        for (int32_t i = 1; i <= calc.Punkte(); ++i) DrawLineTo(2, calc.X_Shifted(i, true), calc.yl(i));
    });
}

void clsGrafik::Zeichne_Fit_Links()
{
    Guarded("clsGrafik", "Zeichne_Fit_Links", [this] {
        const clsCalc& calc = rt::Object(gCalc);
        conDisplay& display = Diagramm(0);
        display.Display_CLS();
        // Until a separation point is chosen the fits are those of an earlier curve or project.
        if (!calc.Trennstelle_OK()) return;
        Linienzug(display, farbe::Rot, 1, calc.Fit_Punkte_Links(), [&](int32_t i) { return calc.X_Fit(i); },
                  [&](int32_t i) { return calc.Y_Fit_L(i); });
        // The right fit begins inside the left one: the two overlap by 2·Fit_Ueberlapp_k points.
        const int32_t s = calc.Fit_Punkte_Links() - 2 * rt::Object(gOptions).Fit_Ueberlapp_k() + 1;
        const auto x = [&](int32_t i) { return calc.X_Fit(s + i); };
        Linienzug(display, farbe::Rot, 1, calc.Fit_Punkte_Rechts(), x, [&](int32_t i) { return calc.Y_Fit_R(i); });
        Linienzug(display, farbe::Blau, 1, 2 * gOptions->Fit_Ueberlapp_k(), x, [&](int32_t i) { return calc.YU(i); });
    });
}

void clsGrafik::Zeichne_Untergrund(bool NoChangeYScaling)
{
    if (NoChangeYScaling && (vorherigeKurve_ == KT_JK || vorherigeKurve_ == KT_UG_Stuetzstellen) && LayerAnzahl() >= 2) {
        // Only the marks changed: the curve keeps its layer and scale.
        ClearLayer(2);
    } else {
        const clsCalc& calc = rt::Object(gCalc);
        LoadLayer(2, 0, true);
        Skalieren_Ansicht(KurvenBereich(calc), 0, 1, 2);
        SetLayerForeColor(1, farbe::Schwarz);
        Linienzug(*this, 1, 1, calc.Punkte(), [&](int32_t i) { return calc.x(i); }, [&](int32_t i) { return calc.Y(i); });
    }
    MergeLayer();
    PanelPlatz<UntergrundPanel>::Get().Aktualisieren();
}
