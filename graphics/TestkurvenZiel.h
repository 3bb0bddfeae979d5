#pragma once
// What the diagram's mouse tools ask of the step panels. Each panel installs itself in its
// PanelPlatz; until it does, the do-nothing default answers, so the tools work without the panels.
#include <cstdint>

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

// The background panel redraws its status, auxiliary curves and support points.
class UntergrundPanel {
public:
    virtual ~UntergrundPanel() = default;
    virtual void Aktualisieren() {}
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
