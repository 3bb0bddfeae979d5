#pragma once
// Pot stands for the pair potential v(r).
// The pair potential: v(r) read from a curve file on the r grid of G(r), and its transform v(K) on
// the K grid of I(K). Indices are 1-based; a read outside 1..Punkte gives 0.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class clsPot {
public:
    // Lists the minima of v(r) as the peaks of gGauss, each with its value as A; a v(r) that rises
    // from its first point has one at r = 0.
    void Peaks_Markieren_r();
    // v(K) from v(r) by the inverse sine transform, on 150 / Delta_k points (the count of the first
    // call stays), with the extremes of v(K).
    void Berechne_v_K();
    // What the v(r) step computes: nothing yet, v(r) comes from its file.
    void Berechne_v_r() {}
    // r(i) = 2π·(i - 1) / (FFT_Points·Delta_k) in nm and K(i) = (i - 1)·Delta_k in 1/nm; 0 while
    // Delta_k is 0.
    float R(int32_t i) const;
    float k(int32_t i) const;
    float Maximum_R() const { return maximumR_; }
    float Minimum_R() const { return minimumR_; }
    int32_t Punkte_R() const { return static_cast<int32_t>(yR_.size()); }
    float Y_r(int32_t i) const { return Wert(yR_, i); }
    float Maximum_K() const { return maximumK_; }
    float Minimum_K() const { return minimumK_; }
    int32_t Punkte_K() const { return static_cast<int32_t>(yK_.size()); }
    float Y_K(int32_t i) const { return Wert(yK_, i); }
    // v(r) from the project's curve file, r in the project's unit, taken in order as v(R(1)),
    // v(R(2)), ...; the working grid becomes K up to 150 for v(K). False, with the previous v(r)
    // kept, when the file gives no curve.
    bool Einlesen_R_Raum();

    // Takes v(r) at r(1), r(2), ... as the file reader leaves it.
    void Set_Y_r(std::vector<float> values) { yR_ = std::move(values); }

private:
    static float Wert(const std::vector<float>& values, int32_t i)
    {
        return i >= 1 && static_cast<size_t>(i) <= values.size() ? values[static_cast<size_t>(i - 1)] : 0.0f;
    }

    std::vector<float> yR_, yK_;
    float maximumR_ = 0.0f;
    float minimumR_ = 0.0f;
    float maximumK_ = 0.0f;
    float minimumK_ = 0.0f;
};
