#pragma once
// SSC is the stage store; its one instance is gSSC.
// The stage store: the latest copy of each evaluation stage's curve (loaded spectrum, edited raw
// data, averaged halves, fit, background, I(K), G(r)), so that the user can step back. It holds
// copies, never the live objects, and keeps nothing on disk.
#include "curves/cls_Y.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>

class clsSSC {
public:
    static constexpr int32_t kLetzterTyp = 8;

    int32_t Aktuelles_Level() const { return aktuellesLevel_; }
    void Naechste_Stufe() { ++aktuellesLevel_; }
    // Empties the store and starts level 0; the last selection stays.
    void ESC_HEADER();

    // The selected curve's count, step, first x and value Index; 0 while nothing is selected.
    int32_t Kurve_Zurueck_Punkte() const;
    float Kurve_Zurueck_Schrittweite() const;
    float Kurve_Zurueck_MinX() const;
    float Kurve_Zurueck_Y(int32_t Index) const;
    // Selects the saved curve of kind tKurve; false when the store holds none (the earlier
    // selection stays). A store that was never reset answers true without selecting. lLevel is
    // not used.
    bool Kurve_Zurueck(int32_t lLevel, int32_t tKurve);
    // Saves a copy of the current curve of kind TypKurve (0 to 8): 1 to 4 the working curve; 0 and
    // 8 have no source and only mark the kind as saved. The curves of the analysis (5 the
    // background, 6 I(K), 7 G(r)) come with their values (Analysestufe_Sichern gathers them); asked
    // for here they are reported as an invalid call.
    void Kurve_Sichern(int32_t TypKurve);
    // Saves the curve Y (points 1.. as elements 0..) from ErsteX on with step Schritt as kind TypKurve.
    void Kurve_Sichern(int32_t TypKurve, float Schritt, float ErsteX, std::span<const float> Y);
    int32_t Kurve_Typ() const { return kurveTyp_; }
    void setKurve_Typ(int32_t value) { kurveTyp_ = value; }

private:
    static std::string Schluessel(int32_t typ) { return "s" + std::to_string(typ); }
    // Stores anzahl values of wert as kind typ and marks the kind as saved.
    void Speichern(int32_t typ, float schritt, float ersteX, int32_t anzahl, const std::function<float(int32_t)>& wert);

    int32_t aktuellesLevel_ = 0;
    std::map<std::string, std::shared_ptr<cls_Y>> kurven_;
    std::array<bool, kLetzterTyp + 1> gesichert_{};
    // Shared, because a selection outlives the reset that drops its entry.
    std::shared_ptr<const cls_Y> auswahl_;
    int32_t kurveTyp_ = 0;
    bool zurueckgesetzt_ = false;
};
