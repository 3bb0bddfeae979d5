#pragma once
// One look of the owner-drawn button: paints the whole face for the drawing state in the context.
#include "widgets/ButtonLookContext.h"

#include <cstdint>

class ButtonLook {
public:
    virtual ~ButtonLook() = default;
    virtual void Paint(ButtonLookContext& context) const = 0;

    // The painter of a look (ButtonStyle 0 to 13); none for any other value. Look 13 paints with the
    // platform's themed button when the platform has one and as look 2 otherwise.
    static const ButtonLook* ForStyle(int32_t style, bool themed);

protected:
    // An expression in fractions of the height, evaluated in floating point and taken to the nearest
    // whole pixel with halves to the even neighbour: Nearest(23 / 2.0) is 12, Nearest(23 - 11.5 - 1) is 10.
    static int Nearest(double value);
};
