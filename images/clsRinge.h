#pragma once
// The diffraction rings a user marks by three clicks each, and the beam centre as the plain mean of
// the ring centres.
#include <array>
#include <cstddef>
#include <cstdint>

class clsRinge {
public:
    static constexpr int32_t MaxRinge = 20;

    enum class Klick {
        Gemerkt,   // first or second click of a ring
        Ring,      // third click: a new ring, the centre recomputed
        Entartet,  // third click on a line with the other two: no ring, the clicks start anew
        Voll,      // no room for a further ring: the click is ignored
    };

    // One click at (x, y) in image pixels.
    Klick Klicken(float x, float y);
    void Clear();

    int32_t Klick_Anzahl() const { return klickAnzahl_; }
    float Klick_X(int32_t i) const { return klickX_.at(static_cast<size_t>(i - 1)); }
    float Klick_Y(int32_t i) const { return klickY_.at(static_cast<size_t>(i - 1)); }
    int32_t Ring_Anzahl() const { return ringAnzahl_; }
    // Ring k, 1-based: centre and radius in image pixels.
    float Ring_X(int32_t k) const { return ringX_.at(static_cast<size_t>(k - 1)); }
    float Ring_Y(int32_t k) const { return ringY_.at(static_cast<size_t>(k - 1)); }
    float Ring_R(int32_t k) const { return ringR_.at(static_cast<size_t>(k - 1)); }
    // Only a marked ring sets the centre: without one there is none to average about.
    bool Mittelpunkt_Gesetzt() const { return ringAnzahl_ > 0; }
    // (0, 0) until a ring exists.
    float Mittelpunkt_X() const { return mittelX_; }
    float Mittelpunkt_Y() const { return mittelY_; }

private:
    void Mittelpunkt_Berechnen();

    std::array<float, 3> klickX_{};
    std::array<float, 3> klickY_{};
    int32_t klickAnzahl_ = 0;
    std::array<float, MaxRinge> ringX_{};
    std::array<float, MaxRinge> ringY_{};
    std::array<float, MaxRinge> ringR_{};
    int32_t ringAnzahl_ = 0;
    float mittelX_ = 0.0f;
    float mittelY_ = 0.0f;
};
