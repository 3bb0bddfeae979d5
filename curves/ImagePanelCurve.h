#pragma once
// The curve held by the main window's image panel: the radial average of a diffraction image, or
// the points a user digitised in a picture. The panel installs itself; the working curve and the
// curve reader take their points from it.
#include <cstdint>

namespace zelo {

class ImagePanelCurve {
public:
    virtual ~ImagePanelCurve() = default;
    virtual int32_t Kurve_Punkte() const = 0;
    // x and y of point Index, 1-based; 0 outside the curve.
    virtual float Kurve_X(int32_t Index) const = 0;
    virtual float Kurve_Y(int32_t Index) const = 0;
};

// The installed panel; without one, an empty curve.
const ImagePanelCurve& ImagePanel();
// Installs a panel (not owned); nullptr returns to the empty curve.
void SetImagePanel(const ImagePanelCurve* panel);

}
