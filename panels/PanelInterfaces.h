#pragma once
// What the diagram asks of the step panels: their view options and the drawing they add over a
// merged view. Each panel implements its interface and installs itself in its PanelPlatz; until
// it does, the do-nothing default answers, so the diagram draws every view without the panels.
#include <cstdint>

// The Fourier-transform panel's view options.
class FourierPanel {
public:
    virtual ~FourierPanel() = default;
    // The low-K extrapolation starts with a parabola at the front.
    virtual bool Parabel_Vorn() const { return false; }
    // The I(K) view adds the normalised background, the normalised form-factor term and the
    // imaginary parts of the transforms.
    virtual bool ShowUG() const { return false; }
    virtual bool ShowGas() const { return false; }
    virtual bool ShowFFTImag() const { return false; }
    // The back-transform leaves out the truncation oscillations.
    virtual bool AO_Weg() const { return false; }
    // The G(r) view adds the truncation oscillations.
    virtual bool ShowOszi() const { return false; }
};

// The background panel redraws its status, auxiliary curves and support points over the merged view.
class UntergrundPanel {
public:
    virtual ~UntergrundPanel() = default;
    virtual void Aktualisieren() {}
};

// The Gauss peak panel draws the curve, its peaks, their sum and the peak marks on the main diagram.
class GaussPanel {
public:
    virtual ~GaussPanel() = default;
    virtual void Zeichne_Gausskurve() {}
};

// The test-curve panel adds a Gauss test peak or a sine term at x.
class TestkurvenPanel {
public:
    virtual ~TestkurvenPanel() = default;
    virtual void AddNewPoint(float /*x*/, float /*breite*/, float /*amplitude*/) {}
    virtual void AddNewSinus(float /*x*/, float /*a*/, float /*b*/) {}
};

// The structure-values panel: whether it shows structure values or analyses peak positions or
// ranges, its markers, and its recomputation.
class StrukturwertePanel {
public:
    virtual ~StrukturwertePanel() = default;
    virtual bool StrukturWerteAnzeigen() const { return false; }
    virtual bool Analyse_Peak_Position() const { return false; }
    virtual bool Analyse_Peak_Range() const { return false; }
    virtual void setStrukturWerteK(float /*K*/) {}
    virtual void setStrukturWerteR(float /*r*/) {}
    virtual void Berechnen() {}
};

// The side-fit panel takes a new separation point and shows itself.
class SeitenfitPanel {
public:
    virtual ~SeitenfitPanel() = default;
    virtual void NeueTrennstelle() {}
};

// The smoothing panel of the I(K) step hides itself when the user sets an index.
class GlaettenPanel {
public:
    virtual ~GlaettenPanel() = default;
    virtual void Verbergen() {}
};

// The installed panel of one kind, or its do-nothing default. A panel installs itself when it is
// made and passes nullptr when it goes.
template <class Panel>
class PanelPlatz {
public:
    static Panel& Get() { return panel_ ? *panel_ : leer_; }
    static void Set(Panel* panel) { panel_ = panel; }

private:
    static inline Panel* panel_ = nullptr;
    static inline Panel leer_;
};
