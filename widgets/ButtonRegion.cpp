#include "widgets/ButtonRegion.h"

namespace ButtonRegion {

namespace {

// The full rectangle less `cut` pixels along each edge at every corner: 1 cuts the corner pixel,
// 2 the corner pixel and its two neighbours.
QRegion CutCorners(int width, int height, int cut)
{
    QRegion region(0, 0, width, height);
    for (int i = 0; i < cut; ++i) {
        const int length = cut - i;
        region -= QRegion(0, i, length, 1);
        region -= QRegion(width - length, i, length, 1);
        region -= QRegion(0, height - 1 - i, length, 1);
        region -= QRegion(width - length, height - 1 - i, length, 1);
    }
    return region;
}

}

QRegion ForStyle(int32_t style, int width, int height)
{
    switch (style) {
    case 2: case 3: case 7: case 9:
        return CutCorners(width, height, 1);
    case 6: case 10:
        return CutCorners(width, height, 2);
    default:
        return QRegion(0, 0, width, height);
    }
}

}
