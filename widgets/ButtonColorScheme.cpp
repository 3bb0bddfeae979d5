#include "widgets/ButtonColorScheme.h"

#include "widgets/ButtonColors.h"

namespace ButtonColorScheme {

int32_t DefaultScheme(int32_t look, int32_t currentScheme)
{
    switch (look) {
    case 3:
    case 9:
        return 2;
    case 0: case 1: case 2: case 4: case 6: case 7: case 8: case 10:
        return 0;
    default:
        return currentScheme;
    }
}

std::optional<QColor> SchemeBackColor(int32_t look, int32_t scheme)
{
    using ButtonColors::Rgb;
    switch (look) {
    case 0: case 1: case 4: case 6: case 7: case 11: case 12:
        return ButtonColors::ButtonFace();
    default:
        break;
    }
    if (scheme < 0 || scheme > 2)
        return std::nullopt;
    switch (look) {
    case 2: {
        const uint32_t colours[] = {0xECEBE7, 0xF3EEDB, 0xF0F1FC};
        return Rgb(colours[scheme]);
    }
    case 3: {
        if (scheme == 2)
            return ButtonColors::ShiftColor(Rgb(0xD4D4D4), 0.06f);
        const uint32_t colours[] = {0xE0ECFD, 0xE8EDDE};
        return Rgb(colours[scheme]);
    }
    case 5: {
        if (scheme == 2)
            return ButtonColors::ShiftColor(Rgb(0xA09EBA), 0.15f);
        const uint32_t colours[] = {0xCAE1FC, 0xD4D6BA};
        return Rgb(colours[scheme]);
    }
    case 8:
    case 10: {
        const uint32_t colours[] = {0xADD1FF, 0xD4D6BA, 0xE0DFE3};
        return Rgb(colours[scheme]);
    }
    case 9: {
        const uint32_t colours[] = {0xADD1FF, 0xD4D6BA, 0xD5D6E1};
        return Rgb(colours[scheme]);
    }
    default:
        return std::nullopt;
    }
}

bool ShowsFocusRect(int32_t look)
{
    return look == 0 || look == 1 || look == 9;
}

}
