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
    void Zeichne_Rohspektrum();
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
