#pragma once
// The pair potential. Only what the transforms use so far: v(r) on the r grid of G(r).
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class clsPot {
public:
    int32_t Punkte_R() const { return static_cast<int32_t>(yR_.size()); }
    // v(r) at point Index; 0 outside 1..Punkte_R.
    float Y_r(int32_t Index) const
    {
        return Index >= 1 && Index <= Punkte_R() ? yR_[static_cast<size_t>(Index - 1)] : 0.0f;
    }
    // Takes v(r) at r(1), r(2), ... as the file reader will leave it.
    void Set_Y_r(std::vector<float> values) { yR_ = std::move(values); }

private:
    std::vector<float> yR_;
};
