#pragma once
// The weighted smoothing spline.

class clsSpline {
public:
    void Clear() {}
};
