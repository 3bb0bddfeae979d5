#pragma once
// The layered drawing engine of the diagram.
#include <cstdint>
#include <string>

class clsGrafik {
public:
    std::string Version() const { return "Layered Graphic and Image Engine: 2.0"; }
    // The curve kind drawn last (0 before anything is drawn); the value conversion dispatches by it.
    int32_t LetzteKurve() const { return letzteKurve_; }
    void setLetzteKurve(int32_t value) { letzteKurve_ = value; }

private:
    int32_t letzteKurve_ = 0;
};
