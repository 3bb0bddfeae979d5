#pragma once
// Look 13 on a platform with a themed button: the platform style's own push-button bevel.
#include "widgets/ButtonLook.h"

class QStyle;

class LookThemed final : public ButtonLook {
public:
    void Paint(ButtonLookContext& context) const override;

    // Whether a widget style paints the platform's native theme (and look 13 therefore uses it).
    static bool IsThemeActive(const QStyle* style);
};
