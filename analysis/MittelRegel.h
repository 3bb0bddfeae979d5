#pragma once
// The mean of I(K): nothing counts before the first positive value, everything after it, and the
// sum is divided by the number of all points.
#include <cstddef>
#include <cstdint>
#include <vector>

class MittelRegel {
public:
    void Add(float value)
    {
        if (value > 0.0f) begonnen_ = true;
        if (begonnen_) summe_ += value;
    }
    double Summe() const { return summe_; }

private:
    bool begonnen_ = false;
    double summe_ = 0.0;
};

// The mean of the points erster..N of y (1-based) by the rule, divided by N.
inline float Mittelwert_Nach_Regel(const std::vector<float>& y, int32_t erster)
{
    if (y.empty()) return 0.0f;
    MittelRegel mittel;
    for (size_t i = static_cast<size_t>(erster > 1 ? erster - 1 : 0); i < y.size(); ++i) mittel.Add(y[i]);
    return static_cast<float>(mittel.Summe() / static_cast<double>(y.size()));
}
