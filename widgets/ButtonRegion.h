#pragma once
// The window region of each look: the rounded looks cut their corners, the others keep the full
// rectangle.
#include <QRegion>
#include <cstdint>

namespace ButtonRegion {

QRegion ForStyle(int32_t style, int width, int height);

}
