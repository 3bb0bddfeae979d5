#include "graphics/clsGrafik.h"

#include "core/Guarded.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "graphics/Raster.h"
#include "graphics/Zeichenhilfen.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint32_t kWeiss = 0xFFFFFF;

bool Endlich(const Bereich& b)
{
    return std::isfinite(b.x1) && std::isfinite(b.x2) && std::isfinite(b.y1) && std::isfinite(b.y2);
}

bool ZweiFenster() { return gOptions && gOptions->Ansicht_2_Fenster(); }

}

void clsGrafik::setDisplay(int32_t index, conDisplay* display)
{
    if (index >= 0 && index < static_cast<int32_t>(displays_.size())) displays_[static_cast<size_t>(index)] = display;
}

conDisplay* clsGrafik::Display(int32_t index) const
{
    if (index < 0 || index >= static_cast<int32_t>(displays_.size())) return nullptr;
    return displays_[static_cast<size_t>(index)].data();
}

conDisplay& clsGrafik::Diagramm(int32_t index) const
{
    conDisplay* display = Display(index);
    if (!display) rt::Raise(rt::errObjectNotSet);
    return *display;
}

clsLayer& clsGrafik::Layer(int32_t Index)
{
    if (Index < 1 || Index > LayerAnzahl()) rt::Raise(rt::errSubscript);
    return *layers_[static_cast<size_t>(Index - 1)];
}

std::string clsGrafik::ZoomInfo() const
{
    return Guarded("clsGrafik", "ZoomInfo", [this] {
        const clsCalc& calc = rt::Object(gCalc);
        return ZoomInfoText(calc.Minimum_X(), calc.Maximum_X(), calc.Minimum_Y(), calc.Maximum_Y(), zoomFenster_);
    });
}

void clsGrafik::Skalieren(float X1, float X2, float Y1, float Y2, int32_t DisplayIndex, int32_t LayerVon,
                          int32_t LayerBis, std::optional<int32_t> lKurve)
{
    Guarded("clsGrafik", "Skalieren", [&] {
        const int32_t kurve = lKurve.value_or(letzteKurve_);
        skalenBereich_ = MitStandardBereich(kurve, {X1, X2, Y1, Y2});
        const Bereich& b = skalenBereich_;
        // A range that is not a number would reach every pixel of every curve.
        if (!Endlich(b)) rt::Raise(rt::errOverflow);
        const auto ziel = ZielDiagramm(kurve, DisplayIndex, ZweiFenster());
        if (ziel)
            if (conDisplay* display = Display(ziel->display)) display->Skalieren(b.x2, b.x1, b.y2, b.y1, ziel->kurve);
        if (LayerVon < 0) return;
        const conDisplay* eigenes = Display(DisplayIndex);
        const bool linear = letzteKurve_ == KT_IK || letzteKurve_ == KT_GR || letzteKurve_ == KT_IK_Wichtung ||
                            letzteKurve_ == KT_RDF || letzteKurve_ == KT_v_r;
        for (int32_t i = LayerVon; i <= LayerBis; ++i) {
            clsLayer& layer = Layer(i);
            layer.ClearLayer();
            layer.setY_Log(!linear && eigenes && eigenes->Y_Achse_Log());
            layer.setKurve(kurve);
            // A zoomed view gets no headroom above its top value.
            layer.Skalieren(b.x2, b.x1, b.y2, b.y1, zoom_);
        }
    });
}

void clsGrafik::LoadLayer(int32_t Anzahl, int32_t DisplayIndex, bool ClearField)
{
    MitGrafikMeldung("LoadLayer", [&] {
        if (ClearField) ClearLayerField();
        const conDisplay* display = Display(DisplayIndex);
        if (!display) rt::Raise(rt::errObjectNotSet);
        displayRechteck_ = display->pic->rect();
        for (int32_t i = 0; i < Anzahl; ++i) {
            auto layer = std::make_unique<clsLayer>();
            layer->CreateCompatible(DisplayIndex, displayRechteck_.width(), displayRechteck_.height(), kWeiss);
            layer->setVisible(true);
            layers_.push_back(std::move(layer));
        }
    });
}

void clsGrafik::ClearLayer(int32_t Index)
{
    if (Index >= 1 && Index <= LayerAnzahl()) Layer(Index).ClearLayer();
}

void clsGrafik::DrawLineTo(int32_t layer, float x, float Y) { Layer(layer).DrawLine(x, Y); }
void clsGrafik::DrawLineHorizontal(int32_t layer, float Y) { Layer(layer).DrawLineHorizontal(Y); }
void clsGrafik::DrawLineVertical(int32_t layer, float x) { Layer(layer).DrawLineVertical(x); }
void clsGrafik::DrawPoint(int32_t layer, float x, float Y) { Layer(layer).DrawPixel(x, Y); }
void clsGrafik::DrawCircle(int32_t layer, float x, float Y) { Layer(layer).DrawCircle(x, Y); }
void clsGrafik::SetLayerForeColor(int32_t layer, uint32_t Color) { Layer(layer).SetForeColor(Color); }

void clsGrafik::DrawLayer(int32_t layer, uint32_t DrawOption)
{
    if (DrawOption != SRCAND && DrawOption != SRCCOPY) rt::Raise(rt::errInvalidCall);
    const clsLayer& quelle = Layer(layer);
    conDisplay* display = Display(quelle.DisplayIndex());
    if (!display) return;
    Uebertragen(display->pic->Image, quelle.Bild(), kRandLinks, displayRechteck_.width(), displayRechteck_.height(),
                static_cast<RasterOp>(DrawOption));
    display->pic->update();
}

void clsGrafik::MergeLayer()
{
    Guarded("clsGrafik", "MergeLayer", [this] {
        const bool zwei = ZweiFenster();
        conDisplay* haupt = Display(0);
        conDisplay* zweites = zwei ? Display(1) : nullptr;
        if (zweites) zweites->Display_Loeschen();
        if (haupt) haupt->Display_Loeschen();
        for (int32_t i = 1; i <= LayerAnzahl(); ++i)
            if (Layer(i).Visible()) DrawLayer(i, SRCAND);
        for (conDisplay* display : {zweites, haupt}) {
            if (!display) continue;
            display->Zeichne_Achsen();
            display->Display_Background();
        }
    });
}

void clsGrafik::Zeichne_Kurve(int32_t neueKurve)
{
    vorherigeKurve_ = letzteKurve_;
    letzteKurve_ = neueKurve;
    zoom_ = false;
    Zeichne(false);
}

void clsGrafik::Zeichne(bool NoChangeYScaling)
{
    MitGrafikMeldung("Zeichne", [&] {
        switch (letzteKurve_) {
        case KT_JK:
        case KT_JK_Bearbeitet:
        case KT_JK_Gemittelt:
        case KT_Fit: Zeichne_Rohspektrum(NoChangeYScaling); break;
        case KT_UG_Stuetzstellen: Zeichne_Untergrund(NoChangeYScaling); break;
        case KT_IK:
        case KT_IK_Wichtung:
            Zeichne_IK_RTR();
            MergeLayer();
            Extras();
            break;
        case KT_GR:
            Zeichne_Gr();
            MergeLayer();
            Extras();
            break;
        case KT_RDF: Zeichne_RDF(); break;
        case KT_v_r: Zeichne_Potential_R(); break;
        case KT_v_K: Zeichne_Potential_K(); break;
        case KT_IK_Peaks:
        case KT_GR_Peaks: Zeichne_Gauss(); break;
        // The other kinds have no view of their own: the diagram keeps its picture.
        default: break;
        }
    });
}

void clsGrafik::Skalieren_Ansicht(const Bereich& ansicht, int32_t DisplayIndex, int32_t LayerVon, int32_t LayerBis)
{
    const Bereich& b = zoom_ ? zoomFenster_ : ansicht;
    Skalieren(b.x1, b.x2, b.y1, b.y2, DisplayIndex, LayerVon, LayerBis);
}

void clsGrafik::Layer_Sicherstellen()
{
    if (LayerAnzahl() < 2) LoadLayer(2, 0, true);
}

void clsGrafik::Update_Grafik()
{
    Guarded("clsGrafik", "Update_Grafik", [this] { Extras(); });
}

void clsGrafik::Extras()
{
    switch (letzteKurve_) {
    case KT_IK:
    case KT_IK_Wichtung: Zeichne_IK_Extra(); break;
    case KT_GR: Zeichne_GR_Extra(); break;
    default: break;
    }
}

void clsGrafik::Zoomen(float X1, float X2, float Y1, float Y2, bool ScaleIt, bool RedrawIT)
{
    Guarded("clsGrafik", "Zeichne_Zoom", [&] {
        if (ScaleIt) {
            zoom_ = true;
            zoomFenster_ = {std::min(X1, X2), std::max(X1, X2), std::min(Y1, Y2), std::max(Y1, Y2)};
        }
        if (RedrawIT) Zeichne(true);
    });
}
