#pragma once
// The layered drawing engine of the main window's diagrams (the global gGrafik): it keeps the
// off-screen layers, scales them and the diagram controls to a data range, forwards drawing calls
// to single layers and ANDs the visible layers onto their diagrams, after which each diagram draws
// its axes and keeps the result as its background. It remembers the curve kind drawn last and the
// zoom window. Diagram controls are addressed by index: 0 the main diagram, 1 the second view.
#include "graphics/Abbildung.h"
#include "graphics/clsLayer.h"
#include "graphics/conDisplay.h"

#include <QPointer>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class clsGrafik {
public:
    std::string Version() const { return "Layered Graphic and Image Engine: 2.0"; }
    // The curve kind drawn last (0 before anything is drawn); the value conversion dispatches by it.
    int32_t LetzteKurve() const { return letzteKurve_; }
    void setLetzteKurve(int32_t value) { letzteKurve_ = value; }

    // The diagram control that index names (the main window registers its two); none unregisters.
    void setDisplay(int32_t index, conDisplay* display);
    conDisplay* Display(int32_t index) const;

    // The zoom factor text, "fx % / fy %", of the working curve's range over the zoom window.
    std::string ZoomInfo() const;
    // Scales diagram control DisplayIndex and the layers LayerVon..LayerBis (none when LayerVon < 0)
    // to the range, for lKurve or else the kind drawn last; empty ranges take the kind's defaults.
    void Skalieren(float X1, float X2, float Y1, float Y2, int32_t DisplayIndex, int32_t LayerVon, int32_t LayerBis,
                   std::optional<int32_t> lKurve = std::nullopt);
    // Makes Anzahl new white layers of the size of diagram control DisplayIndex; ClearField replaces
    // all layers, else they are appended.
    void LoadLayer(int32_t Anzahl, int32_t DisplayIndex, bool ClearField = false);
    // Clears layer Index; an index outside the layers does nothing.
    void ClearLayer(int32_t Index);

    // Forwarders to one layer (1-based); a layer number outside the layers raises "Subscript out of range".
    void DrawLineTo(int32_t layer, float x, float Y);
    void DrawLineHorizontal(int32_t layer, float Y);
    void DrawLineVertical(int32_t layer, float x);
    void DrawPoint(int32_t layer, float x, float Y);
    void DrawCircle(int32_t layer, float x, float Y);
    void SetLayerForeColor(int32_t layer, uint32_t Color);
    // Copies one layer onto its diagram control at X = 70 with a raster operation (SRCAND, SRCCOPY).
    void DrawLayer(int32_t layer, uint32_t DrawOption);
    // Clears the diagram(s), ANDs the visible layers onto them in layer order, draws the axes and
    // keeps the result as the diagrams' background.
    void MergeLayer();

    // Shows a new curve kind; ends any zoom.
    void Zeichne_Kurve(int32_t neueKurve);
    // Redraws the curve kind drawn last; NoChangeYScaling keeps the layers where the view allows.
    void Zeichne(bool NoChangeYScaling = false);
    // The extras drawn over the merged diagram for the kind drawn last.
    void Update_Grafik();
    // The back-transform of the last r range of G(r) in red straight over the main diagram.
    void Zeichne_RTR_Extra();
    // ScaleIt stores the window (ordered) and turns the zoom on; RedrawIT redraws.
    void Zoomen(float X1, float X2, float Y1, float Y2, bool ScaleIt = false, bool RedrawIT = false);
    bool Zoom() const { return zoom_; }
    void setZoom(bool value) { zoom_ = value; }
    const Bereich& ZoomFenster() const { return zoomFenster_; }
    const Bereich& SkalenBereich() const { return skalenBereich_; }

    int32_t LayerAnzahl() const { return static_cast<int32_t>(layers_.size()); }
    // Layer Index (1-based); raises "Subscript out of range" outside the layers.
    clsLayer& Layer(int32_t Index);

private:
    // One routine per view; each draws into the layers, merges and adds its extras.
    void Zeichne_Rohspektrum(bool NoChangeYScaling);
    void Zeichne_Spektrum_Einfach();
    void Zeichne_Spektrum_Seitenfit();
    void Zeichne_Untergrund(bool NoChangeYScaling);
    void Zeichne_RDF();
    void Zeichne_Potential_R();
    void Zeichne_Potential_K();
    void Zeichne_Gauss();
    // First and last point of the working curve that the raw-spectrum view shows, within 1..Punkte.
    void Sichtbarer_Bereich(int32_t& first, int32_t& last) const;
    // The folded spectrum: both halves over each other.
    void Zeichne_Kurve_Links();
    // The two side fits and their blended overlap, straight on the main diagram.
    void Zeichne_Fit_Links();
    // The I(K) view into one layer of the main diagram.
    void Zeichne_IK_RTR();
    // The weighted I(K), the low-K parabola, the cut-off and the index marks over the I(K) view.
    void Zeichne_IK_Extra();
    // The G(r) view: on the second diagram beside the I(K) view in the two-diagram layout.
    void Zeichne_Gr();
    // The density lines and the truncation oscillations over the G(r) view.
    void Zeichne_GR_Extra();
    // Update_Grafik without its own handler: a failure goes to the caller.
    void Extras();
    // The layer range scaled to the zoom window when zoomed, else to the view's range.
    void Skalieren_Ansicht(const Bereich& ansicht, int32_t DisplayIndex, int32_t LayerVon, int32_t LayerBis);
    // The diagram control index names; "Object variable not set" when none is registered.
    conDisplay& Diagramm(int32_t index) const;
    // At least two layers on the main diagram for the views that reuse the last drawing's layers.
    void Layer_Sicherstellen();
    void ClearLayerField() { layers_.clear(); }

    Bereich zoomFenster_;
    std::vector<std::unique_ptr<clsLayer>> layers_;
    QRect displayRechteck_;
    int32_t letzteKurve_ = 0;
    int32_t vorherigeKurve_ = 0;
    Bereich skalenBereich_;
    bool zoom_ = false;
    std::array<QPointer<conDisplay>, 2> displays_;
};
