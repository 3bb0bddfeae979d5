#pragma once
// The diagram's mouse tools: a press, a move and a release on the drawing surface become edits of
// the evaluation, chosen by the tool modes (gModus_*), the step (gSchritt), the curve kind shown,
// the button and Ctrl. Zoom and range use a rubber band; the point edit, the height and width cuts
// and the separation point show a preview; the background, I(K) and G(r) steps set support points,
// indices and limits; the extras step picks structure values. After a change the main window shows,
// the diagram raises InfoChange.
#include <QObject>

#include <cstdint>

class conDisplay;

class DiagrammMaus : public QObject {
public:
    // Listens to the mouse on display's drawing surface.
    explicit DiagrammMaus(conDisplay& display);

    // Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl held; X, Y in surface pixels.
    void MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void MouseUp(int16_t Button, int16_t Shift, float X, float Y);

    // Clears the surface and fills the area under the RDF between the coordination-number limits
    // with red lines, ten per grid step.
    void Koordinationsschraffur();

    // The curve point (or, in the background step, the support point) under the cursor; -1 none.
    int32_t PunktUnterCursor() const { return punkt_; }

    // Set by the extras panel: the next moves pick these values, the next release ends the picking.
    bool SetKpe = false;
    bool SetKpp = false;
    bool Set_r0 = false;
    bool Set_r1 = false;
    // The keys held at the last left release in the I(K) step.
    int32_t CTRL = 0;
    // The analysis range of the extras step, r values.
    float Analyse_Start = 0;
    float Analyse_Ende = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    float x(float X) const;
    float y(float Y) const;
    void Ablesung(float X, float Y);
    void Zeiger(float X);
    void Punkt_Suchen(float X, float Y);
    void Punkt_Vorschau(float Y);
    void Senkrechte(float X, uint32_t farbe);
    void Bewegung_Ausfuehren(int16_t Shift, float X, float Y);
    bool Modus_Ausfuehren(int16_t Shift, float X, float Y);
    bool Untergrund_Ausfuehren(int16_t Button, int16_t Shift, float X, float Y);
    bool IK_Ausfuehren(int16_t Button, int16_t Shift, float X);
    bool GR_Ausfuehren(int16_t Button, int16_t Shift, float X);
    void Extras_Ausfuehren(int16_t Button, float X);
    // The back-transform of the analysis range over I(K), and the range marked in G(r).
    void Bereich_Zeigen();
    void Neu_Zeichnen();
    void Info(int32_t k);

    conDisplay& display_;

    const QObject* pic_;
    bool mouseDown_ = false;
    float X1_ = 0, Y1_ = 0, X2_ = 0, Y2_ = 0;
    int32_t punkt_ = -1;
};
