#include "curves/ImagePanelCurve.h"

namespace zelo {

namespace {

class EmptyCurve : public ImagePanelCurve {
public:
    int32_t Kurve_Punkte() const override { return 0; }
    float Kurve_X(int32_t) const override { return 0.0f; }
    float Kurve_Y(int32_t) const override { return 0.0f; }
};

const EmptyCurve emptyCurve;
const ImagePanelCurve* installed = nullptr;

}

const ImagePanelCurve& ImagePanel() { return installed ? *installed : emptyCurve; }

void SetImagePanel(const ImagePanelCurve* panel) { installed = panel; }

}
