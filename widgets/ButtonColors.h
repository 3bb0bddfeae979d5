#pragma once
// Colour operations of the owner-drawn button and the system colours it draws with.
// System colours come from the application palette, so the button follows the platform's scheme.
#include <QColor>
#include <cstdint>

namespace ButtonColors {

// A colour written #RRGGBB.
QColor Rgb(uint32_t rrggbb);

// Per channel the mean of both colours, halves to the even neighbour.
QColor BlendColors(const QColor& first, const QColor& second);

// Per channel c + amount × 255, halves to the even neighbour; a positive amount caps at 255,
// any other floors at 0. "B +5 %" in the looks is ShiftColor(B, 0.05f).
QColor ShiftColor(const QColor& colour, float amount);

QColor ButtonFace();
QColor ButtonText();
QColor GrayText();
QColor AppWorkspace();
// The four colours of a three-dimensional edge, from the brightest to the darkest.
QColor Highlight3D();
QColor Light3D();
QColor Shadow3D();
QColor DarkShadow3D();

}
