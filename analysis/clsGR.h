#pragma once
// The reduced radial distribution G(r). Only what the transforms and I(K) use so far: the points
// of G(r) on the r grid, the density line below the first peak and the count of transforms.
#include <cstddef>
#include <cstdint>
#include <vector>

class clsGR {
public:
    int32_t Punkte() const { return static_cast<int32_t>(g_.size()); }
    void setPunkte(int32_t value) { g_.resize(static_cast<size_t>(value > 0 ? value : 0), 0.0f); }
    // G(Index); 0 outside 1..Punkte.
    float Y(int32_t Index) const { return Index >= 1 && Index <= Punkte() ? g_[static_cast<size_t>(Index - 1)] : 0.0f; }
    // Sets G(Index); nothing outside 1..Punkte.
    void Set_Y(int32_t Index, float YY)
    {
        if (Index >= 1 && Index <= Punkte()) g_[static_cast<size_t>(Index - 1)] = YY;
    }
    // r(Index) = 2π·(Index − 1) / (FFT_Points·Delta_k) in nm.
    float R(int32_t Index) const;
    // The last point and the slope of the density line G = Dichte_Anstieg·r.
    int32_t Dichte_Exp_Index() const { return dichteExpIndex_; }
    float Dichte_Anstieg() const { return dichteAnstieg_; }
    // Transforms since the last I(K) computation.
    int32_t Anzahl_FFT() const { return anzahlFFT_; }
    void setAnzahl_FFT(int32_t value) { anzahlFFT_ = value; }

private:
    std::vector<float> g_;
    int32_t dichteExpIndex_ = 0;
    float dichteAnstieg_ = 0.0f;
    int32_t anzahlFFT_ = 0;
};
