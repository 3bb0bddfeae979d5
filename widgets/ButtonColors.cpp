#include "widgets/ButtonColors.h"

#include "core/Runtime.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

namespace ButtonColors {

QColor Rgb(uint32_t rrggbb)
{
    return QColor((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}

namespace {

int BlendChannel(int first, int second)
{
    return rt::CLng((first + second) / 2.0);
}

int ShiftChannel(int channel, float amount)
{
    // The run time multiplies in single precision before adding the channel.
    const float step = amount * 255.0f;
    const int32_t shifted = rt::CLng(channel + static_cast<double>(step));
    return amount > 0 ? std::min(shifted, 255) : std::max(shifted, 0);
}

// Reduced to 8 bits per channel, the precision the face is painted in.
QColor PaletteColor(QPalette::ColorGroup group, QPalette::ColorRole role)
{
    return QColor(QGuiApplication::palette().color(group, role).rgb());
}

}

QColor BlendColors(const QColor& first, const QColor& second)
{
    return QColor(BlendChannel(first.red(), second.red()), BlendChannel(first.green(), second.green()),
                  BlendChannel(first.blue(), second.blue()));
}

QColor ShiftColor(const QColor& colour, float amount)
{
    return QColor(ShiftChannel(colour.red(), amount), ShiftChannel(colour.green(), amount),
                  ShiftChannel(colour.blue(), amount));
}

QColor ButtonFace() { return PaletteColor(QPalette::Active, QPalette::Button); }
QColor ButtonText() { return PaletteColor(QPalette::Active, QPalette::ButtonText); }
QColor GrayText() { return PaletteColor(QPalette::Disabled, QPalette::ButtonText); }
QColor AppWorkspace() { return PaletteColor(QPalette::Active, QPalette::Dark); }
QColor Highlight3D() { return PaletteColor(QPalette::Active, QPalette::Light); }
QColor Light3D() { return PaletteColor(QPalette::Active, QPalette::Midlight); }
QColor Shadow3D() { return PaletteColor(QPalette::Active, QPalette::Dark); }
QColor DarkShadow3D() { return PaletteColor(QPalette::Active, QPalette::Shadow); }

}
